#include "afx/AfxString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <strings.h>

int CString::Compare(const char* other) const {
    return strcmp(m_text.c_str(), other ? other : "");
}

int CString::CompareNoCase(const char* other) const {
    return strcasecmp(m_text.c_str(), other ? other : "");
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        m_text.clear();
    } else {
        std::string text(static_cast<size_t>(needed) + 1, '\0');
        vsnprintf(&text[0], text.size(), format, args);
        text.resize(static_cast<size_t>(needed));
        m_text.swap(text);
    }
    va_end(args);
}

int CString::Replace(const char* from, const char* to) {
    const size_t fromLength = from ? strlen(from) : 0;
    if (fromLength == 0) return 0;
    const std::string replacement = to ? to : "";
    std::string result;
    int count = 0;
    size_t position = 0;
    for (size_t hit; (hit = m_text.find(from, position)) != std::string::npos; position = hit + fromLength) {
        result.append(m_text, position, hit - position);
        result += replacement;
        ++count;
    }
    result.append(m_text, position, std::string::npos);
    m_text.swap(result);
    return count;
}

int CString::Remove(char ch) {
    const size_t before = m_text.size();
    std::string kept;
    for (char c : m_text)
        if (c != ch) kept += c;
    m_text.swap(kept);
    return static_cast<int>(before - m_text.size());
}

int CString::Find(const char* needle, int start) const {
    if (start < 0 || static_cast<size_t>(start) > m_text.size()) return -1;
    const size_t hit = m_text.find(needle ? needle : "", static_cast<size_t>(start));
    return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::Find(char ch, int start) const {
    if (start < 0 || static_cast<size_t>(start) > m_text.size()) return -1;
    const size_t hit = m_text.find(ch, static_cast<size_t>(start));
    return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

CString CString::Left(int count) const {
    if (count < 0) count = 0;
    return CString(m_text.substr(0, static_cast<size_t>(count)).c_str());
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength() - first);
}

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (first >= GetLength() || count <= 0) return CString();
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)).c_str());
}

CString CString::Right(int count) const {
    if (count <= 0) return CString();
    if (count >= GetLength()) return *this;
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)).c_str());
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) m_text.resize(static_cast<size_t>(minLength));
    return &m_text[0];
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) newLength = static_cast<int>(strnlen(m_text.c_str(), m_text.size()));
    m_text.resize(static_cast<size_t>(newLength));
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }

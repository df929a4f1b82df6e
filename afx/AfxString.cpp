#include "afx/AfxString.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

char CString::s_empty[1] = {'\0'};

namespace {
// Out of memory leaves the program nothing sensible to do.
char* Allocate(int capacity) {
    char* block = static_cast<char*>(malloc(static_cast<size_t>(capacity) + 1));
    if (!block) abort();
    return block;
}
}  // namespace

CString::CString(char ch, int repeat) {
    if (repeat <= 0) return;
    m_data = Allocate(repeat);
    memset(m_data, ch, static_cast<size_t>(repeat));
    m_data[repeat] = '\0';
    m_length = m_capacity = repeat;
}

CString::~CString() {
    if (m_capacity) free(m_data);
}

CString& CString::operator=(const CString& other) {
    if (this != &other) Assign(other.m_data, other.m_length);
    return *this;
}

CString& CString::operator=(const char* text) {
    Assign(text, text ? static_cast<int>(strlen(text)) : 0);
    return *this;
}

void CString::Swap(CString& other) noexcept {
    char* data = m_data;
    m_data = other.m_data;
    other.m_data = data;
    const int length = m_length;
    m_length = other.m_length;
    other.m_length = length;
    const int capacity = m_capacity;
    m_capacity = other.m_capacity;
    other.m_capacity = capacity;
}

void CString::Assign(const char* text, int length) {
    if (length <= 0) {
        if (m_capacity) free(m_data);
        m_data = s_empty;
        m_length = m_capacity = 0;
        return;
    }
    // The text may lie inside the old buffer: copy before freeing it.
    char* block = Allocate(length);
    memcpy(block, text, static_cast<size_t>(length));
    block[length] = '\0';
    if (m_capacity) free(m_data);
    m_data = block;
    m_length = m_capacity = length;
}

void CString::Append(const char* text, int length) {
    if (length <= 0) return;
    if (m_length + length > m_capacity) {
        const int capacity = (m_length + length) * 2;
        char* block = Allocate(capacity);
        memcpy(block, m_data, static_cast<size_t>(m_length));
        memcpy(block + m_length, text, static_cast<size_t>(length));
        if (m_capacity) free(m_data);
        m_data = block;
        m_capacity = capacity;
    } else {
        memmove(m_data + m_length, text, static_cast<size_t>(length));
    }
    m_length += length;
    m_data[m_length] = '\0';
}

int CString::Compare(const char* other) const {
    return strcmp(m_data, other ? other : "");
}

int CString::CompareNoCase(const char* other) const {
    return strcasecmp(m_data, other ? other : "");
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0) {
        Empty();
    } else {
        char* block = Allocate(needed);
        vsnprintf(block, static_cast<size_t>(needed) + 1, format, args);
        if (m_capacity) free(m_data);
        m_data = block;
        m_length = m_capacity = needed;
    }
    va_end(args);
}

int CString::Replace(const char* from, const char* to) {
    const int fromLength = from ? static_cast<int>(strlen(from)) : 0;
    if (fromLength == 0) return 0;
    const int toLength = to ? static_cast<int>(strlen(to)) : 0;
    CString result;
    int count = 0;
    int position = 0;
    for (int hit; (hit = Find(from, position)) >= 0; position = hit + fromLength) {
        result.Append(m_data + position, hit - position);
        result.Append(to, toLength);
        ++count;
    }
    if (count == 0) return 0;
    result.Append(m_data + position, m_length - position);
    Swap(result);
    return count;
}

int CString::Remove(char ch) {
    int kept = 0;
    for (int i = 0; i < m_length; ++i)
        if (m_data[i] != ch) m_data[kept++] = m_data[i];
    const int removed = m_length - kept;
    if (removed) {
        m_length = kept;
        m_data[m_length] = '\0';
    }
    return removed;
}

int CString::Find(const char* needle, int start) const {
    if (start < 0 || start > m_length) return -1;
    const int needleLength = needle ? static_cast<int>(strlen(needle)) : 0;
    for (int i = start; i + needleLength <= m_length; ++i)
        if (memcmp(m_data + i, needle, static_cast<size_t>(needleLength)) == 0) return i;
    return -1;
}

int CString::Find(char ch, int start) const {
    if (start < 0 || start > m_length) return -1;
    for (int i = start; i < m_length; ++i)
        if (m_data[i] == ch) return i;
    return -1;
}

CString CString::Left(int count) const {
    if (count <= 0) return CString();
    return CString(m_data, count < m_length ? count : m_length);
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength() - first);
}

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (first >= m_length || count <= 0) return CString();
    if (count > m_length - first) count = m_length - first;
    return CString(m_data + first, count);
}

CString CString::Right(int count) const {
    if (count <= 0) return CString();
    if (count >= m_length) return *this;
    return CString(m_data + m_length - count, count);
}

char* CString::GetBuffer(int minLength) {
    if (minLength > m_capacity) {
        char* block = Allocate(minLength);
        memcpy(block, m_data, static_cast<size_t>(m_length) + 1);
        if (m_capacity) free(m_data);
        m_data = block;
        m_capacity = minLength;
    }
    if (minLength > m_length) {
        memset(m_data + m_length, 0, static_cast<size_t>(minLength - m_length) + 1);
        m_length = minLength;
    }
    return m_data;
}

void CString::ReleaseBuffer(int newLength) {
    if (!m_capacity) return;
    if (newLength < 0) newLength = static_cast<int>(strnlen(m_data, static_cast<size_t>(m_length)));
    if (newLength > m_length) newLength = m_length;
    m_length = newLength;
    m_data[m_length] = '\0';
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

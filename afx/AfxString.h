#pragma once
#include <string>

// 8-bit string in the process's ANSI code page, with value semantics.
class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text ? text : "", text ? static_cast<size_t>(length) : 0) {}
    explicit CString(char ch, int repeat = 1) : m_text(static_cast<size_t>(repeat > 0 ? repeat : 0), ch) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }
    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }

    CString& operator=(const char* text) { m_text = text ? text : ""; return *this; }
    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const char* text) { if (text) m_text += text; return *this; }
    CString& operator+=(char ch) { m_text += ch; return *this; }

    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Replaces every occurrence of `from`, left to right, without rescanning; returns the count.
    int Replace(const char* from, const char* to);
    int Remove(char ch);
    int Find(const char* needle, int start = 0) const;
    int Find(char ch, int start = 0) const;
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    // Raw access for system calls that fill a buffer; ReleaseBuffer cuts at the first NUL.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    std::string m_text;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator<(const CString& a, const CString& b);

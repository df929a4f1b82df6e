#pragma once
#include <cstring>

// 8-bit string in the process's ANSI code page, with value semantics.
class CString {
public:
    CString() = default;
    CString(const char* text) { Assign(text, text ? static_cast<int>(strlen(text)) : 0); }
    CString(const char* text, int length) { Assign(text, text && length > 0 ? length : 0); }
    explicit CString(char ch, int repeat = 1);
    CString(const CString& other) { Assign(other.m_data, other.m_length); }
    CString(CString&& other) noexcept { Swap(other); }
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept {
        Swap(other);
        return *this;
    }
    CString& operator=(const char* text);

    int GetLength() const { return m_length; }
    bool IsEmpty() const { return m_length == 0; }
    void Empty() { Assign("", 0); }
    // The character at index; NUL outside the text.
    char GetAt(int index) const { return index >= 0 && index < m_length ? m_data[index] : '\0'; }
    char operator[](int index) const { return GetAt(index); }
    operator const char*() const { return m_data; }
    const char* GetString() const { return m_data; }

    CString& operator+=(const CString& other) { Append(other.m_data, other.m_length); return *this; }
    CString& operator+=(const char* text) { if (text) Append(text, static_cast<int>(strlen(text))); return *this; }
    CString& operator+=(char ch) { Append(&ch, 1); return *this; }

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
    // Own buffer management: the standard string would bring a large part of the C++ runtime into
    // the program. The text is always NUL-terminated; an empty one needs no allocation.
    void Assign(const char* text, int length);
    void Append(const char* text, int length);
    void Swap(CString& other) noexcept;

    static char s_empty[1];
    char* m_data = s_empty;
    int m_length = 0;
    int m_capacity = 0;
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

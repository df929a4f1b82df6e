#pragma once
#include <windows.h>

#include "afx/AfxString.h"

// Looks up files by name or wildcard.
class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // TRUE when at least one file or folder matches; the first match is then current.
    BOOL FindFile(const char* name);
    BOOL FindNextFile();
    CString GetFileName() const { return CString(m_found.cFileName); }
    BOOL IsDirectory() const { return (m_found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    void Close();

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_found = {};
};

#include "afx/FileFind.h"

BOOL CFileFind::FindFile(const char* name) {
    Close();
    if (!name) return FALSE;
    m_hFind = ::FindFirstFileA(name, &m_found);
    return m_hFind != INVALID_HANDLE_VALUE;
}

BOOL CFileFind::FindNextFile() {
    return m_hFind != INVALID_HANDLE_VALUE && ::FindNextFileA(m_hFind, &m_found);
}

void CFileFind::Close() {
    if (m_hFind != INVALID_HANDLE_VALUE) ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
}

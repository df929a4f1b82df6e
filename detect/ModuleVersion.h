#pragma once
#include <windows.h>

#include "afx/AfxString.h"

// The version resource of an executable file: the fixed record (inherited) and the string entries of
// the file's first translation.
class FXAModuleVersion : public VS_FIXEDFILEINFO {
public:
    FXAModuleVersion();
    virtual ~FXAModuleVersion();
    FXAModuleVersion(const FXAModuleVersion&) = delete;
    FXAModuleVersion& operator=(const FXAModuleVersion&) = delete;

    // TRUE when the file has a version resource with a valid fixed record.
    BOOL Load(const char* fileName);
    // The entry's text in the first translation; empty when absent or nothing is loaded.
    CString GetVersionString(const char* entryName);

    BYTE* m_pVersionData;
    WORD m_wLanguage;
    WORD m_wCodePage;

private:
    // Bounds every value read from the block.
    DWORD m_dwVersionDataSize;
};

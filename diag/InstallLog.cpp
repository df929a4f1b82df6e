#include <windows.h>
#include <shlobj.h>

#include "afx/Scoped.h"
#include "app/SetupApp.h"

namespace {
const char kLogName[] = "\\ZarvelInstall.log";
// A viewer that holds the log only briefly should not cost an entry.
const int kSharingRetries = 12;
const DWORD kSharingRetryDelayMs = 25;

HANDLE OpenLog(const char* path, bool exists) {
    for (int attempt = 0;; ++attempt) {
        HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, exists ? OPEN_EXISTING : CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION || attempt == kSharingRetries)
            return file;
        Sleep(kSharingRetryDelayMs);
    }
}

// Text-mode line ends: every LF becomes CR LF; a CR already in the text stays.
CString WithCrLf(const CString& text) {
    CString out;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] == '\n') out += '\r';
        out += text[i];
    }
    return out;
}
}  // namespace

void CSetupApp::WriteLog(const CString& text) {
    if (m_logPath.IsEmpty()) {
        char folder[MAX_PATH];
        if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder)))
            return;
        m_logPath = folder;
        if (m_logPath.IsEmpty()) return;
        m_logPath += kLogName;
    }

    CFileFind find;
    const bool exists = find.FindFile(m_logPath);
    find.Close();

    ScopedHandle file(OpenLog(m_logPath, exists));
    if (!file.IsValid()) return;

    const CString entry = WithCrLf(CTime::GetCurrentTime().Format("%Y-%m-%d %H:%M:%S") + ": " + text + "\n");
    if (SetFilePointer(file.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return;
    DWORD written = 0;
    WriteFile(file.Get(), entry.GetString(), static_cast<DWORD>(entry.GetLength()), &written, nullptr);
}

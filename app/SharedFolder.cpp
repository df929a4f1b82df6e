#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "app/SetupApp.h"
#include "detect/RegString.h"
#include "diag/SystemText.h"

namespace {
const char kProductKey[] = "SOFTWARE\\Trovek\\ZarvelCdView";
const char kSourceDirValue[] = "install.SourceDir";

const char kNoCommonFiles[] =
    "Could not find the \"Common Files\" folder on this system. Installation not completed! \nPlease run this program again";
const char kNoRegistryKey[] = "Could not create registry key. Installation not completed! \nPlease run this program again";
const char kNoSharedFolder[] =
    "Could not create common directory for Zarvel. Installation not completed! \nPlease run this program again";
const char kNoPermitCopy[] = "Could not copy permit.cfg. Installation not completed! \nPlease run this program again\n%s";
}  // namespace

bool CSetupApp::PrepareSharedFolder(const CString& sourceDir, CString& sharedDir) {
    const auto fail = [this](const CString& message) {
        WriteLog(message);
        AfxMessageBox(message, MB_ICONERROR);
        return false;
    };

    char commonFiles[MAX_PATH];
    if (!SHGetSpecialFolderPathA(nullptr, commonFiles, CSIDL_PROGRAM_FILES_COMMON, FALSE)) return fail(kNoCommonFiles);
    sharedDir = CString(commonFiles) + "\\Zarvel";
    WriteLog("Detected common programs dir to: " + sharedDir);

    if (!RegisterSourceDir(sourceDir)) return fail(kNoRegistryKey);

    if (GetFileAttributesA(sharedDir) == INVALID_FILE_ATTRIBUTES) {
        SECURITY_ATTRIBUTES security = {};
        security.nLength = 12;
        security.lpSecurityDescriptor = nullptr;
        security.bInheritHandle = FALSE;
        if (!CreateDirectoryA(sharedDir, &security)) return fail(kNoSharedFolder);
    }

    CString from, to;
    from.Format("%s\\permit.cfg", static_cast<const char*>(sourceDir));
    to.Format("%s\\permit.cfg", static_cast<const char*>(sharedDir));
    if (!CopyFileA(from, to, FALSE)) {
        const DWORD code = GetLastError();
        CString detail, message;
        detail.Format("CopyFile failed with error %d: %s", static_cast<int>(code),
                      static_cast<const char*>(SystemText(code)));
        message.Format(kNoPermitCopy, static_cast<const char*>(detail));
        return fail(message);
    }

    // A copy from a CD keeps the read-only attribute, which would stop the next run's copy.
    const DWORD attributes = GetFileAttributesA(to);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(to, attributes & ~FILE_ATTRIBUTE_READONLY);
    return true;
}

bool CSetupApp::RegisterSourceDir(const CString& sourceDir) {
    // Creating the key and setting a value need no more than read and write access.
    ScopedRegKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, kProductKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return false;
    ScopedRegKey writable;
    if (writable.Open(key.Get(), "", KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return false;
    return RegSetValueExA(writable.Get(), kSourceDirValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(sourceDir.GetString()),
                          static_cast<DWORD>(sourceDir.GetLength() + 1)) == ERROR_SUCCESS;
}

bool CSetupApp::IsSourceDirRegistered() {
    CString sourceDir;
    // Only a text counts, read within the bytes returned: a number or binary data names no folder.
    return ReadRegString(HKEY_LOCAL_MACHINE, kProductKey, kSourceDirValue, sourceDir) && !sourceDir.IsEmpty();
}

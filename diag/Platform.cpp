#include "diag/Platform.h"

#include <windows.h>

#include "app/SetupApp.h"
#include "diag/SystemText.h"

int ClassifyPlatform(bool wow64FunctionFound, bool wow64, unsigned long platformId, unsigned long major,
                     unsigned long minor) {
    if (wow64FunctionFound && wow64) return kPlatformWin64;
    if (platformId == VER_PLATFORM_WIN32_WINDOWS && major == 4) {
        if (minor == 0) return kPlatformWin95;
        if (minor == 10) return kPlatformWin98;
        if (minor == 90) return kPlatformWinMe;
    }
    if (platformId == VER_PLATFORM_WIN32_NT) {
        if (major == 3 && minor == 51) return kPlatformWinNt351;
        if (major == 4 && minor == 0) return kPlatformWinNt4;
        if (major == 5 && minor == 0) return kPlatformWin2000;
        if (major == 5 && minor == 1) return kPlatformWinXp;
        if (major == 5 && minor == 2) return kPlatformWin2003;
        if (major == 6) return kPlatformWinLh;
    }
    return kPlatformUnknown;
}

CString OsVersionName(int code) {
    static const char* const kNames[] = {"Unknown", "WIN95",   "WIN98", "WINME", "WINNT351", "WINNT4",
                                         "WIN2000", "WINXP",   "WIN2003", "WINCE", "WINLH",  "WIN64BIT"};
    if (code < 1 || code > 11) return kNames[0];
    return kNames[code];
}

int CSetupApp::DetectOsVersion() {
    typedef BOOL(WINAPI * IsWow64ProcessFn)(HANDLE, PBOOL);
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "IsWow64Process")));

    BOOL wow64 = FALSE;
    if (isWow64Process && !isWow64Process(GetCurrentProcess(), &wow64)) {
        WriteLog("fnIsWow64Process failed " + FormatLastError());
        wow64 = FALSE;
    }

    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // A failed version query leaves the record zero: platform 0, "Unknown" unless WOW64 says 64-bit.
    if (!GetVersionExA(&version)) version = OSVERSIONINFOA{};
#pragma GCC diagnostic pop
    const int code = ClassifyPlatform(isWow64Process != nullptr, wow64 != FALSE, version.dwPlatformId,
                                      version.dwMajorVersion, version.dwMinorVersion);

    CString line;
    line.Format("fnIsWow64Process %d bIs64BitOS %d OS_VERSION %s", isWow64Process ? 1 : 0, wow64 ? 1 : 0,
                static_cast<const char*>(OsVersionName(code)));
    WriteLog(line);
    return code;
}

#include <windows.h>

#include "afx/Scoped.h"
#include "app/SetupApp.h"

CString CSetupApp::GetFrameworkInstallRoot() {
    CString root;
    // Reading the root needs read access only; a user without write access still gets it.
    ScopedRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework", KEY_READ) == ERROR_SUCCESS) {
        char data[MAX_PATH];
        DWORD type = 0;
        DWORD size = sizeof data;
        if (RegQueryValueExA(key.Get(), "InstallRoot", nullptr, &type, reinterpret_cast<BYTE*>(data), &size) ==
                ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0 && data[size - 1] == '\0')
            root = data;
    }
    WriteLog("Detected Framework path: " + root);
    return root;
}

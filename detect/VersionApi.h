#pragma once
#include <windows.h>

// The version-resource functions, taken at run time from version.dll in the system folder only, so a
// version.dll planted beside the program is never loaded. Null members when the DLL cannot be loaded.
struct VersionApi {
    DWORD(WINAPI* GetFileVersionInfoSizeA)(LPCSTR, LPDWORD);
    BOOL(WINAPI* GetFileVersionInfoA)(LPCSTR, DWORD, DWORD, LPVOID);
    BOOL(WINAPI* VerQueryValueA)(LPCVOID, LPCSTR, LPVOID*, PUINT);

    bool IsLoaded() const { return GetFileVersionInfoSizeA && GetFileVersionInfoA && VerQueryValueA; }
};

const VersionApi& TheVersionApi();

// Loads a DLL of the system folder by its full path.
HMODULE LoadSystemLibrary(const char* name);

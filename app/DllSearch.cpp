#include "app/DllSearch.h"

#include <windows.h>

void RestrictDllSearchToSystemFolder() {
    typedef BOOL(WINAPI * SetDefaultDllDirectoriesFn)(DWORD);
    const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "SetDefaultDllDirectories")));
    // Older systems lack the call; taking the current folder out of the search is what they offer.
    if (!setDefaultDllDirectories || !setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryA("");
}

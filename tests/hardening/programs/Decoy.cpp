// Planted beside a program under the name of a system DLL. Loading it leaves "<its name>.loaded"
// beside it; its version functions answer that there is no version resource, so a greeting read
// through it would lose its version line.
#include <windows.h>

#include <cstring>

namespace {

void LeaveMarker(HINSTANCE self) {
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(self, path, MAX_PATH);
    const char suffix[] = ".loaded";
    if (length == 0 || length + sizeof suffix > MAX_PATH) return;
    std::memcpy(path + length, suffix, sizeof suffix);
    HANDLE marker = ::CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
    if (marker != INVALID_HANDLE_VALUE) ::CloseHandle(marker);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) LeaveMarker(self);
    return TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR, LPDWORD handle) {
    if (handle) *handle = 0;
    ::SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return 0;
}

extern "C" __declspec(dllexport) BOOL WINAPI GetFileVersionInfoA(LPCSTR, DWORD, DWORD, LPVOID) {
    ::SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
}

extern "C" __declspec(dllexport) BOOL WINAPI VerQueryValueA(LPCVOID, LPCSTR, LPVOID* value, PUINT length) {
    if (value) *value = nullptr;
    if (length) *length = 0;
    return FALSE;
}

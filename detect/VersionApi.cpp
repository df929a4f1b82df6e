#include "detect/VersionApi.h"

#include <cstring>

HMODULE LoadSystemLibrary(const char* name) {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + 1 + strlen(name) >= MAX_PATH) return nullptr;
    strcat(path, "\\");
    strcat(path, name);
    return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

namespace {
template <typename Function>
void Resolve(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

VersionApi Load() {
    VersionApi api = {};
    if (HMODULE module = LoadSystemLibrary("version.dll")) {
        Resolve(module, "GetFileVersionInfoSizeA", api.GetFileVersionInfoSizeA);
        Resolve(module, "GetFileVersionInfoA", api.GetFileVersionInfoA);
        Resolve(module, "VerQueryValueA", api.VerQueryValueA);
    }
    return api;
}
}  // namespace

const VersionApi& TheVersionApi() {
    static const VersionApi api = Load();
    return api;
}

#include "OwnVersion.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {
std::string OwnPath() {
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}
}  // namespace

std::string OwnVersionString(const char* entry) {
    const std::string path = OwnPath();
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> block(size);
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return {};
    void* translation = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &translation, &length) || length < 4) return {};
    const WORD* ids = static_cast<const WORD*>(translation);
    char sub[128];
    std::snprintf(sub, sizeof sub, "\\StringFileInfo\\%04x%04x\\%s", ids[0], ids[1], entry);
    void* value = nullptr;
    if (!::VerQueryValueA(block.data(), sub, &value, &length) || !value) return {};
    return static_cast<const char*>(value);
}

std::string OwnProgramTitle() {
    std::string name = OwnPath();
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}

#include "demo/common/Registry.h"

#include <vector>

#include "afx/Scoped.h"

bool WriteRegString(HKEY root, const char* subKey, const char* name, const std::string& value) {
    ScopedRegKey key;
    if (key.Create(root, subKey, KEY_WRITE) != ERROR_SUCCESS) return false;
    return RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool ReadRegString(HKEY root, const char* subKey, const char* name, std::string& value) {
    ScopedRegKey key;
    if (key.Open(root, subKey, KEY_READ) != ERROR_SUCCESS) return false;
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key.Get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    value = data.data();
    return true;
}

#include "RegistrySetup.h"

#include <stdexcept>

#include "afx/Scoped.h"
#include "support/Error.h"

void ClaimAbsentKey(testsupport::RegKeyCleanup& cleanup, HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        throw std::runtime_error("the registry already holds " + subKey +
                                 " (left by an earlier run?); the test would overwrite and remove it");
    }
    cleanup.Add(root, subKey);
}

void SetExactRegValue(HKEY root, const std::string& subKey, const std::string& name, DWORD type,
                      const std::string& bytes) {
    ScopedRegKey key;
    LONG status = key.Create(root, subKey.c_str(), KEY_SET_VALUE);
    if (status != ERROR_SUCCESS) testsupport::ThrowWin32Error("creating the registry key " + subKey, status);
    const std::string guarded = bytes + 'X';
    status = RegSetValueExA(key.Get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(guarded.data()),
                            static_cast<DWORD>(bytes.size()));
    if (status != ERROR_SUCCESS) testsupport::ThrowWin32Error("setting the registry value " + name, status);
}

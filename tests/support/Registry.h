#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// Deletes the registered key trees when the test ends, so one test's registry state never leaks
// into the next (all tests share one prefix).
class RegKeyCleanup {
public:
    RegKeyCleanup() = default;
    RegKeyCleanup(std::initializer_list<std::pair<HKEY, std::string>> keys);
    ~RegKeyCleanup();
    RegKeyCleanup(const RegKeyCleanup&) = delete;
    RegKeyCleanup& operator=(const RegKeyCleanup&) = delete;

    void Add(HKEY root, const std::string& subKey);

private:
    std::vector<std::pair<HKEY, std::string>> m_keys;
};

// Deletes a key with everything below it; a missing key is fine.
void DeleteRegTree(HKEY root, const std::string& subKey);

// Create the key when needed and set one value; throw on failure.
void SetRegValue(HKEY root, const std::string& subKey, const std::string& name, DWORD type, const std::string& bytes);
void SetRegString(HKEY root, const std::string& subKey, const std::string& name, const std::string& value);
void SetRegDword(HKEY root, const std::string& subKey, const std::string& name, DWORD value);

// A REG_SZ or REG_EXPAND_SZ value as stored (not expanded); nothing when the key or value is missing.
std::optional<std::string> ReadRegString(HKEY root, const std::string& subKey, const std::string& name);
std::optional<DWORD> ReadRegDword(HKEY root, const std::string& subKey, const std::string& name);

} // namespace testsupport

#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace apptest {

// Sets one registry string value for the holder's lifetime and then puts back what was there
// before: the old value, or no value, and no key that the override had to create.
class RegValueOverride {
public:
    RegValueOverride(HKEY root, const std::string& subKey, const std::string& name, const std::string& value);
    ~RegValueOverride();
    RegValueOverride(const RegValueOverride&) = delete;
    RegValueOverride& operator=(const RegValueOverride&) = delete;

private:
    HKEY m_root;
    std::string m_subKey;
    std::string m_name;
    std::optional<std::pair<DWORD, std::string>> m_previous;
    std::string m_createdKey;  // the outermost key that did not exist before; empty when none
};

}  // namespace apptest

#include "RegValueOverride.h"

#include <gtest/gtest.h>

#include "support/Registry.h"

namespace apptest {
namespace {

bool KeyExists(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::string OutermostMissingKey(HKEY root, const std::string& subKey) {
    for (size_t end = subKey.find('\\');; end = subKey.find('\\', end + 1)) {
        const std::string prefix = subKey.substr(0, end);
        if (!KeyExists(root, prefix)) return prefix;
        if (end == std::string::npos) return {};
    }
}

std::optional<std::pair<DWORD, std::string>> ReadRaw(HKEY root, const std::string& subKey, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    DWORD type = 0;
    DWORD size = 0;
    std::optional<std::pair<DWORD, std::string>> value;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string bytes(size, '\0');
        if (RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) ==
            ERROR_SUCCESS)
            value = std::make_pair(type, bytes.substr(0, size));
    }
    RegCloseKey(key);
    return value;
}

}  // namespace

RegValueOverride::RegValueOverride(HKEY root, const std::string& subKey, const std::string& name,
                                   const std::string& value)
    : m_root(root), m_subKey(subKey), m_name(name), m_previous(ReadRaw(root, subKey, name)),
      m_createdKey(OutermostMissingKey(root, subKey)) {
    testsupport::SetRegString(root, subKey, name, value);
}

RegValueOverride::~RegValueOverride() {
    if (!m_createdKey.empty()) {
        RegDeleteTreeA(m_root, m_createdKey.c_str());
    } else if (m_previous) {
        try {
            testsupport::SetRegValue(m_root, m_subKey, m_name, m_previous->first, m_previous->second);
        } catch (const std::exception& error) {
            ADD_FAILURE() << "could not put back " << m_subKey << "\\" << m_name << ": " << error.what();
        }
    } else {
        HKEY key = nullptr;
        if (RegOpenKeyExA(m_root, m_subKey.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
        RegDeleteValueA(key, m_name.c_str());
        RegCloseKey(key);
    }
}

}  // namespace apptest

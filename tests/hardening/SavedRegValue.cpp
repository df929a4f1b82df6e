#include "SavedRegValue.h"

#include <vector>

#include "support/Error.h"
#include "support/Registry.h"

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

bool KeyExists(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

std::string FirstMissingKey(HKEY root, const std::string& subKey) {
    for (size_t end = subKey.find('\\');; end = subKey.find('\\', end + 1)) {
        const std::string prefix = subKey.substr(0, end);
        if (!KeyExists(root, prefix)) return prefix;
        if (end == std::string::npos) return {};
    }
}

} // namespace

SavedRegValue::SavedRegValue(HKEY root, const std::string& subKey, const std::string& name)
    : m_root(root), m_subKey(subKey), m_name(name), m_firstMissingKey(FirstMissingKey(root, subKey)) {
    if (!m_firstMissingKey.empty()) return;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        testsupport::ThrowWin32Error("opening " + subKey);
    // The wide call hands back the bytes exactly as stored, whatever the type.
    const std::wstring wideName = Wide(name);
    DWORD type = REG_NONE;
    DWORD size = 0;
    LONG status = ::RegQueryValueExW(key, wideName.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        std::vector<BYTE> data(size + 1);
        status = ::RegQueryValueExW(key, wideName.c_str(), nullptr, &type, data.data(), &size);
        if (status == ERROR_SUCCESS) m_saved = Stored{type, std::string(data.begin(), data.begin() + size)};
    }
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        testsupport::ThrowWin32Error("saving " + subKey + "\\" + name, static_cast<DWORD>(status));
}

SavedRegValue::~SavedRegValue() {
    if (!m_firstMissingKey.empty()) {
        testsupport::DeleteRegTree(m_root, m_firstMissingKey);
        return;
    }
    HKEY key = nullptr;
    if (::RegOpenKeyExA(m_root, m_subKey.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    const std::wstring wideName = Wide(m_name);
    if (m_saved)
        ::RegSetValueExW(key, wideName.c_str(), 0, m_saved->type, reinterpret_cast<const BYTE*>(m_saved->bytes.data()),
                         static_cast<DWORD>(m_saved->bytes.size()));
    else
        ::RegDeleteValueW(key, wideName.c_str());
    ::RegCloseKey(key);
}

void SavedRegValue::Set(DWORD type, const std::string& bytes) const {
    HKEY key = nullptr;
    LONG status = ::RegCreateKeyExA(m_root, m_subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                    nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) testsupport::ThrowWin32Error("creating " + m_subKey, static_cast<DWORD>(status));
    // The registry stores a text whose NUL was left out with the NUL when the byte after it is one,
    // so a non-NUL byte follows what is to be stored.
    const std::string guarded = bytes + '\x01';
    status = ::RegSetValueExA(key, m_name.c_str(), 0, type, reinterpret_cast<const BYTE*>(guarded.data()),
                              static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        testsupport::ThrowWin32Error("setting " + m_subKey + "\\" + m_name, static_cast<DWORD>(status));
}

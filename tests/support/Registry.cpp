#include "support/Registry.h"

#include "support/Error.h"

namespace testsupport {
namespace {

class Key {
public:
    Key() = default;
    ~Key() {
        if (m_key) ::RegCloseKey(m_key);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* Receive() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

// The value's type and bytes; nothing when the key or the value does not exist.
std::optional<std::pair<DWORD, std::string>> QueryValue(HKEY root, const std::string& subKey,
                                                        const std::string& name) {
    Key key;
    if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS) return {};
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    std::string bytes(size, '\0');
    const LONG status = ::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(bytes.data()), &size);
    if (status != ERROR_SUCCESS) ThrowWin32Error("reading the registry value " + subKey + "\\" + name, status);
    bytes.resize(size);
    return std::make_pair(type, bytes);
}

} // namespace

RegKeyCleanup::RegKeyCleanup(std::initializer_list<std::pair<HKEY, std::string>> keys) : m_keys(keys) {}

RegKeyCleanup::~RegKeyCleanup() {
    for (const auto& [root, subKey] : m_keys) ::RegDeleteTreeA(root, subKey.c_str());
}

void RegKeyCleanup::Add(HKEY root, const std::string& subKey) { m_keys.emplace_back(root, subKey); }

void DeleteRegTree(HKEY root, const std::string& subKey) {
    const LONG status = ::RegDeleteTreeA(root, subKey.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        ThrowWin32Error("deleting the registry key " + subKey, status);
}

void SetRegValue(HKEY root, const std::string& subKey, const std::string& name, DWORD type, const std::string& bytes) {
    Key key;
    LONG status = ::RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                                    key.Receive(), nullptr);
    if (status != ERROR_SUCCESS) ThrowWin32Error("creating the registry key " + subKey, status);
    // The registry stores a NUL of its own after a text whose next byte in memory is NUL, as it is in
    // every std::string: a non-NUL byte there keeps the value exactly the bytes given.
    const std::string guarded = bytes + '!';
    status = ::RegSetValueExA(key.Get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(guarded.data()),
                              static_cast<DWORD>(bytes.size()));
    if (status != ERROR_SUCCESS) ThrowWin32Error("setting the registry value " + subKey + "\\" + name, status);
}

void SetRegString(HKEY root, const std::string& subKey, const std::string& name, const std::string& value) {
    SetRegValue(root, subKey, name, REG_SZ, std::string(value.c_str(), value.size() + 1));
}

void SetRegDword(HKEY root, const std::string& subKey, const std::string& name, DWORD value) {
    SetRegValue(root, subKey, name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value));
}

std::optional<std::string> ReadRegString(HKEY root, const std::string& subKey, const std::string& name) {
    const auto value = QueryValue(root, subKey, name);
    if (!value || (value->first != REG_SZ && value->first != REG_EXPAND_SZ)) return {};
    std::string text = value->second;
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::optional<DWORD> ReadRegDword(HKEY root, const std::string& subKey, const std::string& name) {
    const auto value = QueryValue(root, subKey, name);
    if (!value || value->first != REG_DWORD || value->second.size() != sizeof(DWORD)) return {};
    DWORD number = 0;
    value->second.copy(reinterpret_cast<char*>(&number), sizeof number);
    return number;
}

} // namespace testsupport

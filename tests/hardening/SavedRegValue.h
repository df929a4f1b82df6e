#pragma once
#include <windows.h>

#include <optional>
#include <string>

// Remembers one registry value as it is (type and bytes, or its absence, and which keys of its path
// are missing) and puts it back when it goes: the tests change values of the shared prefix that
// other programs read, such as the Common Files folder.
class SavedRegValue {
public:
    // An empty name is the key's default value.
    SavedRegValue(HKEY root, const std::string& subKey, const std::string& name);
    ~SavedRegValue();
    SavedRegValue(const SavedRegValue&) = delete;
    SavedRegValue& operator=(const SavedRegValue&) = delete;

    // Stores the value as raw bytes of the given type, creating the key when needed.
    void Set(DWORD type, const std::string& bytes) const;

private:
    struct Stored {
        DWORD type;
        std::string bytes;
    };

    HKEY m_root;
    std::string m_subKey;
    std::string m_name;
    // The outermost key of the path that did not exist; removed with everything below it.
    std::string m_firstMissingKey;
    std::optional<Stored> m_saved;
};

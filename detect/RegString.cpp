#include "detect/RegString.h"

#include <cstring>

#include "afx/Scoped.h"

namespace {
bool QueryText(HKEY key, const char* valueName, CString& text) {
    BYTE data[MAX_PATH];
    DWORD size = sizeof data;
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key, valueName, nullptr, &type, data, &size) != ERROR_SUCCESS) return false;
    // A number or binary data read as text would pass for a version or a path.
    if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) return false;
    const char* chars = reinterpret_cast<const char*>(data);
    text = CString(chars, static_cast<int>(strnlen(chars, size)));
    return true;
}
}  // namespace

CString GetRegString(HKEY key, const char* valueName) {
    CString text;
    QueryText(key, valueName, text);
    return text;
}

bool ReadRegString(HKEY root, const char* subKey, const char* valueName, CString& text) {
    ScopedRegKey key;
    if (key.Open(root, subKey, KEY_READ) != ERROR_SUCCESS) return false;
    CString value;
    if (!QueryText(key.Get(), valueName, value)) return false;
    text = value;
    return true;
}

#include "diag/SystemText.h"

#include <cstdio>

#include "afx/Scoped.h"

CString SystemText(DWORD code) {
    ScopedLocalFree text;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(text.Receive()), 0, nullptr);
    if (length == 0 || !text.Get()) return "No description is available for this error.\r\n";
    return CString(text.Get(), static_cast<int>(length));
}

CString ErrorText(DWORD code, const CString& text) {
    char buffer[256];
    snprintf(buffer, sizeof buffer, "Error %d: %s", static_cast<int>(code), static_cast<const char*>(text));
    return buffer;
}

CString FormatLastError() {
    const DWORD code = GetLastError();
    return ErrorText(code, SystemText(code));
}

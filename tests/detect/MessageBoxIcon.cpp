#include "MessageBoxIcon.h"

bool ShowsStandardIcon(HWND box, LPCSTR iconId) {
    const HICON expected = LoadIconA(nullptr, iconId);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16];
        if (!GetClassNameW(child, className, 16) || lstrcmpiW(className, L"Static") != 0) continue;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON || !IsWindowVisible(child)) continue;
        if (reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == expected) return true;
    }
    return false;
}

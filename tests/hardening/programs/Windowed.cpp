// Creates and destroys one window, with the DLL search left as Windows sets it up: the DLLs that
// showing a window loads come from wherever that search finds them.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HWND window = ::CreateWindowA("BUTTON", "windowed", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;
    ::DestroyWindow(window);
    return 0;
}

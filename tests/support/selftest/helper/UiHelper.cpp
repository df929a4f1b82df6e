// Shows windows for the UI driver to drive from another process; its exit code is what the driver
// answered.
//   UiHelper box <caption> <text>  a Yes/No question box; exits with the button pressed
//   UiHelper dialog                a dialog with a list box; Close asks first, exits with IDCANCEL
#include "UiHelperIds.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

// ANSI lines, one outside ASCII (code page 1252), as the setup's own texts are.
const char* const kLines[] = {"alpha", "Gr\xFC\xDF" "e", "third line"};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        for (const char* line : kLines)
            ::SendDlgItemMessageA(dialog, HELPER_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL &&
            ::MessageBoxA(dialog, HELPER_CONFIRM_TEXT, HELPER_CAPTION, MB_YESNO | MB_ICONQUESTION) == IDYES)
            ::EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc == 4 && std::strcmp(__argv[1], "box") == 0)
        return ::MessageBoxA(nullptr, __argv[3], __argv[2], MB_YESNO | MB_ICONQUESTION);
    if (__argc == 2 && std::strcmp(__argv[1], "dialog") == 0)
        return static_cast<int>(::DialogBoxParamA(instance, MAKEINTRESOURCEA(HELPER_DIALOG), nullptr, DialogProc, 0));
    return 255;
}

#pragma once
#include <windows.h>

// True when the message box (of this process) shows the system's standard icon, e.g. IDI_ERROR.
bool ShowsStandardIcon(HWND box, LPCSTR iconId);

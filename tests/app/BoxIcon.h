#pragma once
#include <windows.h>

#include <string>

namespace apptest {

// Which standard icon a message box shows: "error", "question", "warning", "information", "none"
// (no icon), or "unrecognised". The box may belong to another process, whose icon handles mean
// nothing here, so the icon is told by its picture on the screen, compared with each standard icon
// drawn on the same background.
std::string StandardIconOf(HWND box);

}  // namespace apptest

#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "support/UiDriver.h"

// The transcript the scripted user prints: every window it saw, as a person would describe it.

// "Window: <caption> (<what>)", then its text, list lines and buttons, each on its own lines.
void ReportWindow(const testsupport::UiDriver& ui, HWND window, const std::string& what, int textId,
                  const std::vector<std::string>& listLines = {});

// A labelled entry below the window; a text of several lines is indented under the label.
void ReportEntry(const std::string& label, const std::string& text);

// A button's text as a person reads it, without the mnemonic '&'.
std::string ButtonName(const testsupport::UiDriver& ui, HWND window, int id);

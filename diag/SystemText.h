#pragma once
#include <windows.h>

#include "afx/AfxString.h"

// The system's message text for an error code, usually ending in CR LF. Insert markers stay as they
// are; a code without a text gets a short readable text of our own.
CString SystemText(DWORD code);

// "Error %d: %s" with the calling thread's last-error code and its system text, at most 255
// characters. Call it right after the failing call.
CString FormatLastError();

#pragma once
#include <windows.h>

#include "afx/AfxString.h"

// The system's message text for an error code, usually ending in CR LF. Insert markers stay as they
// are; a code without a text gets a short readable text of our own.
CString SystemText(DWORD code);

// "Error %d: %s" with the code as a signed number and the text, cut to at most 255 characters.
CString ErrorText(DWORD code, const CString& text);

// ErrorText of the calling thread's last-error code and its system text. Call it right after the
// failing call.
CString FormatLastError();

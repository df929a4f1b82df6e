#pragma once
#include <windows.h>

#include "afx/AfxString.h"

// A text value of an open key: the data up to its first NUL, within the bytes read into a buffer of
// 260 bytes. Empty when the value is missing, unreadable, longer than the buffer or not text.
CString GetRegString(HKEY key, const char* valueName);

// Opens root\subKey for reading, reads the value as GetRegString does and closes the key again.
// False when the key does not open or the value cannot be read.
bool ReadRegString(HKEY root, const char* subKey, const char* valueName, CString& text);

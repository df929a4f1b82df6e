#pragma once
#include "afx/AfxString.h"

// The path in double quotes when it contains a blank, else unchanged (tabs do not count).
CString QuotePath(const CString& path);

// The command line of a program with its arguments: the program first, in double quotes when it
// contains a blank and is not quoted already (so Windows cannot take "C:\Program" for the program),
// then, when there are arguments, one blank and the arguments.
CString BuildCommandLine(const CString& program, const CString& arguments);

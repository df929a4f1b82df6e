#pragma once
#include <string>

// An entry of the running test program's own version resource, in its first translation; empty
// when the program or the entry has none.
std::string OwnVersionString(const char* entry);

// The running program's file name without folder and extension: the application title.
std::string OwnProgramTitle();

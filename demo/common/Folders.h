#pragma once
#include <string>

// Empty when Windows cannot tell.
std::string ProgramFilesFolder();
std::string WindowsFolder();

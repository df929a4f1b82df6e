#pragma once
#include <windows.h>

#include <string>

// Creates the key and its missing parents. A null name stands for the key's default value.
bool WriteRegString(HKEY root, const char* subKey, const char* name, const std::string& value);

// Accepts REG_SZ and REG_EXPAND_SZ, the latter unexpanded.
bool ReadRegString(HKEY root, const char* subKey, const char* name, std::string& value);

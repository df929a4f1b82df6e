#pragma once
#include <windows.h>

#include <string>

#include "support/Registry.h"

// Registers a key tree that the test is about to create for removal when the test ends. Refuses
// (throws) when the tree is already there: its removal would destroy what the prefix had.
void ClaimAbsentKey(testsupport::RegKeyCleanup& cleanup, HKEY root, const std::string& subKey);

// Sets a value to exactly these bytes. The registry adds a NUL to a string value whose data is
// followed by one in memory (as with every std::string), so the bytes are passed with a non-NUL
// byte after them: a value without its NUL is stored as such.
void SetExactRegValue(HKEY root, const std::string& subKey, const std::string& name, DWORD type,
                      const std::string& bytes);

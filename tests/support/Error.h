#pragma once
#include <windows.h>

#include <string>

namespace testsupport {

// Support functions report failures by throwing: GoogleTest turns the exception into a failed test
// that names the call and the Windows error, instead of letting the test run on from a bad state.
[[noreturn]] void ThrowWin32Error(const std::string& what, DWORD error = ::GetLastError());

} // namespace testsupport

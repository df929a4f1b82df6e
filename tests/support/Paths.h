#pragma once
#include <string>

namespace testsupport {

// "/a/b" -> "Z:\a\b", the drive Wine maps the Linux root to; a path that is already a Windows
// path comes back unchanged.
std::string WinPath(const std::string& unixPath);

// The build tree and the source tree as Windows paths, from ZARVEL_BIN_DIR and ZARVEL_SOURCE_DIR
// (Linux paths, set by CTest).
std::string BinDir();
std::string SourceDir();

// Joins a folder and a relative name with one backslash.
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace testsupport

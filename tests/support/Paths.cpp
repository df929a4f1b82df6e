#include "support/Paths.h"

#include <windows.h>

#include <stdexcept>

namespace testsupport {
namespace {

std::string RequiredEnv(const char* name) {
    char buffer[MAX_PATH * 4];
    const DWORD length = ::GetEnvironmentVariableA(name, buffer, sizeof buffer);
    if (length == 0 || length >= sizeof buffer)
        throw std::runtime_error(std::string(name) + " is not set; run the test through CTest or wine-run");
    return std::string(buffer, length);
}

} // namespace

std::string WinPath(const std::string& unixPath) {
    if (unixPath.empty() || unixPath[0] != '/') return unixPath;
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string BinDir() { return WinPath(RequiredEnv("ZARVEL_BIN_DIR")); }

std::string SourceDir() { return WinPath(RequiredEnv("ZARVEL_SOURCE_DIR")); }

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '\\' || folder.back() == '/') return folder + name;
    return folder + "\\" + name;
}

} // namespace testsupport

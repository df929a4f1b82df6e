// Demo product installation program (Install.exe in the shared folder's Utility subfolder).
// Appends one line per run to InstallRan.txt in the shared folder, so a run shows that it ran.
#include <windows.h>

#include <cstdio>
#include <string>

#include "demo/common/File.h"

namespace {

// The shared folder: the parent of the folder this program runs from.
std::string SharedFolder() {
    char module[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string path = module;
    // Wine names a program started from a share "UNC\server\share\..." instead of "\\server\share\...".
    if (path.compare(0, 4, "UNC\\") == 0) path.replace(0, 3, "\\");
    for (int level = 0; level < 2; ++level) {
        const std::string::size_type separator = path.find_last_of('\\');
        if (separator == std::string::npos) return std::string();
        path.erase(separator);
    }
    return path;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string folder = SharedFolder();
    if (folder.empty()) return ERROR_INSTALL_FAILURE;
    SYSTEMTIME now;
    GetLocalTime(&now);
    char line[64];
    const int size = std::snprintf(line, sizeof line, "%04u-%02u-%02u %02u:%02u:%02u Install.exe ran\r\n",
                                   now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
    return WriteFileBytes(folder + "\\InstallRan.txt", line, static_cast<std::size_t>(size), WriteMode::Append)
               ? 0
               : ERROR_INSTALL_FAILURE;
}

#include "demo/common/Folders.h"

#include <windows.h>
#include <shlobj.h>

std::string ProgramFilesFolder() {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, path))) return std::string();
    return path;
}

std::string WindowsFolder() {
    char path[MAX_PATH] = "";
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path) : std::string();
}

#include "support/Files.h"

#include "support/Error.h"
#include "support/Handle.h"
#include "support/Paths.h"

#include <windows.h>
#include <shlobj.h>

namespace testsupport {
namespace {

std::string ParentOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

std::string ReadFileBytes(const std::string& path) {
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) ThrowWin32Error("opening " + path);
    std::string bytes;
    char buffer[64 * 1024];
    DWORD got = 0;
    while (::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    const std::string parent = ParentOf(path);
    if (!parent.empty()) CreateFolders(parent);
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file.IsValid()) ThrowWin32Error("creating " + path);
    DWORD written = 0;
    if (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        ThrowWin32Error("writing " + path);
}

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CreateFolders(const std::string& path) {
    if (path.empty() || FolderExists(path)) return;
    const std::string parent = ParentOf(path);
    // Stops at the drive ("C:"), which cannot be created.
    if (!parent.empty() && parent.back() != ':') CreateFolders(parent);
    if (!::CreateDirectoryA(path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        ThrowWin32Error("creating the folder " + path);
}

void RemoveTree(const std::string& path) {
    if (!FolderExists(path)) return;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA(JoinPath(path, "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = JoinPath(path, name);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(find, &found));
        ::FindClose(find);
    }
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryA(path.c_str());
}

std::string CommonAppDataLog() {
    char folder[MAX_PATH];
    const HRESULT result = ::SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    if (FAILED(result)) ThrowWin32Error("SHGetFolderPath(CSIDL_COMMON_APPDATA)", static_cast<DWORD>(result));
    return JoinPath(folder, "ZarvelInstall.log");
}

void RemoveLog() {
    const std::string log = CommonAppDataLog();
    if (!::DeleteFileA(log.c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND) ThrowWin32Error("deleting " + log);
}

} // namespace testsupport

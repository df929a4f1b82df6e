#include "LongPath.h"

#include <windows.h>

#include "support/Error.h"
#include "support/Handle.h"

namespace {

// The paths here are ASCII, so widening is a plain copy.
std::wstring Extended(const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); }

void RemoveTreeW(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTreeW(child);
            } else {
                ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(child.c_str());
            }
        } while (::FindNextFileW(find, &found));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(folder.c_str());
}

} // namespace

void CreateLongPathFolders(const std::string& path) {
    for (size_t end = path.find('\\', 3);; end = path.find('\\', end + 1)) {
        const std::wstring folder = Extended(path.substr(0, end));
        if (!::CreateDirectoryW(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
            testsupport::ThrowWin32Error("creating the folder " + path.substr(0, end));
        if (end == std::string::npos) return;
    }
}

void WriteLongPathFile(const std::string& path, const std::string& bytes) {
    testsupport::UniqueHandle file(::CreateFileW(Extended(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.IsValid() || !::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        testsupport::ThrowWin32Error("writing " + path);
}

std::string ReadLongPathFile(const std::string& path) {
    testsupport::UniqueHandle file(::CreateFileW(Extended(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) testsupport::ThrowWin32Error("opening " + path);
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

LongPathTree::~LongPathTree() { RemoveTreeW(Extended(m_path)); }

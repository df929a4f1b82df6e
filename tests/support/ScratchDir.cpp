#include "support/ScratchDir.h"

#include "support/Error.h"
#include "support/Files.h"
#include "support/Paths.h"

#include <windows.h>

#include <atomic>

namespace testsupport {

ScratchDir::ScratchDir() {
    static std::atomic<unsigned> counter{0};
    char temp[MAX_PATH];
    const DWORD length = ::GetTempPathA(sizeof temp, temp);
    if (length == 0 || length >= sizeof temp) ThrowWin32Error("GetTempPath");
    // Process id and tick count keep folders apart across runs whose cleanup never happened.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = JoinPath(temp, "zarvel-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
                                                    std::to_string(::GetTickCount()) + "-" +
                                                    std::to_string(counter++));
        if (::CreateDirectoryA(path.c_str(), nullptr)) {
            m_path = path;
            return;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS) ThrowWin32Error("creating the folder " + path);
    }
    ThrowWin32Error("creating a scratch folder under " + std::string(temp), ERROR_ALREADY_EXISTS);
}

ScratchDir::~ScratchDir() { RemoveTree(m_path); }

std::string ScratchDir::PathOf(const std::string& relName) const { return JoinPath(m_path, relName); }

std::string ScratchDir::Write(const std::string& relName, const std::string& bytes) const {
    const std::string path = PathOf(relName);
    WriteFileBytes(path, bytes);
    return path;
}

std::string ScratchDir::CopyIn(const std::string& source, const std::string& relName) const {
    const std::string path = PathOf(relName);
    const size_t slash = path.find_last_of('\\');
    CreateFolders(path.substr(0, slash));
    if (!::CopyFileA(source.c_str(), path.c_str(), FALSE)) ThrowWin32Error("copying " + source + " to " + path);
    return path;
}

std::string ScratchDir::MakeFolder(const std::string& relName) const {
    const std::string path = PathOf(relName);
    CreateFolders(path);
    return path;
}

} // namespace testsupport

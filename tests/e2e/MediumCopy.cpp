#include "MediumCopy.h"

#include <windows.h>

#include <stdexcept>
#include <utility>

#include "support/Error.h"
#include "support/Files.h"
#include "support/Paths.h"

using testsupport::JoinPath;

namespace {

// The entries of one folder, read with FindFirstFile/FindNextFile; the search is closed with it.
class Listing {
public:
    explicit Listing(const std::string& folder) : m_find(::FindFirstFileA(JoinPath(folder, "*").c_str(), &m_entry)) {
        if (m_find == INVALID_HANDLE_VALUE) testsupport::ThrowWin32Error("listing " + folder);
    }
    ~Listing() { ::FindClose(m_find); }
    Listing(const Listing&) = delete;
    Listing& operator=(const Listing&) = delete;

    const WIN32_FIND_DATAA& Entry() const { return m_entry; }
    bool Next() { return ::FindNextFileA(m_find, &m_entry) != FALSE; }

private:
    WIN32_FIND_DATAA m_entry = {};
    HANDLE m_find;
};

void CopyTree(const std::string& from, const std::string& to) {
    testsupport::CreateFolders(to);
    Listing listing(from);
    do {
        const std::string name = listing.Entry().cFileName;
        if (name == "." || name == "..") continue;
        if (listing.Entry().dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(JoinPath(from, name), JoinPath(to, name));
        else if (!::CopyFileA(JoinPath(from, name).c_str(), JoinPath(to, name).c_str(), TRUE))
            testsupport::ThrowWin32Error("copying " + JoinPath(from, name));
    } while (listing.Next());
}

}  // namespace

std::string BuiltMedium() { return JoinPath(testsupport::BinDir(), "demo\\medium"); }

MediumCopy::MediumCopy(std::string folder) : m_path(std::move(folder)) {
    if (!testsupport::FileExists(JoinPath(BuiltMedium(), "setup.exe")))
        throw std::runtime_error("no demo medium at " + BuiltMedium() + "; build the target demo_medium");
    CopyTree(BuiltMedium(), m_path);
}

std::string MediumCopy::PathOf(const std::string& relName) const { return JoinPath(m_path, relName); }

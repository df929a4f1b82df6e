#pragma once
#include <string>

namespace testsupport {

// A fresh folder of its own under %TEMP% (inside the Wine prefix), removed with everything in it
// when the test ends.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return m_path; }
    // The full path of a name relative to the folder ("sub\file.txt").
    std::string PathOf(const std::string& relName) const;
    // Creates the file (and its parent folders) with these bytes; returns its full path.
    std::string Write(const std::string& relName, const std::string& bytes) const;
    // Copies an existing file in under the given relative name; returns its full path.
    std::string CopyIn(const std::string& source, const std::string& relName) const;
    // Creates a sub-folder (and its parents); returns its full path.
    std::string MakeFolder(const std::string& relName) const;

private:
    std::string m_path;
};

} // namespace testsupport

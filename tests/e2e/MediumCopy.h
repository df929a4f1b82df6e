#pragma once
#include <string>

// A copy of the demo installation medium that the build laid out (<build>\demo\medium), made for
// one test so that runs never share or spoil the built medium.
class MediumCopy {
public:
    // Copies the medium into folder (created; it must not exist yet).
    explicit MediumCopy(std::string folder);

    // The medium's folder: setup.exe's current directory, the source folder of its run.
    const std::string& Path() const { return m_path; }
    // The full path of a file below the medium ("Utility\\mdac_typ.exe").
    std::string PathOf(const std::string& relName) const;

private:
    std::string m_path;
};

// The medium the build laid out.
std::string BuiltMedium();

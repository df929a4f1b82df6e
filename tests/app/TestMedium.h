#pragma once
#include <string>

#include "support/ScratchDir.h"

namespace apptest {

// An installation medium in a scratch folder, laid out as the setup expects it: permit.cfg, the
// setup package, and the recorder under the name of every prerequisite installer.
class TestMedium {
public:
    // folderName: the medium's folder inside the scratch folder (it may contain blanks).
    explicit TestMedium(const std::string& folderName = "Medium");

    // The medium's folder: the setup's current directory and source folder.
    const std::string& Dir() const { return m_dir; }
    std::string PathOf(const std::string& relName) const;
    // The file in which the recorder stand-ins note their runs (outside the medium).
    std::string RecordFile() const { return m_scratch.PathOf("runs.txt"); }
    // The folder of the scratch space, for a test's own files beside the medium.
    const testsupport::ScratchDir& Scratch() const { return m_scratch; }

    static constexpr const char* kPackage = "Utility\\InstallSetup\\InstallSetup.msi";
    static constexpr const char* kPermitText = "permit of the test medium\r\n";

    void Remove(const std::string& relName) const;
    // Puts a program of the tests in place of a file of the medium.
    void Replace(const std::string& relName, const std::string& program) const;

private:
    testsupport::ScratchDir m_scratch;
    std::string m_dir;
};

// A program that deletes or empties the setup's record of its source folder (see the helper's own
// description), to stand in for an installer.
std::string SourceDirEraserExe();

}  // namespace apptest

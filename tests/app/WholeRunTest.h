#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LogEntries.h"
#include "SetupRun.h"
#include "TestMedium.h"

namespace apptest {

// A whole run of setup.exe starts from a machine without the install log, the shared folder, the
// product's registry record and the setup package, and leaves it so again.
class WholeRunTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The shared folder below the machine's usual Common Files folder.
    const std::string& SharedFolder() const { return m_sharedFolder; }
    static bool PackageInstalled();
    static std::vector<std::string> Log() { return ReadLogEntries(); }

private:
    static void Clean(const std::string& sharedFolder);
    std::string m_sharedFolder;
};

// What the setup records under HKLM\SOFTWARE\Trovek\ZarvelCdView "install.SourceDir", if anything.
std::string RegisteredSourceDir();
bool SourceDirRecordExists();

// The system's message text for an error code, as the setup gets it.
std::string SystemText(unsigned long code);

}  // namespace apptest

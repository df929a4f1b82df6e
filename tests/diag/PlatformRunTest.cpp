#include "support/Files.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/Registry.h"
#include "support/ScratchDir.h"
#include "support/UiDriver.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

using namespace testsupport;

namespace {

// Wine reports the Windows version set for a program under this key to that program only.
const char kSetupDefaults[] = "Software\\Wine\\AppDefaults\\setup.exe";

struct VersionCase {
    const char* wineVersion;
    const char* name;
};

std::ostream& operator<<(std::ostream& out, const VersionCase& c) { return out << c.wineVersion; }

const VersionCase kVersionCases[] = {
    {"winxp", "WINXP"}, {"win2k", "WIN2000"}, {"win2003", "WIN2003"},
    {"vista", "WINLH"}, {"win7", "WINLH"},    {"win10", "WINLH"},
};

class PlatformLineOfARun : public ::testing::TestWithParam<VersionCase> {
protected:
    void SetUp() override { RemoveLog(); }
    void TearDown() override { RemoveLog(); }

    RegKeyCleanup cleanup{{HKEY_CURRENT_USER, kSetupDefaults}};
};

TEST_P(PlatformLineOfARun, IsTheFirstEntryAndNamesTheReportedWindows) {
    SetRegString(HKEY_CURRENT_USER, kSetupDefaults, "Version", GetParam().wineVersion);

    ScratchDir medium;
    Child setup = Spawn("\"" + JoinPath(BinDir(), "setup.exe") + "\"", medium.Path());
    UiDriver ui(setup.Pid());
    ui.Press(ui.WaitForWindow("#32770", "Install Zarvel"), IDCANCEL);
    ui.Press(ui.WaitForMessageBox("setup"), IDYES);
    ASSERT_TRUE(setup.Wait()) << ui.Transcript();
    EXPECT_EQ(1602u, setup.ExitCode());

    const std::string log = ReadFileBytes(CommonAppDataLog());
    const std::string first = log.substr(0, log.find("\r\n") + 2);
    EXPECT_TRUE(std::regex_match(first, std::regex(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d: )"
                                                   "fnIsWow64Process 1 bIs64BitOS 0 OS_VERSION " +
                                                   std::string(GetParam().name) + "\r\n$")))
        << log;
}

INSTANTIATE_TEST_SUITE_P(WineVersions, PlatformLineOfARun, ::testing::ValuesIn(kVersionCases));

} // namespace

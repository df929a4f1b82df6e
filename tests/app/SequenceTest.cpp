#include <windows.h>

#include <gtest/gtest.h>

#include "InstalledProducts.h"
#include "Texts.h"
#include "WholeRunTest.h"
#include "support/Error.h"
#include "support/Files.h"

using namespace apptest;

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }
std::string QuotedIfBlank(const std::string& path) {
    return path.find(' ') == std::string::npos ? path : Quoted(path);
}

// Takes a system program away for the holder's lifetime, so that it cannot be found.
class MovedAside {
public:
    explicit MovedAside(std::string path) : m_path(std::move(path)), m_aside(m_path + ".aside") {
        // An interrupted earlier run may have left it aside.
        if (!testsupport::FileExists(m_path) && testsupport::FileExists(m_aside)) MoveFileA(m_aside.c_str(), m_path.c_str());
        if (!MoveFileA(m_path.c_str(), m_aside.c_str())) testsupport::ThrowWin32Error("moving aside " + m_path);
    }
    ~MovedAside() {
        if (!MoveFileA(m_aside.c_str(), m_path.c_str())) ADD_FAILURE() << "could not put back " << m_path;
    }
    MovedAside(const MovedAside&) = delete;
    MovedAside& operator=(const MovedAside&) = delete;

private:
    std::string m_path;
    std::string m_aside;
};

std::string SystemFolder() {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder, length);
}

class SetupSequence : public WholeRunTest, public ::testing::WithParamInterface<const char*> {};

// Nothing missing: no question, the package goes in, the product installation program runs from the
// shared folder, the package goes out again.
TEST_P(SetupSequence, RunsEveryStepInOrderWhenNothingIsMissing) {
    InstalledProducts products(kEveryProduct);
    TestMedium medium(GetParam());
    const std::string package = QuotedIfBlank(medium.PathOf(TestMedium::kPackage));
    const std::string installExe = SharedFolder() + "\\Utility\\Install.exe";

    const RunOutcome run = RunSetup(medium);

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_TRUE(run.missingList.empty());
    EXPECT_EQ(std::vector<std::string>{Ran("Install.exe", Quoted(installExe))}, run.story);

    const std::vector<std::string> log = Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(0u, log[0].rfind(kPlatformLinePrefix, 0)) << log[0];
    const std::vector<std::string> expected = {
        "",
        "",
        kStartBanner,
        "Setting install source dir to:" + medium.Dir(),
        "Setup installer in CommonProgramFiles",
        "Run installer: msiexec  /i " + package + " /qb",
        "Installer exit code: 0",
        "Detected common programs dir to: " + SharedFolder(),
        "Run installer: " + Quoted(installExe),
        "Installer exit code: 0",
        "Remove installer from CommonProgramFiles",
        "Run installer: msiexec  /x " + package + " /quiet",
        "Installer exit code: 0",
        kEndBanner,
    };
    EXPECT_EQ(expected, std::vector<std::string>(log.begin() + 1, log.end()));

    EXPECT_EQ(medium.Dir(), RegisteredSourceDir());
    EXPECT_EQ(TestMedium::kPermitText, testsupport::ReadFileBytes(SharedFolder() + "\\permit.cfg"));
    EXPECT_FALSE(testsupport::FileExists(installExe));
    EXPECT_FALSE(PackageInstalled());
}

INSTANTIATE_TEST_SUITE_P(SourceFolders, SetupSequence, ::testing::Values("Medium", "Zarvel Medium"),
                         [](const auto& info) { return std::string(info.index == 0 ? "Plain" : "WithBlank"); });

using SetupGate = WholeRunTest;

TEST_F(SetupGate, ConfirmedCancelEndsTheRunWith1602AndNothingAfterTheStartBanner) {
    TestMedium medium;
    RunScript script;
    script.cancelAtGate = true;
    script.answers = {{kCancelQuestion, IDYES}};

    const RunOutcome run = RunSetup(medium, script);

    EXPECT_EQ(1602u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{Question(kCancelQuestion, IDYES)}, run.story);
    const std::vector<std::string> log = Log();
    ASSERT_EQ(4u, log.size());
    EXPECT_EQ(0u, log[0].rfind(kPlatformLinePrefix, 0)) << log[0];
    EXPECT_EQ((std::vector<std::string>{"", "", kStartBanner}), std::vector<std::string>(log.begin() + 1, log.end()));
    EXPECT_FALSE(SourceDirRecordExists());
    EXPECT_FALSE(testsupport::FolderExists(SharedFolder()));
}

// Wine's msiexec is a file in the system folder; without it the search for it fails as on a
// system without the Windows Installer.
TEST_F(SetupGate, MissingMsiexecIsReportedTwiceAndTheRunGoesOn) {
    InstalledProducts products(kEveryProduct);
    TestMedium medium;
    const std::string installExe = SharedFolder() + "\\Utility\\Install.exe";
    const std::string noMsiexec = std::string("File not found:msiexec") + kAborted;
    const std::string noInstallExe = "File not found:" + installExe + kAborted;

    RunOutcome run;
    {
        MovedAside msiexec(SystemFolder() + "\\msiexec.exe");
        run = RunSetup(medium);
    }

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ((std::vector<std::string>{ErrorBox(noMsiexec), ErrorBox(noInstallExe), ErrorBox(noMsiexec)}), run.story);
    const std::vector<std::string> log = Log();
    ASSERT_FALSE(log.empty());
    const std::vector<std::string> expected = {
        "",
        "",
        kStartBanner,
        "Setting install source dir to:" + medium.Dir(),
        "Setup installer in CommonProgramFiles",
        "Error:" + noMsiexec,
        "Detected common programs dir to: " + SharedFolder(),
        "Error:" + noInstallExe,
        "Remove installer from CommonProgramFiles",
        "Error:" + noMsiexec,
        kEndBanner,
    };
    EXPECT_EQ(expected, std::vector<std::string>(log.begin() + 1, log.end()));
    EXPECT_EQ(medium.Dir(), RegisteredSourceDir());
}

}  // namespace

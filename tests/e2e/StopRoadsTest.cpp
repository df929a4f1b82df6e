#include <gtest/gtest.h>

#include "DemoMediumTest.h"
#include "Expected.h"
#include "MediumCopy.h"
#include "SetupRun.h"
#include "support/Files.h"
#include "support/Registry.h"

namespace {

struct CancelPoint {
    const char* label;
    bool afterList;
};

void PrintTo(const CancelPoint& point, std::ostream* out) { *out << (point.afterList ? "at the list" : "at the greeting"); }

class CancelAtTheGate : public DemoMediumTest, public ::testing::WithParamInterface<CancelPoint> {};

// A confirmed Cancel ends the run before anything is installed: exit code 1602, and the run's log
// is the platform line, two empty entries and the start banner.
TEST_P(CancelAtTheGate, EndsWith1602AndLogsOnlyTheStart) {
    const MediumCopy medium(m_scratch.PathOf("medium"));
    {
        SetupRun run(medium.Path());
        HWND dialog = run.WaitForDialog();
        if (GetParam().afterList) {
            EXPECT_EQ(kAllComponentsMissing, run.NextToList(dialog));
        }
        run.Cancel(dialog);
        run.Answer(kReallyCancelZarvel, kYes);
        EXPECT_EQ(1602u, run.ExitCode()) << run.Ui().Transcript();
    }
    const Entries entries = LogEntries(LogBytes());
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(0u, entries[0].rfind("fnIsWow64Process ", 0)) << entries[0];
    EXPECT_EQ(Lines(ExpectedRun(entries[0], medium.Path()).Start().Get()), Lines(entries));
    EXPECT_FALSE(testsupport::ReadRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trovek\\ZarvelCdView", "install.SourceDir"));
    EXPECT_FALSE(testsupport::FolderExists(SharedFolder()));
    EXPECT_FALSE(PackageInstalled());
}

INSTANTIATE_TEST_SUITE_P(DemoMedium, CancelAtTheGate,
                         ::testing::Values(CancelPoint{"AtTheGreeting", false}, CancelPoint{"AtTheList", true}),
                         [](const ::testing::TestParamInfo<CancelPoint>& info) { return info.param.label; });

// An accepted offer whose installer is not on the medium: the runner's box, then the run stops
// with 1603. The package installed at the start stays, Install.exe does not run, and neither the
// package removal nor the end banner follows.
TEST_F(DemoMediumTest, InstallerMissingFromTheMediumStopsTheRun) {
    const MediumCopy medium(m_scratch.PathOf("medium"));
    const std::string mdac = medium.PathOf("Utility\\mdac_typ.exe");
    ASSERT_TRUE(::DeleteFileA(mdac.c_str()));
    const std::string notFound = "File not found:" + mdac + "\r\nInstallation aborted!";
    {
        SetupRun run(medium.Path());
        HWND dialog = run.WaitForDialog();
        EXPECT_EQ(kAllComponentsMissing, run.NextToList(dialog));
        run.NextCloses(dialog);
        run.Answer(kMdacOffer.question, kYes);
        run.Answer(notFound, kOk);
        EXPECT_EQ(1603u, run.ExitCode()) << run.Ui().Transcript();
    }
    const Entries entries = LogEntries(LogBytes());
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(
        Lines(ExpectedRun(entries[0], medium.Path()).Start().PackageAndSharedFolder().DotNet().Add("Error:" + notFound).Get()),
        Lines(entries));
    EXPECT_TRUE(PackageInstalled());
    EXPECT_TRUE(testsupport::FileExists(SharedFolder() + "\\Utility\\Install.exe"));
    EXPECT_EQ(0, InstallExeRuns());
}

}  // namespace

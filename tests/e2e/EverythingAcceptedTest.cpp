#include <gtest/gtest.h>

#include "DemoMediumTest.h"
#include "Expected.h"
#include "MediumCopy.h"
#include "SetupRun.h"
#include "support/Files.h"
#include "support/Registry.h"

namespace {

struct MediumFolder {
    const char* label;
    const char* name;
};

void PrintTo(const MediumFolder& folder, std::ostream* out) { *out << '"' << folder.name << '"'; }

class EverythingAccepted : public DemoMediumTest, public ::testing::WithParamInterface<MediumFolder> {};

// Everything is missing and every offer is accepted: each installer runs once, in order, and the
// setup package comes and goes. A second run from the same medium then finds everything present,
// its dialog closes on the first Next, and its log entries follow the first run's.
TEST_P(EverythingAccepted, InstallsEveryComponentAndASecondRunFindsThemAllPresent) {
    const MediumCopy medium(m_scratch.PathOf(GetParam().name));
    {
        SetupRun run(medium.Path());
        HWND dialog = run.WaitForDialog();
        const std::string greeting = run.Ui().ControlText(dialog, kMessageControl);
        EXPECT_EQ(0u, greeting.rfind(kGreetingStart, 0)) << greeting;
        EXPECT_EQ(kAllComponentsMissing, run.NextToList(dialog));
        run.NextCloses(dialog);
        for (const Offer* offer : {&kMdacOffer, &kIsoViewOffer, &kAcrobatOffer}) run.Answer(offer->question, kYes);
        EXPECT_EQ(0u, run.ExitCode()) << run.Ui().Transcript();
    }
    const std::string firstLog = LogBytes();
    const Entries first = LogEntries(firstLog);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(Lines(ExpectedRun(first[0], medium.Path())
                        .Start()
                        .PackageAndSharedFolder()
                        .DotNet()
                        .Mdac()
                        .IsoView()
                        .Acrobat()
                        .Finish()
                        .Get()),
              Lines(first));
    EXPECT_EQ(1, InstallExeRuns());
    EXPECT_FALSE(PackageInstalled());
    EXPECT_FALSE(testsupport::FileExists(SharedFolder() + "\\Utility\\Install.exe"));
    EXPECT_EQ(testsupport::ReadFileBytes(medium.PathOf("permit.cfg")),
              testsupport::ReadFileBytes(SharedFolder() + "\\permit.cfg"));
    EXPECT_EQ(medium.Path(),
              testsupport::ReadRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trovek\\ZarvelCdView", "install.SourceDir"));

    {
        SetupRun run(medium.Path());
        run.NextCloses(run.WaitForDialog());
        EXPECT_EQ(0u, run.ExitCode()) << run.Ui().Transcript();
    }
    const std::string bothLogs = LogBytes();
    ASSERT_GE(bothLogs.size(), firstLog.size());
    EXPECT_EQ(firstLog, bothLogs.substr(0, firstLog.size()));
    EXPECT_EQ(Lines(ExpectedRun(first[0], medium.Path()).Start().PackageAndSharedFolder().Finish().Get()),
              Lines(LogEntries(bothLogs.substr(firstLog.size()))));
    EXPECT_EQ(2, InstallExeRuns());
    EXPECT_FALSE(PackageInstalled());
}

INSTANTIATE_TEST_SUITE_P(DemoMedium, EverythingAccepted,
                         ::testing::Values(MediumFolder{"PlainFolder", "medium"},
                                           // Both msiexec lines and every installer path must be quoted.
                                           MediumFolder{"FolderWithABlank", "Zarvel medium"}),
                         [](const ::testing::TestParamInfo<MediumFolder>& info) { return info.param.label; });

}  // namespace

// The install log held open by another process: an entry is kept when the holder lets others write,
// dropped without a word when it does not, and the setup goes on either way.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Application.h"
#include "HeldFile.h"
#include "SetupRun.h"
#include "support/DriverThread.h"
#include "support/Files.h"
#include "support/ScratchDir.h"
#include "support/UiDriver.h"

using namespace testsupport;

namespace {

const DWORD kCancelledExitCode = 1602;

struct HolderRow {
    const char* name;
    DWORD shareMode;
    bool entryKept;
};

class LogHeldOpen : public ::testing::TestWithParam<HolderRow> {};

TEST_P(LogHeldOpen, KeepsOrDropsTheEntrySilently) {
    const HolderRow& row = GetParam();
    const std::string held = std::string("hardening: written while held, ") + row.name;
    const std::string after = std::string("hardening: written after the holder left, ") + row.name;
    TheApp().WriteLog("hardening: the log exists");
    auto holder = std::make_unique<HeldFile>(CommonAppDataLog(), row.shareMode);

    UiDriver driver;
    DriverThread watcher(driver, [](UiDriver&) {});
    TheApp().WriteLog(held.c_str());
    holder.reset();
    TheApp().WriteLog(after.c_str());
    watcher.Join();

    const std::string log = ReadFileBytes(CommonAppDataLog());
    EXPECT_EQ(row.entryKept, log.find(": " + held + "\r\n") != std::string::npos);
    EXPECT_NE(std::string::npos, log.find(": " + after + "\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Holders, LogHeldOpen,
                         ::testing::Values(HolderRow{"ViewerSharingReadAndWrite", FILE_SHARE_READ | FILE_SHARE_WRITE, true},
                                           HolderRow{"ViewerSharingReadOnly", FILE_SHARE_READ, false},
                                           HolderRow{"HeldExclusively", 0, false}),
                         [](const ::testing::TestParamInfo<HolderRow>& info) { return info.param.name; });

TEST(LogHeldOpenDuringARun, TheSetupGoesOnAndTheLogIsUntouched) {
    TheApp().WriteLog("hardening: the log exists");
    const std::string before = ReadFileBytes(CommonAppDataLog());
    ScratchDir folder;
    const std::string setup = folder.CopyIn(BuiltSetupExe(), "setup.exe");
    GreetingRun run{};
    {
        HeldFile holder(CommonAppDataLog(), 0);
        run = GreetAndCancel(folder.Path());
    }

    EXPECT_EQ(FullGreetingOf(setup), run.greeting);
    EXPECT_EQ(kCancelledExitCode, run.exitCode);
    EXPECT_EQ(before, ReadFileBytes(CommonAppDataLog()));
}

} // namespace

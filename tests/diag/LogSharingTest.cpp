#include "app/SetupApp.h"
#include "support/DriverThread.h"
#include "support/Files.h"
#include "support/Handle.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/UiDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace testsupport;

namespace {

// Another process holding the log open while the setup writes an entry.
class LogHeldByAnotherProcess : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveLog();
        app = std::make_unique<CSetupApp>();
        ASSERT_TRUE(FileExists(CommonAppDataLog()));
    }
    void TearDown() override {
        app.reset();
        RemoveLog();
    }

    // Starts the holder and returns once it has the file open.
    Child Hold(const char* mode) {
        const std::string suffix = std::to_string(::GetCurrentProcessId()) + "." + mode;
        const std::string readyName = "ZarvelLogHolderReady." + suffix;
        const std::string releaseName = "ZarvelLogHolderRelease." + suffix;
        ready.Reset(::CreateEventA(nullptr, TRUE, FALSE, readyName.c_str()));
        release.Reset(::CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str()));
        Child holder = Spawn("\"" + WinPath(ZARVEL_LOG_HOLDER_EXE) + "\" \"" + CommonAppDataLog() + "\" " + mode + " " +
                             readyName + " " + releaseName);
        HANDLE waits[] = {ready.Get(), holder.Handle()};
        const DWORD woke = ::WaitForMultipleObjects(2, waits, FALSE, kChildTimeoutMs);
        EXPECT_EQ(WAIT_OBJECT_0, woke) << "the holder did not open the log (exit code " << holder.ExitCode() << ")";
        return holder;
    }
    void Release(Child& holder) {
        ::SetEvent(release.Get());
        ASSERT_TRUE(holder.Wait());
        EXPECT_EQ(0u, holder.ExitCode());
    }

    std::unique_ptr<CSetupApp> app;
    UniqueHandle ready;
    UniqueHandle release;
};

TEST_F(LogHeldByAnotherProcess, ReaderSharingTheFileDoesNotCostAnEntry) {
    Child viewer = Hold("shared");
    app->WriteLog("written while a viewer reads");
    Release(viewer);

    const std::string log = ReadFileBytes(CommonAppDataLog());
    EXPECT_NE(std::string::npos, log.find(": written while a viewer reads\r\n")) << log;
}

TEST_F(LogHeldByAnotherProcess, ExclusiveHolderCostsTheEntrySilentlyAndSetupGoesOn) {
    Child holder = Hold("exclusive");
    UiDriver driver;
    // Fails Join when any window (a message box) came up while the entry was being written.
    DriverThread noWindows(driver, [](UiDriver&) {});
    app->WriteLog("lost while held");
    noWindows.Join();
    Release(holder);

    app->WriteLog("written after release");
    const std::string log = ReadFileBytes(CommonAppDataLog());
    EXPECT_EQ(std::string::npos, log.find("lost while held")) << log;
    const std::string last = ": written after release\r\n";
    ASSERT_GE(log.size(), last.size());
    EXPECT_EQ(last, log.substr(log.size() - last.size())) << log;
}

} // namespace

// A prerequisite installer (or PsKill before one) that crashes: its exception code is logged as an
// unsigned exit code and the installation goes on as after any installer that ran.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Application.h"
#include "LogEntries.h"
#include "LogTail.h"
#include "support/DriverThread.h"
#include "support/Paths.h"
#include "support/Recorder.h"
#include "support/ScopedEnv.h"
#include "support/ScratchDir.h"
#include "support/UiDriver.h"

using namespace testsupport;

namespace {

const std::string kAccessViolation = "3221225477";

struct ChildRun {
    std::string program;    // below the medium's Utility folder
    std::string arguments;
    std::string exitCode;   // as logged
};

struct CrashRow {
    const char* name;
    bool (CSetupApp::*installer)(const CString&);
    const char* crashing;   // the recorder's RECORDER_CRASH_<name>
    std::vector<ChildRun> runs;
};

class CrashingChild : public ::testing::TestWithParam<CrashRow> {};

TEST_P(CrashingChild, IsLoggedWithItsExceptionCodeAndTheInstallerSucceeds) {
    const CrashRow& row = GetParam();
    ScratchDir medium;
    for (const ChildRun& run : row.runs) medium.CopyIn(RecorderExe(), "Utility\\" + run.program);
    const std::string records = medium.PathOf("records.txt");
    ScopedEnv recorderFile("RECORDER_FILE", records);
    ScopedEnv crash(std::string("RECORDER_CRASH_") + row.crashing, "1");
    const LogTail log;

    UiDriver driver;
    DriverThread watcher(driver, [](UiDriver&) {});
    const bool installed = (TheApp().*row.installer)(medium.Path().c_str());
    watcher.Join();

    EXPECT_TRUE(installed);
    const std::vector<RecorderRecord> started = ReadRecords(records);
    ASSERT_EQ(row.runs.size(), started.size());
    const std::vector<std::string> lines = LogLines(log.Added());
    for (size_t i = 0; i < row.runs.size(); ++i) {
        const ChildRun& run = row.runs[i];
        EXPECT_EQ(run.program, started[i].program);
        const std::string commandLine = medium.PathOf("Utility\\" + run.program) + " " + run.arguments;
        EXPECT_TRUE(HasInSequence(lines, {"Run installer: " + commandLine, "Installer exit code: " + run.exitCode}))
            << log.Added();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Installers, CrashingChild,
    ::testing::Values(CrashRow{"MdacInstaller", &CSetupApp::InstallMdac, "MDAC_TYP",
                               {{"mdac_typ.exe", "/Q", kAccessViolation}}},
                      CrashRow{"PsKillBeforeIsoView", &CSetupApp::InstallIsoView, "PSKILL",
                               {{"PsKill.exe", "IsoEngine.exe", kAccessViolation}, {"isoviewx6.exe", "/qb", "0"}}},
                      CrashRow{"IsoViewInstaller", &CSetupApp::InstallIsoView, "ISOVIEWX6",
                               {{"PsKill.exe", "IsoEngine.exe", "0"}, {"isoviewx6.exe", "/qb", kAccessViolation}}}),
    [](const ::testing::TestParamInfo<CrashRow>& info) { return info.param.name; });

} // namespace

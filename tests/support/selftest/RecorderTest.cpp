#include "support/Files.h"
#include "support/Process.h"
#include "support/Recorder.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>

using namespace testsupport;

namespace {

// The recorder copied in under an outside program's name, started from a folder of its own.
class RecorderTest : public ::testing::Test {
protected:
    RecorderTest()
        : m_program(m_scratch.CopyIn(RecorderExe(), "media\\mdac_typ.exe")),
          m_workDir(m_scratch.MakeFolder("work")),
          m_records(m_scratch.PathOf("records.txt")) {}

    Child Run(const std::string& arguments, Environment env = {}, int show = kDefaultShow) {
        env.emplace_back("RECORDER_FILE", m_records);
        return Spawn("\"" + m_program + "\"" + arguments, m_workDir, env, show);
    }

    DWORD RunToEnd(const std::string& arguments, const Environment& env = {}, int show = kDefaultShow) {
        Child child = Run(arguments, env, show);
        EXPECT_TRUE(child.Wait());
        return child.ExitCode();
    }

    ScratchDir m_scratch;
    const std::string m_program;
    const std::string m_workDir;
    const std::string m_records;
};

TEST_F(RecorderTest, RecordsNameCommandLineShowFlagsAndFolder) {
    RunToEnd(" /q:a /c:\"dasetup /q\"");

    const auto records = ReadRecords(m_records);
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ("mdac_typ.exe", records[0].program);
    EXPECT_EQ("\"" + m_program + "\" /q:a /c:\"dasetup /q\"", records[0].commandLine);
    EXPECT_EQ(0u, records[0].flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(m_workDir, records[0].dir);
    EXPECT_FALSE(records[0].visible.has_value());
}

TEST_F(RecorderTest, AppendsOneLinePerRun) {
    RunToEnd(" first");
    RunToEnd(" second");

    const auto records = ReadRecords(m_records);
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ("\"" + m_program + "\" first", records[0].commandLine);
    EXPECT_EQ("\"" + m_program + "\" second", records[1].commandLine);
}

TEST_F(RecorderTest, NoFileMeansNothingRan) { EXPECT_TRUE(ReadRecords(m_records).empty()); }

struct ExitCase {
    const char* name;
    Environment env;
    DWORD exitCode;
};

class RecorderExitTest : public RecorderTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(RecorderExitTest, ExitsWithTheChosenCode) {
    EXPECT_EQ(GetParam().exitCode, RunToEnd("", GetParam().env));
    // Whatever the exit, the start itself is on record.
    EXPECT_EQ(1u, ReadRecords(m_records).size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecorderExitTest,
    ::testing::Values(ExitCase{"nothing_set", {}, 0},
                      ExitCase{"common_code", {{"RECORDER_EXIT", "1603"}}, 1603},
                      ExitCase{"own_code_wins", {{"RECORDER_EXIT", "1603"}, {"RECORDER_EXIT_MDAC_TYP", "3010"}}, 3010},
                      ExitCase{"other_programs_code_ignored", {{"RECORDER_EXIT_INSTALL", "5"}}, 0},
                      ExitCase{"crash", {{"RECORDER_EXIT", "7"}, {"RECORDER_CRASH_MDAC_TYP", "1"}}, 0xC0000005},
                      ExitCase{"other_programs_crash_ignored", {{"RECORDER_CRASH_INSTALL", "1"}}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShowCase {
    const char* name;
    int show;
    bool usesShowWindow;
    bool visible;
};

class RecorderWindowTest : public RecorderTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(RecorderWindowTest, WindowFollowsTheStartupShowFlag) {
    RunToEnd("", {{"RECORDER_WINDOW", "1"}}, GetParam().show);

    const auto records = ReadRecords(m_records);
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(GetParam().usesShowWindow, (records[0].flags & STARTF_USESHOWWINDOW) != 0);
    if (GetParam().usesShowWindow) {
        EXPECT_EQ(GetParam().show, records[0].show);
    }
    ASSERT_TRUE(records[0].visible.has_value());
    EXPECT_EQ(GetParam().visible, *records[0].visible);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecorderWindowTest,
                         ::testing::Values(ShowCase{"default", kDefaultShow, false, true},
                                           ShowCase{"hidden", SW_HIDE, true, false},
                                           ShowCase{"normal", SW_SHOWNORMAL, true, true},
                                           ShowCase{"minimized", SW_SHOWMINNOACTIVE, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

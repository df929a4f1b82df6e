#include "support/Files.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>

using namespace testsupport;

namespace {

// How the entry point handles InitInstance's result: which framework calls follow it and the
// exit code the process ends with.
struct EntryCase {
    const char* name;
    const char* arguments;
    const char* calls;
    DWORD exitCode;
};

std::ostream& operator<<(std::ostream& out, const EntryCase& c) { return out << c.name; }

const EntryCase kEntryCases[] = {
    // Zero means failed initialisation: no message loop, straight to ExitInstance.
    {"ZeroEndsWithoutMessageLoop", "return 0", "InitInstance\nExitInstance\n", 0},
    // Non-zero enters the loop, which without a main window ends at once.
    {"MinusOneRunsTheLoopThenExits", "return -1", "InitInstance\nRun\nExitInstance\n", 0},
    {"OneRunsTheLoopThenExits", "return 1", "InitInstance\nRun\nExitInstance\n", 0},
    // A quit code asked for during InitInstance reaches the loop and becomes the exit code.
    {"QuitCodeBecomesExitCode", "quit 1602 -1", "InitInstance\nRun\nExitInstance\n", 1602},
    {"OtherQuitCodeBecomesExitCode", "quit 1603 -1", "InitInstance\nRun\nExitInstance\n", 1603},
    // Without the loop nothing reads the quit request.
    {"QuitCodeIgnoredWithoutLoop", "quit 1603 0", "InitInstance\nExitInstance\n", 0},
};

class EntryPoint : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryPoint, HandlesTheResultOfInitInstance) {
    ScratchDir scratch;
    const std::string trace = scratch.PathOf("trace.txt");
    Child child = Spawn("\"" + WinPath(ZARVEL_ENTRY_PROGRAM_EXE) + "\" " + GetParam().arguments, scratch.Path(),
                        {{"ENTRY_TRACE_FILE", trace}});
    ASSERT_TRUE(child.Wait()) << "the program did not end";
    EXPECT_EQ(GetParam().exitCode, child.ExitCode());
    EXPECT_EQ(GetParam().calls, ReadFileBytes(trace));
}

INSTANTIATE_TEST_SUITE_P(Results, EntryPoint, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

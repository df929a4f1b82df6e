// A DLL planted beside setup.exe under a system DLL's name must never be loaded into it, and the
// greeting must still show the program's own version.
#include <gtest/gtest.h>

#include <string>

#include "SavedRegValue.h"
#include "SetupRun.h"
#include "support/Files.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/ScratchDir.h"

using namespace testsupport;

namespace {

const DWORD kCancelledExitCode = 1602;

std::string DecoyDll() { return JoinPath(WinPath(HARDENING_PROGRAMS_DIR), "decoy.dll"); }

std::string Stem(const std::string& dllName) { return dllName.substr(0, dllName.rfind('.')); }

// Wine takes its own builtin DLLs unless told to prefer a native file of the name for a program;
// the earlier setting comes back when this goes.
class LoadOrder {
public:
    LoadOrder(const std::string& program, const std::string& dllName, bool nativeFirst)
        : m_override(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\" + program + "\\DllOverrides", Stem(dllName)) {
        const std::string order = "native,builtin";
        if (nativeFirst) m_override.Set(REG_SZ, std::string(order.c_str(), order.size() + 1));
    }
    ~LoadOrder() = default;
    LoadOrder(const LoadOrder&) = delete;
    LoadOrder& operator=(const LoadOrder&) = delete;

private:
    SavedRegValue m_override;
};

struct Planting {
    const char* dllName;
    // Whether Wine is told to prefer a native file of the name for setup.exe.
    bool nativeFirst;
};

class PlantedDll : public ::testing::TestWithParam<Planting> {};

// version.dll: Wine's own user32 imports it, so the name is settled before any code of a program
// runs. With Wine's default order its builtin is always taken; told to prefer native files, Wine
// itself loads the planted one at start-up, for every program. So this case runs with the default
// order and shows that the greeting does not depend on the file beside setup.exe.
// uxtheme.dll: Wine loads it by name when the first window is made, long after start-up; only the
// restricted DLL search keeps the planted file out (PlantedDllControl shows it loaded otherwise).
TEST_P(PlantedDll, IsNotLoadedAndTheGreetingShowsTheVersion) {
    const Planting planting = GetParam();
    ScratchDir folder;
    const std::string setup = folder.CopyIn(BuiltSetupExe(), "setup.exe");
    folder.CopyIn(DecoyDll(), planting.dllName);
    const LoadOrder order("setup.exe", planting.dllName, planting.nativeFirst);

    const GreetingRun run = GreetAndCancel(folder.Path());

    EXPECT_FALSE(FileExists(folder.PathOf(std::string(planting.dllName) + ".loaded")))
        << "setup.exe loaded the " << planting.dllName << " planted beside it";
    EXPECT_EQ(FullGreetingOf(setup), run.greeting);
    EXPECT_EQ(kCancelledExitCode, run.exitCode);
}

INSTANTIATE_TEST_SUITE_P(Names, PlantedDll,
                         ::testing::Values(Planting{"version.dll", false}, Planting{"uxtheme.dll", true}),
                         [](const ::testing::TestParamInfo<Planting>& info) { return Stem(info.param.dllName); });

// The same planting loads the file into a program that shows a window without restricting its DLL
// search: the case above can fail.
TEST(PlantedDllControl, IsLoadedIntoAProgramWithTheDefaultSearch) {
    ScratchDir folder;
    const std::string program = "hardening_windowed.exe";
    folder.CopyIn(JoinPath(WinPath(HARDENING_PROGRAMS_DIR), program), program);
    folder.CopyIn(DecoyDll(), "uxtheme.dll");
    const LoadOrder order(program, "uxtheme.dll", true);

    Child windowed = Spawn("\"" + folder.PathOf(program) + "\"", folder.Path());
    ASSERT_TRUE(windowed.Wait());

    EXPECT_TRUE(FileExists(folder.PathOf("uxtheme.dll.loaded")));
}

} // namespace

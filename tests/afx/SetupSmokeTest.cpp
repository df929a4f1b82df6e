#include "support/Paths.h"
#include "support/Process.h"
#include "support/ScratchDir.h"
#include "support/UiDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testsupport;

namespace {

TEST(SetupSmoke, ShowsItsDialogAndEndsWhenTheUserCancels) {
    ScratchDir medium;
    Child setup = Spawn("\"" + JoinPath(BinDir(), "setup.exe") + "\"", medium.Path());
    UiDriver ui(setup.Pid());

    HWND dialog = ui.WaitForWindow("#32770", "Install Zarvel");
    ui.Press(dialog, IDCANCEL);
    HWND confirm = ui.WaitForMessageBox("setup");
    EXPECT_EQ("Do you really wish to cancel the installation of Zarvel?", ui.MessageText(confirm));
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), ui.ButtonIds(confirm));
    ui.Press(confirm, IDYES);

    ASSERT_TRUE(setup.Wait()) << ui.Transcript();
    EXPECT_EQ(1602u, setup.ExitCode()) << ui.Transcript();
}

} // namespace

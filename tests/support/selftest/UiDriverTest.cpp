#include "helper/UiHelperIds.h"
#include "support/DriverThread.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/UiDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testsupport;

namespace {

const std::string kCaption = "Self-Test Question";
const std::string kText = "Replace the existing file?";

std::string HelperExe() { return WinPath(ZARVEL_UI_HELPER_EXE); }

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

TEST(UiDriverOwnProcess, ReadsAndAnswersAMessageBox) {
    UiDriver driver;
    DriverThread thread(driver, [](UiDriver& ui) {
        HWND box = ui.WaitForMessageBox();
        ui.Press(box, IDNO);
        ui.WaitGone(box);
    });
    const int answer = ::MessageBoxA(nullptr, kText.c_str(), kCaption.c_str(), MB_YESNO | MB_ICONQUESTION);
    thread.Join();

    EXPECT_EQ(IDNO, answer);
    ASSERT_EQ(1u, driver.Seen().size());
    const SeenWindow& box = driver.Seen()[0];
    EXPECT_EQ("#32770", box.className);
    EXPECT_EQ(kCaption, box.caption);
    EXPECT_EQ(kText, box.text);
    ASSERT_EQ(2u, box.buttons.size());
    EXPECT_EQ(IDYES, box.buttons[0].id);
    EXPECT_EQ(IDNO, box.buttons[1].id);
    EXPECT_EQ(std::vector<int>{IDNO}, box.pressed);
    EXPECT_NE(std::string::npos, driver.Transcript().find("\"" + kText + "\"")) << driver.Transcript();
}

TEST(UiDriverOwnProcess, AnswersBoxesInTurnAndSkipsOnesAlreadyHandled) {
    UiDriver driver;
    DriverThread thread(driver, [](UiDriver& ui) {
        // Same caption twice: the second wait must not return the first box while it closes.
        ui.Press(ui.WaitForMessageBox(kCaption), IDYES);
        ui.Press(ui.WaitForMessageBox(kCaption), IDNO);
    });
    int second = 0;
    const int first = ::MessageBoxA(nullptr, kText.c_str(), kCaption.c_str(), MB_YESNO);
    if (first == IDYES) second = ::MessageBoxA(nullptr, "Are you sure?", kCaption.c_str(), MB_YESNO);
    thread.Join();

    EXPECT_EQ(IDYES, first);
    EXPECT_EQ(IDNO, second);
    ASSERT_EQ(2u, driver.Seen().size());
    EXPECT_EQ(kText, driver.Seen()[0].text);
    EXPECT_EQ("Are you sure?", driver.Seen()[1].text);
}

TEST(UiDriverOwnProcess, DismissesABoxTheScriptDidNotExpectAndReportsIt) {
    UiDriver driver;
    DriverThread thread(driver, [](UiDriver& ui) { ui.Press(ui.WaitForMessageBox(), IDOK); });
    ::MessageBoxA(nullptr, "expected", kCaption.c_str(), MB_OK);
    const int answer = ::MessageBoxA(nullptr, "unexpected", "Surprise", MB_OKCANCEL);

    EXPECT_EQ(IDCANCEL, answer);
    try {
        thread.Join();
        FAIL() << "Join did not report the unexpected box";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string::npos, std::string(error.what()).find("\"unexpected\"")) << error.what();
    }
}

TEST(UiDriverOwnProcess, AFailedScriptDismissesTheBoxSoTheCodeReturns) {
    UiDriver driver(::GetCurrentProcessId(), 500);
    DriverThread thread(driver, [](UiDriver& ui) { ui.WaitForMessageBox("A caption that never comes"); });
    const int answer = ::MessageBoxA(nullptr, kText.c_str(), kCaption.c_str(), MB_YESNO);

    // Yes: a leftover "really cancel?" question then ends the dialog behind it.
    EXPECT_EQ(IDYES, answer);
    try {
        thread.Join();
        FAIL() << "Join did not report the failed wait";
    } catch (const std::runtime_error& error) {
        const std::string what = error.what();
        EXPECT_NE(std::string::npos, what.find("A caption that never comes")) << what;
        EXPECT_NE(std::string::npos, what.find(kCaption)) << what;
    }
}

class UiDriverOtherProcess : public ::testing::TestWithParam<int> {};

TEST_P(UiDriverOtherProcess, ReadsAMessageBoxAndThePressedButtonComesBack) {
    const int button = GetParam();
    Child helper = Spawn(Quote(HelperExe()) + " box " + Quote(kCaption) + " " + Quote(kText));
    UiDriver driver(helper.Pid());

    HWND box = driver.WaitForMessageBox();
    EXPECT_EQ(kCaption, driver.Caption(box));
    EXPECT_EQ(kText, driver.MessageText(box));
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), driver.ButtonIds(box));
    driver.Press(box, button);

    ASSERT_TRUE(helper.Wait());
    EXPECT_EQ(static_cast<DWORD>(button), helper.ExitCode());
}

INSTANTIATE_TEST_SUITE_P(YesAndNo, UiDriverOtherProcess, ::testing::Values(IDYES, IDNO));

TEST(UiDriverOtherProcessDialog, ReadsControlsAndAnswersTheBoxItsButtonOpens) {
    Child helper = Spawn(Quote(HelperExe()) + " dialog");
    UiDriver driver(helper.Pid());

    HWND dialog = driver.WaitForWindow("#32770", HELPER_CAPTION);
    EXPECT_EQ((std::vector<std::string>{"alpha", "Gr\xFC\xDF" "e", "third line"}),
              driver.ListBoxLines(dialog, HELPER_LIST));
    EXPECT_EQ("Ready", driver.ControlText(dialog, HELPER_STATUS));
    EXPECT_FALSE(driver.IsControlEnabled(dialog, HELPER_GO));
    EXPECT_TRUE(driver.IsControlVisible(dialog, HELPER_GO));
    EXPECT_FALSE(driver.IsControlVisible(dialog, HELPER_HIDDEN));
    EXPECT_EQ((std::vector<int>{HELPER_GO, IDCANCEL}), driver.ButtonIds(dialog));
    EXPECT_THROW(driver.Press(dialog, HELPER_GO), std::runtime_error);
    EXPECT_THROW(driver.Press(dialog, HELPER_HIDDEN), std::runtime_error);

    driver.Press(dialog, IDCANCEL);
    HWND confirm = driver.WaitForMessageBox(HELPER_CAPTION);
    EXPECT_NE(dialog, confirm);
    EXPECT_EQ(HELPER_CONFIRM_TEXT, driver.MessageText(confirm));
    // The dialog is disabled under its modal box, as it is for a person.
    EXPECT_THROW(driver.Press(dialog, IDCANCEL), std::runtime_error);
    driver.Press(confirm, IDYES);
    driver.WaitGone(dialog);

    ASSERT_TRUE(helper.Wait());
    EXPECT_EQ(static_cast<DWORD>(IDCANCEL), helper.ExitCode());
}

TEST(UiDriverOtherProcessDialog, StopsWaitingWhenTheProcessEnds) {
    Child helper = Spawn(Quote(HelperExe()) + " no-such-mode");
    UiDriver driver(helper.Pid());
    try {
        driver.WaitForWindow();
        FAIL() << "a window of an ended process was found";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string::npos, std::string(error.what()).find("exit code 255")) << error.what();
    }
}

} // namespace

// The administrator notice, in-process: Wine's user is always an administrator, so the test replaces
// the check, runs the sequence on this thread and answers its windows from a second one.
#include <windows.h>

#include <gtest/gtest.h>

#include "BoxIcon.h"
#include "LogEntries.h"
#include "Texts.h"
#include "app/AdminCheck.h"
#include "app/SetupApp.h"
#include "support/DriverThread.h"
#include "support/Files.h"
#include "support/UiDriver.h"

using namespace apptest;
using testsupport::UiDriver;

namespace {

const char kNotice[] = "User is not a member of the Administrators group. Installation may fail.";
const char kDialogCaption[] = "Install Zarvel";

bool g_administrator = true;
bool IsAdministratorForTest() { return g_administrator; }

// The icon of a box of this process is one of the system's shared icons.
bool ShowsIcon(HWND box, LPCSTR iconId) {
    const HICON expected = LoadIconA(nullptr, iconId);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == expected) return true;
    return false;
}

class AdministratorNotice : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        testsupport::RemoveLog();
        g_administrator = GetParam();
        SetAdministratorCheckForTesting(&IsAdministratorForTest);
    }
    void TearDown() override {
        SetAdministratorCheckForTesting(nullptr);
        testsupport::RemoveLog();
        // The cancelled sequence asked this thread's message loop to end; no loop runs here.
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
};

TEST_P(AdministratorNotice, ComesBeforeTheDialogOnlyForOtherUsersAndIsNotLogged) {
    const bool administrator = GetParam();
    CSetupApp app;
    UiDriver driver;
    bool informationIcon = false;
    std::string iconByPicture;
    testsupport::DriverThread thread(driver, [&](UiDriver& ui) {
        HWND first = ui.WaitForWindow("#32770");
        if (!administrator) {
            informationIcon = ShowsIcon(first, IDI_INFORMATION);
            iconByPicture = StandardIconOf(first);
            ui.Press(first, IDOK);
            ui.WaitGone(first);
            first = ui.WaitForWindow("#32770", kDialogCaption);
        }
        ui.Press(first, IDCANCEL);
        ui.Press(ui.WaitForMessageBox(), IDYES);
    });

    const BOOL result = app.InitInstance();
    thread.Join();

    EXPECT_EQ(-1, result);
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_EQ(1602u, quit.wParam);

    const auto& seen = driver.Seen();
    ASSERT_EQ(administrator ? 2u : 3u, seen.size()) << driver.Transcript();
    if (!administrator) {
        EXPECT_EQ(kNotice, seen[0].text);
        EXPECT_EQ(app.m_pszAppName, seen[0].caption);
        ASSERT_EQ(1u, seen[0].buttons.size());
        EXPECT_EQ(IDOK, seen[0].buttons[0].id);
        EXPECT_TRUE(informationIcon);
        EXPECT_EQ("information", iconByPicture);
    }
    EXPECT_EQ(kDialogCaption, seen[seen.size() - 2].caption);
    EXPECT_EQ(kCancelQuestion, seen.back().text);

    const std::vector<std::string> log = ReadLogEntries();
    ASSERT_EQ(4u, log.size());
    EXPECT_EQ((std::vector<std::string>{"", "", kStartBanner}), std::vector<std::string>(log.begin() + 1, log.end()));
}

INSTANTIATE_TEST_SUITE_P(Users, AdministratorNotice, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Administrator" : "OtherUser"); });

}  // namespace

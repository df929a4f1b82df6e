#include <gtest/gtest.h>

#include "ScriptedDialog.h"
#include "TestDialogIds.h"
#include "ui/InstallDlg.h"
#include "ui/InstallDlgCtl.h"

namespace {

// A dialog run with the test template, with or without the recording controller.
struct DialogRun {
    CallLog calls;
    INT_PTR result = 0;
};

DialogRun RunDialog(bool withController, ScriptedDialog::Script script, HACCEL accelerators = nullptr) {
    DialogRun run;
    ScriptedDialog dialog(run.calls, withController ? new RecordingController(run.calls) : nullptr, std::move(script));
    dialog.m_hAccel = accelerators;
    run.result = dialog.DoModalAt(4);
    return run;
}

struct RoutingCase {
    const char* name;
    bool withController;
    int command;
    CallLog expected;
};

void PrintTo(const RoutingCase& c, std::ostream* out) { *out << c.name; }

class CommandRoutingTest : public ::testing::TestWithParam<RoutingCase> {};

TEST_P(CommandRoutingTest, ClickReachesTheFirstMapThatHandlesIt) {
    const RoutingCase& c = GetParam();
    const DialogRun run = RunDialog(c.withController, [&](ScriptedDialog& d) {
        d.Click(c.command);
        d.Click(IDOK);
    });
    EXPECT_EQ(c.expected, run.calls);
    // OK is mapped by neither: it ends the dialog as CDialog does.
    EXPECT_EQ(IDOK, run.result);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandRoutingTest,
    ::testing::Values(RoutingCase{"BothMapsControllerWins", true, IDC_TEST_BOTH, {"controller:3001"}},
                      RoutingCase{"DialogOnly", true, IDC_TEST_DIALOG_ONLY, {"dialog:3002"}},
                      RoutingCase{"ControllerOnly", true, IDC_TEST_CONTROLLER_ONLY, {"controller:3003"}},
                      RoutingCase{"NeitherMaps", true, IDC_TEST_UNMAPPED, {}},
                      RoutingCase{"NoControllerBoth", false, IDC_TEST_BOTH, {"dialog:3001"}},
                      RoutingCase{"NoControllerDialogOnly", false, IDC_TEST_DIALOG_ONLY, {"dialog:3002"}},
                      RoutingCase{"NoControllerControllerOnly", false, IDC_TEST_CONTROLLER_ONLY, {}}),
    [](const ::testing::TestParamInfo<RoutingCase>& info) { return std::string(info.param.name); });

// Asking for the handler, without calling it, gets the same answer as the dispatch.
TEST(CommandRoutingQuery, ReportsTheHandlingTargetWithoutCallingIt) {
    CallLog calls;
    auto* controller = new RecordingController(calls);
    ScriptedDialog dialog(calls, controller, nullptr);
    ScriptedDialog plain(calls, nullptr, nullptr);

    AFX_CMDHANDLERINFO info = {};
    ASSERT_TRUE(dialog.OnCmdMsg(IDC_TEST_BOTH, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(controller, info.pTarget);
    info = {};
    ASSERT_TRUE(dialog.OnCmdMsg(IDC_TEST_DIALOG_ONLY, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(static_cast<CCmdTarget*>(&dialog), info.pTarget);
    info = {};
    ASSERT_TRUE(plain.OnCmdMsg(IDC_TEST_BOTH, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(static_cast<CCmdTarget*>(&plain), info.pTarget);
    EXPECT_FALSE(dialog.OnCmdMsg(IDC_TEST_UNMAPPED, CN_COMMAND, nullptr, &info));
    // A notification other than a click is not a command of the maps.
    EXPECT_FALSE(dialog.OnCmdMsg(IDC_TEST_BOTH, BN_DOUBLECLICKED, nullptr, nullptr));
    EXPECT_TRUE(calls.empty());
}

struct ResultCase {
    const char* name;
    ScriptedDialog::Script script;
    INT_PTR expected;
};

void PrintTo(const ResultCase& c, std::ostream* out) { *out << c.name; }

class ModalResultTest : public ::testing::TestWithParam<ResultCase> {};

TEST_P(ModalResultTest, EndsWithTheFrameworksResult) {
    EXPECT_EQ(GetParam().expected, RunDialog(true, GetParam().script).result);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, ModalResultTest,
    ::testing::Values(ResultCase{"CancelButton", [](ScriptedDialog& d) { d.Click(IDCANCEL); }, 0},
                      ResultCase{"EscapeKey", [](ScriptedDialog& d) { d.PostKey(WM_KEYDOWN, VK_ESCAPE); }, 0},
                      ResultCase{"SystemClose",
                                 [](ScriptedDialog& d) { ::PostMessageA(d.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }, 0},
                      ResultCase{"CancelAfterAResultWasSet",
                                 [](ScriptedDialog& d) {
                                     d.SetResult(7);
                                     d.Click(IDCANCEL);
                                 },
                                 0},
                      ResultCase{"OkButtonAsCDialog", [](ScriptedDialog& d) { d.Click(IDOK); }, IDOK},
                      ResultCase{"CloseFromAControllerHandler",
                                 [](ScriptedDialog& d) { d.Click(IDC_TEST_CLOSE_WITH_ONE); }, 1},
                      ResultCase{"CloseWhileInitialising",
                                 [](ScriptedDialog& d) {
                                     d.SetResult(5);
                                     d.CloseDialog();
                                 },
                                 5}),
    [](const ::testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

TEST(ModalResult, HandlerFinishesBeforeTheDialogEnds) {
    CallLog calls;
    auto* controller = new RecordingController(calls);
    ScriptedDialog dialog(calls, controller, [](ScriptedDialog& d) { d.Click(IDC_TEST_CLOSE_WITH_ONE); });
    EXPECT_EQ(1, dialog.DoModalAt(4));
    EXPECT_TRUE(controller->m_ranOnAfterClose);
    EXPECT_TRUE(controller->m_windowAliveAfterClose);
    EXPECT_FALSE(::IsWindow(dialog.m_hWnd));
}

TEST(ModalResult, MissingTemplateGivesMinusOne) {
    CallLog calls;
    ScriptedDialog dialog(calls, new RecordingController(calls), nullptr, 9999);
    EXPECT_EQ(-1, dialog.DoModalAt(4));
}

// An accelerator table of the dialog: F5 stands for the controller's command, the character x for
// the dialog's.
class AcceleratorTable {
public:
    AcceleratorTable() {
        ACCEL keys[] = {{FVIRTKEY, VK_F5, IDC_TEST_CONTROLLER_ONLY}, {0, 'x', IDC_TEST_DIALOG_ONLY}};
        m_table = ::CreateAcceleratorTableA(keys, 2);
    }
    ~AcceleratorTable() { ::DestroyAcceleratorTable(m_table); }
    AcceleratorTable(const AcceleratorTable&) = delete;
    AcceleratorTable& operator=(const AcceleratorTable&) = delete;
    HACCEL Get() const { return m_table; }

private:
    HACCEL m_table;
};

void PressAcceleratorKeysThenEscape(ScriptedDialog& d) {
    d.PostKey(WM_KEYDOWN, VK_F5);
    d.PostKey(WM_CHAR, 'x');
    d.PostKey(WM_KEYDOWN, VK_ESCAPE);
}

TEST(PreTranslateMessage, AcceleratorKeysBecomeCommands) {
    AcceleratorTable table;
    ASSERT_NE(nullptr, table.Get());
    const DialogRun run = RunDialog(true, PressAcceleratorKeysThenEscape, table.Get());
    EXPECT_EQ((CallLog{"controller:3003", "dialog:3002"}), run.calls);
    // A key outside the table still works as in any dialog.
    EXPECT_EQ(0, run.result);
}

TEST(PreTranslateMessage, WithoutATableKeysTakeTheDialogPath) {
    const DialogRun run = RunDialog(true, PressAcceleratorKeysThenEscape);
    EXPECT_TRUE(run.calls.empty());
    EXPECT_EQ(0, run.result);
}

TEST(ControllerOwnership, ControllerLivesAsLongAsTheDialogObject) {
    bool destroyed = false;
    {
        CallLog calls;
        ScriptedDialog dialog(calls, new RecordingController(calls, &destroyed), [](ScriptedDialog& d) {
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(0, dialog.DoModalAt(4));
        EXPECT_FALSE(destroyed);
    }
    EXPECT_TRUE(destroyed);
}

struct ClassCase {
    const CRuntimeClass* runtimeClass;
    const char* name;
    const CRuntimeClass* base;
};

void PrintTo(const ClassCase& c, std::ostream* out) { *out << c.name; }

class RuntimeClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(RuntimeClassTest, NameAndBase) {
    EXPECT_STREQ(GetParam().name, GetParam().runtimeClass->m_lpszClassName);
    EXPECT_EQ(GetParam().base, GetParam().runtimeClass->m_pBaseClass);
}

INSTANTIATE_TEST_SUITE_P(Framework, RuntimeClassTest,
                         ::testing::Values(ClassCase{RUNTIME_CLASS(FXICtl), "FXICtl", RUNTIME_CLASS(CCmdTarget)},
                                           ClassCase{RUNTIME_CLASS(FXIDlg), "FXIDlg", RUNTIME_CLASS(CDialog)},
                                           ClassCase{RUNTIME_CLASS(FXIModalDlg), "FXIModalDlg", RUNTIME_CLASS(FXIDlg)},
                                           ClassCase{RUNTIME_CLASS(InstallDlgCtl), "InstallDlgCtl",
                                                     RUNTIME_CLASS(FXICtl)}));

TEST(RuntimeClass, InstallDialogReportsTheModalBase) {
    InstallDlg dialog;
    EXPECT_EQ(RUNTIME_CLASS(FXIModalDlg), dialog.GetRuntimeClass());
    EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CDialog)));
    ASSERT_NE(nullptr, dialog.m_pController);
    EXPECT_EQ(RUNTIME_CLASS(InstallDlgCtl), dialog.m_pController->GetRuntimeClass());
    EXPECT_EQ(&dialog, static_cast<FXICtl*>(dialog.m_pController)->GetDialog());
}

}  // namespace

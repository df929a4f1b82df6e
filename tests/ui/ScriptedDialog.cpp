#include "ScriptedDialog.h"

#include <gtest/gtest.h>

#include "TestDialogIds.h"

namespace {
// A script that leaves its dialog open would otherwise hang the whole test program.
const UINT kAbandonAfterMs = 30000;
const UINT_PTR kAbandonTimer = 1;

std::string Entry(const char* who, int id) { return std::string(who) + ":" + std::to_string(id); }
}  // namespace

BEGIN_MESSAGE_MAP(RecordingController, FXICtl)
    ON_COMMAND(IDC_TEST_BOTH, OnBoth)
    ON_COMMAND(IDC_TEST_CONTROLLER_ONLY, OnControllerOnly)
    ON_COMMAND(IDC_TEST_CLOSE_WITH_ONE, OnCloseWithOne)
END_MESSAGE_MAP()

RecordingController::RecordingController(CallLog& calls, bool* destroyed) : m_calls(calls), m_destroyed(destroyed) {}

RecordingController::~RecordingController() {
    if (m_destroyed) *m_destroyed = true;
}

void RecordingController::OnBoth() { m_calls.push_back(Entry("controller", IDC_TEST_BOTH)); }

void RecordingController::OnControllerOnly() { m_calls.push_back(Entry("controller", IDC_TEST_CONTROLLER_ONLY)); }

void RecordingController::OnCloseWithOne() {
    m_calls.push_back(Entry("controller", IDC_TEST_CLOSE_WITH_ONE));
    auto* dialog = static_cast<FXIModalDlg*>(GetDialog());
    dialog->SetResult(1);
    dialog->CloseDialog();
    m_ranOnAfterClose = true;
    m_windowAliveAfterClose = ::IsWindow(dialog->m_hWnd) && ::IsWindowVisible(dialog->m_hWnd);
}

BEGIN_MESSAGE_MAP(ScriptedDialog, FXIModalDlg)
    ON_COMMAND(IDC_TEST_BOTH, OnBoth)
    ON_COMMAND(IDC_TEST_DIALOG_ONLY, OnDialogOnly)
END_MESSAGE_MAP()

ScriptedDialog::ScriptedDialog(CallLog& calls, FXICtl* controller, Script script, UINT templateId)
    : FXIModalDlg(templateId ? templateId : IDD_TEST_ROUTING, nullptr), m_calls(calls), m_script(std::move(script)) {
    SetController(this, controller);
}

ScriptedDialog::~ScriptedDialog() = default;

BOOL ScriptedDialog::OnInitDialog() {
    FXIModalDlg::OnInitDialog();
    ::SetTimer(m_hWnd, kAbandonTimer, kAbandonAfterMs, &ScriptedDialog::Abandon);
    if (m_script) m_script(*this);
    return TRUE;
}

void ScriptedDialog::OnBoth() { m_calls.push_back(Entry("dialog", IDC_TEST_BOTH)); }

void ScriptedDialog::OnDialogOnly() {
    m_calls.push_back(Entry("dialog", IDC_TEST_DIALOG_ONLY));
    GetWindowRect(&m_rectAtCommand);
}

void ScriptedDialog::Click(int controlId) {
    ::PostMessageA(::GetDlgItem(m_hWnd, controlId), BM_CLICK, 0, 0);
}

void ScriptedDialog::PostKey(UINT message, WPARAM key) {
    ::PostMessageA(m_hWnd, message, key, 0);
}

void CALLBACK ScriptedDialog::Abandon(HWND hWnd, UINT, UINT_PTR, DWORD) {
    ::KillTimer(hWnd, kAbandonTimer);
    ADD_FAILURE() << "the dialog was still open " << kAbandonAfterMs << " ms after its script ran";
    static_cast<ScriptedDialog*>(CWnd::FromHandle(hWnd))->EndDialog(static_cast<int>(kAbandoned));
}

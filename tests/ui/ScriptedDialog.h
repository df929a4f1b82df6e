#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/FXICtl.h"
#include "ui/FXIModalDlg.h"

// Who handled which command, in order: "controller:3001", "dialog:3002".
using CallLog = std::vector<std::string>;

// The test dialog's controller. It maps one command that the dialog maps too, one of its own, and
// one that ends the dialog with 1 from inside its handler.
class RecordingController : public FXICtl {
public:
    explicit RecordingController(CallLog& calls, bool* destroyed = nullptr);
    ~RecordingController() override;

    void OnBoth();
    void OnControllerOnly();
    void OnCloseWithOne();

    CallLog& m_calls;
    bool* m_destroyed;
    // What the close handler saw after its CloseDialog call.
    bool m_ranOnAfterClose = false;
    bool m_windowAliveAfterClose = false;

protected:
    DECLARE_MESSAGE_MAP()
};

// A modal dialog of the framework on the test template. Its script runs at the end of OnInitDialog,
// after the framework has placed the window, and posts the input that the modal loop then handles,
// as a user's clicks and keys would arrive.
class ScriptedDialog : public FXIModalDlg {
public:
    using Script = std::function<void(ScriptedDialog&)>;
    // Result of a dialog that its script failed to end.
    static const INT_PTR kAbandoned = -99;

    ScriptedDialog(CallLog& calls, FXICtl* controller, Script script, UINT templateId = 0);
    ~ScriptedDialog() override;

    BOOL OnInitDialog() override;

    void OnBoth();
    void OnDialogOnly();

    void Click(int controlId);
    void PostKey(UINT message, WPARAM key);

    CallLog& m_calls;
    Script m_script;
    // The window's place when the dialog-only command ran, i.e. once the dialog is up.
    RECT m_rectAtCommand = {};

protected:
    DECLARE_MESSAGE_MAP()

private:
    static void CALLBACK Abandon(HWND hWnd, UINT message, UINT_PTR id, DWORD time);
};

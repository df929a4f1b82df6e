#pragma once
#include "afx/AfxString.h"
#include "afx/CmdTarget.h"

class CWnd;

// Standard command id of the Help command.
constexpr UINT ID_HELP = 0xE146;

// The application object. Exactly one exists, as a global object; constructing it makes it the
// object that the entry point (AfxWinMain) and AfxGetApp find.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // Runs the message loop until a quit request arrives; then ExitInstance's result is the exit code.
    virtual int Run();
    // Returns the process exit code: the parameter of the quit request that ended Run, else 0.
    virtual int ExitInstance();

    void OnHelp();

    // Counted wait cursor: the wait cursor shows while the count is above zero.
    void BeginWaitCursor() { DoWaitCursor(1); }
    void EndWaitCursor() { DoWaitCursor(-1); }
    void RestoreWaitCursor() { DoWaitCursor(0); }
    virtual void DoWaitCursor(int nCode);

    const char* m_pszAppName = nullptr;  // title: caption of every message box
    const char* m_pszExeName = nullptr;  // executable file name without folder and extension
    CWnd* m_pMainWnd = nullptr;
    int m_nWaitCursorCount = 0;

protected:
    DECLARE_MESSAGE_MAP()

private:
    CString m_exeName;
    CString m_appName;
    MSG m_msgCur = {};
};

CWinApp* AfxGetApp();

// The program's entry point behind WinMain: initialise, run and end the application object.
int AfxWinMain();

// Shows a message box captioned with the application title; returns the button pressed.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpContext = 0);

// Keeps the application's wait cursor on for the holder's lifetime.
class CWaitCursor {
public:
    CWaitCursor() { AfxGetApp()->BeginWaitCursor(); }
    ~CWaitCursor() { AfxGetApp()->EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore() { AfxGetApp()->RestoreWaitCursor(); }
};

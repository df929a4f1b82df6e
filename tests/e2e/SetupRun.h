#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "support/Process.h"
#include "support/UiDriver.h"

// One run of setup.exe from a medium folder (its current directory), driven as a person would:
// each call waits for what the person sees next, checks it and presses a button. A window that
// comes where the script expects another, or a box the script did not expect, fails the test
// with the transcript of every window seen.
class SetupRun {
public:
    explicit SetupRun(const std::string& medium);

    // The install dialog, once it shows its greeting.
    HWND WaitForDialog();
    // Presses Next at the greeting and returns the lines of the list of missing components, once
    // the dialog shows it.
    std::vector<std::string> NextToList(HWND dialog);
    // Presses Next, after which the dialog must close: after the list, or at the greeting when
    // nothing is missing (it must not list anything then).
    void NextCloses(HWND dialog);
    // Presses Cancel on the dialog; the question it asks comes next.
    void Cancel(HWND dialog);
    // Waits for the next message box, expects its text, and presses the button (IDYES, IDNO, IDOK).
    void Answer(const std::string& text, int button);
    // Waits for setup.exe to end without showing another window, and returns its exit code.
    DWORD ExitCode();

    testsupport::UiDriver& Ui() { return m_ui; }

private:
    bool CheckEndsInList(HWND dialog) const;

    testsupport::Child m_setup;
    testsupport::UiDriver m_ui;
    bool m_listed = false;
};

// Message box buttons of the Windows headers, named for reading the scripts.
constexpr int kYes = IDYES;
constexpr int kNo = IDNO;
constexpr int kOk = IDOK;

#pragma once
#include <windows.h>

#include <vector>

#include "Screenshots.h"
#include "support/Process.h"
#include "support/UiDriver.h"

// A user who wants the installation: goes through the install dialog with Next, answers every
// question with Yes and every other box with OK, and prints what each window showed. The install
// dialog is photographed at its greeting and at its list of missing components.
class ScriptedUser {
public:
    ScriptedUser(const testsupport::Child& setup, const Screenshots& shots);

    // Returns once setup.exe has ended.
    void Run();

private:
    HWND NextWindow();
    void GoThroughDialog(HWND dialog);
    bool WaitForList(HWND dialog);
    HWND UnansweredBox(HWND dialog) const;
    void Answer(HWND box);
    void Press(HWND window, int id);
    void Photograph(const char* name, HWND window) const;

    const testsupport::Child& m_setup;
    const Screenshots& m_shots;
    testsupport::UiDriver m_ui;
    std::vector<HWND> m_answered;
};

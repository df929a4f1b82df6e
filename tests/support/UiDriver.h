#pragma once
#include "support/Handle.h"

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

constexpr DWORD kWindowTimeoutMs = 15000;

struct ButtonInfo {
    int id = 0;
    std::string text;
    bool enabled = false;
};

// One window the driver found: what it showed then, and what the driver pressed in it.
struct SeenWindow {
    HWND window = nullptr;
    std::string className;
    std::string caption;
    std::string text;                 // message text (static control 65535); empty when there is none
    std::vector<ButtonInfo> buttons;  // the visible push buttons, in tab order
    std::vector<int> pressed;         // ids of the buttons pressed, in order
};

// Drives the top-level windows of one process as a person would: waits for a window to come up,
// reads it and presses its buttons. For the test's own process use it from a second thread
// (DriverThread), since the thread that shows a modal box is inside that box.
// Failures (a window that does not come, a button that cannot be pressed) throw std::runtime_error
// with the transcript so far.
class UiDriver {
public:
    explicit UiDriver(DWORD processId = ::GetCurrentProcessId(), DWORD timeoutMs = kWindowTimeoutMs);
    UiDriver(const UiDriver&) = delete;
    UiDriver& operator=(const UiDriver&) = delete;

    // Waits for a visible top-level window of the process that this driver has not returned
    // before; className and caption, when not empty, must match exactly. Gives up at the timeout,
    // or at once when the process has ended.
    HWND WaitForWindow(const std::string& className = "", const std::string& caption = "");
    HWND WaitForMessageBox(const std::string& caption = "") { return WaitForWindow("#32770", caption); }
    // Waits until the window is destroyed or hidden.
    void WaitGone(HWND window) const;

    std::string Caption(HWND window) const;
    std::string MessageText(HWND window) const;
    std::string ControlText(HWND window, int id) const;
    std::vector<std::string> ListBoxLines(HWND window, int id) const;
    bool IsControlEnabled(HWND window, int id) const;
    bool IsControlVisible(HWND window, int id) const;
    std::vector<int> ButtonIds(HWND window) const;

    // Clicks a visible, enabled button of an enabled window and returns at once: what the button
    // does (often another modal box) happens on the window's own thread.
    void Press(HWND window, int buttonId);

    // Gets rid of the process's open windows the way a person would: Cancel where there is one,
    // else the last button, else the close box; each window once. onlyNew leaves alone the windows
    // already returned. Returns how many it dismissed; each is recorded in Seen().
    int DismissOpenWindows(bool onlyNew);

    const std::vector<SeenWindow>& Seen() const { return m_seen; }
    // One paragraph per window seen, with its caption, text, buttons and what was pressed.
    std::string Transcript() const;

private:
    std::vector<HWND> VisibleWindows() const;
    bool AlreadySeen(HWND window) const;
    SeenWindow& Record(HWND window);
    HWND Control(HWND window, int id) const;
    std::string DescribeOpenWindows() const;
    [[noreturn]] void Fail(const std::string& what) const;

    DWORD m_processId;
    DWORD m_timeoutMs;
    UniqueHandle m_process;
    std::vector<SeenWindow> m_seen;
    std::vector<HWND> m_dismissed;
};

} // namespace testsupport

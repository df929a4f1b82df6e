#include "support/UiDriver.h"

#include <algorithm>
#include <stdexcept>

namespace testsupport {
namespace {

constexpr DWORD kPollMs = 50;
// A window whose thread does not answer within this time counts as hung, so a read never blocks
// the driver for good.
constexpr UINT kMessageTimeoutMs = 5000;
constexpr int kMessageTextId = 0xFFFF;

// Windows show the program's ANSI texts; read them wide (the ANSI forms of some messages return
// UTF-16 across processes under Wine) and convert back, so tests compare the program's own bytes.
std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string narrow(size, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr,
                          nullptr);
    return narrow;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    // No SMTO_ABORTIFHUNG: Wine takes a thread that has not fetched messages for a few seconds (a box
    // whose loop has not started yet) as hung and fails at once; the time limit alone bounds the wait.
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kMessageTimeoutMs, &result))
        throw std::runtime_error("window " + std::to_string(reinterpret_cast<uintptr_t>(window)) +
                                 " did not answer message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window) {
    const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return Narrow(text);
}

std::string ClassName(HWND window) {
    wchar_t name[256];
    const int length = ::GetClassNameW(window, name, 256);
    return Narrow(std::wstring(name, length > 0 ? length : 0));
}

bool IsPushButton(HWND control) {
    if (::lstrcmpiA(ClassName(control).c_str(), "Button") != 0) return false;
    const LONG type = ::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

std::vector<HWND> VisibleButtons(HWND window) {
    std::vector<HWND> buttons;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child) && IsPushButton(child)) buttons.push_back(child);
    return buttons;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

} // namespace

UiDriver::UiDriver(DWORD processId, DWORD timeoutMs) : m_processId(processId), m_timeoutMs(timeoutMs) {
    if (processId != ::GetCurrentProcessId())
        m_process.Reset(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
}

std::vector<HWND> UiDriver::VisibleWindows() const {
    struct Search {
        DWORD processId;
        std::vector<HWND> windows;
    } search{m_processId, {}};
    ::EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && ::IsWindowVisible(window)) s->windows.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

bool UiDriver::AlreadySeen(HWND window) const {
    for (const SeenWindow& seen : m_seen)
        if (seen.window == window) return true;
    return false;
}

SeenWindow& UiDriver::Record(HWND window) {
    const auto found =
        std::find_if(m_seen.begin(), m_seen.end(), [window](const SeenWindow& seen) { return seen.window == window; });
    if (found != m_seen.end()) return *found;
    SeenWindow seen;
    seen.window = window;
    seen.className = ClassName(window);
    seen.caption = Caption(window);
    if (HWND text = ::GetDlgItem(window, kMessageTextId)) seen.text = WindowText(text);
    for (HWND button : VisibleButtons(window))
        seen.buttons.push_back({::GetDlgCtrlID(button), WindowText(button), ::IsWindowEnabled(button) != FALSE});
    m_seen.push_back(seen);
    return m_seen.back();
}

HWND UiDriver::WaitForWindow(const std::string& className, const std::string& caption) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        for (HWND window : VisibleWindows()) {
            if (AlreadySeen(window)) continue;
            if (!className.empty() && ClassName(window) != className) continue;
            if (!caption.empty() && Caption(window) != caption) continue;
            Record(window);
            return window;
        }
        std::string wanted = "a new window";
        if (!className.empty()) wanted += " of class " + className;
        if (!caption.empty()) wanted += " titled " + Quoted(caption);
        if (m_process.IsValid() && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0) {
            DWORD code = 0;
            ::GetExitCodeProcess(m_process.Get(), &code);
            Fail("process " + std::to_string(m_processId) + " ended (exit code " + std::to_string(code) +
                 ") while waiting for " + wanted);
        }
        if (::GetTickCount() - start > m_timeoutMs)
            Fail("no " + wanted.substr(2) + " within " + std::to_string(m_timeoutMs) + " ms");
        ::Sleep(kPollMs);
    }
}

void UiDriver::WaitGone(HWND window) const {
    const DWORD start = ::GetTickCount();
    while (::IsWindow(window) && ::IsWindowVisible(window)) {
        if (::GetTickCount() - start > m_timeoutMs)
            Fail("window " + Quoted(Caption(window)) + " still open after " + std::to_string(m_timeoutMs) + " ms");
        ::Sleep(kPollMs);
    }
}

std::string UiDriver::Caption(HWND window) const {
    // Read without a message: the window's thread may be busy.
    wchar_t caption[1024];
    const int length = ::InternalGetWindowText(window, caption, 1024);
    return Narrow(std::wstring(caption, length > 0 ? length : 0));
}

std::string UiDriver::MessageText(HWND window) const { return ControlText(window, kMessageTextId); }

HWND UiDriver::Control(HWND window, int id) const {
    HWND control = ::GetDlgItem(window, id);
    if (!control) Fail("window " + Quoted(Caption(window)) + " has no control " + std::to_string(id));
    return control;
}

std::string UiDriver::ControlText(HWND window, int id) const { return WindowText(Control(window, id)); }

std::vector<std::string> UiDriver::ListBoxLines(HWND window, int id) const {
    HWND list = Control(window, id);
    const LRESULT count = Send(list, LB_GETCOUNT, 0, 0);
    std::vector<std::string> lines;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Send(list, LB_GETTEXTLEN, i, 0);
        std::wstring line(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        const LRESULT got = Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        line.resize(static_cast<size_t>(got > 0 ? got : 0));
        lines.push_back(Narrow(line));
    }
    return lines;
}

bool UiDriver::IsControlEnabled(HWND window, int id) const { return ::IsWindowEnabled(Control(window, id)) != FALSE; }

bool UiDriver::IsControlVisible(HWND window, int id) const { return ::IsWindowVisible(Control(window, id)) != FALSE; }

std::vector<int> UiDriver::ButtonIds(HWND window) const {
    std::vector<int> ids;
    for (HWND button : VisibleButtons(window)) ids.push_back(::GetDlgCtrlID(button));
    return ids;
}

void UiDriver::Press(HWND window, int buttonId) {
    const std::string where = "button " + std::to_string(buttonId) + " of " + Quoted(Caption(window));
    HWND button = ::GetDlgItem(window, buttonId);
    if (!button || !IsPushButton(button)) Fail("there is no " + where);
    if (!::IsWindowVisible(button)) Fail(where + " is hidden");
    if (!::IsWindowEnabled(button)) Fail(where + " is disabled");
    if (!::IsWindowEnabled(window)) Fail(where + ": the window is disabled (is a modal box open over it?)");
    Record(window).pressed.push_back(buttonId);
    // Posted, not sent: a sent click would wait for the modal box the button may open.
    if (!::PostMessageW(button, BM_CLICK, 0, 0)) Fail("posting a click to " + where);
}

int UiDriver::DismissOpenWindows(bool onlyNew) {
    int dismissed = 0;
    for (HWND window : VisibleWindows()) {
        if (onlyNew && AlreadySeen(window)) continue;
        if (std::find(m_dismissed.begin(), m_dismissed.end(), window) != m_dismissed.end()) continue;
        SeenWindow& seen = Record(window);
        if (!::IsWindowEnabled(window)) continue;  // the box on top of it goes first
        m_dismissed.push_back(window);
        // Cancel where there is one, else Yes (a "really cancel?" question then ends the dialog
        // behind it instead of sending it back), else the last button.
        HWND target = nullptr;
        const auto rank = [](HWND button) {
            const int id = ::GetDlgCtrlID(button);
            return id == IDCANCEL ? 2 : id == IDYES ? 1 : 0;
        };
        for (HWND button : VisibleButtons(window)) {
            if (!::IsWindowEnabled(button)) continue;
            if (!target || rank(button) >= rank(target)) target = button;
        }
        if (target) {
            seen.pressed.push_back(::GetDlgCtrlID(target));
            ::PostMessageW(target, BM_CLICK, 0, 0);
        } else {
            ::PostMessageW(window, WM_CLOSE, 0, 0);
        }
        ++dismissed;
    }
    return dismissed;
}

std::string UiDriver::DescribeOpenWindows() const {
    std::string text;
    for (HWND window : VisibleWindows())
        text += "  " + ClassName(window) + " " + Quoted(Caption(window)) + (AlreadySeen(window) ? " (seen)" : "") + "\n";
    return text.empty() ? "  none\n" : text;
}

std::string UiDriver::Transcript() const {
    std::string text;
    int number = 0;
    for (const SeenWindow& seen : m_seen) {
        text += "window " + std::to_string(++number) + ": " + seen.className + " " + Quoted(seen.caption) + "\n";
        if (!seen.text.empty()) text += "  text: " + Quoted(seen.text) + "\n";
        if (!seen.buttons.empty()) {
            text += "  buttons:";
            for (const ButtonInfo& button : seen.buttons)
                text += " [" + std::to_string(button.id) + " " + Quoted(button.text) + (button.enabled ? "" : " disabled") +
                        "]";
            text += "\n";
        }
        for (int id : seen.pressed) text += "  pressed: " + std::to_string(id) + "\n";
    }
    return text;
}

void UiDriver::Fail(const std::string& what) const {
    throw std::runtime_error(what + "\nopen windows of process " + std::to_string(m_processId) + ":\n" +
                             DescribeOpenWindows() + "seen so far:\n" + (m_seen.empty() ? "  none\n" : Transcript()));
}

} // namespace testsupport

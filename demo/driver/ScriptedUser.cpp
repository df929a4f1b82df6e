#include "ScriptedUser.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "WindowReport.h"

namespace {
const char kDialogCaption[] = "Install Zarvel";
constexpr int kMessageId = 1000;
constexpr int kListId = 1002;
constexpr int kNextId = 1004;
constexpr int kBoxTextId = 0xFFFF;
// Installers run between two windows; the demo's own finish in seconds, but a first Windows
// Installer run in a new prefix can take a good while.
constexpr DWORD kWindowTimeoutMs = 300000;
constexpr DWORD kPollMs = 50;

struct Search {
    DWORD processId;
    HWND except;
    const std::vector<HWND>* answered;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || window == search->except || !::IsWindowVisible(window)) return TRUE;
    if (std::find(search->answered->begin(), search->answered->end(), window) != search->answered->end()) return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

ScriptedUser::ScriptedUser(const testsupport::Child& setup, const Screenshots& shots)
    : m_setup(setup), m_shots(shots), m_ui(setup.Pid(), kWindowTimeoutMs) {}

void ScriptedUser::Run() {
    while (HWND window = NextWindow()) {
        if (m_ui.Caption(window) == kDialogCaption)
            GoThroughDialog(window);
        else
            Answer(window);
    }
}

// The next window setup.exe shows; nullptr once it has ended.
HWND ScriptedUser::NextWindow() {
    try {
        return m_ui.WaitForWindow();
    } catch (const std::runtime_error&) {
        if (m_setup.Wait(0)) return nullptr;
        throw;
    }
}

void ScriptedUser::GoThroughDialog(HWND dialog) {
    m_answered.push_back(dialog);
    ReportWindow(m_ui, dialog, "install dialog, greeting", kMessageId);
    Photograph("1-greeting", dialog);
    Press(dialog, kNextId);
    if (!WaitForList(dialog)) {
        std::printf("  The dialog closed: every component is present.\n");
        return;
    }
    ReportWindow(m_ui, dialog, "install dialog, missing components", kMessageId, m_ui.ListBoxLines(dialog, kListId));
    Photograph("2-missing", dialog);
    Press(dialog, kNextId);
    m_ui.WaitGone(dialog);
}

// Waits for the end of the check after the first Next: true when the dialog lists missing
// components, false when it closed because nothing is missing. A box shown during the check is
// answered on the way.
bool ScriptedUser::WaitForList(HWND dialog) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (!::IsWindow(dialog) || !::IsWindowVisible(dialog)) return false;
        if (HWND box = UnansweredBox(dialog)) {
            Answer(box);
            continue;
        }
        // A dialog that is closing shows the list too, for a moment, but never with a line in it.
        try {
            if (m_ui.IsControlVisible(dialog, kListId) && m_ui.IsControlEnabled(dialog, kNextId) &&
                !m_ui.ListBoxLines(dialog, kListId).empty())
                return true;
        } catch (const std::runtime_error&) {
            // The dialog went away between two reads.
            if (::IsWindow(dialog) && ::IsWindowVisible(dialog)) throw;
            return false;
        }
        if (::GetTickCount() - start > kWindowTimeoutMs)
            throw std::runtime_error("the install dialog neither listed components nor closed");
        ::Sleep(kPollMs);
    }
}

HWND ScriptedUser::UnansweredBox(HWND dialog) const {
    Search search{m_setup.Pid(), dialog, &m_answered, nullptr};
    ::EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ScriptedUser::Answer(HWND box) {
    m_answered.push_back(box);
    ReportWindow(m_ui, box, "message box", kBoxTextId);
    const std::vector<int> buttons = m_ui.ButtonIds(box);
    const auto has = [&](int id) { return std::find(buttons.begin(), buttons.end(), id) != buttons.end(); };
    if (buttons.empty()) throw std::runtime_error("a window without buttons: \"" + m_ui.Caption(box) + "\"");
    Press(box, has(IDYES) ? IDYES : has(IDOK) ? IDOK : buttons.front());
    m_ui.WaitGone(box);
}

void ScriptedUser::Press(HWND window, int id) {
    ReportEntry("pressed", ButtonName(m_ui, window, id));
    m_ui.Press(window, id);
}

void ScriptedUser::Photograph(const char* name, HWND window) const {
    const std::string picture = m_shots.Take(name, window);
    if (!picture.empty()) ReportEntry("screenshot", std::string(name) + ".png");
}

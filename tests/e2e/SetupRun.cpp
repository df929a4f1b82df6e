#include "SetupRun.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "Expected.h"
#include "support/Paths.h"

namespace {
constexpr int kListId = 1002;
constexpr int kNextId = 1004;
// Installers run between two windows: the Windows Installer can take a good while in a prefix.
constexpr DWORD kWindowTimeoutMs = 120000;
constexpr DWORD kPollMs = 50;

bool Shown(HWND window) { return ::IsWindow(window) && ::IsWindowVisible(window); }
}  // namespace

SetupRun::SetupRun(const std::string& medium)
    : m_setup(testsupport::Spawn("\"" + testsupport::JoinPath(medium, "setup.exe") + "\"", medium)),
      m_ui(m_setup.Pid(), kWindowTimeoutMs) {}

HWND SetupRun::WaitForDialog() {
    HWND dialog = m_ui.WaitForWindow("#32770");
    if (m_ui.Caption(dialog) != kDialogCaption)
        throw std::runtime_error("the first window is not the install dialog:\n" + m_ui.Transcript());
    return dialog;
}

std::vector<std::string> SetupRun::NextToList(HWND dialog) {
    m_ui.Press(dialog, kNextId);
    if (!CheckEndsInList(dialog))
        throw std::runtime_error("the install dialog closed instead of listing:\n" + m_ui.Transcript());
    m_listed = true;
    return m_ui.ListBoxLines(dialog, kListId);
}

void SetupRun::NextCloses(HWND dialog) {
    m_ui.Press(dialog, kNextId);
    if (!m_listed && CheckEndsInList(dialog))
        throw std::runtime_error("the install dialog listed components instead of closing:\n" + m_ui.Transcript());
    m_ui.WaitGone(dialog);
}

// After the first Next: true once the dialog lists missing components, false when it closed.
bool SetupRun::CheckEndsInList(HWND dialog) const {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (!Shown(dialog)) return false;
        // A dialog that closes because nothing is missing shows its list for a moment too, but never
        // with a line in it.
        try {
            if (m_ui.IsControlVisible(dialog, kListId) && m_ui.IsControlEnabled(dialog, kNextId) &&
                !m_ui.ListBoxLines(dialog, kListId).empty())
                return true;
        } catch (const std::runtime_error&) {
            // The dialog went away between two reads.
            if (Shown(dialog)) throw;
            return false;
        }
        if (::GetTickCount() - start > kWindowTimeoutMs)
            throw std::runtime_error("the install dialog neither listed nor closed:\n" + m_ui.Transcript());
        ::Sleep(kPollMs);
    }
}

void SetupRun::Cancel(HWND dialog) { m_ui.Press(dialog, IDCANCEL); }

void SetupRun::Answer(const std::string& text, int button) {
    HWND box = m_ui.WaitForMessageBox();
    // The script is lost once a box other than the expected one comes: stop at the first.
    if (m_ui.MessageText(box) != text)
        throw std::runtime_error("expected the box \"" + text + "\", not this one:\n" + m_ui.Transcript());
    m_ui.Press(box, button);
    m_ui.WaitGone(box);
}

DWORD SetupRun::ExitCode() {
    for (;;) {
        try {
            m_ui.WaitForWindow();
        } catch (const std::runtime_error&) {
            if (m_setup.Wait(0)) return m_setup.ExitCode();
            throw;
        }
        ADD_FAILURE() << "setup.exe showed a window the script did not expect:\n" << m_ui.Transcript();
        m_ui.DismissOpenWindows(false);
    }
}

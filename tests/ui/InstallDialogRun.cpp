#include "InstallDialogRun.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/DriverThread.h"

namespace {
const DWORD kPollMs = 20;
}  // namespace

INT_PTR RunInstallDialog(InstallDlg& dialog, const Person& person) {
    const DWORD uiThread = ::GetCurrentThreadId();
    testsupport::UiDriver driver;
    testsupport::DriverThread thread(driver, [&](testsupport::UiDriver& d) {
        try {
            HWND window = d.WaitForWindow("#32770", "Install Zarvel");
            person(d, window);
            d.WaitGone(window);
        } catch (...) {
            // The dialog (and any box over it) ends its modal loop at the quit request.
            ::PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
            throw;
        }
    });
    const INT_PTR result = dialog.DoModalAt(4);
    try {
        thread.Join();
    } catch (const std::exception& failure) {
        ADD_FAILURE() << failure.what();
    }
    MSG quit;
    while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    return result;
}

void WaitUntil(const std::function<bool()>& condition, const std::string& what) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > testsupport::kWindowTimeoutMs)
            throw std::runtime_error("still waiting for " + what + " after " +
                                     std::to_string(testsupport::kWindowTimeoutMs) + " ms");
        ::Sleep(kPollMs);
    }
}

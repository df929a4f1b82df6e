#include <windows.h>

#include "afx/Scoped.h"
#include "app/SetupApp.h"
#include "diag/SystemText.h"
#include "exec/QuotePath.h"

namespace {
const char kAborted[] = "\r\nInstallation aborted!";
}

bool CSetupApp::RunInstaller(const CString& program, const CString& arguments, bool hideWindow) {
    CWaitCursor waitCursor;
    const auto fail = [this](const CString& message) {
        WriteLog("Error:" + message);
        AfxMessageBox(message, MB_ICONERROR);
        return false;
    };

    // The path found only proves that the program exists; Windows resolves it again from the command line.
    char found[512];
    if (SearchPathA(nullptr, program, ".exe", sizeof found, found, nullptr) == 0)
        return fail("File not found:" + program + kAborted);

    const CString commandLine = BuildCommandLine(program, arguments);
    WriteLog("Run installer: " + commandLine);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (hideWindow) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    }
    PROCESS_INFORMATION process = {};
    CString writable = commandLine;
    if (!CreateProcessA(nullptr, writable.GetBuffer(writable.GetLength() + 1), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        const DWORD code = GetLastError();
        return fail(program + "\r\n" + SystemText(code));
    }
    ScopedHandle processHandle(process.hProcess);
    ScopedHandle threadHandle(process.hThread);

    waitCursor.Restore();
    DWORD exitCode = 0;
    if (WaitForSingleObject(processHandle.Get(), INFINITE) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(processHandle.Get(), &exitCode))
        return fail("No valid exit code from::" + program + kAborted);

    CString exitLine;
    exitLine.Format("Installer exit code: %lu", static_cast<unsigned long>(exitCode));
    WriteLog(exitLine);
    return true;
}

bool CSetupApp::RunProgram(const CString& program) { return RunInstaller(program, "", false); }

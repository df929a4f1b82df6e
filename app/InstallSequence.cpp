#include <windows.h>

#include "app/AdminCheck.h"
#include "app/SetupApp.h"
#include "exec/QuotePath.h"
#include "ui/InstallDlg.h"

namespace {
const char kStartBanner[] = "***** Start Zarvel Setup *****";
const char kEndBanner[] = "***** End Zarvel Setup *****";
const char kNotAdministrator[] = "User is not a member of the Administrators group. Installation may fail.";
const char kNoSourceDir[] =
    "Could not read the installation source folder. Installation not completed! \nPlease run this program again";
const char kNotCompleted[] = "Installation not completed! \nPlease run this program again";
const char kPackage[] = "\\Utility\\InstallSetup\\InstallSetup.msi";
const char kProductInstaller[] = "\\Utility\\Install.exe";
const int kCentre = 4;
}  // namespace

BOOL CSetupApp::Stop(int exitCode) {
    // The framework's message loop hands this code on as the process exit code.
    PostQuitMessage(exitCode);
    return -1;
}

BOOL CSetupApp::InitInstance() {
    CWinApp::InitInstance();

    WriteLog("");
    WriteLog("");
    WriteLog(kStartBanner);

    if (!IsUserAdministrator()) AfxMessageBox(kNotAdministrator, MB_ICONINFORMATION);

    InstallDlg dialog;
    const INT_PTR gate = dialog.DoModalAt(kCentre);
    if (gate != 1) return Stop(gate == 0 ? ERROR_INSTALL_USEREXIT : ERROR_INSTALL_FAILURE);

    CWaitCursor waitCursor;

    char sourceBuffer[MAX_PATH];
    const DWORD sourceLength = GetCurrentDirectoryA(MAX_PATH, sourceBuffer);
    if (sourceLength == 0 || sourceLength >= MAX_PATH) {
        WriteLog(kNoSourceDir);
        AfxMessageBox(kNoSourceDir, MB_ICONERROR);
        return Stop(ERROR_INSTALL_FAILURE);
    }
    const CString sourceDir(sourceBuffer);
    WriteLog("Setting install source dir to:" + sourceDir);
    WriteLog("Setup installer in CommonProgramFiles");

    const CString package = QuotePath(sourceDir + kPackage);
    RunInstaller("msiexec", " /i " + package + " /qb", false);
    waitCursor.Restore();

    CString sharedDir;
    if (!PrepareSharedFolder(sourceDir, sharedDir)) return Stop(ERROR_INSTALL_FAILURE);

    if (!InstallPrerequisites(dialog, sourceDir, sharedDir)) return Stop(ERROR_INSTALL_FAILURE);
    waitCursor.Restore();

    if (!IsSourceDirRegistered()) {
        AfxMessageBox(kNotCompleted, MB_ICONERROR);
        return Stop(ERROR_INSTALL_FAILURE);
    }
    waitCursor.Restore();
    RunProgram(sharedDir + kProductInstaller);
    waitCursor.Restore();

    WriteLog("Remove installer from CommonProgramFiles");
    RunInstaller("msiexec", " /x " + package + " /quiet", false);

    WriteLog(kEndBanner);
    return 0;
}

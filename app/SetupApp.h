#pragma once
#include "afx/Afx.h"

class InstallDlg;

// The application object: runs the whole installation from InitInstance.
class CSetupApp : public CWinApp {
public:
    CSetupApp();
    ~CSetupApp() override;

    BOOL InitInstance() override;

    // Install log
    void WriteLog(const CString& text);

    // Platform detection
    int DetectOsVersion();

    // Process runner
    bool RunInstaller(const CString& program, const CString& arguments, bool hideWindow);
    bool RunProgram(const CString& program);

    // Component installers
    bool InstallDotNet(const CString& sourceDir);
    bool InstallMdac(const CString& sourceDir);
    bool InstallIsoView(const CString& sourceDir);
    bool InstallAcrobat(const CString& sourceDir);
    void GrantFullTrust(const CString& folder);
    CString GetFrameworkInstallRoot();

    // Shared folder and product installer
    bool PrepareSharedFolder(const CString& sourceDir, CString& sharedDir);
    bool RegisterSourceDir(const CString& sourceDir);
    bool IsSourceDirRegistered();

    // Prerequisites the dialog found missing: .NET without a question, then the offers, then full
    // trust for a shared folder on a network path. False when an installer could not be run.
    bool InstallPrerequisites(const InstallDlg& dialog, const CString& sourceDir, const CString& sharedDir);

    CString m_logPath;
    int m_osVersion;

protected:
    DECLARE_MESSAGE_MAP()

private:
    bool InstallOffered(const char* question, const char* cancelQuestion,
                        bool (CSetupApp::*installer)(const CString&), const CString& sourceDir);
    // Ends the run early: the process exit code becomes exitCode.
    BOOL Stop(int exitCode);
};

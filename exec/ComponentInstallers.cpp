#include <windows.h>

#include "app/SetupApp.h"
#include "diag/Platform.h"
#include "exec/InstallerPaths.h"
#include "exec/QuotePath.h"

CString AcrobatPackageCode(const CString& languageName) {
    static const struct {
        const char* language;
        const char* package;
    } kPackages[] = {{"sv", "sv"}, {"en", "en"}, {"es", "spa"}, {"nl", "dut"}, {"de", "ger"}, {"it", "ita"}, {"fr", "fre"}};
    for (const auto& entry : kPackages)
        if (languageName.CompareNoCase(entry.language) == 0) return entry.package;
    return "en";
}

CString CaspolPath(const CString& frameworkRoot) {
    CString root = frameworkRoot;
    if (!root.IsEmpty() && root[root.GetLength() - 1] != '\\') root += '\\';
    return root + "v2.0.50727\\caspol.exe";
}

bool CSetupApp::InstallDotNet(const CString& sourceDir) {
    CWaitCursor waitCursor;
    CString program = sourceDir + "\\Utility\\dotnetfx.exe";
    if (m_osVersion == kPlatformWin64) program = sourceDir + "\\Utility\\NetFx64.exe";
    return RunInstaller(program, "/Q", false);
}

bool CSetupApp::InstallMdac(const CString& sourceDir) {
    CWaitCursor waitCursor;
    return RunInstaller(sourceDir + "\\Utility\\mdac_typ.exe", "/Q", false);
}

bool CSetupApp::InstallIsoView(const CString& sourceDir) {
    CWaitCursor waitCursor;
    // Ends a running IsoView engine so its files can be replaced; if that fails the installer still runs.
    RunInstaller(sourceDir + "\\Utility\\PsKill.exe", "IsoEngine.exe", false);
    return RunInstaller(sourceDir + "\\Utility\\isoviewx6.exe", "/qb", false);
}

bool CSetupApp::InstallAcrobat(const CString& sourceDir) {
    CWaitCursor waitCursor;
    char language[100];
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SISO639LANGNAME, language, sizeof language) == 0) language[0] = '\0';
    return RunProgram(sourceDir + "\\Utility\\Acrobat\\" + AcrobatPackageCode(language) + ".EXE");
}

void CSetupApp::GrantFullTrust(const CString& folder) {
    CWaitCursor waitCursor;
    const CString arguments = " -q -ag 1.2 -url " + QuotePath(folder + "\\*") + " FullTrust";
    RunInstaller(CaspolPath(GetFrameworkInstallRoot()), arguments, true);
}

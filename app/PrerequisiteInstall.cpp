#include <windows.h>
#include <shlwapi.h>

#include "app/SetupApp.h"
#include "ui/InstallDlg.h"

namespace {
struct Offer {
    bool InstallDlg::*present;
    const char* question;
    const char* cancelQuestion;
    bool (CSetupApp::*installer)(const CString&);
};

const Offer kOffers[] = {
    {&InstallDlg::m_hasMdac, "MDAC should be installed to run Zarvel properly\nDo you want to install MDAC now?",
     "Do you really wish to cancel the installation of MDAC?", &CSetupApp::InstallMdac},
    {&InstallDlg::m_hasIsoView, "IsoView should be installed to run Zarvel properly\nDo you want to install IsoView now?",
     "Do you really wish to cancel the installation of IsoView?", &CSetupApp::InstallIsoView},
    {&InstallDlg::m_hasAcrobat,
     "Acrobat Reader should be installed to run Zarvel properly\nDo you want to install Acrobat Reader now?",
     "Do you really wish to cancel the installation of Acrobat reader?", &CSetupApp::InstallAcrobat},
};

const UINT kQuestion = MB_ICONQUESTION | MB_YESNO;
}  // namespace

bool CSetupApp::InstallOffered(const char* question, const char* cancelQuestion,
                               bool (CSetupApp::*installer)(const CString&), const CString& sourceDir) {
    // Only a second Yes, to "really cancel", skips the product.
    if (AfxMessageBox(question, kQuestion) != IDYES && AfxMessageBox(cancelQuestion, kQuestion) == IDYES) return true;
    return (this->*installer)(sourceDir);
}

bool CSetupApp::InstallPrerequisites(const InstallDlg& dialog, const CString& sourceDir, const CString& sharedDir) {
    if (!dialog.m_hasDotNet && !InstallDotNet(sourceDir)) return false;

    for (const Offer& offer : kOffers) {
        if (dialog.*offer.present) continue;
        if (!InstallOffered(offer.question, offer.cancelQuestion, offer.installer, sourceDir)) return false;
    }

    if (PathIsNetworkPathA(sharedDir)) GrantFullTrust(sharedDir);
    return true;
}

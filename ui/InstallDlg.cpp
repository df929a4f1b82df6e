#include "ui/InstallDlg.h"

#include "afx/Scoped.h"
#include "afx/WinApp.h"
#include "detect/ModuleVersion.h"
#include "ui/InstallDlgCtl.h"
#include "ui/resource.h"

namespace {
const char kChecking[] = "Checking prerequisites for Zarvel";
const char kMissing[] =
    "The following components must be installed in order to make Zarvel run properly"
    "\n\nIf restart of the computer is required after or during the installation of the components listed below, "
    "restart of the Zarvel installation program (setup.exe) is required.";
const char kCancelQuestion[] = "Do you really wish to cancel the installation of Zarvel?";
const char kDotNetPolicyKey[] = "SOFTWARE\\Microsoft\\.NETFramework\\policy\\v2.0";

// The list's lines, in their order; the runs of blanks line up the word Application.
struct MissingLine {
    bool InstallDlg::*present;
    const char* line;
};
const MissingLine kMissingLines[] = {
    {&InstallDlg::m_hasDotNet, ".Net FrameWork   Application      Data"},
    {&InstallDlg::m_hasMdac, "MDAC                   Application"},
    {&InstallDlg::m_hasIsoView, "IsoView                 Application"},
    {&InstallDlg::m_hasAcrobat, "Acrobat Reader     Application"},
};

// The running program's own file, by its full path: a bare name would be looked up along the
// library search path.
CString OwnProgramFile() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return CString();
    return path;
}
}  // namespace

BEGIN_MESSAGE_MAP(InstallDlg, FXIModalDlg)
END_MESSAGE_MAP()

InstallDlg::InstallDlg()
    : FXIModalDlg(IDD_INSTALL, nullptr), m_hasIsoView(false), m_hasMdac(false), m_hasDotNet(false),
      m_hasAcrobat(false), m_checked(false) {
    SetController(this, new InstallDlgCtl);
}

InstallDlg::~InstallDlg() = default;

BOOL InstallDlg::OnInitDialog() {
    FXIModalDlg::OnInitDialog();
    m_message.SubclassDlgItem(IDC_MESSAGE, this);
    m_missingList.SubclassDlgItem(IDC_MISSING_LIST, this);
    m_missingList.ShowWindow(SW_HIDE);

    FXAModuleVersion version;
    if (version.Load(OwnProgramFile())) {
        CString text;
        m_message.GetWindowText(text);
        CString productVersion = version.GetVersionString("ProductVersion");
        productVersion.Replace(", ", ".");
        const CString copyright = version.GetVersionString("LegalCopyright");
        m_message.SetWindowText(text + "\n\nVersion: " + productVersion + "\n" + copyright);
    }
    return TRUE;
}

void InstallDlg::OnCancel() {
    if (AfxMessageBox(kCancelQuestion, MB_YESNO | MB_ICONQUESTION, 0) == IDYES) FXIModalDlg::OnCancel();
}

void InstallDlg::CheckPrerequisites() {
    m_message.SetWindowText(kChecking);
    GetDlgItem(IDC_NEXT)->EnableWindow(FALSE);

    m_hasIsoView = IsIsoViewInstalled();
    m_hasMdac = IsMdacInstalled();
    {
        ScopedRegKey dotNet;
        m_hasDotNet = dotNet.Open(HKEY_LOCAL_MACHINE, kDotNetPolicyKey, KEY_READ) == ERROR_SUCCESS;
    }
    m_hasAcrobat = IsAcrobatInstalled();

    if (m_hasIsoView && m_hasMdac && m_hasDotNet && m_hasAcrobat) {
        SetResult(1);
        CloseDialog();
    }

    m_message.SetWindowText(kMissing);
    m_missingList.ShowWindow(SW_SHOW);
    for (const MissingLine& entry : kMissingLines)
        if (!(this->*entry.present)) m_missingList.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.line));
    GetDlgItem(IDC_NEXT)->EnableWindow(TRUE);
    m_checked = true;
}

#include "ui/InstallDlgCtl.h"

#include "ui/InstallDlg.h"
#include "ui/resource.h"

IMPLEMENT_DYNAMIC(InstallDlgCtl, FXICtl)

BEGIN_MESSAGE_MAP(InstallDlgCtl, FXICtl)
    ON_COMMAND(IDC_NEXT, OnNext)
END_MESSAGE_MAP()

InstallDlgCtl::~InstallDlgCtl() = default;

void InstallDlgCtl::OnNext() {
    InstallDlg* dialog = static_cast<InstallDlg*>(GetDialog());
    if (!dialog->m_checked) {
        dialog->CheckPrerequisites();
        return;
    }
    dialog->SetResult(1);
    dialog->CloseDialog();
}

#include "ui/FXIModalDlg.h"

IMPLEMENT_DYNAMIC(FXIModalDlg, FXIDlg)

BEGIN_MESSAGE_MAP(FXIModalDlg, FXIDlg)
END_MESSAGE_MAP()

FXIModalDlg::FXIModalDlg(UINT nIDTemplate, CWnd* pParent) : FXIDlg(nIDTemplate, pParent), m_nResult(0) {}

FXIModalDlg::~FXIModalDlg() = default;

void FXIModalDlg::OnCancel() {
    SetResult(0);
    CloseDialog();
}

void FXIModalDlg::CloseDialog() { EndDialog(m_nResult); }

INT_PTR FXIModalDlg::DoModalAt(int position) {
    SetPosition(position);
    return DoModal();
}

void FXIModalDlg::SetResult(int result) { m_nResult = result; }

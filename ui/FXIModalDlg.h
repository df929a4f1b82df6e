#pragma once
#include "ui/FXIDlg.h"

// Modal dialog base: the dialog ends with the result set by SetResult; Cancel ends it with 0.
class FXIModalDlg : public FXIDlg {
    DECLARE_DYNAMIC(FXIModalDlg)
public:
    FXIModalDlg(UINT nIDTemplate, CWnd* pParent);
    ~FXIModalDlg() override;

    void OnCancel() override;
    // Ends the modal loop with m_nResult once the current handler has returned.
    void CloseDialog() override;

    virtual INT_PTR DoModalAt(int position);
    virtual void SetResult(int result);

    int m_nResult;

protected:
    DECLARE_MESSAGE_MAP()
};

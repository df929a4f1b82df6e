#pragma once
#include "afx/Wnd.h"

// A modal dialog from a dialog template resource of the program. DoModal runs the dialog's own
// message loop, so PreTranslateMessage sees every message meant for the dialog and its controls.
class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // The code given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Ends the modal loop with nResult once the current message has been handled.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    DECLARE_MESSAGE_MAP()

    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool IsOwnMessage(const MSG& msg) const;

    bool m_inModalLoop = false;
    int m_nModalResult = -1;
};

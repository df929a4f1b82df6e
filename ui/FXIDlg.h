#pragma once
#include "afx/Dialog.h"
#include "ui/FXIControllerWrapper.h"

// Dialog base: commands go to the controller first, and the dialog places itself at its position
// code when it is created.
class FXIDlg : public CDialog, public FXIControllerWrapper {
    DECLARE_DYNAMIC(FXIDlg)
public:
    FXIDlg(UINT nIDTemplate, CWnd* pParent);
    ~FXIDlg() override;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;

    virtual BOOL ResetPosition();
    virtual void CloseDialog() = 0;
    virtual void SetCaption(const CString& caption);
    // Takes effect when the window is created.
    virtual void SetPosition(int position);
    virtual CWnd* GetParentWnd();

    CWnd* m_pParent;
    int m_nPosition;
    HACCEL m_hAccel;
    UINT m_nTemplateId;

protected:
    DECLARE_MESSAGE_MAP()
};

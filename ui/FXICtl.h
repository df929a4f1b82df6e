#pragma once
#include "afx/CmdTarget.h"

class FXIDlg;

// Base of the dialog controllers: a derived controller maps the dialog's commands in its own message
// map (with this class as base) and reaches its dialog through GetDialog.
class FXICtl : public CCmdTarget {
    DECLARE_DYNAMIC(FXICtl)
public:
    FXICtl();
    ~FXICtl() override;

    FXIDlg* GetDialog() const { return m_pDialog; }
    void SetDialog(FXIDlg* dialog) { m_pDialog = dialog; }

    FXIDlg* m_pDialog;
};

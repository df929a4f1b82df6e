#pragma once
#include "ui/FXICtl.h"

// Handles the install dialog's Next button.
class InstallDlgCtl : public FXICtl {
    DECLARE_DYNAMIC(InstallDlgCtl)
public:
    InstallDlgCtl() = default;
    ~InstallDlgCtl() override;

    void OnNext();

protected:
    DECLARE_MESSAGE_MAP()
};

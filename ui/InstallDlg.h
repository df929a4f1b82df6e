#pragma once
#include "ui/FXIModalDlg.h"

// The install dialog: greets with the program's version, lists the missing prerequisites on the
// first Next and ends with 1 on the second (at once when nothing is missing); a confirmed Cancel
// ends it with 0. Its flags (true: present) stay readable after it has closed.
class InstallDlg : public FXIModalDlg {
public:
    InstallDlg();
    ~InstallDlg() override;

    BOOL OnInitDialog() override;
    void OnCancel() override;

    void CheckPrerequisites();
    bool IsIsoViewInstalled();
    bool IsMdacInstalled();
    bool IsAcrobatInstalled();

    bool m_hasIsoView;
    bool m_hasMdac;
    bool m_hasDotNet;
    bool m_hasAcrobat;
    CStatic m_message;
    CListBox m_missingList;
    bool m_checked;

protected:
    DECLARE_MESSAGE_MAP()
};

#include "ui/FXIDlg.h"

#include "ui/DialogPosition.h"

IMPLEMENT_DYNAMIC(FXIDlg, CDialog)

BEGIN_MESSAGE_MAP(FXIDlg, CDialog)
END_MESSAGE_MAP()

namespace {
const int kCentre = 4;
}

FXIDlg::FXIDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_pParent(pParent), m_nPosition(kCentre), m_hAccel(nullptr),
      m_nTemplateId(nIDTemplate) {}

FXIDlg::~FXIDlg() = default;

BOOL FXIDlg::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (RouteCommand(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL FXIDlg::PreTranslateMessage(MSG* pMsg) {
    if (m_hAccel && pMsg->message >= WM_KEYFIRST && pMsg->message <= 0x108 &&
        TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL FXIDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    RECT window;
    GetWindowRect(&window);
    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const POINT corner = DialogPosition(m_nPosition, workArea, window.right - window.left, window.bottom - window.top);
    SetWindowPos(HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);

    EnableToolTips(TRUE);
    return TRUE;
}

BOOL FXIDlg::ResetPosition() {
    SetPosition(kCentre);
    return TRUE;
}

void FXIDlg::SetCaption(const CString& caption) { SetWindowText(caption); }

void FXIDlg::SetPosition(int position) { m_nPosition = position; }

CWnd* FXIDlg::GetParentWnd() { return m_pParent ? m_pParent : GetOwner(); }

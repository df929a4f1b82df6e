#include "afx/Dialog.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_hWnd) ::DestroyWindow(Detach());
}

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_nModalResult = -1;
    // Set before the window exists, so that an EndDialog from OnInitDialog ends the dialog at once.
    m_inModalLoop = true;
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDHelp), owner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hWnd) {
        m_inModalLoop = false;
        return -1;
    }

    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    if (m_inModalLoop && !::IsWindowVisible(hWnd)) ::ShowWindow(hWnd, SW_SHOWNORMAL);

    MSG msg;
    while (m_inModalLoop) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // A quit request ends the dialog and is handed on to the application's loop.
            if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsOwnMessage(msg) && PreTranslateMessage(&msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    m_inModalLoop = false;

    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    ::DestroyWindow(hWnd);
    DeleteTempMap();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_inModalLoop = false;
    // Wakes the modal loop if it is waiting for a message.
    if (m_hWnd) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    // Tab, Enter and Escape work as in any dialog.
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

bool CDialog::IsOwnMessage(const MSG& msg) const {
    return m_hWnd && (msg.hwnd == m_hWnd || ::IsChild(m_hWnd, msg.hwnd));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        dialog->Attach(hWnd);
        return dialog->OnInitDialog();
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    if (!dialog) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return dialog->OnCommand(wParam, lParam);
    case WM_NCDESTROY:
        dialog->Detach();
        return FALSE;
    default:
        return FALSE;
    }
}

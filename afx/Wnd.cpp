#include "afx/Wnd.h"

#include <map>
#include <memory>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace {
// One user-interface thread: the maps need no lock.
std::map<HWND, CWnd*>& PermanentMap() {
    static std::map<HWND, CWnd*> map;
    return map;
}

std::map<HWND, std::unique_ptr<CWnd>>& TemporaryMap() {
    static std::map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}
}  // namespace

CWnd::~CWnd() {
    if (m_hWnd) Detach();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    const auto permanent = PermanentMap().find(hWnd);
    if (permanent != PermanentMap().end()) return permanent->second;
    auto& slot = TemporaryMap()[hWnd];
    if (!slot) {
        slot.reset(new CWnd);
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

void CWnd::DeleteTempMap() {
    for (const auto& entry : TemporaryMap()) entry.second->m_hWnd = nullptr;
    TemporaryMap().clear();
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!hWnd || m_hWnd) return FALSE;
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd) {
        const auto it = PermanentMap().find(hWnd);
        if (it != PermanentMap().end() && it->second == this) PermanentMap().erase(it);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd)) return FALSE;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    if (!m_pfnSuper) {
        Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!pParent) return FALSE;
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto it = PermanentMap().find(hWnd);
    if (it == PermanentMap().end()) return DefWindowProcA(hWnd, message, wParam, lParam);
    CWnd* wnd = it->second;
    const WNDPROC super = wnd->m_pfnSuper;
    if (message == WM_NCDESTROY) {
        // The window is going: give it back its own procedure and let the object go free of it.
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
        wnd->m_pfnSuper = nullptr;
        wnd->Detach();
    }
    return CallWindowProcA(super, hWnd, message, wParam, lParam);
}

void CWnd::GetWindowText(CString& text) const {
    const int length = ::GetWindowTextLengthA(m_hWnd);
    char* buffer = text.GetBuffer(length + 1);
    const int copied = ::GetWindowTextA(m_hWnd, buffer, length + 1);
    text.ReleaseBuffer(copied > 0 ? copied : 0);
}

CWnd* CWnd::GetOwner() const {
    return m_hWndOwner ? FromHandle(m_hWndOwner) : GetParent();
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Menu and accelerator commands come without a control; both count as plain commands.
    const int code = lParam == 0 ? CN_COMMAND : HIWORD(wParam);
    return OnCmdMsg(LOWORD(wParam), code, nullptr, nullptr);
}

void CListBox::GetText(int index, CString& text) const {
    const LRESULT length = ::SendMessageA(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) {
        text.Empty();
        return;
    }
    char* buffer = text.GetBuffer(static_cast<int>(length) + 1);
    const LRESULT copied = ::SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    text.ReleaseBuffer(copied == LB_ERR ? 0 : static_cast<int>(copied));
}

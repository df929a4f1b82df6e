#pragma once
#include "afx/AfxString.h"
#include "afx/CmdTarget.h"

// A window object attached to a window handle. Objects made by the program are "permanent" and
// found again by FromHandle; other handles get a temporary object owned by the thread.
class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;

    static CWnd* FromHandle(HWND hWnd);
    // Frees the temporary objects that FromHandle made.
    static void DeleteTempMap();

    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Attaches this object to the window and routes the window's messages through it until the
    // window is destroyed.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void GetWindowText(CString& text) const;
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    // The explicitly set owner, else the parent.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner) { m_hWndOwner = owner ? owner->m_hWnd : nullptr; }
    // Tool tips for the child controls; no control of this program supplies a tip text, so only the
    // request is kept.
    BOOL EnableToolTips(BOOL bEnable = TRUE) { m_bToolTips = bEnable; return TRUE; }
    BOOL AreToolTipsEnabled() const { return m_bToolTips; }

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    HWND m_hWnd = nullptr;

protected:
    // Routes WM_COMMAND to the command maps; returns TRUE when a handler took it.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;
    HWND m_hWndOwner = nullptr;
    BOOL m_bToolTips = FALSE;
};

class CStatic : public CWnd {};

class CListBox : public CWnd {
public:
    int AddString(const char* text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int GetCount() const { return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0)); }
    void GetText(int index, CString& text) const;
};

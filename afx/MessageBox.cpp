#include "afx/WinApp.h"

int AfxMessageBox(const char* text, UINT type, UINT helpContext) {
    const CWinApp* app = AfxGetApp();
    MSGBOXPARAMSA params = {};
    params.cbSize = sizeof params;
    // Owned by the thread's active window (an open dialog), so the box is modal to it.
    params.hwndOwner = GetActiveWindow();
    params.lpszText = text;
    params.lpszCaption = app ? app->m_pszAppName : nullptr;
    params.dwStyle = type;
    params.dwContextHelpId = helpContext;
    return MessageBoxIndirectA(&params);
}

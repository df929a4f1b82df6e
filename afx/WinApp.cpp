#include "afx/WinApp.h"

namespace {
CWinApp* g_app = nullptr;

CString ModuleBaseName() {
    char path[MAX_PATH * 2] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return CString();
    CString name(path);
    const int slash = [&] {
        int last = -1;
        for (int i = 0; i < name.GetLength(); ++i)
            if (name[i] == '\\' || name[i] == '/') last = i;
        return last;
    }();
    name = name.Mid(slash + 1);
    int dot = -1;
    for (int i = 0; i < name.GetLength(); ++i)
        if (name[i] == '.') dot = i;
    return dot >= 0 ? name.Left(dot) : name;
}
}  // namespace

CWinApp* AfxGetApp() { return g_app; }

CWinApp::CWinApp(const char* appName)
    : m_exeName(ModuleBaseName()), m_appName(appName ? CString(appName) : m_exeName) {
    m_pszExeName = m_exeName;
    m_pszAppName = m_appName;
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
    // An application without a main window has nothing to wait for; a quit request it already made
    // (with its own exit code) is left to end the loop.
    MSG pending;
    if (!m_pMainWnd && !PeekMessageA(&pending, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) PostQuitMessage(0);
    while (GetMessageA(&m_msgCur, nullptr, 0, 0) > 0) {
        TranslateMessage(&m_msgCur);
        DispatchMessageA(&m_msgCur);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

// The program ships no help file, so the Help command has nothing to open.
void CWinApp::OnHelp() {}

void CWinApp::DoWaitCursor(int nCode) {
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount < 0) m_nWaitCursorCount = 0;
    SetCursor(LoadCursorA(nullptr, m_nWaitCursorCount > 0 ? IDC_WAIT : IDC_ARROW));
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

#include <windows.h>

#include "afx/WinApp.h"

int AfxWinMain() {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    // A zero from InitInstance means "nothing more to do": end without a message loop.
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return AfxWinMain(); }

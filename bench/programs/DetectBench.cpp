// Time of one full prerequisite check (the four tests of the install dialog), in a loop in one process.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "afx/Scoped.h"
#include "app/SetupApp.h"
#include "ui/InstallDlg.h"

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? atoi(argv[1]) : 1000;
    CSetupApp app;
    InstallDlg dialog;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    int present = 0;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i) {
        present = dialog.IsIsoViewInstalled() + dialog.IsMdacInstalled();
        ScopedRegKey dotNet;
        present += dotNet.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework\\policy\\v2.0", KEY_READ) ==
                   ERROR_SUCCESS;
        present += dialog.IsAcrobatInstalled();
    }
    QueryPerformanceCounter(&end);
    const double totalMs = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
    printf("%.4f %d\n", totalMs / rounds, present);
    return 0;
}

// Starts a program under measurement and plays its user, as fast as its windows allow.
//   bench_driver startup <exe> <caption>   ms until a visible window with that caption shows
//   bench_driver run <exe>                 ms of a whole run: Next on the install dialog, Yes/OK on
//                                          every message box; also its peak working set in KiB
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
const int kNext = 1004;
const int kList = 1002;

struct Found {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == found->pid && IsWindowVisible(window)) found->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindows(DWORD pid) {
    Found found = {pid, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

std::string Caption(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * counter.QuadPart / frequency.QuadPart;
}

bool Start(const char* exe, PROCESS_INFORMATION& process) {
    std::string folder(exe);
    const size_t slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? "." : folder.substr(0, slash);
    std::string commandLine = std::string("\"") + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                          &process) != FALSE;
}

int Startup(const char* exe, const char* caption) {
    PROCESS_INFORMATION process = {};
    const double begin = Now();
    if (!Start(exe, process)) return 1;
    double shown = -1;
    while (shown < 0 && WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
        for (HWND window : VisibleWindows(process.dwProcessId))
            if (Caption(window) == caption) shown = Now() - begin;
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (shown < 0) return 1;
    printf("%.1f\n", shown);
    return 0;
}

int Run(const char* exe) {
    PROCESS_INFORMATION process = {};
    const double begin = Now();
    if (!Start(exe, process)) return 1;
    SIZE_T peak = 0;
    std::vector<HWND> handled;
    bool listShown = false;
    int pressesOnDialog = 0;
    while (WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
        PROCESS_MEMORY_COUNTERS memory = {};
        if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory) && memory.PeakWorkingSetSize > peak)
            peak = memory.PeakWorkingSetSize;
        for (HWND window : VisibleWindows(process.dwProcessId)) {
            if (Caption(window) == "Install Zarvel") {
                HWND next = GetDlgItem(window, kNext);
                const bool listVisible = IsWindowVisible(GetDlgItem(window, kList)) != FALSE;
                // One press per stage: the greeting, then the list of missing components.
                if (next && IsWindowEnabled(next) && pressesOnDialog == (listShown ? 1 : 0)) {
                    Press(window, kNext);
                    ++pressesOnDialog;
                }
                if (listVisible) listShown = true;
                continue;
            }
            const bool seen = std::find(handled.begin(), handled.end(), window) != handled.end();
            if (seen || (!GetDlgItem(window, IDOK) && !GetDlgItem(window, IDYES))) continue;
            Press(window, GetDlgItem(window, IDYES) ? IDYES : IDOK);
            handled.push_back(window);
        }
    }
    const double elapsed = Now() - begin;
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    printf("%.1f %lu %lu\n", elapsed, static_cast<unsigned long>(peak / 1024), static_cast<unsigned long>(exitCode));
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && strcmp(argv[1], "startup") == 0) return Startup(argv[2], argv[3]);
    if (argc == 3 && strcmp(argv[1], "run") == 0) return Run(argv[2]);
    fprintf(stderr, "usage: bench_driver startup <exe> <caption> | run <exe>\n");
    return 2;
}

// The launcher floor: starts each command line of a file in turn and waits for it, nothing else.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: bench_floor_launcher <file with one command line per line>\n");
        return 2;
    }
    FILE* list = fopen(argv[1], "r");
    if (!list) {
        fprintf(stderr, "cannot open %s\n", argv[1]);
        return 2;
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    char line[4096];
    int started = 0;
    while (fgets(line, sizeof line, list)) {
        line[strcspn(line, "\r\n")] = '\0';
        if (!line[0]) continue;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            fprintf(stderr, "cannot start: %s (error %lu)\n", line, GetLastError());
            return 1;
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ++started;
    }
    fclose(list);
    QueryPerformanceCounter(&end);
    printf("%.1f %d\n", 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart, started);
    return 0;
}

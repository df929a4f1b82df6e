// usage: hardening_holder <file> <share mode> <event name>
// Opens the file for reading with the share mode (a number, FILE_SHARE_* flags), creating it when
// it is missing, signals the named event, and keeps the file open until the process is ended.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const DWORD share = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 0));
    HANDLE file = ::CreateFileA(argv[1], GENERIC_READ, share, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    if (!ready || !::SetEvent(ready)) {
        ::CloseHandle(file);
        return 4;
    }
    // Holds both handles until the test ends the process.
    for (;;) ::Sleep(INFINITE);
}

// Holds a file open the way a viewer or another program would, until told to let go.
//   LogHolder <file> shared|exclusive <ready event> <release event>
// shared: read access, others may read and write; exclusive: read access, no sharing.
// Signals the ready event once the file is open, then waits for the release event (at most a
// minute, so a failed test leaves nothing behind). Exit code 0, or 1 when the file did not open.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc != 5) return 2;
    const DWORD share = std::strcmp(__argv[2], "shared") == 0 ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    HANDLE file = ::CreateFileA(__argv[1], GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, __argv[3]);
    HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, __argv[4]);
    if (ready) ::SetEvent(ready);
    if (release) ::WaitForSingleObject(release, 60000);
    ::CloseHandle(file);
    if (ready) ::CloseHandle(ready);
    if (release) ::CloseHandle(release);
    return 0;
}

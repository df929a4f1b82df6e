// The user side of tools/demo: starts setup.exe with this program's current folder (the medium)
// and waits for its end. Scripted (the default), it goes through the whole installation as a
// person who wants it would and prints every window it saw; with --wait a person at the display
// does that. Lines starting with '@' are for tools/demo: "@shot ..." asks for a screenshot,
// "@exit <code>" gives setup.exe's exit code in full (a Wine program's exit status reaches Linux
// cut to 8 bits).
//
// usage: zarvel-demo-driver [--wait] <setup.exe> [<folder for screenshots>]
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "ScriptedUser.h"
#include "Screenshots.h"
#include "support/Process.h"

int main(int argc, char** argv) {
    const bool scripted = !(argc > 1 && std::strcmp(argv[1], "--wait") == 0);
    const int first = scripted ? 1 : 2;
    if (argc - first < 1 || argc - first > 2) {
        std::fprintf(stderr, "usage: zarvel-demo-driver [--wait] <setup.exe> [<folder for screenshots>]\n");
        return 2;
    }
    char setup[MAX_PATH];
    const DWORD length = ::GetFullPathNameA(argv[first], MAX_PATH, setup, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        std::fprintf(stderr, "zarvel-demo-driver: cannot resolve %s\n", argv[first]);
        return 2;
    }
    const Screenshots shots(argc - first == 2 ? argv[first + 1] : "");
    try {
        const testsupport::Child process = testsupport::Spawn("\"" + std::string(setup) + "\"");
        std::printf("Started %s\n\n", setup);
        std::fflush(stdout);
        if (scripted) {
            ScriptedUser user(process, shots);
            user.Run();
        } else {
            process.Wait(INFINITE);
        }
        std::printf("@exit %lu\n", static_cast<unsigned long>(process.ExitCode()));
        std::fflush(stdout);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zarvel-demo-driver: %s\n", error.what());
        return 1;
    }
}

// A program that only has to exist and run to its end: the IsoView engine, the Acrobat Reader
// server, caspol and PsKill of the demo medium.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}

// A program on the framework's entry point. Its InitInstance ends as its command line says:
//   EntryProgram return <n>           returns n
//   EntryProgram quit <code> <n>      asks the message loop to quit with code, then returns n
// Each framework call it sees is appended, one per line, to the file named by ENTRY_TRACE_FILE.
#include "afx/WinApp.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Trace(const char* call) {
    const char* path = std::getenv("ENTRY_TRACE_FILE");
    if (!path) return;
    if (FILE* file = std::fopen(path, "ab")) {
        std::fprintf(file, "%s\n", call);
        std::fclose(file);
    }
}

class EntryApp : public CWinApp {
public:
    BOOL InitInstance() override {
        Trace("InitInstance");
        if (__argc == 3 && std::strcmp(__argv[1], "return") == 0) return std::atoi(__argv[2]);
        if (__argc == 4 && std::strcmp(__argv[1], "quit") == 0) {
            ::PostQuitMessage(std::atoi(__argv[2]));
            return std::atoi(__argv[3]);
        }
        Trace("bad command line");
        return 0;
    }
    int Run() override {
        Trace("Run");
        return CWinApp::Run();
    }
    int ExitInstance() override {
        Trace("ExitInstance");
        return CWinApp::ExitInstance();
    }
};

EntryApp entryApp;

} // namespace

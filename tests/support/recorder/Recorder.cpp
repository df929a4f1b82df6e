// Stands in for every outside program the setup starts. Each run appends one tab-separated line to
// the file named by RECORDER_FILE: its file name, its command line, the STARTUPINFO show flags it
// got, its current directory and, with RECORDER_WINDOW, whether its window came up visible under
// the show command it was started with.
// Exit code: RECORDER_EXIT_<NAME>, else RECORDER_EXIT, else 0; RECORDER_CRASH_<NAME>=1 crashes it.
#include <windows.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string Env(const std::string& name) {
    char buffer[32 * 1024];
    const DWORD length = ::GetEnvironmentVariableA(name.c_str(), buffer, sizeof buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string ModuleFileName() {
    char path[MAX_PATH * 2];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string full(path, length);
    const size_t slash = full.find_last_of("\\/");
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

std::string WithoutExtension(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool ShowsVisibleWindow(const std::string& title, int show) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ZarvelRecorder";
    ::RegisterClassA(&windowClass);
    HWND window = ::CreateWindowA("ZarvelRecorder", title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  320, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return false;
    // The C runtime derives the show command from the starter's STARTUPINFO, as for any program;
    // Wine's SW_SHOWDEFAULT does not consult STARTUPINFO, so the command is passed on as is.
    ::ShowWindow(window, show);
    const bool visible = ::IsWindowVisible(window) != FALSE;
    ::DestroyWindow(window);
    return visible;
}

// Several recorders may run at once (a setup starting programs in parallel), and a reader may have
// the file open: open with sharing and try again for a short while.
void AppendLine(const std::string& path, const std::string& line) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        HANDLE file = ::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            ::CloseHandle(file);
            return;
        }
        ::Sleep(50);
    }
}

UINT ExitCode(const std::string& base) {
    std::string value = Env("RECORDER_EXIT_" + base);
    if (value.empty()) value = Env("RECORDER_EXIT");
    return static_cast<UINT>(std::strtoul(value.c_str(), nullptr, 0));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    const std::string program = ModuleFileName();
    const std::string name = WithoutExtension(program);
    const std::string base = UpperCase(name);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    char dir[MAX_PATH * 2];
    const DWORD dirLength = ::GetCurrentDirectoryA(sizeof dir, dir);

    std::string line = program + "\t" + ::GetCommandLineA() + "\t" + std::to_string(startup.dwFlags) + "\t" +
                       std::to_string(startup.wShowWindow) + "\t" + std::string(dir, dirLength);
    if (!Env("RECORDER_WINDOW").empty()) line += ShowsVisibleWindow("recorder " + name, show) ? "\t1" : "\t0";

    const std::string file = Env("RECORDER_FILE");
    if (!file.empty()) AppendLine(file, line + "\r\n");

    if (Env("RECORDER_CRASH_" + base) == "1") {
        // Through a volatile the compiler emits a real store rather than a trap instruction.
        volatile uintptr_t address = 0;
        // cppcheck-suppress nullPointer
        *reinterpret_cast<volatile int*>(address) = 0;
    }
    return static_cast<int>(ExitCode(base));
}

#include "UnixTools.h"

#include <windows.h>

#include <stdexcept>

namespace apptest {
namespace {

std::wstring Ansi2Wide(const std::string& text) {
    const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(size > 0 ? size - 1 : 0, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
    return wide;
}

}  // namespace

std::string UnixPathOf(const std::string& windowsPath) {
    typedef char*(CDECL * Converter)(const WCHAR*);
    // The checker takes the calling convention in the pointer type for a C-style cast.
    // cppcheck-suppress cstyleCast
    const auto convert = reinterpret_cast<Converter>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!convert) throw std::runtime_error("not running under Wine: no wine_get_unix_file_name");
    const auto wide = Ansi2Wide(windowsPath);
    char* path = convert(wide.c_str());
    if (!path) throw std::runtime_error("no host path for " + windowsPath);
    std::string result(path);
    HeapFree(GetProcessHeap(), 0, path);
    return result;
}

std::string UnixPrefix() {
    const std::string drive = UnixPathOf("C:\\");
    const size_t devices = drive.rfind("/dosdevices/");
    if (devices == std::string::npos) throw std::runtime_error("unexpected host path of C:\\: " + drive);
    return drive.substr(0, devices);
}

void RunHostCommand(const std::vector<std::string>& arguments) {
    // Wine's own way to run a host program and wait for it: a host process started through
    // CreateProcess gets no handle to wait on.
    using Spawn = NTSTATUS(WINAPI*)(char* const argv[], int wait);
    const auto spawn = reinterpret_cast<Spawn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll"), "__wine_unix_spawnvp")));
    if (!spawn) throw std::runtime_error("not running under Wine: no __wine_unix_spawnvp");
    std::vector<std::string> copies = arguments;
    std::vector<char*> argv;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const NTSTATUS status = spawn(argv.data(), TRUE);
    if (status != 0) {
        std::string commandLine;
        for (const std::string& argument : arguments) commandLine += " " + argument;
        throw std::runtime_error("host command failed with " + std::to_string(status) + ":" + commandLine);
    }
}

Immutable::Immutable(const std::string& windowsPath) : m_unixPath(UnixPathOf(windowsPath)) {
    RunHostCommand({"/usr/bin/chattr", "+i", m_unixPath});
}

Immutable::~Immutable() {
    try {
        RunHostCommand({"/usr/bin/chattr", "-i", m_unixPath});
    } catch (const std::exception&) {
        // Nothing left to do: the folder stays immutable, and the next run's cleanup reports it.
    }
}

}  // namespace apptest

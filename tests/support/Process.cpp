#include "support/Process.h"

#include "support/Error.h"

#include <cstring>

namespace testsupport {
namespace {

bool SameName(const std::string& entry, const std::string& name) {
    return entry.size() > name.size() && entry[name.size()] == '=' &&
           ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, entry.c_str(), static_cast<int>(name.size()),
                            name.c_str(), static_cast<int>(name.size())) == CSTR_EQUAL;
}

// The caller's environment with extraEnv applied, as a CreateProcess environment block.
std::string EnvironmentBlock(const Environment& extraEnv) {
    std::vector<std::string> entries;
    if (char* strings = ::GetEnvironmentStringsA()) {
        for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1) entries.emplace_back(entry);
        ::FreeEnvironmentStringsA(strings);
    }
    for (const auto& [name, value] : extraEnv) {
        bool replaced = false;
        for (std::string& entry : entries) {
            if (SameName(entry, name)) {
                entry = name + "=" + value;
                replaced = true;
            }
        }
        if (!replaced) entries.push_back(name + "=" + value);
    }
    std::string block;
    for (const std::string& entry : entries) block += entry + '\0';
    block += '\0';
    return block;
}

} // namespace

Child::~Child() { Kill(); }

Child& Child::operator=(Child&& other) noexcept {
    if (this != &other) {
        Kill();
        m_process = std::move(other.m_process);
        m_pid = other.m_pid;
    }
    return *this;
}

bool Child::Running() const { return ExitCode() == STILL_ACTIVE; }

bool Child::Wait(DWORD timeoutMs) const {
    return m_process.IsValid() && ::WaitForSingleObject(m_process.Get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD Child::ExitCode() const {
    DWORD code = 0;
    if (!m_process.IsValid() || !::GetExitCodeProcess(m_process.Get(), &code)) ThrowWin32Error("GetExitCodeProcess");
    return code;
}

void Child::Kill() {
    if (!m_process.IsValid()) return;
    if (::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.Get(), ERROR_PROCESS_ABORTED);
        ::WaitForSingleObject(m_process.Get(), 5000);
    }
}

Child Spawn(const std::string& commandLine, const std::string& currentDir, const Environment& extraEnv, int show) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (show != kDefaultShow) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(show);
    }
    std::string environment = EnvironmentBlock(extraEnv);
    std::string mutableCommandLine = commandLine;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(nullptr, mutableCommandLine.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                          currentDir.empty() ? nullptr : currentDir.c_str(), &startup, &process))
        ThrowWin32Error("starting " + commandLine);
    ::CloseHandle(process.hThread);
    return Child(UniqueHandle(process.hProcess), process.dwProcessId);
}

} // namespace testsupport

#pragma once
#include "support/Handle.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

constexpr DWORD kChildTimeoutMs = 30000;

// A started program. A child still running when this goes away is terminated, so a failed test
// leaves no process behind in the shared prefix.
class Child {
public:
    Child(UniqueHandle process, DWORD pid) : m_process(std::move(process)), m_pid(pid) {}
    ~Child();
    Child(Child&&) noexcept = default;
    Child& operator=(Child&& other) noexcept;

    DWORD Pid() const { return m_pid; }
    HANDLE Handle() const { return m_process.Get(); }
    bool Running() const;
    // True when the child ended within the time.
    bool Wait(DWORD timeoutMs = kChildTimeoutMs) const;
    // STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    void Kill();

private:
    UniqueHandle m_process;
    DWORD m_pid;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

constexpr int kDefaultShow = -1;

// Starts commandLine with CreateProcess. currentDir empty: the caller's. extraEnv: variables set
// (or replaced) on top of the caller's environment. show other than kDefaultShow: started with
// STARTF_USESHOWWINDOW and that SW_ value.
Child Spawn(const std::string& commandLine, const std::string& currentDir = "", const Environment& extraEnv = {},
            int show = kDefaultShow);

} // namespace testsupport

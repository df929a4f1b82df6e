#include "HeldFile.h"

#include <atomic>
#include <stdexcept>

#include "support/Error.h"
#include "support/Paths.h"

namespace {

const DWORD kReadyTimeoutMs = 15000;

std::string HolderExe() { return testsupport::JoinPath(testsupport::WinPath(HARDENING_PROGRAMS_DIR), "hardening_holder.exe"); }

std::string UniqueEventName() {
    static std::atomic<unsigned> counter{0};
    return "Local\\zarvel-hardening-held-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++);
}

testsupport::Child StartHolder(const std::string& path, DWORD shareMode) {
    const std::string eventName = UniqueEventName();
    testsupport::UniqueHandle ready(::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
    if (!ready.IsValid()) testsupport::ThrowWin32Error("CreateEvent " + eventName);
    testsupport::Child holder = testsupport::Spawn("\"" + HolderExe() + "\" \"" + path + "\" " +
                                                   std::to_string(shareMode) + " " + eventName);
    const HANDLE waits[] = {ready.Get(), holder.Handle()};
    if (::WaitForMultipleObjects(2, waits, FALSE, kReadyTimeoutMs) != WAIT_OBJECT_0)
        throw std::runtime_error("the holder could not open " + path + " (exit code " +
                                 std::to_string(holder.ExitCode()) + ")");
    return holder;
}

} // namespace

HeldFile::HeldFile(const std::string& path, DWORD shareMode) : m_holder(StartHolder(path, shareMode)) {}

HeldFile::~HeldFile() { m_holder.Kill(); }

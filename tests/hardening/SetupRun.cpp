#include "SetupRun.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "support/Paths.h"
#include "support/UiDriver.h"

namespace {

const int kMessageControl = 1000;

} // namespace

std::string VersionEntry(const std::string& program, const char* entry) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(program.c_str(), &ignored);
    std::vector<char> block(size);
    if (size == 0 || !::GetFileVersionInfoA(program.c_str(), 0, size, block.data()))
        throw std::runtime_error(program + " has no version resource");
    void* translation = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &translation, &length) || length < 4)
        throw std::runtime_error(program + " has no translation");
    const WORD* ids = static_cast<const WORD*>(translation);
    char path[128];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", ids[0], ids[1], entry);
    void* value = nullptr;
    if (!::VerQueryValueA(block.data(), path, &value, &length) || !value)
        throw std::runtime_error(program + " has no " + entry);
    return static_cast<const char*>(value);
}

std::string Dotted(std::string version) {
    for (size_t at = version.find(", "); at != std::string::npos; at = version.find(", ", at + 1))
        version.replace(at, 2, ".");
    return version;
}

std::string BuiltSetupExe() { return testsupport::JoinPath(testsupport::BinDir(), "setup.exe"); }

GreetingRun GreetAndCancel(const std::string& folder, const testsupport::Environment& environment) {
    const std::string program = testsupport::JoinPath(folder, "setup.exe");
    testsupport::Child setup = testsupport::Spawn("\"" + program + "\"", folder, environment);
    testsupport::UiDriver driver(setup.Pid());
    GreetingRun run{};
    HWND dialog = driver.WaitForWindow("#32770", "Install Zarvel");
    run.greeting = driver.ControlText(dialog, kMessageControl);
    driver.Press(dialog, IDCANCEL);
    HWND question = driver.WaitForMessageBox();
    run.cancelQuestion = driver.MessageText(question);
    driver.Press(question, IDYES);
    if (!setup.Wait()) throw std::runtime_error("setup.exe did not end after the cancel:\n" + driver.Transcript());
    run.exitCode = setup.ExitCode();
    return run;
}

std::string FullGreetingOf(const std::string& program) {
    return "Install Zarvel Application\n\nVersion: " + Dotted(VersionEntry(program, "ProductVersion")) + "\n" +
           VersionEntry(program, "LegalCopyright");
}

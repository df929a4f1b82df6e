#include "Expected.h"

#include <utility>

#include "DemoInstallCleanup.h"
#include "support/Paths.h"

const char kDialogCaption[] = "Install Zarvel";
const char kGreetingStart[] = "Install Zarvel Application\n\nVersion: ";
const std::vector<std::string> kAllComponentsMissing = {
    ".Net FrameWork   Application      Data",
    "MDAC                   Application",
    "IsoView                 Application",
    "Acrobat Reader     Application",
};
const char kReallyCancelZarvel[] = "Do you really wish to cancel the installation of Zarvel?";

const Offer kMdacOffer = {"MDAC", "MDAC should be installed to run Zarvel properly\nDo you want to install MDAC now?",
                          "Do you really wish to cancel the installation of MDAC?"};
const Offer kIsoViewOffer = {"IsoView",
                             "IsoView should be installed to run Zarvel properly\nDo you want to install IsoView now?",
                             "Do you really wish to cancel the installation of IsoView?"};
const Offer kAcrobatOffer = {
    "Acrobat Reader",
    "Acrobat Reader should be installed to run Zarvel properly\nDo you want to install Acrobat Reader now?",
    "Do you really wish to cancel the installation of Acrobat reader?"};

namespace {
const char kPackage[] = "Utility\\InstallSetup\\InstallSetup.msi";
}

std::string Lines(const Entries& entries) {
    std::string lines;
    for (const std::string& entry : entries) {
        for (char c : entry) lines += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
        lines += '\n';
    }
    return lines;
}

std::string CommandPath(const std::string& path) {
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

ExpectedRun::ExpectedRun(std::string platformLine, std::string medium)
    : m_platformLine(std::move(platformLine)), m_medium(std::move(medium)) {}

std::string ExpectedRun::OnMedium(const std::string& relName) const { return testsupport::JoinPath(m_medium, relName); }

ExpectedRun& ExpectedRun::Add(const std::string& entry) {
    m_entries.push_back(entry);
    return *this;
}

ExpectedRun& ExpectedRun::Start() {
    return Add(m_platformLine).Add("").Add("").Add("***** Start Zarvel Setup *****");
}

ExpectedRun& ExpectedRun::Ran(const std::string& commandLine) {
    return Add("Run installer: " + commandLine).Add("Installer exit code: 0");
}

ExpectedRun& ExpectedRun::PackageAndSharedFolder() {
    Add("Setting install source dir to:" + m_medium).Add("Setup installer in CommonProgramFiles");
    Ran("msiexec  /i " + CommandPath(OnMedium(kPackage)) + " /qb");
    return Add("Detected common programs dir to: " + SharedFolder());
}

// A 64-bit process is not a WOW64 one, so the setup under test picks dotnetfx.exe, not NetFx64.exe.
ExpectedRun& ExpectedRun::DotNet() { return Ran(CommandPath(OnMedium("Utility\\dotnetfx.exe")) + " /Q"); }

ExpectedRun& ExpectedRun::Mdac() { return Ran(CommandPath(OnMedium("Utility\\mdac_typ.exe")) + " /Q"); }

ExpectedRun& ExpectedRun::IsoView() {
    Ran(CommandPath(OnMedium("Utility\\PsKill.exe")) + " IsoEngine.exe");
    return Ran(CommandPath(OnMedium("Utility\\isoviewx6.exe")) + " /qb");
}

// The tests run in the C locale (see CMakeLists.txt), whose language is English.
ExpectedRun& ExpectedRun::Acrobat() { return Ran(CommandPath(OnMedium("Utility\\Acrobat\\en.EXE"))); }

ExpectedRun& ExpectedRun::Finish() {
    Ran(CommandPath(SharedFolder() + "\\Utility\\Install.exe"));
    Add("Remove installer from CommonProgramFiles");
    Ran("msiexec  /x " + CommandPath(OnMedium(kPackage)) + " /quiet");
    return Add("***** End Zarvel Setup *****");
}

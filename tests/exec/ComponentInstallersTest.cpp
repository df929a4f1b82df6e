#include "ExecTest.h"
#include "Medium.h"

#include "diag/Platform.h"

#include <string>
#include <vector>

using namespace testsupport;

namespace {

const char kAborted[] = "\r\nInstallation aborted!";

using Installer = bool (CSetupApp::*)(const CString&);

// A medium of recorders at <scratch>\medium, and the platform code put back afterwards.
class ComponentInstaller : public ExecTest {
protected:
    ComponentInstaller() : m_medium(MakeMedium(m_scratch, "medium")), m_savedPlatform(App().m_osVersion) {}
    ~ComponentInstaller() override { App().m_osVersion = m_savedPlatform; }

    bool Install(Installer installer, const std::string& sourceDir, size_t expectedBoxes = 0,
                 std::vector<ShownBox>* boxes = nullptr) {
        bool result = false;
        auto shown = Answering(expectedBoxes, [&] { result = (App().*installer)(sourceDir.c_str()); });
        if (boxes) *boxes = shown;
        return result;
    }
    void Remove(const std::string& relName) const {
        ASSERT_TRUE(::DeleteFileA((m_medium + "\\" + relName).c_str())) << relName;
    }

    const std::string m_medium;

private:
    const int m_savedPlatform;
};

struct InstallerCase {
    const char* name;
    Installer installer;
    int platform;
    const char* program;  // below the medium
    const char* arguments;
};

std::ostream& operator<<(std::ostream& out, const InstallerCase& c) { return out << c.name; }

const InstallerCase kInstallers[] = {
    {"DotNetUnknownPlatform", &CSetupApp::InstallDotNet, kPlatformUnknown, "Utility\\dotnetfx.exe", "/Q"},
    {"DotNetXp", &CSetupApp::InstallDotNet, kPlatformWinXp, "Utility\\dotnetfx.exe", "/Q"},
    {"DotNetLonghorn", &CSetupApp::InstallDotNet, kPlatformWinLh, "Utility\\dotnetfx.exe", "/Q"},
    {"DotNet64Bit", &CSetupApp::InstallDotNet, kPlatformWin64, "Utility\\NetFx64.exe", "/Q"},
    {"Mdac", &CSetupApp::InstallMdac, kPlatformWinXp, "Utility\\mdac_typ.exe", "/Q"},
    {"Mdac64Bit", &CSetupApp::InstallMdac, kPlatformWin64, "Utility\\mdac_typ.exe", "/Q"},
};

class SingleInstaller : public ComponentInstaller, public ::testing::WithParamInterface<InstallerCase> {
protected:
    void ExpectRunFrom(const std::string& sourceDir) {
        const InstallerCase& c = GetParam();
        App().m_osVersion = c.platform;

        EXPECT_TRUE(Install(c.installer, sourceDir));

        const std::string commandLine = sourceDir + "\\" + c.program + " " + c.arguments;
        const auto records = Records();
        ASSERT_EQ(1u, records.size());
        EXPECT_EQ(std::string(c.program).substr(std::string(c.program).find_last_of('\\') + 1), records[0].program);
        EXPECT_EQ(commandLine, records[0].commandLine);
        EXPECT_EQ(0u, records[0].flags & STARTF_USESHOWWINDOW);
        EXPECT_EQ((std::vector<std::string>{"Run installer: " + commandLine, "Installer exit code: 0"}), LogEntries());
    }
};

TEST_P(SingleInstaller, RunsItsProgramFromTheMedium) { ExpectRunFrom(m_medium); }

TEST_P(SingleInstaller, SourceEndingInABackslashDoublesIt) { ExpectRunFrom(m_medium + "\\"); }

TEST_P(SingleInstaller, NonZeroExitCodeStillSucceeds) {
    const ScopedEnv exit("RECORDER_EXIT", "1603");
    App().m_osVersion = GetParam().platform;

    EXPECT_TRUE(Install(GetParam().installer, m_medium));

    EXPECT_EQ(1u, Records().size());
    const auto log = LogEntries();
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ("Installer exit code: 1603", log[1]);
}

TEST_P(SingleInstaller, MissingFromTheMediumIsShownAndFails) {
    App().m_osVersion = GetParam().platform;
    Remove(GetParam().program);
    const std::string message = "File not found:" + m_medium + "\\" + GetParam().program + kAborted;

    std::vector<ShownBox> boxes;
    EXPECT_FALSE(Install(GetParam().installer, m_medium, 1, &boxes));

    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(message, boxes[0].text);
    EXPECT_EQ(std::vector<std::string>{"Error:" + message}, boxes[0].logWhenShown);
    // Installer and runner each hold the wait cursor while the box is up.
    EXPECT_EQ(3, boxes[0].waitCursorWhenShown);
    EXPECT_TRUE(Records().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, SingleInstaller, ::testing::ValuesIn(kInstallers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComponentInstaller, IsoViewEndsTheEngineThenInstalls) {
    const std::string psKill = m_medium + "\\Utility\\PsKill.exe IsoEngine.exe";
    const std::string isoView = m_medium + "\\Utility\\isoviewx6.exe /qb";

    EXPECT_TRUE(Install(&CSetupApp::InstallIsoView, m_medium));

    const auto records = Records();
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ("PsKill.exe", records[0].program);
    EXPECT_EQ(psKill, records[0].commandLine);
    EXPECT_EQ("isoviewx6.exe", records[1].program);
    EXPECT_EQ(isoView, records[1].commandLine);
    for (const auto& record : records) EXPECT_EQ(0u, record.flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ((std::vector<std::string>{"Run installer: " + psKill, "Installer exit code: 0",
                                        "Run installer: " + isoView, "Installer exit code: 0"}),
              LogEntries());
}

TEST_F(ComponentInstaller, IsoViewSourceEndingInABackslashDoublesIt) {
    EXPECT_TRUE(Install(&CSetupApp::InstallIsoView, m_medium + "\\"));

    const auto records = Records();
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ(m_medium + "\\\\Utility\\PsKill.exe IsoEngine.exe", records[0].commandLine);
    EXPECT_EQ(m_medium + "\\\\Utility\\isoviewx6.exe /qb", records[1].commandLine);
}

struct IsoViewCase {
    const char* name;
    bool psKillOnMedium;
    bool isoViewOnMedium;
    const char* psKillExit;
    const char* isoViewExit;
    std::vector<std::string> ran;
    std::vector<std::string> notFound;  // below the medium, in the order their boxes came
    bool result;
};

std::ostream& operator<<(std::ostream& out, const IsoViewCase& c) { return out << c.name; }

const IsoViewCase kIsoViewCases[] = {
    {"PsKillFailingIsIgnored", true, true, "1", "0", {"PsKill.exe", "isoviewx6.exe"}, {}, true},
    {"InstallerFailingStillSucceeds", true, true, "0", "1603", {"PsKill.exe", "isoviewx6.exe"}, {}, true},
    {"PsKillMissingIsShownAndTheInstallerRuns",
     false,
     true,
     "0",
     "0",
     {"isoviewx6.exe"},
     {"Utility\\PsKill.exe"},
     true},
    {"PsKillMissingAndInstallerFailing", false, true, "0", "1", {"isoviewx6.exe"}, {"Utility\\PsKill.exe"}, true},
    {"InstallerMissingFails", true, false, "0", "0", {"PsKill.exe"}, {"Utility\\isoviewx6.exe"}, false},
    {"BothMissing", false, false, "0", "0", {}, {"Utility\\PsKill.exe", "Utility\\isoviewx6.exe"}, false},
};

class IsoViewInstaller : public ComponentInstaller, public ::testing::WithParamInterface<IsoViewCase> {};

TEST_P(IsoViewInstaller, ResultIsTheInstallersAlone) {
    const IsoViewCase& c = GetParam();
    if (!c.psKillOnMedium) Remove("Utility\\PsKill.exe");
    if (!c.isoViewOnMedium) Remove("Utility\\isoviewx6.exe");
    const ScopedEnv psKillExit("RECORDER_EXIT_PSKILL", c.psKillExit);
    const ScopedEnv isoViewExit("RECORDER_EXIT_ISOVIEWX6", c.isoViewExit);

    std::vector<ShownBox> boxes;
    EXPECT_EQ(c.result, Install(&CSetupApp::InstallIsoView, m_medium, c.notFound.size(), &boxes));

    std::vector<std::string> ran;
    for (const auto& record : Records()) ran.push_back(record.program);
    EXPECT_EQ(c.ran, ran);
    ASSERT_EQ(c.notFound.size(), boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
        const std::string message = "File not found:" + m_medium + "\\" + c.notFound[i] + kAborted;
        EXPECT_EQ(message, boxes[i].text);
        EXPECT_TRUE(boxes[i].errorIcon);
        ASSERT_FALSE(boxes[i].logWhenShown.empty());
        EXPECT_EQ("Error:" + message, boxes[i].logWhenShown.back());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, IsoViewInstaller, ::testing::ValuesIn(kIsoViewCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "InstalledProducts.h"
#include "RegValueOverride.h"
#include "Texts.h"
#include "UnixTools.h"
#include "WholeRunTest.h"
#include "support/Recorder.h"

using namespace apptest;

namespace {

const char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kMdacQuestion[] = "MDAC should be installed to run Zarvel properly\nDo you want to install MDAC now?";
const char kIsoViewQuestion[] =
    "IsoView should be installed to run Zarvel properly\nDo you want to install IsoView now?";
const char kAcrobatQuestion[] =
    "Acrobat Reader should be installed to run Zarvel properly\nDo you want to install Acrobat Reader now?";

// \\srv\share, served by Wine from a link in the prefix's UNC folder to a folder of the test.
class UncShare {
public:
    explicit UncShare(const std::string& folder) : m_unc(UnixPrefix() + "/dosdevices/unc") {
        m_server = m_unc + "/srv";
        RunHostCommand({"/bin/mkdir", "-p", m_server});
        m_link = m_server + "/share";
        // Replaces a link that an interrupted earlier run left behind.
        RunHostCommand({"/bin/ln", "-sfn", UnixPathOf(folder), m_link});
    }
    ~UncShare() {
        try {
            RunHostCommand({"/bin/rm", "-f", m_link});
            RunHostCommand({"/bin/rmdir", "--ignore-fail-on-non-empty", m_server, m_unc});
        } catch (const std::exception& error) {
            ADD_FAILURE() << "could not remove \\\\srv\\share: " << error.what();
        }
    }
    UncShare(const UncShare&) = delete;
    UncShare& operator=(const UncShare&) = delete;

    static constexpr const char* kPath = "\\\\srv\\share";

private:
    std::string m_unc;
    std::string m_server;
    std::string m_link;
};

// The .NET Framework's installation root, holding the recorder as caspol.
class FrameworkRoot {
public:
    FrameworkRoot(const TestMedium& medium, bool finalBackslash)
        : m_folder(medium.Scratch().PathOf("Framework")), m_root(finalBackslash ? m_folder + "\\" : m_folder),
          m_value(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework", "InstallRoot", m_root) {
        medium.Scratch().CopyIn(testsupport::RecorderExe(), "Framework\\v2.0.50727\\caspol.exe");
    }
    const std::string& Root() const { return m_root; }
    std::string Caspol() const { return m_folder + "\\v2.0.50727\\caspol.exe"; }

private:
    std::string m_folder;
    std::string m_root;
    RegValueOverride m_value;
};

// Common Files on \\srv\share. Wine's msiexec turns such a folder into one on the current drive, so
// the package stays off the medium and the product installation program is put on the share here.
class NetworkCommonFiles {
public:
    NetworkCommonFiles(const TestMedium& medium, const std::string& name)
        : m_commonFiles(std::string(UncShare::kPath) + "\\" + name),
          m_share(Prepared(medium, name)),
          m_value(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "CommonFilesDir", m_commonFiles) {}
    std::string SharedFolder() const { return m_commonFiles + "\\Zarvel"; }

private:
    static std::string Prepared(const TestMedium& medium, const std::string& name) {
        medium.Remove(TestMedium::kPackage);
        medium.Scratch().CopyIn(testsupport::RecorderExe(), "Network\\" + name + "\\Zarvel\\Utility\\Install.exe");
        return medium.Scratch().PathOf("Network");
    }

    std::string m_commonFiles;
    UncShare m_share;
    RegValueOverride m_value;
};

std::string QuotedIfBlank(const std::string& path) {
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

struct TrustCase {
    const char* name;
    const char* commonFiles;  // below the share
    bool finalBackslash;      // of the framework root
    bool everythingMissing;
};

const TrustCase kTrustCases[] = {
    {"NothingMissingFolderWithBlank", "Common Files", true, false},
    {"EverythingMissingFolderWithoutBlank", "Shared", false, true},
};

void PrintTo(const TrustCase& row, std::ostream* out) { *out << row.name; }

class FullTrust : public WholeRunTest, public ::testing::WithParamInterface<TrustCase> {};

// A shared folder on a network path is granted FullTrust by caspol, hidden, after the last offer and
// before the product installation program.
TEST_P(FullTrust, IsGrantedToASharedFolderOnANetworkPath) {
    const TrustCase& trust = GetParam();
    InstalledProducts products(trust.everythingMissing ? std::set<Product>{} : kEveryProduct);
    TestMedium medium;
    const FrameworkRoot root(medium, trust.finalBackslash);
    const NetworkCommonFiles network(medium, trust.commonFiles);
    const std::string sharedFolder = network.SharedFolder();
    ASSERT_TRUE(PathIsNetworkPathA(sharedFolder.c_str()));
    RunScript script;
    script.answers = {{kMdacQuestion, IDYES}, {kIsoViewQuestion, IDYES}, {kAcrobatQuestion, IDYES}};

    const RunOutcome run = RunSetup(medium, script);

    EXPECT_EQ(0u, run.exitCode);
    const std::string caspol = root.Caspol() + "  -q -ag 1.2 -url " + QuotedIfBlank(sharedFolder + "\\*") + " FullTrust";
    std::vector<std::string> expected;
    if (trust.everythingMissing) {
        const auto installer = [&](const std::string& name, const std::string& arguments) {
            const std::string path = medium.PathOf("Utility\\" + name);
            return Ran(path.substr(path.find_last_of('\\') + 1), arguments.empty() ? path : path + " " + arguments);
        };
        expected = {installer("dotnetfx.exe", "/Q"),           Question(kMdacQuestion, IDYES),
                    installer("mdac_typ.exe", "/Q"),           Question(kIsoViewQuestion, IDYES),
                    installer("PsKill.exe", "IsoEngine.exe"),  installer("isoviewx6.exe", "/qb"),
                    Question(kAcrobatQuestion, IDYES),         installer("Acrobat\\en.EXE", "")};
    }
    expected.push_back(Ran("caspol.exe", caspol));
    expected.push_back(Ran("Install.exe", QuotedIfBlank(sharedFolder + "\\Utility\\Install.exe")));
    EXPECT_EQ(expected, run.story);
    const auto caspolRun = std::find_if(run.runs.begin(), run.runs.end(),
                                        [](const testsupport::RecorderRecord& record) { return record.program == "caspol.exe"; });
    ASSERT_NE(run.runs.end(), caspolRun);
    EXPECT_EQ(static_cast<DWORD>(STARTF_USESHOWWINDOW), caspolRun->flags);
    EXPECT_EQ(SW_HIDE, caspolRun->show);

    // The root is logged as it was read, with or without its final backslash.
    const std::vector<std::string> log = Log();
    EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "Detected Framework path: " + root.Root()));
}

INSTANTIATE_TEST_SUITE_P(NetworkFolders, FullTrust, ::testing::ValuesIn(kTrustCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Without a framework root caspol is looked for by its relative path alone: the runner reports it
// missing and the run goes on.
using FullTrustWithoutFramework = WholeRunTest;

TEST_F(FullTrustWithoutFramework, IsReportedAndTheRunGoesOn) {
    InstalledProducts products(kEveryProduct);
    TestMedium medium;
    const NetworkCommonFiles network(medium, "Common Files");

    const RunOutcome run = RunSetup(medium);

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ((std::vector<std::string>{ErrorBox(std::string("File not found:v2.0.50727\\caspol.exe") + kAborted),
                                        Ran("Install.exe", QuotedIfBlank(network.SharedFolder() + "\\Utility\\Install.exe"))}),
              run.story);
    const std::vector<std::string> log = Log();
    EXPECT_NE(log.end(), std::find(log.begin(), log.end(), "Detected Framework path: "));
}

using LocalSharedFolder = WholeRunTest;

TEST_F(LocalSharedFolder, IsNotGrantedFullTrust) {
    InstalledProducts products(kEveryProduct);
    TestMedium medium;
    const FrameworkRoot root(medium, true);

    const RunOutcome run = RunSetup(medium);

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{Ran("Install.exe", "\"" + SharedFolder() + "\\Utility\\Install.exe\"")},
              run.story);
}

}  // namespace

#include "ExecTest.h"
#include "FrameworkKey.h"

#include "support/Registry.h"

#include <string>
#include <vector>

using namespace testsupport;

namespace {

const char kAborted[] = "\r\nInstallation aborted!";
const char kCaspol[] = "v2.0.50727\\caspol.exe";

std::string Sz(const std::string& text) { return text + '\0'; }
std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

class FrameworkRoot : public ExecTest {
protected:
    std::string ReadRoot() {
        std::string root;
        Answering(0, [&] { root = App().GetFrameworkInstallRoot().GetString(); });
        return root;
    }

    FrameworkKeyAside m_key;
};

struct RootCase {
    const char* name;
    DWORD type;
    std::string bytes;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const RootCase& c) { return out << c.name; }

const std::string kLongest = "C:\\" + std::string(255, 'f') + "\\";  // 259 characters and the NUL fill 260

const RootCase kRoots[] = {
    {"StringWithBackslash", REG_SZ, Sz("C:\\Windows\\Microsoft.NET\\Framework\\"),
     "C:\\Windows\\Microsoft.NET\\Framework\\"},
    {"StringWithoutBackslash", REG_SZ, Sz("C:\\Windows\\Microsoft.NET\\Framework"),
     "C:\\Windows\\Microsoft.NET\\Framework"},
    {"ExpandStringNotExpanded", REG_EXPAND_SZ, Sz("%SystemRoot%\\Microsoft.NET\\Framework\\"),
     "%SystemRoot%\\Microsoft.NET\\Framework\\"},
    {"EmptyString", REG_SZ, Sz(""), ""},
    {"StringWithoutTerminatingNul", REG_SZ, "C:\\Framework\\", ""},
    {"LongestThatFits", REG_SZ, Sz(kLongest), kLongest},
    {"OneTooLong", REG_SZ, Sz(kLongest + "x"), ""},
    {"Number", REG_DWORD, std::string("\x01\x00\x00\x00", 4), ""},
    {"BinaryText", REG_BINARY, Sz("C:\\Framework\\"), ""},
    {"MultiString", REG_MULTI_SZ, Sz(Sz("C:\\Framework\\")), ""},
};

class FrameworkRootValue : public FrameworkRoot, public ::testing::WithParamInterface<RootCase> {};

TEST_P(FrameworkRootValue, IsReadAndLogged) {
    m_key.SetInstallRoot(GetParam().type, GetParam().bytes);

    EXPECT_EQ(GetParam().expected, ReadRoot());
    EXPECT_EQ(std::vector<std::string>{"Detected Framework path: " + GetParam().expected}, LogEntries());
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameworkRootValue, ::testing::ValuesIn(kRoots),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkRoot, MissingKeyGivesAnEmptyRoot) {
    EXPECT_EQ("", ReadRoot());
    EXPECT_EQ(std::vector<std::string>{"Detected Framework path: "}, LogEntries());
}

TEST_F(FrameworkRoot, MissingValueGivesAnEmptyRoot) {
    SetRegDword(HKEY_LOCAL_MACHINE, kFrameworkKey, "Enable64Bit", 1);

    EXPECT_EQ("", ReadRoot());
    EXPECT_EQ(std::vector<std::string>{"Detected Framework path: "}, LogEntries());
}

TEST_F(FrameworkRoot, KeyThatMayOnlyBeReadStillGivesTheRoot) {
    m_key.SetInstallRoot(REG_SZ, Sz("C:\\Windows\\Microsoft.NET\\Framework\\"));
    const ReadOnlyKey readOnly(HKEY_LOCAL_MACHINE, kFrameworkKey);
    HKEY probe = nullptr;
    ASSERT_EQ(ERROR_ACCESS_DENIED, ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFrameworkKey, 0, KEY_READ | KEY_WRITE, &probe));

    EXPECT_EQ("C:\\Windows\\Microsoft.NET\\Framework\\", ReadRoot());
}

// caspol of the framework's 2.0 folder, under a root of the scratch folder.
class FullTrust : public FrameworkRoot {
protected:
    void Grant(const std::string& folder, size_t expectedBoxes = 0, std::vector<ShownBox>* boxes = nullptr) {
        auto shown = Answering(expectedBoxes, [&] { App().GrantFullTrust(folder.c_str()); });
        if (boxes) *boxes = shown;
    }
};

struct TrustCase {
    const char* name;
    const char* root;  // below the scratch folder
    bool rootEndsInBackslash;
    const char* folder;
    const char* url;  // the folder as it appears in caspol's arguments
};

std::ostream& operator<<(std::ostream& out, const TrustCase& c) { return out << c.name; }

const TrustCase kTrusts[] = {
    {"RootWithBackslashNetworkFolder", "Framework", true, "\\\\srv\\share\\Zarvel", "\\\\srv\\share\\Zarvel\\*"},
    {"RootWithoutBackslashGetsOne", "Framework", false, "\\\\srv\\share\\Zarvel", "\\\\srv\\share\\Zarvel\\*"},
    {"FolderWithBlankQuoted", "Framework", true, "\\\\srv\\share\\Common Files\\Zarvel",
     "\"\\\\srv\\share\\Common Files\\Zarvel\\*\""},
    {"RootWithBlankQuotedAtTheStart", "Microsoft .NET\\Framework", true, "\\\\srv\\share\\Common Files\\Zarvel",
     "\"\\\\srv\\share\\Common Files\\Zarvel\\*\""},
    {"RootWithBlankWithoutBackslash", "Microsoft .NET\\Framework", false, "\\\\srv\\Zarvel", "\\\\srv\\Zarvel\\*"},
};

class FullTrustGrant : public FullTrust, public ::testing::WithParamInterface<TrustCase> {};

TEST_P(FullTrustGrant, RunsCaspolHiddenFromTheRoot) {
    const TrustCase& c = GetParam();
    const ScopedEnv window("RECORDER_WINDOW", "1");
    const std::string folder = m_scratch.PathOf(c.root);
    const std::string caspol = PlaceRecorder(std::string(c.root) + "\\" + kCaspol);
    const std::string root = c.rootEndsInBackslash ? folder + "\\" : folder;
    m_key.SetInstallRoot(REG_SZ, Sz(root));
    const std::string program = caspol.find(' ') != std::string::npos ? Quoted(caspol) : caspol;
    const std::string commandLine = program + "  -q -ag 1.2 -url " + c.url + " FullTrust";

    Grant(c.folder);

    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ("caspol.exe", records[0].program);
    EXPECT_EQ(commandLine, records[0].commandLine);
    EXPECT_EQ(static_cast<DWORD>(STARTF_USESHOWWINDOW), records[0].flags & STARTF_USESHOWWINDOW);
    EXPECT_EQ(SW_HIDE, records[0].show);
    ASSERT_TRUE(records[0].visible.has_value());
    EXPECT_FALSE(*records[0].visible);
    // The log shows the root as read, even where a backslash had to be added.
    EXPECT_EQ((std::vector<std::string>{"Detected Framework path: " + root, "Run installer: " + commandLine,
                                        "Installer exit code: 0"}),
              LogEntries());
}

INSTANTIATE_TEST_SUITE_P(Cases, FullTrustGrant, ::testing::ValuesIn(kTrusts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FullTrust, FailingCaspolIsIgnored) {
    const ScopedEnv crash("RECORDER_CRASH_CASPOL", "1");
    PlaceRecorder(std::string("Framework\\") + kCaspol);
    m_key.SetInstallRoot(REG_SZ, Sz(m_scratch.PathOf("Framework\\")));

    Grant("\\\\srv\\share\\Zarvel");

    EXPECT_EQ(1u, Records().size());
    const auto log = LogEntries();
    ASSERT_EQ(3u, log.size());
    EXPECT_EQ("Installer exit code: 3221225477", log[2]);
}

TEST_F(FullTrust, MissingKeyReportsTheRelativeCaspolAndGoesOn) {
    const std::string message = std::string("File not found:") + kCaspol + kAborted;

    std::vector<ShownBox> boxes;
    Grant("\\\\srv\\share\\Zarvel", 1, &boxes);

    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(message, boxes[0].text);
    EXPECT_TRUE(boxes[0].errorIcon);
    EXPECT_EQ((std::vector<std::string>{"Detected Framework path: ", "Error:" + message}), boxes[0].logWhenShown);
    EXPECT_EQ(3, boxes[0].waitCursorWhenShown);
    EXPECT_TRUE(Records().empty());
}

TEST_F(FullTrust, FrameworkWithoutVersionTwoReportsCaspolNotFound) {
    const std::string root = m_scratch.MakeFolder("Framework") + "\\";
    m_key.SetInstallRoot(REG_SZ, Sz(root));
    const std::string message = "File not found:" + root + kCaspol + kAborted;

    std::vector<ShownBox> boxes;
    Grant("\\\\srv\\share\\Zarvel", 1, &boxes);

    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(message, boxes[0].text);
    EXPECT_EQ((std::vector<std::string>{"Detected Framework path: " + root, "Error:" + message}), LogEntries());
}

TEST_F(FullTrust, EmptyRootFindsCaspolAlongTheSearchPath) {
    const std::string current = m_scratch.MakeFolder("current");
    PlaceRecorder(std::string("current\\") + kCaspol);
    ASSERT_TRUE(::SetCurrentDirectoryA(current.c_str()));

    Grant("C:\\Zarvel");

    const auto records = Records();
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(std::string(kCaspol) + "  -q -ag 1.2 -url C:\\Zarvel\\* FullTrust", records[0].commandLine);
}

}  // namespace

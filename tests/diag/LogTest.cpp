#include "app/SetupApp.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <regex>
#include <string>

using namespace testsupport;

namespace {

const std::string kStamp = R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)";
constexpr size_t kStampLength = 19;

// Line ends and other control bytes made visible, for comparisons and failure messages.
std::string Escaped(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c < 0x20 || c >= 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            text += hex;
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

// Every test starts without a log file and leaves none behind; the application object writes its
// platform line as the first entry.
class InstallLog : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTree(CommonAppDataLog());
        RemoveLog();
    }
    void TearDown() override {
        app.reset();
        RemoveTree(CommonAppDataLog());
        RemoveLog();
    }

    CSetupApp& App() {
        if (!app) app = std::make_unique<CSetupApp>();
        return *app;
    }
    static std::string Log() { return ReadFileBytes(CommonAppDataLog()); }
    // The bytes one WriteLog call appends; checks that nothing before them changed.
    std::string Append(const std::string& text) {
        CSetupApp& setup = App();
        const std::string before = Log();
        setup.WriteLog(text.c_str());
        const std::string after = Log();
        EXPECT_EQ(before, after.substr(0, before.size())) << "earlier entries changed";
        return after.size() < before.size() ? std::string() : after.substr(before.size());
    }

    std::unique_ptr<CSetupApp> app;
};

TEST_F(InstallLog, FirstEntryCreatesTheFile) {
    ASSERT_FALSE(FileExists(CommonAppDataLog()));
    App();
    const std::string log = Log();
    EXPECT_TRUE(std::regex_match(log, std::regex("^" + kStamp + R"(: fnIsWow64Process [^\r\n]*\r\n$)")))
        << Escaped(log);
}

// Text passed to WriteLog and what follows the stamp on disk.
struct EntryCase {
    const char* name;
    std::string text;
    std::string onDisk;
};

std::ostream& operator<<(std::ostream& out, const EntryCase& c) { return out << c.name; }

const std::string kLongText(4000, 'L');

const EntryCase kEntryCases[] = {
    {"EmptyText", "", ": \r\n"},
    {"PlainText", "***** Start Zarvel Setup *****", ": ***** Start Zarvel Setup *****\r\n"},
    {"CrLfInTextKeepsItsCarriageReturn", "a\r\nb", ": a\r\r\nb\r\n"},
    {"LineFeedInTextGetsACarriageReturn", "a\nb", ": a\r\nb\r\n"},
    {"TextEndingInCrLfLeavesAnEmptyLine", "Error 5: Access denied.\r\n", ": Error 5: Access denied.\r\r\n\r\n"},
    {"LoneCarriageReturnUnchanged", "a\rb", ": a\rb\r\n"},
    {"FormatCharactersAreNotInterpreted", "100% %s %d\t\\", ": 100% %s %d\t\\\r\n"},
    {"AnsiBytesUnchanged", "Gr\xFC\xDF" "e \xA9", ": Gr\xFC\xDF" "e \xA9\r\n"},
    {"NoLengthLimit", kLongText, ": " + kLongText + "\r\n"},
};

class InstallLogEntry : public InstallLog, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(InstallLogEntry, StampSeparatorTextAndLineEnd) {
    const std::string entry = Append(GetParam().text);
    ASSERT_GE(entry.size(), kStampLength) << Escaped(entry);
    EXPECT_TRUE(std::regex_match(entry.substr(0, kStampLength), std::regex(kStamp))) << Escaped(entry);
    EXPECT_EQ(Escaped(GetParam().onDisk), Escaped(entry.substr(kStampLength)));
}

INSTANTIATE_TEST_SUITE_P(Texts, InstallLogEntry, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallLog, EmptyTextIsTwentyOneCharactersThenCrLf) {
    const std::string entry = Append("");
    ASSERT_EQ(23u, entry.size()) << Escaped(entry);
    EXPECT_EQ("\r\n", entry.substr(21));
    EXPECT_EQ(": ", entry.substr(19, 2));
}

TEST_F(InstallLog, EntriesAccumulateAcrossRuns) {
    WriteFileBytes(CommonAppDataLog(), "written by an earlier setup\r\n");
    {
        CSetupApp first;
        first.WriteLog("from the first run");
    }
    {
        CSetupApp second;
        second.WriteLog("from the second run");
    }
    const std::string log = Log();
    const std::string entry = kStamp + ": ";
    EXPECT_TRUE(std::regex_match(log, std::regex("^written by an earlier setup\r\n" +
                                                 entry + "fnIsWow64Process [^\r\n]*\r\n" +
                                                 entry + "from the first run\r\n" +
                                                 entry + "fnIsWow64Process [^\r\n]*\r\n" +
                                                 entry + "from the second run\r\n$")))
        << Escaped(log);
}

TEST_F(InstallLog, NoHandleStaysOpenBetweenEntries) {
    App().WriteLog("complete on return");
    // An exclusive open fails while anyone else, this process included, still holds the file.
    HANDLE file = ::CreateFileA(CommonAppDataLog().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << "error " << ::GetLastError();
    ::CloseHandle(file);
    const std::string log = Log();
    EXPECT_EQ("complete on return\r\n", log.substr(log.size() - 20));
}

TEST_F(InstallLog, FolderInPlaceOfTheFileDropsEntriesUntilItIsGone) {
    CreateFolders(CommonAppDataLog());
    App().WriteLog("dropped");
    EXPECT_TRUE(FolderExists(CommonAppDataLog()));
    EXPECT_FALSE(FileExists(CommonAppDataLog() + "\\ZarvelInstall.log"));

    RemoveTree(CommonAppDataLog());
    App().WriteLog("kept");
    const std::string log = Log();
    EXPECT_TRUE(std::regex_match(log, std::regex("^" + kStamp + ": kept\r\n$"))) << Escaped(log);
}

std::string Stamp(const SYSTEMTIME& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return text;
}

TEST_F(InstallLog, StampIsTheLocalTime) {
    App();
    SYSTEMTIME utc;
    ::GetSystemTime(&utc);
    SYSTEMTIME before;
    ::GetLocalTime(&before);
    // The test runs with a time zone whose clock differs from UTC's in hours and minutes.
    ASSERT_NE(Stamp(utc).substr(11, 5), Stamp(before).substr(11, 5)) << "set TZ to a zone away from UTC";

    const std::string entry = Append("when");
    SYSTEMTIME after;
    ::GetLocalTime(&after);
    const std::string stamp = entry.substr(0, kStampLength);
    EXPECT_LE(Stamp(before), stamp) << "UTC was " << Stamp(utc);
    EXPECT_GE(Stamp(after), stamp) << "UTC was " << Stamp(utc);
}

} // namespace

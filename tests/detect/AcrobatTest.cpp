#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "HandleProbe.h"
#include "MessageBoxIcon.h"
#include "RegistrySetup.h"
#include "afx/WinApp.h"
#include "support/DriverThread.h"
#include "support/Registry.h"
#include "support/ScratchDir.h"
#include "support/UiDriver.h"
#include "ui/InstallDlg.h"

namespace {

const char kDocumentKey[] = "AcroExch.Document";
const char kDocument7Key[] = "AcroExch.Document.7";
const char kClassA[] = "{5A7E1C0A-3E0D-4B6F-9C21-7D0C1A2B3C4A}";
const char kClassB[] = "{5A7E1C0B-3E0D-4B6F-9C21-7D0C1A2B3C4B}";
const char kRemovedText[] = "The Acrobat Reader has been installed, but has been removed from the disk.";

// What LocalServer32 of a class holds.
enum class Server {
    kNoKey,
    kNoValue,
    kEmpty,
    kFile,              // the path of an existing file, in a folder with a blank
    kQuotedFile,        // the same, quoted
    kQuotesInside,      // the same, with quotes in the middle of its folder name
    kFileWithArgument,  // the quoted path and an argument
    kMissingFile,
};

struct AcrobatCase {
    const char* name;
    const char* documentClass;   // default value of AcroExch.Document\CLSID; null: no key
    const char* version;         // default value of CLSID\<class A>\AcrobatVersion; null: no key
    const char* document7Class;  // default value of AcroExch.Document.7\CLSID; null: no key
    Server serverA;
    Server serverB;
    bool present;
    bool message;
};

std::string ClassKey(const char* classId) { return std::string("CLSID\\") + classId; }

class AcrobatDetection : public testing::TestWithParam<AcrobatCase> {
protected:
    void SetUp() override {
        for (const std::string& key : {std::string(kDocumentKey), std::string(kDocument7Key), ClassKey(kClassA),
                                       ClassKey(kClassB)})
            ClaimAbsentKey(m_cleanup, HKEY_CLASSES_ROOT, key);
        m_server = m_scratch.Write("Acrobat Reader\\AcroRd32.exe", "MZ");
    }

    void SetDefault(const std::string& key, const char* value) {
        if (value) testsupport::SetRegString(HKEY_CLASSES_ROOT, key, "", value);
    }

    void SetServer(const char* classId, Server server) {
        const std::string key = ClassKey(classId) + "\\LocalServer32";
        if (server == Server::kNoKey) return;
        if (server == Server::kNoValue)
            testsupport::SetRegString(HKEY_CLASSES_ROOT, key, "NotTheDefault", m_server);
        else
            testsupport::SetRegString(HKEY_CLASSES_ROOT, key, "", ServerValue(server));
    }

    std::string ServerValue(Server server) const {
        switch (server) {
            case Server::kFile:
                return m_server;
            case Server::kQuotedFile:
                return "\"" + m_server + "\"";
            case Server::kQuotesInside:
                return m_scratch.PathOf("Acrobat\" \"Reader\\AcroRd32.exe");
            case Server::kFileWithArgument:
                return "\"" + m_server + "\" /Automation";
            case Server::kMissingFile:
                return m_scratch.PathOf("Acrobat Reader\\AcroRd32 missing.exe");
            default:
                return "";
        }
    }

    void Register(const AcrobatCase& c) {
        SetDefault(std::string(kDocumentKey) + "\\CLSID", c.documentClass);
        SetDefault(std::string(kDocument7Key) + "\\CLSID", c.document7Class);
        SetDefault(ClassKey(kClassA) + "\\AcrobatVersion", c.version);
        SetServer(kClassA, c.serverA);
        SetServer(kClassB, c.serverB);
    }

    testsupport::RegKeyCleanup m_cleanup;
    testsupport::ScratchDir m_scratch;
    std::string m_server;
};

TEST_P(AcrobatDetection, FollowsTheRegisteredClass) {
    const AcrobatCase& c = GetParam();
    Register(c);

    testsupport::UiDriver driver;
    bool errorIcon = false;
    InstallDlg dialog;
    bool present = false;
    {
        testsupport::DriverThread script(driver, [&](testsupport::UiDriver& d) {
            if (!c.message) return;
            const HWND box = d.WaitForMessageBox();
            errorIcon = ShowsStandardIcon(box, IDI_ERROR);
            d.Press(box, IDOK);
            d.WaitGone(box);
        });
        present = dialog.IsAcrobatInstalled();
        script.Join();
    }
    if (!c.message) {
        // Again, with no second thread about, to see that it leaves no key or find handle open.
        const HANDLE before = NextHandleValue();
        EXPECT_EQ(present, dialog.IsAcrobatInstalled());
        EXPECT_EQ(before, NextHandleValue()) << "a handle was left open";
    }

    EXPECT_EQ(c.present, present);
    if (!c.message) return;
    ASSERT_EQ(1u, driver.Seen().size());
    const testsupport::SeenWindow& box = driver.Seen().front();
    EXPECT_EQ(kRemovedText, box.text);
    EXPECT_EQ(AfxGetApp()->m_pszAppName, box.caption);
    ASSERT_EQ(1u, box.buttons.size());
    EXPECT_EQ(IDOK, box.buttons.front().id);
    EXPECT_TRUE(errorIcon);
}

using S = Server;

INSTANTIATE_TEST_SUITE_P(
    Versions, AcrobatDetection,
    testing::Values(AcrobatCase{"SevenFallback", nullptr, nullptr, kClassB, S::kNoKey, S::kFile, true, false},
                    AcrobatCase{"Version9", kClassA, "9.0", nullptr, S::kFile, S::kNoKey, true, false},
                    AcrobatCase{"Version4", kClassA, "4.0", nullptr, S::kFile, S::kNoKey, false, false},
                    AcrobatCase{"Version10", kClassA, "10.0", nullptr, S::kFile, S::kNoKey, true, false},
                    AcrobatCase{"Version5", kClassA, "5.0", nullptr, S::kFile, S::kNoKey, true, false},
                    AcrobatCase{"NoVersion", kClassA, nullptr, nullptr, S::kFile, S::kNoKey, false, false},
                    AcrobatCase{"EmptyVersion", kClassA, "", nullptr, S::kFile, S::kNoKey, false, false},
                    // The ".7" class replaces the first one only when no version was found.
                    AcrobatCase{"NoVersionSevenClass", kClassA, nullptr, kClassB, S::kNoKey, S::kFile, true, false},
                    AcrobatCase{"Version9SevenClass", kClassA, "9.0", kClassB, S::kFile, S::kNoKey, true, false},
                    AcrobatCase{"Version4SevenClass", kClassA, "4.0", kClassB, S::kNoKey, S::kFile, false, false},
                    AcrobatCase{"NoClass", nullptr, nullptr, nullptr, S::kFile, S::kFile, false, false},
                    AcrobatCase{"EmptySevenClass", nullptr, nullptr, "", S::kFile, S::kFile, false, false}),
    [](const testing::TestParamInfo<AcrobatCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Servers, AcrobatDetection,
    testing::Values(AcrobatCase{"Quoted", kClassA, "9.0", nullptr, S::kQuotedFile, S::kNoKey, true, false},
                    AcrobatCase{"QuotesInside", kClassA, "9.0", nullptr, S::kQuotesInside, S::kNoKey, true, false},
                    AcrobatCase{"WithArgument", kClassA, "9.0", nullptr, S::kFileWithArgument, S::kNoKey, false, true},
                    AcrobatCase{"MissingFile", kClassA, "9.0", nullptr, S::kMissingFile, S::kNoKey, false, true},
                    AcrobatCase{"MissingFileSeven", nullptr, nullptr, kClassB, S::kNoKey, S::kMissingFile, false,
                                true},
                    AcrobatCase{"MissingFileOldVersion", kClassA, "4.0", nullptr, S::kMissingFile, S::kNoKey, false,
                                true},
                    AcrobatCase{"NoServerValue", kClassA, "9.0", nullptr, S::kNoValue, S::kNoKey, false, false},
                    AcrobatCase{"EmptyServer", kClassA, "9.0", nullptr, S::kEmpty, S::kNoKey, false, false},
                    AcrobatCase{"NoServerKey", kClassA, "9.0", nullptr, S::kNoKey, S::kNoKey, false, false}),
    [](const testing::TestParamInfo<AcrobatCase>& info) { return std::string(info.param.name); });

}  // namespace

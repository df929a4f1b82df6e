// Files whose version resources are cut short, carry a wrong signature, or lack the string table or
// the translation: the version reader must end on its failure road or read only what the file holds,
// the IsoView test must follow it, and setup.exe's greeting must degrade as the dialog describes.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ResourcePatch.h"
#include "SavedRegValue.h"
#include "SetupRun.h"
#include "detect/ModuleVersion.h"
#include "support/Files.h"
#include "support/Paths.h"
#include "support/ScratchDir.h"
#include "ui/InstallDlg.h"

using namespace testsupport;

namespace {

const DWORD kCancelledExitCode = 1602;
const std::string kSignature = "\xBD\x04\xEF\xFE";
const std::string kWrongSignature = "\xBE\x04\xEF\xFE";

std::string Fixture(const std::string& name) { return JoinPath(WinPath(HARDENING_FIXTURES_DIR), name + ".exe"); }

using FileMaker = std::function<void(const std::string& target)>;

FileMaker CopyOf(const std::string& fixture) {
    return [fixture](const std::string& target) { WriteFileBytes(target, ReadFileBytes(Fixture(fixture))); };
}

struct VersionRow {
    const char* name;
    FileMaker make;
    bool loads;
    DWORD fileVersionMS;
    DWORD fileVersionLS;
    // Checked only when the file loads: the exact ProductVersion, or with upTo the longest text it
    // may give (the file holds no more).
    const char* productVersion;
    bool upTo;
    bool isoViewPresent;
};

const DWORD k71 = 0x00070001;

std::vector<VersionRow> VersionRows() {
    return {
        {"Complete", CopyOf("Good"), true, k71, 0, "7, 1, 0, 0", false, true},
        {"NoVersionResource", CopyOf("NoResource"), false, 0, 0, nullptr, false, false},
        {"NotAProgram", [](const std::string& target) { WriteFileBytes(target, "MZ but nothing else\r\n"); }, false, 0,
         0, nullptr, false, false},
        {"FileCutShort",
         [](const std::string& target) { WriteFileBytes(target, ReadFileBytes(Fixture("Good")).substr(0, 1024)); },
         false, 0, 0, nullptr, false, false},
        {"RecordCutShort", CopyOf("CutRecord"), true, k71, 0, "", false, true},
        {"StringCutShort", CopyOf("CutString"), true, k71, 0, "7, 1", true, true},
        // The fixed record is copied before the signature is checked; the load still fails.
        {"WrongSignature",
         [](const std::string& target) {
             CopyPatched(Fixture("Good"), target, Utf16("VS_VERSION_INFO"), kSignature, kWrongSignature);
         },
         false, k71, 0, nullptr, false, false},
        {"NoStringTable", CopyOf("NoStringTable"), true, k71, 0, "", false, true},
        // Without a translation the strings are looked for as US English, code page 1252.
        {"NoTranslation", CopyOf("NoTranslation"), true, k71, 0, "7, 1, 0, 0", false, true},
        {"NoTranslationOtherLanguage", CopyOf("NoTranslationSwedish"), true, k71, 0, "", false, true},
        {"TranslationTooShort", CopyOf("ShortTranslation"), true, k71, 0, "7, 1, 0, 0", false, true},
    };
}

class DamagedVersionResource : public ::testing::TestWithParam<VersionRow> {};

TEST_P(DamagedVersionResource, IsReadOnlyAsFarAsItGoes) {
    const VersionRow& row = GetParam();
    ScratchDir folder;
    const std::string file = folder.PathOf("IsoEngine6.exe");
    row.make(file);

    FXAModuleVersion version;
    const BOOL loaded = version.Load(file.c_str());

    EXPECT_EQ(row.loads, loaded != FALSE);
    EXPECT_EQ(row.fileVersionMS, version.dwFileVersionMS);
    EXPECT_EQ(row.fileVersionLS, version.dwFileVersionLS);
    if (row.loads) {
        const CString text = version.GetVersionString("ProductVersion");
        const std::string productVersion(text.GetString(), text.GetLength());
        if (row.upTo)
            EXPECT_EQ(0u, std::string(row.productVersion).find(productVersion)) << "read: \"" << productVersion << "\"";
        else
            EXPECT_EQ(row.productVersion, productVersion);
    }

    SavedRegValue path(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IsoView600",
                       "Path");
    path.Set(REG_SZ, folder.Path() + '\0');
    InstallDlg dialog;
    EXPECT_EQ(row.isoViewPresent, dialog.IsIsoViewInstalled());
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedVersionResource, ::testing::ValuesIn(VersionRows()),
                         [](const ::testing::TestParamInfo<VersionRow>& info) { return info.param.name; });

// ---- setup.exe's own version resource, damaged in a copy of the program

struct GreetingRow {
    const char* name;
    std::string anchor;
    std::string from;
    std::string to;
    // Whether the greeting keeps the version line, and what that line and the copyright line read.
    bool extended;
    bool keepsVersion;
    bool keepsCopyright;
};

class DamagedOwnVersion : public ::testing::TestWithParam<GreetingRow> {};

TEST_P(DamagedOwnVersion, TheGreetingShowsWhatStillReads) {
    const GreetingRow& row = GetParam();
    const std::string built = BuiltSetupExe();
    ScratchDir folder;
    CopyPatched(built, folder.PathOf("setup.exe"), row.anchor, row.from, row.to);
    std::string expected = "Install Zarvel Application";
    if (row.extended)
        expected += "\n\nVersion: " + (row.keepsVersion ? Dotted(VersionEntry(built, "ProductVersion")) : "") + "\n" +
                    (row.keepsCopyright ? VersionEntry(built, "LegalCopyright") : "");

    const GreetingRun run = GreetAndCancel(folder.Path());

    EXPECT_EQ(expected, run.greeting);
    EXPECT_EQ("Do you really wish to cancel the installation of Zarvel?", run.cancelQuestion);
    EXPECT_EQ(kCancelledExitCode, run.exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Patches, DamagedOwnVersion,
    ::testing::Values(GreetingRow{"WrongSignature", Utf16("VS_VERSION_INFO"), kSignature, kWrongSignature, false,
                                  false, false},
                      GreetingRow{"NoProductVersion", "", Utf16("ProductVersion"), Utf16("ProductVersioX"), true,
                                  false, true},
                      GreetingRow{"NoCopyright", "", Utf16("LegalCopyright"), Utf16("LegalCopyrighX"), true, true,
                                  false},
                      // Without the table the strings are looked for as US English, where they are.
                      GreetingRow{"NoTranslation", "", Utf16("Translation"), Utf16("Translatiox"), true, true, true}),
    [](const ::testing::TestParamInfo<GreetingRow>& info) { return info.param.name; });

} // namespace

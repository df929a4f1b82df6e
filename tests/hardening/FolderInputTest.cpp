// Source and Common Files folders with blanks, trailing backslashes and lengths up to the 260-
// character limit, and a permit.cfg that another process holds: PrepareSharedFolder must either
// prepare everything with the paths exactly as given or end on its failure road with its message.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Application.h"
#include "HeldFile.h"
#include "LogTail.h"
#include "LongPath.h"
#include "SavedRegValue.h"
#include "support/DriverThread.h"
#include "support/Files.h"
#include "support/Paths.h"
#include "support/Registry.h"
#include "support/ScratchDir.h"
#include "support/UiDriver.h"

using namespace testsupport;

namespace {

const char kPermitBytes[] = "licence=hardening\r\n";
const std::string kProductKey = "SOFTWARE\\Trovek\\ZarvelCdView";
const std::string kSourceDirValue = "install.SourceDir";
const std::string kNoSharedFolder =
    "Could not create common directory for Zarvel. Installation not completed! \nPlease run this program again";

// A folder as the case names it, from the scratch root: a text, which may end in a backslash.
using FolderText = std::function<std::string(const std::string& root)>;

FolderText Named(const std::string& relName) {
    return [relName](const std::string& root) { return root + "\\" + relName; };
}

// A folder whose path is exactly length characters long.
FolderText OfLength(size_t length, char fill) {
    return [length, fill](const std::string& root) { return root + "\\" + std::string(length - root.size() - 1, fill); };
}

std::string WithoutTrailingBackslash(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

// A text as the log stores it: every line feed written as carriage return, line feed.
std::string OnDisk(const std::string& text) {
    std::string stored;
    for (char c : text) {
        if (c == '\n') stored += '\r';
        stored += c;
    }
    return stored;
}

std::string SystemMessage(DWORD code) {
    char* text = nullptr;
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0,
                         nullptr);
    const std::string message = length ? std::string(text, length) : std::string();
    ::LocalFree(text);
    return message;
}

std::string CopyFailure(DWORD code) {
    return "Could not copy permit.cfg. Installation not completed! \nPlease run this program again\nCopyFile failed "
           "with error " +
           std::to_string(code) + ": " + SystemMessage(code);
}

struct FolderRow {
    const char* name;
    FolderText commonFiles;
    FolderText source;
    // Share mode of another process that holds the source permit.cfg open, when one does.
    std::optional<DWORD> permitHeldWith;
    // Empty: everything is prepared. Else the failure's message.
    std::function<std::string()> failure;
};

class SharedFolderInput : public ::testing::TestWithParam<FolderRow> {};

TEST_P(SharedFolderInput, IsPreparedWithThePathsAsGivenOrFailsWithItsMessage) {
    const FolderRow& row = GetParam();
    ScratchDir root;
    const LongPathTree rootContents(root.Path());
    const std::string commonFiles = row.commonFiles(root.Path());
    const std::string source = row.source(root.Path());
    CreateLongPathFolders(WithoutTrailingBackslash(commonFiles));
    CreateLongPathFolders(WithoutTrailingBackslash(source));
    WriteLongPathFile(WithoutTrailingBackslash(source) + "\\permit.cfg", kPermitBytes);
    SavedRegValue commonFilesDir(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "CommonFilesDir");
    commonFilesDir.Set(REG_SZ, commonFiles + '\0');
    SavedRegValue sourceDir(HKEY_LOCAL_MACHINE, kProductKey, kSourceDirValue);
    std::unique_ptr<HeldFile> held;
    if (row.permitHeldWith)
        held = std::make_unique<HeldFile>(JoinPath(WithoutTrailingBackslash(source), "permit.cfg"), *row.permitHeldWith);
    const std::string expectedFailure = row.failure ? row.failure() : std::string();
    const LogTail log;

    UiDriver driver;
    std::string shown;
    DriverThread person(driver, [&](UiDriver& ui) {
        if (expectedFailure.empty()) return;
        HWND box = ui.WaitForMessageBox();
        shown = ui.MessageText(box);
        ui.Press(box, IDOK);
    });
    CString shared;
    const bool prepared = TheApp().PrepareSharedFolder(source.c_str(), shared);
    person.Join();

    const std::string sharedText(shared.GetString(), shared.GetLength());
    // The source folder is recorded before the shared folder is made and permit.cfg copied.
    EXPECT_EQ(source, ReadRegString(HKEY_LOCAL_MACHINE, kProductKey, kSourceDirValue).value_or("<none>"));
    EXPECT_TRUE(TheApp().IsSourceDirRegistered());
    if (!expectedFailure.empty()) {
        EXPECT_FALSE(prepared);
        EXPECT_EQ(expectedFailure, shown);
        EXPECT_NE(std::string::npos, log.Added().find(": " + OnDisk(expectedFailure) + "\r\n")) << log.Added();
        return;
    }
    ASSERT_TRUE(prepared) << log.Added();
    // The shell's text as it comes, then "\Zarvel": nothing normalised.
    EXPECT_EQ(commonFiles + "\\Zarvel", sharedText);
    EXPECT_EQ(kPermitBytes, ReadLongPathFile(WithoutTrailingBackslash(commonFiles) + "\\Zarvel\\permit.cfg"));
    EXPECT_NE(std::string::npos, log.Added().find(": Detected common programs dir to: " + sharedText + "\r\n"))
        << log.Added();
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SharedFolderInput,
    ::testing::Values(
        FolderRow{"Blanks", Named("Common Files with blanks"), Named("medium with blanks"), {}, {}},
        FolderRow{"SourceWithTrailingBackslash", Named("Common Files"), Named("medium\\"), {}, {}},
        FolderRow{"CommonFilesWithTrailingBackslash", Named("Common Files\\"), Named("medium"), {}, {}},
        // The longest source whose permit.cfg path stays below 260 characters.
        FolderRow{"SourceOf248Characters", Named("Common Files"), OfLength(248, 's'), {}, {}},
        // The longest current directory the sequence takes as its source: its permit.cfg path is too
        // long to copy.
        FolderRow{"SourceOf259Characters", Named("Common Files"), OfLength(259, 's'), {},
                  [] { return CopyFailure(ERROR_FILENAME_EXCED_RANGE); }},
        // The longest folder the shell's 260-character buffer can report: the shared folder below it
        // would pass 260 characters, and its creation fails.
        FolderRow{"CommonFilesOf259Characters", OfLength(259, 'c'), Named("medium"), {}, [] { return kNoSharedFolder; }},
        FolderRow{"PermitHeldByAReader", Named("Common Files"), Named("medium"), DWORD{FILE_SHARE_READ}, {}},
        FolderRow{"PermitHeldExclusively", Named("Common Files"), Named("medium"), DWORD{0},
                  [] { return CopyFailure(ERROR_SHARING_VIOLATION); }}),
    [](const ::testing::TestParamInfo<FolderRow>& info) { return info.param.name; });

} // namespace

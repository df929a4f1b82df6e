#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "InstalledProducts.h"
#include "RegValueOverride.h"
#include "Texts.h"
#include "UnixTools.h"
#include "WholeRunTest.h"
#include "support/Files.h"

using namespace apptest;

namespace {

const char kCurrentVersionKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kVendorKey[] = "SOFTWARE\\Trovek";
const char kDetected[] = "Detected common programs dir to: ";
const char kNoCommonFiles[] =
    "Could not find the \"Common Files\" folder on this system. Installation not completed! \nPlease run this program "
    "again";
const char kNoRegistryKey[] = "Could not create registry key. Installation not completed! \nPlease run this program again";
const char kNoSharedFolder[] =
    "Could not create common directory for Zarvel. Installation not completed! \nPlease run this program again";

std::string NoPermitCopy(unsigned long code) {
    return "Could not copy permit.cfg. Installation not completed! \nPlease run this program again\nCopyFile failed "
           "with error " +
           std::to_string(code) + ": " + SystemText(code);
}

// A machine whose shared folder cannot be made ready; the setup stops there. What a case arranges
// stays in place until the run is over.
struct FailureCase {
    const char* name;
    std::function<std::shared_ptr<void>(const TestMedium&, const std::string& sharedFolder)> arrange;
    std::function<std::string()> message;
    const char* entryBefore;  // how the log entry before the failure begins
    bool sourceDirRecorded;   // the record is written before the folder and the copy
};

std::shared_ptr<void> CommonFilesAt(const std::string& folder) {
    return std::make_shared<RegValueOverride>(HKEY_LOCAL_MACHINE, kCurrentVersionKey, "CommonFilesDir", folder);
}

const FailureCase kFailures[] = {
    {"CommonFilesFolderMissing",
     [](const TestMedium& medium, const std::string&) {
         return CommonFilesAt(medium.Scratch().PathOf("No Common Files"));
     },
     [] { return std::string(kNoCommonFiles); }, "Installer exit code: ", false},
    // Below a volatile key the system creates no lasting one.
    {"RegistryKeyCannotBeCreated",
     [](const TestMedium&, const std::string&) -> std::shared_ptr<void> {
         HKEY key = nullptr;
         if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kVendorKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr, &key,
                             nullptr) != ERROR_SUCCESS)
             throw std::runtime_error("could not create the volatile key");
         RegCloseKey(key);
         return nullptr;
     },
     [] { return std::string(kNoRegistryKey); }, kDetected, false},
    {"SharedFolderCannotBeCreated",
     [](const TestMedium& medium, const std::string&) -> std::shared_ptr<void> {
         const std::string locked = medium.Scratch().MakeFolder("Locked Common Files");
         auto immutable = std::make_shared<Immutable>(locked);
         auto commonFiles = CommonFilesAt(locked);
         return std::make_shared<std::pair<std::shared_ptr<void>, std::shared_ptr<void>>>(commonFiles, immutable);
     },
     [] { return std::string(kNoSharedFolder); }, kDetected, true},
    {"SourcePermitMissing",
     [](const TestMedium& medium, const std::string&) -> std::shared_ptr<void> {
         medium.Remove("permit.cfg");
         return nullptr;
     },
     [] { return NoPermitCopy(ERROR_FILE_NOT_FOUND); }, kDetected, true},
    {"TargetPermitUnwritable",
     [](const TestMedium&, const std::string& sharedFolder) -> std::shared_ptr<void> {
         testsupport::WriteFileBytes(sharedFolder + "\\permit.cfg", "older permit\r\n");
         return std::make_shared<Immutable>(sharedFolder + "\\permit.cfg");
     },
     [] { return NoPermitCopy(ERROR_ACCESS_DENIED); }, kDetected, true},
    {"FileInPlaceOfTheSharedFolder",
     [](const TestMedium&, const std::string& sharedFolder) -> std::shared_ptr<void> {
         testsupport::WriteFileBytes(sharedFolder, "not a folder");
         return nullptr;
     },
     [] { return NoPermitCopy(ERROR_PATH_NOT_FOUND); }, kDetected, true},
};

void PrintTo(const FailureCase& row, std::ostream* out) { *out << row.name; }

class SharedFolderFailure : public WholeRunTest, public ::testing::WithParamInterface<FailureCase> {};

// Each failure is logged as it is shown, and the run stops right there with 1603. The medium has no
// setup package: msiexec runs and fails, which the setup does not examine.
TEST_P(SharedFolderFailure, IsLoggedAndShownAndStopsTheRun) {
    const FailureCase& failure = GetParam();
    InstalledProducts products(kEveryProduct);
    TestMedium medium;
    medium.Remove(TestMedium::kPackage);

    RunOutcome run;
    {
        const std::shared_ptr<void> arranged = failure.arrange(medium, SharedFolder());
        run = RunSetup(medium);
    }
    const std::string message = failure.message();

    EXPECT_EQ(1603u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{ErrorBox(message)}, run.story);
    const std::vector<std::string> log = Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(message, log.back());
    const std::string& before = log[log.size() - 2];
    EXPECT_EQ(0u, before.rfind(failure.entryBefore, 0)) << before;
    EXPECT_EQ(failure.sourceDirRecorded, SourceDirRecordExists());
}

INSTANTIATE_TEST_SUITE_P(Failures, SharedFolderFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

using SharedFolderReady = WholeRunTest;

// As after an earlier run: the folder is there with a copy of permit.cfg in it.
TEST_F(SharedFolderReady, AlreadyThereIsKeptAndItsPermitReplaced) {
    InstalledProducts products(kEveryProduct);
    TestMedium medium;
    testsupport::WriteFileBytes(SharedFolder() + "\\permit.cfg", "older permit\r\n");
    testsupport::WriteFileBytes(SharedFolder() + "\\kept.txt", "left by an earlier run");

    const RunOutcome run = RunSetup(medium);

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{Ran("Install.exe", "\"" + SharedFolder() + "\\Utility\\Install.exe\"")},
              run.story);
    EXPECT_EQ(TestMedium::kPermitText, testsupport::ReadFileBytes(SharedFolder() + "\\permit.cfg"));
    EXPECT_TRUE(testsupport::FileExists(SharedFolder() + "\\kept.txt"));
    EXPECT_EQ(kEndBanner, Log().back());
}

// The medium is a CD, so its permit.cfg is read-only; the copy is left writable, or the next run
// could not replace it.
TEST_F(SharedFolderReady, ReadOnlyPermitIsCopiedWritable) {
    InstalledProducts products(kEveryProduct);
    TestMedium medium;
    const std::string sourcePermit = medium.PathOf("permit.cfg");
    ASSERT_TRUE(SetFileAttributesA(sourcePermit.c_str(), FILE_ATTRIBUTE_READONLY));
    // A plain copy keeps the attribute.
    const std::string plainCopy = medium.Scratch().PathOf("plain copy.cfg");
    ASSERT_TRUE(CopyFileA(sourcePermit.c_str(), plainCopy.c_str(), FALSE));
    ASSERT_TRUE(GetFileAttributesA(plainCopy.c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(plainCopy.c_str(), FILE_ATTRIBUTE_NORMAL);

    const RunOutcome run = RunSetup(medium);
    SetFileAttributesA(sourcePermit.c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_EQ(0u, run.exitCode);
    const std::string copy = SharedFolder() + "\\permit.cfg";
    EXPECT_EQ(TestMedium::kPermitText, testsupport::ReadFileBytes(copy));
    EXPECT_FALSE(GetFileAttributesA(copy.c_str()) & FILE_ATTRIBUTE_READONLY);
}

// The package is not on the medium, so the product installation program never came: the runner
// reports it, and the rest of the run still happens.
TEST_F(SharedFolderReady, MissingInstallProgramIsReportedAndTheRunEnds) {
    InstalledProducts products(kEveryProduct);
    TestMedium medium;
    medium.Remove(TestMedium::kPackage);
    const std::string installExe = SharedFolder() + "\\Utility\\Install.exe";

    const RunOutcome run = RunSetup(medium);

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(std::vector<std::string>{ErrorBox("File not found:" + installExe + kAborted)}, run.story);
    const std::vector<std::string> log = Log();
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ("Error:File not found:" + installExe + kAborted, log[log.size() - 5]);
    EXPECT_EQ("Remove installer from CommonProgramFiles", log[log.size() - 4]);
    EXPECT_EQ("Run installer: msiexec  /x " + medium.PathOf(TestMedium::kPackage) + " /quiet", log[log.size() - 3]);
    EXPECT_EQ(0u, log[log.size() - 2].rfind("Installer exit code: ", 0)) << log[log.size() - 2];
    EXPECT_EQ(kEndBanner, log.back());
}

}  // namespace

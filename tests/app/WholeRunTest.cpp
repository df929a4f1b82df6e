#include "WholeRunTest.h"

#include <windows.h>
#include <msi.h>
#include <shlobj.h>

#include "support/Files.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/Registry.h"

namespace apptest {
namespace {
const char kProductCode[] = "{5B7D0E3A-91C4-4F2B-8E6D-3A0F27C94D18}";
const char kProductKey[] = "SOFTWARE\\Trovek\\ZarvelCdView";
const char kVendorKey[] = "SOFTWARE\\Trovek";
const char kSourceDirValue[] = "install.SourceDir";

std::string CommonFilesFolder() {
    char folder[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES_COMMON, nullptr, SHGFP_TYPE_CURRENT, folder)))
        throw std::runtime_error("no Common Files folder");
    return folder;
}
}  // namespace

void WholeRunTest::SetUp() {
    m_sharedFolder = testsupport::JoinPath(CommonFilesFolder(), "Zarvel");
    Clean(m_sharedFolder);
    testsupport::RemoveLog();
}

void WholeRunTest::TearDown() {
    Clean(m_sharedFolder);
    testsupport::RemoveLog();
}

bool WholeRunTest::PackageInstalled() { return MsiQueryProductStateA(kProductCode) == INSTALLSTATE_DEFAULT; }

void WholeRunTest::Clean(const std::string& sharedFolder) {
    // A run that stopped early leaves the package installed, as the setup does for real.
    if (PackageInstalled()) {
        testsupport::Child removal = testsupport::Spawn(std::string("msiexec /x ") + kProductCode + " /quiet");
        if (!removal.Wait(testsupport::kChildTimeoutMs * 4)) ADD_FAILURE() << "msiexec did not remove the package";
    }
    testsupport::RemoveTree(sharedFolder);
    // Some runs find a file standing where the folder belongs.
    if (testsupport::FileExists(sharedFolder)) DeleteFileA(sharedFolder.c_str());
    testsupport::DeleteRegTree(HKEY_LOCAL_MACHINE, kVendorKey);
}

std::string RegisteredSourceDir() {
    return testsupport::ReadRegString(HKEY_LOCAL_MACHINE, kProductKey, kSourceDirValue).value_or("");
}

bool SourceDirRecordExists() {
    return testsupport::ReadRegString(HKEY_LOCAL_MACHINE, kProductKey, kSourceDirValue).has_value();
}

std::string SystemText(unsigned long code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string result(text ? text : "", length);
    if (text) LocalFree(text);
    return result;
}

}  // namespace apptest

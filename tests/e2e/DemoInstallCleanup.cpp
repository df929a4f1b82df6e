#include "DemoInstallCleanup.h"

#include <windows.h>
#include <msi.h>
#include <shlobj.h>

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "support/Error.h"
#include "support/Files.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/Registry.h"

using testsupport::JoinPath;

const char kPackageProductCode[] = "{C7C66282-CD6F-4E89-B6A8-644C6E6A1BCF}";

namespace {
const char kFrameworkKey[] = "SOFTWARE\\Microsoft\\.NETFramework";
// The Windows Installer may take a while on its first run in a prefix.
constexpr DWORD kUninstallTimeoutMs = 120000;

// Where the demo .NET installer puts a framework root of its own (demo/programs/NetFx.cpp).
std::string DemoFrameworkRoot() { return JoinPath(SpecialFolder(CSIDL_WINDOWS), "Microsoft.NET\\Framework64\\"); }

std::string CaspolBelow(std::string root) {
    if (!root.empty() && root.back() != '\\') root += '\\';
    return root + "v2.0.50727\\caspol.exe";
}

void DeleteRegValue(HKEY root, const char* subKey, const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, subKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    const LONG status = ::RegDeleteValueA(key, name);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        testsupport::ThrowWin32Error(std::string("deleting the registry value ") + name, status);
}

bool KeyExists(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

void DeleteKeyIfEmpty(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    DWORD subKeys = 0;
    DWORD values = 0;
    const LONG status = ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                                           nullptr, nullptr, nullptr, nullptr);
    ::RegCloseKey(key);
    if (status == ERROR_SUCCESS && subKeys == 0 && values == 0) ::RegDeleteKeyA(root, subKey.c_str());
}

void DeleteFileIfThere(const std::string& path) {
    if (!::DeleteFileA(path.c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND &&
        ::GetLastError() != ERROR_PATH_NOT_FOUND)
        testsupport::ThrowWin32Error("deleting " + path);
}

}  // namespace

std::string SpecialFolder(int csidl) {
    char folder[MAX_PATH];
    if (!::SHGetSpecialFolderPathA(nullptr, folder, csidl, FALSE))
        testsupport::ThrowWin32Error("SHGetSpecialFolderPath " + std::to_string(csidl));
    return folder;
}

std::string SharedFolder() { return SpecialFolder(CSIDL_PROGRAM_FILES_COMMON) + "\\Zarvel"; }

bool PackageInstalled() { return ::MsiQueryProductStateA(kPackageProductCode) == INSTALLSTATE_DEFAULT; }

DemoInstallCleanup::DemoInstallCleanup() {
    Remove();
    const auto root = testsupport::ReadRegString(HKEY_LOCAL_MACHINE, kFrameworkKey, "InstallRoot");
    m_hadFrameworkRoot = root.has_value();
    m_caspol = CaspolBelow(m_hadFrameworkRoot ? *root : DemoFrameworkRoot());
    m_hadCaspol = testsupport::FileExists(m_caspol);

    const std::pair<HKEY, std::string> keys[] = {
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework\\policy"},
        {HKEY_LOCAL_MACHINE, kFrameworkKey},
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\DataAccess"},
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Trovek"},
    };
    for (const auto& key : keys)
        if (!KeyExists(key.first, key.second)) m_newKeys.push_back(key);
    // caspol's folder and its parents below the Windows folder.
    const std::string windows = SpecialFolder(CSIDL_WINDOWS);
    std::string folder = m_caspol.substr(0, m_caspol.find_last_of('\\'));
    while (folder.size() > windows.size()) {
        if (!testsupport::FolderExists(folder)) m_newFolders.push_back(folder);
        folder.resize(folder.find_last_of('\\'));
    }
}

DemoInstallCleanup::~DemoInstallCleanup() {
    try {
        Remove();
        if (!m_hadFrameworkRoot) DeleteRegValue(HKEY_LOCAL_MACHINE, kFrameworkKey, "InstallRoot");
        if (!m_hadCaspol) DeleteFileIfThere(m_caspol);
        for (const auto& key : m_newKeys) DeleteKeyIfEmpty(key.first, key.second);
        for (const std::string& folder : m_newFolders) ::RemoveDirectoryA(folder.c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cleaning up after the demo installation: %s\n", error.what());
    }
}

void DemoInstallCleanup::Remove() const {
    if (PackageInstalled()) {
        const testsupport::Child uninstall =
            testsupport::Spawn(std::string("msiexec /x ") + kPackageProductCode + " /quiet");
        if (!uninstall.Wait(kUninstallTimeoutMs)) throw std::runtime_error("msiexec /x did not end");
    }
    testsupport::DeleteRegTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework\\policy\\v2.0");
    DeleteRegValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\DataAccess", "FullInstallVer");
    testsupport::DeleteRegTree(HKEY_LOCAL_MACHINE,
                               "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IsoView600");
    testsupport::DeleteRegTree(HKEY_CLASSES_ROOT, "AcroExch.Document");
    testsupport::DeleteRegTree(HKEY_CLASSES_ROOT, "CLSID\\{5F0C4E2A-8B1D-4C3E-9A67-2D41B8E0C713}");
    testsupport::DeleteRegTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trovek\\ZarvelCdView");

    const std::string programFiles = SpecialFolder(CSIDL_PROGRAM_FILES);
    testsupport::RemoveTree(JoinPath(programFiles, "IsoView"));
    testsupport::RemoveTree(JoinPath(programFiles, "Acrobat Reader"));
    testsupport::RemoveTree(SharedFolder());
    testsupport::RemoveLog();
}

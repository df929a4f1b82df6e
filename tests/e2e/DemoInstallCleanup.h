#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

// What a setup run on the demo medium leaves in the shared test prefix: what the demo installers
// write (demo/README.md), the installed setup package, the shared folder, the record of the source
// folder and the install log. Removed when this is made (leftovers of a run that was cut short) and
// again when it goes away, so every test starts with nothing installed and leaves nothing behind.
class DemoInstallCleanup {
public:
    DemoInstallCleanup();
    ~DemoInstallCleanup();
    DemoInstallCleanup(const DemoInstallCleanup&) = delete;
    DemoInstallCleanup& operator=(const DemoInstallCleanup&) = delete;

private:
    void Remove() const;

    // The .NET installer registers a framework root only when there is none, and writes caspol only
    // where there is none; what was there before stays.
    bool m_hadFrameworkRoot = false;
    std::string m_caspol;
    bool m_hadCaspol = false;
    // Keys and folders that only hold what the run writes, and that were not there when the test
    // began: removed at the end when they are empty again, deepest first.
    std::vector<std::pair<HKEY, std::string>> m_newKeys;
    std::vector<std::string> m_newFolders;
};

// Folders as this machine's Windows reports them (SHGetSpecialFolderPath with a CSIDL_ value).
std::string SpecialFolder(int csidl);
// The setup's shared folder: the Common Files folder + "\Zarvel".
std::string SharedFolder();
// The setup package's product code (demo/package/InstallSetup.wxs).
extern const char kPackageProductCode[];
// True while the setup package is installed.
bool PackageInstalled();

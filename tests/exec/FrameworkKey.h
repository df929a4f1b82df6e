#pragma once
#include <windows.h>

#include <string>

// HKLM\SOFTWARE\Microsoft\.NETFramework, where the framework records its installation root.
extern const char kFrameworkKey[];

// Starts the test without the framework key and restores afterwards whatever the prefix had there:
// a key found at the start is kept aside under a key of the tests' own meanwhile (and one left
// aside by an interrupted run is put back first).
class FrameworkKeyAside {
public:
    FrameworkKeyAside();
    ~FrameworkKeyAside();
    FrameworkKeyAside(const FrameworkKeyAside&) = delete;
    FrameworkKeyAside& operator=(const FrameworkKeyAside&) = delete;

    // Creates the key if needed and sets InstallRoot to exactly these bytes: a string given without
    // its NUL is stored without one.
    void SetInstallRoot(DWORD type, const std::string& bytes) const;
};

// Lets everyone only read the key for the holder's lifetime, then gives back its former access.
class ReadOnlyKey {
public:
    ReadOnlyKey(HKEY root, const std::string& subKey);
    ~ReadOnlyKey();
    ReadOnlyKey(const ReadOnlyKey&) = delete;
    ReadOnlyKey& operator=(const ReadOnlyKey&) = delete;

private:
    HKEY m_key = nullptr;
    std::string m_oldSecurity;
};

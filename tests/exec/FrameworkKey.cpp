#include "FrameworkKey.h"

#include "support/Error.h"
#include "support/Registry.h"

#include <aclapi.h>

#include <gtest/gtest.h>

#include <exception>

using namespace testsupport;

const char kFrameworkKey[] = "SOFTWARE\\Microsoft\\.NETFramework";

namespace {

const char kAsideKey[] = "SOFTWARE\\ZarvelTests\\NETFramework kept aside";

bool KeyExists(const char* subKey) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

void MoveKey(const char* from, const char* to) {
    DeleteRegTree(HKEY_LOCAL_MACHINE, to);
    HKEY source = nullptr;
    LONG status = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, from, 0, KEY_READ, &source);
    if (status != ERROR_SUCCESS) ThrowWin32Error(std::string("opening ") + from, status);
    HKEY target = nullptr;
    status = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, to, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                               &target, nullptr);
    if (status == ERROR_SUCCESS) {
        status = ::RegCopyTreeA(source, nullptr, target);
        ::RegCloseKey(target);
    }
    ::RegCloseKey(source);
    if (status != ERROR_SUCCESS) ThrowWin32Error(std::string("copying ") + from + " to " + to, status);
    DeleteRegTree(HKEY_LOCAL_MACHINE, from);
}

}  // namespace

FrameworkKeyAside::FrameworkKeyAside() {
    if (KeyExists(kAsideKey)) {
        DeleteRegTree(HKEY_LOCAL_MACHINE, kFrameworkKey);
        MoveKey(kAsideKey, kFrameworkKey);
    }
    if (KeyExists(kFrameworkKey)) MoveKey(kFrameworkKey, kAsideKey);
}

FrameworkKeyAside::~FrameworkKeyAside() {
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kFrameworkKey);
    try {
        if (KeyExists(kAsideKey)) MoveKey(kAsideKey, kFrameworkKey);
    } catch (const std::exception& failure) {
        ADD_FAILURE() << "the prefix's framework key was not restored: " << failure.what();
    }
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\ZarvelTests");
}

void FrameworkKeyAside::SetInstallRoot(DWORD type, const std::string& bytes) const {
    HKEY key = nullptr;
    LONG status = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFrameworkKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) ThrowWin32Error("creating the framework key", status);
    // The system adds a NUL to a string whose count left it out when the byte after the data is
    // one; a byte other than NUL there keeps the data exactly as given.
    const std::string buffer = bytes + '!';
    status = ::RegSetValueExA(key, "InstallRoot", 0, type, reinterpret_cast<const BYTE*>(buffer.data()),
                              static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS) ThrowWin32Error("setting InstallRoot", status);
}

ReadOnlyKey::ReadOnlyKey(HKEY root, const std::string& subKey) {
    LONG status = ::RegOpenKeyExA(root, subKey.c_str(), 0, READ_CONTROL | WRITE_DAC, &m_key);
    if (status != ERROR_SUCCESS) ThrowWin32Error("opening " + subKey, status);
    DWORD size = 0;
    ::RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, nullptr, &size);
    m_oldSecurity.resize(size);
    status = ::RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, m_oldSecurity.data(), &size);
    if (status != ERROR_SUCCESS) ThrowWin32Error("reading the security of " + subKey, status);

    EXPLICIT_ACCESS_A access = {};
    access.grfAccessPermissions = KEY_READ;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    access.Trustee.ptstrName = const_cast<char*>("EVERYONE");
    PACL acl = nullptr;
    status = static_cast<LONG>(::SetEntriesInAclA(1, &access, nullptr, &acl));
    if (status != ERROR_SUCCESS) ThrowWin32Error("building a read-only access list", status);
    SECURITY_DESCRIPTOR security;
    ::InitializeSecurityDescriptor(&security, SECURITY_DESCRIPTOR_REVISION);
    ::SetSecurityDescriptorDacl(&security, TRUE, acl, FALSE);
    status = ::RegSetKeySecurity(m_key, DACL_SECURITY_INFORMATION, &security);
    ::LocalFree(acl);
    if (status != ERROR_SUCCESS) ThrowWin32Error("making " + subKey + " read-only", status);
}

ReadOnlyKey::~ReadOnlyKey() {
    ::RegSetKeySecurity(m_key, DACL_SECURITY_INFORMATION, m_oldSecurity.data());
    ::RegCloseKey(m_key);
}

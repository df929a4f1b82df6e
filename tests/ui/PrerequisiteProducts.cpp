#include "PrerequisiteProducts.h"

#include "support/Paths.h"

namespace {
const char kDotNetKey[] = "SOFTWARE\\Microsoft\\.NETFramework\\policy\\v2.0";
const char kMdacKey[] = "SOFTWARE\\Microsoft\\DataAccess";
const char kIsoViewKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IsoView600";
const char kAcrobatClassKey[] = "AcroExch.Document\\CLSID";
const char kAcrobatClassId[] = "{6C3A21F0-5A7E-4B0B-9D53-7A1E0C2B4F11}";

bool KeyExists(HKEY root, const std::string& subKey) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

std::string AcrobatClassKey(const char* sub) { return std::string("CLSID\\") + kAcrobatClassId + "\\" + sub; }
}  // namespace

PrerequisiteProducts::PrerequisiteProducts() = default;

void PrerequisiteProducts::Install(const ProductSet& products) {
    if (products.dotNet) AddDotNet();
    if (products.mdac) AddMdac();
    if (products.isoView) AddIsoView();
    if (products.acrobat) AddAcrobat();
}

void PrerequisiteProducts::WillWrite(HKEY root, const std::string& subKey) {
    for (size_t end = subKey.find('\\');; end = subKey.find('\\', end + 1)) {
        const std::string prefix = subKey.substr(0, end);
        if (!KeyExists(root, prefix)) {
            m_keys.Add(root, prefix);
            return;
        }
        if (end == std::string::npos) return;
    }
}

void PrerequisiteProducts::AddDotNet() {
    WillWrite(HKEY_LOCAL_MACHINE, kDotNetKey);
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDotNetKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS)
        ::RegCloseKey(key);
}

void PrerequisiteProducts::AddMdac() {
    WillWrite(HKEY_LOCAL_MACHINE, kMdacKey);
    testsupport::SetRegString(HKEY_LOCAL_MACHINE, kMdacKey, "FullInstallVer", "2.81.1117.0");
}

void PrerequisiteProducts::AddIsoView() {
    const std::string folder = m_files.MakeFolder("IsoView");
    m_files.CopyIn(testsupport::WinPath(ISOENGINE_FIXTURE), "IsoView\\IsoEngine6.exe");
    WillWrite(HKEY_LOCAL_MACHINE, kIsoViewKey);
    testsupport::SetRegString(HKEY_LOCAL_MACHINE, kIsoViewKey, "Path", folder);
}

void PrerequisiteProducts::AddAcrobat() { AddAcrobatServer(m_files.Write("Reader\\AcroRd32.exe", "MZ")); }

void PrerequisiteProducts::AddAcrobatWithoutServer() { AddAcrobatServer(m_files.PathOf("Reader\\AcroRd32.exe")); }

void PrerequisiteProducts::AddAcrobatServer(const std::string& serverPath) {
    WillWrite(HKEY_CLASSES_ROOT, kAcrobatClassKey);
    testsupport::SetRegString(HKEY_CLASSES_ROOT, kAcrobatClassKey, "", kAcrobatClassId);
    WillWrite(HKEY_CLASSES_ROOT, AcrobatClassKey("AcrobatVersion"));
    testsupport::SetRegString(HKEY_CLASSES_ROOT, AcrobatClassKey("AcrobatVersion"), "", "9.0");
    testsupport::SetRegString(HKEY_CLASSES_ROOT, AcrobatClassKey("LocalServer32"), "", "\"" + serverPath + "\"");
}

bool PrerequisiteProducts::AnyProductKeyExists() {
    return KeyExists(HKEY_LOCAL_MACHINE, kDotNetKey) || KeyExists(HKEY_LOCAL_MACHINE, kMdacKey) ||
           KeyExists(HKEY_LOCAL_MACHINE, kIsoViewKey) || KeyExists(HKEY_CLASSES_ROOT, "AcroExch.Document") ||
           KeyExists(HKEY_CLASSES_ROOT, "AcroExch.Document.7") ||
           KeyExists(HKEY_CLASSES_ROOT, std::string("CLSID\\") + kAcrobatClassId);
}

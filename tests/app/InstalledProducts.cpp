#include "InstalledProducts.h"

#include "support/Paths.h"

namespace apptest {
namespace {
const char kAcrobatClassId[] = "{6A1F3D52-0B7E-4C29-9E84-D5B2C07A61F3}";
}

InstalledProducts::InstalledProducts(const std::set<Product>& present) {
    // A program whose file version (6.1.0.0) is new enough for IsoView; it also serves as the
    // Acrobat Reader server program, which only has to exist.
    const std::string engine = m_files.CopyIn(testsupport::WinPath(APP_ISOENGINE_EXE), "IsoView\\IsoEngine6.exe");

    if (present.count(Product::DotNet))
        Set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework\\policy\\v2.0", "50727", "50727-50727");
    if (present.count(Product::Mdac)) Set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\DataAccess", "FullInstallVer", "2.8");
    if (present.count(Product::IsoView))
        Set(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IsoView600", "Path",
            m_files.PathOf("IsoView"));
    if (present.count(Product::Acrobat)) {
        const std::string classKey = std::string("CLSID\\") + kAcrobatClassId;
        Set(HKEY_CLASSES_ROOT, classKey + "\\AcrobatVersion", "", "9.0");
        Set(HKEY_CLASSES_ROOT, classKey + "\\LocalServer32", "", "\"" + engine + "\"");
        Set(HKEY_CLASSES_ROOT, "AcroExch.Document\\CLSID", "", kAcrobatClassId);
    }
}

void InstalledProducts::Set(HKEY root, const std::string& subKey, const std::string& name, const std::string& value) {
    m_values.push_back(std::make_unique<RegValueOverride>(root, subKey, name, value));
}

}  // namespace apptest

#include <windows.h>

#include "afx/FileFind.h"
#include "afx/Scoped.h"
#include "afx/WinApp.h"
#include "detect/DottedVersion.h"
#include "detect/ModuleVersion.h"
#include "detect/RegString.h"
#include "ui/InstallDlg.h"

namespace {
const char kIsoViewKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IsoView600";
const char kMdacKey[] = "SOFTWARE\\Microsoft\\DataAccess";
const char kAcrobatClassKey[] = "AcroExch.Document\\CLSID";
const char kAcrobat7ClassKey[] = "AcroExch.Document.7\\CLSID";
const char kAcrobatRemoved[] = "The Acrobat Reader has been installed, but has been removed from the disk.";
}  // namespace

bool InstallDlg::IsIsoViewInstalled() {
    ScopedRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, kIsoViewKey, KEY_READ) != ERROR_SUCCESS) return false;
    const CString folder = GetRegString(key.Get(), "Path");
    key.Close();
    if (folder.IsEmpty()) return false;

    FXAModuleVersion engine;
    if (!engine.Load(folder + "\\IsoEngine6.exe")) return false;
    CString version;
    version.Format("%u.%u.%u.%u", HIWORD(engine.dwFileVersionMS), LOWORD(engine.dwFileVersionMS),
                   HIWORD(engine.dwFileVersionLS), LOWORD(engine.dwFileVersionLS));
    return CompareDottedVersions(version, "6.0.0.0") > 0;
}

bool InstallDlg::IsMdacInstalled() {
    CString version;
    if (!ReadRegString(HKEY_LOCAL_MACHINE, kMdacKey, "FullInstallVer", version) || version.IsEmpty()) return false;
    return CompareDottedVersions(version, "2.7") > 0;
}

bool InstallDlg::IsAcrobatInstalled() {
    CString classId, version, server;
    ReadRegString(HKEY_CLASSES_ROOT, kAcrobatClassKey, nullptr, classId);
    if (!classId.IsEmpty()) ReadRegString(HKEY_CLASSES_ROOT, "CLSID\\" + classId + "\\AcrobatVersion", nullptr, version);
    if (classId.IsEmpty() || version.IsEmpty()) {
        CString fallbackId;
        if (ReadRegString(HKEY_CLASSES_ROOT, kAcrobat7ClassKey, nullptr, fallbackId)) {
            classId = fallbackId;
            version = "7.0";
        }
    }
    if (classId.IsEmpty()) return false;

    ReadRegString(HKEY_CLASSES_ROOT, "CLSID\\" + classId + "\\LocalServer32", nullptr, server);
    if (server.IsEmpty()) return false;
    server.Remove('"');

    CFileFind find;
    if (!find.FindFile(server)) {
        AfxMessageBox(kAcrobatRemoved, MB_OK | MB_ICONERROR);
        return false;
    }
    return CompareDottedVersions(version, "5.0") >= 0;
}

// Demo Acrobat Reader installer (Acrobat\<language>.EXE), run without arguments: installs the
// server program it carries and registers the document class that names it.
#include <windows.h>

#include <string>

#include "demo/common/Folders.h"
#include "demo/common/Payload.h"
#include "demo/common/Registry.h"

namespace {

const char kClassId[] = "{5F0C4E2A-8B1D-4C3E-9A67-2D41B8E0C713}";
const char kServer[] = "AcroRd32.exe";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string programFiles = ProgramFilesFolder();
    if (programFiles.empty()) return ERROR_INSTALL_FAILURE;
    const std::string folder = programFiles + "\\Acrobat Reader";
    if (!InstallPayload(folder, kServer)) return ERROR_INSTALL_FAILURE;
    const std::string classKey = std::string("CLSID\\") + kClassId;
    // A server path with blanks is quoted, as a command line must be. The document's class id
    // is written last, so that it only ever points at a complete class.
    const bool registered =
        WriteRegString(HKEY_CLASSES_ROOT, (classKey + "\\AcrobatVersion").c_str(), nullptr, "9.0") &&
        WriteRegString(HKEY_CLASSES_ROOT, (classKey + "\\LocalServer32").c_str(), nullptr,
                       "\"" + folder + "\\" + kServer + "\"") &&
        WriteRegString(HKEY_CLASSES_ROOT, "AcroExch.Document\\CLSID", nullptr, kClassId);
    return registered ? 0 : ERROR_INSTALL_FAILURE;
}

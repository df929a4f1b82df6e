// Demo IsoView installer (isoviewx6.exe), run with "/qb": installs the engine it carries.
#include <windows.h>

#include <string>

#include "demo/common/Arguments.h"
#include "demo/common/Folders.h"
#include "demo/common/Payload.h"
#include "demo/common/Registry.h"

namespace {

const char kAppPathKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IsoView600";
const char kEngine[] = "IsoEngine6.exe";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!LastArgumentIs("/qb")) return ERROR_INVALID_PARAMETER;
    const std::string programFiles = ProgramFilesFolder();
    if (programFiles.empty()) return ERROR_INSTALL_FAILURE;
    const std::string folder = programFiles + "\\IsoView";
    // The registration comes last, so that it never names an engine that is not on the disk.
    if (!InstallPayload(folder, kEngine)) return ERROR_INSTALL_FAILURE;
    const bool registered = WriteRegString(HKEY_LOCAL_MACHINE, kAppPathKey, nullptr, folder + "\\" + kEngine) &&
                            WriteRegString(HKEY_LOCAL_MACHINE, kAppPathKey, "Path", folder);
    return registered ? 0 : ERROR_INSTALL_FAILURE;
}

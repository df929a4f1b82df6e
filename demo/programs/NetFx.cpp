// Demo .NET Framework 2.0 installer (dotnetfx.exe, NetFx64.exe), run with "/Q".
#include <windows.h>

#include <string>

#include "demo/common/Arguments.h"
#include "demo/common/Folders.h"
#include "demo/common/Payload.h"
#include "demo/common/Registry.h"

namespace {

const char kFrameworkKey[] = "SOFTWARE\\Microsoft\\.NETFramework";
const char kPolicyKey[] = "SOFTWARE\\Microsoft\\.NETFramework\\policy\\v2.0";
const char kRuntimeFolder[] = "v2.0.50727";

// A framework already registered on the machine keeps its root; a new one goes where this
// process's registry view expects it.
std::string FrameworkRoot() {
    std::string root;
    if (ReadRegString(HKEY_LOCAL_MACHINE, kFrameworkKey, "InstallRoot", root) && !root.empty()) return root;
    const std::string windows = WindowsFolder();
    if (windows.empty()) return std::string();
    root = windows + (sizeof(void*) == 8 ? "\\Microsoft.NET\\Framework64\\" : "\\Microsoft.NET\\Framework\\");
    return WriteRegString(HKEY_LOCAL_MACHINE, kFrameworkKey, "InstallRoot", root) ? root : std::string();
}

// Leaves a caspol that is already there alone: it may belong to another framework.
bool InstallCaspol(std::string root) {
    if (root.back() != '\\') root += '\\';
    const std::string folder = root + kRuntimeFolder;
    if (GetFileAttributesA((folder + "\\caspol.exe").c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    return InstallPayload(folder, "caspol.exe");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!LastArgumentIs("/Q")) return ERROR_INVALID_PARAMETER;
    const std::string root = FrameworkRoot();
    if (root.empty() || !InstallCaspol(root)) return ERROR_INSTALL_FAILURE;
    return WriteRegString(HKEY_LOCAL_MACHINE, kPolicyKey, "50727", "50727-50727") ? 0 : ERROR_INSTALL_FAILURE;
}

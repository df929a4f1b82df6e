// Demo MDAC installer (mdac_typ.exe), run with "/Q".
#include <windows.h>

#include "demo/common/Arguments.h"
#include "demo/common/Registry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!LastArgumentIs("/Q")) return ERROR_INVALID_PARAMETER;
    return WriteRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\DataAccess", "FullInstallVer", "2.8")
               ? 0
               : ERROR_INSTALL_FAILURE;
}

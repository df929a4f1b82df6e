// Stands in for a prerequisite installer that undoes the setup's record of its source folder while
// the setup waits for it, as a faulty installer or a user with regedit could. ZARVEL_ERASE says
// how: "value" deletes the value, "empty" empties it, "key" deletes the whole key.
#include <windows.h>

#include <cstring>

namespace {
const char kKey[] = "SOFTWARE\\Trovek\\ZarvelCdView";
const char kValue[] = "install.SourceDir";

LONG Erase(const char* how) {
    if (std::strcmp(how, "key") == 0) return RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKey);
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &key);
    if (status != ERROR_SUCCESS) return status;
    if (std::strcmp(how, "value") == 0)
        status = RegDeleteValueA(key, kValue);
    else if (std::strcmp(how, "empty") == 0)
        status = RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    else
        status = ERROR_INVALID_PARAMETER;
    RegCloseKey(key);
    return status;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char how[16] = "";
    const DWORD length = GetEnvironmentVariableA("ZARVEL_ERASE", how, sizeof how);
    if (length == 0 || length >= sizeof how) return ERROR_INVALID_PARAMETER;
    return static_cast<int>(Erase(how));
}

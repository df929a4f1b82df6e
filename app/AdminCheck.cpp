#include "app/AdminCheck.h"

#include <windows.h>
#include <shlobj.h>

namespace {
bool AskShell() { return IsUserAnAdmin() != FALSE; }
AdministratorCheck g_check = &AskShell;
}  // namespace

bool IsUserAdministrator() { return g_check(); }

void SetAdministratorCheckForTesting(AdministratorCheck check) { g_check = check ? check : &AskShell; }

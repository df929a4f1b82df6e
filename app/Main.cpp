#include "app/DllSearch.h"
#include "app/SetupApp.h"

// Runs before the application object below is constructed (same file, declaration order), so no DLL
// is loaded before the search is restricted.
static const bool dllSearchRestricted = (RestrictDllSearchToSystemFolder(), true);

// Constructed during static initialisation, before the entry point runs: the platform line is the
// first entry of every run.
CSetupApp theApp;

#include "app/SetupApp.h"

// Constructed during static initialisation, before the entry point runs: the platform line is the
// first entry of every run.
CSetupApp theApp;

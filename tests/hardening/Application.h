#pragma once
#include "app/SetupApp.h"

// The test program's one application object.
CSetupApp& TheApp();

#pragma once
#include <windows.h>

// The value the next kernel handle of this process gets. The system hands out the lowest free
// slot, so a call that leaves a handle (a registry key, a find handle) open moves it.
HANDLE NextHandleValue();

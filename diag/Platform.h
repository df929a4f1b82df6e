#pragma once
#include "afx/AfxString.h"

// Platform codes of the running Windows system.
enum PlatformCode {
    kPlatformUnknown = 0,
    kPlatformWin95 = 1,
    kPlatformWin98 = 2,
    kPlatformWinMe = 3,
    kPlatformWinNt351 = 4,
    kPlatformWinNt4 = 5,
    kPlatformWin2000 = 6,
    kPlatformWinXp = 7,
    kPlatformWin2003 = 8,
    kPlatformWinCe = 9,
    kPlatformWinLh = 10,
    kPlatformWin64 = 11,
};

// The code for a system reporting these values. A 32-bit program on a 64-bit Windows (WOW64) counts
// as 64-bit whatever the version; a system without IsWow64Process cannot be 64-bit.
int ClassifyPlatform(bool wow64FunctionFound, bool wow64, unsigned long platformId, unsigned long major,
                     unsigned long minor);

CString OsVersionName(int code);

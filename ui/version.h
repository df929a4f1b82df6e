#pragma once
// The program's own version and copyright, shown in the install dialog's greeting.
#define ZARVEL_VERSION_NUMBERS 1, 0, 0, 1
#define ZARVEL_VERSION_TEXT "1, 0, 0, 1"
#define ZARVEL_COPYRIGHT "Copyright (C) 2026 Trovek"

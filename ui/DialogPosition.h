#pragma once
#include <windows.h>

// Top-left corner for a window of size width x height at one of nine places on the work area:
// 0 1 2 top left/centre/right, 3 4 5 middle, 6 7 8 bottom; any other code is the centre. Halves
// truncate toward zero, so a window larger than the work area overhangs it evenly.
POINT DialogPosition(int code, const RECT& workArea, int width, int height);

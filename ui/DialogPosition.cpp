#include "ui/DialogPosition.h"

POINT DialogPosition(int code, const RECT& workArea, int width, int height) {
    if (code < 0 || code > 8) code = 4;
    const int spareX = (workArea.right - workArea.left) - width;
    const int spareY = (workArea.bottom - workArea.top) - height;
    const int column = code % 3;
    const int row = code / 3;
    // The work area need not begin at the screen's corner (a task bar at the top or left).
    POINT corner;
    corner.x = workArea.left + (column == 0 ? 0 : column == 1 ? spareX / 2 : spareX);
    corner.y = workArea.top + (row == 0 ? 0 : row == 1 ? spareY / 2 : spareY);
    return corner;
}

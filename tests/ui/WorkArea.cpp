#include "WorkArea.h"

RECT CurrentWorkArea() {
    RECT area = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

WorkAreaOverride::WorkAreaOverride(const RECT& area) : m_saved(CurrentWorkArea()) {
    RECT wanted = area;
    m_applied = ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &wanted, 0) != FALSE;
}

WorkAreaOverride::~WorkAreaOverride() {
    if (m_applied) ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &m_saved, 0);
}

#pragma once
#include <windows.h>

// The desktop work area as SPI_GETWORKAREA reports it.
RECT CurrentWorkArea();

// Moves the desktop work area for the holder's lifetime, as a task bar on the top or left would.
class WorkAreaOverride {
public:
    explicit WorkAreaOverride(const RECT& area);
    ~WorkAreaOverride();
    WorkAreaOverride(const WorkAreaOverride&) = delete;
    WorkAreaOverride& operator=(const WorkAreaOverride&) = delete;

    bool Applied() const { return m_applied; }

private:
    RECT m_saved;
    bool m_applied;
};

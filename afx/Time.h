#pragma once
#include <ctime>

#include "afx/AfxString.h"

// A point in time, in seconds.
class CTime {
public:
    explicit CTime(time_t time = 0) : m_time(time) {}
    static CTime GetCurrentTime() { return CTime(::time(nullptr)); }
    time_t GetTime() const { return m_time; }
    // strftime of the local time; empty when the time cannot be converted or formatted.
    CString Format(const char* format) const;

private:
    time_t m_time;
};

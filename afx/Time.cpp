#include "afx/Time.h"

#include <windows.h>

namespace {
// Seconds from 1601-01-01 (the start of FILETIME) to 1970-01-01 (the start of time_t).
const long long kEpochDifference = 11644473600LL;
const long long kTicksPerSecond = 10000000LL;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DayOfYear(const SYSTEMTIME& t) {
    static const int kDaysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return kDaysBefore[t.wMonth - 1] + t.wDay - 1 + (t.wMonth > 2 && IsLeapYear(t.wYear) ? 1 : 0);
}
}  // namespace

CString CTime::Format(const char* format) const {
    // Converted by Windows, in the system's time zone: the C runtime's own conversion follows a TZ
    // variable in the environment, which need not describe the system's zone.
    if (m_time < 0) return CString();
    ULARGE_INTEGER ticks;
    ticks.QuadPart = static_cast<ULONGLONG>((m_time + kEpochDifference) * kTicksPerSecond);
    const FILETIME utcTime = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME utc;
    SYSTEMTIME local;
    if (!FileTimeToSystemTime(&utcTime, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        return CString();

    struct tm parts = {};
    parts.tm_year = local.wYear - 1900;
    parts.tm_mon = local.wMonth - 1;
    parts.tm_mday = local.wDay;
    parts.tm_hour = local.wHour;
    parts.tm_min = local.wMinute;
    parts.tm_sec = local.wSecond;
    parts.tm_wday = local.wDayOfWeek;
    parts.tm_yday = DayOfYear(local);
    parts.tm_isdst = -1;
    char buffer[128];
    const size_t length = strftime(buffer, sizeof buffer, format, &parts);
    return length == 0 ? CString() : CString(buffer, static_cast<int>(length));
}

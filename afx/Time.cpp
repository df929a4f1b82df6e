#include "afx/Time.h"

CString CTime::Format(const char* format) const {
    struct tm local = {};
    if (localtime_s(&local, &m_time) != 0) return CString();
    char buffer[128];
    const size_t length = strftime(buffer, sizeof buffer, format, &local);
    return length == 0 ? CString() : CString(buffer, static_cast<int>(length));
}

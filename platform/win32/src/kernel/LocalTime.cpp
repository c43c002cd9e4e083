// The clock, split into calendar fields, in local time or in UTC.
#include <ctime>

#include "Win32.h"

namespace {

using BreakDown = struct tm* (*)(const time_t*, struct tm*);

void FillSystemTime(LPSYSTEMTIME out, BreakDown breakDown) {
    if (out == nullptr) {
        return;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    struct tm fields {};
    breakDown(&now.tv_sec, &fields);
    out->wYear = static_cast<WORD>(fields.tm_year + 1900);
    out->wMonth = static_cast<WORD>(fields.tm_mon + 1);
    out->wDayOfWeek = static_cast<WORD>(fields.tm_wday);  // 0 is Sunday in both
    out->wDay = static_cast<WORD>(fields.tm_mday);
    out->wHour = static_cast<WORD>(fields.tm_hour);
    out->wMinute = static_cast<WORD>(fields.tm_min);
    // A leap second (tm_sec 60) has no place in SYSTEMTIME.
    out->wSecond = static_cast<WORD>(fields.tm_sec > 59 ? 59 : fields.tm_sec);
    out->wMilliseconds = static_cast<WORD>(now.tv_nsec / 1000000);
}

}  // namespace

WIN32SUB_API void WINAPI GetLocalTime(LPSYSTEMTIME time) {
    // localtime_r reads the time zone only once; Windows follows a change of zone at once.
    tzset();
    FillSystemTime(time, &localtime_r);
}

WIN32SUB_API void WINAPI GetSystemTime(LPSYSTEMTIME time) { FillSystemTime(time, &gmtime_r); }

// The clock in calendar fields.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "Win32.h"

namespace {

using namespace std::chrono;

// The fields read as a UTC calendar time, to compare without the functions under test.
sys_time<milliseconds> AsUtc(const SYSTEMTIME& t) {
    const sys_days date = year_month_day{year{t.wYear}, month{t.wMonth}, day{t.wDay}};
    return date + hours{t.wHour} + minutes{t.wMinute} + seconds{t.wSecond} + milliseconds{t.wMilliseconds};
}

unsigned WeekdayOf(const SYSTEMTIME& t) {
    return weekday{sys_days{year_month_day{year{t.wYear}, month{t.wMonth}, day{t.wDay}}}}.c_encoding();
}

}  // namespace

TEST(LocalTime, SystemTimeIsNowInUtcToTheMillisecond) {
    SYSTEMTIME t{};
    const auto before = time_point_cast<milliseconds>(system_clock::now());
    GetSystemTime(&t);
    const auto after = time_point_cast<milliseconds>(system_clock::now());
    EXPECT_GE(AsUtc(t), before);
    EXPECT_LE(AsUtc(t), after);
    EXPECT_EQ(t.wDayOfWeek, WeekdayOf(t));  // 0 is Sunday
}

TEST(LocalTime, LocalTimeFollowsTheTimeZone) {
    const char* saved = std::getenv("TZ");
    const std::string savedZone = saved != nullptr ? saved : "";
    setenv("TZ", "XYZ-05:30", 1);  // five and a half hours east of UTC, no daylight saving
    SYSTEMTIME local{};
    SYSTEMTIME utc{};
    GetLocalTime(&local);
    GetSystemTime(&utc);
    saved != nullptr ? setenv("TZ", savedZone.c_str(), 1) : unsetenv("TZ");
    tzset();
    EXPECT_NEAR(duration_cast<milliseconds>(AsUtc(local) - AsUtc(utc)).count(), 330 * 60 * 1000, 2000);
    EXPECT_EQ(local.wDayOfWeek, WeekdayOf(local));
}

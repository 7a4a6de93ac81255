#include "util/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace korvan {

namespace {

constexpr std::int64_t MsecPerDay = 86'400'000;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's
// days_from_civil), exact for every year of the int range we use.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, TCivilTime& t)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    t.Year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
    t.Month = static_cast<int>(m);
    t.Day = static_cast<int>(d);
}

// Day 0 of TDateTime, 30/12/1899, counted from 1970-01-01.
const std::int64_t Epoch1899 = DaysFromCivil(1899, 12, 30);

} // namespace

TDateTime EncodeDateTime(const TCivilTime& t)
{
    const std::int64_t days =
        DaysFromCivil(t.Year, static_cast<unsigned>(t.Month), static_cast<unsigned>(t.Day)) -
        Epoch1899;
    const double time =
        static_cast<double>(((t.Hour * 60 + t.Minute) * 60 + t.Second) * 1000 + t.Msec) /
        static_cast<double>(MsecPerDay);
    // Before day 0 the fraction still counts forward from midnight: -1.25 is
    // 29/12/1899 06:00, the convention of the files that hold such values.
    return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

TCivilTime DecodeDateTime(TDateTime value)
{
    std::int64_t days;
    std::int64_t msec; // of the day, 0..MsecPerDay-1
    if (value >= 0) {
        // Rounded to the millisecond first, so 0.99999999999 is the next midnight
        // and a sum of floating-point steps does not lose a second.
        const std::int64_t total = std::llround(value * static_cast<double>(MsecPerDay));
        days = total / MsecPerDay;
        msec = total % MsecPerDay;
    } else {
        const double whole = std::trunc(value);
        days = static_cast<std::int64_t>(whole);
        msec = std::llround((whole - value) * static_cast<double>(MsecPerDay));
        if (msec >= MsecPerDay) {
            msec -= MsecPerDay;
            days -= 1;
        }
    }
    TCivilTime t;
    CivilFromDays(days + Epoch1899, t);
    t.Msec = static_cast<int>(msec % 1000);
    const std::int64_t secs = msec / 1000;
    t.Second = static_cast<int>(secs % 60);
    t.Minute = static_cast<int>(secs / 60 % 60);
    t.Hour = static_cast<int>(secs / 3600);
    return t;
}

std::string FormatShortDate(TDateTime value)
{
    const TCivilTime t = DecodeDateTime(value);
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", t.Day, t.Month, t.Year);
    return text;
}

std::string FormatLongTime(TDateTime value)
{
    // The milliseconds are dropped, not rounded: a stamp of 23:59:59.7 must not
    // read 0:00:00 beside the date of the day that is ending.
    const TCivilTime t = DecodeDateTime(value);
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", t.Hour, t.Minute, t.Second);
    return text;
}

TDateTime TSystemClock::Now() const
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    // to_time_t may round; the milliseconds are taken from what it kept.
    auto msec = duration_cast<milliseconds>(now - system_clock::from_time_t(seconds)).count();
    std::tm local{};
    localtime_r(&seconds, &local);
    TCivilTime t;
    t.Year = local.tm_year + 1900;
    t.Month = local.tm_mon + 1;
    t.Day = local.tm_mday;
    t.Hour = local.tm_hour;
    t.Minute = local.tm_min;
    t.Second = local.tm_sec > 59 ? 59 : local.tm_sec; // a leap second
    t.Msec = static_cast<int>(msec < 0 ? 0 : (msec > 999 ? 999 : msec));
    return EncodeDateTime(t);
}

} // namespace korvan

#include "memory/ZonedTime.h"

#include <cstdio>
#include <ctime>

namespace korvan {

namespace {

constexpr std::int64_t SecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value)
{
    if (at + count > text.size())
        return false;
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

int DaysInMonth(int year, int month)
{
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : Days[month - 1];
}

} // namespace

// The proleptic Gregorian calendar counted the way Howard Hinnant's
// "chrono-compatible low-level date algorithms" do.
std::int64_t DaysFromCivil(int year, int month, int day)
{
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day)
{
    const std::int64_t z = days + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

std::string FormatRfc3339(TZonedTime time)
{
    const std::int64_t local = time.Utc + time.Offset;
    const std::int64_t days = FloorDiv(local, SecondsPerDay);
    const std::int64_t second = local - days * SecondsPerDay;
    int year = 0, month = 0, day = 0;
    CivilFromDays(days, year, month, day);
    const int offset = time.Offset < 0 ? -time.Offset : time.Offset;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", year, month, day,
                  static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60), time.Offset < 0 ? '-' : '+', offset / 3600,
                  offset / 60 % 60);
    return text;
}

std::optional<TZonedTime> ParseRfc3339(std::string_view text)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!Digits(text, 0, 4, year) || text.size() < 19 || text[4] != '-' ||
        !Digits(text, 5, 2, month) || text[7] != '-' || !Digits(text, 8, 2, day) ||
        (text[10] != 'T' && text[10] != 't' && text[10] != ' ') || !Digits(text, 11, 2, hour) ||
        text[13] != ':' || !Digits(text, 14, 2, minute) || text[16] != ':' ||
        !Digits(text, 17, 2, second))
        return std::nullopt;
    // A leap second (":60") is read as the last second of its minute.
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 ||
        minute > 59 || second > 60)
        return std::nullopt;
    std::size_t at = 19;
    if (at < text.size() && text[at] == '.') {
        ++at;
        const std::size_t digits = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        if (at == digits)
            return std::nullopt;
    }
    std::int32_t offset = 0;
    if (at < text.size() && (text[at] == 'Z' || text[at] == 'z')) {
        ++at;
    } else if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        int oh = 0, om = 0;
        if (!Digits(text, at + 1, 2, oh) || at + 3 >= text.size() || text[at + 3] != ':' ||
            !Digits(text, at + 4, 2, om) || oh > 23 || om > 59)
            return std::nullopt;
        offset = (oh * 3600 + om * 60) * (text[at] == '-' ? -1 : 1);
        at += 6;
    } else {
        return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;
    const std::int64_t local = DaysFromCivil(year, month, day) * SecondsPerDay + hour * 3600 +
                               minute * 60 + (second == 60 ? 59 : second);
    return TZonedTime{local - offset, offset};
}

std::int64_t PupilDay(TZonedTime time, int dayStartsAt)
{
    return FloorDiv(time.Utc + time.Offset - std::int64_t{dayStartsAt} * 3600, SecondsPerDay);
}

std::string FormatDay(std::int64_t day)
{
    int year = 0, month = 0, d = 0;
    CivilFromDays(day, year, month, d);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, d);
    return text;
}

TZonedTime SystemZonedNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {static_cast<std::int64_t>(now), static_cast<std::int32_t>(local.tm_gmtoff)};
}

} // namespace korvan

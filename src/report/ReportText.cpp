#include "report/ReportText.h"

#include <chrono>
#include <cstdio>

#include "util/Text.h"

namespace korvan {

namespace {

struct TParts
{
    int Year, Month, Day, Hour, Minute, Second;
};

TParts Split(TStamp stamp)
{
    using namespace std::chrono;
    const sys_seconds time{seconds{stamp}};
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss clock{time - day};
    return {int(date.year()),           int(unsigned(date.month())),  int(unsigned(date.day())),
            int(clock.hours().count()), int(clock.minutes().count()), int(clock.seconds().count())};
}

} // namespace

std::string ReportUtf8(std::string_view cp1251)
{
    std::string text = Cp1251ToUtf8(cp1251);
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            out += "\xEF\xBF\xBD";
        else
            out += c;
    }
    return out;
}

std::string IsoStamp(TStamp stamp)
{
    const TParts p = Split(stamp);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", p.Year, p.Month, p.Day,
                  p.Hour, p.Minute, p.Second);
    return text;
}

std::string RussianStamp(TStamp stamp)
{
    const TParts p = Split(stamp);
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", p.Day, p.Month, p.Year, p.Hour,
                  p.Minute);
    return text;
}

std::string RussianDate(TStamp stamp)
{
    return RussianStamp(stamp).substr(0, 10);
}

std::string RussianDuration(std::int64_t seconds)
{
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    char text[64];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%lld ч %02lld мин", static_cast<long long>(hours),
                      static_cast<long long>(minutes));
    else if (minutes > 0)
        std::snprintf(text, sizeof text, "%lld мин %02lld с", static_cast<long long>(minutes),
                      static_cast<long long>(seconds % 60));
    else
        std::snprintf(text, sizeof text, "%lld с", static_cast<long long>(seconds));
    return text;
}

} // namespace korvan

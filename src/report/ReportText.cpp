#include "report/ReportText.h"

#include <chrono>
#include <cstdio>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
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

std::string ReportStamp(TStamp stamp, TUiLanguage language)
{
    const TParts p = Split(stamp);
    char clock[32];
    std::snprintf(clock, sizeof clock, " %02d:%02d", p.Hour, p.Minute);
    return ReportDate(stamp, language) + clock;
}

std::string ReportDate(TStamp stamp, TUiLanguage language)
{
    const TParts p = Split(stamp);
    char day[16], month[16], year[16];
    std::snprintf(day, sizeof day, "%02d", p.Day);
    std::snprintf(month, sizeof month, "%02d", p.Month);
    std::snprintf(year, sizeof year, "%04d", p.Year);
    // %1 the day, %2 the month, %3 the year: the order is the language's.
    return Say(language, "ReportText", KORVAN_MARK("ReportText", "%1.%2.%3"), {day, month, year});
}

std::string ReportDuration(std::int64_t seconds, TUiLanguage language)
{
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    const auto two = [](std::int64_t value) {
        char text[24];
        std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(value));
        return std::string(text);
    };
    const auto say = [language](const char* source, const std::vector<std::string>& args) {
        return Say(language, "ReportText", source, args);
    };
    if (hours > 0)
        return say(KORVAN_MARK("ReportText", "%1 ч %2 мин"), {std::to_string(hours), two(minutes)});
    if (minutes > 0)
        return say(KORVAN_MARK("ReportText", "%1 мин %2 с"),
                   {std::to_string(minutes), two(seconds % 60)});
    return say(KORVAN_MARK("ReportText", "%1 с"), {std::to_string(seconds)});
}

} // namespace korvan

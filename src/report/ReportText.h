#pragma once

// The texts of the report's outputs: logged 1251 texts as UTF-8 and stamps as
// dates, shared by the table and the page.

#include <string>
#include <string_view>

#include "i18n/Language.h"
#include "report/ReportData.h"

namespace korvan {

// A logged text in UTF-8. Control characters (garbage in a damaged log) become
// U+FFFD: neither a spreadsheet nor a page can show them.
std::string ReportUtf8(std::string_view cp1251);

// "2026-12-07T09:05:07".
std::string IsoStamp(TStamp stamp);
// "07.12.2026 09:05", the way a Russian reader writes it; "2026-12-07 09:05"
// in English, which no reader takes for another day.
std::string ReportStamp(TStamp stamp, TUiLanguage language);
// "07.12.2026", "2026-12-07".
std::string ReportDate(TStamp stamp, TUiLanguage language);
// A duration as "1 ч 05 мин", "12 мин 30 с" or "45 с" ("1 h 05 min").
std::string ReportDuration(std::int64_t seconds, TUiLanguage language);

} // namespace korvan

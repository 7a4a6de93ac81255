#pragma once

// The texts of the report's outputs: logged 1251 texts as UTF-8 and stamps as
// dates, shared by the table and the page.

#include <string>
#include <string_view>

#include "report/ReportData.h"

namespace korvan {

// A logged text in UTF-8. Control characters (garbage in a damaged log) become
// U+FFFD: neither a spreadsheet nor a page can show them.
std::string ReportUtf8(std::string_view cp1251);

// "2026-12-07T09:05:07".
std::string IsoStamp(TStamp stamp);
// "07.12.2026 09:05", the way a Russian reader writes it.
std::string RussianStamp(TStamp stamp);
// "07.12.2026".
std::string RussianDate(TStamp stamp);
// A duration as "1 ч 05 мин", "12 мин 30 с" or "45 с".
std::string RussianDuration(std::int64_t seconds);

} // namespace korvan

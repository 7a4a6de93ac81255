#pragma once

// The teacher's report as one self-contained page in Russian or English: the class at a
// glance, each pupil's points over time on the grade bands with the runs, the
// lessons and the hardest sentences, and each lesson's results by pupil. No
// script, no network; it prints on A4.

#include <string>
#include <string_view>

#include "i18n/Language.h"
#include "report/ReportData.h"

namespace korvan {

// `&`, `<`, `>`, `"` and `'` as entities: logged texts are never markup.
std::string HtmlEscape(std::string_view utf8);

// In Russian unless told otherwise: the page spoke only Russian before.
std::string HtmlReport(const TReportData& data, TUiLanguage language = TUiLanguage::Russian);

} // namespace korvan

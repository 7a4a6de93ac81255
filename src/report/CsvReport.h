#pragma once

// The runs as a table a spreadsheet reads: one row per run in log order,
// UTF-8, comma-separated, fields quoted where they need it.

#include <string>
#include <string_view>

#include "report/ReportData.h"

namespace korvan {

// A field quoted when it holds a comma, a quote or a line break; quotes doubled.
// A text a spreadsheet would take for a formula (beginning with "=", "+", "-",
// "@", a tab or a carriage return) gets a leading apostrophe first.
std::string CsvField(std::string_view utf8);

std::string CsvReport(const TReportData& data);

} // namespace korvan

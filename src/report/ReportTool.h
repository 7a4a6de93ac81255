#pragma once

// korvan-report: a class's drill logs as a page for the teacher and a table for
// a spreadsheet.

#include <iosfwd>
#include <string>
#include <vector>

#include "i18n/Language.h"

namespace korvan {

// The tool's messages are English and its page Russian without a locale, as
// they were before either had a choice (ChooseLanguage); --lang sets both.
struct TReportLanguages
{
    TUiLanguage Messages = TUiLanguage::English;
    TUiLanguage Page = TUiLanguage::Russian;
};

// The logs named by the arguments: a file as given, a folder's files named
// Log.txt in any letter case, searched recursively, in sorted path order.
// Throws TIoError naming an argument that does not exist.
std::vector<std::string> FindLogs(const std::vector<std::string>& inputs);

// Runs the tool on its arguments (without the program name); returns the exit
// code: 0 done (lines not understood are reported on `err` and skipped), 1 a
// path that does not exist or a file that cannot be read or written, 2 a usage
// error.
int RunReportTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  TReportLanguages languages = {});

} // namespace korvan

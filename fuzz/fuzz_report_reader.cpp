// Any bytes may be handed to the report's log reader. Whatever it makes of
// them, both outputs hold exactly one row per run read: a logged text can
// neither end a table row nor open a page's row, as it is quoted and escaped.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "FuzzTempFile.h"
#include "report/CsvReport.h"
#include "report/HtmlReport.h"
#include "report/LogReader.h"

using korvan::fuzz::Check;

namespace {

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const korvan::fuzz::TScratchFile input("Log.txt");
    korvan::TReportData report;
    korvan::TLogReader(report).ReadFile(input.Write(data, size));
    Check(report.SkippedPlaces.size() <= korvan::TReportData::MaxSkippedPlaces, "places");
    Check((report.SkippedLines == 0) == report.SkippedPlaces.empty(), "skipped count");
    for (const korvan::TRun& run : report.Runs) {
        Check(run.Pupil < report.Pupils.Count() && run.Lesson < report.Lessons.Count() &&
                  run.Mode < report.Modes.Count() && run.Grade < report.Grades.Count(),
              "indexes");
        Check(run.Finished || (run.Points < 0 && run.Grade < 0), "an unfinished run's results");
    }
    const std::string csv = korvan::CsvReport(report);
    Check(Count(csv, "\n") == report.Runs.size() + 1, "one table row per run");
    const std::string html = korvan::HtmlReport(report);
    Check(Count(html, "<tr class=\"run") == report.Runs.size(), "one page row per run");
    return 0;
}

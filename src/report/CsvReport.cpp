#include "report/CsvReport.h"

#include "report/ReportText.h"

namespace korvan {

namespace {

constexpr std::string_view Header = "log,pupil,started,finished,lesson,mode,direction,answer,"
                                    "questions,mistakes,points,grade,seconds,no_mistakes,"
                                    "one_mistake,more_mistakes\r\n";

// A count missing from a log cut short stays empty.
std::string Count(int value)
{
    return value < 0 ? std::string() : std::to_string(value);
}

} // namespace

std::string CsvField(std::string_view utf8)
{
    // A cell a spreadsheet would run as a formula is made plain text: pupils
    // type their own names on shared machines.
    const bool formula =
        !utf8.empty() && std::string_view("=+-@\t\r").find(utf8.front()) != std::string_view::npos;
    const std::string text = formula ? "'" + std::string(utf8) : std::string(utf8);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string field = "\"";
    for (char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + "\"";
}

std::string CsvReport(const TReportData& data)
{
    std::string csv(Header);
    for (const TRun& run : data.Runs) {
        csv += CsvField(data.Logs[static_cast<std::size_t>(run.Log)]);
        csv += ',' + CsvField(ReportUtf8(data.Pupils.Name(run.Pupil)));
        csv += ',' + IsoStamp(run.Started);
        csv += ',' + (run.Finished ? IsoStamp(run.FinishedAt) : std::string());
        csv += ',' + CsvField(ReportUtf8(data.Lessons.Name(run.Lesson)));
        csv += ',' + CsvField(ReportUtf8(data.Modes.Name(run.Mode)));
        csv += run.TranslRE < 0 ? "," : run.TranslRE ? ",RU->EN" : ",EN->RU";
        csv += run.Typed < 0 ? "," : run.Typed ? ",typed" : ",spoken";
        if (run.Finished) {
            csv += ',' + Count(run.Questions) + ',' + Count(run.Mistakes) + ',' +
                   Count(run.Points) + ',';
            if (run.Grade >= 0)
                csv += CsvField(ReportUtf8(data.Grades.Name(run.Grade)));
            csv += ',' + std::to_string(run.Seconds()) + ',' + Count(run.NoMistakes) + ',' +
                   Count(run.OneMistake) + ',' + Count(run.MoreMistakes);
        } else {
            csv += ",,,,,,,,";
        }
        csv += "\r\n";
    }
    return csv;
}

} // namespace korvan

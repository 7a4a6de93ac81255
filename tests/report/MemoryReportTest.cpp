// The pupils' memory in the teacher's report, and cells a spreadsheet would
// run as formulas.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ReportTestLog.h"
#include "memory/HistoryFormat.h"
#include "report/CsvReport.h"
#include "report/ReportTool.h"

namespace korvan::test {
namespace {

TEST(CsvCells, FormulasAreDefused)
{
    const std::pair<const char*, const char*> cases[] = {
        {"=SUM(A1:A9)", "'=SUM(A1:A9)"},
        {"+79001234567", "'+79001234567"},
        {"-2", "'-2"},
        {"@cmd", "'@cmd"},
        {"\tx", "'\tx"},
        {"\rx", "\"'\rx\""},
        {"=HYPERLINK(\"a\",b)", "\"'=HYPERLINK(\"\"a\"\",b)\""},
        {"a=b", "a=b"},
        {"Аня", "Аня"},
        {"", ""}};
    for (const auto& [text, cell] : cases)
        EXPECT_EQ(CsvField(text), cell) << text;
}

std::string History(const char* card, std::initializer_list<std::pair<const char*, int>> reviews,
                    TCardDirection direction = TCardDirection::RuEn)
{
    TCardRecord c;
    c.Card = card;
    c.Direction = direction;
    c.Ru = "Кошка";
    c.En = "=cat";
    std::string text = FormatCardRecord(c) + "\n";
    int id = 0;
    for (const auto& [time, grade] : reviews) {
        TReviewRecord r;
        r.Id = std::string(card) + "-" + std::to_string(++id);
        r.Card = card;
        r.Time = *ParseRfc3339(time);
        r.Grade = grade;
        text += FormatReviewRecord(r) + "\n";
    }
    return text;
}

TEST(MemoryReport, HistoriesBesideTheLogsAndNamedDirectly)
{
    TDrillWorld w;
    const std::string log = WriteClassLog(w);
    namespace fs = std::filesystem;
    fs::create_directories(w.Dir.File("history/Аня"));
    // Anna: one card overdue, one due tomorrow, one recalled wrongly today.
    w.Dir.Write(
        "history/Аня/home.jsonl",
        History("k1", {{"2026-11-01T10:00:00+03:00", 3}}) +
            History("k2", {{"2026-12-08T10:00:00+03:00", 1}}, TCardDirection::EnRu) +
            History("k3", {{"2026-12-01T10:00:00+03:00", 3}, {"2026-12-09T09:00:00+03:00", 1}}));
    // A pupil who has a history but no run in these logs, named directly.
    fs::create_directories(w.Dir.File("other/=cmd"));
    w.Dir.Write("other/=cmd/a.jsonl", History("k9", {{"2026-12-01T10:00:00+03:00", 3}}));

    const std::string page = w.Dir.File("report.html");
    std::ostringstream out, err;
    const int code = RunReportTool({log, w.Dir.File("other/=cmd"), "--html", page, "--memory-csv",
                                    "-", "--at", "2026-12-09T12:00:00+03:00"},
                                   out, err);
    ASSERT_EQ(code, 0) << err.str();
    const std::string csv = out.str();
    EXPECT_EQ(csv.rfind("pupil,card,direction,ru,en,reviews,lapses,stability,difficulty,"
                        "last_review,interval_days,due,retrievability\r\n",
                        0),
              0u);
    EXPECT_NE(csv.find("\r\nАня,k1,ru-en,Кошка,'=cat,1,0,"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\nАня,k2,en-ru,"), std::string::npos);
    EXPECT_NE(csv.find("\r\n'=cmd,k9,"), std::string::npos);

    const std::string html = ReadFileBytes(page);
    EXPECT_NE(html.find("Карточек в памяти"), std::string::npos);
    // Anna: 3 cards; k1 is long overdue, k2 (again yesterday) is due today,
    // k3 was reviewed today.
    EXPECT_NE(html.find("Карточек в памяти: 3, к повторению сегодня: 2 (из них просрочено 1)."),
              std::string::npos)
        << html;
    // The first reviews of a day in 30 days: ru-en k3 twice (right, wrong), en-ru k2 once.
    EXPECT_NE(html.find("50 % из 2"), std::string::npos);
    EXPECT_NE(html.find("0 % из 1"), std::string::npos);
    EXPECT_NE(html.find("<h2>=cmd</h2>"), std::string::npos);
    EXPECT_NE(html.find("<svg class=\"due-chart\""), std::string::npos);
}

} // namespace
} // namespace korvan::test

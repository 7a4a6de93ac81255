// The page: every pupil and run in it, its numbers those of the table, and
// logged texts never taken for markup.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "ReportTestLog.h"
#include "report/CsvReport.h"
#include "report/HtmlReport.h"
#include "report/ReportCharts.h"

namespace korvan::test {
namespace {

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(HtmlReport, EveryPupilAndRunWithTheTablesNumbers)
{
    TDrillWorld w;
    const TReportData data = ReadLogs({WriteClassLog(w)});
    const std::string html = HtmlReport(data);

    EXPECT_EQ(Count(html, "<tr class=\"pupil\">"), 3u);
    EXPECT_EQ(Count(html, "<section class=\"pupil\""), 3u);
    EXPECT_EQ(Count(html, "<svg class=\"chart\""), 3u);
    EXPECT_EQ(Count(html, "<tr class=\"run\">"), 4u);
    EXPECT_EQ(Count(html, "<tr class=\"run unfinished\">"), 2u);
    EXPECT_NE(html.find(">Аня</a>"), std::string::npos);
    EXPECT_NE(html.find(">(ученик не выбран)</a>"), std::string::npos);

    // The points of the finished runs, from the page's run rows and from the
    // table's points column, are the same numbers.
    std::vector<std::string> pagePoints;
    const std::regex row("<tr class=\"run\">(?:<td[^>]*>[^<]*</td>){7}<td class=\"n\">(\\d+)</td>");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), row);
         it != std::sregex_iterator(); ++it)
        pagePoints.push_back((*it)[1]);
    std::vector<std::string> tablePoints;
    const std::string csv = CsvReport(data);
    const std::regex field(",(\\d+),[A-Za-z .]+,\\d+,\\d+,\\d+,\\d+\r\n");
    for (auto it = std::sregex_iterator(csv.begin(), csv.end(), field);
         it != std::sregex_iterator(); ++it)
        tablePoints.push_back((*it)[1]);
    std::sort(pagePoints.begin(), pagePoints.end());
    std::sort(tablePoints.begin(), tablePoints.end());
    EXPECT_EQ(pagePoints, (std::vector<std::string>{"100", "100", "100", "28"}));
    EXPECT_EQ(pagePoints, tablePoints);

    // The hardest sentence of Борис, summed, and his best points.
    EXPECT_NE(html.find("<td>The cat &lt;sits&gt;</td><td>lesson2.sl2</td><td class=\"n\">2</td>"),
              std::string::npos);
}

TEST(HtmlReport, LoggedTextsAreNeverMarkup)
{
    TDrillWorld w;
    const std::string html = HtmlReport(ReadLogs({WriteClassLog(w)}));
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    EXPECT_EQ(html.find("<sits>"), std::string::npos);
    EXPECT_NE(html.find("Борис &lt;b&gt;&quot;&amp;&#39;"), std::string::npos);
    EXPECT_EQ(HtmlEscape("<a href='x'>&\"</a>"), "&lt;a href=&#39;x&#39;&gt;&amp;&quot;&lt;/a&gt;");
    // No script, nothing fetched.
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("http"), std::string::npos);
}

TEST(HtmlReport, GradeBandsFollowTheGrades)
{
    const std::vector<TGradeBand> bands = GradeBands();
    ASSERT_EQ(bands.size(), 6u);
    EXPECT_EQ(bands.front().From, 0);
    EXPECT_EQ(bands.back().To, 100);
    for (std::size_t i = 1; i < bands.size(); ++i)
        EXPECT_EQ(bands[i].From, bands[i - 1].To + 1);
    EXPECT_EQ(bands[2].Name, "Pass.");
    EXPECT_EQ(bands[2].From, 75);
    EXPECT_EQ(bands[2].To, 84);
}

} // namespace
} // namespace korvan::test

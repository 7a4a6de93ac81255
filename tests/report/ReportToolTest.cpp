// korvan-report's command line: which logs it reads, what it writes and how it
// fails.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "ReportTestLog.h"
#include "report/ReportTool.h"

namespace korvan::test {
namespace {

struct TToolRun
{
    int Code;
    std::string Out;
    std::string Err;
};

TToolRun RunTool(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int code = RunReportTool(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(ReportTool, AFolderIsSearchedForLogsInSortedOrder)
{
    TDrillWorld w;
    const std::string log = ReadFileBytes(WriteClassLog(w));
    namespace fs = std::filesystem;
    const std::string root = w.Dir.File("class");
    fs::create_directories(root + "/b/deep");
    fs::create_directories(root + "/a");
    w.Dir.Write("class/b/deep/LOG.TXT", log);
    w.Dir.Write("class/a/log.txt", log);
    w.Dir.Write("class/a/Log.txt.bak", log);
    w.Dir.Write("class/notes.txt", log);
    EXPECT_EQ(FindLogs({root, w.Dir.File("Log.txt")}),
              (std::vector<std::string>{root + "/a/log.txt", root + "/b/deep/LOG.TXT",
                                        w.Dir.File("Log.txt")}));

    const std::string html = w.Dir.File("out/report.html");
    fs::create_directory(w.Dir.File("out"));
    const TToolRun run = RunTool({root, "--csv", "-", "--html", html});
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 13); // header + 2 x 6 runs
    EXPECT_EQ(run.Out.find(root + "/a/log.txt,"), run.Out.find('\n') + 1);
    EXPECT_NE(ReadFileBytes(html).find("</html>"), std::string::npos);
}

TEST(ReportTool, FailuresAndSkippedLines)
{
    TDrillWorld w;
    const std::string log = WriteClassLog(w);
    const TToolRun missing = RunTool({log, w.Dir.File("nowhere"), "--csv", "-"});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_EQ(missing.Out, "") << "nothing is written before every path is known";
    EXPECT_NE(missing.Err.find(w.Dir.File("nowhere")), std::string::npos);

    EXPECT_EQ(RunTool({log}).Code, 2);
    EXPECT_EQ(RunTool({log, "--html"}).Code, 2);
    EXPECT_EQ(RunTool({"--help"}).Code, 0);

    const std::string bytes = ReadFileBytes(log);
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
    const std::string bad = w.Dir.Write("bad.txt", bytes + "junk\r\nmore junk");
    const TToolRun skipped = RunTool({bad, "--csv", w.Dir.File("runs.csv")});
    EXPECT_EQ(skipped.Code, 0);
    EXPECT_EQ(skipped.Err, "korvan-report: 2 line(s) not understood, skipped; first at " + bad +
                               ":" + std::to_string(lines + 1) + " " + bad + ":" +
                               std::to_string(lines + 2) + "\n");
    EXPECT_EQ(ReadFileBytes(w.Dir.File("runs.csv")).rfind("log,pupil,", 0), 0u);

    const TToolRun unwritable = RunTool({log, "--html", w.Dir.File("no/such/folder/r.html")});
    EXPECT_EQ(unwritable.Code, 1);
    EXPECT_NE(unwritable.Err.find("r.html"), std::string::npos);
}

// --lang sets the page's and the messages' language over the locale's; the
// English page says nothing in Cyrillic but the log's own texts (pupils, modes).
TEST(ReportTool, LanguageOfThePageAndTheMessages)
{
    TDrillWorld w;
    const std::string log = WriteClassLog(w);
    const std::string html = w.Dir.File("report.html");
    std::ostringstream out, err;
    EXPECT_EQ(RunReportTool({log, "--html", html, "--lang", "en"}, out, err,
                            {TUiLanguage::Russian, TUiLanguage::Russian}),
              0);
    std::string page = ReadFileBytes(html);
    EXPECT_NE(page.find("<html lang=\"en\">"), std::string::npos);
    EXPECT_NE(page.find("<h1>Teacher's report</h1>"), std::string::npos);
    for (const std::string logged : {"Аня", "Борис", "Режим", "Экзамен"})
        for (std::size_t at = page.find(logged); at != std::string::npos; at = page.find(logged))
            page.erase(at, logged.size());
    const auto cyrillic = std::find_if(page.begin(), page.end(), [](char c) {
        return c == '\xD0' || c == '\xD1'; // the lead bytes of U+0400..U+047F
    });
    EXPECT_EQ(cyrillic, page.end())
        << page.substr(static_cast<std::size_t>(cyrillic - page.begin()), 80);

    const TToolRun wrong = RunTool({log, "--html", html, "--lang", "de"});
    EXPECT_EQ(wrong.Code, 2);
    EXPECT_EQ(wrong.Err.rfind("korvan-report: --lang takes ru or en\n", 0), 0u);

    const std::string bad = w.Dir.Write("bad.txt", ReadFileBytes(log) + "junk\r\n");
    std::ostringstream none, russian;
    EXPECT_EQ(RunReportTool({bad, "--csv", w.Dir.File("runs.csv")}, none, russian,
                            {TUiLanguage::Russian, TUiLanguage::Russian}),
              0);
    EXPECT_EQ(russian.str().rfind("korvan-report: 1 строка не понята и пропущена: " + bad + ":", 0),
              0u);
}

} // namespace
} // namespace korvan::test

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

} // namespace
} // namespace korvan::test

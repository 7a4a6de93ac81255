// The reader and the table against logs the trainer wrote, and against the
// damaged logs a class's shared folder really holds.

#include <gtest/gtest.h>

#include <algorithm>

#include "ReportTestLog.h"
#include "report/CsvReport.h"

namespace korvan::test {
namespace {

std::vector<std::string> Rows(const std::string& csv)
{
    std::vector<std::string> rows;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        rows.push_back(csv.substr(start, end - start));
    EXPECT_EQ(start, csv.size()) << "every row ends in CR LF";
    return rows;
}

TEST(LogReader, AClassLogWrittenByTheTrainer)
{
    TDrillWorld w;
    const std::string log = WriteClassLog(w);
    const TReportData data = ReadLogs({log});
    EXPECT_EQ(data.SkippedLines, 0);
    const std::vector<std::string> rows = Rows(CsvReport(data));
    const std::vector<std::string> expected{
        "log,pupil,started,finished,lesson,mode,direction,answer,questions,mistakes,points,"
        "grade,seconds,no_mistakes,one_mistake,more_mistakes",
        log + ",Аня,2026-12-07T09:05:07,2026-12-07T09:05:11," + w.Dir.File("lesson1.sl2") +
            ",Режим 1,RU->EN,spoken,3,0,100,Gold grade.,4,3,0,0",
        log + ",Аня,2026-12-07T23:59:58,2026-12-08T00:00:02," + w.Dir.File("lesson1.sl2") +
            ",Режим 1,RU->EN,spoken,3,0,100,Gold grade.,4,3,0,0",
        log + ",\"Борис <b>\"\"&'\",2026-12-08T00:00:02,2026-12-08T00:00:06," +
            w.Dir.File("lesson2.sl2") + ",Экзамен,EN->RU,typed,1,2,28,Ungraded.,4,0,0,1",
        log + ",\"Борис <b>\"\"&'\",2026-12-08T00:00:06,," + w.Dir.File("lesson2.sl2") +
            ",Экзамен,EN->RU,typed,,,,,,,,",
        log + ",\"Борис <b>\"\"&'\",2026-12-08T00:00:07,," + w.Dir.File("lesson2.sl2") +
            ",Экзамен,EN->RU,typed,,,,,,,,",
        log + ",,2026-12-08T00:00:07,2026-12-08T00:00:10," + w.Dir.File("lesson3.sl2") +
            ",Режим 1,RU->EN,spoken,2,0,100,Gold grade.,3,2,0,0",
    };
    EXPECT_EQ(rows, expected);

    ASSERT_EQ(data.Troubles.size(), 1u);
    const auto& [key, trouble] = *data.Troubles.begin();
    EXPECT_EQ(U8(data.Sentences.Name(std::get<2>(key))),
              "The cat <sits>"); // EN->RU lists the English text
    EXPECT_EQ(trouble.Mistakes, 2);
    EXPECT_EQ(trouble.Runs, 1);
}

TEST(LogReader, LineEndsAndLogsAreReadInTheOrderGiven)
{
    TDrillWorld w;
    const std::string crlf = ReadFileBytes(WriteClassLog(w));
    std::string lf;
    for (char c : crlf)
        if (c != '\r')
            lf += c;
    const std::string a = w.Dir.Write("a.txt", lf);
    const TReportData data = ReadLogs({a, w.Dir.File("Log.txt")});
    EXPECT_EQ(data.SkippedLines, 0);
    ASSERT_EQ(data.Runs.size(), 12u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(data.Runs[i].Log, 0);
        EXPECT_EQ(data.Runs[i + 6].Log, 1);
        EXPECT_EQ(data.Runs[i].Points, data.Runs[i + 6].Points);
        EXPECT_EQ(data.Runs[i].Started, data.Runs[i + 6].Started);
    }
}

struct TBadLog
{
    const char* Name;
    std::string Bytes;
    std::size_t Runs;
    std::int64_t Skipped;
};

TEST(LogReader, DamagedLogsAreReadWithoutACrash)
{
    TDrillWorld w;
    const std::string good = ReadFileBytes(WriteClassLog(w));
    // Cut inside the results line of the first run: the run is finished, its
    // numbers unknown, the cut line skipped and every line after it gone.
    const std::size_t cut = good.find(ToCp1251("предложениях")) + 4;
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    const std::string longPath(300, 'x');
    const std::string cutOpen = FormatLogLine(ToCp1251("Открыт урок: /") + longPath, true, 46000);
    ASSERT_EQ(cutOpen.size(), 255u);
    const std::string startLine =
        FormatLogLine(ToCp1251("Запущен урок. Выбраны установки:"), true, 46000);
    const std::string utf8 = Cp1251ToUtf8(good);
    const std::int64_t utf8Lines = static_cast<std::int64_t>(
        std::count(utf8.begin(), utf8.end(), '\n') - 2); // less the gaps after the blocks
    const std::string orphan = good.substr(good.find(ToCp1251("Урок завершен")) - 21);
    const std::vector<TBadLog> logs{
        {"cut by a power failure", good.substr(0, cut), 1, 1},
        {"UTF-8 instead of 1251", utf8, 0, utf8Lines},
        {"binary garbage", garbage, 0, -1},
        {"a 255-character cut path", cutOpen + "\r\n" + startLine + "\r\n", 1, 0},
        {"results with no run", orphan, 5, 8},
    };
    for (const TBadLog& bad : logs) {
        SCOPED_TRACE(bad.Name);
        const TReportData data = ReadLogs({w.Dir.Write("bad.txt", bad.Bytes)});
        EXPECT_EQ(data.Runs.size(), bad.Runs);
        if (bad.Skipped >= 0) {
            EXPECT_EQ(data.SkippedLines, bad.Skipped);
        } else {
            EXPECT_GT(data.SkippedLines, 0);
        }
        EXPECT_LE(data.SkippedPlaces.size(), TReportData::MaxSkippedPlaces);
        if (data.SkippedLines > 0) {
            EXPECT_EQ(data.SkippedPlaces[0].rfind(w.Dir.File("bad.txt:"), 0), 0u);
        }
        // Both outputs are built from whatever was read.
        EXPECT_FALSE(CsvReport(data).empty());
    }
    const TReportData cutRun = ReadLogs({w.Dir.Write("cut.txt", good.substr(0, cut))});
    ASSERT_EQ(cutRun.Runs.size(), 1u);
    EXPECT_TRUE(cutRun.Runs[0].Finished);
    EXPECT_EQ(cutRun.Runs[0].Points, -1);
    ASSERT_GE(cutRun.Runs[0].Grade, 0);
    EXPECT_EQ(cutRun.Grades.Name(cutRun.Runs[0].Grade), "Gold grade.") << "the grade came first";
    const TReportData cutPath =
        ReadLogs({w.Dir.Write("path.txt", cutOpen + "\r\n" + startLine + "\r\n")});
    EXPECT_EQ(cutPath.Lessons.Name(cutPath.Runs[0].Lesson), "/" + longPath.substr(0, 255 - 35));
}

TEST(Csv, FieldsAreQuotedOnlyWhereNeeded)
{
    EXPECT_EQ(CsvField("Аня"), "Аня");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
}

} // namespace
} // namespace korvan::test

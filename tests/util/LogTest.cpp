#include "util/Log.h"

#include <cerrno>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "util/Errors.h"

namespace korvan {
namespace {

class TFakeClock : public IClock
{
public:
    TDateTime Now() const override { return Value; }
    TDateTime Value = 0;
};

TDateTime At(int y, int mo, int d, int h, int mi, int s)
{
    return EncodeDateTime(TCivilTime{y, mo, d, h, mi, s, 0});
}

struct TLineRow
{
    const char* Name;
    std::string Text;
    bool Stamped;
    TDateTime Now;
    std::string Expected;
};

class LogLine : public ::testing::TestWithParam<TLineRow>
{
};

TEST_P(LogLine, Format)
{
    const TLineRow& row = GetParam();
    const std::string line = FormatLogLine(row.Text, row.Stamped, row.Now);
    EXPECT_EQ(line, row.Expected);
    EXPECT_LE(line.size(), MaxLogLineLength);
}

const std::string Text300 = [] {
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += static_cast<char>('a' + i % 26);
    return text;
}();

INSTANTIATE_TEST_SUITE_P(
    Table, LogLine,
    ::testing::Values(TLineRow{"Plain", "text", false, 0, "text"},
                      TLineRow{"PlainEmpty", "", false, 0, ""},
                      TLineRow{"TwoDigitHour", "text", true, At(2024, 11, 30, 12, 34, 56),
                               "30/11/2024 12:34:56  text"},
                      // A one-digit hour gets one blank, so the text stays in column 22.
                      TLineRow{"OneDigitHour", "text", true, At(2003, 2, 1, 9, 5, 7),
                               "01/02/2003  9:05:07  text"},
                      TLineRow{"StampOnly", "", true, At(2003, 2, 1, 0, 0, 0),
                               "01/02/2003  0:00:00  "},
                      TLineRow{"PlainCut", Text300, false, 0, Text300.substr(0, 255)},
                      TLineRow{"StampedCut", Text300, true, At(2003, 2, 1, 9, 5, 7),
                               "01/02/2003  9:05:07  " + Text300.substr(0, 255 - 21)},
                      TLineRow{"Cyrillic", "\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0", false, 0,
                               "\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(LogWriter, WritesCrLfLinesAndAppends)
{
    test::TTempDir dir;
    const std::string path = dir.Write("Log.txt", "earlier run\r\n");
    TFakeClock clock;
    clock.Value = At(2024, 1, 2, 8, 0, 1);
    TLogWriter log(clock);
    log.Open(path);
    EXPECT_TRUE(log.IsOpen());
    log.Write("started", true, true);
    EXPECT_EQ(test::ReadFileBytes(dir.File("Log.txt")),
              "earlier run\r\n02/01/2024  8:00:01  started\r\n");
    clock.Value = At(2024, 1, 2, 18, 0, 1);
    log.Write("    detail", false, false);
    log.Write("ended", true, false);
    log.Write("", false, false);
    log.Close();
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(test::ReadFileBytes(dir.File("Log.txt")),
              "earlier run\r\n02/01/2024  8:00:01  started\r\n    detail\r\n"
              "02/01/2024 18:00:01  ended\r\n\r\n");
}

TEST(LogWriter, OpenCreatesAMissingFile)
{
    test::TTempDir dir;
    TFakeClock clock;
    TLogWriter log(clock);
    log.Open(dir.File("new.txt"));
    log.Write("x", false, true);
    EXPECT_EQ(test::ReadFileBytes(dir.File("new.txt")), "x\r\n");
    // Opening another file closes the first.
    log.Open(dir.File("second.txt"));
    log.Write("y", false, true);
    EXPECT_EQ(test::ReadFileBytes(dir.File("new.txt")), "x\r\n");
    EXPECT_EQ(test::ReadFileBytes(dir.File("second.txt")), "y\r\n");
}

TEST(LogWriter, WriteOnAClosedLogFails)
{
    TFakeClock clock;
    TLogWriter log(clock);
    EXPECT_THROW(log.Write("x", false, false), TIoError);
    EXPECT_NO_THROW(log.Close());
}

TEST(LogWriter, FailuresNameThePathAndTheReason)
{
    test::TTempDir dir;
    TFakeClock clock;
    TLogWriter log(clock);
    const std::string missing = dir.File("no/folder/Log.txt");
    try {
        log.Open(missing);
        FAIL() << "no error";
    } catch (const TIoError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(std::strerror(ENOENT)), std::string::npos) << e.what();
    }
    EXPECT_FALSE(log.IsOpen());

    // A full disk shows at the flush.
    log.Open("/dev/full");
    try {
        log.Write("x", true, true);
        FAIL() << "no error";
    } catch (const TIoError& e) {
        EXPECT_NE(std::string(e.what()).find("/dev/full"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(std::strerror(ENOSPC)), std::string::npos) << e.what();
    }
}

TEST(LogWriter, ReportedFailuresAreToldOnceAndTheLinesDropped)
{
    test::TTempDir dir;
    TFakeClock clock;
    TLogWriter log(clock);
    std::vector<std::string> reports;
    log.ReportFailuresTo([&](const std::string& failure) { reports.push_back(failure); });
    log.Open(dir.File("no/folder/Log.txt"));
    EXPECT_NO_THROW(log.Write("lost", true, true));
    log.Open("/dev/full"); // a full disk, found at the first flush
    EXPECT_NO_THROW(log.Write("lost", true, true));
    EXPECT_NO_THROW(log.Write("lost", true, true));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[1].find(std::strerror(ENOSPC)), std::string::npos) << reports[1];
    log.Open(dir.File("Log.txt"));
    log.Write("kept", false, true);
    log.Close();
    EXPECT_EQ(test::ReadFileBytes(dir.File("Log.txt")), "kept\r\n");
}

TEST(ProgramLog, StampsWithTheSystemClock)
{
    test::TTempDir dir;
    OpenLog(dir.File("Log.txt"));
    WriteLog("one", true, false);
    FlushLog();
    WriteLog("two", false, true);
    CloseLog();
    const std::regex expected(R"(\d\d/\d\d/\d{4} [ \d]\d:\d\d:\d\d  one\r\ntwo\r\n)");
    EXPECT_TRUE(std::regex_match(test::ReadFileBytes(dir.File("Log.txt")), expected))
        << test::ReadFileBytes(dir.File("Log.txt"));
    EXPECT_FALSE(ProgramLog().IsOpen());
}

} // namespace
} // namespace korvan

#include "util/DateTime.h"
#include "../TestNames.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace korvan {
namespace {

TCivilTime Civil(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return TCivilTime{y, mo, d, h, mi, s, ms};
}

bool SameCivil(const TCivilTime& a, const TCivilTime& b)
{
    return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day && a.Hour == b.Hour &&
           a.Minute == b.Minute && a.Second == b.Second && a.Msec == b.Msec;
}

std::string Show(const TCivilTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.Year, t.Month, t.Day,
                  t.Hour, t.Minute, t.Second, t.Msec);
    return text;
}

struct TDateRow
{
    TCivilTime Time;
    double Value;
};

class DateTimeKnownValues : public ::testing::TestWithParam<TDateRow>
{
};

TEST_P(DateTimeKnownValues, EncodeAndDecode)
{
    const TDateRow& row = GetParam();
    EXPECT_DOUBLE_EQ(EncodeDateTime(row.Time), row.Value) << Show(row.Time);
    const TCivilTime back = DecodeDateTime(row.Value);
    EXPECT_TRUE(SameCivil(back, row.Time)) << Show(back) << " for " << row.Value;
}

// The day numbers of the 1899-12-30 convention that other programs' files hold.
INSTANTIATE_TEST_SUITE_P(
    Table, DateTimeKnownValues,
    ::testing::Values(TDateRow{Civil(1899, 12, 30), 0.0}, TDateRow{Civil(1899, 12, 31), 1.0},
                      TDateRow{Civil(1900, 1, 1), 2.0}, TDateRow{Civil(1900, 2, 28), 60.0},
                      TDateRow{Civil(1900, 3, 1), 61.0}, // 1900 not leap
                      TDateRow{Civil(2000, 1, 1), 36526.0}, TDateRow{Civil(2000, 2, 29), 36585.0},
                      TDateRow{Civil(2000, 3, 1), 36586.0},
                      TDateRow{Civil(9999, 12, 31), 2958465.0},
                      TDateRow{Civil(1899, 12, 30, 12), 0.5},
                      TDateRow{Civil(2000, 1, 1, 18), 36526.75},
                      TDateRow{Civil(1899, 12, 29, 6), -1.25}),
    [](const auto& info) {
        const TCivilTime& t = info.param.Time;
        return test::JoinedName(t.Year, t.Month, t.Day, t.Hour);
    });

TEST(DateTime, EveryDayFrom1900To9999RoundTrips)
{
    std::mt19937 random(20240501); // seeded: the same times every run
    std::uniform_int_distribution<int> msOfDay(0, 86'399'999);
    TCivilTime expected = Civil(1900, 1, 1);
    const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double previous = EncodeDateTime(expected) - 1;
    for (;;) {
        const int ms = msOfDay(random);
        expected.Hour = ms / 3'600'000;
        expected.Minute = ms / 60'000 % 60;
        expected.Second = ms / 1000 % 60;
        expected.Msec = ms % 1000;
        const double value = EncodeDateTime(expected);
        ASSERT_EQ(std::floor(value), std::floor(previous) + 1) << Show(expected);
        const TCivilTime back = DecodeDateTime(value);
        ASSERT_TRUE(SameCivil(back, expected)) << Show(back) << " != " << Show(expected);
        previous = value;

        const bool leap =
            expected.Year % 4 == 0 && (expected.Year % 100 != 0 || expected.Year % 400 == 0);
        const int days = monthDays[expected.Month - 1] + (expected.Month == 2 && leap ? 1 : 0);
        if (++expected.Day > days) {
            expected.Day = 1;
            if (++expected.Month > 12) {
                expected.Month = 1;
                if (++expected.Year > 9999)
                    break;
            }
        }
    }
}

TEST(DateTime, DecodeRoundsToTheMillisecond)
{
    // 0.99999999 days is 23:59:59.999136: the same day.
    EXPECT_TRUE(SameCivil(DecodeDateTime(0.99999999), Civil(1899, 12, 30, 23, 59, 59, 999)));
    // Within half a millisecond of midnight is midnight of the next day.
    EXPECT_TRUE(SameCivil(DecodeDateTime(1.0 - 1e-12), Civil(1899, 12, 31)));
    EXPECT_TRUE(SameCivil(DecodeDateTime(36526.0 + 0.0004 / 86400), Civil(2000, 1, 1)));
}

struct TFormatRow
{
    double Value;
    const char* Date;
    const char* Time;
};

class DateTimeFormat : public ::testing::TestWithParam<TFormatRow>
{
};

TEST_P(DateTimeFormat, ShortDateAndLongTime)
{
    EXPECT_EQ(FormatShortDate(GetParam().Value), GetParam().Date);
    EXPECT_EQ(FormatLongTime(GetParam().Value), GetParam().Time);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DateTimeFormat,
    ::testing::Values(
        TFormatRow{0.0, "30/12/1899", "0:00:00"},
        TFormatRow{EncodeDateTime(Civil(2003, 2, 1, 9, 5, 7)), "01/02/2003", "9:05:07"},
        TFormatRow{EncodeDateTime(Civil(2024, 11, 30, 23, 59, 59)), "30/11/2024", "23:59:59"},
        TFormatRow{EncodeDateTime(Civil(9999, 12, 31, 10)), "31/12/9999", "10:00:00"},
        // The milliseconds are dropped, so date and time agree.
        TFormatRow{EncodeDateTime(Civil(2024, 11, 30, 23, 59, 59, 999)), "30/11/2024", "23:59:59"},
        TFormatRow{0.99999999, "30/12/1899", "23:59:59"},
        // A duration: the whole days are dropped.
        TFormatRow{1.5, "31/12/1899", "12:00:00"}),
    [](const auto& info) {
        return test::RowName(info.index, std::string(info.param.Date) + " " + info.param.Time);
    });

TEST(DateTime, DurationFromTwoStampsKeepsItsSeconds)
{
    // A difference of doubles lands a hair below the whole second; the
    // millisecond rounding brings it back.
    const double start = EncodeDateTime(Civil(2024, 3, 5, 10, 0, 0, 700));
    for (int seconds : {1, 5, 59, 61, 3599, 3600, 7261}) {
        TCivilTime end = Civil(2024, 3, 5, 10, 0, 0, 700);
        end.Hour += seconds / 3600;
        end.Minute += seconds / 60 % 60;
        end.Second += seconds % 60;
        const double duration = EncodeDateTime(end) - start;
        char expected[16];
        std::snprintf(expected, sizeof expected, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
        EXPECT_EQ(FormatLongTime(duration), expected);
    }
}

// Sets TZ for one test and puts it back.
class TTimeZone
{
public:
    explicit TTimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            Old = old, HadOld = true;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TTimeZone()
    {
        if (HadOld)
            setenv("TZ", Old.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::string Old;
    bool HadOld = false;
};

TEST(DateTime, SystemClockGivesLocalTime)
{
    for (const char* zone : {"UTC0", "XYZ-3", "ABC+5:30"}) {
        const TTimeZone tz(zone);
        const std::time_t before = std::time(nullptr);
        const double now = TSystemClock().Now();
        const std::time_t after = std::time(nullptr);
        std::tm local{};
        localtime_r(&before, &local);
        const double expectedBefore =
            EncodeDateTime(Civil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                 local.tm_hour, local.tm_min, local.tm_sec));
        const double seconds = (now - expectedBefore) * 86400;
        EXPECT_GE(seconds, -0.001) << zone;
        // time() reads the kernel's coarse clock, which may lag the one the
        // program reads by a tick: across a second's end the program's is
        // already in the next second while both time() calls are not.
        EXPECT_LT(seconds, static_cast<double>(after - before) + 1.02) << zone;
    }
}

} // namespace
} // namespace korvan

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "settings/MemorySettings.h"
#include "util/IniFile.h"

namespace korvan {
namespace {

TEST(MemorySettings, HandEditedValuesAreMadeSoundAndWrittenBack)
{
    test::TTempDir dir;
    struct
    {
        const char* Ini;
        double Retention;
        int DayStartsAt;
        int Limit;
    } const cases[] = {
        {"", 0.9, 4, 50},
        {"[Main]\r\nDesiredRetention=0,85\r\nDayStartsAt=0\r\nReviewLimit=10\r\n", 0.85, 0, 10},
        {"[Main]\r\nDesiredRetention=0.5\r\nDayStartsAt=24\r\nReviewLimit=0\r\n", 0.70, 23, 1},
        {"[Main]\r\nDesiredRetention=1e9\r\nDayStartsAt=-3\r\nReviewLimit=99999999\r\n", 0.97, 0,
         MaxReviewLimit},
        {"[Main]\r\nDesiredRetention=nan\r\nDayStartsAt=x\r\nReviewLimit=\r\n", 0.9, 4, 50},
    };
    for (const auto& c : cases) {
        const std::string ini = dir.Write("Korvan.ini", c.Ini);
        const TMemorySettings s = LoadMemorySettings(ini);
        EXPECT_DOUBLE_EQ(s.DesiredRetention, c.Retention) << c.Ini;
        EXPECT_EQ(s.DayStartsAt, c.DayStartsAt) << c.Ini;
        EXPECT_EQ(s.ReviewLimit, c.Limit) << c.Ini;
        EXPECT_EQ(HistoryRoot(s, "/home/u/.local/share/korvan/"),
                  "/home/u/.local/share/korvan/history/");
    }

    const std::string ini = dir.Write("Korvan.ini", "[Main]\r\nSpeed=7\r\n");
    SaveMemorySettings(ini, {"/srv/class/history", 0.93, 5, 30});
    const TMemorySettings back = LoadMemorySettings(ini);
    EXPECT_EQ(back.HistoryFolder, "/srv/class/history");
    EXPECT_DOUBLE_EQ(back.DesiredRetention, 0.93);
    EXPECT_EQ(back.DayStartsAt, 5);
    EXPECT_EQ(back.ReviewLimit, 30);
    EXPECT_EQ(TIniFile(ini).ReadString("Main", "DesiredRetention", ""), "0.93");
    EXPECT_EQ(TIniFile(ini).ReadInteger("Main", "Speed", 0), 7);
    EXPECT_EQ(HistoryRoot(back, "/unused/"), "/srv/class/history/");
}

} // namespace
} // namespace korvan

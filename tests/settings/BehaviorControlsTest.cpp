#include "settings/BehaviorControls.h"

#include <gtest/gtest.h>

#include "util/Text.h"

namespace korvan {
namespace {

TEST(ShownPosition, OutsideTheRangeAtTheNearestEnd)
{
    struct TCase
    {
        std::int32_t Value;
        TControlRange Range;
        std::int32_t Shown;
    };
    const TCase cases[] = {
        {35, SpeedRange, 20},
        {-3, SpeedRange, 0},
        {7, SpeedRange, 7},
        {-5, MistakeChangeRange, -1},
        {9, MistakeChangeRange, 1},
        {0, UseAtOnceRange, 1},
        {41, UseAtOnceRange, 40},
        {0, DiffNumRange, 1},
        {12, DiffNumRange, 9},
        {INT32_MIN, SpeedRange, 0},
        {INT32_MAX, UseAtOnceRange, 40},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ShownPosition(c.Value, c.Range), c.Shown) << c.Value;
}

TEST(OrderButtonOf, StrayKindsShowRandomPart)
{
    EXPECT_EQ(OrderButtonOf(0), TOrderButton::Order);
    EXPECT_EQ(OrderButtonOf(1), TOrderButton::All);
    for (std::int32_t kind : {2, 5, 7, -1, INT32_MIN})
        EXPECT_EQ(OrderButtonOf(kind), TOrderButton::Part) << kind;
}

TEST(BothOffWarning, OnlyWhenTextAndSoundOfTheLanguageAreOff)
{
    const std::string russian =
        ToCp1251("Обратите внимание! Вы отключили и показ и аудирование русского текста.");
    const std::string english =
        ToCp1251("Обратите внимание! Вы отключили и показ и аудирование английского текста.");
    TBehaviorCfg cfg;
    EXPECT_FALSE(BothOffWarning(cfg, TLanguageSide::Russian));
    cfg.ShowRText = false;
    EXPECT_FALSE(BothOffWarning(cfg, TLanguageSide::Russian));
    cfg.UseRWav = false;
    EXPECT_EQ(RussianCp1251({*BothOffWarning(cfg, TLanguageSide::Russian)}), russian);
    // The other language's switches do not matter.
    EXPECT_FALSE(BothOffWarning(cfg, TLanguageSide::English));
    cfg.ShowEText = false;
    cfg.UseEWav = false;
    EXPECT_EQ(RussianCp1251({*BothOffWarning(cfg, TLanguageSide::English)}), english);
    cfg.UseEWav = true;
    EXPECT_FALSE(BothOffWarning(cfg, TLanguageSide::English));
}

} // namespace
} // namespace korvan

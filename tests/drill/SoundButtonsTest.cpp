#include <gtest/gtest.h>

#include "drill/SoundButtons.h"
#include "util/Text.h"

namespace korvan {
namespace {

// The window's design: separator at 448, buttons 25 high, progress box at 312.
const TSoundButtonGeometry Design{448, 25, 25, 312};

struct TPlaceCase
{
    const char* Name;
    bool ShowRu;
    bool ShowEn;
    std::optional<int> RuTop;
    std::optional<int> EnTop;
    int ProgressHeight;
};

class PlaceSoundButtonsTest : public testing::TestWithParam<TPlaceCase>
{
};

TEST_P(PlaceSoundButtonsTest, StacksShownButtonsAboveTheSeparator)
{
    const TPlaceCase& c = GetParam();
    const TSoundButtonPlacement p = PlaceSoundButtons(Design, c.ShowRu, c.ShowEn);
    EXPECT_EQ(p.RepeatRuVisible, c.ShowRu);
    EXPECT_EQ(p.RepeatEnVisible, c.ShowEn);
    EXPECT_EQ(p.RepeatRuTop, c.RuTop);
    EXPECT_EQ(p.RepeatEnTop, c.EnTop);
    EXPECT_EQ(p.ProgressHeight, c.ProgressHeight);
}

// 448 - 20 = 428: English ends there, Russian 8 above it; each hidden button
// gives the progress box its height plus 8.
INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceSoundButtonsTest,
    testing::Values(TPlaceCase{"both", true, true, 370, 403, 362 - 312},
                    TPlaceCase{"russian_only", true, false, 403, std::nullopt, 395 - 312},
                    TPlaceCase{"english_only", false, true, std::nullopt, 403, 395 - 312},
                    TPlaceCase{"none", false, false, std::nullopt, std::nullopt, 428 - 312}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(PlaceSoundButtons, ProgressBoxNeverGetsANegativeHeight)
{
    EXPECT_EQ(PlaceSoundButtons({100, 25, 25, 312}, true, true).ProgressHeight, 0);
}

TEST(SoundButtonState, RepeatButtonsHoldDownForTheirKindAndReleaseTogether)
{
    TSoundButtonState s;
    EXPECT_EQ(std::string(s.RepeatRuCaption()), "По русски");
    EXPECT_EQ(std::string(s.RepeatEnCaption()), "По англ.");
    s.SetRepeat(true, TSoundKind::Russian); // not a replay: nothing changes
    EXPECT_EQ(s, TSoundButtonState{});
    s.SetRepeat(true, TSoundKind::RussianRepeat);
    EXPECT_TRUE(s.RepeatRuDown);
    EXPECT_FALSE(s.RepeatEnDown);
    EXPECT_EQ(std::string(s.RepeatRuCaption()), "Остановить");
    EXPECT_EQ(std::string(s.RepeatEnCaption()), "По англ.");
    s.SetRepeat(true, TSoundKind::EnglishRepeat);
    s.SetRepeat(false, TSoundKind::EnglishRepeat);
    EXPECT_EQ(s, TSoundButtonState{});
}

TEST(SoundButtonState, AnswerButtonHidesItsLabelWhilePlaying)
{
    TSoundButtonState s;
    EXPECT_EQ(std::string(s.AnswerCaption()), "");
    EXPECT_TRUE(s.AnswerLabelVisible());
    s.SetAnswer(true);
    EXPECT_EQ(std::string(s.AnswerCaption()), "Остановить");
    EXPECT_FALSE(s.AnswerLabelVisible());
}

} // namespace
} // namespace korvan

#include "drill/PaneLayout.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace korvan {
namespace {

// SAroundMemos at design: left 8, top 4, width 409, height 505.
constexpr TPaneRect DesignFrame{8, 4, 409, 505};

constexpr TPane AllPanes[] = {
    TPane::M1,     TPane::M2,      TPane::M3, TPane::MInfo, TPane::MTranscription,
    TPane::MInput, TPane::MHelpMsg};

TPaneLayoutInput RunOf(bool words, bool translRE, bool typed, bool help = true)
{
    TPaneLayoutInput in;
    in.Frame = DesignFrame;
    in.ShowHelpMsg = help;
    in.Running = true;
    in.Words = words;
    in.TranslRE = translRE;
    in.UseTextInput = typed;
    return in;
}

// Top and bottom edge of a pane; nullopt when hidden.
using TSpan = std::optional<std::pair<int, int>>;

TSpan SpanOf(const TPaneLayout& layout, TPane pane)
{
    const TPanePlace& p = layout[pane];
    if (!p.Visible)
        return std::nullopt;
    return std::make_pair(p.Bounds.Top, p.Bounds.Bottom());
}

TEST(PaneLayout, IdleWithHelpAtDesignSize)
{
    TPaneLayoutInput in;
    in.Frame = DesignFrame;
    const TPaneLayout l = LayoutPanes(in);
    EXPECT_EQ(SpanOf(l, TPane::MInfo), std::make_pair(12, 461));
    EXPECT_EQ(SpanOf(l, TPane::MHelpMsg), std::make_pair(461, 501));
    for (TPane pane : {TPane::M1, TPane::M2, TPane::M3, TPane::MTranscription, TPane::MInput})
        EXPECT_FALSE(l[pane].Visible);
    // Horizontally 8 pixels inside the frame.
    EXPECT_EQ(l[TPane::MInfo].Bounds.Left, 16);
    EXPECT_EQ(l[TPane::MInfo].Bounds.Right(), 409);
    EXPECT_EQ(l[TPane::MHelpMsg].Bounds.Width, 393);
}

TEST(PaneLayout, IdleWithoutHelpFillsTheFrame)
{
    TPaneLayoutInput in;
    in.Frame = DesignFrame;
    in.ShowHelpMsg = false;
    const TPaneLayout l = LayoutPanes(in);
    EXPECT_EQ(SpanOf(l, TPane::MInfo), std::make_pair(12, 501));
    EXPECT_FALSE(l[TPane::MHelpMsg].Visible);
}

// A finished run (RunState 2) lays out like no run at all.
TEST(PaneLayout, NotRunningIgnoresTheRunSettings)
{
    TPaneLayoutInput in = RunOf(true, false, true);
    in.Running = false;
    const TPaneLayout l = LayoutPanes(in);
    EXPECT_TRUE(l[TPane::MInfo].Visible);
    EXPECT_FALSE(l[TPane::MInput].Visible);
    EXPECT_FALSE(l[TPane::MTranscription].Visible);
}

struct TStackRowCase
{
    const char* Name;
    TPaneLayoutInput Input;
    // Every pane top to bottom with its top and bottom edge; the others hidden.
    std::vector<std::pair<TPane, std::pair<int, int>>> Visible;
};

class PaneLayoutRun : public ::testing::TestWithParam<TStackRowCase>
{
};

TEST_P(PaneLayoutRun, StacksThePanes)
{
    const TStackRowCase& c = GetParam();
    const TPaneLayout l = LayoutPanes(c.Input);
    for (TPane pane : AllPanes) {
        std::optional<std::pair<int, int>> expected;
        for (const auto& [p, span] : c.Visible)
            if (p == pane)
                expected = span;
        EXPECT_EQ(SpanOf(l, pane), expected) << "pane " << static_cast<int>(pane);
        if (expected) {
            EXPECT_EQ(l[pane].Bounds.Left, c.Input.Frame.Left + 8);
            EXPECT_EQ(l[pane].Bounds.Width, c.Input.Frame.Width - 16);
        }
    }
}

// With help: T = 12, H = 449, help 461..501. Without: H = 489.
// Bottoms are 12 + H × p / 100, fractions dropped.
INSTANTIATE_TEST_SUITE_P(Table, PaneLayoutRun,
                         ::testing::Values(TStackRowCase{"OrdinarySpoken",
                                                         RunOf(false, true, false),
                                                         {{TPane::M1, {12, 56}},
                                                          {TPane::M2, {56, 258}},
                                                          {TPane::M3, {258, 461}},
                                                          {TPane::MHelpMsg, {461, 501}}}},
                                           TStackRowCase{"OrdinaryTyped",
                                                         RunOf(false, true, true),
                                                         {{TPane::M1, {12, 56}},
                                                          {TPane::M2, {56, 191}},
                                                          {TPane::MInput, {191, 326}},
                                                          {TPane::M3, {326, 461}},
                                                          {TPane::MHelpMsg, {461, 501}}}},
                                           // TranslRE does not matter for an ordinary lesson.
                                           TStackRowCase{"OrdinaryEnglishToRussianSpoken",
                                                         RunOf(false, false, false),
                                                         {{TPane::M1, {12, 56}},
                                                          {TPane::M2, {56, 258}},
                                                          {TPane::M3, {258, 461}},
                                                          {TPane::MHelpMsg, {461, 501}}}},
                                           TStackRowCase{"WordsRussianToEnglishSpoken",
                                                         RunOf(true, true, false),
                                                         {{TPane::M2, {12, 191}},
                                                          {TPane::M3, {191, 371}},
                                                          {TPane::MTranscription, {371, 461}},
                                                          {TPane::MHelpMsg, {461, 501}}}},
                                           TStackRowCase{"WordsRussianToEnglishTyped",
                                                         RunOf(true, true, true),
                                                         {{TPane::M2, {12, 146}},
                                                          {TPane::MInput, {146, 236}},
                                                          {TPane::M3, {236, 371}},
                                                          {TPane::MTranscription, {371, 461}},
                                                          {TPane::MHelpMsg, {461, 501}}}},
                                           TStackRowCase{"WordsEnglishToRussianSpoken",
                                                         RunOf(true, false, false),
                                                         {{TPane::M2, {12, 191}},
                                                          {TPane::MTranscription, {191, 281}},
                                                          {TPane::M3, {281, 461}},
                                                          {TPane::MHelpMsg, {461, 501}}}},
                                           TStackRowCase{"WordsEnglishToRussianTyped",
                                                         RunOf(true, false, true),
                                                         {{TPane::M2, {12, 146}},
                                                          {TPane::MTranscription, {146, 236}},
                                                          {TPane::MInput, {236, 326}},
                                                          {TPane::M3, {326, 461}},
                                                          {TPane::MHelpMsg, {461, 501}}}},
                                           TStackRowCase{"OrdinarySpokenWithoutHelp",
                                                         RunOf(false, true, false, false),
                                                         {{TPane::M1, {12, 60}},
                                                          {TPane::M2, {60, 280}},
                                                          {TPane::M3, {280, 501}}}},
                                           TStackRowCase{"WordsEnglishToRussianTypedWithoutHelp",
                                                         RunOf(true, false, true, false),
                                                         {{TPane::M2, {12, 158}},
                                                          {TPane::MTranscription, {158, 256}},
                                                          {TPane::MInput, {256, 354}},
                                                          {TPane::M3, {354, 501}}}}),
                         [](const ::testing::TestParamInfo<TStackRowCase>& info) {
                             return std::string(info.param.Name);
                         });

// A larger window keeps the shares: the panes stay stacked without gaps and
// each bottom edge stays at its percentage of the drawable height.
TEST(PaneLayout, ResizedFrameKeepsProportions)
{
    for (const TPaneRect frame :
         {TPaneRect{8, 4, 409, 505}, TPaneRect{8, 4, 1201, 1017}, TPaneRect{20, 30, 600, 777}}) {
        TPaneLayoutInput in = RunOf(false, true, true);
        in.Frame = frame;
        const TPaneLayout l = LayoutPanes(in);
        const int t = frame.Top + 8;
        const int h = frame.Height - 16 - 40;
        SCOPED_TRACE(frame.Height);
        EXPECT_EQ(SpanOf(l, TPane::M1), std::make_pair(t, t + h * 10 / 100));
        EXPECT_EQ(SpanOf(l, TPane::M2), std::make_pair(t + h * 10 / 100, t + h * 40 / 100));
        EXPECT_EQ(SpanOf(l, TPane::MInput), std::make_pair(t + h * 40 / 100, t + h * 70 / 100));
        EXPECT_EQ(SpanOf(l, TPane::M3), std::make_pair(t + h * 70 / 100, t + h));
        EXPECT_EQ(SpanOf(l, TPane::MHelpMsg), std::make_pair(t + h, t + h + 40));
        EXPECT_EQ(l[TPane::M3].Bounds.Width, frame.Width - 16);
    }
}

// The help pane grows to what its text needs at its width, between the design
// 40 pixels and a third of the drawable height; the panes above give way.
TEST(PaneLayout, HelpPaneGrowsToItsText)
{
    struct TCase
    {
        int Need;     // what the text needs at the pane's width
        int HelpTop;  // the pane's top; its bottom stays at 501
        int M1Bottom; // 12 + H * 10 / 100 with H = HelpTop - 12
        int M2Bottom; // 12 + H * 55 / 100
    } cases[] = {
        {0, 461, 56, 258},   // nothing to measure: the design height
        {25, 461, 56, 258},  // less than the design height
        {56, 445, 55, 250},  // three lines
        {300, 338, 44, 191}, // capped at 489 / 3 = 163
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Need);
        TPaneLayoutInput in = RunOf(false, true, false);
        int askedWidth = -1;
        in.HelpMsgTextHeight = [&](int width) {
            askedWidth = width;
            return c.Need;
        };
        TPaneLayout l = LayoutPanes(in);
        EXPECT_EQ(askedWidth, 393);
        EXPECT_EQ(SpanOf(l, TPane::MHelpMsg), std::make_pair(c.HelpTop, 501));
        EXPECT_EQ(SpanOf(l, TPane::M2), std::make_pair(c.M1Bottom, c.M2Bottom));
        EXPECT_EQ(SpanOf(l, TPane::M3), std::make_pair(c.M2Bottom, c.HelpTop));
        in.Running = false;
        l = LayoutPanes(in);
        EXPECT_EQ(SpanOf(l, TPane::MInfo), std::make_pair(12, c.HelpTop));
    }
}

// A frame too small for the help pane gives no negative sizes.
TEST(PaneLayout, TinyFrameHasNoNegativeSizes)
{
    TPaneLayoutInput in = RunOf(true, false, true);
    in.Frame = {0, 0, 10, 30};
    const TPaneLayout l = LayoutPanes(in);
    for (TPane pane : AllPanes) {
        EXPECT_GE(l[pane].Bounds.Width, 0);
        EXPECT_GE(l[pane].Bounds.Height, 0);
    }
}

} // namespace
} // namespace korvan

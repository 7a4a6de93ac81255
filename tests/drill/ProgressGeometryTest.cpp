// The progress picture: what is drawn where, from the run counters.

#include <gtest/gtest.h>

#include "drill/ProgressGeometry.h"

namespace korvan {
namespace {

using C = TProgressColor;
using TShapes = std::vector<TProgressShape>;

TProgressShape R(int l, int t, int r, int b, C pen, C fill)
{
    return {TProgressShape::TKind::Rectangle, l, t, r, b, pen, fill};
}

TProgressShape L(int x1, int y, int x2, C pen)
{
    return {TProgressShape::TKind::Line, x1, y, x2, y, pen, pen};
}

TProgressCounters Counters(int n, int notStarted, int pending, int right, int mistakes, int clean)
{
    TProgressCounters c;
    c.Questions = n;
    c.NotStarted = notStarted;
    c.Pending = pending;
    c.Right = right;
    c.Mistakes = mistakes;
    c.Clean = clean;
    c.RunState = 1;
    return c;
}

// A box 110 pixels high: H = 100, so y(v, total) = 100 v / total + 5.
constexpr int Box = 110;

TEST(ProgressPicture, FirstPictureAfterF4)
{
    // Ten questions, three in play and seven waiting: A = 7 + 3 = 10 = T.
    EXPECT_EQ(ProgressPicture(Counters(10, 7, 3, 0, 0, 0), Box),
              (TShapes{
                  R(15, 4, 34, 106, C::Black, C::ButtonFace),
                  R(16, 105, 33, 105, C::Green, C::Green), // no right answer yet
                  R(16, 105, 33, 105, C::Red, C::Red),     // no mistake yet
                  L(34, 55, 38, C::Black),                 // the one tick, at 5 answers
                  L(15, 5, 40, C::Black),                  // 10 answers: the top
                  R(73, 4, 92, 106, C::Black, C::ButtonFace),
                  R(74, 105, 91, 105, C::Green, C::Green),
                  L(84, 30, 96, C::Red),
                  L(92, 55, 96, C::Black),
                  L(92, 80, 96, C::Black),
              }));
}

TEST(ProgressPicture, FourRightOfTen)
{
    const TShapes s = ProgressPicture(Counters(10, 0, 6, 4, 0, 4), Box);
    ASSERT_EQ(s.size(), 10u);
    EXPECT_EQ(s[1], R(16, 65, 33, 105, C::Green, C::Green)); // 4/10 from the bottom
    EXPECT_EQ(s[2], R(16, 105, 33, 105, C::Red, C::Red));
    EXPECT_EQ(s[6], R(74, 65, 91, 105, C::Green, C::Green));
}

TEST(ProgressPicture, OneMistakeWithTwoMoreShowsGrowsTheScale)
{
    // MistakeChange +1: the wrong answer leaves 2 shows pending, T = 1 + 11 = 12.
    const TShapes s = ProgressPicture(Counters(10, 0, 11, 0, 1, 0), Box);
    ASSERT_EQ(s.size(), 11u);
    EXPECT_EQ(s[1], R(16, 97, 33, 97, C::Green, C::Green)); // 100 * 11 / 12 = 91.7
    EXPECT_EQ(s[2], R(16, 97, 33, 105, C::Red, C::Red));
    EXPECT_EQ(s[3], L(34, 63, 38, C::Black)); // tick at 5 answers: y(7, 12)
    EXPECT_EQ(s[4], L(34, 22, 38, C::Black)); // tick at 10 answers: y(2, 12)
    EXPECT_EQ(s[5], L(15, 22, 40, C::Black)); // lesson-size line at 10/12
    // A third tick (15 answers) only once T exceeds 15.
    EXPECT_EQ(ProgressPicture(Counters(10, 0, 14, 0, 1, 0), Box).size(), 11u); // T = 15
    const TShapes t16 = ProgressPicture(Counters(10, 0, 15, 0, 1, 0), Box);
    ASSERT_EQ(t16.size(), 12u);
    EXPECT_EQ(t16[5], L(34, 11, 38, C::Black)); // y(1, 16) = 6.25
}

TEST(ProgressPicture, NotShownAgainKeepsTheScaleAndFillsTheBarAtTheEnd)
{
    const TShapes s = ProgressPicture(Counters(10, 0, 0, 6, 4, 6), Box);
    EXPECT_EQ(s[1], R(16, 5, 33, 65, C::Green, C::Green));
    EXPECT_EQ(s[2], R(16, 65, 33, 105, C::Red, C::Red));
    EXPECT_EQ(s[4], L(15, 5, 40, C::Black)); // T stayed N: the line stays at the top
    EXPECT_EQ(s[6], R(74, 45, 91, 105, C::Green, C::Green));
}

TEST(ProgressPicture, HalvesRoundToEven)
{
    // H = 101: the tick at 5 of 10 is 50.5 -> 50; H = 103: 51.5 -> 52.
    EXPECT_EQ(ProgressPicture(Counters(10, 0, 10, 0, 0, 0), 111)[3], L(34, 55, 38, C::Black));
    EXPECT_EQ(ProgressPicture(Counters(10, 0, 10, 0, 0, 0), 113)[3], L(34, 57, 38, C::Black));
}

TEST(ProgressPicture, NothingWithoutARunOrRoom)
{
    TProgressCounters idle = Counters(10, 0, 10, 0, 0, 0);
    idle.RunState = 0;
    EXPECT_TRUE(ProgressPicture(idle, Box).empty());
    EXPECT_TRUE(ProgressPicture(Counters(10, 0, 10, 0, 0, 0), 25).empty()); // H = 15
    EXPECT_FALSE(ProgressPicture(Counters(10, 0, 10, 0, 0, 0), 26).empty());
    TProgressCounters finished = Counters(10, 0, 0, 10, 0, 10);
    finished.RunState = 2; // the final picture stays
    EXPECT_FALSE(ProgressPicture(finished, Box).empty());
}

} // namespace
} // namespace korvan

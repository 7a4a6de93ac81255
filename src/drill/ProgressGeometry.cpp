#include "drill/ProgressGeometry.h"

#include <cstdint>

#include "drill/Grade.h"

namespace korvan {

namespace {

// The vertical pixel of the value num/den on a scale of `total`, counted from
// the top: 0 at y 5, total at y 5 + h. Rounded half to even on the exact
// fraction h * value / total.
int YOf(int h, std::int64_t num, std::int64_t den, std::int64_t total)
{
    return static_cast<int>(DivRoundHalfEven(std::int64_t{h} * num, den * total)) + 5;
}

TProgressShape Rect(int left, int top, int right, int bottom, TProgressColor pen,
                    TProgressColor fill)
{
    return {TProgressShape::TKind::Rectangle, left, top, right, bottom, pen, fill};
}

TProgressShape Line(int x1, int y, int x2, TProgressColor pen)
{
    return {TProgressShape::TKind::Line, x1, y, x2, y, pen, pen};
}

} // namespace

TProgressCounters ProgressCountersOf(const TLesson& lesson, int initialShows)
{
    TProgressCounters c;
    c.Questions = lesson.QuestionCount();
    c.NotStarted = lesson.NotStartedCount;
    c.Pending = lesson.PendingTotal;
    c.Right = lesson.RightTotal;
    c.Mistakes = lesson.MistakeTotal;
    c.Clean = lesson.CleanCount;
    c.RunState = lesson.RunState;
    c.InitialShows = initialShows;
    return c;
}

std::vector<TProgressShape> ProgressPicture(const TProgressCounters& c, int boxHeight)
{
    std::vector<TProgressShape> shapes;
    const int h = boxHeight - 10;
    if (c.RunState == 0 || h < 16)
        return shapes;
    const std::int64_t n = c.Questions;
    const std::int64_t a = std::int64_t{c.NotStarted} * c.InitialShows + c.Pending;
    const std::int64_t t = std::int64_t{c.Mistakes} + c.Right + a;
    if (n <= 0 || t <= 0)
        return shapes; // no scale to draw on
    using C = TProgressColor;

    // Left bar: frame, right answers, mistakes.
    shapes.push_back(Rect(15, 4, 34, boxHeight - 4, C::Black, C::ButtonFace));
    shapes.push_back(Rect(16, YOf(h, a, 1, t), 33, YOf(h, a + c.Right, 1, t), C::Green, C::Green));
    shapes.push_back(Rect(16, YOf(h, a + c.Right, 1, t), 33, boxHeight - 5, C::Red, C::Red));
    // Ticks every N/2 answers from the bottom, while T > floor(N k / 2).
    for (std::int64_t k = 1; t > n * k / 2; ++k)
        shapes.push_back(Line(34, YOf(h, 2 * t - n * k, 2, t), 38, C::Black));
    // The lesson-size line, N answers from the bottom.
    shapes.push_back(Line(15, YOf(h, t - n * c.InitialShows, 1, t), 40, C::Black));

    // Right bar: frame, clean sentences, three-quarter, half and quarter marks.
    shapes.push_back(Rect(73, 4, 92, boxHeight - 4, C::Black, C::ButtonFace));
    shapes.push_back(Rect(74, YOf(h, n - c.Clean, 1, n), 91, boxHeight - 5, C::Green, C::Green));
    shapes.push_back(Line(84, YOf(h, n, 4, n), 96, C::Red));
    shapes.push_back(Line(92, YOf(h, 2 * n, 4, n), 96, C::Black));
    shapes.push_back(Line(92, YOf(h, 3 * n, 4, n), 96, C::Black));
    return shapes;
}

} // namespace korvan

#pragma once

// The progress picture as a list of shapes, from the run counters and the
// height of the paint box; the window only draws what this returns, in order.
//
// Left bar (x 15..34): from the bottom up red for mistakes, green for right
// answers, button face for the shows still to come, on a scale of T = all
// verdicts the run needs if no further mistake is made; ticks every N/2
// answers and a long line at N answers. Right bar (x 73..92): green for the
// share of questions finished without a mistake, with marks at 1/4, 1/2, 3/4.

#include <vector>

#include "lesson/Lesson.h"

namespace korvan {

enum class TProgressColor
{
    Black,
    Green,     // red 0, green 128, blue 0
    Red,       // 255, 0, 0
    ButtonFace // the system's button-face colour
};

struct TProgressShape
{
    enum class TKind
    {
        Rectangle,
        Line
    };
    TKind Kind = TKind::Line;
    // Rectangles: left, top, right, bottom, the right and bottom edges outside
    // the filled area. Lines: from (X1, Y1) up to, not including, (X2, Y2).
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
    TProgressColor Pen = TProgressColor::Black;
    TProgressColor Fill = TProgressColor::Black; // rectangles only

    bool operator==(const TProgressShape&) const = default;
};

struct TProgressCounters
{
    int Questions = 0; // N
    int NotStarted = 0;
    int Pending = 0;
    int Right = 0;
    int Mistakes = 0;
    int Clean = 0;
    int RunState = 0;
    int InitialShows = 1;
};

TProgressCounters ProgressCountersOf(const TLesson& lesson, int initialShows = 1);

// Nothing while RunState is 0 or when the box is shorter than 26 pixels.
std::vector<TProgressShape> ProgressPicture(const TProgressCounters& counters, int boxHeight);

} // namespace korvan

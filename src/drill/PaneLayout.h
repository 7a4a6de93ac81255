#pragma once

// Which of the seven text panes are visible and where, inside the framed area
// of the main window. The window applies the result; the decision is here so
// it can be checked without a window.

#include <array>
#include <functional>

#include "drill/DrillPorts.h"

namespace korvan {

// Window coordinates in pixels.
struct TPaneRect
{
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TPaneRect&) const = default;
};

struct TPaneLayoutInput
{
    TPaneRect Frame;           // the framed area SAroundMemos
    bool ShowHelpMsg = true;   // appearance setting
    bool Running = false;      // the lesson's RunState is 1
    bool Words = false;        // a words lesson
    bool TranslRE = true;      // the run's direction, Russian to English
    bool UseTextInput = false; // the run's input mode: a typed answer
    // The height in pixels the help pane needs to show its tallest text whole
    // at a pane width in pixels; empty: the design height is taken.
    std::function<int(int width)> HelpMsgTextHeight;
};

struct TPanePlace
{
    bool Visible = false;
    TPaneRect Bounds; // meaningful only when visible
};

struct TPaneLayout
{
    std::array<TPanePlace, 7> Places; // indexed by TPane

    const TPanePlace& operator[](TPane pane) const { return Places[static_cast<int>(pane)]; }
    TPanePlace& operator[](TPane pane) { return Places[static_cast<int>(pane)]; }
};

// The help pane takes the bottom of the frame when shown: 40 pixels, or what
// its text needs when that is more, up to a third of the frame (beyond that
// the text scrolls); outside a run MInfo
// fills the rest, during a run the drill panes share it in fixed percentages
// (integer arithmetic, fractions dropped) that depend on the lesson kind, the
// direction and the input mode. Sizes that a tiny frame would make negative
// are 0. Inside a class with a LayoutPanes member, call it as korvan::LayoutPanes.
TPaneLayout LayoutPanes(const TPaneLayoutInput& input);

} // namespace korvan

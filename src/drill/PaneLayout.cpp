#include "drill/PaneLayout.h"

#include <algorithm>
#include <array>

namespace korvan {

namespace {

constexpr int Margin = 8;         // between the frame and the panes, in pixels
constexpr int HelpMsgHeight = 40; // at design, in pixels

// One pane of a run's stack: its bottom edge at T + H × p / 100 (p in per
// cent of H), p 0 when the pane is hidden with that input mode.
struct TStackRow
{
    TPane Pane;
    int SpokenPercent;
    int TypedPercent;
};
using TStack = std::array<TStackRow, 4>;

// Top to bottom.
constexpr TStack OrdinaryStack = {{
    {TPane::M1, 10, 10},
    {TPane::M2, 55, 40},
    {TPane::MInput, 0, 70},
    {TPane::M3, 100, 100},
}};
// The transcription of the English word stands under the English translation.
constexpr TStack WordsRussianToEnglishStack = {{
    {TPane::M2, 40, 30},
    {TPane::MInput, 0, 50},
    {TPane::M3, 80, 80},
    {TPane::MTranscription, 100, 100},
}};
// The transcription follows the English word that is asked.
constexpr TStack WordsEnglishToRussianStack = {{
    {TPane::M2, 40, 30},
    {TPane::MTranscription, 60, 50},
    {TPane::MInput, 0, 70},
    {TPane::M3, 100, 100},
}};

// The design height fitted two or three lines of the design face; the faces
// that stand in for it are wider and taller, so the pane grows to its text
// and the panes above give way, keeping at least two thirds of the height.
int HelpMsgHeightOf(const TPaneLayoutInput& input, int width, int height)
{
    const int need = input.HelpMsgTextHeight ? input.HelpMsgTextHeight(std::max(width, 0)) : 0;
    return std::max(HelpMsgHeight, std::min(need, height / 3));
}

TPanePlace Place(int left, int width, int top, int bottom)
{
    return {true, {left, top, std::max(width, 0), std::max(bottom - top, 0)}};
}

} // namespace

TPaneLayout LayoutPanes(const TPaneLayoutInput& input)
{
    TPaneLayout layout;
    const int left = input.Frame.Left + Margin;
    const int width = input.Frame.Width - 2 * Margin;
    const int top = input.Frame.Top + Margin;
    int height = input.Frame.Height - 2 * Margin;

    if (input.ShowHelpMsg) {
        const int help = HelpMsgHeightOf(input, width, height);
        layout[TPane::MHelpMsg] = Place(left, width, top + height - help, top + height);
        height -= help;
    }
    if (!input.Running) {
        layout[TPane::MInfo] = Place(left, width, top, top + height);
        return layout;
    }

    const TStack& stack = !input.Words     ? OrdinaryStack
                          : input.TranslRE ? WordsRussianToEnglishStack
                                           : WordsEnglishToRussianStack;
    int paneTop = top;
    for (const TStackRow& row : stack) {
        const int percent = input.UseTextInput ? row.TypedPercent : row.SpokenPercent;
        if (percent == 0)
            continue;
        const int bottom = top + height * percent / 100;
        layout[row.Pane] = Place(left, width, paneTop, bottom);
        paneTop = bottom;
    }
    return layout;
}

} // namespace korvan

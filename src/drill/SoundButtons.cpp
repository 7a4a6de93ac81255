#include "drill/SoundButtons.h"

#include <algorithm>

#include "i18n/Marked.h"

namespace korvan {

namespace {

constexpr int GapAboveSeparator = 20; // pixels between the lowest button and the line
constexpr int GapBetweenButtons = 8;  // pixels

const char* Stop()
{
    return KORVAN_MARK("SoundButtons", "Остановить");
}

} // namespace

const char* TSoundButtonState::RepeatRuCaption() const
{
    return RepeatRuDown ? Stop() : KORVAN_MARK("SoundButtons", "По русски");
}

const char* TSoundButtonState::RepeatEnCaption() const
{
    return RepeatEnDown ? Stop() : KORVAN_MARK("SoundButtons", "По англ.");
}

const char* TSoundButtonState::AnswerCaption() const
{
    return AnswerDown ? Stop() : "";
}

void TSoundButtonState::SetRepeat(bool playing, TSoundKind kind)
{
    if (!playing) {
        RepeatRuDown = false;
        RepeatEnDown = false;
    } else if (kind == TSoundKind::RussianRepeat) {
        RepeatRuDown = true;
    } else if (kind == TSoundKind::EnglishRepeat) {
        RepeatEnDown = true;
    }
}

TSoundButtonPlacement PlaceSoundButtons(const TSoundButtonGeometry& g, bool showRu, bool showEn)
{
    TSoundButtonPlacement p;
    int y = g.SeparatorTop - GapAboveSeparator;
    if (showEn) {
        p.RepeatEnTop = y - g.RepeatEnHeight;
        y -= g.RepeatEnHeight + GapBetweenButtons;
    }
    p.RepeatEnVisible = showEn;
    if (showRu) {
        p.RepeatRuTop = y - g.RepeatRuHeight;
        y -= g.RepeatRuHeight + GapBetweenButtons;
    }
    p.RepeatRuVisible = showRu;
    p.ProgressHeight = std::max(0, y - g.ProgressTop);
    return p;
}

} // namespace korvan

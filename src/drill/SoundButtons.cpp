#include "drill/SoundButtons.h"

#include <algorithm>

#include "util/Text.h"

namespace korvan {

namespace {

constexpr int GapAboveSeparator = 20; // pixels between the lowest button and the line
constexpr int GapBetweenButtons = 8;  // pixels

std::string Stop()
{
    return ToCp1251("Остановить");
}

} // namespace

std::string TSoundButtonState::RepeatRuCaption() const
{
    return RepeatRuDown ? Stop() : ToCp1251("По русски");
}

std::string TSoundButtonState::RepeatEnCaption() const
{
    return RepeatEnDown ? Stop() : ToCp1251("По англ.");
}

std::string TSoundButtonState::AnswerCaption() const
{
    return AnswerDown ? Stop() : std::string();
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

#pragma once

// The three sound buttons of the main window's right-hand column: what state
// they are in, and where the two repeat buttons stand. Pure decisions; the
// window applies them to its widgets.

#include <optional>
#include <string>

#include "drill/DrillPorts.h"

namespace korvan {

// What the buttons show. The captions follow from the held-down states.
struct TSoundButtonState
{
    bool RepeatRuDown = false; // BRepeatRuSound held down: the Russian replay plays
    bool RepeatEnDown = false; // BRepeatEnSound held down: the English replay plays
    bool AnswerDown = false;   // BRecStartStopPlay held down: the own answer plays

    // The captions as marked source texts (context "SoundButtons"), translated
    // where shown: "По русски" / "По англ." / "" and "Остановить" while down.
    const char* RepeatRuCaption() const;
    const char* RepeatEnCaption() const;
    const char* AnswerCaption() const;
    // LRecStartStopPlay ("Прослушать свой ответ") shows while the answer is not playing.
    bool AnswerLabelVisible() const { return !AnswerDown; }

    // SetRepeatButtonState: playing holds down the button of a repeat kind
    // (other kinds change nothing); not playing releases both.
    void SetRepeat(bool playing, TSoundKind kind);
    // SetAnswerButtonState.
    void SetAnswer(bool playing) { AnswerDown = playing; }

    bool operator==(const TSoundButtonState&) const = default;
};

// Whether a kind is a replay the pupil asked for (3 or 5).
inline bool IsRepeatKind(TSoundKind kind)
{
    return kind == TSoundKind::RussianRepeat || kind == TSoundKind::EnglishRepeat;
}

// Whether a kind is a sentence sound beside the lesson (2 to 5), as opposed
// to a signal in the program folder.
inline bool IsSentenceKind(TSoundKind kind)
{
    return kind != TSoundKind::StartRec && kind != TSoundKind::TimeIsUp;
}

// Window coordinates of what PlaceSoundButtons reads, in pixels.
struct TSoundButtonGeometry
{
    int SeparatorTop = 0;   // SRestSeparator
    int RepeatRuHeight = 0; // BRepeatRuSound
    int RepeatEnHeight = 0; // BRepeatEnSound
    int ProgressTop = 0;    // ProgressPaintBox
};

// What PlaceSoundButtons sets. A hidden button keeps its top.
struct TSoundButtonPlacement
{
    bool RepeatRuVisible = false;
    bool RepeatEnVisible = false;
    std::optional<int> RepeatRuTop;
    std::optional<int> RepeatEnTop;
    int ProgressHeight = 0; // never negative
};

// The repeat buttons stand above the separator line, English nearer to it,
// 20 pixels above the line and 8 apart; the progress box takes the room down
// to the topmost shown button (or to the 20 pixels above the line).
TSoundButtonPlacement PlaceSoundButtons(const TSoundButtonGeometry& geometry, bool showRu,
                                        bool showEn);

} // namespace korvan

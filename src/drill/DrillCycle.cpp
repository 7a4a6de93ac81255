// The cycle of one question: lead-in, presentation with the think budget,
// countdown, reveal, the pause and the verdicts.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "drill/Drill.h"
#include "drill/DrillTexts.h"
#include "drill/Grade.h"

namespace korvan {

int ThinkBudget(int timeNorm, int speed, bool textInput)
{
    // 64 bits: a hand-edited norm or speed must not overflow. The division
    // truncates toward zero, as the integer division of the rule does.
    std::int64_t budget = std::int64_t{timeNorm} * (std::int64_t{speed} + 5) / 10;
    if (textInput)
        budget *= 3;
    return static_cast<int>(
        std::clamp<std::int64_t>(budget, 0, std::numeric_limits<std::int32_t>::max()));
}

// ---------------------------------------------------------------------------
// Panes, captions, timers

void TDrill::ResetPanes()
{
    DisableTimer(TQuestionTimer::M1AndM2);
    DisableTimer(TQuestionTimer::M3Pause);
    FPorts.Sound.StopSound();
    FPorts.Sound.StopAnswerRecording();
    FPorts.Sound.StopAnswerPlayback();
    static const TShownText empty;
    for (TPane pane : {TPane::MInfo, TPane::M1, TPane::M2, TPane::M3, TPane::MTranscription,
                       TPane::MInput, TPane::MHelpMsg})
        FPorts.View.ShowInPane(pane, empty);
    FPorts.View.SetGaugePosition(0);
}

void TDrill::UpdateKeyCaptions()
{
    const bool typing = FPhase == TPhase::Thinking && FCfg.UseTextInput;
    IDrillView& view = FPorts.View;
    view.SetKeyCaption(TKeyCaption::ShowTranslation, typing ? "F5" : "Space | F5");
    view.SetKeyCaption(TKeyCaption::PupilChooseRight, typing ? "F5" : "Space | F5");
    view.SetKeyCaption(TKeyCaption::PupilChooseWrong, typing ? "F8" : "Ctrl  |  F8");
}

void TDrill::ShowHelp(const TPhrase& text)
{
    if (FPorts.View.Appearance().ShowHelpMsg)
        FPorts.View.ShowInPane(TPane::MHelpMsg, {text});
}

void TDrill::Say(const TShownText& text)
{
    const bool empty = std::all_of(text.begin(), text.end(), [](const TPhrase& phrase) {
        return phrase.Source == nullptr && (phrase.Args.empty() || phrase.Args[0].Text.empty());
    });
    if (!empty)
        FPorts.View.Announce(text);
}

void TDrill::ShowContent(TPane pane, const std::string& text)
{
    FPorts.View.ShowInPane(pane, {Content(text)});
}

void TDrill::EnableTimer(TQuestionTimer timer)
{
    FTimerOn[static_cast<int>(timer)] = true;
    FPorts.Timers.Enable(timer);
}

void TDrill::DisableTimer(TQuestionTimer timer)
{
    FTimerOn[static_cast<int>(timer)] = false;
    FPorts.Timers.Disable(timer);
}

bool TDrill::TimerOn(TQuestionTimer timer) const
{
    return FTimerOn[static_cast<int>(timer)];
}

// ---------------------------------------------------------------------------
// Lead-in and presentation

void TDrill::BeginQuestion()
{
    FPhase = TPhase::LeadIn;
    if (!FLesson.Words) {
        // The comment line stands alone for one second; the next tick presents.
        ShowContent(TPane::M1, FLesson.Current->Comment);
        Say({Content(FLesson.Current->Comment)});
        EnableTimer(TQuestionTimer::M1AndM2);
    } else {
        PresentQuestion(false);
    }
}

void TDrill::PresentQuestion(bool fromTick)
{
    FPresentFromTick = fromTick;
    const TQuestion& q = *FLesson.Current;
    FThinkLeft = ThinkBudget(q.TimeNorm, FCfg.Speed, FCfg.UseTextInput);
    FGaugeMax = FThinkLeft;
    FPorts.View.SetGaugeMax(FGaugeMax);

    // The source sound first, heard to its end; its text after it. A lesson
    // without recordings is voiced by the synthesizer when the run says so.
    const bool ru = AskRussian();
    const bool tried = SourceSoundTried(ru);
    if (tried && FPorts.Sound.PlaySound(ru ? TSoundKind::Russian : TSoundKind::English, true)) {
        FWait = TWaitStep::SourceSound;
        return;
    }
    AfterSourceSound(tried, false);
}

void TDrill::AfterSourceSound(bool tried, bool played)
{
    const TQuestion& q = *FLesson.Current;
    const bool ru = AskRussian();
    // A sentence whose sound was tried and did not play is shown in its place.
    if ((ru ? FCfg.ShowRText : FCfg.ShowEText) || (tried && !played)) {
        ShowContent(TPane::M2, ru ? q.RText : q.EText);
        FSourceToSay = ru ? q.RText : q.EText;
    } else {
        ShowContent(TPane::M2, PressKeyText);
        FSourceToSay.clear();
    }

    if (FPorts.Sound.PlaySound(TSoundKind::StartRec, true)) {
        FWait = TWaitStep::StartSignal;
        return;
    }
    AfterStartSignal();
}

void TDrill::AfterStartSignal()
{
    const TDrillTexts& t = DrillTexts();
    FThinkStart = FPorts.Clock.Now();
    FPorts.Sound.StartAnswerRecording();
    ShowHelp(FCfg.UseTextInput ? t.HelpThinkingTyped : t.HelpThinkingSpoken);
    if (FCfg.UseTextInput)
        FPorts.View.FocusInput();
    // Said once the start signal is over and the focus is in MInput, so that
    // neither talks over it.
    Say({Content(FSourceToSay)});
    FPhase = TPhase::Thinking;
    UpdateKeyCaptions();
    EnableTimer(TQuestionTimer::M1AndM2);
    if (FPresentFromTick) {
        // The tick that ended the lead-in also counts the first second.
        FPresentFromTick = false;
        ThinkingTick();
    }
}

// ---------------------------------------------------------------------------
// Timers

void TDrill::TimerM1AndM2Tick()
{
    // A tick inside a wait does not count, nor one of a stopped timer that was
    // already on its way.
    if (!ReadyForInput() || !TimerOn(TQuestionTimer::M1AndM2))
        return;
    if (FPhase == TPhase::LeadIn) {
        DisableTimer(TQuestionTimer::M1AndM2);
        PresentQuestion(true);
        return;
    }
    ThinkingTick();
}

void TDrill::ThinkingTick()
{
    if (FPhase != TPhase::Thinking)
        return;
    if (FCfg.UseTime) {
        // Only a repeat the pupil asked for lets the clock run while it plays.
        const TSoundKind kind = FPorts.Sound.SoundKind();
        if (!FPorts.Sound.IsSoundPlaying() || kind == TSoundKind::RussianRepeat ||
            kind == TSoundKind::EnglishRepeat) {
            FThinkLeft -= 1;
            FPorts.View.SetGaugePosition(FGaugeMax - FThinkLeft);
        }
    }
    if (FThinkLeft <= 0)
        RevealTranslation(true);
}

void TDrill::TimerM3PauseTick()
{
    if (!ReadyForInput() || !TimerOn(TQuestionTimer::M3Pause))
        return;
    if (FPhase == TPhase::Revealed) {
        FPhase = TPhase::Judging;
        DisableTimer(TQuestionTimer::M3Pause);
    }
}

// ---------------------------------------------------------------------------
// Reveal

void TDrill::RevealTranslation(bool timeUp)
{
    if (FPhase != TPhase::Thinking)
        return;
    FPhase = TPhase::Revealed;
    FAnswerMs = ElapsedMilliseconds(FThinkStart, FPorts.Clock.Now());
    DisableTimer(TQuestionTimer::M1AndM2);
    FPorts.View.SetGaugePosition(0);
    FPorts.Sound.StopSound();
    FPorts.Sound.StopAnswerRecording();
    if (timeUp && FPorts.Sound.PlaySound(TSoundKind::TimeIsUp, true)) {
        FWait = TWaitStep::TimeUpSignal;
        return;
    }
    AfterRevealSignal();
}

void TDrill::AfterRevealSignal()
{
    const TDrillTexts& t = DrillTexts();
    EnableTimer(TQuestionTimer::M3Pause);
    UpdateKeyCaptions();
    ShowHelp(FThinkLeft > 0 ? t.HelpCompare : t.HelpTimeUp);

    // The translation sound starts first and plays on while its text shows.
    // The lesson's audio flag is not consulted here: a missing file simply
    // does not play, and the text stands in for it.
    const TQuestion& q = *FLesson.Current;
    const bool ru = AskRussian();
    bool played = false;
    if (ru ? FCfg.UseEWav : FCfg.UseRWav)
        played = FPorts.Sound.PlaySound(ru ? TSoundKind::English : TSoundKind::Russian, false);
    // A translation heard from its recording is not talked over; the
    // transcription is for the eye.
    TShownText said;
    if (FThinkLeft <= 0)
        said.push_back(t.SayTimeUp);
    if ((ru ? FCfg.ShowEText : FCfg.ShowRText) || !played) {
        ShowContent(TPane::M3, ru ? q.EText : q.RText);
        if (FLesson.Words)
            ShowContent(TPane::MTranscription, q.Comment);
        said.push_back(Content((said.empty() ? "" : " ") + (ru ? q.EText : q.RText)));
    } else {
        ShowContent(TPane::M3, PressKeyText);
    }
    Say(said);
}

// ---------------------------------------------------------------------------
// Buttons and verdicts

void TDrill::RightButton()
{
    if (FPhase == TPhase::Thinking)
        RevealTranslation(false);
    else if (FPhase == TPhase::Judging)
        JudgeRight();
}

void TDrill::WrongButton()
{
    if (FPhase == TPhase::Thinking)
        RevealTranslation(false); // never waits: no time-up signal
    JudgeWrong(TVerdict::Wrong);
}

void TDrill::JudgeRight()
{
    if (FPhase != TPhase::Judging)
        return;
    if (FThinkLeft <= 0) {
        JudgeWrong(TVerdict::Late); // a right answer after the time ran out counts as wrong
        return;
    }
    Remember(TVerdict::Right);
    FBook.RecordRight();
    Say({DrillTexts().SayRight});
    NextQuestion();
}

void TDrill::JudgeWrong(TVerdict verdict)
{
    if (FPhase != TPhase::Revealed && FPhase != TPhase::Judging)
        return;
    DisableTimer(TQuestionTimer::M3Pause);
    Remember(verdict);
    FBook.RecordWrong();
    Say({DrillTexts().SayWrong});
    NextQuestion();
}

void TDrill::Remember(TVerdict verdict)
{
    if (FPorts.Verdicts == nullptr)
        return;
    const TQuestion& q = *FLesson.Current;
    const bool gathered = !FLesson.Origins.empty();
    const TQuestionOrigin* origin =
        gathered ? &FLesson.Origins[static_cast<std::size_t>(FLesson.CurrentIndex)] : nullptr;
    const TVerdictRecord record{q,
                                gathered ? origin->LessonPath : FLesson.FileName,
                                gathered ? origin->Number : q.Number,
                                AskRussian(),
                                verdict,
                                FAnswerMs,
                                std::int64_t{FGaugeMax} * 1000};
    FPorts.Verdicts->VerdictGiven(record);
}

bool TDrill::AskRussian() const
{
    if (FLesson.Origins.empty() || FLesson.CurrentIndex < 0)
        return FCfg.TranslRE;
    return FLesson.Origins[static_cast<std::size_t>(FLesson.CurrentIndex)].AskRussian;
}

bool TDrill::SourceSoundTried(bool ru) const
{
    if (!(ru ? FCfg.UseRWav : FCfg.UseEWav))
        return false;
    if (FCfg.UseSpeech)
        return true;
    if (!FLesson.Origins.empty())
        return FLesson.Origins[static_cast<std::size_t>(FLesson.CurrentIndex)].OwnRecordings;
    return ru ? FLesson.HasRuAudio : FLesson.HasEnAudio;
}

} // namespace korvan

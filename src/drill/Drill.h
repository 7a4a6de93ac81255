#pragma once

// The drill engine: opens a lesson, runs it question by question (lead-in,
// thinking with a measured budget, reveal, the pupil's own verdict) and ends
// the run with points, a grade and the log. Qt-free: every effect goes through
// the ports of DrillPorts.h, time through IClock, chance through IRandom.
//
// Waiting sounds. The source sound, the start signal and the time-up signal
// are heard to their end before the cycle goes on. The engine does not block:
// when ISoundService::PlaySound(kind, true) reports that such a sound started,
// the procedure it was in is suspended (its next step is remembered) and the
// sound service calls WaitedSoundEnded when the sound is over. While a wait is
// pending
//   - ticks of the question timers are dropped (they do not count),
//   - keys, button presses and actions passed to Defer are queued, and
//     replayed in order once the suspended procedure has completed,
// which is what a blocking play with a message queue behind it did. A replayed
// key that is not the engine's after all goes to IDrillView::DeliverUnhandledKey.
// Opening a lesson abandons a pending wait and drops the queued input.
//
// Exceptions (TIoError from the log or a save) pass to the caller of the event
// that caused them, as a blocking handler would pass them; queued input left
// behind is replayed at the next event.

#include <deque>
#include <functional>
#include <string>

#include "drill/DrillPorts.h"
#include "drill/Messages.h"
#include "drill/RunBook.h"
#include "lesson/Lesson.h"
#include "settings/BehaviorCfg.h"
#include "timing/TimeCalculator.h"
#include "util/DateTime.h"
#include "util/Log.h"

namespace korvan {

struct TDrillPorts
{
    IDrillView& View;
    ISoundService& Sound;
    IQuestionTimers& Timers;
    IRandom& Random;
    const IClock& Clock;
    IMessageBox& Messages;
    TLogWriter& Log;
    const IBehaviorSource& Behavior;
    // Where verdicts are remembered; none in a drill that remembers nothing.
    IVerdictSink* Verdicts = nullptr;
};

class TDrill
{
public:
    // The lesson and the time calculator belong to the window and outlive the
    // engine; the engine is the only one that changes the lesson's run fields.
    TDrill(TLesson& lesson, const TTimeCalculator& calculator, const TDrillPorts& ports);
    TDrill(const TDrill&) = delete;
    TDrill& operator=(const TDrill&) = delete;

    // Opens a lesson file into the drill (never starts a run). A file that is
    // not a lesson or holds no question is reported in a message box; a read
    // failure throws TIoError with the lesson left cleared.
    void OpenLesson(const std::string& path);
    // Opens a lesson gathered in memory (its Origins set, one per question)
    // under `name`, a UTF-8 text the log and the caption show in place of a
    // path. It is never added to the recent lessons.
    void OpenGathered(TLesson lesson, const std::string& name);

    // F4 and the button BLesson_Start: starts or restarts the run; nothing
    // without a loaded lesson.
    void StartLesson();
    // The button BQuestion_ShowTranslation_Or_PupilChoose_Right: reveals while
    // thinking, accepts a right verdict once the pause after the reveal is over.
    void ShowTranslationOrRightClick();
    // The button BQuestion_PupilChoose_Wrong: a wrong verdict (while thinking it
    // reveals first, so the mistake counts at once).
    void WrongClick();
    // F4, F5, Space, F8, Ctrl, Esc. Returns whether the key was handled (the
    // window then consumes it). Space and Ctrl are not handled while a typed
    // answer is being written; Esc only with UseEscapeForExit.
    bool FormKeyDown(TDrillKey key);

    // Ticks of Timer_M1AndM2 (1000 ms) and Timer_M3Pause (500 ms).
    void TimerM1AndM2Tick();
    void TimerM3PauseTick();
    // The waited sound ended; played is false when it failed during playback.
    void WaitedSoundEnded(bool played);
    // Runs one of the window's own input actions (a sound button, a key typed
    // into MInput) now, or after the waited sound like the engine's own input.
    void Defer(std::function<void()> action);

    // Log entries of the window's life.
    void LogProgramStarted();
    void LogPupil(const std::string& pupilName);
    void LogProgramFinished();

    TPhase Phase() const { return FPhase; }
    int ThinkLeft() const { return FThinkLeft; }
    int ModeIndex() const { return FModeIndex; }
    // The run's copy of the behaviour settings, taken at F4 (defaults before).
    const TBehaviorCfg& Cfg() const { return FCfg; }
    const TLesson& Lesson() const { return FLesson; }
    bool Waiting() const { return FWait != TWaitStep::None; }
    std::size_t QueuedInputs() const { return FQueue.size(); }

private:
    enum class TWaitStep : std::uint8_t
    {
        None,
        SourceSound,
        StartSignal,
        TimeUpSignal
    };

    // Input handling: queue while waiting, otherwise replay leftovers first.
    bool ReadyForInput();
    void DrainQueue();
    bool HandleKey(TDrillKey key);

    // Opening: the window made ready for a lesson, then the lesson shown.
    void PrepareForLesson();
    void ShowOpenedLesson(const std::string& name);

    // The run.
    void StartLessonNow();
    void NextQuestion();
    void FinishLesson();

    // The question cycle.
    void BeginQuestion();
    void PresentQuestion(bool fromTick);
    void AfterSourceSound(bool tried, bool played);
    void AfterStartSignal();
    void ThinkingTick();
    void RevealTranslation(bool timeUp);
    void AfterRevealSignal();
    void RightButton();
    void WrongButton();
    void JudgeRight();
    void JudgeWrong(TVerdict verdict);
    // The direction the current question is asked in.
    bool AskRussian() const;
    // Hands the verdict on the current question to the memory.
    void Remember(TVerdict verdict);
    // Whether the source sound of the current question is tried.
    bool SourceSoundTried(bool ru) const;

    void ResetPanes();
    void UpdateKeyCaptions();
    void ShowHelp(const TPhrase& text);
    // Announces a text unless it is empty (a question without a comment).
    void Say(const TShownText& text);
    // Lesson content into a pane as it is.
    void ShowContent(TPane pane, const std::string& text);
    void EnableTimer(TQuestionTimer timer);
    void DisableTimer(TQuestionTimer timer);
    bool TimerOn(TQuestionTimer timer) const;

    TLesson& FLesson;
    const TTimeCalculator& FCalculator;
    TDrillPorts FPorts;
    TRunBook FBook;

    TPhase FPhase = TPhase::Idle;
    int FThinkLeft = 0; // seconds
    int FGaugeMax = 0;  // the current question's think budget, >= 0
    int FModeIndex = 0;
    TBehaviorCfg FCfg;
    bool FTimerOn[2] = {false, false};

    TWaitStep FWait = TWaitStep::None;
    bool FPresentFromTick = false; // the lead-in tick still owes its countdown
    std::string FSourceToSay;      // the source text as shown, announced after the signal
    TDateTime FThinkStart = 0;     // when the current question's thinking began
    std::int64_t FAnswerMs = 0;    // thinking start to the reveal
    std::deque<std::function<void()>> FQueue;
};

// The think budget of a question: norm × (Speed + 5) div 10, tripled after the
// division for typed answers; a negative result (a negative norm from a
// hand-edited time table) acts as 0, a huge one is capped at the int range.
int ThinkBudget(int timeNorm, int speed, bool textInput);

} // namespace korvan

#pragma once

// What the drill engine asks of the world. The main window, the sound wrapper
// and the tests implement these small interfaces; the engine itself never
// touches a widget, a media player, a timer, the clock or a global generator.
// Lesson content passed through them is Windows-1251; the interface's own
// texts come as phrases, translated where they are shown.

#include <cstdint>
#include <string>

#include "i18n/Phrase.h"
#include "lesson/Lesson.h"
#include "settings/BehaviorCfg.h"

namespace korvan {

// The question cycle's phase. The values are those the log and the window
// compare against, so they are fixed.
enum class TPhase : std::uint8_t
{
    Idle = 0,
    LeadIn = 1,
    Thinking = 2,
    Revealed = 3,
    Judging = 4,
};

// The seven text panes of the main window.
enum class TPane
{
    M1,
    M2,
    M3,
    MInfo,
    MTranscription,
    MInput,
    MHelpMsg
};

// The keys the engine handles; the window maps its key events onto these
// (either Ctrl key, alone or as part of a chord, is `Ctrl`).
enum class TDrillKey
{
    F4,
    F5,
    Space,
    F8,
    Ctrl,
    Esc
};

enum class TCounterLabel
{
    ShowMoreTotal,     // LShowMoreTotal, "Предложений: ..."
    SelQShowMoreTimes, // LSelQ_ShowMoreTimes, "Повторов текущего: ..."
};

enum class TKeyCaption
{
    ShowTranslation,  // LQuestion_ShowTranslation_Keys
    PupilChooseRight, // LQuestion_PupilChoose_Right_Keys
    PupilChooseWrong, // LQuestion_PupilChoose_Wrong_Keys
};

enum class TQuestionTimer
{
    M1AndM2, // Timer_M1AndM2, 1000 ms: ends the lead-in, then ticks the countdown
    M3Pause, // Timer_M3Pause, 500 ms: the pause before a right verdict is accepted
};

// Kinds of the main player's sounds.
enum class TSoundKind : std::uint8_t
{
    StartRec = 0,      // StartRec.WAV in the program folder
    TimeIsUp = 1,      // TimeIsUp.WAV in the program folder
    Russian = 2,       // the current question's Russian audio
    RussianRepeat = 3, // the same, asked for again by the pupil
    English = 4,       // the current question's English audio
    EnglishRepeat = 5, // the same, asked for again
};

// Appearance settings the engine reads each time it needs them, so a change
// made in the appearance dialog takes effect at once.
struct TAppearanceFlags
{
    bool ShowHelpMsg = true;       // fill MHelpMsg
    bool UseEscapeForExit = false; // Esc closes the main window
};

class IDrillView
{
public:
    virtual ~IDrillView() = default;

    // Replaces the whole text of the pane and scrolls it to the top.
    virtual void ShowInPane(TPane pane, const TShownText& text) = 0;
    // The think gauge PB; the window keeps the position within 0..maximum.
    virtual void SetGaugeMax(int maximum) = 0;
    virtual void SetGaugePosition(int position) = 0;
    virtual void SetCounterLabel(TCounterLabel label, const TPhrase& text) = 0;
    virtual void SetKeyCaption(TKeyCaption caption, const std::string& text) = 0;

    // Has a screen reader say what just appeared (a sentence, the reveal, a
    // verdict, the results) without moving the focus. Texts said within one
    // event are said together.
    virtual void Announce(const TShownText& text) = 0;

    // Visibility and bounds of the panes from the lesson's RunState, its kind
    // and the run's configuration (TDrill::Cfg).
    virtual void LayoutPanes() = 0;
    // Fonts and colours onto the panes, then LayoutPanes.
    virtual void ApplyAppearance() = 0;
    // Asks for the progress box to be painted again (from ProgressPicture).
    virtual void RepaintProgress() = 0;
    // Moves the input focus to MInput.
    virtual void FocusInput() = 0;
    // Closes the main window, which ends the program.
    virtual void CloseWindow() = 0;

    // Hooks of the window's other duties.
    virtual void UpdateCaption() = 0;
    virtual void AddRecentLesson(const std::string& path) = 0;
    // The end-of-run offer to save the sentences with mistakes; does nothing
    // when cfg.SaveDiff is off. May throw TIoError when the save fails.
    virtual void OfferMistakesSave(const TBehaviorCfg& cfg) = 0;
    // A key that arrived during a waited sound was consumed then and turned out
    // not to be the engine's when it was replayed (Space or Ctrl while a typed
    // answer is being written, Esc without UseEscapeForExit): the window hands
    // it to the focused control now.
    virtual void DeliverUnhandledKey(TDrillKey key) = 0;

    virtual TAppearanceFlags Appearance() const = 0;
};

// The main player and the recording player.
//
// Waiting sounds: PlaySound(kind, true) returns false at once when the sound
// cannot be played (no file, a failure: the service has shown any message);
// it returns true when the sound has started. In that case, and only then, the
// service later calls TDrill::WaitedSoundEnded exactly once, with played=false
// when the sound failed during playback. The call must come from the event
// loop, never from inside PlaySound itself. StopSound abandons a waited sound:
// no WaitedSoundEnded follows for it.
class ISoundService
{
public:
    virtual ~ISoundService() = default;
    virtual bool PlaySound(TSoundKind kind, bool wait) = 0;
    virtual void StopSound() = 0;
    virtual bool IsSoundPlaying() const = 0;
    // The kind of the sound last started on the main player.
    virtual TSoundKind SoundKind() const = 0;
    virtual void StartAnswerRecording() = 0;
    virtual void StopAnswerRecording() = 0;
    virtual void StopAnswerPlayback() = 0;
    // Shows the repeat-sound buttons during a run of a lesson with audio and
    // gives the progress box the room left.
    virtual void PlaceSoundButtons() = 0;
    // Whether the run speaks a sentence sound (kinds 2 to 5) that has no file
    // with the speech synthesizer; set at the start of each run.
    virtual void SetSpeech(bool on) = 0;
};

// The two question timers. Enable is only called on a disabled timer, so it
// always starts a full interval. Their ticks come back through
// TDrill::TimerM1AndM2Tick and TDrill::TimerM3PauseTick.
class IQuestionTimers
{
public:
    virtual ~IQuestionTimers() = default;
    virtual void Enable(TQuestionTimer timer) = 0;
    virtual void Disable(TQuestionTimer timer) = 0;
};

// The random source of the question choice.
class IRandom
{
public:
    virtual ~IRandom() = default;
    // A uniform integer in 0..n-1, for n >= 1.
    virtual std::uint32_t Uniform(std::uint32_t n) = 0;
};

// A verdict the pupil gave, as the memory of what they know takes it.
enum class TVerdict : std::uint8_t
{
    Right, // judged right within the thinking time
    Wrong, // judged wrong
    Late,  // judged right after the time ran out while the time counted
};

struct TVerdictRecord
{
    const TQuestion& Question;
    // The lesson and number the question comes from (for a review, the
    // lesson it was learnt in).
    const std::string& LessonPath;
    std::int32_t Number = 0;
    bool AskedRussian = true; // the Russian sentence was asked
    TVerdict Verdict = TVerdict::Right;
    std::int64_t AnswerMs = 0; // from the start of thinking to the reveal
    std::int64_t NormMs = 0;   // the thinking time the pupil had
};

class IVerdictSink
{
public:
    virtual ~IVerdictSink() = default;
    // Called the moment a verdict is given, the first showing and every repeat.
    virtual void VerdictGiven(const TVerdictRecord& verdict) = 0;
    // The run has ended (its results are shown).
    virtual void RunEnded() = 0;
};

// The behaviour settings as the behaviour dialog holds them; read at F4 only.
class IBehaviorSource
{
public:
    virtual ~IBehaviorSource() = default;
    virtual int CurrentMode() const = 0;
    virtual TBehaviorCfg CurrentCfg() const = 0;
    // The 1251 name of the mode at a 0-based index; empty outside the list.
    virtual std::string ModeName(int index) const = 0;
};

} // namespace korvan

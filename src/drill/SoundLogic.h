#pragma once

// The sound service's decisions: which file a sound kind plays (or, when the
// run asks for speech and the file is missing, which text is spoken), what a
// failure says, when a waited sound counts as ended, what the sound buttons do and
// show, and the bookkeeping of the pupil's recorded answer. The players, the
// widgets and the event loop are behind the small interfaces below, so all of
// it runs in tests with fakes; the Qt side (ui/platform/SoundService.h) only wires it.

#include <cstdint>
#include <functional>
#include <string>

#include "drill/DrillPorts.h"
#include "drill/Messages.h"
#include "drill/SoundButtons.h"
#include "lesson/Lesson.h"
#include "speech/SpeechEngine.h"
#include "util/DateTime.h"
#include "util/WavFile.h"

namespace korvan {

// How a start on the main player went.
enum class TPlayFailure : std::uint8_t
{
    None,
    // The file could not be read or decoded (a truncated or foreign file, an
    // unsupported format): the sound was never handed to the device.
    OpenFailed,
    // The device refused to play it.
    PlayFailed,
    // There is no sound output device at all.
    NoDevice,
};

struct TPlayStart
{
    TPlayFailure Failure = TPlayFailure::None;
    std::string Error;           // 1251, the failure's own text (marked in context "SoundReason")
    std::int64_t DurationMs = 0; // of the sound when known; -1 when not yet known
};

// The main player MP. It plays one sound at a time.
class IMainPlayer
{
public:
    virtual ~IMainPlayer() = default;
    // Cuts off whatever plays and starts `path` from its beginning. When the
    // sound later ends or fails, the player calls TSoundLogic::PlayerEnded with
    // this `id`, from the event loop; after Close no report for it follows.
    virtual TPlayStart Play(const std::string& path, std::uint64_t id) = 0;
    // The same for samples already in memory (a sentence the synthesizer
    // rendered): whole frames of `pcm` in `format`.
    virtual TPlayStart PlayPcm(const TWavFormat& format, std::string pcm, std::uint64_t id) = 0;
    virtual void Close() = 0;
    virtual bool IsPlaying() const = 0;
};

// The recording player MPRec. Every failure is its own to swallow.
class IAnswerRecorder
{
public:
    virtual ~IAnswerRecorder() = default;
    // Discards the previous recording and records from the default input in
    // the format of the header of `bufferPath`, for one minute at most.
    virtual void StartRecording(const std::string& bufferPath) = 0;
    virtual void StopRecording() = 0;
    virtual bool IsRecording() const = 0;
    // Plays exactly `ms` milliseconds of the recording (silence where it ran short).
    virtual void PlayRecording(std::int64_t ms) = 0;
    virtual void StopPlayback() = 0;
    virtual bool IsPlaying() const = 0;
};

// The widgets of the sound buttons.
class ISoundButtonsView
{
public:
    virtual ~ISoundButtonsView() = default;
    virtual void ApplyButtons(const TSoundButtonState& state) = 0;
    virtual TSoundButtonGeometry ButtonGeometry() const = 0;
    virtual void PlaceButtons(const TSoundButtonPlacement& placement) = 0;
};

struct TSoundLogicPorts
{
    IMainPlayer& Player;
    IAnswerRecorder& Recorder;
    ISoundButtonsView& Buttons;
    IMessageBox& Messages;
    const IClock& Clock;
    // Runs `action` from the event loop after `ms` milliseconds (0: as soon as
    // the current event is handled), never from inside the call itself.
    std::function<void(std::int64_t ms, std::function<void()> action)> Schedule;
    // Speaks sentences that have no recording, when the run asks for it; none
    // leaves them silent.
    ISpeechEngine* Speech = nullptr;
};

class TSoundLogic : public ISoundService
{
public:
    // The lesson belongs to the window and outlives the service.
    TSoundLogic(const TLesson& lesson, std::string programFolder, const TSoundLogicPorts& ports);
    TSoundLogic(const TSoundLogic&) = delete;
    TSoundLogic& operator=(const TSoundLogic&) = delete;

    // The drill's side: its phase, and where a waited sound's end goes
    // (TDrill::WaitedSoundEnded).
    void SetPhaseSource(std::function<TPhase()> phase) { FPhase = std::move(phase); }
    void SetWaitedSoundEnded(std::function<void(bool played)> ended)
    {
        FWaitedEnded = std::move(ended);
    }

    // ISoundService.
    bool PlaySound(TSoundKind kind, bool wait) override;
    void StopSound() override;
    bool IsSoundPlaying() const override;
    TSoundKind SoundKind() const override { return FKind; }
    void StartAnswerRecording() override;
    void StopAnswerRecording() override;
    void StopAnswerPlayback() override;
    void PlaceSoundButtons() override;
    void SetSpeech(bool on) override;

    void SetRepeatButtonState(bool playing);
    void SetAnswerButtonState(bool playing);
    void PlayAnswer();

    // Clicks (after the drill's wait, like its own input).
    void BRepeatRuSoundClick() { RepeatClick(TSoundKind::RussianRepeat); }
    void BRepeatEnSoundClick() { RepeatClick(TSoundKind::EnglishRepeat); }
    void BRecStartStopPlayClick();
    // End-of-play notifications of the two players, and the 200 ms timer.
    void MPNotify();
    void MPRecNotify();
    void TTimer_Every200ms_Timer();

    // The main player's report that sound `id` ended: to its end (failure
    // None), or failed during playback (`error` then tells why, in 1251).
    void PlayerEnded(std::uint64_t id, TPlayFailure failure, const std::string& error);

    const TSoundButtonState& Buttons() const { return FButtons; }
    TDateTime RecStart() const { return FRecStart; }
    TDateTime RecStop() const { return FRecStop; }
    // The path PlaySound would play for a kind now; empty when there is none.
    std::string SoundPath(TSoundKind kind) const;

private:
    // The current sentence of a sentence kind, spoken; Ok false (with the
    // reason) when the engine failed, no samples when there is nothing to say.
    const TSpeech& Spoken(TSoundKind kind);
    void RepeatClick(TSoundKind kind);
    void ShowFailure(TPlayFailure failure, const std::string& error);
    void EndWait(std::uint64_t id, bool played);
    void ApplyButtons();

    const TLesson& FLesson;
    std::string FProgramFolder;
    TSoundLogicPorts FPorts;
    std::function<TPhase()> FPhase;
    std::function<void(bool)> FWaitedEnded;

    TSoundKind FKind = TSoundKind::StartRec;
    std::uint64_t FLastId = 0;   // of the last sound started
    std::uint64_t FWaitId = 0;   // of the waited sound still playing; 0 none
    std::uint64_t FPostedId = 0; // of the waited sound whose end is on its way; 0 none
    std::string FPath;           // of the last sound started; empty when spoken
    TSoundKind FPathKind = TSoundKind::StartRec; // of the last sound started
    bool FFailureShown = false;                  // for the last sound started
    bool FNoDeviceShown = false;                 // while the program runs
    TSoundButtonState FButtons;
    TDateTime FRecStart = 0;
    TDateTime FRecStop = 0;
    bool FSpeech = false; // the run speaks sentences without a recording
    // The last sentence spoken in each language, kept for its repeat.
    struct TSpokenText
    {
        std::string Text;
        TSpeech Speech;
    };
    TSpokenText FSpoken[2];
};

} // namespace korvan

#include "drill/SoundLogic.h"

#include "drill/AnswerAudio.h"
#include "i18n/Marked.h"
#include "lesson/LessonSounds.h"
#include "util/Text.h"

#include <utility>

namespace korvan {

namespace {

constexpr TDateTime OneMinute = 1.0 / (24 * 60); // in days
// A sound whose length the player cannot tell yet is given this long, in ms.
constexpr std::int64_t UnknownDurationMs = 10 * 60 * 1000;

bool EndsWithIgnoringCase(const std::string& text, const std::string& tail)
{
    if (text.size() < tail.size())
        return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = text[text.size() - tail.size() + i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != tail[i])
            return false;
    }
    return true;
}

} // namespace

TSoundLogic::TSoundLogic(const TLesson& lesson, std::string programFolder,
                         const TSoundLogicPorts& ports)
    : FLesson(lesson), FProgramFolder(std::move(programFolder)), FPorts(ports)
{
}

std::string TSoundLogic::SoundPath(TSoundKind kind) const
{
    if (!IsSentenceKind(kind)) {
        const char* name = kind == TSoundKind::StartRec ? "StartRec.WAV" : "TimeIsUp.WAV";
        // The signals are ours: no MP3 stands in for them.
        const auto found = FindLessonSound(FProgramFolder, name);
        return found && EndsWithIgnoringCase(*found, ".WAV") ? *found : std::string();
    }
    if (FLesson.Current == nullptr)
        return {};
    const bool russian = kind == TSoundKind::Russian || kind == TSoundKind::RussianRepeat;
    const TLanguage language = russian ? TLanguage::Russian : TLanguage::English;
    if (!FLesson.Origins.empty()) {
        // A gathered question sounds from the lesson it was learnt in, while
        // that lesson still holds it; else it is spoken or shown.
        const TQuestionOrigin& origin =
            FLesson.Origins[static_cast<std::size_t>(FLesson.CurrentIndex)];
        if (!origin.OwnRecordings)
            return {};
        return FindLessonSound(FolderOf(origin.LessonPath),
                               LessonSoundName(origin.Number, language))
            .value_or(std::string());
    }
    const std::string name = LessonSoundName(FLesson.Current->Number, language);
    return FindLessonSound(FolderOf(FLesson.FileName), name).value_or(std::string());
}

bool TSoundLogic::PlaySound(TSoundKind kind, bool wait)
{
    FKind = kind;
    StopAnswerRecording(); // any sound ends a recording in progress
    // Whatever waited before is cut off below and will not be reported.
    FWaitId = 0;
    FPostedId = 0;

    const std::string path = SoundPath(kind);
    const TSpeech* speech = nullptr;
    if (path.empty()) {
        // A missing file is not reported: the text, or its voice, stands in.
        if (!FSpeech || !IsSentenceKind(kind) || FLesson.Current == nullptr)
            return false;
        speech = &Spoken(kind);
        if (speech->Ok && speech->Pcm.empty())
            return false; // nothing to say: the (empty) text is shown
    }

    const std::uint64_t id = ++FLastId;
    FPath = path;
    FPathKind = kind;
    FFailureShown = false;
    // Waited for before it starts: a player may report the end from inside Play.
    if (wait)
        FWaitId = id;
    TPlayStart start;
    if (speech == nullptr)
        start = FPorts.Player.Play(path, id);
    else if (!speech->Ok)
        start = {TPlayFailure::OpenFailed, speech->Error, 0};
    else
        start = FPorts.Player.PlayPcm(PcmFormat(speech->SampleRate, 1, 16), speech->Pcm, id);
    if (start.Failure != TPlayFailure::None) {
        // Signals fail silently; nothing started, so nothing is waited for.
        FWaitId = 0;
        ShowFailure(start.Failure, start.Error);
        return false;
    }
    if (wait) {
        const std::int64_t duration = start.DurationMs >= 0 ? start.DurationMs : UnknownDurationMs;
        FPorts.Schedule(WaitBoundMs(duration), [this, id] {
            if (FWaitId != id)
                return;
            // The end never came: take the sound as heard and go on.
            FPorts.Player.Close();
            EndWait(id, true);
        });
    } else if (IsRepeatKind(kind)) {
        SetRepeatButtonState(true);
    }
    return true;
}

const TSpeech& TSoundLogic::Spoken(TSoundKind kind)
{
    const bool russian = kind == TSoundKind::Russian || kind == TSoundKind::RussianRepeat;
    const std::string& text = russian ? FLesson.Current->RText : FLesson.Current->EText;
    TSpokenText& spoken = FSpoken[russian ? 0 : 1];
    // A repeat, or a sentence rendered ahead, plays what was rendered; a
    // failure is tried afresh.
    if (spoken.Text != text || !spoken.Speech.Ok) {
        spoken.Text = text;
        spoken.Speech =
            FPorts.Speech->Render(text, russian ? TLanguage::Russian : TLanguage::English);
    }
    return spoken.Speech;
}

void TSoundLogic::SetSpeech(bool on)
{
    FSpeech = on && FPorts.Speech != nullptr;
    if (FSpeech)
        FPorts.Speech->Warm();
}

void TSoundLogic::ShowFailure(TPlayFailure failure, const std::string& error)
{
    if (!IsSentenceKind(FPathKind) || FFailureShown)
        return;
    FFailureShown = true;
    // A machine without a sound device would otherwise put up a box at every
    // sentence, which takes the pupil's next key (Esc among them): it is told
    // once, and after that the texts stand in for the sounds silently.
    if (failure == TPlayFailure::NoDevice && std::exchange(FNoDeviceShown, true))
        return;
    const char* text = nullptr;
    if (failure == TPlayFailure::PlayFailed || failure == TPlayFailure::NoDevice)
        text = KORVAN_MARK("Sound", "Ошибка: \"%1\"");
    else if (FPath.empty())
        text = KORVAN_MARK("Sound", "Ошибка синтезатора речи: \"%1\"");
    else if (EndsWithIgnoringCase(FPath, ".MP3"))
        text = KORVAN_MARK("Sound", "Ошибка при проигрывании MP3 файла: \"%1\"");
    else
        text = KORVAN_MARK("Sound", "Ошибка при проигрывании WAV файла: \"%1\"");
    FPorts.Messages.ShowMsgBox({Marked("Sound", text, {ReasonArg("SoundReason", error)})},
                               TMsgButtons::Ok);
}

void TSoundLogic::PlayerEnded(std::uint64_t id, TPlayFailure failure, const std::string& error)
{
    if (id != FLastId)
        return; // a sound already cut off
    if (failure != TPlayFailure::None)
        ShowFailure(failure, error);
    EndWait(id, failure == TPlayFailure::None);
    MPNotify();
}

void TSoundLogic::EndWait(std::uint64_t id, bool played)
{
    if (FWaitId != id)
        return;
    FWaitId = 0;
    FPostedId = id;
    // Posted even when the player reported from inside Play: the drill hears
    // of the end only from the event loop.
    FPorts.Schedule(0, [this, id, played] {
        if (FPostedId != id)
            return; // StopSound or another sound came first
        FPostedId = 0;
        if (FWaitedEnded)
            FWaitedEnded(played);
    });
}

void TSoundLogic::StopSound()
{
    FPorts.Player.Close();
    FWaitId = 0;
    FPostedId = 0;
    if (IsRepeatKind(FKind))
        SetRepeatButtonState(false);
}

bool TSoundLogic::IsSoundPlaying() const
{
    return FPorts.Player.IsPlaying();
}

void TSoundLogic::SetRepeatButtonState(bool playing)
{
    FButtons.SetRepeat(playing, FKind);
    ApplyButtons();
}

void TSoundLogic::SetAnswerButtonState(bool playing)
{
    FButtons.SetAnswer(playing);
    ApplyButtons();
}

void TSoundLogic::ApplyButtons()
{
    FPorts.Buttons.ApplyButtons(FButtons);
}

void TSoundLogic::RepeatClick(TSoundKind kind)
{
    const TPhase phase = FPhase ? FPhase() : TPhase::Idle;
    if (phase != TPhase::Thinking && phase != TPhase::Revealed && phase != TPhase::Judging) {
        SetRepeatButtonState(false); // the click's own toggle is undone
        return;
    }
    if (FPorts.Player.IsPlaying() && FKind == kind) {
        StopSound(); // a second click stops the replay
    } else {
        StopSound(); // whatever plays is cut off
        PlaySound(kind, false);
    }
    ApplyButtons(); // a replay that did not start leaves its button up
}

void TSoundLogic::BRecStartStopPlayClick()
{
    const TPhase phase = FPhase ? FPhase() : TPhase::Idle;
    if (phase != TPhase::Revealed && phase != TPhase::Judging) {
        SetAnswerButtonState(false);
        return;
    }
    if (FPorts.Recorder.IsPlaying())
        StopAnswerPlayback();
    else
        PlayAnswer();
    ApplyButtons();
}

void TSoundLogic::MPNotify()
{
    if (!FPorts.Player.IsPlaying() && (FButtons.RepeatRuDown || FButtons.RepeatEnDown))
        SetRepeatButtonState(false);
}

void TSoundLogic::MPRecNotify()
{
    if (!FPorts.Recorder.IsPlaying() && FButtons.AnswerDown)
        SetAnswerButtonState(false);
}

void TSoundLogic::TTimer_Every200ms_Timer()
{
    MPNotify();
    MPRecNotify();
}

void TSoundLogic::StartAnswerRecording()
{
    FRecStart = FPorts.Clock.Now();
    FRecStop = FRecStart + OneMinute;
    FPorts.Recorder.StartRecording(FProgramFolder + "Buffer.WAV");
}

void TSoundLogic::StopAnswerRecording()
{
    if (!FPorts.Recorder.IsRecording())
        return;
    FRecStop = FPorts.Clock.Now();
    FPorts.Recorder.StopRecording();
}

void TSoundLogic::PlayAnswer()
{
    FPorts.Recorder.PlayRecording(RecordedLengthMs(FRecStart, FRecStop));
    SetAnswerButtonState(true);
}

void TSoundLogic::StopAnswerPlayback()
{
    if (!FPorts.Recorder.IsPlaying())
        return;
    FPorts.Recorder.StopPlayback();
    SetAnswerButtonState(false);
}

void TSoundLogic::PlaceSoundButtons()
{
    const bool running = FLesson.RunState == 1;
    // Spoken sentences can be heard again as recorded ones can.
    FPorts.Buttons.PlaceButtons(korvan::PlaceSoundButtons(
        FPorts.Buttons.ButtonGeometry(), running && (FLesson.HasRuAudio || FSpeech),
        running && (FLesson.HasEnAudio || FSpeech)));
}

} // namespace korvan

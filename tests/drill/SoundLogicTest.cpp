// The sound service's decisions against fake players: which file plays, what
// failures say, when the drill hears that a waited sound ended, what the sound
// buttons do, and how long the recorded answer plays.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "../TestFiles.h"
#include "drill/AnswerAudio.h"
#include "drill/SoundLogic.h"
#include "util/Text.h"

namespace korvan {
namespace {

constexpr double MsPerDay = 86'400'000.0;

class TFakePlayer : public IMainPlayer
{
public:
    TPlayStart Play(const std::string& path, std::uint64_t id) override
    {
        Played.push_back(path);
        TPlayStart start = Next;
        Next = TPlayStart{TPlayFailure::None, "", 1000};
        if (start.Failure == TPlayFailure::None) {
            Id = id;
            Playing = true;
            if (EndInsidePlay)
                Logic->PlayerEnded(id, TPlayFailure::None, "");
        }
        return start;
    }
    TPlayStart PlayPcm(const TWavFormat& format, std::string pcm, std::uint64_t id) override
    {
        Pcm.push_back({format.SampleRate, pcm.size()});
        return Play("(speech)", id);
    }
    void Close() override
    {
        ++Closes;
        Playing = false;
    }
    bool IsPlaying() const override { return Playing; }

    void End(TPlayFailure failure = TPlayFailure::None, const std::string& error = "")
    {
        Playing = false;
        Logic->PlayerEnded(Id, failure, error);
    }

    TSoundLogic* Logic = nullptr;
    std::vector<std::string> Played;
    std::vector<std::pair<std::uint32_t, std::size_t>> Pcm; // rate, bytes of each sample play
    TPlayStart Next{TPlayFailure::None, "", 1000};
    bool EndInsidePlay = false;
    bool Playing = false;
    std::uint64_t Id = 0;
    int Closes = 0;
};

class TFakeRecorder : public IAnswerRecorder
{
public:
    void StartRecording(const std::string& bufferPath) override
    {
        Buffer = bufferPath;
        Recording = true;
    }
    void StopRecording() override
    {
        Recording = false;
        ++Stops;
    }
    bool IsRecording() const override { return Recording; }
    void PlayRecording(std::int64_t ms) override
    {
        PlayedMs.push_back(ms);
        Playing = Works;
    }
    void StopPlayback() override { Playing = false; }
    bool IsPlaying() const override { return Playing; }

    std::string Buffer;
    bool Recording = false;
    bool Playing = false;
    bool Works = true;
    int Stops = 0;
    std::vector<std::int64_t> PlayedMs;
};

class TFakeButtons : public ISoundButtonsView
{
public:
    void ApplyButtons(const TSoundButtonState& state) override { Shown = state; }
    TSoundButtonGeometry ButtonGeometry() const override { return {448, 25, 25, 312}; }
    void PlaceButtons(const TSoundButtonPlacement& placement) override { Placed = placement; }

    TSoundButtonState Shown;
    std::optional<TSoundButtonPlacement> Placed;
};

class TFakeMessages : public IMessageBox
{
public:
    TMsgResult ShowMsgBox(const TShownText& text, TMsgButtons) override
    {
        Shown.push_back(Cp1251ToUtf8(RussianCp1251(text)));
        return TMsgResult::Ok;
    }
    std::vector<std::string> Shown;
};

class TFakeClock : public IClock
{
public:
    TDateTime Now() const override { return T; }
    void AdvanceMs(double ms) { T += ms / MsPerDay; }
    TDateTime T = 45'600.5;
};

// Renders a sentence as one sample per byte of its text, or fails when told.
class TFakeSpeech : public ISpeechEngine
{
public:
    TSpeech Render(const std::string& text, TLanguage language) override
    {
        Rendered.push_back((language == TLanguage::Russian ? "ru " : "en ") + Cp1251ToUtf8(text));
        TSpeech speech;
        speech.Ok = Works;
        speech.Error = Works ? "" : "no voice";
        speech.SampleRate = 22050;
        speech.Pcm = Works ? std::string(text.size() * 2, '\0') : std::string();
        return speech;
    }
    void Warm() override { ++Warmed; }
    std::vector<std::string> Rendered;
    bool Works = true;
    int Warmed = 0;
};

// Scheduled actions run only when the test lets the event loop run.
class TFakeLoop
{
public:
    void Schedule(std::int64_t ms, std::function<void()> action)
    {
        Pending.push_back({Now + ms, std::move(action)});
    }
    // Runs what is due up to `ms` from now, in order of time.
    void Run(std::int64_t ms = 0)
    {
        const std::int64_t until = Now + ms;
        for (;;) {
            auto next = Pending.end();
            for (auto it = Pending.begin(); it != Pending.end(); ++it)
                if (it->first <= until && (next == Pending.end() || it->first < next->first))
                    next = it;
            if (next == Pending.end())
                break;
            Now = std::max(Now, next->first);
            auto action = std::move(next->second);
            Pending.erase(next);
            action();
        }
        Now = until;
    }
    std::int64_t Now = 0;
    std::vector<std::pair<std::int64_t, std::function<void()>>> Pending;
};

class SoundLogicTest : public testing::Test
{
protected:
    SoundLogicTest()
    {
        std::filesystem::create_directories(Dir.File("program"));
        std::filesystem::create_directories(Dir.File("lessons/L"));
        Lesson.FileName = Dir.File("lessons/L/a.sl2");
        Lesson.Questions.resize(1);
        Lesson.Questions[0].Number = 5;
        Lesson.Current = &Lesson.Questions[0];
        Player.Logic = &Logic;
        Logic.SetPhaseSource([this] { return Phase; });
        Logic.SetWaitedSoundEnded([this](bool played) { Ended.push_back(played); });
    }

    std::string Program(const std::string& name) { return Dir.Write("program/" + name, "x"); }
    std::string Beside(const std::string& name) { return Dir.Write("lessons/L/" + name, "x"); }

    test::TTempDir Dir;
    TLesson Lesson;
    TFakePlayer Player;
    TFakeRecorder Recorder;
    TFakeButtons Buttons;
    TFakeMessages Messages;
    TFakeClock Clock;
    TFakeLoop Loop;
    TFakeSpeech Speech;
    TSoundLogic Logic{Lesson, Dir.Path() + "/program/",
                      TSoundLogicPorts{Player, Recorder, Buttons, Messages, Clock,
                                       [this](std::int64_t ms, std::function<void()> action) {
                                           Loop.Schedule(ms, std::move(action));
                                       },
                                       &Speech}};
    TPhase Phase = TPhase::Thinking;
    std::vector<bool> Ended;
};

// ---------------------------------------------------------------------------
// Which file plays

TEST_F(SoundLogicTest, SentenceSoundsLieBesideTheLessonByPaddedNumber)
{
    const std::string ru = Beside("005R.WAV");
    const std::string en = Beside("005E.WAV");
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::Russian, false));
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::EnglishRepeat, false));
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::RussianRepeat, false));
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::English, false));
    EXPECT_EQ(Player.Played, (std::vector<std::string>{ru, en, ru, en}));
    EXPECT_EQ(Logic.SoundKind(), TSoundKind::English);
}

TEST_F(SoundLogicTest, SignalsLieInTheProgramFolder)
{
    const std::string start = Program("StartRec.WAV");
    const std::string up = Program("TimeIsUp.WAV");
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::StartRec, true));
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::TimeIsUp, true));
    EXPECT_EQ(Player.Played, (std::vector<std::string>{start, up}));
}

TEST_F(SoundLogicTest, LetterCaseOfOtherSystemsAndMp3StandIns)
{
    Lesson.Questions[0].Number = 7;
    const std::string lower = Beside("007r.wav");
    const std::string mp3 = Beside("007E.mp3");
    EXPECT_EQ(Logic.SoundPath(TSoundKind::Russian), lower);
    EXPECT_EQ(Logic.SoundPath(TSoundKind::English), mp3);
    // The exact name wins over one in another case.
    const std::string exact = Beside("007R.WAV");
    EXPECT_EQ(Logic.SoundPath(TSoundKind::Russian), exact);
    // Signals have no MP3 stand-ins.
    Program("StartRec.mp3");
    EXPECT_EQ(Logic.SoundPath(TSoundKind::StartRec), "");
}

TEST_F(SoundLogicTest, MissingFilesAreSilentlyNotPlayed)
{
    for (TSoundKind kind :
         {TSoundKind::StartRec, TSoundKind::TimeIsUp, TSoundKind::Russian,
          TSoundKind::RussianRepeat, TSoundKind::English, TSoundKind::EnglishRepeat}) {
        EXPECT_FALSE(Logic.PlaySound(kind, true));
        EXPECT_EQ(Logic.SoundKind(), kind);
    }
    Lesson.Current = nullptr;
    Beside("005R.WAV");
    EXPECT_FALSE(Logic.PlaySound(TSoundKind::Russian, false));
    EXPECT_TRUE(Player.Played.empty());
    EXPECT_TRUE(Messages.Shown.empty());
    Loop.Run(100000);
    EXPECT_TRUE(Ended.empty());
}

TEST_F(SoundLogicTest, LessonFolderThatWentAwayIsAMissingFile)
{
    Beside("005R.WAV");
    std::filesystem::remove_all(Dir.File("lessons"));
    EXPECT_FALSE(Logic.PlaySound(TSoundKind::Russian, true));
    EXPECT_TRUE(Messages.Shown.empty());
}

// ---------------------------------------------------------------------------
// Failures

struct TFailureCase
{
    const char* Name;
    const char* File;
    TSoundKind Kind;
    TPlayFailure Failure;
    const char* Message; // "" none
};

class SoundFailureTest : public SoundLogicTest, public testing::WithParamInterface<TFailureCase>
{
};

TEST_P(SoundFailureTest, SentencesSayWhatFailedSignalsStaySilent)
{
    const TFailureCase& c = GetParam();
    if (IsSentenceKind(c.Kind))
        Beside(c.File);
    else
        Program(c.File);
    Player.Next = TPlayStart{c.Failure, ToCp1251("обрыв"), 0};
    EXPECT_FALSE(Logic.PlaySound(c.Kind, true));
    if (*c.Message == '\0')
        EXPECT_TRUE(Messages.Shown.empty());
    else
        EXPECT_EQ(Messages.Shown, std::vector<std::string>{c.Message});
    Loop.Run(100000);
    EXPECT_TRUE(Ended.empty()); // nothing started, nothing to wait for
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SoundFailureTest,
    testing::Values(TFailureCase{"wav_unreadable", "005R.WAV", TSoundKind::Russian,
                                 TPlayFailure::OpenFailed,
                                 "Ошибка при проигрывании WAV файла: \"обрыв\""},
                    TFailureCase{"device_refused", "005E.WAV", TSoundKind::EnglishRepeat,
                                 TPlayFailure::PlayFailed, "Ошибка: \"обрыв\""},
                    TFailureCase{"mp3_unreadable", "005E.MP3", TSoundKind::English,
                                 TPlayFailure::OpenFailed,
                                 "Ошибка при проигрывании MP3 файла: \"обрыв\""},
                    TFailureCase{"start_signal", "StartRec.WAV", TSoundKind::StartRec,
                                 TPlayFailure::OpenFailed, ""},
                    TFailureCase{"time_up_signal", "TimeIsUp.WAV", TSoundKind::TimeIsUp,
                                 TPlayFailure::PlayFailed, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SoundLogicTest, FailureDuringPlaybackIsToldOnceAndEndsTheWaitUnplayed)
{
    Beside("005R.WAV");
    ASSERT_TRUE(Logic.PlaySound(TSoundKind::Russian, true));
    Player.End(TPlayFailure::OpenFailed, "bad frame");
    Player.End(TPlayFailure::OpenFailed, "bad frame"); // a second report of the same sound
    Loop.Run();
    EXPECT_EQ(Messages.Shown,
              std::vector<std::string>{"Ошибка при проигрывании WAV файла: \"bad frame\""});
    EXPECT_EQ(Ended, std::vector<bool>{false});
}

// Without any sound device every sentence would fail alike: told once.
TEST_F(SoundLogicTest, MissingDeviceIsToldOnce)
{
    Beside("005R.WAV");
    Beside("005E.WAV");
    for (TSoundKind kind : {TSoundKind::Russian, TSoundKind::English, TSoundKind::Russian}) {
        Player.Next = TPlayStart{TPlayFailure::NoDevice, ToCp1251("нет устройства"), 0};
        EXPECT_FALSE(Logic.PlaySound(kind, true));
    }
    EXPECT_EQ(Messages.Shown, std::vector<std::string>{"Ошибка: \"нет устройства\""});
}

TEST_F(SoundLogicTest, LateFailureIsJudgedByTheSoundThatFailed)
{
    Beside("005E.WAV");
    ASSERT_TRUE(Logic.PlaySound(TSoundKind::English, false));
    EXPECT_FALSE(Logic.PlaySound(TSoundKind::TimeIsUp, true)); // no signal file: nothing started
    Player.End(TPlayFailure::PlayFailed, "gone");
    EXPECT_EQ(Messages.Shown, std::vector<std::string>{"Ошибка: \"gone\""});
}

// ---------------------------------------------------------------------------
// Waiting

TEST_F(SoundLogicTest, WaitedSoundEndsOnceFromTheEventLoop)
{
    Beside("005R.WAV");
    ASSERT_TRUE(Logic.PlaySound(TSoundKind::Russian, true));
    EXPECT_TRUE(Logic.IsSoundPlaying());
    Player.End();
    EXPECT_TRUE(Ended.empty()); // not from inside the player's report
    Loop.Run();
    EXPECT_EQ(Ended, std::vector<bool>{true});
    Loop.Run(100000); // the bound that was armed has nothing left to end
    EXPECT_EQ(Ended, std::vector<bool>{true});
}

TEST_F(SoundLogicTest, EndReportedInsidePlayStillArrivesAfterIt)
{
    Program("StartRec.WAV");
    Player.EndInsidePlay = true;
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::StartRec, true));
    EXPECT_TRUE(Ended.empty());
    Loop.Run();
    EXPECT_EQ(Ended, std::vector<bool>{true});
}

TEST_F(SoundLogicTest, StoppedSoundIsNeverReportedAsEnded)
{
    Beside("005R.WAV");
    ASSERT_TRUE(Logic.PlaySound(TSoundKind::Russian, true));
    Logic.StopSound();
    Player.End(); // a late report of the stopped sound
    Loop.Run(100000);
    EXPECT_TRUE(Ended.empty());

    // Stopped after the end was posted but before it arrived.
    ASSERT_TRUE(Logic.PlaySound(TSoundKind::Russian, true));
    Player.End();
    Logic.StopSound();
    Loop.Run(100000);
    EXPECT_TRUE(Ended.empty());
}

TEST_F(SoundLogicTest, SoundThatNeverEndsIsGivenUpAfterItsLengthAndAMargin)
{
    Program("TimeIsUp.WAV");
    Player.Next = TPlayStart{TPlayFailure::None, "", 700};
    ASSERT_TRUE(Logic.PlaySound(TSoundKind::TimeIsUp, true));
    Loop.Run(WaitBoundMs(700) - 1);
    EXPECT_TRUE(Ended.empty());
    Loop.Run(1);
    EXPECT_EQ(Ended, std::vector<bool>{true});
    EXPECT_FALSE(Player.IsPlaying()); // silenced
}

TEST_F(SoundLogicTest, NotWaitedSoundsReportNothing)
{
    Beside("005E.WAV");
    ASSERT_TRUE(Logic.PlaySound(TSoundKind::English, false));
    Player.End();
    Loop.Run(100000);
    EXPECT_TRUE(Ended.empty());
}

// ---------------------------------------------------------------------------
// Repeat buttons

TEST_F(SoundLogicTest, RepeatButtonsDoNothingBeforeTheQuestionIsPresented)
{
    Beside("005R.WAV");
    for (TPhase phase : {TPhase::Idle, TPhase::LeadIn}) {
        Phase = phase;
        Buttons.Shown.RepeatRuDown = true; // the click's own toggle
        Logic.BRepeatRuSoundClick();
        EXPECT_FALSE(Buttons.Shown.RepeatRuDown);
    }
    EXPECT_TRUE(Player.Played.empty());
}

TEST_F(SoundLogicTest, RepeatClickPlaysThenASecondClickStops)
{
    const std::string ru = Beside("005R.WAV");
    Logic.BRepeatRuSoundClick();
    EXPECT_EQ(Player.Played, std::vector<std::string>{ru});
    EXPECT_EQ(Logic.SoundKind(), TSoundKind::RussianRepeat);
    EXPECT_TRUE(Buttons.Shown.RepeatRuDown);
    EXPECT_EQ(std::string(Buttons.Shown.RepeatRuCaption()), "Остановить");

    Logic.BRepeatRuSoundClick();
    EXPECT_FALSE(Player.IsPlaying());
    EXPECT_EQ(Player.Played.size(), 1u);
    EXPECT_EQ(Buttons.Shown, TSoundButtonState{});
    EXPECT_EQ(std::string(Buttons.Shown.RepeatRuCaption()), "По русски");
}

TEST_F(SoundLogicTest, RepeatClickCutsOffTheOtherReplay)
{
    Beside("005R.WAV");
    const std::string en = Beside("005E.WAV");
    Phase = TPhase::Judging;
    Logic.BRepeatRuSoundClick();
    Logic.BRepeatEnSoundClick();
    EXPECT_EQ(Player.Played.back(), en);
    EXPECT_TRUE(Player.IsPlaying());
    EXPECT_FALSE(Buttons.Shown.RepeatRuDown);
    EXPECT_TRUE(Buttons.Shown.RepeatEnDown);
}

TEST_F(SoundLogicTest, RepeatWithoutItsFileLeavesTheButtonUp)
{
    Phase = TPhase::Revealed;
    Buttons.Shown.RepeatEnDown = true; // the click's own toggle
    Logic.BRepeatEnSoundClick();
    EXPECT_FALSE(Buttons.Shown.RepeatEnDown);
}

TEST_F(SoundLogicTest, ReplayEndingReleasesItsButtonByNotifyOrTimer)
{
    Beside("005R.WAV");
    Logic.BRepeatRuSoundClick();
    Player.End();
    EXPECT_FALSE(Buttons.Shown.RepeatRuDown); // MPNotify

    Logic.BRepeatRuSoundClick();
    Player.Playing = false; // the end's notification went missing
    EXPECT_TRUE(Buttons.Shown.RepeatRuDown);
    Logic.TTimer_Every200ms_Timer();
    EXPECT_FALSE(Buttons.Shown.RepeatRuDown);
}

TEST_F(SoundLogicTest, RepeatWhileAnsweringEndsTheRecording)
{
    Beside("005R.WAV");
    Logic.StartAnswerRecording();
    Clock.AdvanceMs(2000);
    Logic.BRepeatRuSoundClick();
    EXPECT_FALSE(Recorder.IsRecording());
    EXPECT_EQ(RecordedLengthMs(Logic.RecStart(), Logic.RecStop()), 2000);
}

// ---------------------------------------------------------------------------
// The recorded answer

TEST_F(SoundLogicTest, RecordingGoesIntoTheBufferOfTheProgramFolder)
{
    Logic.StartAnswerRecording();
    EXPECT_EQ(Recorder.Buffer, Dir.Path() + "/program/Buffer.WAV");
    EXPECT_EQ(RecordedLengthMs(Logic.RecStart(), Logic.RecStop()), 60000);
}

TEST_F(SoundLogicTest, AnswerPlaysExactlyTheRecordedLength)
{
    Logic.StartAnswerRecording();
    Clock.AdvanceMs(4500);
    Logic.StopAnswerRecording();
    Clock.AdvanceMs(3000); // stopping again later changes nothing
    Logic.StopAnswerRecording();
    Phase = TPhase::Revealed;
    Logic.BRecStartStopPlayClick();
    EXPECT_EQ(Recorder.PlayedMs, std::vector<std::int64_t>{4500});
    EXPECT_TRUE(Buttons.Shown.AnswerDown);
    EXPECT_FALSE(Buttons.Shown.AnswerLabelVisible());

    // A recording that ran its minute (the recorder stopped by itself).
    Logic.StartAnswerRecording();
    Recorder.Recording = false;
    Clock.AdvanceMs(90000);
    Logic.StopAnswerRecording();
    Logic.PlayAnswer();
    EXPECT_EQ(Recorder.PlayedMs.back(), 60000);
}

TEST_F(SoundLogicTest, AnswerButtonActsOnlyAfterTheReveal)
{
    for (TPhase phase : {TPhase::Idle, TPhase::LeadIn, TPhase::Thinking}) {
        Phase = phase;
        Buttons.Shown.AnswerDown = true; // the click's own toggle
        Logic.BRecStartStopPlayClick();
        EXPECT_FALSE(Buttons.Shown.AnswerDown);
    }
    EXPECT_TRUE(Recorder.PlayedMs.empty());

    Phase = TPhase::Judging;
    Logic.BRecStartStopPlayClick(); // plays
    Logic.BRecStartStopPlayClick(); // stops
    EXPECT_EQ(Recorder.PlayedMs.size(), 1u);
    EXPECT_FALSE(Recorder.IsPlaying());
    EXPECT_EQ(Buttons.Shown, TSoundButtonState{});
}

TEST_F(SoundLogicTest, FailedPlaybackReleasesTheAnswerButtonAtTheNextTick)
{
    Recorder.Works = false;
    Phase = TPhase::Revealed;
    Logic.BRecStartStopPlayClick();
    EXPECT_TRUE(Buttons.Shown.AnswerDown);
    Logic.TTimer_Every200ms_Timer();
    EXPECT_FALSE(Buttons.Shown.AnswerDown);
}

TEST_F(SoundLogicTest, PlaybackEndingReleasesTheAnswerButton)
{
    Phase = TPhase::Revealed;
    Logic.PlayAnswer();
    Recorder.Playing = false;
    Logic.MPRecNotify();
    EXPECT_FALSE(Buttons.Shown.AnswerDown);
}

// ---------------------------------------------------------------------------
// Placement

TEST_F(SoundLogicTest, RepeatButtonsShowOnlyDuringARunOfALessonWithAudio)
{
    Lesson.HasRuAudio = true;
    Lesson.HasEnAudio = false;
    Logic.PlaceSoundButtons();
    ASSERT_TRUE(Buttons.Placed);
    EXPECT_FALSE(Buttons.Placed->RepeatRuVisible);
    EXPECT_EQ(Buttons.Placed->ProgressHeight, 428 - 312);

    Lesson.RunState = 1;
    Logic.PlaceSoundButtons();
    EXPECT_TRUE(Buttons.Placed->RepeatRuVisible);
    EXPECT_FALSE(Buttons.Placed->RepeatEnVisible);
    EXPECT_EQ(Buttons.Placed->RepeatRuTop, 403);
}

// ---------------------------------------------------------------------------
// Speech where a lesson has no recording

TEST_F(SoundLogicTest, SpeechStandsInOnlyForMissingSentenceFilesWhenTheRunAsks)
{
    Lesson.Questions[0].RText = ToCp1251("Доброе утро.");
    Lesson.Questions[0].EText = "Good morning.";
    Program("StartRec.WAV");
    const std::string en = Beside("005E.WAV");

    // Off: a missing file stays silent, as it always did.
    EXPECT_FALSE(Logic.PlaySound(TSoundKind::Russian, true));
    EXPECT_TRUE(Speech.Rendered.empty());

    Logic.SetSpeech(true);
    EXPECT_EQ(Speech.Warmed, 1);
    // A recording that is there is played; only the missing side is spoken,
    // in its own language, and a repeat plays what was rendered.
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::English, false));
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::Russian, true));
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::RussianRepeat, false));
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::StartRec, true));
    EXPECT_EQ(Player.Played, (std::vector<std::string>{en, "(speech)", "(speech)",
                                                       Dir.Path() + "/program/StartRec.WAV"}));
    EXPECT_EQ(Speech.Rendered, (std::vector<std::string>{"ru Доброе утро."}));
    ASSERT_EQ(Player.Pcm.size(), 2u);
    EXPECT_EQ(Player.Pcm[0], (std::pair<std::uint32_t, std::size_t>{22050, 24}));
    EXPECT_TRUE(Buttons.Shown.RepeatRuDown);

    // Signals are never spoken.
    std::filesystem::remove(Dir.File("program/StartRec.WAV"));
    EXPECT_FALSE(Logic.PlaySound(TSoundKind::TimeIsUp, true));

    // Nothing to say: not played, so the (empty) text is what shows.
    Lesson.Questions[0].RText.clear();
    EXPECT_FALSE(Logic.PlaySound(TSoundKind::Russian, true));
    EXPECT_TRUE(Messages.Shown.empty());

    // Off again for the next run.
    Logic.SetSpeech(false);
    std::filesystem::remove(en);
    EXPECT_FALSE(Logic.PlaySound(TSoundKind::English, true));
    EXPECT_EQ(Speech.Rendered.size(), 2u);
}

TEST_F(SoundLogicTest, SpokenSentenceIsWaitedForToItsEnd)
{
    Lesson.Questions[0].EText = "Hello.";
    Logic.SetSpeech(true);
    ASSERT_TRUE(Logic.PlaySound(TSoundKind::English, true));
    Loop.Run();
    EXPECT_TRUE(Ended.empty());
    Player.End();
    Loop.Run();
    EXPECT_EQ(Ended, (std::vector<bool>{true}));
}

TEST_F(SoundLogicTest, FailingEngineIsReportedLikeAFailedRecording)
{
    Lesson.Questions[0].RText = ToCp1251("Привет.");
    Logic.SetSpeech(true);
    Speech.Works = false;
    EXPECT_FALSE(Logic.PlaySound(TSoundKind::Russian, true));
    EXPECT_EQ(Messages.Shown, (std::vector<std::string>{"Ошибка синтезатора речи: \"no voice\""}));
    EXPECT_TRUE(Player.Played.empty());
    Loop.Run(100000);
    EXPECT_TRUE(Ended.empty());
    // A failure is not kept: the next try asks the engine again.
    Speech.Works = true;
    EXPECT_TRUE(Logic.PlaySound(TSoundKind::RussianRepeat, false));
    EXPECT_EQ(Speech.Rendered.size(), 2u);
}

TEST_F(SoundLogicTest, SpokenLessonShowsTheRepeatButtons)
{
    Lesson.RunState = 1;
    Logic.SetSpeech(true);
    Logic.PlaceSoundButtons();
    ASSERT_TRUE(Buttons.Placed);
    EXPECT_TRUE(Buttons.Placed->RepeatRuVisible);
    EXPECT_TRUE(Buttons.Placed->RepeatEnVisible);
}

} // namespace
} // namespace korvan

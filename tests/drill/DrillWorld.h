#pragma once

// A drill engine wired to fakes that write every call into one trace, in the
// order the engine made them, so tests can assert what happened and when.
// Texts in the trace are converted to UTF-8 so expectations read naturally.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../TestFiles.h"
#include "drill/Drill.h"
#include "drill/Random.h"
#include "util/Text.h"

namespace korvan::test {

using TTrace = std::vector<std::string>;

inline const char* PaneName(TPane pane)
{
    switch (pane) {
    case TPane::M1:
        return "M1";
    case TPane::M2:
        return "M2";
    case TPane::M3:
        return "M3";
    case TPane::MInfo:
        return "MInfo";
    case TPane::MTranscription:
        return "MTranscription";
    case TPane::MInput:
        return "MInput";
    case TPane::MHelpMsg:
        return "MHelpMsg";
    }
    return "?";
}

inline const char* KeyName(TDrillKey key)
{
    switch (key) {
    case TDrillKey::F4:
        return "F4";
    case TDrillKey::F5:
        return "F5";
    case TDrillKey::Space:
        return "Space";
    case TDrillKey::F8:
        return "F8";
    case TDrillKey::Ctrl:
        return "Ctrl";
    case TDrillKey::Esc:
        return "Esc";
    }
    return "?";
}

inline std::string U8(const std::string& cp1251)
{
    return Cp1251ToUtf8(cp1251);
}

class TFakeView : public IDrillView
{
public:
    explicit TFakeView(TTrace& trace) : Trace(trace) {}

    // The texts as the Russian interface shows them.
    void ShowInPane(TPane pane, const TShownText& shown) override
    {
        const std::string text = RussianCp1251(shown);
        Panes[pane] = text;
        Trace.push_back(std::string(PaneName(pane)) + ": " + U8(text));
    }
    void SetGaugeMax(int maximum) override
    {
        GaugeMax = maximum;
        Trace.push_back("gauge max " + std::to_string(maximum));
    }
    void SetGaugePosition(int position) override
    {
        GaugePos = position;
        Trace.push_back("gauge " + std::to_string(position));
    }
    void SetCounterLabel(TCounterLabel label, const TPhrase& phrase) override
    {
        const std::string text = RussianCp1251({phrase});
        Labels[label] = U8(text);
        Trace.push_back(std::string(label == TCounterLabel::ShowMoreTotal ? "total" : "current") +
                        ": " + U8(text));
    }
    void SetKeyCaption(TKeyCaption caption, const std::string& text) override
    {
        Captions[caption] = text;
        Trace.push_back("key " + std::to_string(static_cast<int>(caption)) + ": " + text);
    }
    // Kept apart from the trace: what a screen reader is told to say.
    void Announce(const TShownText& text) override { Said.push_back(U8(RussianCp1251(text))); }
    void LayoutPanes() override { Trace.push_back("layout"); }
    void ApplyAppearance() override { Trace.push_back("appearance"); }
    void RepaintProgress() override { Trace.push_back("repaint"); }
    void FocusInput() override { Trace.push_back("focus input"); }
    void CloseWindow() override { Trace.push_back("close"); }
    void UpdateCaption() override { Trace.push_back("caption"); }
    void AddRecentLesson(const std::string& path) override { Trace.push_back("recent " + path); }
    void OfferMistakesSave(const TBehaviorCfg& cfg) override
    {
        Trace.push_back(std::string("offer save ") + (cfg.SaveDiff ? "on" : "off"));
    }
    void DeliverUnhandledKey(TDrillKey key) override
    {
        Trace.push_back(std::string("unhandled ") + KeyName(key));
    }
    TAppearanceFlags Appearance() const override { return Flags; }

    std::string Pane(TPane pane) const
    {
        auto it = Panes.find(pane);
        return it == Panes.end() ? std::string() : U8(it->second);
    }

    TTrace& Trace;
    TTrace Said;
    TAppearanceFlags Flags{true, false};
    std::map<TPane, std::string> Panes;
    std::map<TCounterLabel, std::string> Labels;
    std::map<TKeyCaption, std::string> Captions;
    int GaugeMax = 0;
    int GaugePos = 0;
};

// Sounds play until the test ends them. Kinds in `Missing` do not play.
class TFakeSound : public ISoundService
{
public:
    explicit TFakeSound(TTrace& trace) : Trace(trace) {}

    bool PlaySound(TSoundKind kind, bool wait) override
    {
        Trace.push_back("play " + std::to_string(static_cast<int>(kind)) + (wait ? " wait" : ""));
        Kind = kind;
        if (Missing.count(kind) != 0) {
            Playing = false;
            return false;
        }
        Playing = true;
        Awaited = wait;
        return true;
    }
    void StopSound() override
    {
        Trace.push_back("stop sound");
        Playing = false;
        Awaited = false;
    }
    bool IsSoundPlaying() const override { return Playing; }
    TSoundKind SoundKind() const override { return Kind; }
    void StartAnswerRecording() override { Trace.push_back("rec start"); }
    void StopAnswerRecording() override { Trace.push_back("rec stop"); }
    void StopAnswerPlayback() override { Trace.push_back("playback stop"); }
    void PlaceSoundButtons() override { Trace.push_back("place buttons"); }
    void SetSpeech(bool on) override { Speech = on; }

    TTrace& Trace;
    bool Speech = false;
    std::set<TSoundKind> Missing;
    bool Playing = false;
    bool Awaited = false;
    TSoundKind Kind = TSoundKind::StartRec;
};

class TFakeTimers : public IQuestionTimers
{
public:
    explicit TFakeTimers(TTrace& trace) : Trace(trace) {}
    void Enable(TQuestionTimer timer) override
    {
        On[static_cast<int>(timer)] = true;
        Trace.push_back(std::string(Name(timer)) + " on");
    }
    void Disable(TQuestionTimer timer) override
    {
        On[static_cast<int>(timer)] = false;
        Trace.push_back(std::string(Name(timer)) + " off");
    }
    static const char* Name(TQuestionTimer timer)
    {
        return timer == TQuestionTimer::M1AndM2 ? "timer 1s" : "timer pause";
    }
    bool IsOn(TQuestionTimer timer) const { return On[static_cast<int>(timer)]; }

    TTrace& Trace;
    bool On[2] = {false, false};
};

class TFakeClock : public IClock
{
public:
    TDateTime Now() const override { return Value; }
    void AddSeconds(double seconds) { Value += seconds / 86400.0; }
    TDateTime Value = EncodeDateTime({2026, 12, 7, 9, 5, 7, 0});
};

class TFakeMessages : public IMessageBox
{
public:
    explicit TFakeMessages(TTrace& trace) : Trace(trace) {}
    TMsgResult ShowMsgBox(const TShownText& text, TMsgButtons) override
    {
        Trace.push_back("msg " + U8(RussianCp1251(text)));
        return TMsgResult::Ok;
    }
    TTrace& Trace;
};

// The verdicts handed to the memory, in order.
class TFakeVerdicts : public IVerdictSink
{
public:
    struct TGiven
    {
        std::string RText; // UTF-8
        std::int32_t Number;
        bool AskedRussian;
        TVerdict Verdict;
        std::int64_t AnswerMs;
        std::int64_t NormMs;
    };
    void VerdictGiven(const TVerdictRecord& v) override
    {
        Given.push_back({Cp1251ToUtf8(v.Question.RText), v.Number, v.AskedRussian, v.Verdict,
                         v.AnswerMs, v.NormMs});
    }
    void RunEnded() override { ++RunsEnded; }
    std::vector<TGiven> Given;
    int RunsEnded = 0;
};

class TFakeBehavior : public IBehaviorSource
{
public:
    int CurrentMode() const override { return Mode; }
    TBehaviorCfg CurrentCfg() const override { return Cfg; }
    std::string ModeName(int index) const override
    {
        return index >= 0 && index < static_cast<int>(Names.size()) ? Names[index] : "";
    }
    int Mode = 0;
    TBehaviorCfg Cfg;
    std::vector<std::string> Names{ToCp1251("Режим 1"), ToCp1251("Экзамен")};
};

// One question of a test lesson, UTF-8.
struct TQ
{
    std::string Comment;
    std::string RText;
    std::string EText;
};

// A lesson file in 1251 from UTF-8 parts.
inline std::string LessonFile(const std::vector<TQ>& questions, bool words = false,
                              bool ruAudio = true, bool enAudio = true,
                              const std::string& title = "Тест")
{
    std::string text =
        "Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=" + title + "\r\n";
    if (words)
        text += "Words\r\n";
    if (ruAudio)
        text += "HasRuAudio\r\n";
    if (enAudio)
        text += "HasEnAudio\r\n";
    text += "<body>\r\n";
    int number = 0;
    for (const TQ& q : questions)
        text += std::to_string(++number) + "\r\n" + q.Comment + "\r\n" + q.RText + "\r\n" +
                q.EText + "\r\n";
    return ToCp1251(text);
}

// `count` questions "кр k" / "ru k" / "en k": one Russian word each.
inline std::vector<TQ> Numbered(int count)
{
    std::vector<TQ> qs;
    for (int i = 1; i <= count; ++i)
        qs.push_back({"c" + std::to_string(i), "р" + std::to_string(i), "e" + std::to_string(i)});
    return qs;
}

class TDrillWorld
{
public:
    // `norms`: the lines of Time.ini (norm for 1, 2, ... words). `logPath`
    // empty: Log.txt in the test's folder.
    explicit TDrillWorld(const std::string& norms = "6", std::uint32_t seed = 1,
                         const std::string& logPath = "")
        : Random(seed), Log(Clock)
    {
        Calculator = std::make_unique<TTimeCalculator>(Dir.Write("Time.ini", norms));
        Log.Open(logPath.empty() ? Dir.File("Log.txt") : logPath);
        Drill = std::make_unique<TDrill>(
            Lesson, *Calculator,
            TDrillPorts{View, Sound, Timers, Random, Clock, Messages, Log, Behavior, &Verdicts});
    }

    // Writes the lesson and opens it; clears the trace.
    void Open(const std::vector<TQ>& questions, bool words = false, bool ruAudio = true,
              bool enAudio = true)
    {
        // A new name each time: rewriting a file in place makes ext4 flush it.
        const std::string name = "lesson" + std::to_string(++Opened) + ".sl2";
        Drill->OpenLesson(Dir.Write(name, LessonFile(questions, words, ruAudio, enAudio)));
        Trace.clear();
    }

    // Ends the awaited sound, if any.
    void EndSound(bool played = true)
    {
        ASSERT_TRUE(Sound.Awaited);
        Sound.Awaited = false;
        Sound.Playing = false;
        Drill->WaitedSoundEnded(played);
    }
    // Ends awaited sounds until none is left.
    void PlayOut()
    {
        for (int guard = 0; Sound.Awaited && guard < 100; ++guard) {
            Sound.Awaited = false;
            Sound.Playing = false;
            Drill->WaitedSoundEnded(true);
        }
    }
    // A tick of the 1 s timer as the platform would give it: only while on.
    void Tick()
    {
        Clock.AddSeconds(1);
        if (Timers.IsOn(TQuestionTimer::M1AndM2))
            Drill->TimerM1AndM2Tick();
    }
    void PauseTick()
    {
        Clock.AddSeconds(0.5);
        if (Timers.IsOn(TQuestionTimer::M3Pause))
            Drill->TimerM3PauseTick();
    }
    bool Key(TDrillKey key) { return Drill->FormKeyDown(key); }

    // From the current question's lead-in (or thinking) to thinking.
    void ToThinking()
    {
        PlayOut();
        if (Drill->Phase() == TPhase::LeadIn)
            Tick();
        PlayOut();
    }
    // A right verdict given in time: reveal at once, wait out the pause, F5.
    void AnswerRight()
    {
        ToThinking();
        Key(TDrillKey::F5);
        PlayOut();
        PauseTick();
        Key(TDrillKey::F5);
        PlayOut();
    }
    void AnswerWrong()
    {
        ToThinking();
        Key(TDrillKey::F8);
        PlayOut();
    }

    std::vector<std::string> LogLines() const
    {
        std::vector<std::string> lines;
        const std::string bytes = ReadFileBytes(Dir.File("Log.txt"));
        std::size_t start = 0;
        for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            lines.push_back(U8(bytes.substr(start, end - start)));
        return lines;
    }

    // The trace entries from the first one equal to `mark` on (all without it).
    TTrace TraceFrom(const std::string& mark) const
    {
        for (std::size_t i = 0; i < Trace.size(); ++i)
            if (Trace[i] == mark)
                return TTrace(Trace.begin() + static_cast<long>(i), Trace.end());
        return Trace;
    }

    TTempDir Dir;
    int Opened = 0;
    TTrace Trace;
    TFakeView View{Trace};
    TFakeSound Sound{Trace};
    TFakeTimers Timers{Trace};
    TFakeClock Clock;
    TFakeMessages Messages{Trace};
    TFakeBehavior Behavior;
    TFakeVerdicts Verdicts;
    TStdRandom Random;
    TLogWriter Log;
    TLesson Lesson;
    std::unique_ptr<TTimeCalculator> Calculator;
    std::unique_ptr<TDrill> Drill;
};

// Checks the counters of the lesson against its questions.
inline void ExpectInvariants(const TLesson& lesson)
{
    if (lesson.RunState == 0)
        return;
    int notStarted = 0, unfinished = 0, pending = 0, right = 0, mistakes = 0, clean = 0;
    for (const TQuestion& q : lesson.Questions) {
        if (q.Unfinished && q.RepeatsLeft == 0)
            ++notStarted;
        if (q.Unfinished)
            ++unfinished;
        else if (q.MistakeCount == 0)
            ++clean;
        pending += q.RepeatsLeft;
        right += q.RightCount;
        mistakes += q.MistakeCount;
        ASSERT_GE(q.RepeatsLeft, 0);
        ASSERT_LE(q.RepeatsLeft, 2);
        if (!q.Unfinished) {
            ASSERT_EQ(q.RepeatsLeft, 0);
        }
    }
    ASSERT_EQ(lesson.NotStartedCount, notStarted);
    ASSERT_EQ(lesson.UnfinishedCount, unfinished);
    ASSERT_EQ(lesson.PendingTotal, pending);
    ASSERT_EQ(lesson.RightTotal, right);
    ASSERT_EQ(lesson.MistakeTotal, mistakes);
    ASSERT_EQ(lesson.CleanCount, clean);
    if (lesson.RunState == 2) {
        ASSERT_EQ(lesson.PendingTotal, 0);
        ASSERT_EQ(lesson.UnfinishedCount, 0);
    }
}

} // namespace korvan::test

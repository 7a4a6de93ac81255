// The drill engine's speed: choosing and beginning the next question in a
// lesson of 100,000 questions, and a complete run of a 1,000-question lesson
// with every verdict right. Engine only: the window, sounds and timers are
// no-op stand-ins; waited sounds end as soon as the driver sees them.
//
//   cmake --build <build> -j2 --target bench_drill && <build>/bench/bench_drill

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "drill/Drill.h"
#include "drill/Random.h"
#include "util/Text.h"

namespace korvan {
namespace {

class TNullView : public IDrillView
{
public:
    void ShowInPane(TPane, const TShownText& text) override { benchmark::DoNotOptimize(text); }
    void SetGaugeMax(int) override {}
    void SetGaugePosition(int) override {}
    void SetCounterLabel(TCounterLabel, const TPhrase&) override {}
    void SetKeyCaption(TKeyCaption, const std::string&) override {}
    void Announce(const TShownText&) override {}
    void LayoutPanes() override {}
    void ApplyAppearance() override {}
    void RepaintProgress() override {}
    void FocusInput() override {}
    void CloseWindow() override {}
    void UpdateCaption() override {}
    void AddRecentLesson(const std::string&) override {}
    void OfferMistakesSave(const TBehaviorCfg&) override {}
    void DeliverUnhandledKey(TDrillKey) override {}
    TAppearanceFlags Appearance() const override { return {}; }
};

// Every sound starts; waited ones end when the driver says so.
class TInstantSound : public ISoundService
{
public:
    bool PlaySound(TSoundKind kind, bool wait) override
    {
        Kind = kind;
        Awaited = wait;
        return true;
    }
    void StopSound() override { Awaited = false; }
    bool IsSoundPlaying() const override { return false; }
    TSoundKind SoundKind() const override { return Kind; }
    void StartAnswerRecording() override {}
    void StopAnswerRecording() override {}
    void StopAnswerPlayback() override {}
    void PlaceSoundButtons() override {}
    void SetSpeech(bool) override {}
    bool Awaited = false;
    TSoundKind Kind = TSoundKind::StartRec;
};

class TNullTimers : public IQuestionTimers
{
public:
    void Enable(TQuestionTimer) override {}
    void Disable(TQuestionTimer) override {}
};

class TStillClock : public IClock
{
public:
    TDateTime Now() const override { return 46000.5; }
};

class TNoMessages : public IMessageBox
{
public:
    TMsgResult ShowMsgBox(const TShownText&, TMsgButtons) override { return TMsgResult::Ok; }
};

class TFixedBehavior : public IBehaviorSource
{
public:
    int CurrentMode() const override { return 0; }
    TBehaviorCfg CurrentCfg() const override { return Cfg; }
    std::string ModeName(int) const override { return "bench"; }
    TBehaviorCfg Cfg;
};

// A lesson with sentences of realistic length, some Cyrillic, in a temporary
// folder that goes away with the bench.
class TBenchLesson
{
public:
    explicit TBenchLesson(int questions)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvan-bench-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        Dir = pattern;
        std::ofstream out(Dir + "/lesson.sl2", std::ios::binary);
        out << "Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=bench\r\nHasRuAudio\r\n"
               "HasEnAudio\r\n<body>\r\n";
        const std::string ru = ToCp1251("Мы пойдём гулять в парк, если завтра не будет дождя");
        for (int i = 1; i <= questions; ++i)
            out << i << "\r\n"
                << "comment\r\n"
                << ru << "\r\n"
                << "We will go for a walk in the park if it does not rain tomorrow\r\n";
        std::ofstream(Dir + "/Time.ini") << "3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n";
    }
    ~TBenchLesson() { std::filesystem::remove_all(Dir); }
    std::string Path() const { return Dir + "/lesson.sl2"; }
    std::string TimeTable() const { return Dir + "/Time.ini"; }

private:
    std::string Dir;
};

struct TBenchWorld
{
    explicit TBenchWorld(const TBenchLesson& file, const TBehaviorCfg& cfg)
        : Random(42), Log(Clock), Calculator(file.TimeTable())
    {
        Behavior.Cfg = cfg;
        Log.Open("/dev/null");
        Drill = std::make_unique<TDrill>(
            Lesson, Calculator,
            TDrillPorts{View, Sound, Timers, Random, Clock, Messages, Log, Behavior});
        Drill->OpenLesson(file.Path());
    }
    void PlayOut()
    {
        while (Sound.Awaited) {
            Sound.Awaited = false;
            Drill->WaitedSoundEnded(true);
        }
    }

    TNullView View;
    TInstantSound Sound;
    TNullTimers Timers;
    TStillClock Clock;
    TNoMessages Messages;
    TFixedBehavior Behavior;
    TStdRandom Random;
    TLogWriter Log;
    TLesson Lesson;
    TTimeCalculator Calculator;
    std::unique_ptr<TDrill> Drill;
};

// One iteration: a wrong verdict while thinking (reveal, bookkeeping, choice
// of the next question among all 100,000, its lead-in), then the tick that
// presents it with both waited sounds. MistakeChange 0 keeps every question
// pending, so the draw always walks the whole lesson.
void BM_NextQuestion100k(benchmark::State& state)
{
    static const TBenchLesson file(100000);
    TBehaviorCfg cfg;
    cfg.OrderKind = static_cast<int>(state.range(0));
    cfg.UseAtOnce = 40;
    TBenchWorld w(file, cfg);
    w.Drill->StartLesson();
    w.Drill->TimerM1AndM2Tick();
    w.PlayOut();
    for (auto _ : state) {
        w.Drill->FormKeyDown(TDrillKey::F8);
        w.Drill->TimerM1AndM2Tick();
        w.PlayOut();
    }
    if (w.Drill->Phase() != TPhase::Thinking)
        state.SkipWithError("the cycle went astray");
}
BENCHMARK(BM_NextQuestion100k)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// F4, then every question answered right in time, to the results.
void BM_CompleteRun1000(benchmark::State& state)
{
    static const TBenchLesson file(1000);
    TBehaviorCfg cfg;
    cfg.OrderKind = static_cast<int>(state.range(0));
    TBenchWorld w(file, cfg);
    for (auto _ : state) {
        w.Drill->StartLesson();
        while (w.Lesson.RunState == 1) {
            w.Drill->TimerM1AndM2Tick(); // lead-in over: present
            w.PlayOut();
            w.Drill->FormKeyDown(TDrillKey::F5); // reveal
            w.Drill->TimerM3PauseTick();
            w.Drill->FormKeyDown(TDrillKey::F5); // right
        }
    }
    if (w.Lesson.RightTotal != 1000 || w.Lesson.MistakeTotal != 0)
        state.SkipWithError("not every verdict was right");
}
BENCHMARK(BM_CompleteRun1000)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace korvan

BENCHMARK_MAIN();

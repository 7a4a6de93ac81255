// Thousands of seeded random runs: random lessons, settings (hand-edited ones
// included), verdicts, keys, ticks and sound ends at random moments. After
// every event the counters must agree with the questions and the phase with
// the timers; every run that can be finished by right answers finishes.

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "DrillWorld.h"
#include "drill/RunBook.h"
#include "util/Errors.h"

namespace korvan::test {
namespace {

class TFuzz
{
public:
    explicit TFuzz(std::uint32_t seed) : Gen(seed) {}

    int Below(int n) { return static_cast<int>(Gen() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    TBehaviorCfg RandomCfg()
    {
        TBehaviorCfg c;
        c.UseTime = Chance(80);
        c.Speed = Chance(90) ? Below(21) : Below(60) - 30;
        c.MistakeChange = Chance(90) ? Below(3) - 1 : Below(11) - 5;
        c.UseAtOnce = Chance(90) ? 1 + Below(12) : Below(5) - 2;
        c.OrderKind = Chance(90) ? Below(3) : Below(20) - 5;
        c.SaveDiff = Chance(50);
        c.ShowRText = Chance(70);
        c.ShowEText = Chance(70);
        c.UseRWav = Chance(70);
        c.UseEWav = Chance(70);
        c.TranslRE = Chance(60);
        c.UseTextInput = Chance(30);
        return c;
    }

    std::vector<TQ> RandomQuestions()
    {
        std::vector<TQ> qs;
        const int count = Chance(5) ? 0 : 1 + Below(12);
        for (int i = 0; i < count; ++i) {
            std::string r;
            for (int words = Below(4); words > 0; --words)
                r += "слово ";
            qs.push_back({"к" + std::to_string(i), r, "e" + std::to_string(i)});
        }
        return qs;
    }

    std::mt19937 Gen;
};

// The phase and the two question timers belong together.
void ExpectPhaseMatchesTimers(const TDrillWorld& w)
{
    const bool second = w.Timers.IsOn(TQuestionTimer::M1AndM2);
    const bool pause = w.Timers.IsOn(TQuestionTimer::M3Pause);
    const bool waiting = w.Drill->Waiting();
    ASSERT_EQ(waiting, w.Sound.Awaited);
    if (!waiting) {
        ASSERT_EQ(w.Drill->QueuedInputs(), 0u);
    }
    switch (w.Drill->Phase()) {
    case TPhase::Idle:
        ASSERT_FALSE(second || pause);
        break;
    case TPhase::LeadIn:
        ASSERT_TRUE(waiting ? !second : second);
        ASSERT_FALSE(pause);
        break;
    case TPhase::Thinking:
        ASSERT_TRUE(second && !pause && !waiting);
        break;
    case TPhase::Revealed:
        ASSERT_FALSE(second);
        ASSERT_TRUE(waiting ? !pause : pause);
        break;
    case TPhase::Judging:
        ASSERT_FALSE(second || pause || waiting);
        break;
    }
}

// Can the run be finished by answering right at once? A question whose budget
// is used up by the tick that presents it can only be answered wrong.
bool Finishable(const TDrillWorld& w)
{
    const TBehaviorCfg& c = w.Drill->Cfg();
    if (c.MistakeChange == -1)
        return true;
    for (const TQuestion& q : w.Lesson.Questions) {
        const int budget = ThinkBudget(q.TimeNorm, c.Speed, c.UseTextInput);
        const int counted = !w.Lesson.Words && c.UseTime ? 1 : 0;
        if (budget - counted <= 0)
            return false;
    }
    return true;
}

void RandomEvent(TFuzz& f, TDrillWorld& w)
{
    const int what = f.Below(100);
    if (what < 15) {
        if (w.Sound.Awaited)
            w.EndSound(f.Chance(85));
    } else if (what < 30) {
        w.Tick();
    } else if (what < 38) {
        w.PauseTick();
    } else if (what < 41) {
        w.Drill->TimerM1AndM2Tick(); // a tick the platform should not have sent
        w.Drill->TimerM3PauseTick();
    } else if (what < 70) {
        const TDrillKey keys[] = {TDrillKey::F5, TDrillKey::Space, TDrillKey::F8, TDrillKey::Ctrl,
                                  TDrillKey::Esc};
        w.Key(keys[f.Below(5)]);
    } else if (what < 80) {
        if (f.Chance(50))
            w.Drill->ShowTranslationOrRightClick();
        else
            w.Drill->WrongClick();
    } else if (what < 84) {
        w.Sound.Playing = f.Chance(50); // a repeat or a translation playing on
        w.Sound.Kind = static_cast<TSoundKind>(f.Below(6));
        w.Sound.Awaited = w.Sound.Awaited && w.Sound.Playing;
        if (!w.Sound.Awaited && w.Drill->Waiting())
            w.Drill->WaitedSoundEnded(false); // it failed while playing
    } else if (what < 90) {
        w.Sound.Missing.clear();
        for (int kind = 0; kind < 6; ++kind)
            if (f.Chance(25))
                w.Sound.Missing.insert(static_cast<TSoundKind>(kind));
    } else if (what < 94) {
        w.Behavior.Cfg = f.RandomCfg(); // takes effect at the next F4 only
    } else if (what < 97) {
        w.Drill->StartLesson();
    } else if (what < 98) {
        w.View.Flags.ShowHelpMsg = f.Chance(50);
    } else {
        w.Open(f.RandomQuestions(), f.Chance(30), f.Chance(70), f.Chance(70));
        w.Key(TDrillKey::F4);
    }
}

TEST(DrillFuzz, InvariantsHoldAndRunsEnd)
{
    int runs = 0, finished = 0, unfinishable = 0;
    for (std::uint32_t world = 0; world < 12; ++world) {
        TFuzz f(world * 7919 + 1);
        const std::string norms[] = {"6", "1", "0\r\n3", "2\r\n4\r\n7", "-3\r\n5", "3"};
        TDrillWorld w(norms[world % 6], world, "/dev/null"); // the log is tested elsewhere
        for (int run = 0; run < 250; ++run, ++runs) {
            w.Behavior.Cfg = f.RandomCfg();
            w.Behavior.Mode = f.Below(3);
            w.Open(f.RandomQuestions(), f.Chance(30), f.Chance(70), f.Chance(70));
            w.Key(TDrillKey::F4);
            w.Trace.clear();
            const TBehaviorCfg taken = NormalizeRunCfg(w.Behavior.Cfg);
            bool restarted = false;
            const int events = f.Below(80);
            for (int e = 0; e < events; ++e) {
                RandomEvent(f, w);
                ExpectInvariants(w.Lesson);
                ExpectPhaseMatchesTimers(w);
                if (::testing::Test::HasFatalFailure())
                    FAIL() << "world " << world << " run " << run << " event " << e;
                restarted = restarted || w.Trace.end() != std::find(w.Trace.begin(), w.Trace.end(),
                                                                    "appearance");
            }
            if (!restarted && w.Lesson.RunState != 0) {
                ASSERT_EQ(w.Drill->Cfg(), taken);
            }
            w.Trace.clear();
            if (w.Lesson.RunState != 1)
                continue;
            // Now answer right at once until the run ends (or cannot).
            w.Sound.Missing.clear();
            w.Sound.Playing = w.Sound.Awaited;
            w.PlayOut(); // input queued behind a sound may restart the run
            if (w.Lesson.RunState != 1)
                continue;
            const bool can = Finishable(w);
            const int bound = 4 * w.Lesson.QuestionCount() + 8;
            int verdicts = 0;
            for (int step = 0; w.Lesson.RunState == 1 && step < 40 * bound; ++step) {
                const int before = w.Lesson.RightTotal + w.Lesson.MistakeTotal;
                if (w.Drill->Waiting())
                    w.EndSound();
                else if (w.Drill->Phase() == TPhase::LeadIn)
                    w.Tick();
                else if (w.Drill->Phase() == TPhase::Revealed)
                    w.PauseTick();
                else
                    w.Key(TDrillKey::F5);
                verdicts += w.Lesson.RightTotal + w.Lesson.MistakeTotal - before;
                ExpectInvariants(w.Lesson);
                ExpectPhaseMatchesTimers(w);
                if (::testing::Test::HasFatalFailure())
                    FAIL() << "world " << world << " run " << run << " finishing";
                if (verdicts > bound)
                    break;
            }
            if (can) {
                ASSERT_EQ(w.Lesson.RunState, 2) << "world " << world << " run " << run;
                ASSERT_LE(verdicts, bound);
                ++finished;
            } else {
                ++unfinishable;
            }
        }
    }
    EXPECT_EQ(runs, 3000);
    // The mix must exercise both outcomes.
    EXPECT_GT(finished, 500);
    EXPECT_GT(unfinishable, 20);
}

} // namespace
} // namespace korvan::test

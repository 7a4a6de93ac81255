// What the drill hands to the memory: every verdict as it is given, and the
// run of a lesson gathered from others.

#include "drill/DrillWorld.h"

namespace korvan::test {
namespace {

TEST(DrillMemory, EveryVerdictWithItsKindAndTimes)
{
    TDrillWorld w;
    w.Behavior.Cfg.OrderKind = 0; // in file order
    w.Behavior.Cfg.MistakeChange = 1;
    w.Open(Numbered(3));
    w.Key(TDrillKey::F4);

    w.ToThinking();
    w.Tick();
    w.Tick(); // two seconds of thinking
    w.Key(TDrillKey::F5);
    w.PlayOut();
    w.PauseTick();
    w.Key(TDrillKey::F5);
    w.PlayOut();

    w.AnswerWrong();

    // The time runs out, then the pupil says it was right: late.
    w.ToThinking();
    for (int guard = 0; w.Drill->Phase() == TPhase::Thinking && guard < 100; ++guard)
        w.Tick();
    w.PlayOut();
    w.PauseTick();
    w.Key(TDrillKey::F5);
    w.PlayOut();
    // The mistakes come back until the run is over.
    for (int guard = 0; w.Drill->Lesson().RunState == 1 && guard < 20; ++guard)
        w.AnswerRight();

    const auto& given = w.Verdicts.Given;
    ASSERT_GE(given.size(), 5u);
    const std::int64_t norm = given[0].NormMs;
    EXPECT_GT(norm, 0);
    EXPECT_EQ(given[0].Verdict, TVerdict::Right);
    EXPECT_EQ(given[0].AnswerMs, 2000);
    EXPECT_EQ(given[0].RText, "р1");
    EXPECT_EQ(given[0].Number, 1);
    EXPECT_TRUE(given[0].AskedRussian);
    EXPECT_EQ(given[1].Verdict, TVerdict::Wrong);
    EXPECT_EQ(given[1].AnswerMs, 0);
    EXPECT_EQ(given[2].Verdict, TVerdict::Late);
    // The tick that ends the lead-in counts as the first second of the gauge.
    EXPECT_GE(given[2].AnswerMs, norm - 1000);
    EXPECT_LE(given[2].AnswerMs, norm);
    for (std::size_t i = 3; i < given.size(); ++i)
        EXPECT_EQ(given[i].Verdict, TVerdict::Right);
    EXPECT_EQ(w.Verdicts.RunsEnded, 1);
    EXPECT_EQ(w.Drill->Lesson().RunState, 2);
}

TEST(DrillMemory, AGatheredLessonAsksEachQuestionInItsOwnDirection)
{
    TDrillWorld w;
    w.Behavior.Cfg.OrderKind = 0;
    w.Behavior.Cfg.TranslRE = true;
    TLesson gathered;
    for (int i = 1; i <= 2; ++i) {
        TQuestion q;
        q.Number = i;
        q.RText = ToCp1251("р" + std::to_string(i));
        q.EText = "e" + std::to_string(i);
        gathered.Questions.push_back(q);
    }
    gathered.Origins = {{"/lessons/a.sl2", 7, true, true}, {"/lessons/b.sl2", 9, false, false}};
    w.Drill->OpenGathered(std::move(gathered), "Повторение на сегодня");
    EXPECT_EQ(w.LogLines().back(), "07/12/2026  9:05:07  Открыт урок: Повторение на сегодня");
    EXPECT_EQ(std::count(w.Trace.begin(), w.Trace.end(), "recent Повторение на сегодня"), 0);

    w.Key(TDrillKey::F4);
    w.AnswerRight();
    w.AnswerRight();
    const auto& given = w.Verdicts.Given;
    ASSERT_EQ(given.size(), 2u);
    EXPECT_EQ(w.Drill->Lesson().RunState, 2);
    EXPECT_EQ(given[0].Number, 7);
    EXPECT_TRUE(given[0].AskedRussian);
    EXPECT_EQ(given[1].Number, 9);
    EXPECT_FALSE(given[1].AskedRussian);
    // The English sentence is the one shown for an en-ru card.
    const std::string shown = "M2: e2";
    EXPECT_NE(std::find(w.Trace.begin(), w.Trace.end(), shown), w.Trace.end());
    // No derived lesson is offered for a lesson with no file.
    EXPECT_EQ(std::count_if(w.Trace.begin(), w.Trace.end(),
                            [](const std::string& t) { return t.rfind("offer", 0) == 0; }),
              0);
}

} // namespace
} // namespace korvan::test

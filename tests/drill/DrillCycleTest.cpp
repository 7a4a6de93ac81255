// The question cycle: the worked timeline second by second, the waited sounds,
// the pane rules, keys and help lines.

#include <algorithm>

#include <gtest/gtest.h>

#include "../TestNames.h"
#include "DrillWorld.h"

namespace korvan::test {
namespace {

const std::string HelpSpoken =
    "Произнесите перевод (если есть микрофон -- в микрофон) и нажмите [Пробел] или [F5] для "
    "того, чтобы увидеть вариант перевода, предложенный автором урока.";
const std::string HelpTyped = "Напишите перевод и нажмите [F5] для того, чтобы увидеть вариант "
                              "перевода, предложенный автором урока.";
const std::string HelpCompare =
    "Сравните свой перевод с эталонным и решите, правильно или нет вы перевели. Нажмите "
    "[Пробел] или [F5] если правильно, [Ctrl] или [F8] если ошибочно.";
const std::string HelpTimeUp = "Вы не уложились в отведенное время, ваш ответ засчитан как "
                               "ошибочный. Нажмите [Пробел] или [F5] или [Ctrl] или [F8].";

std::vector<TQ> TwoSentences()
{
    return {{"Ключ", "Я иду домой", "I am going home"}, {"", "Он спит", "He sleeps"}};
}

// The worked timeline: ordinary lesson, Russian to English, UseTime on, Speed
// 5, spoken answers, norm 6, every text and sound present.
TEST(DrillCycle, WorkedTimelineSecondBySecond)
{
    TDrillWorld w("6");
    w.Behavior.Cfg.OrderKind = 0;
    w.Open(TwoSentences());
    w.Key(TDrillKey::F4);
    // 0 s: the comment stands alone.
    EXPECT_EQ(w.Drill->Phase(), TPhase::LeadIn);
    EXPECT_EQ(w.View.Pane(TPane::M1), "Ключ");
    EXPECT_EQ(w.View.Pane(TPane::M2), "");
    EXPECT_EQ(w.Trace.back(), "timer 1s on");

    // 1 s: the tick presents; the Russian sound plays to its end first.
    w.Trace.clear();
    w.Tick();
    EXPECT_EQ(w.Trace, (TTrace{"timer 1s off", "gauge max 6", "play 2 wait"}));
    EXPECT_TRUE(w.Drill->Waiting());
    w.Trace.clear();
    w.EndSound();
    EXPECT_EQ(w.Trace, (TTrace{"M2: Я иду домой", "play 0 wait"}));
    w.Trace.clear();
    w.EndSound();
    EXPECT_EQ(w.Trace,
              (TTrace{"rec start", "MHelpMsg: " + HelpSpoken, "key 0: Space | F5",
                      "key 1: Space | F5", "key 2: Ctrl  |  F8", "timer 1s on", "gauge 1"}));
    EXPECT_EQ(w.Drill->Phase(), TPhase::Thinking);
    EXPECT_EQ(w.Drill->ThinkLeft(), 5);

    // 2 s .. 5 s: one second each.
    for (int left = 4; left >= 1; --left) {
        w.Trace.clear();
        w.Tick();
        EXPECT_EQ(w.Trace, (TTrace{"gauge " + std::to_string(6 - left)}));
        EXPECT_EQ(w.Drill->ThinkLeft(), left);
    }
    // 6 s: time up; the signal ends before the translation starts.
    w.Trace.clear();
    w.Tick();
    EXPECT_EQ(w.Trace, (TTrace{"gauge 6", "timer 1s off", "gauge 0", "stop sound", "rec stop",
                               "play 1 wait"}));
    EXPECT_EQ(w.Drill->Phase(), TPhase::Revealed);
    w.Trace.clear();
    w.EndSound();
    EXPECT_EQ(w.Trace, (TTrace{"timer pause on", "key 0: Space | F5", "key 1: Space | F5",
                               "key 2: Ctrl  |  F8", "MHelpMsg: " + HelpTimeUp, "play 4",
                               "M3: I am going home"}));
    // 500 ms later a verdict is accepted, and a right one counts as wrong.
    w.PauseTick();
    EXPECT_EQ(w.Drill->Phase(), TPhase::Judging);
    w.Key(TDrillKey::F5);
    EXPECT_EQ(w.Lesson.MistakeTotal, 1);
    EXPECT_EQ(w.Lesson.RightTotal, 0);
}

TEST(DrillCycle, F5WithThreeSecondsLeftRevealsWithoutSignalAndCountsRight)
{
    TDrillWorld w("6");
    w.Open(TwoSentences());
    w.Key(TDrillKey::F4);
    w.ToThinking();
    w.Tick();
    w.Tick();
    ASSERT_EQ(w.Drill->ThinkLeft(), 3);
    w.Trace.clear();
    EXPECT_TRUE(w.Key(TDrillKey::F5));
    EXPECT_EQ(w.Trace,
              (TTrace{"timer 1s off", "gauge 0", "stop sound", "rec stop", "timer pause on",
                      "key 0: Space | F5", "key 1: Space | F5", "key 2: Ctrl  |  F8",
                      "MHelpMsg: " + HelpCompare, "play 4", "M3: " + w.View.Pane(TPane::M3)}));
    EXPECT_FALSE(w.Drill->Waiting());
    // Within the pause F5 is ignored; after it, F5 is a right verdict.
    w.Key(TDrillKey::F5);
    EXPECT_EQ(w.Drill->Phase(), TPhase::Revealed);
    w.PauseTick();
    w.Key(TDrillKey::F5);
    EXPECT_EQ(w.Lesson.RightTotal, 1);
    EXPECT_EQ(w.Lesson.MistakeTotal, 0);
}

TEST(DrillCycle, InputDuringAWaitIsReplayedInOrderAfterIt)
{
    TDrillWorld w("6");
    w.Open(TwoSentences());
    w.Key(TDrillKey::F4);
    w.Tick(); // source sound playing
    w.Trace.clear();
    EXPECT_TRUE(w.Key(TDrillKey::F5)); // consumed, queued
    w.Drill->TimerM1AndM2Tick();       // inside the wait: does not count
    w.Drill->TimerM3PauseTick();
    EXPECT_TRUE(w.Trace.empty());
    EXPECT_EQ(w.Drill->QueuedInputs(), 1u);
    w.EndSound(); // source over: text, then the start signal; still waiting
    EXPECT_EQ(w.Drill->Phase(), TPhase::LeadIn);
    EXPECT_EQ(w.Drill->QueuedInputs(), 1u);
    w.Trace.clear();
    w.EndSound(); // the presentation completes, its tick counts, then F5 reveals
    EXPECT_EQ(w.Drill->ThinkLeft(), 5);
    EXPECT_EQ(w.Drill->Phase(), TPhase::Revealed);
    EXPECT_EQ(w.Drill->QueuedInputs(), 0u);
    const TTrace expectedHead{"rec start", "MHelpMsg: " + HelpSpoken};
    EXPECT_EQ(TTrace(w.Trace.begin(), w.Trace.begin() + 2), expectedHead);
    EXPECT_EQ(w.View.Pane(TPane::MHelpMsg), HelpCompare);
}

TEST(DrillCycle, QueuedKeysThatStartANewWaitStayQueuedBehindIt)
{
    // Words lesson: a wrong verdict begins the next question, which waits for
    // its source sound at once; the key queued after it waits too.
    TDrillWorld w("6");
    w.Behavior.Cfg.OrderKind = 0;
    w.Open(Numbered(3), true);
    w.Key(TDrillKey::F4);
    ASSERT_TRUE(w.Drill->Waiting());
    w.PlayOut();
    ASSERT_EQ(w.Drill->Phase(), TPhase::Thinking);
    w.Key(TDrillKey::F8); // question 1 wrong; question 1 again (MistakeChange 0)
    ASSERT_TRUE(w.Drill->Waiting());
    w.Key(TDrillKey::F8); // arrives during the source sound
    w.Key(TDrillKey::F5);
    EXPECT_EQ(w.Drill->QueuedInputs(), 2u);
    w.EndSound(); // source
    w.EndSound(); // signal: F8 replays, the next question waits again; F5 stays
    EXPECT_EQ(w.Lesson.MistakeTotal, 2);
    EXPECT_TRUE(w.Drill->Waiting());
    EXPECT_EQ(w.Drill->QueuedInputs(), 1u);
    w.PlayOut(); // F5 reveals the third presentation
    EXPECT_EQ(w.Drill->Phase(), TPhase::Revealed);
    EXPECT_EQ(w.Drill->QueuedInputs(), 0u);
}

TEST(DrillCycle, AQueuedSpaceWhileTypingGoesBackToTheWindow)
{
    TDrillWorld w("6");
    w.Behavior.Cfg.UseTextInput = true;
    w.Open(TwoSentences());
    w.Key(TDrillKey::F4);
    w.Tick();
    EXPECT_TRUE(w.Key(TDrillKey::Space)); // during the source sound: consumed
    EXPECT_TRUE(w.Key(TDrillKey::Ctrl));
    w.Trace.clear();
    w.PlayOut();
    EXPECT_EQ(w.Drill->Phase(), TPhase::Thinking);
    const TTrace tail(w.Trace.end() - 2, w.Trace.end());
    EXPECT_EQ(tail, (TTrace{"unhandled Space", "unhandled Ctrl"}));
}

TEST(DrillCycle, TheWindowsOwnInputKeepsItsPlaceInTheQueue)
{
    TDrillWorld w("6");
    w.Open(TwoSentences());
    w.Drill->Defer([&] { w.Trace.push_back("own now"); });
    EXPECT_EQ(w.Trace, TTrace{"own now"});
    w.Key(TDrillKey::F4);
    w.Tick(); // waiting for the source sound
    w.Drill->Defer([&] { w.Trace.push_back("own 1"); });
    w.Key(TDrillKey::F5);
    w.Drill->Defer([&] { w.Trace.push_back("own 2"); });
    w.Trace.clear();
    w.PlayOut();
    const auto own1 = std::find(w.Trace.begin(), w.Trace.end(), "own 1");
    const auto reveal = std::find(w.Trace.begin(), w.Trace.end(), "timer pause on");
    const auto own2 = std::find(w.Trace.begin(), w.Trace.end(), "own 2");
    EXPECT_TRUE(own1 < reveal && reveal < own2 && own2 != w.Trace.end());
    EXPECT_EQ(w.Trace.back(), "own 2");
}

TEST(DrillCycle, SourceSoundThatFailsDuringPlaybackShowsItsText)
{
    TDrillWorld w("6");
    w.Behavior.Cfg.ShowRText = false;
    w.Behavior.Cfg.OrderKind = 0;
    w.Open(TwoSentences());
    w.Key(TDrillKey::F4);
    w.Tick();
    w.EndSound(false);
    EXPECT_EQ(w.View.Pane(TPane::M2), "Я иду домой");
}

TEST(DrillCycle, RepeatAskedForLetsTheClockRunOtherSoundsDoNot)
{
    TDrillWorld w("6");
    w.Open(TwoSentences());
    w.Key(TDrillKey::F4);
    w.ToThinking();
    ASSERT_EQ(w.Drill->ThinkLeft(), 5);
    w.Sound.Playing = true;
    w.Sound.Kind = TSoundKind::Russian;
    w.Tick();
    EXPECT_EQ(w.Drill->ThinkLeft(), 5);
    w.Sound.Kind = TSoundKind::RussianRepeat;
    w.Tick();
    w.Sound.Kind = TSoundKind::EnglishRepeat;
    w.Tick();
    EXPECT_EQ(w.Drill->ThinkLeft(), 3);
}

// Which text M2 and M3 get, by the settings and the sounds at hand.
struct TPaneCase
{
    const char* Name;
    bool TranslRE;
    bool ShowR, ShowE, UseRWav, UseEWav;
    bool HasRu, HasEn;   // lesson flags
    bool RuFile, EnFile; // whether the sound plays
    const char* M2;
    const char* M3;
};

class DrillPanes : public ::testing::TestWithParam<TPaneCase>
{
};

TEST_P(DrillPanes, SourceAndTranslation)
{
    const TPaneCase& c = GetParam();
    TDrillWorld w("6");
    TBehaviorCfg& cfg = w.Behavior.Cfg;
    cfg.TranslRE = c.TranslRE;
    cfg.ShowRText = c.ShowR;
    cfg.ShowEText = c.ShowE;
    cfg.UseRWav = c.UseRWav;
    cfg.UseEWav = c.UseEWav;
    if (!c.RuFile)
        w.Sound.Missing.insert(TSoundKind::Russian);
    if (!c.EnFile)
        w.Sound.Missing.insert(TSoundKind::English);
    w.Open({{"к", "Русский", "English"}}, false, c.HasRu, c.HasEn);
    w.Key(TDrillKey::F4);
    w.ToThinking();
    EXPECT_EQ(w.View.Pane(TPane::M2), c.M2);
    w.Key(TDrillKey::F5);
    EXPECT_EQ(w.View.Pane(TPane::M3), c.M3);
    EXPECT_EQ(w.View.Pane(TPane::MTranscription), "");
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DrillPanes,
    ::testing::Values(TPaneCase{"AllOn", true, true, true, true, true, true, true, true, true,
                                "Русский", "English"},
                      TPaneCase{"SoundsOnlyPlayed", true, false, false, true, true, true, true,
                                true, true, "[Press key to continue]", "[Press key to continue]"},
                      // No Russian audio in the lesson: nothing tried, nothing shown.
                      TPaneCase{"NoRuAudioFlag", true, false, true, true, true, false, true, true,
                                true, "[Press key to continue]", "English"},
                      // The English sound was tried and did not play: the text is shown.
                      TPaneCase{"EnFileMissing", true, true, false, true, true, true, true, true,
                                false, "Русский", "English"},
                      // The translation ignores the lesson's audio flag.
                      TPaneCase{"NoEnFlagButFilePlays", true, true, false, true, true, true, false,
                                true, true, "Русский", "[Press key to continue]"},
                      TPaneCase{"RuFileMissingShowsText", true, false, true, true, true, true, true,
                                false, true, "Русский", "English"},
                      // A translation whose sound is off and text hidden is shown all the same.
                      TPaneCase{"TranslationNeitherSoundNorText", true, true, false, true, false,
                                true, true, true, true, "Русский", "English"},
                      TPaneCase{"EnglishToRussian", false, true, true, true, true, true, true, true,
                                true, "English", "Русский"},
                      TPaneCase{"EnToRuSoundsOnly", false, false, false, true, true, true, true,
                                true, true, "[Press key to continue]", "[Press key to continue]"},
                      TPaneCase{"EnToRuNoEnFlag", false, false, false, true, true, true, false,
                                true, true, "[Press key to continue]", "[Press key to continue]"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A lesson without recordings, drilled with speech: the source is tried (the
// sound service speaks it) and heard before anything shows.
TEST(DrillCycle, SpeechTriesTheSourceOfALessonWithoutRecordings)
{
    for (bool speech : {false, true}) {
        TDrillWorld w("6");
        w.Behavior.Cfg.ShowRText = false;
        w.Behavior.Cfg.UseSpeech = speech;
        w.Open({{"к", "Русский", "English"}}, true, false, false);
        w.Key(TDrillKey::F4);
        EXPECT_EQ(w.Sound.Speech, speech);
        // Nothing shows before the sentence has been heard.
        if (speech) {
            EXPECT_EQ(w.View.Pane(TPane::M2), "");
        }
        w.ToThinking();
        EXPECT_EQ(w.View.Pane(TPane::M2), "[Press key to continue]");
        EXPECT_EQ(std::count(w.Trace.begin(), w.Trace.end(), "play 2 wait"), speech ? 1 : 0);
    }
}

TEST(DrillCycle, WordsLessonHasNoLeadInAndShowsTheTranscription)
{
    TDrillWorld w("6");
    w.Open({{"[haus]", "дом", "house"}}, true);
    w.Trace.clear();
    w.Key(TDrillKey::F4);
    EXPECT_EQ(w.Drill->Phase(), TPhase::LeadIn); // until the source sound has been heard
    EXPECT_EQ(w.Trace.back(), "play 2 wait");
    w.PlayOut();
    EXPECT_EQ(w.Drill->Phase(), TPhase::Thinking);
    EXPECT_EQ(w.View.Pane(TPane::M1), "");
    EXPECT_EQ(w.Drill->ThinkLeft(), 6); // no tick has counted yet
    w.Key(TDrillKey::F5);
    EXPECT_EQ(w.View.Pane(TPane::M3), "house");
    EXPECT_EQ(w.View.Pane(TPane::MTranscription), "[haus]");
}

TEST(DrillCycle, BudgetOfOneSecond)
{
    // Ordinary lesson: revealed as time up in the very tick that presents it.
    TDrillWorld ordinary("1");
    ordinary.Open(Numbered(2));
    ordinary.Key(TDrillKey::F4);
    ordinary.Tick();
    ordinary.EndSound();
    ordinary.EndSound();
    EXPECT_EQ(ordinary.Drill->Phase(), TPhase::Revealed);
    EXPECT_EQ(ordinary.Trace.back(), "play 1 wait");

    // Words lesson: one second after it is presented.
    TDrillWorld words("1");
    words.Open(Numbered(2), true);
    words.Key(TDrillKey::F4);
    words.PlayOut();
    EXPECT_EQ(words.Drill->Phase(), TPhase::Thinking);
    words.Tick();
    EXPECT_EQ(words.Drill->Phase(), TPhase::Revealed);
}

TEST(DrillCycle, UseTimeOff)
{
    TDrillWorld w("6");
    w.Behavior.Cfg.UseTime = false;
    w.Open(Numbered(2));
    w.Key(TDrillKey::F4);
    w.ToThinking();
    for (int i = 0; i < 20; ++i)
        w.Tick();
    EXPECT_EQ(w.Drill->Phase(), TPhase::Thinking);
    EXPECT_EQ(w.Drill->ThinkLeft(), 6);
    EXPECT_EQ(w.View.GaugePos, 0);
    w.AnswerRight();
    EXPECT_EQ(w.Lesson.RightTotal, 1);

    // A budget of 0 (norm 1, Speed 0) reveals as time up at the first tick.
    TDrillWorld zero("1");
    zero.Behavior.Cfg.UseTime = false;
    zero.Behavior.Cfg.Speed = 0;
    zero.Open(Numbered(2), true);
    zero.Key(TDrillKey::F4);
    zero.PlayOut();
    EXPECT_EQ(zero.Drill->ThinkLeft(), 0);
    zero.Tick();
    EXPECT_EQ(zero.Drill->Phase(), TPhase::Revealed);
    EXPECT_EQ(zero.Trace.back(), "play 1 wait");
}

struct TBudgetCase
{
    int Norm, Speed;
    bool Typed;
    int Budget;
};

class DrillBudget : public ::testing::TestWithParam<TBudgetCase>
{
};

TEST_P(DrillBudget, NormTimesFactorDivTenTripledForTyping)
{
    const TBudgetCase& c = GetParam();
    EXPECT_EQ(ThinkBudget(c.Norm, c.Speed, c.Typed), c.Budget);
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, DrillBudget,
    ::testing::Values(TBudgetCase{7, 5, false, 7}, TBudgetCase{7, 0, false, 3},
                      TBudgetCase{7, 20, false, 17}, TBudgetCase{7, 5, true, 21},
                      // tripled after the division: 7 * 6 div 10 = 4, then 12 (not 12.6)
                      TBudgetCase{7, 1, true, 12}, TBudgetCase{1, 0, false, 0},
                      TBudgetCase{1, 5, false, 1},
                      // hand-edited: a negative norm acts as 0, a huge one is capped
                      TBudgetCase{-6, 5, false, 0}, TBudgetCase{-6, 5, true, 0},
                      TBudgetCase{7, -20, false, 0}, TBudgetCase{2000000000, 20, true, 2147483647}),
    [](const auto& info) {
        const TBudgetCase& c = info.param;
        return test::JoinedName("Norm", c.Norm, "Speed", c.Speed, c.Typed ? "Typed" : "Spoken");
    });

TEST(DrillCycle, BudgetReachesTheGaugeThroughTheTimeTable)
{
    // Two-word sentences take the second norm; typed answers triple it.
    TDrillWorld w("4\r\n7\r\n9");
    w.Behavior.Cfg.UseTextInput = true;
    w.Open({{"к", "два слова", "two words"}});
    w.Key(TDrillKey::F4);
    w.Tick();
    EXPECT_EQ(w.View.GaugeMax, 21);
}

TEST(DrillCycle, NegativeNormRevealsAsTimeUpAtTheFirstTick)
{
    TDrillWorld w("-5");
    w.Open(Numbered(2), true);
    w.Key(TDrillKey::F4);
    w.PlayOut();
    EXPECT_EQ(w.View.GaugeMax, 0);
    EXPECT_EQ(w.Drill->ThinkLeft(), 0);
    w.Tick();
    EXPECT_EQ(w.Drill->Phase(), TPhase::Revealed);
    w.PlayOut();
    EXPECT_EQ(w.View.Pane(TPane::MHelpMsg), HelpTimeUp);
}

TEST(DrillCycle, F8WhileThinkingCountsWrongAtOnce)
{
    TDrillWorld w("6");
    w.Behavior.Cfg.OrderKind = 0;
    w.Behavior.Cfg.MistakeChange = -1;
    w.Open(TwoSentences());
    w.Key(TDrillKey::F4);
    w.ToThinking();
    w.Trace.clear();
    w.Key(TDrillKey::F8);
    EXPECT_EQ(w.Lesson.MistakeTotal, 1);
    EXPECT_EQ(w.Drill->Phase(), TPhase::LeadIn); // the next question began
    EXPECT_EQ(w.View.Pane(TPane::M3), "");       // the translation is not left on screen
    EXPECT_EQ(w.View.Pane(TPane::M1), "");       // the second question has no comment
    EXPECT_EQ(w.Lesson.CurrentIndex, 1);
}

TEST(DrillCycle, TypingModeKeysAndCaptions)
{
    TDrillWorld w("6");
    w.Behavior.Cfg.UseTextInput = true;
    w.Open(TwoSentences());
    w.Key(TDrillKey::F4);
    EXPECT_EQ(w.View.Captions[TKeyCaption::ShowTranslation], "Space | F5");
    w.Trace.clear();
    w.ToThinking();
    const auto focus = std::find(w.Trace.begin(), w.Trace.end(), "focus input");
    const auto caption = std::find(w.Trace.begin(), w.Trace.end(), "key 0: F5");
    EXPECT_TRUE(focus < caption && caption != w.Trace.end());
    EXPECT_EQ(w.View.Pane(TPane::MHelpMsg), HelpTyped);
    EXPECT_EQ(w.View.Captions[TKeyCaption::ShowTranslation], "F5");
    EXPECT_EQ(w.View.Captions[TKeyCaption::PupilChooseRight], "F5");
    EXPECT_EQ(w.View.Captions[TKeyCaption::PupilChooseWrong], "F8");
    EXPECT_FALSE(w.Key(TDrillKey::Space));
    EXPECT_FALSE(w.Key(TDrillKey::Ctrl));
    EXPECT_EQ(w.Drill->Phase(), TPhase::Thinking);
    EXPECT_TRUE(w.Key(TDrillKey::F5));
    EXPECT_EQ(w.View.Captions[TKeyCaption::PupilChooseWrong], "Ctrl  |  F8");
    w.PauseTick();
    EXPECT_TRUE(w.Key(TDrillKey::Space)); // a verdict key again
    EXPECT_EQ(w.Lesson.RightTotal, 1);
}

TEST(DrillCycle, ShowHelpMsgOffLeavesTheHelpPaneEmpty)
{
    TDrillWorld w("6");
    w.View.Flags.ShowHelpMsg = false;
    w.Open({{"к", "р", "e"}});
    w.Key(TDrillKey::F4);
    w.ToThinking();
    w.Key(TDrillKey::F5);
    w.PauseTick();
    w.Key(TDrillKey::F5); // the run ends
    ASSERT_EQ(w.Lesson.RunState, 2);
    for (const std::string& entry : w.Trace)
        if (entry.rfind("MHelpMsg: ", 0) == 0) {
            EXPECT_EQ(entry, "MHelpMsg: ");
        }
}

TEST(DrillCycle, Escape)
{
    TDrillWorld w("6");
    EXPECT_FALSE(w.Key(TDrillKey::Esc));
    EXPECT_TRUE(w.Trace.empty());
    w.View.Flags.UseEscapeForExit = true;
    EXPECT_TRUE(w.Key(TDrillKey::Esc));
    EXPECT_EQ(w.Trace, TTrace{"close"});
}

// Every row of the transition table: where a phase goes on each event.
enum class TEvent
{
    Tick,
    PauseTick,
    Right,
    Wrong,
    Start
};

struct TTransitionCase
{
    const char* Name;
    TPhase From;
    TEvent Event;
    TPhase To;
    int Verdicts; // right + wrong verdicts counted by the event
};

class DrillTransitions : public ::testing::TestWithParam<TTransitionCase>
{
};

void Reach(TDrillWorld& w, TPhase phase)
{
    if (phase == TPhase::Idle)
        return; // just opened
    w.Key(TDrillKey::F4);
    if (phase == TPhase::LeadIn)
        return;
    w.ToThinking();
    if (phase == TPhase::Thinking)
        return;
    w.Key(TDrillKey::F5);
    if (phase == TPhase::Revealed)
        return;
    w.PauseTick();
}

TEST_P(DrillTransitions, Row)
{
    const TTransitionCase& c = GetParam();
    for (TEvent via : {c.Event}) {
        TDrillWorld w("6");
        w.Open(Numbered(3));
        Reach(w, c.From);
        ASSERT_EQ(w.Drill->Phase(), c.From);
        const int before = w.Lesson.RightTotal + w.Lesson.MistakeTotal;
        switch (via) {
        case TEvent::Tick:
            w.Tick();
            break;
        case TEvent::PauseTick:
            w.PauseTick();
            break;
        case TEvent::Right:
            w.Key(TDrillKey::F5);
            break;
        case TEvent::Wrong:
            w.Key(TDrillKey::F8);
            break;
        case TEvent::Start:
            w.Key(TDrillKey::F4);
            break;
        }
        w.PlayOut(); // the sounds the event started are heard
        EXPECT_EQ(w.Drill->Phase(), c.To);
        EXPECT_EQ(w.Lesson.RightTotal + w.Lesson.MistakeTotal - before, c.Verdicts);
    }
}

// The same through the other keys and the buttons: Space and the right button
// act as F5, Ctrl and the wrong button as F8.
TEST(DrillTransitionsAlike, KeysAndButtonsActTheSame)
{
    for (int variant = 0; variant < 3; ++variant) {
        TDrillWorld w("6");
        w.Open(Numbered(3));
        w.Key(TDrillKey::F4);
        w.ToThinking();
        auto right = [&] {
            if (variant == 0)
                w.Key(TDrillKey::F5);
            else if (variant == 1)
                w.Key(TDrillKey::Space);
            else
                w.Drill->ShowTranslationOrRightClick();
        };
        auto wrong = [&] {
            if (variant == 0)
                w.Key(TDrillKey::F8);
            else if (variant == 1)
                w.Key(TDrillKey::Ctrl);
            else
                w.Drill->WrongClick();
        };
        right();
        EXPECT_EQ(w.Drill->Phase(), TPhase::Revealed);
        right(); // ignored in the pause
        EXPECT_EQ(w.Drill->Phase(), TPhase::Revealed);
        w.PauseTick();
        right();
        EXPECT_EQ(w.Lesson.RightTotal, 1);
        w.ToThinking();
        wrong();
        EXPECT_EQ(w.Lesson.MistakeTotal, 1);
        w.Drill->StartLesson();
        EXPECT_EQ(w.Lesson.MistakeTotal + w.Lesson.RightTotal, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DrillTransitions,
    ::testing::Values(
        TTransitionCase{"LeadInTick", TPhase::LeadIn, TEvent::Tick, TPhase::Thinking, 0},
        TTransitionCase{"ThinkingTick", TPhase::Thinking, TEvent::Tick, TPhase::Thinking, 0},
        TTransitionCase{"ThinkingRight", TPhase::Thinking, TEvent::Right, TPhase::Revealed, 0},
        TTransitionCase{"ThinkingWrong", TPhase::Thinking, TEvent::Wrong, TPhase::LeadIn, 1},
        TTransitionCase{"RevealedPause", TPhase::Revealed, TEvent::PauseTick, TPhase::Judging, 0},
        TTransitionCase{"RevealedRight", TPhase::Revealed, TEvent::Right, TPhase::Revealed, 0},
        TTransitionCase{"RevealedWrong", TPhase::Revealed, TEvent::Wrong, TPhase::LeadIn, 1},
        TTransitionCase{"JudgingRight", TPhase::Judging, TEvent::Right, TPhase::LeadIn, 1},
        TTransitionCase{"JudgingWrong", TPhase::Judging, TEvent::Wrong, TPhase::LeadIn, 1},
        TTransitionCase{"IdleRight", TPhase::Idle, TEvent::Right, TPhase::Idle, 0},
        TTransitionCase{"IdleWrong", TPhase::Idle, TEvent::Wrong, TPhase::Idle, 0},
        TTransitionCase{"LeadInRight", TPhase::LeadIn, TEvent::Right, TPhase::LeadIn, 0},
        TTransitionCase{"LeadInWrong", TPhase::LeadIn, TEvent::Wrong, TPhase::LeadIn, 0},
        TTransitionCase{"LeadInPause", TPhase::LeadIn, TEvent::PauseTick, TPhase::LeadIn, 0},
        TTransitionCase{"ThinkingStart", TPhase::Thinking, TEvent::Start, TPhase::LeadIn, 0},
        TTransitionCase{"JudgingStart", TPhase::Judging, TEvent::Start, TPhase::LeadIn, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace korvan::test

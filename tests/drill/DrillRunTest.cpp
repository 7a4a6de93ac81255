// Opening a lesson, starting and restarting a run, and the end of a run.

#include <gtest/gtest.h>

#include "DrillWorld.h"
#include "util/Errors.h"

#include <algorithm>
#include <filesystem>

namespace korvan::test {
namespace {

const TTrace ResetTrace{"timer 1s off",  "timer pause off",  "stop sound", "rec stop",
                        "playback stop", "MInfo: ",          "M1: ",       "M2: ",
                        "M3: ",          "MTranscription: ", "MInput: ",   "MHelpMsg: ",
                        "gauge 0"};
const TTrace CaptionTrace{"key 0: Space | F5", "key 1: Space | F5", "key 2: Ctrl  |  F8"};

TTrace Join(std::initializer_list<TTrace> parts)
{
    TTrace all;
    for (const TTrace& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(DrillOpen, ALessonIsOpenedNotStarted)
{
    TDrillWorld w;
    const std::string path = w.Dir.Write("a.sl2", LessonFile(Numbered(2)));
    w.Drill->OpenLesson(path);
    EXPECT_EQ(
        w.Trace,
        Join({ResetTrace,
              CaptionTrace,
              {"repaint", "total: Предложений: --", "current: Повторов текущего: --", "layout",
               "place buttons", "recent " + path, "caption", "total: Предложений: 2",
               "MInfo: \r\nУрок: Тест\r\n\r\nДля начала работы с уроком нажмите клавишу [F4] "
               "или кнопку \"Начать урок\"."}}));
    EXPECT_EQ(w.Lesson.RunState, 0);
    EXPECT_EQ(w.Lesson.Questions[0].TimeNorm, 6);
    ASSERT_EQ(w.LogLines().size(), 1u);
    EXPECT_EQ(w.LogLines()[0], "07/12/2026  9:05:07  Открыт урок: " + path);
}

TEST(DrillOpen, ACyrillicPathIsLoggedAndReportedAs1251Text)
{
    TDrillWorld w;
    std::filesystem::create_directory(w.Dir.File("Уроки"));
    const std::string lesson = w.Dir.Write("Уроки/Урок 1.sl2", LessonFile(Numbered(1)));
    w.Drill->OpenLesson(lesson);
    ASSERT_EQ(w.LogLines().size(), 1u);
    EXPECT_EQ(w.LogLines()[0], "07/12/2026  9:05:07  Открыт урок: " + lesson);

    const std::string bad = w.Dir.Write("Уроки/Плохой.sl2", "just text\r\n");
    w.Drill->OpenLesson(bad);
    EXPECT_EQ(w.Trace.back(), "MInfo: \r\nВыберите урок с помощью кнопки \"Урок\".");
    EXPECT_NE(std::find(w.Trace.begin(), w.Trace.end(),
                        "msg Файл \"" + bad +
                            "\" либо имеет неверный формат, либо в уроке нет вопросов."),
              w.Trace.end());
}

TEST(DrillOpen, UntitledLesson)
{
    TDrillWorld w;
    w.Drill->OpenLesson(w.Dir.Write("a.sl2", LessonFile(Numbered(1), false, false, false, "")));
    EXPECT_EQ(w.View.Pane(TPane::MInfo), "\r\nУрок: (без названия)\r\n\r\nДля начала работы с "
                                         "уроком нажмите клавишу [F4] или кнопку \"Начать урок\".");
}

TEST(DrillOpen, AFileThatIsNotALesson)
{
    for (const std::string& content : {std::string("just text\r\n"), LessonFile({}),
                                       std::string("\xEF\xBB\xBF") + LessonFile(Numbered(1))}) {
        TDrillWorld w;
        const std::string path = w.Dir.Write("bad.sl2", content);
        w.Drill->OpenLesson(path);
        const TTrace tail(w.Trace.end() - 2, w.Trace.end());
        EXPECT_EQ(tail, (TTrace{"msg Файл \"" + path +
                                    "\" либо имеет неверный формат, либо в уроке нет вопросов.",
                                "MInfo: \r\nВыберите урок с помощью кнопки \"Урок\"."}));
        w.Trace.clear();
        EXPECT_TRUE(w.Key(TDrillKey::F4)); // handled, does nothing
        EXPECT_TRUE(w.Trace.empty());
        EXPECT_EQ(w.Lesson.RunState, 0);
        EXPECT_TRUE(w.LogLines().empty());
    }
}

TEST(DrillOpen, AReadFailurePassesToTheCallerWithTheLessonCleared)
{
    TDrillWorld w;
    w.Open(Numbered(3));
    w.Key(TDrillKey::F4);
    ASSERT_EQ(w.Lesson.RunState, 1);
    EXPECT_THROW(w.Drill->OpenLesson(w.Dir.File("gone.sl2")), TIoError);
    EXPECT_FALSE(w.Lesson.Loaded);
    EXPECT_EQ(w.Lesson.RunState, 0);
    EXPECT_EQ(w.Lesson.Current, nullptr);
    EXPECT_EQ(w.Drill->Phase(), TPhase::Idle);
    EXPECT_EQ(w.View.Labels[TCounterLabel::ShowMoreTotal], "Предложений: --");
    w.Trace.clear();
    w.Key(TDrillKey::F4);
    EXPECT_TRUE(w.Trace.empty());
}

TEST(DrillOpen, OpeningDuringAWaitAbandonsItAndTheQueuedInput)
{
    TDrillWorld w;
    w.Open(Numbered(3));
    w.Key(TDrillKey::F4);
    w.Tick(); // the source sound plays
    w.Key(TDrillKey::F5);
    ASSERT_TRUE(w.Drill->Waiting());
    w.Open(Numbered(2));
    EXPECT_FALSE(w.Drill->Waiting());
    EXPECT_EQ(w.Drill->QueuedInputs(), 0u);
    EXPECT_FALSE(w.Sound.Awaited);   // stopped
    w.Drill->WaitedSoundEnded(true); // a late notice changes nothing
    EXPECT_TRUE(w.Trace.empty());
}

TEST(DrillStart, F4StartsTheRunInOrder)
{
    TDrillWorld w;
    w.Behavior.Cfg.OrderKind = 0;
    w.Open({{"Ключ", "раз", "one"}, {"", "два", "two"}});
    w.Key(TDrillKey::F4);
    EXPECT_EQ(w.Trace, Join({ResetTrace,
                             {"appearance", "place buttons"},
                             CaptionTrace,
                             ResetTrace,
                             {"repaint", "total: Предложений: 2", "current: Повторов текущего: 1",
                              "M1: Ключ", "timer 1s on"}}));
    EXPECT_EQ(w.Lesson.RunState, 1);
    EXPECT_EQ(w.Lesson.StartTime, w.Clock.Value);
    const auto log = w.LogLines();
    ASSERT_EQ(log.size(), 10u);
    EXPECT_EQ(log[1], "07/12/2026  9:05:07  Запущен урок. Выбраны установки:");
    EXPECT_EQ(log[2], "    Режим: Режим 1");
    EXPECT_EQ(log[9], "    Способ перебора: [по порядку] ");
}

TEST(DrillStart, F4InMidRunRestartsWithFreshCountersTimeAndSettings)
{
    TDrillWorld w;
    w.Open(Numbered(4));
    w.Key(TDrillKey::F4);
    w.AnswerRight();
    w.AnswerWrong();
    ASSERT_EQ(w.Lesson.RightTotal + w.Lesson.MistakeTotal, 2);
    w.Behavior.Cfg.MistakeChange = -1;
    w.Behavior.Cfg.OrderKind = 0;
    w.Behavior.Mode = 1;
    w.Clock.AddSeconds(60);
    w.ToThinking();
    w.Key(TDrillKey::F4);
    EXPECT_EQ(w.Lesson.RightTotal, 0);
    EXPECT_EQ(w.Lesson.MistakeTotal, 0);
    EXPECT_EQ(w.Lesson.CleanCount, 0);
    EXPECT_EQ(w.Lesson.PendingTotal, 4);
    EXPECT_EQ(w.Lesson.UnfinishedCount, 4);
    for (const TQuestion& q : w.Lesson.Questions)
        EXPECT_EQ(q.RightCount + q.MistakeCount, 0);
    EXPECT_EQ(w.Lesson.StartTime, w.Clock.Value);
    EXPECT_EQ(w.Drill->Cfg().MistakeChange, -1);
    EXPECT_EQ(w.Drill->ModeIndex(), 1);
    EXPECT_EQ(w.Lesson.CurrentIndex, 0);
    EXPECT_EQ(w.LogLines().back(), "    Способ перебора: [по порядку] ");
    EXPECT_EQ(w.LogLines().end()[-8], "    Режим: Экзамен");
}

TEST(DrillStart, AChangedConfigurationNeverTouchesTheRunningDrill)
{
    TDrillWorld w;
    w.Behavior.Cfg.OrderKind = 0;
    w.Behavior.Cfg.MistakeChange = 1;
    w.Open(Numbered(3));
    w.Key(TDrillKey::F4);
    const TBehaviorCfg taken = w.Drill->Cfg();
    w.Behavior.Cfg.UseTextInput = true;
    w.Behavior.Cfg.MistakeChange = -1;
    w.Behavior.Cfg.UseTime = false;
    w.Behavior.Mode = 1;
    w.AnswerWrong();
    EXPECT_EQ(w.Drill->Cfg(), taken);
    EXPECT_EQ(w.Drill->ModeIndex(), 0);
    EXPECT_EQ(w.Lesson.Current->RepeatsLeft, 2); // still +1
    w.ToThinking();
    EXPECT_TRUE(w.Key(TDrillKey::Space)); // spoken answers still
}

TEST(DrillStart, HandEditedSettingsTakeEffectAsMadeSound)
{
    TDrillWorld w;
    w.Behavior.Cfg.UseAtOnce = 0;
    w.Behavior.Cfg.MistakeChange = -4;
    w.Behavior.Cfg.OrderKind = 9;
    w.Open(Numbered(3));
    w.Key(TDrillKey::F4);
    EXPECT_EQ(w.Lesson.PendingTotal, 1); // one question in play, not none
    // The log shows what the run uses.
    const auto log = w.LogLines();
    EXPECT_EQ(log.end()[-2], "    При неверном переводе: [больше не показывать]");
    EXPECT_EQ(log.end()[-1], "    Способ перебора: [случайно часть] [одновременно 1]");
    int verdicts = 0;
    while (w.Lesson.RunState == 1 && verdicts++ < 10)
        w.AnswerWrong();
    EXPECT_EQ(w.Lesson.RunState, 2);
    EXPECT_EQ(verdicts, 3);
}

TEST(DrillFinish, TheEndOfARun)
{
    TDrillWorld w;
    w.Open({{"к", "слово", "word"}});
    w.Key(TDrillKey::F4);
    w.ToThinking();
    w.Key(TDrillKey::F5);
    w.PauseTick();
    w.Trace.clear();
    w.Key(TDrillKey::F5);
    const std::string results = "В 1 предложениях допущено 0 ошиб. Оценка 100 балл(ов).";
    // 1.5 s for one verdict: the average 1.5 goes to the even 2.
    const std::string time = "Затрачено времени 0:00:01, в среднем 2 сек. на вопрос.";
    EXPECT_EQ(w.TraceFrom("repaint"),
              (TTrace{"repaint", "total: Предложений: 0", "current: Повторов текущего: --",
                      "layout", "place buttons",
                      "MInfo: \r\nGold grade.\r\n\r\n" + results + "\r\n" + time, "offer save on",
                      "MHelpMsg: Вы можете повторить этот урок нажав [F4] или выбрать другой. Это "
                      "окно подсказок отключается в диалоговом окне [Настройка] > [Внешний вид "
                      "программы ...]"}));
    EXPECT_EQ(w.Lesson.RunState, 2);
    EXPECT_EQ(w.Drill->Phase(), TPhase::Idle);
    const auto log = w.LogLines();
    const std::vector<std::string> tail(log.end() - 8, log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "07/12/2026  9:05:08  Урок завершен. Результаты:", "    Gold grade.",
                        "    " + results, "    " + time, "    Статистика:",
                        "      Без ошибок отвечено        1", "      С одной ошибкой            0",
                        "      Более чем с одной ошибкой  0"}));

    // Verdict keys do nothing now; the counters stay for the manual save.
    w.Trace.clear();
    for (TDrillKey key : {TDrillKey::F5, TDrillKey::F8, TDrillKey::Space, TDrillKey::Ctrl})
        w.Key(key);
    w.Drill->TimerM1AndM2Tick();
    EXPECT_TRUE(w.Trace.empty());
    EXPECT_EQ(w.Lesson.Questions[0].RightCount, 1);
    // F4 starts afresh.
    w.Key(TDrillKey::F4);
    EXPECT_EQ(w.Lesson.RunState, 1);
    EXPECT_EQ(w.Lesson.RightTotal, 0);
}

TEST(DrillFinish, MistakesAreListedWithTheSourceText)
{
    TDrillWorld w;
    w.Behavior.Cfg.TranslRE = false;
    w.Behavior.Cfg.SaveDiff = false;
    w.View.Flags.ShowHelpMsg = false;
    w.Open({{"к", "слово", "word"}});
    w.Key(TDrillKey::F4);
    w.AnswerWrong();
    w.AnswerWrong();
    w.AnswerWrong();
    w.Trace.clear();
    w.AnswerRight();
    EXPECT_EQ(w.Trace.back(), "offer save off");
    const auto log = w.LogLines();
    EXPECT_EQ(log.end()[-2], "    Наибольшее затруднение вызвали вопросы (более одной ошибки): ");
    EXPECT_EQ(log.back(), "      3 ош. | word");
    // 1 sentence, 3 mistakes: max(1 - 3, 1 / 4.9) = 0.204
    EXPECT_EQ(w.View.Pane(TPane::MInfo).substr(0, 11), "\r\nUngraded.");
}

TEST(DrillErrors, AFailedLogWritePassesToTheCallerAndQueuedInputSurvives)
{
    TDrillWorld w;
    w.Open(Numbered(2));
    w.Key(TDrillKey::F4);
    w.Tick(); // waiting for the source sound
    w.Key(TDrillKey::F4);
    w.Key(TDrillKey::F5);
    w.Log.Close();
    EXPECT_THROW(w.PlayOut(), TIoError); // the replayed F4 could not log
    EXPECT_EQ(w.Lesson.RunState, 1);
    EXPECT_EQ(w.Drill->Phase(), TPhase::Idle);
    EXPECT_EQ(w.Drill->QueuedInputs(), 1u); // F5 still to come
    ExpectInvariants(w.Lesson);
    w.Log.Open(w.Dir.File("Log.txt"));
    w.Trace.clear();
    w.Key(TDrillKey::F4); // F5 first (nothing in Idle), then the restart
    EXPECT_EQ(w.Drill->QueuedInputs(), 0u);
    EXPECT_EQ(w.Drill->Phase(), TPhase::LeadIn);
}

} // namespace
} // namespace korvan::test

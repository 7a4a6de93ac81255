// What the engine asks a screen reader to say during a run.

#include <gtest/gtest.h>

#include "DrillWorld.h"

namespace korvan::test {
namespace {

TEST(DrillAnnounce, ARunAsHeard)
{
    TDrillWorld w("6");
    w.Behavior.Cfg.OrderKind = 0;
    w.Behavior.Cfg.MistakeChange = -1;
    w.Open({{"Ключ", "Я иду домой", "I am going home"}, {"", "Он спит", "He sleeps"}});
    const TTrace opened = w.View.Said; // Open clears only the trace
    w.View.Said.clear();
    w.Key(TDrillKey::F4);
    w.AnswerRight();
    // The second question has no comment; its time runs out.
    w.ToThinking();
    for (int i = 0; i < 6; ++i)
        w.Tick();
    w.PlayOut();
    w.PauseTick();
    w.Key(TDrillKey::F5); // right after the time ran out counts as wrong
    ASSERT_EQ(w.Lesson.RunState, 2);

    EXPECT_EQ(opened, (TTrace{"\r\nУрок: Тест\r\n\r\nДля начала работы с уроком нажмите клавишу "
                              "[F4] или кнопку \"Начать урок\"."}));
    const std::string results = "\r\nUngraded.\r\n\r\nВ 2 предложениях допущено 1 ошиб. Оценка 50 "
                                "балл(ов).\r\nЗатрачено времени 0:00:09, в среднем 4 сек. на "
                                "вопрос.";
    EXPECT_EQ(w.View.Said, (TTrace{"Ключ", "Я иду домой", "I am going home", "Правильно.",
                                   "Он спит", "Время вышло. He sleeps", "Ошибка.", results}));
}

TEST(DrillAnnounce, TheSentenceIsSaidOnceTheStartSignalIsOver)
{
    TDrillWorld w("6");
    w.Open({{"", "Я иду домой", "I am going home"}});
    w.Key(TDrillKey::F4);
    w.Tick();
    w.EndSound(); // the Russian recording; the text shows, the signal plays
    EXPECT_EQ(w.View.Pane(TPane::M2), "Я иду домой");
    EXPECT_EQ(w.View.Said.back(), "\r\nУрок: Тест\r\n\r\nДля начала работы с уроком нажмите "
                                  "клавишу [F4] или кнопку \"Начать урок\".");
    w.EndSound();
    EXPECT_EQ(w.View.Said.back(), "Я иду домой");
}

TEST(DrillAnnounce, TextsNotShownAreNotSaid)
{
    TDrillWorld w("1");
    w.Behavior.Cfg.ShowRText = false;
    w.Behavior.Cfg.ShowEText = false;
    w.Open({{"", "Я иду домой", "I am going home"}});
    w.View.Said.clear();
    w.Key(TDrillKey::F4);
    w.ToThinking(); // the budget of 1 second is spent in the presenting tick
    w.PlayOut();
    // Heard from the recordings only: the time-up stands alone.
    EXPECT_EQ(w.View.Said, (TTrace{"Время вышло."}));
}

} // namespace
} // namespace korvan::test

// Points, grades, the result lines and the log entries of the drill.

#include <gtest/gtest.h>

#include "../TestNames.h"
#include "DrillWorld.h"
#include "drill/DrillLog.h"
#include "drill/Grade.h"

namespace korvan::test {
namespace {

std::string U8Line(const TPhrase& line)
{
    return U8(RussianCp1251({line}));
}

struct TGradeCase
{
    int N, M, MistakeChange;
    int Points;
    const char* Name;
};

class Grades : public ::testing::TestWithParam<TGradeCase>
{
};

TEST_P(Grades, WorkedValues)
{
    const TGradeCase& c = GetParam();
    const TGrade g = ComputeGrade(c.N, c.M, c.MistakeChange);
    EXPECT_EQ(g.Points, c.Points);
    EXPECT_EQ(g.Name, c.Name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Grades,
    ::testing::Values(
        TGradeCase{10, 0, 0, 100, "Gold grade."}, TGradeCase{20, 1, 0, 95, "Silver grade."},
        TGradeCase{10, 1, 0, 90, "Pass with merit."}, TGradeCase{10, 2, 0, 80, "Pass."},
        TGradeCase{10, 3, 1, 72, "Narrow fail."}, TGradeCase{10, 5, 0, 61, "Ungraded."},
        TGradeCase{8, 1, -1, 88, "Pass with merit."}, // 87.5 to the even 88
        TGradeCase{10, 10, -1, 0, "Ungraded."},
        TGradeCase{10, 20, 1, 28, "Ungraded."}, // 1 - m/n below 0
        // exact halves: 99.5 -> 100, 98.5 -> 98 (binary floats miss these)
        TGradeCase{200, 1, -1, 100, "Gold grade."}, TGradeCase{200, 3, -1, 98, "Gold grade."},
        TGradeCase{40, 1, -1, 98, "Gold grade."},      // 97.5 -> 98
        TGradeCase{40, 3, -1, 92, "Pass with merit."}, // 92.5 -> 92
        TGradeCase{4, 1, -1, 75, "Pass."}, TGradeCase{100, 26, -1, 74, "Narrow fail."},
        TGradeCase{100, 31, -1, 69, "Ungraded."}, TGradeCase{100, 7, -1, 93, "Silver grade."},
        TGradeCase{100, 3, -1, 97, "Silver grade."},
        TGradeCase{100, 15, -1, 85, "Pass with merit."}, TGradeCase{100, 16, -1, 84, "Pass."}),
    [](const auto& info) {
        const TGradeCase& c = info.param;
        return test::JoinedName("N", c.N, "M", c.M, "Change", c.MistakeChange);
    });

TEST(Grade, RoundHalfEven)
{
    EXPECT_EQ(DivRoundHalfEven(5, 2), 2);
    EXPECT_EQ(DivRoundHalfEven(7, 2), 4);
    EXPECT_EQ(DivRoundHalfEven(-5, 2), -2);
    EXPECT_EQ(DivRoundHalfEven(-7, 2), -4);
    EXPECT_EQ(DivRoundHalfEven(10, 4), 2);
    EXPECT_EQ(DivRoundHalfEven(11, 4), 3);
    EXPECT_EQ(DivRoundHalfEven(9, 4), 2);
}

TEST(Grade, AverageIsOverVerdictsHalvesToEven)
{
    EXPECT_EQ(AverageSeconds(10000, 4), 2); // 2.5
    EXPECT_EQ(AverageSeconds(14000, 4), 4); // 3.5
    EXPECT_EQ(AverageSeconds(10001, 4), 3);
    EXPECT_EQ(AverageSeconds(60000, 12), 5);
}

TEST(Grade, ResultAndTimeLines)
{
    EXPECT_EQ(U8Line(ResultsLine(10, 2, 80)),
              "В 10 предложениях допущено 2 ошиб. Оценка 80 балл(ов).");
    // 2 h 3 min 4 s over 13 verdicts: 7384 / 13 = 568.0
    EXPECT_EQ(U8Line(TimeLine((2 * 3600 + 3 * 60 + 4) * 1000, 13)),
              "Затрачено времени 2:03:04, в среднем 568 сек. на вопрос.");
    // More than a day: the time shows the part beyond whole days, the average
    // uses the whole of it (90000 s / 10 verdicts).
    EXPECT_EQ(U8Line(TimeLine(25LL * 3600 * 1000, 10)),
              "Затрачено времени 1:00:00, в среднем 9000 сек. на вопрос.");
}

TEST(Grade, ElapsedTimeIsWholeMillisecondsAndNeverNegative)
{
    const TDateTime start = EncodeDateTime({2026, 12, 7, 9, 0, 0, 0});
    EXPECT_EQ(ElapsedMilliseconds(start, start + 10.0 / 86400), 10000);
    EXPECT_EQ(ElapsedMilliseconds(start, start - 1.0 / 86400), 0);
}

TEST(DrillLog, SpeedFactor)
{
    EXPECT_EQ(SpeedFactorText(5), "1");
    EXPECT_EQ(SpeedFactorText(0), "0.5");
    EXPECT_EQ(SpeedFactorText(7), "1.2");
    EXPECT_EQ(SpeedFactorText(20), "2.5");
    EXPECT_EQ(SpeedFactorText(15), "2");
    EXPECT_EQ(SpeedFactorText(-10), "-0.5");
}

std::vector<std::string> U8Lines(const std::vector<std::string>& lines)
{
    std::vector<std::string> out;
    for (const std::string& line : lines)
        out.push_back(U8(line));
    return out;
}

TEST(DrillLog, RunSettingsForTheDefaults)
{
    EXPECT_EQ(U8Lines(RunSettingsLines(TBehaviorCfg{}, ToCp1251("Обычный"))),
              (std::vector<std::string>{
                  "Запущен урок. Выбраны установки:",
                  "    Режим: Обычный",
                  "    Показывать текст: RU [Да], EN [Да]",
                  "    Проигрывать звук: RU [Да], EN [Да]",
                  "    Направление перевода: [RU -> EN]",
                  "    Режим перевода: Произносить вслух",
                  "    С учетом времени: [Да] [время * 1 от нормы]",
                  "    При неверном переводе: [показывать еще один раз]",
                  "    Способ перебора: [случайно часть] [одновременно 10]",
              }));
}

TEST(DrillLog, RunSettingsVariants)
{
    TBehaviorCfg cfg;
    cfg.ShowRText = false;
    cfg.UseEWav = false;
    cfg.TranslRE = false;
    cfg.UseTextInput = true;
    cfg.Speed = 7;
    cfg.MistakeChange = -1;
    cfg.OrderKind = 0;
    auto lines = U8Lines(RunSettingsLines(cfg, ""));
    EXPECT_EQ(lines[1], "    Режим: ");
    EXPECT_EQ(lines[2], "    Показывать текст: RU [Нет], EN [Да]");
    EXPECT_EQ(lines[3], "    Проигрывать звук: RU [Да], EN [Нет]");
    EXPECT_EQ(lines[4], "    Направление перевода: [EN -> RU]");
    EXPECT_EQ(lines[5], "    Режим перевода: Набирать на клавиатуре");
    EXPECT_EQ(lines[6], "    С учетом времени: [Да] [время * 1.2 от нормы]");
    EXPECT_EQ(lines[7], "    При неверном переводе: [больше не показывать]");
    EXPECT_EQ(lines[8], "    Способ перебора: [по порядку] ");

    cfg.UseTime = false;
    cfg.MistakeChange = 1;
    cfg.OrderKind = 1;
    lines = U8Lines(RunSettingsLines(cfg, ""));
    EXPECT_EQ(lines[6], "    С учетом времени: [Нет] ");
    EXPECT_EQ(lines[7], "    При неверном переводе: [показывать еще два раза]");
    EXPECT_EQ(lines[8], "    Способ перебора: [случайно все] ");

    cfg.UseTime = true;
    for (auto [speed, factor] : {std::pair{0, "0.5"}, {20, "2.5"}, {5, "1"}}) {
        cfg.Speed = speed;
        EXPECT_EQ(U8Lines(RunSettingsLines(cfg, ""))[6],
                  std::string("    С учетом времени: [Да] [время * ") + factor + " от нормы]");
    }
    cfg.OrderKind = 2;
    cfg.UseAtOnce = 3;
    EXPECT_EQ(U8Lines(RunSettingsLines(cfg, ""))[8],
              "    Способ перебора: [случайно часть] [одновременно 3]");
    EXPECT_EQ(RunSettingsLines(cfg, "").size(), 9u);

    // Speech adds a line after the block, which stays as it was.
    TBehaviorCfg spoken = cfg;
    spoken.UseSpeech = true;
    lines = U8Lines(RunSettingsLines(spoken, ""));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9),
              U8Lines(RunSettingsLines(cfg, "")));
    EXPECT_EQ(lines[9], "    Предложения без записи озвучивает синтезатор речи: [Да]");
}

TEST(DrillLog, ResultsWithStatisticsAndDifficulties)
{
    TLesson lesson;
    for (auto [mistakes, r, e] : {std::tuple{0, "Первый", "First"},
                                  {3, "Второй", "Second"},
                                  {1, "Третий", "Third"},
                                  {12, "Четвертый", "Fourth"}}) {
        TQuestion q;
        q.MistakeCount = mistakes;
        q.RText = ToCp1251(r);
        q.EText = e;
        lesson.Questions.push_back(q);
    }
    const auto lines = U8Lines(ResultsLogLines(lesson, true, "Pass.", ToCp1251("R"), "T"));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "    Pass.",
                         "    R",
                         "    T",
                         "    Статистика:",
                         "      Без ошибок отвечено        1",
                         "      С одной ошибкой            1",
                         "      Более чем с одной ошибкой  2",
                         "    Наибольшее затруднение вызвали вопросы (более одной ошибки): ",
                         "      3 ош. | Второй",
                         "     12 ош. | Четвертый",
                     }));
    EXPECT_EQ(U8Lines(ResultsLogLines(lesson, false, "", "", "")).back(), "     12 ош. | Fourth");

    lesson.Questions[1].MistakeCount = 0;
    lesson.Questions[3].MistakeCount = 1;
    const auto clean = U8Lines(ResultsLogLines(lesson, true, "G", "R", "T"));
    EXPECT_EQ(clean.size(), 7u); // no difficulty list
    EXPECT_EQ(clean.back(), "      Более чем с одной ошибкой  0");
}

TEST(DrillLog, EntriesAreStampedCutAndFlushed)
{
    TDrillWorld w;
    w.Drill->LogProgramStarted();
    w.Drill->LogPupil(ToCp1251("Ученик 1"));
    const std::string longPath = "/" + std::string(299, 'p');
    LogLessonOpened(w.Log, longPath);
    w.Drill->LogProgramFinished();
    const auto lines = w.LogLines(); // readable at once: every entry was flushed
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "07/12/2026  9:05:07  Программа запущена.");
    EXPECT_EQ(lines[1], "07/12/2026  9:05:07  Выбран ученик: Ученик 1");
    // 21 + 13 + 221 = 255 characters; the text is cut, the Cyrillic letters
    // being one byte each in the file.
    EXPECT_EQ(ToCp1251(lines[2]).size(), 255u);
    EXPECT_EQ(lines[2].substr(21, 24), "Открыт урок: /");
    EXPECT_EQ(lines[3], "07/12/2026  9:05:07  Программа завершена.");
    EXPECT_EQ(lines[4], "");
}

} // namespace
} // namespace korvan::test

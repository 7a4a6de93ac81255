#pragma once

// The drill's entries in the log a teacher reads: start and end of the
// program, the pupil, the lesson opened, the settings of each run and the
// results of each finished run. Every entry ends with a flush, so an abrupt end
// loses at most the entry being written. Write failures (TIoError) pass to the
// caller.

#include <string>
#include <vector>

#include "i18n/Phrase.h"
#include "lesson/Lesson.h"
#include "settings/BehaviorCfg.h"
#include "util/Log.h"
#include "util/Text.h"

namespace korvan {

// The log's fixed texts in 1251, shared by the writer and the teacher's report
// that reads them back.
struct TDrillLogTexts
{
    std::string Yes = ToCp1251("Да");
    std::string No = ToCp1251("Нет");
    std::string RunStarted = ToCp1251("Запущен урок. Выбраны установки:");
    std::string Mode = ToCp1251("    Режим: ");
    std::string ShowText = ToCp1251("    Показывать текст: RU [");
    std::string PlaySound = ToCp1251("    Проигрывать звук: RU [");
    std::string Direction = ToCp1251("    Направление перевода: ");
    std::string RuToEn = "[RU -> EN]";
    std::string EnToRu = "[EN -> RU]";
    std::string Input = ToCp1251("    Режим перевода: ");
    std::string Typed = ToCp1251("Набирать на клавиатуре");
    std::string Spoken = ToCp1251("Произносить вслух");
    std::string UseTime = ToCp1251("    С учетом времени: [");
    std::string TimeFactor = ToCp1251("[время * ");
    std::string FromNorm = ToCp1251(" от нормы]");
    std::string OnMistake = ToCp1251("    При неверном переводе: [");
    std::string NotAgain = ToCp1251("больше не показывать");
    std::string OnceMore = ToCp1251("показывать еще один раз");
    std::string TwiceMore = ToCp1251("показывать еще два раза");
    std::string Order = ToCp1251("    Способ перебора: [");
    std::string InOrder = ToCp1251("по порядку");
    std::string RandomAll = ToCp1251("случайно все");
    std::string RandomPart = ToCp1251("случайно часть");
    std::string AtOnce = ToCp1251("[одновременно ");
    std::string Speech = ToCp1251("    Предложения без записи озвучивает синтезатор речи: [Да]");

    std::string Finished = ToCp1251("Урок завершен. Результаты:");
    std::string Statistics = ToCp1251("    Статистика:");
    // Each 33 characters, so the three counts stand in one column.
    std::string NoMistake = ToCp1251("      Без ошибок отвечено        ");
    std::string OneMistake = ToCp1251("      С одной ошибкой            ");
    std::string MoreMistakes = ToCp1251("      Более чем с одной ошибкой  ");
    std::string Difficult =
        ToCp1251("    Наибольшее затруднение вызвали вопросы (более одной ошибки): ");
    std::string MistakesMark = ToCp1251(" ош. | ");
    // The two result lines of the information pane (drill/Grade.h), as the
    // log holds them and the report reads them back.
    std::string ResultsIn = ToCp1251("В ");
    std::string ResultsSentences = ToCp1251(" предложениях допущено ");
    std::string ResultsMistakes = ToCp1251(" ошиб. Оценка ");
    std::string ResultsPoints = ToCp1251(" балл(ов).");
    std::string TimeSpent = ToCp1251("Затрачено времени ");

    std::string ProgramStarted = ToCp1251("Программа запущена.");
    std::string Pupil = ToCp1251("Выбран ученик: ");
    std::string LessonOpened = ToCp1251("Открыт урок: ");
    std::string ProgramFinished = ToCp1251("Программа завершена.");
};

const TDrillLogTexts& DrillLogTexts();

// The think-time factor (Speed + 5) / 10 in its shortest exact decimal form:
// "1" for 5, "0.5" for 0, "1.2" for 7, "2.5" for 20.
std::string SpeedFactorText(int speed);

// The nine lines of a run's settings, and a tenth when the run speaks
// sentences without a recording; the first is the one written stamped.
std::vector<std::string> RunSettingsLines(const TBehaviorCfg& cfg, const std::string& modeName);

// Lines 2 to 9 of the end-of-run entry (the stamped heading not included): the
// grade, result and time lines, the statistics and, when some question had more
// than one mistake, the difficulty list with the source texts.
std::vector<std::string> ResultsLogLines(const TLesson& lesson, bool translRE,
                                         const std::string& grade, const std::string& results,
                                         const std::string& time);

void LogProgramStarted(TLogWriter& log);
void LogPupil(TLogWriter& log, const std::string& pupilName);
// `path` is the file system's (UTF-8) name; the log holds it as 1251 text.
void LogLessonOpened(TLogWriter& log, const std::string& path);
void LogRunSettings(TLogWriter& log, const TBehaviorCfg& cfg, const std::string& modeName);
// The result lines go in Russian whatever the interface speaks: the log is
// a file that the report and teachers' tools read.
void WriteResultsToLog(TLogWriter& log, const TLesson& lesson, bool translRE,
                       const std::string& grade, const TPhrase& results, const TPhrase& time);
void LogProgramFinished(TLogWriter& log);

} // namespace korvan

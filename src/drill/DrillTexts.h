#pragma once

// The drill's fixed texts in Windows-1251, converted once from the UTF-8
// literals of DrillTexts.cpp.

#include <string>
#include <vector>

namespace korvan {

struct TDrillTexts
{
    // Counter labels: the prefix, and the whole text outside a run.
    std::string ShowMoreTotal;     // "Предложений: "
    std::string ShowMoreTotalNone; // "Предложений: --"
    std::string SelQShowMore;      // "Повторов текущего: "
    std::string SelQShowMoreNone;  // "Повторов текущего: --"

    // Opening a lesson.
    std::string NotLessonBefore; // "Файл \""
    std::string NotLessonAfter;  // "\" либо имеет неверный формат, ..."
    std::string ChooseLesson; // "\r\nВыберите урок с помощью кнопки \"Урок\"."
    std::string LessonInfoTitle; // "\r\nУрок: "
    std::string NoTitle;         // "(без названия)"
    std::string HowToStart; // "Для начала работы с уроком нажмите ..."

    // The question cycle.
    std::string PressKey;          // "[Press key to continue]"
    std::string HelpThinkingTyped; // help lines by phase
    std::string HelpThinkingSpoken;
    std::string HelpCompare;
    std::string HelpTimeUp;
    std::string HelpEndOfRun;
    // Every text the help pane shows, for fitting the pane to the tallest.
    std::vector<std::string> HelpTexts() const
    {
        return {HelpThinkingTyped, HelpThinkingSpoken, HelpCompare, HelpTimeUp, HelpEndOfRun};
    }

    // Spoken by a screen reader (IDrillView::Announce).
    std::string SayTimeUp; // "Время вышло."
    std::string SayRight;  // "Правильно."
    std::string SayWrong;  // "Ошибка."

    // Results.
    std::string ResultsIn;        // "В "
    std::string ResultsSentences; // " предложениях допущено "
    std::string ResultsMistakes;  // " ошиб. Оценка "
    std::string ResultsPoints;    // " балл(ов)."
    std::string TimeSpent;        // "Затрачено времени "
    std::string TimeAverage;      // ", в среднем "
    std::string TimePerQuestion;  // " сек. на вопрос."
};

const TDrillTexts& DrillTexts();

} // namespace korvan

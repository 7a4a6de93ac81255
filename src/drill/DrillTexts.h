#pragma once

// The drill's own texts, marked to be translated where they are shown; lesson
// content and paths go in as arguments, so a text is one whole sentence in
// every language.

#include <optional>
#include <string>
#include <vector>

#include "i18n/Phrase.h"

namespace korvan {

struct TDrillTexts
{
    TPhrase HowToStart; // "Для начала работы с уроком нажмите ..."

    // Help lines by phase.
    TPhrase HelpThinkingTyped;
    TPhrase HelpThinkingSpoken;
    TPhrase HelpCompare;
    TPhrase HelpTimeUp;
    TPhrase HelpEndOfRun;
    // Every text the help pane shows, for fitting the pane to the tallest.
    std::vector<TPhrase> HelpTexts() const
    {
        return {HelpThinkingTyped, HelpThinkingSpoken, HelpCompare, HelpTimeUp, HelpEndOfRun};
    }

    // Spoken by a screen reader (IDrillView::Announce).
    TPhrase SayTimeUp; // "Время вышло."
    TPhrase SayRight;  // "Правильно."
    TPhrase SayWrong;  // "Ошибка."
};

const TDrillTexts& DrillTexts();

// Shown where a sentence would be while its recording plays; the same text in
// every language.
inline const char* PressKeyText = "[Press key to continue]";

// The counters: "Предложений: N" and "Повторов текущего: N", "--" outside a run.
TPhrase TotalCounterText(std::optional<int> sentences);
TPhrase RepeatsCounterText(std::optional<int> repeats);

// What the information pane shows with no lesson open.
TShownText ChooseLessonText();

// The message for a file that is no lesson; `path` is the file system's name.
TShownText NotLessonText(const std::string& path);
// The information pane of an opened lesson; `title` is the lesson's (1251).
TShownText LessonInfoText(const std::string& title);

} // namespace korvan

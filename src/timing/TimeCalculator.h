#pragma once

// Thinking-time norms: seconds by the word count of a question's Russian text,
// looked up in the plain list of Time.ini (line k for k words).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/Phrase.h"

namespace korvan {

class TLesson;

struct TInteger
{
    std::int32_t Value = 0;
};

// The characters words are made of (1251): digits, Latin and Cyrillic letters.
const std::string& WordChars();

// Counts the maximal runs of word characters. With `charsAreDelimiters` false
// `charSet` lists the word characters, with it true the delimiters.
int WordCount(bool charsAreDelimiters, std::string_view charSet, std::string_view text);

class TTimeCalculator
{
public:
    // Receives the message for the user ("Ошибка при считывании файла
    // Time.ini: \"...\""); the window shows it in a message box.
    using TErrorHandler = std::function<void(const TShownText& message)>;

    // Reads the table; never fails to its caller. Entries read before a failure
    // stay; an empty table becomes the single norm 10.
    explicit TTimeCalculator(const std::string& tablePath, const TErrorHandler& onError = {});

    const TInteger& GetNorm(int index) const;
    // Sets TimeNorm of every question from its RText.
    void CalculateNorms(TLesson& lesson) const;
    // The norm of one Russian text (1251), as CalculateNorms gives it.
    std::int32_t NormOf(std::string_view rtext) const;

    std::vector<TInteger> Norms; // never empty

private:
    std::int32_t NormForWords(int words) const;
};

} // namespace korvan

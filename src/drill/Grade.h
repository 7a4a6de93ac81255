#pragma once

// Points and grade of a finished run, and the two result lines shown in the
// information pane and written to the log.

#include <cstdint>
#include <string>

#include "i18n/Phrase.h"
#include "util/DateTime.h"

namespace korvan {

// numerator / denominator rounded to the nearest integer, halves to the even
// neighbour, computed exactly. `denominator` > 0.
std::int64_t DivRoundHalfEven(std::int64_t numerator, std::int64_t denominator);

struct TGrade
{
    int Points = 0;   // 0..100
    std::string Name; // "Gold grade." ... "Ungraded."
};

// The grade name for points.
std::string GradeName(int points);

// `sentences` is the number of questions times InitialShows. With
// mistakeChange -1 the score is 1 - m/n, otherwise the larger of that and
// n / (n + 1.3 m). Points are the score in per cent, rounded half to even on
// the exact fractions, so 87.5 gives 88 and 72.5 gives 72 whatever binary
// floating point would make of them.
TGrade ComputeGrade(int sentences, int mistakes, int mistakeChange);

// "В N предложениях допущено M ошиб. Оценка P балл(ов)."
TPhrase ResultsLine(int questions, int mistakes, int points);

// The elapsed time of a run in whole milliseconds (the clock's resolution),
// never negative: a clock set back during the run counts as no time.
std::int64_t ElapsedMilliseconds(TDateTime start, TDateTime finish);

// Seconds per verdict, rounded half to even; `verdicts` >= 1.
std::int64_t AverageSeconds(std::int64_t elapsedMs, std::int64_t verdicts);

// "Затрачено времени H:MM:SS, в среднем A сек. на вопрос." The time shows only
// the part beyond whole days; the average uses the full time.
TPhrase TimeLine(std::int64_t elapsedMs, std::int64_t verdicts);

} // namespace korvan

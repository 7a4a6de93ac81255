#include "drill/Grade.h"

#include <cmath>

#include "i18n/Marked.h"

namespace korvan {

namespace {

using TWide = __int128;

TWide DivRoundHalfEvenWide(TWide numerator, TWide denominator)
{
    TWide quotient = numerator / denominator;
    TWide remainder = numerator % denominator;
    if (remainder < 0) { // floor division for negative numerators
        quotient -= 1;
        remainder += denominator;
    }
    const TWide twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

} // namespace

std::int64_t DivRoundHalfEven(std::int64_t numerator, std::int64_t denominator)
{
    return static_cast<std::int64_t>(DivRoundHalfEvenWide(numerator, denominator));
}

std::string GradeName(int points)
{
    if (points >= 98 && points <= 101)
        return "Gold grade.";
    if (points >= 93 && points <= 97)
        return "Silver grade.";
    if (points >= 85 && points <= 92)
        return "Pass with merit.";
    if (points >= 75 && points <= 84)
        return "Pass.";
    if (points >= 70 && points <= 74)
        return "Narrow fail.";
    return "Ungraded.";
}

TGrade ComputeGrade(int sentences, int mistakes, int mistakeChange)
{
    TGrade grade;
    if (sentences > 0) {
        const TWide n = sentences;
        const TWide m = mistakes;
        // score = a / b as an exact fraction; first 1 - m/n = (n - m) / n.
        TWide a = n - m;
        TWide b = n;
        if (mistakeChange != -1) {
            // n / (n + 1.3 m) = 10n / (10n + 13m), positive for m >= 0.
            const TWide a2 = 10 * n;
            const TWide b2 = 10 * n + 13 * m;
            if (b2 > 0 && a2 * b > a * b2) {
                a = a2;
                b = b2;
            }
        }
        grade.Points = static_cast<int>(DivRoundHalfEvenWide(100 * a, b));
    }
    grade.Name = GradeName(grade.Points);
    return grade;
}

TPhrase ResultsLine(int questions, int mistakes, int points)
{
    return Marked("Drill",
                  KORVAN_MARK("Drill", "В %1 предложениях допущено %2 ошиб. Оценка %3 балл(ов)."),
                  {NumberArg(questions), NumberArg(mistakes), NumberArg(points)});
}

std::int64_t ElapsedMilliseconds(TDateTime start, TDateTime finish)
{
    const double ms = std::round((finish - start) * 86400000.0);
    return ms > 0 ? static_cast<std::int64_t>(ms) : 0;
}

std::int64_t AverageSeconds(std::int64_t elapsedMs, std::int64_t verdicts)
{
    if (verdicts < 1)
        verdicts = 1;
    return DivRoundHalfEven(elapsedMs, verdicts * 1000);
}

TPhrase TimeLine(std::int64_t elapsedMs, std::int64_t verdicts)
{
    const TDateTime elapsed = static_cast<double>(elapsedMs) / 86400000.0;
    return Marked(
        "Drill", KORVAN_MARK("Drill", "Затрачено времени %1, в среднем %2 сек. на вопрос."),
        {Utf8Arg(FormatLongTime(elapsed)), NumberArg(AverageSeconds(elapsedMs, verdicts))});
}

} // namespace korvan

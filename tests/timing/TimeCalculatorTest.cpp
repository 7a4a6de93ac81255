#include "timing/TimeCalculator.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../TestFiles.h"
#include "lesson/Lesson.h"
#include "util/Text.h"

namespace korvan {
namespace {

const std::string MessageStart = ToCp1251("Ошибка при считывании файла Time.ini: ");

std::vector<std::int32_t> Values(const TTimeCalculator& calc)
{
    std::vector<std::int32_t> values;
    for (const TInteger& norm : calc.Norms)
        values.push_back(norm.Value);
    return values;
}

struct TTableCase
{
    const char* Name;
    std::string Bytes;
    std::vector<std::int32_t> Norms;
    std::string Error; // the quoted part of the message; empty when none
};

class TimeTableReading : public ::testing::TestWithParam<TTableCase>
{
};

TEST_P(TimeTableReading, ReadsTheNormsAndReportsTheFirstBadLine)
{
    const TTableCase& c = GetParam();
    test::TTempDir dir;
    std::vector<std::string> messages;
    TTimeCalculator calc(dir.Write("Time.ini", c.Bytes),
                         [&](const TShownText& m) { messages.push_back(RussianCp1251(m)); });
    EXPECT_EQ(Values(calc), c.Norms);
    if (c.Error.empty())
        EXPECT_TRUE(messages.empty());
    else
        EXPECT_EQ(messages, std::vector<std::string>{MessageStart + "\"" + c.Error + "\""});
}

const TTableCase TableCases[] = {
    {"ThreeLines", "4\r\n6\r\n9\r\n", {4, 6, 9}, ""},
    {"EmptyLinesDoNotShift", "\n4\n\n \t\n6\r\n\r\n9", {4, 6, 9}, ""},
    {"LinesTrimmed",
     "  4 \t\r\n\x01"
     "6\x1A\n",
     {4, 6},
     ""},
    {"EmptyFile", "", {10}, ""},
    {"BlankLinesOnly", "\r\n  \n\t\n", {10}, ""},
    {"ZeroAndNegativeTaken", "0\n-3\n+7\n", {0, -3, 7}, ""},
    {"BadLineStopsReading", "4\n6\nabc\n9\n", {4, 6}, "'abc' is not a valid integer value"},
    {"BadFirstLineGivesTheDefault", "\n 4 5 \n9\n", {10}, "'4 5' is not a valid integer value"},
    {"OverflowIsBad", "5\n2147483648\n", {5}, "'2147483648' is not a valid integer value"},
    {"DecimalPointIsBad", "5\n2.5\n", {5}, "'2.5' is not a valid integer value"},
    {"CyrillicLineQuotedAsIs",
     "5\n" + ToCp1251("пять") + "\n",
     {5},
     "'" + ToCp1251("пять") + "' is not a valid integer value"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TimeTableReading, ::testing::ValuesIn(TableCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(TimeTableFailure, MissingFileGivesTheSystemTextAndTheDefault)
{
    test::TTempDir dir;
    std::vector<std::string> messages;
    TTimeCalculator calc(dir.File("Time.ini"),
                         [&](const TShownText& m) { messages.push_back(RussianCp1251(m)); });
    EXPECT_EQ(Values(calc), std::vector<std::int32_t>{10});
    EXPECT_EQ(messages,
              std::vector<std::string>{MessageStart + "\"" + std::strerror(ENOENT) + "\""});
}

TEST(TimeTableFailure, WithoutAHandlerStillFallsBack)
{
    test::TTempDir dir;
    TTimeCalculator missing(dir.File("Time.ini"));
    TTimeCalculator bad(dir.Write("Time.ini", "x\n"));
    EXPECT_EQ(Values(missing), std::vector<std::int32_t>{10});
    EXPECT_EQ(Values(bad), std::vector<std::int32_t>{10});
}

TEST(TimeTable, GetNormOutsideTheListThrows)
{
    test::TTempDir dir;
    TTimeCalculator calc(dir.Write("Time.ini", "4\n6\n"));
    EXPECT_EQ(calc.GetNorm(1).Value, 6);
    EXPECT_THROW(calc.GetNorm(2), std::out_of_range);
    EXPECT_THROW(calc.GetNorm(-1), std::out_of_range);
}

struct TNormCase
{
    const char* Name;
    const char* RText; // UTF-8 here, 1251 in the lesson
    std::int32_t Norm;
};

class NormByWords : public ::testing::TestWithParam<TNormCase>
{
};

TEST_P(NormByWords, TakesTheEntryForTheWordCount)
{
    const TNormCase& c = GetParam();
    test::TTempDir dir;
    TTimeCalculator calc(dir.Write("Time.ini", "4\n6\n9\n"));
    TLesson lesson;
    TQuestion q;
    q.RText = ToCp1251(c.RText);
    // Only the Russian text counts, whatever the direction of the drill.
    q.Comment = "many many many words";
    q.EText = "many many many words";
    lesson.Questions = {q};
    calc.CalculateNorms(lesson);
    EXPECT_EQ(lesson.Questions[0].TimeNorm, c.Norm);
}

const TNormCase NormCases[] = {
    {"OneWord", "Привет", 4},
    {"TwoWords", "Привет, мир!", 6},
    {"ThreeWords", "Я люблю чай.", 9},
    {"SevenWordsTakeTheLast", "Мы идём домой очень поздно этим вечером.", 9},
    {"NoWordsTakeTheFirst", "", 4},
    {"PunctuationOnly", " ... ?! ", 4},
};

INSTANTIATE_TEST_SUITE_P(Cases, NormByWords, ::testing::ValuesIn(NormCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(NormByWords, EveryQuestionOfTheLessonGetsItsNorm)
{
    test::TTempDir dir;
    TTimeCalculator calc(dir.Write("Time.ini", "3\n5\n"));
    TLesson lesson;
    for (const char* text : {"a", "a b", "a b c", ""}) {
        lesson.Questions.emplace_back();
        lesson.Questions.back().RText = text;
    }
    calc.CalculateNorms(lesson);
    std::vector<std::int32_t> norms;
    for (const TQuestion& q : lesson.Questions)
        norms.push_back(q.TimeNorm);
    EXPECT_EQ(norms, (std::vector<std::int32_t>{3, 5, 5, 3}));
}

struct TCountCase
{
    const char* Name;
    const char* Text; // UTF-8 here, 1251 when counted
    int Words;
};

class WordCounting : public ::testing::TestWithParam<TCountCase>
{
};

TEST_P(WordCounting, CountsRunsOfWordChars)
{
    const TCountCase& c = GetParam();
    EXPECT_EQ(WordCount(false, WordChars(), ToCp1251(c.Text)), c.Words);
}

const TCountCase CountCases[] = {
    {"Empty", "", 0},
    {"OneWord", "слово", 1},
    {"LeadingAndTrailingDelimiters", "  Ёлка  ёжик. ", 2},
    {"HyphenSeparates", "красно-белый", 2},
    {"ApostropheSeparates", "don't", 2},
    {"DigitsAreAWord", "2024", 1},
    {"DigitsAndLetters", "В 2024 году", 3},
    {"PunctuationOnly", "—…,.!?;:\"'()", 0},
    {"TabsAndBreaksSeparate", "раз\tдва\r\nтри", 3},
    {"LetterOutsideTheSetSplits", "Київ", 2},
    {"WholeAlphabet",
     "ЁАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯёабвгдежзийклмнопрстуфхцчшщъыьэюя"
     "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
     1},
};

INSTANTIATE_TEST_SUITE_P(Cases, WordCounting, ::testing::ValuesIn(CountCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(WordCounting, DelimiterSetMakesEveryOtherByteAWordChar)
{
    EXPECT_EQ(WordCount(true, " ,", "a,b  c-d"), 3);
    EXPECT_EQ(WordCount(true, "", "a b"), 1);
    EXPECT_EQ(WordCount(true, " ", ""), 0);
    EXPECT_EQ(WordCount(true, " ", std::string("\0\xFF \x80", 4)), 2);
}

TEST(WordCounting, HighBytesOutsideTheSetAreDelimiters)
{
    // 0x98 is undefined in 1251, 0xB3 is a Ukrainian letter: neither builds words.
    EXPECT_EQ(WordCount(false, WordChars(),
                        "a\x98"
                        "b\xB3"
                        "c"),
              3);
    EXPECT_EQ(WordCount(false, "", "abc"), 0);
}

} // namespace
} // namespace korvan

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "import/Utf8Lesson.h"
#include "lesson/Lesson.h"
#include "util/Text.h"

namespace korvan {
namespace {

const std::string Utf8Body = "Korvan Lesson File Format, Version 2\n"
                             "<header>\nTitle=Тест\nHasRuAudio\n<body>\n7\nКомм\nПривет\nHello\n";

TEST(Utf8Lesson, IsTakenOnlyForValidMultiByteUtf8WithTheMagicLine)
{
    struct TCase
    {
        const char* Name;
        std::string Bytes;
        bool Utf8;
    };
    const TCase cases[] = {
        {"UTF-8", Utf8Body, true},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + Utf8Body, true},
        {"a 1251 lesson", ToCp1251(Utf8Body), false},
        {"1251 letters that happen to pair up",
         ToCp1251("Korvan Lesson File Format, Version 2\nРс"), false},
        {"ASCII only", "Korvan Lesson File Format, Version 2\n<header>\n<body>\n1\n\na\nb\n",
         false},
        {"UTF-8 but no lesson", "Урок\n" + Utf8Body, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(IsUtf8Lesson(c.Bytes), c.Utf8);
    }
}

TEST(Utf8Lesson, NoShippedLessonIsTakenForUtf8)
{
    for (const char* name : {"everyday/everyday.sl2", "words/words.sl2"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(
            IsUtf8LessonFile(std::string(KORVAN_SHIPPED_DATA) + "/program/lessons/" + name));
    }
}

TEST(Utf8Lesson, ConvertsEveryLineAndTheReaderStillRefusesTheMark)
{
    test::TTempDir dir;
    TLesson lesson;
    EXPECT_FALSE(lesson.LoadFromFile(dir.Write("bom.sl2", "\xEF\xBB\xBF" + Utf8Body)));

    const TLessonConversion conversion =
        ConvertUtf8Lesson("\xEF\xBB\xBF" + Utf8Body, TUnfitChoice::Stop);
    ASSERT_TRUE(conversion.Unfit.empty());
    ASSERT_TRUE(lesson.LoadFromFile(dir.Write("out.sl2", conversion.Cp1251)));
    EXPECT_EQ(lesson.Title, ToCp1251("Тест"));
    EXPECT_TRUE(lesson.HasRuAudio);
    ASSERT_EQ(lesson.QuestionCount(), 1);
    EXPECT_EQ(lesson.Questions[0].Number, 7);
    EXPECT_EQ(lesson.Questions[0].Comment, ToCp1251("Комм"));
    EXPECT_EQ(lesson.Questions[0].RText, ToCp1251("Привет"));

    const std::string fox = Utf8Body + "8\n\nЛиса 🦊\nFox\n";
    const TLessonConversion stopped = ConvertUtf8Lesson(fox, TUnfitChoice::Stop);
    EXPECT_TRUE(stopped.Cp1251.empty());
    ASSERT_EQ(stopped.Unfit.size(), 1u);
    EXPECT_EQ(DescribeUnfit(stopped.Unfit[0]),
              "line 12, column 6: this character cannot be written in Windows-1251: 🦊");
    const TLessonConversion replaced = ConvertUtf8Lesson(fox, TUnfitChoice::Replace);
    EXPECT_EQ(replaced.Replaced, 1u);
    EXPECT_NE(replaced.Cp1251.find(ToCp1251("Лиса ?\r\n")), std::string::npos);
}

TEST(Utf8Lesson, TheCopyGetsANameOfItsOwn)
{
    test::TTempDir dir;
    const std::string original = dir.Write("a.sl2", Utf8Body);
    EXPECT_EQ(ConvertedLessonPath(original), dir.File("a (1251).sl2"));
    dir.Write("a (1251).sl2", "");
    EXPECT_EQ(ConvertedLessonPath(original), dir.File("a (1251) 2.sl2"));
}

} // namespace
} // namespace korvan

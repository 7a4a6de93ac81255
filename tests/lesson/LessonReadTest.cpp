#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../TestFiles.h"
#include "LessonTestUtil.h"
#include "lesson/Lesson.h"
#include "util/Errors.h"
#include "util/Text.h"

using namespace std::string_literals;

namespace korvan {
namespace {

const std::string Magic = "Korvan Lesson File Format, Version 2\n";
const std::string Head = Magic + "<header>\nTitle=T\n<body>\n";

struct TReadCase
{
    const char* Name;
    std::string Bytes;
    bool IsLesson;
    std::string Expected; // test::Describe of the lesson read
};

class LessonReading : public ::testing::TestWithParam<TReadCase>
{
};

TEST_P(LessonReading, ReadsAsTheFormatSays)
{
    const TReadCase& c = GetParam();
    test::TTempDir dir;
    const std::string path = dir.Write("lesson.sl2", c.Bytes);
    TLesson lesson;
    EXPECT_EQ(lesson.LoadFromFile(path), c.IsLesson);
    EXPECT_EQ(test::Describe(lesson), c.Expected);
    EXPECT_EQ(lesson.Loaded, !lesson.Questions.empty());
    EXPECT_EQ(lesson.FileName, path);
}

const std::string Overlong(300000, 'w');

const TReadCase ReadCases[] = {
    {"Minimal", Head + "1\nc\nr\ne\n", true, "T{} 1(c|r|e)"},
    {"MagicWithBlanks",
     "  \tKorvan Lesson File Format, Version 2 \t\r\n<header>\r\nTitle=T\r\n"
     "<body>\r\n1\r\nc\r\nr\r\ne\r\n",
     true, "T{} 1(c|r|e)"},
    {"MagicInOtherCase", "korvan lesson file format, version 2\n<header>\n<body>\n1\nc\nr\ne\n",
     false, "{}"},
    {"Utf8BomIsNotALesson", "\xEF\xBB\xBF" + Head + "1\nc\nr\ne\n", false, "{}"},
    {"EmptyFile", "", false, "{}"},
    {"OnlyTheMagicLine", Magic, true, "{}"},
    {"TitleWithBlanks", Magic + "<header>\n  Title  =  Past tense \t\n<body>\n", true,
     "Past tense{}"},
    {"TitleKeyInLowerCase", Magic + "<header>\ntitle=Lower\n<body>\n", true, "{}"},
    {"LaterTitleReplaces", Magic + "<header>\nTitle=A\nTitle=B=C\n<body>\n", true, "B=C{}"},
    {"TitleWithoutEqualsIsEmpty", Magic + "<header>\nTitle=A\nTitle\n<body>\n", true, "{}"},
    {"FlagsByPresence", Magic + "<header>\nWords=0\nHasRuAudio=\nHasEnAudio = no\n<body>\n", true,
     "{WRE}"},
    {"FlagKeysAreCaseSensitive", Magic + "<header>\nwords\nHASRUAUDIO\n<body>\n", true, "{}"},
    {"LinesBeforeHeaderIgnored",
     Magic + "Title=Outside\n<body>\n1\nx\ny\nz\n<header>\nTitle=In\n<body>\n2\nc\nr\ne\n", true,
     "In{} 2(c|r|e)"},
    {"HeaderLineInsideHeaderIgnored", Magic + "<header>\n<header>\nTitle=T\n<body>\n", true, "T{}"},
    {"HeaderWithoutBody", Magic + "<header>\nTitle=T\n1\nc\nr\ne\n", true, "T{}"},
    {"ImplicitNumbers", Head + "\nc1\nr1\ne1\n\nc2\nr2\ne2\n", true, "T{} 1(c1|r1|e1) 2(c2|r2|e2)"},
    {"ImplicitNumberIsCountPlusOne", Head + "7\nc\nr\ne\n\nc\nr\ne\n", true,
     "T{} 7(c|r|e) 2(c|r|e)"},
    {"NumbersTakenAsWritten",
     Head + "5\na\nb\nc\n5\nd\ne\nf\n+3\ng\nh\ni\n-0\nj\nk\nl\n007\nm\nn\no\n", true,
     "T{} 5(a|b|c) 5(d|e|f) 3(g|h|i) 0(j|k|l) 7(m|n|o)"},
    {"TrailingEmptyLineGivesAQuestion", Head + "1\nc\nr\ne\n\n", true, "T{} 1(c|r|e) 2(||)"},
    {"TrailingEmptyCrLfLine", Head + "1\r\nc\r\nr\r\ne\r\n\r\n", true, "T{} 1(c|r|e) 2(||)"},
    {"GroupCutByTheEnd", Head + "4\ncomment", true, "T{} 4(comment||)"},
    {"LettersInNumberLineDropped", Head + "x1\n1\nc\nr\ne\n", true, "T{} 1(c|r|e)"},
    {"DroppedLineShiftsTheGroups", Head + "1\nc\nr\ne\nJunk\n2\nc2\nr2\ne2\n", true,
     "T{} 1(c|r|e) 2(c2|r2|e2)"},
    {"ShiftedGroupsDropTheirTexts", Head + "1\nc\nr\ne\nJunk\nc2\n9\ne2\n", true,
     "T{} 1(c|r|e) 9(e2||)"},
    {"Int32Limits", Head + "2147483647\na\nb\nc\n-2147483648\nd\ne\nf\n", true,
     "T{} 2147483647(a|b|c) -2147483648(d|e|f)"},
    {"OverflowDropped", Head + "2147483648\n-2147483649\n99999999999999999999\n1\nc\nr\ne\n", true,
     "T{} 1(c|r|e)"},
    {"BlanksInsideNumberDropped", Head + "1 2\n0x10\n1\nc\nr\ne\n", true, "T{} 1(c|r|e)"},
    {"LinesTrimmed",
     Head + " \t3 \r\n\t c \x01\n  r r  \n\x1F"
            "e\x7F \n",
     true, "T{} 3(c|r r|e\x7F)"},
    {"CtrlZEndsTheFile",
     Head + "1\nc\nr\ne\n\x1A"
            "2\nc\nr\ne\n",
     true, "T{} 1(c|r|e)"},
    {"CtrlZInsideAGroup", Head + "1\nc\x1Ar\ne\n", true, "T{} 1(c||)"},
    {"CtrlZBeforeBody", Magic + "<header>\nTitle=T\x1A\n<body>\n1\nc\nr\ne\n", true, "T{}"},
    {"NulBytesAreText", Head + "1\n\0c\0\nr\0r\n\0\n"s, true, "T{} 1(c|r\0r|)"s},
    {"OverlongLine", Head + "1\n\n" + Overlong + "\ne\n", true, "T{} 1(|" + Overlong + "|e)"},
    {"NoFinalLineBreak", Head + "1\nc\nr\ne", true, "T{} 1(c|r|e)"},
    {"CrLfEverywhere",
     "Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=T\r\n<body>\r\n"
     "1\r\nc\r\nr\r\ne\r\n",
     true, "T{} 1(c|r|e)"},
};

INSTANTIATE_TEST_SUITE_P(Cases, LessonReading, ::testing::ValuesIn(ReadCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(LessonReadingFixture, ReadsACyrillicLesson)
{
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(KORVAN_TEST_DATA "/lesson/ordinary.sl2"));
    EXPECT_TRUE(lesson.Loaded);
    EXPECT_EQ(test::Describe(lesson),
              ToCp1251("Урок 1. Настоящее время{R}"
                       " 1(Утверждение|Я живу в Москве.|I live in Moscow.)"
                       " 2(|Он не работает по субботам.|He doesn't work on Saturdays.)"
                       " 3(Вопрос|Где ты учишься?|Where do you study?)"));
    for (const TQuestion& q : lesson.Questions) {
        EXPECT_TRUE(q.Unfinished);
        EXPECT_EQ(q.TimeNorm, 0);
    }
}

TEST(LessonReadingFixture, NotesTellWhatTheReaderSaw)
{
    test::TTempDir dir;
    const std::string path =
        dir.Write("l.sl2", Magic + "junk\n<header>\nTitle=T\nAuthor=Me\n\nWords\n<body>\n" // 1..8
                                   "1\nc\nr\ne\n"                                          // 9..12
                                   "bad\n\nc\nr\ne\n\x1A"
                                   "more\n"); // 13..
    TLessonReadNotes notes;
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(path, &notes));
    EXPECT_FALSE(notes.Utf8Bom);
    EXPECT_TRUE(notes.HeaderFound);
    EXPECT_TRUE(notes.BodyFound);
    EXPECT_TRUE(notes.StoppedAtCtrlZ);
    EXPECT_TRUE(lesson.Words);
    EXPECT_EQ(lesson.QuestionCount(), 2);
    EXPECT_EQ(notes.BodyStartLine, 8);
    ASSERT_EQ(notes.DroppedNumberLines.size(), 1u);
    EXPECT_EQ(notes.DroppedNumberLines[0].Line, 13);
    EXPECT_EQ(notes.DroppedNumberLines[0].Text, "bad");
    EXPECT_EQ(notes.QuestionLines, (std::vector<std::int64_t>{9, 14}));
    EXPECT_EQ(notes.UnknownHeaderEntries, (std::vector<std::string>{"Author"}));

    // Notes from an earlier reading do not leak into the next one.
    ASSERT_FALSE(lesson.LoadFromFile(dir.Write("bom.sl2", "\xEF\xBB\xBF" + Head), &notes));
    EXPECT_TRUE(notes.Utf8Bom);
    EXPECT_FALSE(notes.HeaderFound);
    EXPECT_TRUE(notes.DroppedNumberLines.empty());
    EXPECT_TRUE(notes.QuestionLines.empty());
}

TEST(LessonReadingFailure, UnreadableFileThrowsAndLeavesTheLessonCleared)
{
    test::TTempDir dir;
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(dir.Write("a.sl2", Head + "1\nc\nr\ne\n")));
    lesson.SelectQuestion(0);
    lesson.RunState = 2;

    for (const std::string& path : {dir.File("missing.sl2"), dir.Path()}) {
        EXPECT_THROW(lesson.LoadFromFile(path), TIoError) << path;
        EXPECT_FALSE(lesson.Loaded);
        EXPECT_EQ(lesson.FileName, path);
        EXPECT_EQ(test::Describe(lesson), "{}");
        EXPECT_EQ(lesson.Current, nullptr);
        EXPECT_EQ(lesson.CurrentIndex, -1);
        EXPECT_EQ(lesson.RunState, 0);
    }
}

TEST(LessonReadingFailure, MissingFileErrorNamesThePathAndReason)
{
    test::TTempDir dir;
    TLesson lesson;
    try {
        lesson.LoadFromFile(dir.File("missing.sl2"));
        FAIL() << "no error";
    } catch (const TIoError& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("missing.sl2"), std::string::npos) << text;
        EXPECT_NE(text.find(std::strerror(ENOENT)), std::string::npos) << text;
    }
}

TEST(LessonAccess, GetAndSelectQuestion)
{
    test::TTempDir dir;
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(dir.Write("a.sl2", Head + "4\na\nb\nc\n9\nd\ne\nf\n")));
    EXPECT_EQ(lesson.GetQuestion(1).Number, 9);
    for (int bad : {-1, 2})
        EXPECT_THROW(lesson.GetQuestion(bad), std::out_of_range) << bad;

    lesson.SelectQuestion(1);
    EXPECT_EQ(lesson.Current, &lesson.Questions[1]);
    EXPECT_EQ(lesson.CurrentIndex, 1);
    EXPECT_THROW(lesson.SelectQuestion(5), std::out_of_range);
    EXPECT_EQ(lesson.CurrentIndex, 1) << "a refused selection changes nothing";
}

TEST(LessonAccess, ClearResetsEverything)
{
    test::TTempDir dir;
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(
        dir.Write("a.sl2", Magic + "<header>\nTitle=T\nWords\nHasRuAudio\nHasEnAudio\n<body>\n")));
    lesson.Questions.emplace_back();
    lesson.SelectQuestion(0);
    lesson.RunState = 1;
    lesson.UnfinishedCount = lesson.NotStartedCount = lesson.PendingTotal = 3;
    lesson.RightTotal = lesson.MistakeTotal = lesson.CleanCount = 4;
    lesson.StartTime = 45000.5;

    lesson.Clear();
    EXPECT_FALSE(lesson.Loaded);
    EXPECT_EQ(lesson.FileName, "");
    EXPECT_EQ(test::Describe(lesson), "{}");
    EXPECT_EQ(lesson.Current, nullptr);
    EXPECT_EQ(lesson.CurrentIndex, -1);
    EXPECT_EQ(lesson.RunState, 0);
    EXPECT_EQ(lesson.UnfinishedCount + lesson.NotStartedCount + lesson.PendingTotal +
                  lesson.RightTotal + lesson.MistakeTotal + lesson.CleanCount,
              0);
    EXPECT_EQ(lesson.StartTime, 0);
}

} // namespace
} // namespace korvan

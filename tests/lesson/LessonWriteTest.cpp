#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../TestFiles.h"
#include "LessonTestUtil.h"
#include "lesson/Lesson.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {
namespace {

const std::string Header = "Korvan Lesson File Format, Version 2\r\n<header>\r\n";

TQuestion MakeQuestion(int number, std::string text, bool unfinished = true, int mistakes = 0)
{
    TQuestion q;
    q.Number = number;
    q.Comment = "c" + text;
    q.RText = "r" + text;
    q.EText = "e" + text;
    q.Unfinished = unfinished;
    q.MistakeCount = mistakes;
    return q;
}

TEST(LessonWriting, WritesTheExactForm)
{
    TLesson lesson;
    lesson.Title = ToCp1251("Слова");
    lesson.Words = true;
    lesson.HasRuAudio = true;
    lesson.HasEnAudio = true;
    lesson.Questions = {MakeQuestion(-12, "1"), MakeQuestion(0, "")};
    lesson.Questions[1].Comment.clear();
    test::TTempDir dir;
    const std::string path = dir.File("out.sl2");
    lesson.SaveRestOrWithMistakes(path);
    EXPECT_EQ(test::ReadFileBytes(path), Header + ToCp1251("Title=Слова\r\n") +
                                             "Words\r\nHasRuAudio\r\nHasEnAudio\r\n<body>\r\n"
                                             "-12\r\nc1\r\nr1\r\ne1\r\n0\r\n\r\nr\r\ne\r\n");
}

TEST(LessonWriting, EmptyTitleStillWrittenAndFlagsOnlyWhenSet)
{
    TLesson lesson;
    test::TTempDir dir;
    const std::string path = dir.File("out.sl2");
    lesson.SaveRestOrWithMistakes(path);
    EXPECT_EQ(test::ReadFileBytes(path), Header + "Title=\r\n<body>\r\n");
}

TEST(LessonWriting, DropsUnknownEntriesAndWritesBareFlags)
{
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(KORVAN_TEST_DATA "/lesson/words_extra_header.sl2"));
    test::TTempDir dir;
    const std::string path = dir.File("out.sl2");
    lesson.SaveRestOrWithMistakes(path);
    EXPECT_EQ(test::ReadFileBytes(path),
              Header + ToCp1251("Title=Слова: дом и семья\r\nWords\r\nHasEnAudio\r\n<body>\r\n"
                                "12\r\n[haus]\r\nдом\r\nhouse\r\n"
                                "-3\r\n[fEmili]\r\nсемья\r\nfamily\r\n"));
}

TEST(LessonWriting, RoundTripKeepsEveryQuestion)
{
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(KORVAN_TEST_DATA "/lesson/ordinary.sl2"));
    test::TTempDir dir;
    const std::string path = dir.File("copy.sl2");
    lesson.SaveRestOrWithMistakes(path);
    TLesson copy;
    ASSERT_TRUE(copy.LoadFromFile(path));
    EXPECT_EQ(test::Describe(copy), test::Describe(lesson));
}

struct TSelectCase
{
    const char* Name;
    TSelection Selection;
    int Threshold;
    std::vector<TQuestion> Questions;
    std::string ExpectedNumbers; // the numbers written, in order
};

class LessonSelection : public ::testing::TestWithParam<TSelectCase>
{
};

TEST_P(LessonSelection, WritesTheSelectedQuestionsUnrenumbered)
{
    const TSelectCase& c = GetParam();
    TLesson lesson;
    lesson.Questions = c.Questions;
    test::TTempDir dir;
    const std::string path = dir.File("out.sl2");
    lesson.WriteToFile(path, c.Selection, c.Threshold);

    TLesson written;
    ASSERT_TRUE(written.LoadFromFile(path));
    std::string numbers;
    for (const TQuestion& q : written.Questions)
        numbers += (numbers.empty() ? "" : " ") + std::to_string(q.Number);
    EXPECT_EQ(numbers, c.ExpectedNumbers);
}

const TSelectCase SelectCases[] = {
    {"MistakesAtThreshold",
     TSelection::WithMistakes,
     2,
     {MakeQuestion(3, "a", false, 2), MakeQuestion(5, "b", false, 1),
      MakeQuestion(9, "c", true, 3)},
     "3 9"},
    {"ThresholdOneTakesAnyMistake",
     TSelection::WithMistakes,
     1,
     {MakeQuestion(1, "a", true, 0), MakeQuestion(2, "b", false, 1)},
     "2"},
    {"ThresholdZeroTakesAll",
     TSelection::WithMistakes,
     0,
     {MakeQuestion(1, "a", false, 0), MakeQuestion(2, "b", true, 0)},
     "1 2"},
    {"NoneQualifiesGivesAnEmptyBody",
     TSelection::WithMistakes,
     5,
     {MakeQuestion(1, "a", false, 4)},
     ""},
    {"BeforeARunRestTakesAll",
     TSelection::RestOrWithMistakes,
     0,
     {MakeQuestion(3, "a"), MakeQuestion(5, "b"), MakeQuestion(9, "c")},
     "3 5 9"},
    {"DuringARunUnfinishedOrWithMistakes",
     TSelection::RestOrWithMistakes,
     0,
     {MakeQuestion(3, "a", false, 0), MakeQuestion(5, "b", true, 0),
      MakeQuestion(9, "c", false, 1)},
     "5 9"},
    {"RestIgnoresTheThreshold",
     TSelection::RestOrWithMistakes,
     100,
     {MakeQuestion(7, "a", false, 1), MakeQuestion(2, "b", true, 0),
      MakeQuestion(7, "c", false, 0)},
     "7 2"},
};

INSTANTIATE_TEST_SUITE_P(Cases, LessonSelection, ::testing::ValuesIn(SelectCases),
                         [](const auto& info) { return std::string(info.param.Name); });

class LessonFailedWrite : public ::testing::Test
{
protected:
    LessonFailedWrite() { Lesson.Questions = {MakeQuestion(1, "new")}; }
    test::TTempDir Dir;
    TLesson Lesson;
};

TEST_F(LessonFailedWrite, MissingFolderThrows)
{
    EXPECT_THROW(Lesson.SaveRestOrWithMistakes(Dir.File("no/such/folder/out.sl2")), TIoError);
}

TEST_F(LessonFailedWrite, PathThatIsAFolderIsLeftAsItWas)
{
    const std::string target = Dir.File("taken.sl2");
    ASSERT_EQ(mkdir(target.c_str(), 0755), 0);
    const std::string inside = Dir.Write("taken.sl2/old.txt", "old");
    EXPECT_THROW(Lesson.SaveRestOrWithMistakes(target), TIoError);
    EXPECT_EQ(test::ReadFileBytes(inside), "old");
    // No temporary file is left beside the target.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Dir.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"taken.sl2"});
}

TEST_F(LessonFailedWrite, ReadOnlyFolderKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const std::string path = Dir.Write("old.sl2", "old content");
    ASSERT_EQ(chmod(Dir.Path().c_str(), 0500), 0);
    EXPECT_THROW(Lesson.SaveRestOrWithMistakes(path), TIoError);
    chmod(Dir.Path().c_str(), 0700);
    EXPECT_EQ(test::ReadFileBytes(path), "old content");
}

TEST_F(LessonFailedWrite, SuccessfulWriteReplacesTheOldFile)
{
    const std::string path = Dir.Write("old.sl2", "old content");
    Lesson.SaveRestOrWithMistakes(path);
    TLesson written;
    ASSERT_TRUE(written.LoadFromFile(path));
    EXPECT_EQ(test::Describe(written), "{} 1(cnew|rnew|enew)");
}

} // namespace
} // namespace korvan

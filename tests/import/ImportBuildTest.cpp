#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "TestFiles.h"
#include "import/ImportBuild.h"
#include "import/ImportWrite.h"
#include "import/TableReader.h"
#include "util/Text.h"

namespace korvan {
namespace {

using test::ReadFileBytes;
using test::TTempDir;

std::vector<TBuiltLesson> Build(const TImportCollection& c, const TImportOptions& o,
                                TImportSummary* summary = nullptr)
{
    std::vector<TBuiltLesson> lessons;
    const TImportSummary s =
        BuildLessons(c, o, [&](TBuiltLesson& lesson) { lessons.push_back(std::move(lesson)); });
    if (summary != nullptr)
        *summary = s;
    return lessons;
}

std::size_t Skipped(const TImportSummary& s, std::string_view reason)
{
    for (const TSkipCount& skip : s.Skipped)
        if (skip.Reason.find(reason) != std::string::npos)
            return skip.Count;
    return 0;
}

TEST(ImportBuild, ProposesColumnsByNameThenByLetters)
{
    struct TCase
    {
        const char* Name;
        const char* Table;
        int Russian, English, Comment;
    };
    const TCase cases[] = {
        {"English first", "Hello\tПривет\nBye\tПока\n", 1, 0, -1},
        {"comment after the sentence", "Привет\tHello\tприветствие, неформально\n", 0, 1, 2},
        {"names win over letters", "Comment\tEnglish\tRussian\nLatin here\tПривет\tHi\n", 2, 1, 0},
        {"the lesson tool's layout", "1\tПриветствие\tПривет!\tHello!\n", 2, 3, 1},
        {"no Russian at all", "a\tb\n", -1, 0, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TImportOptions o = ProposeOptions(ReadTable(c.Table));
        ASSERT_EQ(o.Columns.size(), 1u);
        EXPECT_EQ(o.Columns[0].Russian, c.Russian);
        EXPECT_EQ(o.Columns[0].English, c.English);
        EXPECT_EQ(o.Columns[0].Comment, c.Comment);
    }
}

TEST(ImportBuild, ACharacterOutside1251StopsSkipsOrIsReplaced)
{
    const TImportCollection table =
        ReadTable("Привет\tHello\nЛиса 🦊\tFox\nКафе\tCafé\n");
    TImportOptions o = ProposeOptions(table);
    TImportSummary s;

    o.Unfit = TUnfitChoice::Stop;
    EXPECT_TRUE(Build(table, o, &s).empty());
    ASSERT_EQ(s.Unfit.size(), 2u); // the fox and the é
    EXPECT_EQ(DescribeUnfit(s.Unfit[0]),
              "line 2, column 6: this character cannot be written in Windows-1251: 🦊");
    EXPECT_EQ(DescribeUnfitRussian(s.Unfit[0]), "строка 2, позиция 6: символа нет в кодировке "
                                                "Windows-1251: 🦊");

    o.Unfit = TUnfitChoice::Skip;
    std::vector<TBuiltLesson> lessons = Build(table, o, &s);
    ASSERT_EQ(lessons.size(), 1u);
    EXPECT_EQ(lessons[0].Lesson.QuestionCount(), 1);
    EXPECT_EQ(Skipped(s, "Windows-1251"), 2u);

    o.Unfit = TUnfitChoice::Replace;
    lessons = Build(table, o, &s);
    ASSERT_EQ(lessons[0].Lesson.QuestionCount(), 3);
    EXPECT_EQ(lessons[0].Lesson.Questions[1].RText, ToCp1251("Лиса ?"));
    EXPECT_EQ(lessons[0].Lesson.Questions[2].EText, "Caf?");
}

TEST(ImportBuild, SplitsIntoPartsNumberedOnAndLeavesOutLongSentences)
{
    const TImportCollection table =
        ReadTable("Один.\tOne.\nДва.\tTwo.\nТри слова тут.\tThree words here.\n"
                  "Четыре.\tFour.\n\t\nПять.\tFive.\n");
    TImportOptions o = ProposeOptions(table);
    o.Title = "Числа";
    o.FirstNumber = 10;
    o.MaxWords = 2;
    o.PerLesson = 2;
    o.Words = true;
    TImportSummary s;
    const std::vector<TBuiltLesson> lessons = Build(table, o, &s);
    ASSERT_EQ(lessons.size(), 2u);
    EXPECT_EQ(s.Taken, 4u);
    EXPECT_EQ(Skipped(s, "longer"), 1u);
    EXPECT_EQ(lessons[0].Lesson.Title, ToCp1251("Числа (1)"));
    EXPECT_EQ(lessons[1].Lesson.Title, ToCp1251("Числа (2)"));
    EXPECT_TRUE(lessons[1].Lesson.Words);
    EXPECT_EQ(lessons[1].Lesson.Questions[0].Number, 12); // numbering runs on across parts
    EXPECT_EQ(lessons[1].Lesson.Questions[1].EText, "Five.");
}

TEST(ImportBuild, ABadNumberInTheNumberColumnIsAnError)
{
    const TImportCollection table = ReadTable("1\tа\ta\nseven\tб\tb\n");
    EXPECT_THROW(Build(table, ProposeOptions(table)), TImportError);
    TImportOptions renumbered = ProposeOptions(table);
    renumbered.KeepNumbers = false;
    EXPECT_EQ(Build(table, renumbered).at(0).Lesson.QuestionCount(), 2);
}

// Media of a source, some of them missing.
class TFakeMedia : public IImportMedia
{
public:
    bool Extract(const std::string& name, const std::string& targetPath) override
    {
        const auto it = Files.find(name);
        if (it == Files.end())
            return false;
        std::ofstream(targetPath, std::ios::binary) << it->second;
        return true;
    }
    std::map<std::string, std::string> Files;
};

TEST(ImportWrite, WritesLessonsAndRecordingsTogetherOrNotAtAll)
{
    TImportCollection c;
    c.Format = "test";
    c.FieldSets.push_back({"", {"Front", "Back", "Audio"}});
    c.Comments.push_back("From a test.");
    auto record = [](std::string ru, std::string en, std::string sound) {
        TImportRecord r;
        r.Cells.resize(3);
        r.Cells[0].Text = std::move(ru);
        r.Cells[1].Text = std::move(en);
        if (!sound.empty())
            r.Cells[2].Sounds.push_back(std::move(sound));
        r.Note = "note";
        return r;
    };
    c.Records.push_back(record("Да.", "Yes.", "da.mp3"));
    c.Records.push_back(record("Нет.", "No.", "gone.wav"));
    c.Records.push_back(record("Может быть.", "Maybe.", "maybe.ogg"));
    TFakeMedia media;
    media.Files["da.mp3"] = "ID3 mp3 bytes";

    const TImportOptions o = ProposeOptions(c);
    ASSERT_EQ(o.Columns[0].RussianSound, 2);
    ASSERT_EQ(o.Columns[0].EnglishSound, -1);

    TTempDir dir;
    const std::string lesson = dir.File("deck.sl2");
    {
        TLessonWriter abandoned(lesson, &media);
        BuildLessons(c, o, std::ref(abandoned));
    } // no Commit: nothing stays
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    TLessonWriter writer(lesson, &media);
    const TImportSummary s = BuildLessons(c, o, std::ref(writer));
    writer.Commit();
    EXPECT_EQ(writer.MissingMedia(), 1u);
    EXPECT_EQ(Skipped(s, "cannot play"), 1u);
    EXPECT_EQ(ReadFileBytes(dir.File("001R.MP3")), "ID3 mp3 bytes");
    EXPECT_FALSE(std::filesystem::exists(dir.File("002R.WAV")));
    TLesson read;
    ASSERT_TRUE(read.LoadFromFile(lesson));
    EXPECT_TRUE(read.HasRuAudio);
    EXPECT_FALSE(read.HasEnAudio);
    EXPECT_EQ(read.QuestionCount(), 3);
    EXPECT_NE(ReadFileBytes(lesson).find("\r\n# From a test.\r\n# 1: note\r\n"), std::string::npos);
}

TEST(ImportWrite, NamesTheParts)
{
    EXPECT_EQ(LessonPartPath("a/b.sl2", 0), "a/b.sl2");
    EXPECT_EQ(LessonPartPath("a/b.sl2", 7), "a/b-007.sl2");
    EXPECT_EQ(LessonPartPath("b", 12), "b-012.sl2");

    TTempDir dir;
    const std::string folder = dir.Path() + "/";
    EXPECT_EQ(ImportedLessonPath(folder, " ../Мои/слова\t", false), folder + "Моислова.sl2");
    EXPECT_EQ(ImportedLessonPath(folder, "\t", true), folder + "Импорт/Импорт.sl2");
    dir.Write("Колода.sl2", "");
    std::filesystem::create_directory(folder + "Колода");
    EXPECT_EQ(ImportedLessonPath(folder, "Колода", false), folder + "Колода 2.sl2");
    EXPECT_EQ(ImportedLessonPath(folder, "Колода", true), folder + "Колода 2/Колода 2.sl2");
}

} // namespace
} // namespace korvan

// Anki files through the lesson tool's import, as a user runs it: the reader
// table recognises them, the notes of the chosen deck become questions and
// their recordings lie beside the lesson.

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "import/AnkiTestDeck.h"
#include "lesson/Lesson.h"
#include "lessontool/LessonImport.h"
#include "util/Text.h"

namespace korvan {
namespace {

using test::TTestLayout;

struct TRun
{
    int Code;
    std::string Out;
    std::string Err;
};

TRun Import(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int code = RunImport(args, out, err);
    return {code, out.str(), err.str()};
}

test::TDeckSpec TwoDecks()
{
    test::TDeckSpec deck;
    deck.Schema = 18;
    deck.Decks = {{1, "Default"}, {2, "Фразы"}, {3, "Words"}};
    deck.Types = {{10, "Basic", {"Front", "Back"}}, {11, "Cloze", {"Text", "Extra"}, true}};
    deck.Notes = {{10, 2, {"Доброе утро.[sound:ru1.mp3]", "Good morning.[sound:en1.mp3]"}},
                  {10, 2, {"Спасибо.[sound:gone.mp3]", "Thank you."}},
                  {11, 2, {"{{c1::Кот}} спит.", ""}},
                  {10, 3, {"кот", "cat"}}};
    return deck;
}

TEST(AnkiImport, ThePackagesChosenDeckWithItsRecordings)
{
    test::TTempDir dir;
    const std::string package = dir.File("phrases.apkg");
    test::WritePackage(package, TTestLayout::Latest, TwoDecks(),
                       {{"ru1.mp3", "RU1"}, {"en1.mp3", "EN1"}, {"gone.mp3", "", false}});
    std::filesystem::create_directory(dir.File("out"));
    const std::string lessonPath = dir.File("out/phrases.sl2");

    const TRun run = Import({package, lessonPath, "--deck", "Фразы"});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_NE(run.Out.find("Skipped 1 cloze notes."), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("1 recordings are missing"), std::string::npos) << run.Out;

    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(lessonPath));
    ASSERT_EQ(lesson.QuestionCount(), 2);
    EXPECT_EQ(lesson.Questions[0].RText, ToCp1251("Доброе утро."));
    EXPECT_EQ(lesson.Questions[0].EText, "Good morning.");
    EXPECT_EQ(lesson.Questions[1].EText, "Thank you.");
    EXPECT_TRUE(lesson.HasRuAudio);
    EXPECT_TRUE(lesson.HasEnAudio);
    std::vector<std::string> recordings;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("out")))
        if (entry.path().extension() != ".sl2")
            recordings.push_back(test::ReadFileBytes(entry.path().string()));
    std::sort(recordings.begin(), recordings.end());
    EXPECT_EQ(recordings, (std::vector<std::string>{"EN1", "RU1"}));
}

TEST(AnkiImport, ThePlainTextExport)
{
    test::TTempDir dir;
    const std::string notes = dir.Write("notes.txt", "#separator:tab\n#html:true\n"
                                                     "#notetype column:1\n"
                                                     "Basic\t<i>Да</i>\tYes&nbsp;!\n");
    const TRun run = Import({notes, dir.File("yes.sl2")});
    ASSERT_EQ(run.Code, 0) << run.Err;
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(dir.File("yes.sl2")));
    ASSERT_EQ(lesson.QuestionCount(), 1);
    EXPECT_EQ(lesson.Questions[0].RText, ToCp1251("Да"));
    EXPECT_EQ(lesson.Questions[0].EText, "Yes !");
}

TEST(AnkiImport, AnEmptyOrBrokenPackageWritesNothing)
{
    test::TTempDir dir;
    test::TDeckSpec empty = TwoDecks();
    empty.Notes.clear();
    const std::string emptyPackage = dir.File("empty.apkg");
    test::WritePackage(emptyPackage, TTestLayout::Legacy2, empty, {});
    const std::string broken = dir.Write("broken.apkg", "PK\x03\x04 and nothing more");
    for (const auto& [package, message] :
         {std::pair{emptyPackage, "holds no notes"}, std::pair{broken, "damaged or truncated"}}) {
        const TRun run = Import({package, dir.File("out.sl2")});
        EXPECT_EQ(run.Code, 1);
        EXPECT_NE(run.Err.find(message), std::string::npos) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.sl2")));
    }
}

} // namespace
} // namespace korvan

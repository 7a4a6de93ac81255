#include <gtest/gtest.h>

#include <sstream>

#include "TestFiles.h"
#include "ToolRun.h"
#include "lesson/Lesson.h"
#include "lesson/LessonChecks.h"
#include "lessontool/LessonCheck.h"
#include "lessontool/LessonImport.h"
#include "lessontool/LessonTool.h"
#include "util/Text.h"

namespace korvan {
namespace {

using test::TRun;
using test::TTempDir;

TRun RunTool(const std::vector<std::string>& args,
             const std::string& programFolder = "/nonexistent/")
{
    return test::Capture([&](std::ostream& out, std::ostream& err) {
        return RunLessonTool(args, programFolder, out, err);
    });
}

// A lesson written in UTF-8 here and stored as the 1251 bytes the trainer reads.
std::string Lesson1251(const std::string& utf8Body, const std::string& header = "Title=Тест")
{
    return ToCp1251("Korvan Lesson File Format, Version 2\r\n<header>\r\n" + header +
                    "\r\n<body>\r\n" + utf8Body);
}

TEST(LessonToolDump, WritesJsonWithUtf8TextsAndNorms)
{
    TTempDir dir;
    const std::string lesson =
        dir.Write("a.sl2", Lesson1251("5\r\nС \"кавычками\"\\\r\nДва слова\r\nTwo words\r\n"
                                      "\r\n\r\nодин\r\none\r\n",
                                      "Title=Урок\r\nWords\r\nHasEnAudio"));
    const std::string table = dir.Write("t.ini", "3\n8\n");
    const TRun run = RunTool({"dump", lesson, "--time-table", table});
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out,
              "{\"lesson\": true, \"loaded\": true, \"title\": \"Урок\", \"words\": true, "
              "\"hasRuAudio\": false, \"hasEnAudio\": true, \"questions\": [\n"
              "  {\"number\": 5, \"comment\": \"С \\\"кавычками\\\"\\\\\", \"rtext\": \"Два "
              "слова\", \"etext\": \"Two words\", \"timeNorm\": 8},\n"
              "  {\"number\": 2, \"comment\": \"\", \"rtext\": \"один\", \"etext\": \"one\", "
              "\"timeNorm\": 3}\n]}\n");
}

TEST(LessonToolDump, ReportsATableProblemAndUsesTheTrainersNorms)
{
    TTempDir dir;
    const std::string lesson = dir.Write("a.sl2", Lesson1251("1\r\n\r\nраз два\r\none two\r\n"));
    const TRun run = RunTool({"dump", lesson}, dir.Path() + "/"); // no Time.ini there
    EXPECT_EQ(run.Code, 0);
    // The trainer's message, in the tool's language (English without a locale).
    EXPECT_EQ(run.Err.rfind("Error reading the file Time.ini: \"", 0), 0u) << run.Err;
    EXPECT_NE(run.Out.find("\"timeNorm\": 10}"), std::string::npos) << run.Out;
}

TEST(LessonToolDump, ExitCodesTellReadFromUnreadable)
{
    TTempDir dir;
    const TRun notLesson = RunTool({"dump", dir.Write("x.sl2", "hello\n")});
    EXPECT_EQ(notLesson.Code, 0);
    EXPECT_NE(notLesson.Out.find("\"lesson\": false, \"loaded\": false"), std::string::npos);
    EXPECT_NE(notLesson.Out.find("\"questions\": []}"), std::string::npos);

    const TRun missing = RunTool({"dump", dir.File("missing.sl2")});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_NE(missing.Err.find("missing.sl2"), std::string::npos);
    EXPECT_EQ(missing.Out, "");

    EXPECT_EQ(RunTool({"dump"}).Code, 2);
    EXPECT_EQ(RunTool({"frobnicate"}).Code, 2);
}

TEST(LessonToolCheck, ReportsDroppedLinesAndTheGroupsTheyShift)
{
    TTempDir dir;
    // Line 9 ("x") is not a number: the next two groups start one line off.
    const std::string body = "1\r\nc\r\nр1\r\ne1\r\n"
                             "x\r\n2\r\nc\r\nр2\r\ne2\r\n3\r\nc\r\nр3\r\ne3\r\n";
    const TRun run = RunTool({"check", dir.Write("a.sl2", Lesson1251(body))});
    EXPECT_NE(run.Out.find("Line 9: \"x\" is not a question number"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("From question 2 (number 2) to question 3 (number 3) the groups "
                           "start off"),
              std::string::npos)
        << run.Out;
    EXPECT_NE(run.Out.find("Questions: 3\n"), std::string::npos);
    EXPECT_EQ(run.Code, 0); // still usable, but the author has been told

    // A mistyped number drags its group along until the next number lines up.
    const std::string typo = "1\r\nc\r\nр1\r\ne1\r\n2б\r\nкомм\r\nр2\r\ne2\r\n"
                             "3\r\nc\r\nр3\r\ne3\r\n";
    const TRun typoRun = RunTool({"check", dir.Write("b.sl2", Lesson1251(typo))});
    EXPECT_NE(typoRun.Out.find("Lines 9 to 12 are not question numbers, so the trainer skips "
                               "them: \"2б\" \"комм\" \"р2\" \"e2\"\n"
                               "  The groups after it keep the four-line pattern."),
              std::string::npos)
        << typoRun.Out;
}

TEST(LessonToolCheck, ReportsEmptyTextsRepeatedNumbersAndMissingRecordings)
{
    TTempDir dir;
    const std::string body = "7\r\n\r\nраз\r\n\r\n7\r\n\r\n\r\ntwo\r\n12\r\n\r\nтри\r\nthree\r\n";
    const std::string lesson = dir.Write("a.sl2", Lesson1251(body, "Title=T\r\nHasRuAudio"));
    dir.Write("007r.wav", "RIFF"); // found whatever its letter case
    dir.Write("012R.MP3", "ID3");  // an MP3 stands in for a missing WAV
    const TRun run = RunTool({"check", lesson});
    EXPECT_NE(run.Out.find("question 1 (number 7) has no English text"), std::string::npos)
        << run.Out;
    EXPECT_NE(run.Out.find("question 2 (number 7) has no Russian text"), std::string::npos);
    EXPECT_NE(run.Out.find("The number 7 is used by 2 questions"), std::string::npos);
    EXPECT_EQ(run.Out.find("recordings, but"), std::string::npos) << run.Out;

    std::filesystem::remove(dir.File("012R.MP3"));
    const TRun missing = RunTool({"check", lesson});
    EXPECT_NE(missing.Out.find("Russian recordings, but 1 of 2 are not in the lesson's folder: "
                               "012R.WAV."),
              std::string::npos)
        << missing.Out;
    EXPECT_EQ(missing.Code, 0);

    const TRun russian = test::Capture([&](std::ostream& out, std::ostream& err) {
        return RunLessonTool({"check", lesson}, "/nonexistent/", out, err, TUiLanguage::Russian);
    });
    EXPECT_EQ(russian.Out,
              "Файл урока: " + lesson +
                  "\nЗаголовок: T\nВид: обычный урок\nВопросов: 3\n"
                  "У вопроса 1 (номер 7) нет английского текста.\n"
                  "У вопроса 2 (номер 7) нет русского текста.\n"
                  "Под номером 7 — 2 вопроса; у них одна пара записей.\n"
                  "В заголовке обещаны русские записи, но 1 из 2 нет в папке урока: 012R.WAV. "
                  "Тренажёр покажет вместо них текст.\n"
                  "Итог: урок пригоден.\n");
}

TEST(LessonToolCheck, RejectsWhatTheTrainerCannotUse)
{
    TTempDir dir;
    const std::string magic = "Korvan Lesson File Format, Version 2\r\n";
    const std::string utf8Body = "<header>\r\nTitle=Тест\r\n<body>\r\n1\r\n\r\nпривет\r\nhi\r\n";

    const TRun bom = RunTool({"check", dir.Write("bom.sl2", "\xEF\xBB\xBF" + magic + utf8Body)});
    EXPECT_EQ(bom.Code, 1);
    EXPECT_NE(bom.Out.find("byte-order mark"), std::string::npos);

    const TRun utf8 = RunTool({"check", dir.Write("utf8.sl2", magic + utf8Body)});
    EXPECT_EQ(utf8.Code, 1);
    EXPECT_NE(utf8.Out.find("The file is UTF-8 text"), std::string::npos) << utf8.Out;

    const TRun empty = RunTool({"check", dir.Write("empty.sl2", Lesson1251(""))});
    EXPECT_EQ(empty.Code, 1);
    EXPECT_NE(empty.Out.find("Questions: 0"), std::string::npos);

    const TRun noBody =
        RunTool({"check", dir.Write("nobody.sl2", ToCp1251(magic + "<header>\r\nTitle=x\r\n"))});
    EXPECT_EQ(noBody.Code, 1);
    EXPECT_NE(noBody.Out.find("no \"<body>\" line"), std::string::npos);

    const TRun wrongCase = RunTool({"check", dir.Write("case.sl2", "korvan lesson file format, "
                                                                   "version 2\r\n")});
    EXPECT_EQ(wrongCase.Code, 1);
    EXPECT_NE(wrongCase.Out.find("Not a lesson"), std::string::npos);

    EXPECT_EQ(RunTool({"check", dir.File("none.sl2")}).Code, 1);
}

TEST(LessonToolCheck, Utf8DetectorSeesSequencesSplitBetweenPieces)
{
    TUtf8Detector split;
    split.Feed("abc \xD0");
    split.Feed("\xBF\xD1\x80");
    EXPECT_TRUE(split.LooksLikeUtf8());

    TUtf8Detector ascii;
    ascii.Feed("plain English only");
    EXPECT_FALSE(ascii.LooksLikeUtf8()); // nothing to garble

    TUtf8Detector cp1251;
    cp1251.Feed(ToCp1251("Привет, мир"));
    EXPECT_FALSE(cp1251.LooksLikeUtf8());

    TUtf8Detector truncated;
    truncated.Feed("\xD0");
    EXPECT_FALSE(truncated.LooksLikeUtf8());
}

TEST(LessonToolImport, BuildsALessonTheTrainerReadsBack)
{
    TTempDir dir;
    const std::string table = dir.Write("t.tsv", "\xEF\xBB\xBF"
                                                 "№\tКомментарий\tРусский\tАнглийский\r\n"
                                                 "3\tПриветствие\t Привет! \tHello!\r\n"
                                                 "\t\t\t\r\n"
                                                 "\t\"Ответ \"\"да\"\"\"\tДа.\tYes.\t\t\r\n"
                                                 "-2\t\tНет.\n");
    const std::string out = dir.File("out.sl2");
    const TRun run =
        RunTool({"import", table, out, "--title", "Мой урок", "--words", "--en-audio"});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Out, "Wrote 3 questions to " + out + "\n");

    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(out));
    EXPECT_EQ(lesson.Title, ToCp1251("Мой урок"));
    EXPECT_TRUE(lesson.Words);
    EXPECT_FALSE(lesson.HasRuAudio);
    EXPECT_TRUE(lesson.HasEnAudio);
    ASSERT_EQ(lesson.QuestionCount(), 3);
    EXPECT_EQ(lesson.Questions[0].Number, 3);
    EXPECT_EQ(lesson.Questions[0].RText, ToCp1251("Привет!"));
    EXPECT_EQ(lesson.Questions[1].Number, 2); // an empty number cell: count + 1
    EXPECT_EQ(lesson.Questions[1].Comment, ToCp1251("Ответ \"да\""));
    EXPECT_EQ(lesson.Questions[2].Number, -2);
    EXPECT_EQ(lesson.Questions[2].EText, "");
}

TEST(LessonToolImport, RefusesBadTablesAndWritesNothing)
{
    struct TCase
    {
        const char* Name;
        std::string Table;
        std::string Message;
    };
    const TCase cases[] = {
        {"unconvertible", "1\tc\tПривет\tHello\n2\t\tЛиса 🦊\tFox\n",
         "line 2, column 9: this character cannot be written in Windows-1251"},
        {"bad number", "1\t\tа\ta\nseven\t\tб\tb\n",
         "line 2, column 1: \"seven\" is not a question number"},
        {"cell beyond the heading", "№\tКомм\tРусский\tEnglish\n1\t\tа\ta\tлишнее\n",
         "line 2, column 8: a cell beyond the table's 4 columns"},
        {"control character", "1\t\tа\x01\ta\n", "line 1, column 5: a control character"},
        {"no questions", "Номер\tКомм\tРус\tАнгл\n\n", "the table holds no questions"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTempDir dir;
        const std::string out = dir.File("out.sl2");
        const TRun run = RunTool({"import", dir.Write("t.tsv", c.Table), out});
        EXPECT_EQ(run.Code, 1);
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_NE(run.Err.find("Nothing was written."), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    // In Russian the import's own reasons are Russian too.
    for (const TCase* c : {&cases[0], &cases[1]}) {
        TTempDir dir;
        const TRun russian = test::Capture([&](std::ostream& out, std::ostream& err) {
            return RunLessonTool({"import", dir.Write("t.tsv", c->Table), dir.File("out.sl2")},
                                 "/nonexistent/", out, err, TUiLanguage::Russian);
        });
        EXPECT_NE(russian.Err.find(c == &cases[0] ? "строка 2, позиция 9: символа нет"
                                                  : "строка 2, позиция 1: \"seven\" не номер"),
                  std::string::npos)
            << russian.Err;
        EXPECT_NE(russian.Err.find("Ничего не записано."), std::string::npos) << russian.Err;
    }
}

TEST(LessonToolImport, TakesTatoebaPairsInPartsAndConvertsUtf8Lessons)
{
    TTempDir dir;
    const std::string pairs =
        dir.Write("rus-eng.tsv", "\xEF\xBB\xBF"
                                 "1\tЯ дома.\t2\tI'm home.\r\n"
                                 "3\tОчень длинное русское предложение.\t4\tA "
                                 "long one.\r\n"
                                 "5\tДа.\t6\tYes.\r\n"
                                 "5\tДа.\t7\tYeah.\r\n");
    const std::string out = dir.File("t.sl2");
    const TRun run = RunTool({"import", pairs, out, "--per-lesson", "1", "--max-words", "3",
                              "--english", "Translation", "--russian", "1"});
    ASSERT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Out, "Wrote 2 questions to " + dir.File("t-001.sl2") + " ... " +
                           dir.File("t-002.sl2") +
                           " (2 lessons)\nSkipped 1 further translations of a sentence already "
                           "taken.\nSkipped 1 longer than the largest number of words.\n");
    TLesson second;
    ASSERT_TRUE(second.LoadFromFile(dir.File("t-002.sl2")));
    EXPECT_EQ(second.Title, "rus-eng (2)");
    EXPECT_EQ(second.Questions.at(0).Number, 2);
    EXPECT_EQ(second.Questions.at(0).RText, ToCp1251("Да."));
    EXPECT_NE(test::ReadFileBytes(dir.File("t-002.sl2")).find("# 2: Tatoeba 5 6\r\n"),
              std::string::npos);

    const std::string utf8 = dir.Write("u.sl2", "Korvan Lesson File Format, Version 2\n<header>\n"
                                                "Title=Ёж\n<body>\n\n\nЁж\nHedgehog\n");
    const TRun converted = RunTool({"import", utf8, dir.File("c.sl2"), "--title", "ignored"});
    ASSERT_EQ(converted.Code, 0) << converted.Err;
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(dir.File("c.sl2")));
    EXPECT_EQ(lesson.Title, ToCp1251("Ёж"));
    EXPECT_EQ(RunTool({"import", pairs, out, "--russian", "Nope"}).Code, 2);
}

TEST(LessonToolImport, SplitsQuotedCellsAsSpreadsheetsWriteThem)
{
    const TTableRow row = SplitTableLine("a\t\"b\tc\"\t\"\"\"q\"\"\"\t");
    ASSERT_EQ(row.Cells.size(), 4u);
    EXPECT_EQ(row.Cells[1], "b\tc");
    EXPECT_EQ(row.Cells[2], "\"q\"");
    EXPECT_EQ(row.Cells[3], "");
    EXPECT_EQ(row.Starts[1], 3u);
}

TEST(ShippedLessons, AreUsableAndComplete)
{
    // Each lesson has its own folder: their recordings are named by number.
    for (const char* name : {"everyday/everyday.sl2", "words/words.sl2"}) {
        SCOPED_TRACE(name);
        const std::string path = std::string(KORVAN_SHIPPED_DATA) + "/program/lessons/" + name;
        const TRun run = RunTool({"check", path});
        EXPECT_EQ(run.Code, 0) << run.Out;
        EXPECT_EQ(run.Out.find("has no"), std::string::npos) << run.Out;
        TLesson lesson;
        ASSERT_TRUE(lesson.LoadFromFile(path));
        EXPECT_GE(lesson.QuestionCount(), 20);
        EXPECT_EQ(lesson.Words, std::string(name) == "words/words.sl2");
        for (const TQuestion& q : lesson.Questions)
            EXPECT_FALSE(q.Comment.empty()) << q.Number;
    }
}

} // namespace
} // namespace korvan

#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../TestFiles.h"
#include "../TestNames.h"
#include "../drill/DrillWorld.h"
#include "drill/MistakesOffer.h"
#include "lesson/DerivedLessons.h"
#include "util/Errors.h"
#include "util/Paths.h"
#include "util/Text.h"

namespace korvan {
namespace {

using test::ReadFileBytes;
using test::TTempDir;

const std::string Pupil = ToCp1251("Ученик 1");

// ------------------------------------------------------------ proposed names

struct TNameRow
{
    const char* Lesson;
    const char* Manual;
    const char* Automatic;
};

const TNameRow NameRows[] = {
    {"Unit 5.sl2", "Остановился в Unit 5 (Ученик 1).sl2", "Ошибки в Unit 5 (Ученик 1).sl2"},
    {"Остановился в Unit 5 (Ученик 1).sl2", "Остановился в Unit 5 (Ученик 1).sl2",
     "Ошибки в Unit 5 (Ученик 1).sl2"},
    {"ошибки в Unit 5 (Ученик 1).sl2", "Остановился в ошибки в Unit 5 (Ученик 1).sl2",
     "ошибки в Unit 5 (Ученик 1).sl2"},
    {"lesson", "Остановился в lesson (Ученик 1).sl2", "Ошибки в lesson (Ученик 1).sl2"},
    // Both alphabets in any letter case; the rest of the name keeps its own.
    {"ОСТАНОВИЛСЯ В Unit 5.SL2", "ОСТАНОВИЛСЯ В Unit 5.SL2", "Ошибки в Unit 5.SL2"},
    {"оСтАнОвИлСя В ёлка (Пётр).sl2", "оСтАнОвИлСя В ёлка (Пётр).sl2", "Ошибки в ёлка (Пётр).sl2"},
    {"ОШИБКИ в Ёж.sl2", "Остановился в ОШИБКИ в Ёж.sl2", "ОШИБКИ в Ёж.sl2"},
    // Almost a prefix: the blank after it is part of the test.
    {"Ошибки во.sl2", "Остановился в Ошибки во (Ученик 1).sl2",
     "Ошибки в Ошибки во (Ученик 1).sl2"},
    {"Остановился.sl2", "Остановился в Остановился (Ученик 1).sl2",
     "Ошибки в Остановился (Ученик 1).sl2"},
    // The extension is the text from the last point on.
    {"a.b.sl2", "Остановился в a.b (Ученик 1).sl2", "Ошибки в a.b (Ученик 1).sl2"},
};

class ProposedNames : public ::testing::TestWithParam<std::tuple<TNameRow, const char*>>
{
};

TEST_P(ProposedNames, InTheLessonsFolder)
{
    const auto& [row, folder] = GetParam();
    const std::string path = std::string(folder) + row.Lesson;
    EXPECT_EQ(RestFileName(path, Pupil), row.Manual);
    EXPECT_EQ(MistakesFileName(path, Pupil), row.Automatic);
}

INSTANTIATE_TEST_SUITE_P(Table, ProposedNames,
                         ::testing::Combine(::testing::ValuesIn(NameRows),
                                            ::testing::Values("/home/u/",
                                                              "/home/u/Ошибки в уроках/",
                                                              "/home/u/ОСТАНОВИЛСЯ В /", "")),
                         [](const auto& info) {
                             return test::RowName(info.index,
                                                  std::string(std::get<0>(info.param).Lesson) +
                                                      " in " + std::get<1>(info.param));
                         });

TEST(ProposedNamesOf, APupilNameCannotLeadIntoAnotherFolder)
{
    EXPECT_EQ(RestFileName("/l/a.sl2", ToCp1251("Иванов/Петров")),
              "Остановился в a (Иванов_Петров).sl2");
    EXPECT_EQ(MistakesFileName("/l/a.sl2", std::string("x\0y", 3)), "Ошибки в a (x_y).sl2");
}

TEST(ProposedNamesOf, AFileNameThatIsNotUtf8IsKeptAsStored)
{
    // A 1251 name copied from another system: its bytes are left alone.
    const std::string name = ToCp1251("ошибки в а.sl2");
    EXPECT_EQ(RestFileName("/l/" + name, Pupil),
              "Остановился в " + name.substr(0, name.size() - 4) + " (Ученик 1).sl2");
}

TEST(UpperCase, BothAlphabetsAndNothingElse)
{
    EXPECT_EQ(UpperCaseRuEn("abc xyz ABC 019"), "ABC XYZ ABC 019");
    EXPECT_EQ(UpperCaseRuEn("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"),
              "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    EXPECT_EQ(UpperCaseRuEn("ЁЖ"), "ЁЖ");
    EXPECT_EQ(UpperCaseRuEn("іїєґўђ"), "ІЇЄҐЎЂ");
    EXPECT_EQ(UpperCaseRuEn("éß€日本"), "éß€日本");
    // Invalid UTF-8: a lone lead byte at the end, a lead byte before ASCII.
    EXPECT_EQ(UpperCaseRuEn("a\xD0"), "A\xD0");
    EXPECT_EQ(UpperCaseRuEn("\xD1z"), "\xD1Z");
    EXPECT_TRUE(SameIgnoringCaseRuEn("/Уроки/Ёлка.SL2", "/уроки/ёлка.sl2"));
    EXPECT_FALSE(SameIgnoringCaseRuEn("/уроки/елка.sl2", "/уроки/ёлка.sl2"));
}

TEST(LessonExtension, AppendedUnlessAlreadyThere)
{
    const std::pair<const char*, const char*> rows[] = {
        {"/l/extra.txt", "/l/extra.txt.sl2"},
        {"/l/a.SL2", "/l/a.SL2"},
        {"/l/a.Sl2", "/l/a.Sl2"},
        {"/l/a.sl2", "/l/a.sl2"},
        {"/l/lesson", "/l/lesson.sl2"},
        {"/l.v2/lesson", "/l.v2/lesson.sl2"},
        {"/l/a.sl2.bak", "/l/a.sl2.bak.sl2"},
        {"/l/a.sl", "/l/a.sl.sl2"},
    };
    for (const auto& [chosen, written] : rows)
        EXPECT_EQ(WithLessonExtension(chosen), written) << chosen;
}

// ------------------------------------------------------------ the saves

// Answers the save dialog as a user would, and records what it was shown.
class TFakeSaveDialog : public ISaveLessonDialog
{
public:
    std::optional<std::string> Execute(const std::string& proposedPath,
                                       const std::string& title) override
    {
        Shown.push_back({proposedPath, title});
        return Answer;
    }
    bool ConfirmReplace(const std::string& path) override
    {
        Asked.push_back(path);
        return Replace;
    }

    struct TShown
    {
        std::string Proposed;
        std::string Title;
    };
    std::vector<TShown> Shown;
    std::vector<std::string> Asked;
    std::optional<std::string> Answer;
    bool Replace = true;
};

std::string LessonText(const std::string& numbers)
{
    std::string body;
    for (char n : numbers)
        body += std::string(1, n) + "\r\nc\r\nr" + n + "\r\ne" + n + "\r\n";
    return ToCp1251("Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=Тест\r\n"
                    "HasRuAudio\r\n<body>\r\n") +
           body;
}

// The question numbers of a written lesson file.
std::string NumbersIn(const std::string& path)
{
    TLesson lesson;
    lesson.LoadFromFile(path);
    std::string numbers;
    for (const TQuestion& q : lesson.Questions)
        numbers += std::to_string(q.Number);
    return numbers;
}

class DerivedSave : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Folder = Dir.Path() + "/Уроки/";
        ASSERT_EQ(::mkdir(Folder.c_str(), 0777), 0);
        LessonPath = Folder + "Unit 5.sl2";
        std::ofstream(LessonPath, std::ios::binary) << LessonText("3579");
        ASSERT_TRUE(Lesson.LoadFromFile(LessonPath));
        ASSERT_TRUE(Lesson.Loaded);
    }

    TTempDir Dir;
    std::string Folder;
    std::string LessonPath;
    TLesson Lesson;
    TFakeSaveDialog Dialog;
};

TEST_F(DerivedSave, ManualSaveRightAfterOpeningWritesEveryQuestion)
{
    const std::string proposed = Folder + "Остановился в Unit 5 (Ученик 1).sl2";
    Dialog.Answer = proposed;
    EXPECT_EQ(SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog), proposed);
    ASSERT_EQ(Dialog.Shown.size(), 1u);
    EXPECT_EQ(Dialog.Shown[0].Proposed, proposed);
    EXPECT_EQ(Dialog.Shown[0].Title, ""); // the dialog's standard title
    EXPECT_EQ(NumbersIn(proposed), "3579");
    // The program goes on with the lesson it had.
    EXPECT_EQ(Lesson.FileName, LessonPath);
}

TEST_F(DerivedSave, ABundledLessonOfAnInstallIsSavedAmongTheUsersLessons)
{
    const TFileLocations before = FileLocations();
    SetFileLocations({true, Folder, Dir.Path() + "/home/korvan/"});
    Dialog.Answer.reset();
    SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog);
    SetFileLocations(before);
    ASSERT_EQ(Dialog.Shown.size(), 1u);
    EXPECT_EQ(Dialog.Shown[0].Proposed, Dir.Path() +
                                            "/home/korvan/lessons/Уроки собственной разработки/"
                                            "Остановился в Unit 5 (Ученик 1).sl2");
}

TEST_F(DerivedSave, ManualSaveWritesTheUnfinishedAndThoseWithMistakes)
{
    Lesson.Questions[0].Unfinished = false; // 3: finished without mistakes
    Lesson.Questions[1].Unfinished = false; // 5: finished with one
    Lesson.Questions[1].MistakeCount = 1;
    Dialog.Answer = Folder + "rest";
    EXPECT_EQ(SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog), Folder + "rest.sl2");
    EXPECT_EQ(NumbersIn(Folder + "rest.sl2"), "579");
}

TEST_F(DerivedSave, ManualSaveWithoutALessonOrCancelledWritesNothing)
{
    Dialog.Answer = std::nullopt;
    EXPECT_EQ(SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog), std::nullopt);
    EXPECT_EQ(Dialog.Shown.size(), 1u);
    TLesson none;
    Dialog.Answer = Folder + "x.sl2";
    EXPECT_EQ(SaveRestOrWithMistakesAs(none, Pupil, Dialog), std::nullopt);
    EXPECT_EQ(Dialog.Shown.size(), 1u); // no dialog at all
    EXPECT_FALSE(std::filesystem::exists(Folder + "x.sl2"));
}

TEST_F(DerivedSave, TheExtensionRuleAndItsQuestion)
{
    Dialog.Answer = Folder + "extra.txt";
    EXPECT_EQ(SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog), Folder + "extra.txt.sl2");
    EXPECT_TRUE(Dialog.Asked.empty()); // nothing there to replace
    EXPECT_FALSE(std::filesystem::exists(Folder + "extra.txt"));

    // Capitals: nothing appended, and the dialog's own question was enough.
    Dialog.Answer = Folder + "CAPS.SL2";
    EXPECT_EQ(SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog), Folder + "CAPS.SL2");
    EXPECT_EQ(NumbersIn(Folder + "CAPS.SL2"), "3579");

    // The extended name exists: asked, and a refusal keeps the old file.
    const std::string old = "old content";
    std::ofstream(Folder + "keep.sl2", std::ios::binary) << old;
    Dialog.Answer = Folder + "keep";
    Dialog.Replace = false;
    EXPECT_EQ(SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog), std::nullopt);
    EXPECT_EQ(Dialog.Asked, std::vector<std::string>{Folder + "keep.sl2"});
    EXPECT_EQ(ReadFileBytes(Folder + "keep.sl2"), old);
    Dialog.Replace = true;
    EXPECT_EQ(SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog), Folder + "keep.sl2");
    EXPECT_EQ(NumbersIn(Folder + "keep.sl2"), "3579");
}

TEST_F(DerivedSave, AFailedWriteKeepsTheOldFileAndTheLesson)
{
    const std::string target = Folder + "locked.sl2";
    const std::string old = "protected";
    std::ofstream(target, std::ios::binary) << old;
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    Lesson.Questions[2].MistakeCount = 3;
    Dialog.Answer = target;
    try {
        SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog);
        FAIL() << "no error";
    } catch (const TIoError& e) {
        EXPECT_NE(std::string(e.what()).find(target), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Permission denied"), std::string::npos);
    }
    EXPECT_EQ(ReadFileBytes(target), old);
    EXPECT_EQ(Lesson.QuestionCount(), 4);
    EXPECT_EQ(Lesson.Questions[2].MistakeCount, 3);
    EXPECT_EQ(Lesson.FileName, LessonPath);

    // A folder that is not there.
    Dialog.Answer = Folder + "gone/x.sl2";
    EXPECT_THROW(SaveRestOrWithMistakesAs(Lesson, Pupil, Dialog), TIoError);
    // Nothing was left beside the files (no temporary file).
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(Folder))
        ++files;
    EXPECT_EQ(files, 2); // the lesson and the locked file
}

TEST_F(DerivedSave, TheOfferNeedsSaveDiffAndAQuestionAtDiffNum)
{
    TBehaviorCfg cfg;
    cfg.SaveDiff = true;
    cfg.DiffNum = 2;
    Dialog.Answer = Folder + "m.sl2";
    for (TQuestion& q : Lesson.Questions)
        q.MistakeCount = 1;
    EXPECT_EQ(OfferMistakesSave(Lesson, cfg, Pupil, Dialog), std::nullopt);
    EXPECT_TRUE(Dialog.Shown.empty());

    Lesson.Questions[3].MistakeCount = 5;
    cfg.SaveDiff = false;
    EXPECT_EQ(OfferMistakesSave(Lesson, cfg, Pupil, Dialog), std::nullopt);
    EXPECT_TRUE(Dialog.Shown.empty());

    cfg.SaveDiff = true;
    Dialog.Answer = std::nullopt; // cancelled: nothing saved, nothing said
    EXPECT_EQ(OfferMistakesSave(Lesson, cfg, Pupil, Dialog), std::nullopt);
    ASSERT_EQ(Dialog.Shown.size(), 1u);
    EXPECT_EQ(Dialog.Shown[0].Proposed, Folder + "Ошибки в Unit 5 (Ученик 1).sl2");
    EXPECT_EQ(Dialog.Shown[0].Title, "Сохранить урок для работы над ошибками как");

    cfg.DiffNum = 1;
    Dialog.Answer = Folder + "m.sl2";
    EXPECT_EQ(OfferMistakesSave(Lesson, cfg, Pupil, Dialog), Folder + "m.sl2");
    EXPECT_EQ(NumbersIn(Folder + "m.sl2"), "3579");
}

// ------------------------------------------------------------ end of a run

TEST(DerivedAtTheEndOfARun, OneQuestionWrongTwiceIsSavedUnderItsNumber)
{
    test::TDrillWorld w;
    w.Behavior.Cfg.OrderKind = 0;
    w.Behavior.Cfg.SaveDiff = true;
    w.Behavior.Cfg.DiffNum = 2;
    const std::string path = w.Dir.Write("Урок.sl2", LessonText("3579"));
    w.Drill->OpenLesson(path);
    w.Key(TDrillKey::F4);
    for (int verdicts = 0; w.Lesson.RunState == 1 && verdicts < 50; ++verdicts) {
        TQuestion& q = *w.Lesson.Current;
        if (q.Number == 7 && q.MistakeCount < 2)
            w.AnswerWrong();
        else
            w.AnswerRight();
    }
    ASSERT_EQ(w.Lesson.RunState, 2);
    EXPECT_EQ(w.Trace.end()[-2], "offer save on"); // the drill asked for the offer
    for (const TQuestion& q : w.Lesson.Questions)
        EXPECT_EQ(q.MistakeCount, q.Number == 7 ? 2 : 0);

    TFakeSaveDialog dialog;
    dialog.Answer = w.Dir.File("Ошибки в Урок (Ученик 1).sl2");
    EXPECT_EQ(OfferMistakesSave(w.Lesson, w.Drill->Cfg(), Pupil, dialog), dialog.Answer);
    ASSERT_EQ(dialog.Shown.size(), 1u);
    EXPECT_EQ(dialog.Shown[0].Proposed, *dialog.Answer);
    EXPECT_EQ(ReadFileBytes(*dialog.Answer),
              ToCp1251("Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=Тест\r\n"
                       "HasRuAudio\r\n<body>\r\n7\r\nc\r\nr7\r\ne7\r\n"));
}

} // namespace
} // namespace korvan

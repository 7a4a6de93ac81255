#include "settings/LessonAuthoring.h"
#include "../TestNames.h"

#include <string>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "util/IniFile.h"

namespace korvan {
namespace {

struct TNameCase
{
    const char* Chosen;
    const char* Written;
};

class WordDocumentNameTest : public ::testing::TestWithParam<TNameCase>
{
};

TEST_P(WordDocumentNameTest, AppendsDocUnlessItIsTheExtension)
{
    EXPECT_EQ(WordDocumentName(GetParam().Chosen), GetParam().Written);
}

INSTANTIATE_TEST_SUITE_P(Names, WordDocumentNameTest,
                         ::testing::Values(TNameCase{"/w/a.txt", "/w/a.txt.doc"},
                                           TNameCase{"/w/lesson1", "/w/lesson1.doc"},
                                           TNameCase{"/w/lesson1.doc", "/w/lesson1.doc"},
                                           TNameCase{"/w/LESSON1.DOC", "/w/LESSON1.DOC"},
                                           TNameCase{"/w/Урок.Doc", "/w/Урок.Doc"},
                                           TNameCase{"/w/a.docx", "/w/a.docx.doc"},
                                           TNameCase{"/w/a.doc.txt", "/w/a.doc.txt.doc"},
                                           // Only the file name's extension counts, not a folder's.
                                           TNameCase{"/w/x.doc/lesson", "/w/x.doc/lesson.doc"},
                                           TNameCase{"/w/lesson1.", "/w/lesson1..doc"}),
                         [](const auto& info) {
                             return test::RowName(info.index, info.param.Chosen);
                         });

TEST(CutShellTarget, KeepsShortTargets)
{
    EXPECT_EQ(CutShellTarget("/usr/share/korvan/docs/korvan/user_guide.htm"),
              "/usr/share/korvan/docs/korvan/user_guide.htm");
    EXPECT_EQ(CutShellTarget(std::string(255, 'a')), std::string(255, 'a'));
    EXPECT_EQ(CutShellTarget(""), "");
}

TEST(CutShellTarget, CutsAt255CharactersNeverInsideOne)
{
    EXPECT_EQ(CutShellTarget(std::string(300, 'a')), std::string(255, 'a'));
    // Cyrillic letters take two bytes each in UTF-8.
    std::string cyrillic;
    for (int i = 0; i < 300; ++i)
        cyrillic += "ж";
    const std::string cut = CutShellTarget(cyrillic);
    EXPECT_EQ(cut.size(), 255u * 2);
    EXPECT_EQ(cut, cyrillic.substr(0, 510));
    // A mix: 254 letters, then a two-byte one that still fits, then more.
    const std::string mixed = std::string(254, 'a') + "ж" + "жж";
    EXPECT_EQ(CutShellTarget(mixed), std::string(254, 'a') + "ж");
}

class LessonCreateFolder : public ::testing::Test
{
protected:
    test::TTempDir Dir;
    std::string KorvanIni = Dir.File("Korvan.ini");
    std::string Program = "/opt/korvan/";
};

TEST_F(LessonCreateFolder, DefaultBesideTheProgram)
{
    const std::string expected = "/opt/korvan/lessons/Уроки собственной разработки/";
    EXPECT_EQ(LoadLessonCreateFolder(KorvanIni, Program), expected); // no file
    EXPECT_EQ(LoadLessonCreateFolder(KorvanIni, "/opt/korvan"), expected);
    Dir.Write("Korvan.ini", "[LessonCreate]\r\nRecentLessonCreateFolder=\r\n");
    EXPECT_EQ(LoadLessonCreateFolder(KorvanIni, Program), expected);
    Dir.Write("Korvan.ini", "[Main]\r\nRecentLessonCreateFolder=/elsewhere/\r\n");
    EXPECT_EQ(LoadLessonCreateFolder(KorvanIni, Program), expected);
}

TEST_F(LessonCreateFolder, HandEditedValueIsUsed)
{
    Dir.Write("Korvan.ini", "[lessoncreate]\r\nrecentlessoncreatefolder = /home/t/Уроки/ \r\n");
    EXPECT_EQ(LoadLessonCreateFolder(KorvanIni, Program), "/home/t/Уроки/");
    // Without its separator the proposed file name would run into the folder's.
    Dir.Write("Korvan.ini", "[LessonCreate]\r\nRecentLessonCreateFolder=/home/t/lessons\r\n");
    EXPECT_EQ(LoadLessonCreateFolder(KorvanIni, Program), "/home/t/lessons/");
}

TEST_F(LessonCreateFolder, SavedAndLoadedBackLeavingOtherKeys)
{
    Dir.Write("Korvan.ini", "[Main]\r\nSpeed=7\r\n[RecentOpenFiles]\r\nHowMany=0\r\n");
    SaveLessonCreateFolder(KorvanIni, "/home/t/Мои уроки/");
    EXPECT_EQ(LoadLessonCreateFolder(KorvanIni, Program), "/home/t/Мои уроки/");
    const TIniFile ini(KorvanIni);
    EXPECT_EQ(ini.ReadInteger("Main", "Speed", 0), 7);
    EXPECT_EQ(ini.ReadInteger("RecentOpenFiles", "HowMany", -1), 0);
}

} // namespace
} // namespace korvan

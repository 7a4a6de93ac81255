#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../TestFiles.h"
#include "settings/RecentLessons.h"
#include "util/Errors.h"
#include "util/IniFile.h"
#include "util/Text.h"

namespace korvan {
namespace {

using test::ReadFileBytes;
using test::TTempDir;
using TList = std::vector<std::string>;

TRecentLessons Opened(const TList& paths)
{
    TRecentLessons recent;
    for (const std::string& path : paths)
        recent.Add(path);
    return recent;
}

TEST(RecentLessons, NewestFirstAndNoDuplicates)
{
    EXPECT_EQ(Opened({"/l/a.sl2", "/l/b.sl2", "/l/a.sl2"}).Entries(),
              (TList{"/l/a.sl2", "/l/b.sl2"}));
    EXPECT_EQ(Opened({"/l/a.sl2", "/l/b.sl2", "/l/c.sl2", "/l/b.sl2"}).Entries(),
              (TList{"/l/b.sl2", "/l/c.sl2", "/l/a.sl2"}));
}

TEST(RecentLessons, ACaseVariantMovesTheStoredSpellingUp)
{
    // Paths that cannot be looked at count as the same lesson.
    EXPECT_EQ(Opened({"D:/l/a.sl2", "D:/L/b.sl2", "D:/L/A.SL2"}).Entries(),
              (TList{"D:/l/a.sl2", "D:/L/b.sl2"}));
    EXPECT_EQ(Opened({"/уроки/Ёж.sl2", "/x.sl2", "/УРОКИ/ёж.SL2"}).Entries(),
              (TList{"/уроки/Ёж.sl2", "/x.sl2"}));
}

TEST(RecentLessons, CaseVariantsThatAreDifferentFilesStaySeparate)
{
    TTempDir dir;
    const std::string lower = dir.Write("урок.sl2", "1");
    const std::string upper = dir.Write("УРОК.sl2", "2");
    EXPECT_EQ(Opened({lower, upper}).Entries(), (TList{upper, lower}));
    // A listed spelling whose file has gone is not the lesson just opened.
    EXPECT_EQ(Opened({dir.File("Урок.sl2"), lower}).Entries(),
              (TList{lower, dir.File("Урок.sl2")}));
}

TEST(RecentLessons, TheTenthPushesTheOldestOut)
{
    TList paths;
    for (int i = 1; i <= 10; ++i)
        paths.push_back("/l/" + std::to_string(i) + ".sl2");
    const TRecentLessons recent = Opened(paths);
    ASSERT_EQ(recent.Entries().size(), 9u);
    EXPECT_EQ(recent.Entries().front(), "/l/10.sl2");
    EXPECT_EQ(recent.Entries().back(), "/l/2.sl2");
    // A listed one moves up without loss.
    TRecentLessons again = recent;
    again.Add("/l/2.sl2");
    EXPECT_EQ(again.Entries().size(), 9u);
    EXPECT_EQ(again.Entries().front(), "/l/2.sl2");
}

TEST(RecentLessons, TheOpenFolderFollowsTheLastLesson)
{
    TRecentLessons recent;
    recent.Add("/home/u/Мои уроки/a.sl2");
    EXPECT_EQ(recent.OpenFolder(), "/home/u/Мои уроки/");
}

TEST(RecentLessons, WithoutSettingsTheLessonsFolderAndAnEmptyList)
{
    TTempDir dir;
    TRecentLessons recent;
    recent.Add("/l/a.sl2");
    recent.Load(dir.File("Korvan.ini"), "/opt/korvan/");
    EXPECT_TRUE(recent.Entries().empty());
    EXPECT_EQ(recent.OpenFolder(), "/opt/korvan/lessons/");
}

TEST(RecentLessons, AHandEditedListIsTakenAsItStands)
{
    TTempDir dir;
    std::string ini = "[RecentOpenFiles]\r\nHowMany=12\r\nRecentOpenFolder=\r\n";
    for (int i = 1; i <= 12; ++i)
        if (i != 5)
            ini += std::to_string(i) + "=  /l/" + std::to_string(i) + ".sl2  \r\n";
    const std::string path = dir.Write("Korvan.ini", ini);
    TRecentLessons recent;
    recent.Load(path, "/p/");
    ASSERT_EQ(recent.Entries().size(), 12u);
    EXPECT_EQ(recent.Entries()[0], "/l/1.sl2"); // trimmed
    EXPECT_EQ(recent.Entries()[4], "c:\\unknown.sl2");
    EXPECT_EQ(recent.OpenFolder(), "/p/lessons/");
    // Only a list of exactly nine loses an entry.
    recent.Add("/l/new.sl2");
    EXPECT_EQ(recent.Entries().size(), 13u);
    EXPECT_EQ(recent.Entries()[0], "/l/new.sl2");
}

TEST(RecentLessons, BrokenAndHugeCounts)
{
    TTempDir dir;
    TRecentLessons recent;
    for (const char* count : {"-3", "x", ""}) {
        recent.Load(dir.Write("Korvan.ini", std::string("[RecentOpenFiles]\nHowMany=") + count +
                                                "\n1=/l/a.sl2\n"),
                    "/p/");
        EXPECT_TRUE(recent.Entries().empty()) << count;
    }
    recent.Load(dir.Write("Korvan.ini", "[RecentOpenFiles]\nHowMany=2000000000\n"), "/p/");
    EXPECT_EQ(recent.Entries().size(), static_cast<std::size_t>(MaxRecentLoaded));
}

TEST(RecentLessons, CyrillicPathsSurviveTheSettingsFileByteForByte)
{
    TTempDir dir;
    // Korvan.ini also holds 1251 text of other sections, which must stay.
    const std::string main = ToCp1251("[Main]\r\nCfgMode=2\r\nИмя=Пётр\r\n");
    const std::string path = dir.Write("Korvan.ini", main);
    TRecentLessons recent;
    recent.Add("/home/u/Уроки/Ёлка и ёж.sl2");
    recent.Add("/home/u/日本/b.sl2");
    recent.Add("/home/u/Уроки/  blanks  .sl2");
    recent.Save(path);
    const std::string text = ReadFileBytes(path);
    EXPECT_EQ(text.substr(0, main.size()), main);
    EXPECT_NE(text.find("RecentOpenFolder=/home/u/Уроки/\r\n"), std::string::npos);

    TRecentLessons back;
    back.Load(path, "/p/");
    EXPECT_EQ(back.Entries(), recent.Entries());
    EXPECT_EQ(back.OpenFolder(), "/home/u/Уроки/");
    EXPECT_EQ(TIniFile(path).ReadInteger("RecentOpenFiles", "HowMany", -1), 3);
}

TEST(RecentLessons, SavingAShorterListLeavesHigherKeys)
{
    TTempDir dir;
    const std::string path = dir.Write("Korvan.ini", "[RecentOpenFiles]\r\nHowMany=3\r\n1=/a\r\n"
                                                     "2=/b\r\n3=/c\r\n");
    Opened({"/new.sl2"}).Save(path);
    const TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("RecentOpenFiles", "HowMany", -1), 1);
    EXPECT_EQ(ini.ReadString("RecentOpenFiles", "1", ""), "/new.sl2");
    EXPECT_EQ(ini.ReadString("RecentOpenFiles", "3", ""), "/c");
}

TEST(RecentLessons, AFailedSaveIsReported)
{
    TTempDir dir;
    EXPECT_THROW(Opened({"/a.sl2"}).Save(dir.File("no/such/folder/Korvan.ini")), TIoError);
}

} // namespace
} // namespace korvan

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../TestFiles.h"
#include "settings/Pupils.h"
#include "util/IniFile.h"
#include "util/Text.h"

namespace korvan {
namespace {

using test::ReadFileBytes;
using test::TTempDir;
using TNames = std::vector<std::string>;

// UTF-8 names of a list, for readable expectations.
TNames Utf8(const TPupilList& list)
{
    TNames names;
    for (const std::string& name : list.Names())
        names.push_back(Cp1251ToUtf8(name));
    return names;
}

TPupilList ListOf(const TNames& utf8)
{
    TPupilList list;
    for (const std::string& name : utf8)
        list.Add(ToCp1251(name));
    return list;
}

std::string W(const char* utf8)
{
    return ToCp1251(utf8);
}

TEST(PupilNames, SortedIgnoringCaseWithYoAfterYe)
{
    const TPupilList list = ListOf({"борис", "Ёжик", "Анна", "ева", "Жанна", "zed", "Bob", "ann"});
    EXPECT_EQ(Utf8(list), (TNames{"ann", "Bob", "zed", "Анна", "борис", "ева", "Ёжик", "Жанна"}));
    EXPECT_EQ(CompareNamesIgnoringCase(W("ПЁТР"), W("пётр")), 0);
    EXPECT_LT(CompareNamesIgnoringCase(W("Ян"), W("Яна")), 0);
}

TEST(PupilNames, AddingAnExistingNameInOtherCaseSelectsIt)
{
    TPupilList list = ListOf({"Анна", "Борис", "Вера"});
    EXPECT_EQ(list.Add(W("БОРИС")).Outcome, TPupilEdit::Duplicate);
    EXPECT_EQ(list.Add(W("бОрИс")).Select, 1);
    const TPupilEditResult added = list.Add(W("Белла"));
    EXPECT_EQ(added.Outcome, TPupilEdit::Done);
    EXPECT_EQ(added.Select, 1);
    EXPECT_EQ(Utf8(list), (TNames{"Анна", "Белла", "Борис", "Вера"}));
}

TEST(PupilNames, RenameRules)
{
    struct TRow
    {
        int Index;
        const char* NewName;
        TPupilEdit Outcome;
        int Select;
        TNames After;
    };
    const TRow rows[] = {
        {1, "Борис", TPupilEdit::Unchanged, 1, {"Анна", "Борис", "Вера"}},
        {1, "БОРИС", TPupilEdit::Duplicate, 1, {"Анна", "Борис", "Вера"}},
        {1, "вера", TPupilEdit::Duplicate, 2, {"Анна", "Борис", "Вера"}},
        {1, "Яков", TPupilEdit::Done, 2, {"Анна", "Вера", "Яков"}},
        {2, "Аарон", TPupilEdit::Done, 0, {"Аарон", "Анна", "Борис"}},
    };
    for (const TRow& row : rows) {
        TPupilList list = ListOf({"Анна", "Борис", "Вера"});
        const TPupilEditResult result = list.Rename(row.Index, W(row.NewName));
        EXPECT_EQ(result.Outcome, row.Outcome) << row.NewName;
        EXPECT_EQ(result.Select, row.Select) << row.NewName;
        EXPECT_EQ(Utf8(list), row.After) << row.NewName;
    }
}

TEST(PupilNames, DeleteSelectsTheNextOrTheNewLast)
{
    TPupilList list = ListOf({"А", "Б", "В"});
    EXPECT_EQ(list.Delete(2), 1); // the last of three: the new last
    EXPECT_EQ(list.Delete(0), 0); // the one now at the same place
    EXPECT_EQ(Utf8(list), (TNames{"Б"}));
    EXPECT_EQ(list.Delete(0), -1);
    EXPECT_EQ(list.Count(), 0);
}

TEST(PupilsFile, WithoutAFileOnePupilIsChosenAndWrittenBack)
{
    TTempDir dir;
    const std::string path = dir.File("Pupils.ini");
    TPupils pupils;
    pupils.Load(path);
    EXPECT_FALSE(pupils.ShowPupilsAtStartup);
    EXPECT_EQ(Utf8(pupils.Names), TNames{"Ученик 1"});
    EXPECT_EQ(pupils.CurrentPupil(), W("Ученик 1"));
    pupils.Save(path);
    EXPECT_EQ(ReadFileBytes(path), W("[Main]\r\nShowPupilsAtStartup=0\r\nPupilsCount=1\r\n"
                                     "SelectedPupilIndex=0\r\nPupilName_0=Ученик 1\r\n"));
}

TEST(PupilsFile, AHandWrittenUnsortedFileIsHeldSorted)
{
    TTempDir dir;
    const std::string path =
        dir.Write("Pupils.ini", W("[main]\nshowpupilsatstartup=1\npupilscount=3\n"
                                  "selectedpupilindex=2\nPupilName_0=Вера\nPupilName_1=  Анна \n"
                                  "PupilName_2=Борис\nPupilName_3=Стёпа\n"));
    TPupils pupils;
    pupils.Load(path);
    EXPECT_TRUE(pupils.ShowPupilsAtStartup);
    EXPECT_EQ(Utf8(pupils.Names), (TNames{"Анна", "Борис", "Вера"})); // key 3 beyond the count
    EXPECT_EQ(pupils.CurrentPupil(), W("Вера")); // the index is into the sorted list

    pupils.SelectedPupilIndex = 0;
    pupils.Names.Delete(2);
    pupils.Save(path);
    const TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Main", "PupilsCount", -1), 2);
    EXPECT_EQ(ini.ReadString("Main", "PupilName_0", ""), W("Анна"));
    EXPECT_EQ(ini.ReadString("Main", "PupilName_1", ""), W("Борис"));
    // Keys beyond the new count stay, unread.
    EXPECT_EQ(ini.ReadString("Main", "PupilName_2", ""), W("Борис"));
    EXPECT_EQ(ini.ReadString("Main", "PupilName_3", ""), W("Стёпа"));
}

struct THandEdited
{
    const char* Name;
    const char* Ini; // UTF-8, section Main
    TNames Names;
    const char* Current;
};

class PupilsHandEdited : public ::testing::TestWithParam<THandEdited>
{
};

TEST_P(PupilsHandEdited, GivesAUsableList)
{
    const THandEdited& row = GetParam();
    TTempDir dir;
    TPupils pupils;
    pupils.Load(dir.Write("Pupils.ini", W((std::string("[Main]\n") + row.Ini).c_str())));
    EXPECT_EQ(Utf8(pupils.Names), row.Names);
    EXPECT_EQ(Cp1251ToUtf8(pupils.CurrentPupil()), row.Current);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PupilsHandEdited,
    ::testing::Values(
        THandEdited{"CountZero", "PupilsCount=0\nPupilName_0=Анна\n", {"Ученик 1"}, "Ученик 1"},
        THandEdited{"CountNegative", "PupilsCount=-7\n", {"Ученик 1"}, "Ученик 1"},
        THandEdited{"CountNotANumber", "PupilsCount=many\nPupilName_0=Анна\n", {"Анна"}, "Анна"},
        THandEdited{"MissingNamesAreDefaults",
                    "PupilsCount=3\nPupilName_1=Анна\n",
                    {"Анна", "Ученик 1", "Ученик 3"},
                    "Анна"},
        THandEdited{"OnlyEmptyNames",
                    "PupilsCount=2\nPupilName_0=\nPupilName_1= \n",
                    {"Ученик 1"},
                    "Ученик 1"},
        THandEdited{"EmptyNamesLeftOut",
                    "PupilsCount=3\nPupilName_0=Вера\nPupilName_1=\nPupilName_2=Анна\n",
                    {"Анна", "Вера"},
                    "Анна"},
        THandEdited{"SelectedBeyondTheList",
                    "PupilsCount=2\nSelectedPupilIndex=2\nPupilName_0=Б\nPupilName_1=А\n",
                    {"А", "Б"},
                    "А"},
        THandEdited{"SelectedNegative",
                    "PupilsCount=2\nSelectedPupilIndex=-1\nPupilName_0=Б\nPupilName_1=А\n",
                    {"А", "Б"},
                    "А"},
        THandEdited{"SelectedHex",
                    "PupilsCount=2\nSelectedPupilIndex=0x1\nPupilName_0=Б\n"
                    "PupilName_1=А\n",
                    {"А", "Б"},
                    "Б"},
        THandEdited{"EqualUpToCaseKeepsTheFirst",
                    "PupilsCount=3\nSelectedPupilIndex=1\nPupilName_0=пётр\nPupilName_1=Анна\n"
                    "PupilName_2=ПЁТР\n",
                    {"Анна", "пётр"},
                    "пётр"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(PupilsFile, AHugeCountIsBounded)
{
    TTempDir dir;
    TPupils pupils;
    pupils.Load(dir.Write("Pupils.ini", "[Main]\nPupilsCount=2147483647\n"));
    EXPECT_EQ(pupils.Names.Count(), MaxPupilsLoaded);
}

TEST(PupilsFile, TheWindowsComparatorDecidesOrderAndSameness)
{
    // A comparator that ignores everything but the first letter stands for a
    // collation the core knows nothing of.
    TPupils pupils([](const std::string& a, const std::string& b) {
        return CompareNamesIgnoringCase(a.substr(0, 1), b.substr(0, 1));
    });
    TTempDir dir;
    pupils.Load(dir.Write("Pupils.ini", "[Main]\nPupilsCount=3\nPupilName_0=bob\n"
                                        "PupilName_1=Bill\nPupilName_2=al\n"));
    EXPECT_EQ(Utf8(pupils.Names), (TNames{"al", "bob"}));
}

} // namespace
} // namespace korvan

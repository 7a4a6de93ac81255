#include "util/IniFile.h"
#include "../TestNames.h"

#include <climits>
#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "util/Errors.h"

namespace korvan {
namespace {

using namespace std::string_literals;

std::size_t FileCount(const test::TTempDir& dir)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++count;
    return count;
}

// ------------------------------------------------------------- reading strings

struct TReadRow
{
    const char* Name;
    std::string File;
    const char* Section;
    const char* Key;
    std::string Expected; // "<def>" is the default
};

class IniReadString : public ::testing::TestWithParam<TReadRow>
{
};

TEST_P(IniReadString, FindsTheValue)
{
    const TReadRow& row = GetParam();
    const TIniData data(row.File);
    EXPECT_EQ(data.ReadString(row.Section, row.Key, "<def>"), row.Expected);

    // The file gives the same answer, read afresh.
    test::TTempDir dir;
    const TIniFile ini(dir.Write("a.ini", row.File));
    EXPECT_EQ(ini.ReadString(row.Section, row.Key, "<def>"), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniReadString,
    ::testing::Values(
        TReadRow{"CrLf", "[S]\r\nk=v\r\n", "S", "k", "v"},
        TReadRow{"LfOnly", "[S]\nk=v\nj=w\n", "S", "j", "w"},
        TReadRow{"NoFinalLineBreak", "[S]\r\nk=v", "S", "k", "v"},
        TReadRow{"EmptyFile", "", "S", "k", "<def>"},
        TReadRow{"MissingSection", "[T]\r\nk=v\r\n", "S", "k", "<def>"},
        TReadRow{"MissingKey", "[S]\r\nj=v\r\n", "S", "k", "<def>"},
        TReadRow{"EmptyValueIsNotMissing", "[S]\r\nk=\r\n", "S", "k", ""},
        TReadRow{"CaseOfSectionAndKey", "[mAiN]\r\nUSETIME=0\r\n", "Main", "UseTime", "0"},
        TReadRow{"CyrillicNamesExact", "[\xD0\xE5\xE6\xE8\xEC]\r\nk=1\r\n", "\xD0\xE5\xE6\xE8\xEC",
                 "k", "1"},
        // 1251 letters are compared as bytes: upper and lower case differ.
        TReadRow{"CyrillicCaseNotFolded", "[\xD0]\r\nk=1\r\n", "\xF0", "k", "<def>"},
        TReadRow{"BlanksAndTabs", "  [ S ]  \r\n\t k \t=  a b \t\r\n", "S", "k", "a b"},
        TReadRow{"DoubleQuotes", "[S]\r\nk=\" a b \"\r\n", "S", "k", " a b "},
        TReadRow{"SingleQuotes", "[S]\r\nk='x'\r\n", "S", "k", "x"},
        TReadRow{"OnlyOnePairOfQuotes", "[S]\r\nk=\"\"x\"\"\r\n", "S", "k", "\"x\""},
        TReadRow{"MismatchedQuotesKept", "[S]\r\nk=\"x'\r\n", "S", "k", "\"x'"},
        TReadRow{"LoneQuoteKept", "[S]\r\nk=\"\r\n", "S", "k", "\""},
        TReadRow{"EqualsInValue", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        TReadRow{"StrayCrBeforeLineEnd", "[S]\r\nk=v\r\r\n", "S", "k", "v"},
        TReadRow{"FirstOfTwoKeys", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
        // Only the first section of a name is looked in, as the profile API does.
        TReadRow{"FirstOfTwoSections", "[S]\r\na=1\r\n[s]\r\nk=2\r\n", "S", "k", "<def>"},
        TReadRow{"KeyBeforeAnySection", "k=v\r\n[S]\r\n", "S", "k", "<def>"},
        TReadRow{"CommentIsNoKey", "[S]\r\n;k=v\r\n", "S", "k", "<def>"},
        TReadRow{"HeaderWithoutBracketIsJunk", "[S]\r\n[T\r\nk=v\r\n", "S", "k", "v"},
        TReadRow{"JunkAndNulBytes", "\x01\x02garbage\r\n[S]\r\nno equals\r\n\0\0=\0\r\nk=v\r\n"s,
                 "S", "k", "v"},
        TReadRow{"NulInValueKept", "[S]\r\nk=a\0b\r\n"s, "S", "k", "a\0b"s},
        TReadRow{"OverlongJunkLine", "[S]\r\n" + std::string(100000, 'x') + "\r\nk=v\r\n", "S", "k",
                 "v"},
        TReadRow{"ValueCutTo2047", "[S]\r\nk=" + std::string(5000, 'z') + "\r\n", "S", "k",
                 std::string(2047, 'z')}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(IniFile, MissingFileGivesTheDefault)
{
    test::TTempDir dir;
    const TIniFile ini(dir.File("absent.ini"));
    EXPECT_EQ(ini.ReadString("S", "k", "d"), "d");
    EXPECT_EQ(ini.ReadInteger("S", "k", 7), 7);
    EXPECT_TRUE(ini.ReadBool("S", "k", true));
    // A folder in place of the file reads as missing too.
    EXPECT_EQ(TIniFile(dir.Path()).ReadInteger("S", "k", 7), 7);
}

TEST(IniFile, EveryReadSeesTheFileAsItIsNow)
{
    test::TTempDir dir;
    const TIniFile ini(dir.Write("a.ini", "[S]\r\nk=1\r\n"));
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 1);
    dir.Write("a.ini", "[S]\r\nk=2\r\n");
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 2);
}

TEST(IniFile, WritingWhatStandsAlreadyLeavesTheFileAlone)
{
    test::TTempDir dir;
    TIniFile ini(dir.Write("a.ini", "[S]\r\nk=1\r\n"));
    struct stat before
    {
    };
    ASSERT_EQ(stat(dir.File("a.ini").c_str(), &before), 0);
    ini.WriteInteger("S", "k", 1);
    struct stat after
    {
    };
    ASSERT_EQ(stat(dir.File("a.ini").c_str(), &after), 0);
    // Not replaced: the same file, not a renamed copy.
    EXPECT_EQ(after.st_ino, before.st_ino);
    ini.WriteInteger("S", "k", 2);
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 2);
    // A missing file is written even when nothing is changed in it.
    TIniFile(dir.File("b.ini")).Modify([](TIniData&) {});
    EXPECT_EQ(stat(dir.File("b.ini").c_str(), &after), 0);
}

// ------------------------------------------------------------- reading integers

struct TIntRow
{
    const char* Value;
    std::int32_t Expected; // -999 is the default
};

class IniReadInteger : public ::testing::TestWithParam<TIntRow>
{
};

TEST_P(IniReadInteger, ParsesOrGivesTheDefault)
{
    const TIniData data("[S]\r\nk="s + GetParam().Value + "\r\n");
    EXPECT_EQ(data.ReadInteger("S", "k", -999), GetParam().Expected) << GetParam().Value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniReadInteger,
    ::testing::Values(TIntRow{"12", 12}, TIntRow{"-7", -7}, TIntRow{"+7", 7}, TIntRow{"  42\t", 42},
                      TIntRow{"\"5\"", 5}, TIntRow{"007", 7}, TIntRow{"2147483647", INT_MAX},
                      TIntRow{"-2147483648", INT_MIN}, TIntRow{"2147483648", -999},
                      TIntRow{"99999999999999999999", -999}, TIntRow{"0x1F", 31},
                      TIntRow{"0XfF", 255}, TIntRow{"0x00FF8000", 0xFF8000},
                      TIntRow{"0xFFFFFFFF", -1}, TIntRow{"0x80000000", INT_MIN},
                      TIntRow{"0x100000000", -999}, TIntRow{"0x", -999}, TIntRow{"0xG", -999},
                      TIntRow{"-0x1", -999}, TIntRow{"12abc", -999}, TIntRow{"abc", -999},
                      TIntRow{"", -999}, TIntRow{"1.5", -999}, TIntRow{"- 5", -999},
                      TIntRow{"1 2", -999}, TIntRow{"+", -999}, TIntRow{"-", -999}),
    [](const auto& info) { return test::RowName(info.index, info.param.Value); });

TEST(IniFile, BooleansAreIntegers)
{
    const TIniData data("[S]\r\nzero=0\r\ntwo=2\r\nminus=-1\r\nhex=0x0\r\nword=yes\r\n");
    EXPECT_FALSE(data.ReadBool("S", "zero", true));
    EXPECT_TRUE(data.ReadBool("S", "two", false));
    EXPECT_TRUE(data.ReadBool("S", "minus", false));
    EXPECT_FALSE(data.ReadBool("S", "hex", true));
    // Not an integer: the default, either way.
    EXPECT_TRUE(data.ReadBool("S", "word", true));
    EXPECT_FALSE(data.ReadBool("S", "word", false));
    EXPECT_TRUE(data.ReadBool("S", "absent", true));
}

// ------------------------------------------------------------- writing

struct TWriteRow
{
    const char* Name;
    std::string Before;
    const char* Section;
    const char* Key;
    std::string Value;
    std::string After;
};

class IniWrite : public ::testing::TestWithParam<TWriteRow>
{
};

TEST_P(IniWrite, ChangesOnlyWhatItMust)
{
    const TWriteRow& row = GetParam();
    TIniData data(row.Before);
    data.WriteString(row.Section, row.Key, row.Value);
    EXPECT_EQ(data.Text(), row.After);
    // Whatever was written reads back unchanged.
    EXPECT_EQ(TIniData(data.Text()).ReadString(row.Section, row.Key, "<def>"), row.Value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniWrite,
    ::testing::Values(
        TWriteRow{"IntoEmpty", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        TWriteRow{"ReplaceKeepsSpellingAndNeighbours", "[s]\r\n;c\r\nKEY = old \r\nz=1\r\n", "S",
                  "key", "new", "[s]\r\n;c\r\nKEY=new\r\nz=1\r\n"},
        TWriteRow{"LfBecomesCrLf", "[S]\nk=1\nj=2", "S", "k", "3", "[S]\r\nk=3\r\nj=2\r\n"},
        TWriteRow{"AppendAfterLastKeyOfSection", "[S]\r\na=1\r\nb=2\r\n\r\n[T]\r\nc=3\r\n", "S",
                  "k", "v", "[S]\r\na=1\r\nb=2\r\nk=v\r\n\r\n[T]\r\nc=3\r\n"},
        TWriteRow{"SectionWithoutKeys", "[S]\r\n[T]\r\n", "S", "k", "v", "[S]\r\nk=v\r\n[T]\r\n"},
        TWriteRow{"NewSectionAfterBlankLine", "[T]\r\nc=3", "S", "k", "v",
                  "[T]\r\nc=3\r\n\r\n[S]\r\nk=v\r\n"},
        TWriteRow{"NewSectionAfterExistingBlank", "[T]\r\n\r\n", "S", "k", "v",
                  "[T]\r\n\r\n[S]\r\nk=v\r\n"},
        TWriteRow{"FirstOfTwoSections", "[S]\r\n[S]\r\nk=1\r\n", "s", "k", "2",
                  "[S]\r\nk=2\r\n[S]\r\nk=1\r\n"},
        TWriteRow{"JunkKeptAsItIs", "[S]\r\n\x01junk\0line\r\nno equals\r\n[broken\r\n"s, "S", "k",
                  "v", "[S]\r\nk=v\r\n\x01junk\0line\r\nno equals\r\n[broken\r\n"s},
        TWriteRow{"EmptyValue", "[S]\r\nk=1\r\n", "S", "k", "", "[S]\r\nk=\r\n"},
        TWriteRow{"BlanksAtEndsGetQuoted", "", "S", "k", " a ", "[S]\r\nk=\" a \"\r\n"},
        TWriteRow{"QuotedValueGetsMoreQuotes", "", "S", "k", "'a'", "[S]\r\nk=\"'a'\"\r\n"},
        TWriteRow{"InnerQuotesAsTheyAre", "", "S", "k", "a \"b\" c", "[S]\r\nk=a \"b\" c\r\n"},
        TWriteRow{"Cyrillic", "", "\xD0", "k", "\xDF \xE0", "[\xD0]\r\nk=\xDF \xE0\r\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(IniFile, LineBreaksInAValueBecomeBlanks)
{
    // Otherwise a value could add keys or sections of its own.
    TIniData data;
    data.WriteString("S", "k", "a\r\n[T]\nb=1");
    EXPECT_EQ(data.Text(), "[S]\r\nk=a  [T] b=1\r\n");
    EXPECT_EQ(data.ReadString("T", "b", "none"), "none");
}

TEST(IniFile, WritesCreateTheFileAndKeepOtherKeys)
{
    test::TTempDir dir;
    TIniFile ini(dir.File("new.ini"));
    ini.WriteInteger("Main", "CfgMode", -3);
    ini.WriteBool("Main", "UseTime", true);
    ini.WriteBool("main", "SaveDiff", false);
    ini.WriteString("Other", "Name", "x");
    EXPECT_EQ(test::ReadFileBytes(dir.File("new.ini")),
              "[Main]\r\nCfgMode=-3\r\nUseTime=1\r\nSaveDiff=0\r\n\r\n[Other]\r\nName=x\r\n");
    EXPECT_EQ(ini.ReadInteger("MAIN", "cfgmode", 0), -3);
}

TEST(IniFile, ModifySavesSeveralWritesAtOnce)
{
    test::TTempDir dir;
    TIniFile ini(dir.Write("a.ini", "[S]\nk=1\n"));
    ini.Modify([](TIniData& data) {
        data.WriteInteger("S", "k", 2);
        data.WriteInteger("S", "j", 3);
    });
    EXPECT_EQ(test::ReadFileBytes(dir.File("a.ini")), "[S]\r\nk=2\r\nj=3\r\n");
    EXPECT_EQ(FileCount(dir), 1u); // no temporary file left beside it
}

// ------------------------------------------------------------- failed writes

TEST(IniFile, WriteIntoAMissingFolderFails)
{
    test::TTempDir dir;
    const std::string path = dir.File("no/such/folder.ini");
    TIniFile ini(path);
    try {
        ini.WriteString("S", "k", "v");
        FAIL() << "no error";
    } catch (const TIoError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
}

TEST(IniFile, WriteOverAFolderFailsAndLeavesIt)
{
    test::TTempDir dir;
    const std::string path = dir.File("folder.ini");
    std::filesystem::create_directory(path);
    dir.Write("folder.ini/inside", "kept");
    TIniFile ini(path);
    try {
        ini.WriteString("S", "k", "v");
        FAIL() << "no error";
    } catch (const TIoError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(test::ReadFileBytes(dir.File("folder.ini/inside")), "kept");
    EXPECT_EQ(FileCount(dir), 1u);
}

// Limits the size of any file this process writes, so that a write fails even
// for root, who ignores permissions.
class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &Old);
        OldHandler = std::signal(SIGXFSZ, SIG_IGN); // report EFBIG instead of dying
        rlimit limit = Old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &Old);
        std::signal(SIGXFSZ, OldHandler);
    }

private:
    rlimit Old{};
    void (*OldHandler)(int) = nullptr;
};

TEST(IniFile, FailedWriteLeavesTheOldFileIntact)
{
    test::TTempDir dir;
    const std::string old = "[S]\nk=old\n; hand-written\n";
    const std::string path = dir.Write("a.ini", old);
    TIniFile ini(path);
    try {
        const TFileSizeLimit limit(64);
        ini.WriteString("S", "k", std::string(1000, 'n'));
        FAIL() << "no error";
    } catch (const TIoError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_EQ(test::ReadFileBytes(dir.File("a.ini")), old);
    EXPECT_EQ(FileCount(dir), 1u);
}

// ------------------------------------------------------------- a hand-edited file

TEST(IniFile, HandEditedFixture)
{
    const TIniFile ini(std::string(KORVAN_TEST_DATA) + "/ini_hand_edited.ini");
    EXPECT_EQ(ini.ReadInteger("Main", "UseTime", 1), 0);     // "usetime = 0" in "[MAIN]"
    EXPECT_EQ(ini.ReadInteger("Main", "Speed", 5), 12);      // quoted
    EXPECT_EQ(ini.ReadInteger("Main", "UseAtOnce", 10), 10); // "12abc"
    EXPECT_EQ(ini.ReadInteger("Main", "OrderKind", 2), 7);
    EXPECT_EQ(ini.ReadInteger("Main", "DiffNum", 2), 3); // the first of two
    EXPECT_EQ(ini.ReadInteger("Colours", "Back", 0), 0xC0FFEE);
    EXPECT_EQ(ini.ReadInteger("Colours", "Fore", 0), -1);
    EXPECT_EQ(ini.ReadString("Colours", "Name", ""), " spaced ");
    EXPECT_EQ(ini.ReadString("Colours", "Long", "").size(), 2047u);
    EXPECT_EQ(ini.ReadString("Colours", "After", ""), "reached");
}

} // namespace
} // namespace korvan

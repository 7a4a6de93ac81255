#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "lesson/LessonSounds.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {
namespace {

TEST(Text, ConvertsBetweenUtf8And1251)
{
    EXPECT_EQ(ToCp1251("Ёж, ёлка: АЯая"), "\xA8\xE6, \xB8\xEB\xEA\xE0: \xC0\xDF\xE0\xFF");
    EXPECT_EQ(ToCp1251("№ «тире» — …"), "\xB9 \xAB\xF2\xE8\xF0\xE5\xBB \x97 \x85");
    EXPECT_EQ(Cp1251ToUtf8("\xA8\xE6 \xB9"), "Ёж №");
    // NUL bytes are ordinary text, kept both ways.
    EXPECT_EQ(ToCp1251(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(Cp1251ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Text, RefusesWhat1251CannotHoldAndNamesTheOffset)
{
    try {
        ToCp1251("abc ǅ");
        FAIL() << "no error";
    } catch (const TEncodingError& e) {
        EXPECT_EQ(e.Offset, 4u);
    }
    EXPECT_THROW(ToCp1251("\xFF broken UTF-8"), TEncodingError);
}

TEST(Text, PathsBecome1251TextWithStandInsForWhatItCannotHold)
{
    EXPECT_EQ(PathToCp1251("/home/ученик/Уроки/a.sl2"), ToCp1251("/home/ученик/Уроки/a.sl2"));
    EXPECT_EQ(PathToCp1251("/x/\xE6\x97\xA5\xE6\x9C\xAC/\xFF\xD0.sl2"),
              std::string("/x/??") + "/??.sl2");
    EXPECT_EQ(PathToCp1251("caf\xC3"), "caf?"); // a sequence cut short at the end
}

TEST(Text, UndefinedByteOf1251BecomesReplacementCharacter)
{
    EXPECT_EQ(Cp1251ToUtf8("a\x98z\x98"), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
}

TEST(Text, TrimsCodesUpTo32AtBothEnds)
{
    EXPECT_EQ(TrimControls(std::string("\t \x01\r\0x y\x1F ", 10)), "x y");
    EXPECT_EQ(TrimControls(" \t\r\n"), "");
    EXPECT_EQ(TrimControls("\xA0word\xA0"), "\xA0word\xA0"); // 1251 no-break space is text
}

TEST(Text, ParsesOnlyWholeDecimal32BitIntegers)
{
    struct TCase
    {
        const char* Text;
        bool Ok;
        std::int32_t Value;
    };
    const TCase cases[] = {
        {"0", true, 0},
        {"007", true, 7},
        {"+12", true, 12},
        {"-12", true, -12},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"", false, 0},
        {"+", false, 0},
        {"-", false, 0},
        {" 1", false, 0},
        {"1 ", false, 0},
        {"0x10", false, 0},
        {"1e3", false, 0},
        {"+-1", false, 0},
        {"12abc", false, 0},
    };
    for (const TCase& c : cases) {
        std::int32_t value = 0;
        EXPECT_EQ(ParseInt32(c.Text, value), c.Ok) << '"' << c.Text << '"';
        if (c.Ok) {
            EXPECT_EQ(value, c.Value) << c.Text;
        }
    }
}

TEST(Text, PadsOnTheLeftOnlyWhenShort)
{
    EXPECT_EQ(PadLeft("7", 3, '0'), "007");
    EXPECT_EQ(PadLeft("1234", 3, '0'), "1234");
    EXPECT_EQ(PadLeft("9:05:07", 8, ' '), " 9:05:07");
    EXPECT_EQ(PadLeft("", 2, '*'), "**");
    EXPECT_EQ(MinOf({3, -1, 2}), -1);
    EXPECT_EQ(MaxOf({0.5, 2.5, 1.2}), 2.5);
}

TEST(AtomicFile, ReplacesWholeOrLeavesTheOldFile)
{
    test::TTempDir dir;
    const std::string path = dir.Write("a.ini", "old");
    WriteFileAtomically(path, "new content");
    EXPECT_EQ(test::ReadFileBytes(path), "new content");

    // A target that cannot be replaced (a folder stands there): the error is
    // the caller's text and nothing is left behind.
    std::filesystem::create_directory(dir.File("busy"));
    EXPECT_THROW(
        {
            try {
                WriteFileAtomically(dir.File("busy"), "x", "Unable to write to busy");
            } catch (const TIoError& e) {
                EXPECT_STREQ(e.what(), "Unable to write to busy");
                throw;
            }
        },
        TIoError);
    EXPECT_THROW(WriteFileAtomically(dir.File("missing/a.ini"), "x"), TIoError);
    EXPECT_EQ(test::ReadFileBytes(path), "new content");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 2u); // a.ini and busy, no temporary left over
}

TEST(LessonSounds, NamesAndFindsRecordingsWhateverTheirCase)
{
    EXPECT_EQ(LessonSoundName(7, TLanguage::Russian), "007R.WAV");
    EXPECT_EQ(LessonSoundName(123, TLanguage::English), "123E.WAV");
    EXPECT_EQ(LessonSoundName(1234, TLanguage::Russian), "1234R.WAV");
    EXPECT_EQ(FolderOf("/a/b/lesson.sl2"), "/a/b/");
    EXPECT_EQ(FolderOf("lesson.sl2"), "");

    test::TTempDir dir;
    const std::string folder = dir.Path() + "/";
    dir.Write("007r.wav", "x");
    dir.Write("008R.WAV", "x");
    dir.Write("009R.mp3", "x");
    std::filesystem::create_directory(dir.File("010R.WAV")); // a folder is no sound
    EXPECT_EQ(FindLessonSound(folder, "008R.WAV"), folder + "008R.WAV");
    EXPECT_EQ(FindLessonSound(folder, "007R.WAV"), folder + "007r.wav");
    EXPECT_EQ(FindLessonSound(folder, "009R.WAV"), folder + "009R.mp3");
    EXPECT_EQ(FindLessonSound(folder, "010R.WAV"), std::nullopt);
    EXPECT_EQ(FindLessonSound(folder, "011R.WAV"), std::nullopt);
    EXPECT_EQ(FindLessonSound(folder + "gone/", "007R.WAV"), std::nullopt);
}

} // namespace
} // namespace korvan

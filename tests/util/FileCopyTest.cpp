#include "util/FileCopy.h"

#include <filesystem>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "util/Errors.h"

namespace korvan {
namespace {

namespace fs = std::filesystem;

// Bytes of every value, longer than a few copy chunks and not a multiple of one.
std::string Binary(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    return bytes;
}

std::string ErrorOf(const std::string& source, const std::string& destination)
{
    try {
        CopyFileToPath(source, destination);
    } catch (const TIoError& e) {
        return e.what();
    }
    return "no error";
}

TEST(CopyFileToPath, CopiesEveryByteToANewFile)
{
    test::TTempDir dir;
    const std::string content = Binary(3 * 8192 + 17);
    const std::string source = dir.Write("pattern.doc", content);
    CopyFileToPath(source, dir.File("Новый урок.doc"));
    EXPECT_EQ(test::ReadFileBytes(dir.File("Новый урок.doc")), content);
    EXPECT_EQ(test::ReadFileBytes(source), content);
}

TEST(CopyFileToPath, EmptySource)
{
    test::TTempDir dir;
    CopyFileToPath(dir.Write("empty", ""), dir.File("copy"));
    EXPECT_EQ(test::ReadFileBytes(dir.File("copy")), "");
}

TEST(CopyFileToPath, ReplacesAnExistingFile)
{
    test::TTempDir dir;
    const std::string source = dir.Write("pattern.doc", "template");
    dir.Write("lesson.doc", "an older and longer document");
    CopyFileToPath(source, dir.File("lesson.doc"));
    EXPECT_EQ(test::ReadFileBytes(dir.File("lesson.doc")), "template");
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

TEST(CopyFileToPath, IntoAFolderKeepsTheSourceName)
{
    for (const char* suffix : {"", "/"}) {
        SCOPED_TRACE(suffix);
        test::TTempDir dir;
        const std::string source = dir.Write("pattern_words.doc", "words");
        fs::create_directory(dir.File("target"));
        CopyFileToPath(source, dir.File("target") + suffix);
        EXPECT_EQ(test::ReadFileBytes(dir.File("target/pattern_words.doc")), "words");
    }
}

TEST(CopyFileToPath, RelativeDestinationIsTakenFromTheCurrentFolder)
{
    test::TTempDir dir;
    const std::string source = dir.Write("pattern.doc", "template");
    fs::create_directory(dir.File("work"));
    const fs::path before = fs::current_path();
    fs::current_path(dir.File("work"));
    CopyFileToPath(source, "lesson1.doc");
    fs::current_path(before);
    EXPECT_EQ(test::ReadFileBytes(dir.File("work/lesson1.doc")), "template");
}

TEST(CopyFileToPath, CopyOntoItselfKeepsTheFile)
{
    test::TTempDir dir;
    const std::string source = dir.Write("lesson.doc", "text");
    CopyFileToPath(source, source);
    EXPECT_EQ(test::ReadFileBytes(source), "text");
}

TEST(CopyFileToPath, UnreadableSourceNamesTheSource)
{
    test::TTempDir dir;
    fs::create_directory(dir.File("folder"));
    for (const std::string& source : {dir.File("missing.doc"), dir.File("folder")}) {
        SCOPED_TRACE(source);
        EXPECT_EQ(ErrorOf(source, dir.File("out.doc")), "Cannot open file " + source);
        EXPECT_FALSE(fs::exists(dir.File("out.doc")));
    }
}

TEST(CopyFileToPath, UnwritableDestinationNamesItAndLeavesNothing)
{
    test::TTempDir dir;
    const std::string source = dir.Write("pattern.doc", "template");
    const std::string target = dir.File("no such folder/lesson.doc");
    EXPECT_EQ(ErrorOf(source, target), "Cannot create file " + target);
    EXPECT_FALSE(fs::exists(dir.File("no such folder")));
}

TEST(CopyFileToPath, FailedCopyLeavesTheOldFileIntact)
{
    test::TTempDir dir;
    const std::string target = dir.Write("lesson.doc", "the author's work");
    EXPECT_EQ(ErrorOf(dir.File("missing.doc"), target),
              "Cannot open file " + dir.File("missing.doc"));
    EXPECT_EQ(test::ReadFileBytes(target), "the author's work");
}

} // namespace
} // namespace korvan

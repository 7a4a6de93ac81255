#include "util/LineReader.h"

#include <cerrno>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "../TestFiles.h"

using namespace std::string_literals;

namespace korvan {
namespace {

struct TSplitCase
{
    const char* Name;
    std::string Bytes;
    bool StopAtCtrlZ;
    std::vector<std::string> Lines;
    bool CutAtCtrlZ = false;
};

std::vector<std::string> ReadAll(TLineReader& reader)
{
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line))
        lines.emplace_back(line);
    return lines;
}

class LineSplitting : public ::testing::TestWithParam<std::tuple<TSplitCase, std::size_t>>
{
};

TEST_P(LineSplitting, GivesTheLinesOfTheFile)
{
    const auto& [c, chunkSize] = GetParam();
    test::TTempDir dir;
    TLineReader reader(dir.Write("f.txt", c.Bytes), c.StopAtCtrlZ, chunkSize);
    const std::int64_t ahead = reader.CountLinesAhead();
    EXPECT_EQ(ReadAll(reader), c.Lines);
    EXPECT_EQ(reader.LineNumber(), static_cast<std::int64_t>(c.Lines.size()));
    EXPECT_EQ(reader.StoppedAtCtrlZ(), c.CutAtCtrlZ);
    // An upper bound, never short of the lines actually read.
    EXPECT_GE(ahead, static_cast<std::int64_t>(c.Lines.size()));
    std::string_view line;
    EXPECT_FALSE(reader.ReadLine(line)) << "the end stays the end";
}

const std::string LongLine(100000, 'x');

const TSplitCase SplitCases[] = {
    {"Empty", "", false, {}},
    {"NoFinalBreak", "a", false, {"a"}},
    {"FinalLf", "a\n", false, {"a"}},
    {"FinalCrLf", "a\r\n", false, {"a"}},
    {"EmptyLineAtEnd", "a\n\n", false, {"a", ""}},
    {"EmptyCrLfLineAtEnd", "x\r\n\r\n", false, {"x", ""}},
    {"OnlyABreak", "\n", false, {""}},
    {"MixedBreaks", "a\r\nb\nc", false, {"a", "b", "c"}},
    {"LoneCrIsText", "a\rb\n", false, {"a\rb"}},
    {"CrAtEndWithoutLf", "a\r", false, {"a\r"}},
    {"NulIsAnOrdinaryByte", "a\0b\n\0\n"s, false, {"a\0b"s, "\0"s}},
    {"BlanksKept", " a \t\n", false, {" a \t"}},
    {"OverlongLine", LongLine + "\r\n" + LongLine, false, {LongLine, LongLine}},
    {"CtrlZEndsTheFile",
     "a\n\x1A"
     "b\n",
     true,
     {"a"},
     true},
    {"CtrlZInsideALine",
     "a\x1A"
     "b\nc\n",
     true,
     {"a"},
     true},
    {"CtrlZAfterCr", "a\r\x1A", true, {"a\r"}, true},
    {"CtrlZIgnoredWhenNotAsked",
     "a\n\x1A"
     "b",
     false,
     {"a", "\x1A"
           "b"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, LineSplitting,
                         // 16 bytes makes lines and CR LF pairs cross chunk boundaries.
                         ::testing::Combine(::testing::ValuesIn(SplitCases),
                                            ::testing::Values(16, 64 * 1024)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) + "_" +
                                    std::to_string(std::get<1>(info.param));
                         });

TEST(LineReader, CrLfSplitAcrossChunksIsOneBreak)
{
    test::TTempDir dir;
    // With 16-byte chunks the CR is the last byte of the first chunk.
    const std::string path = dir.Write("f.txt", "0123456789abcde\r\nnext\r\n");
    TLineReader reader(path, false, 16);
    EXPECT_EQ(ReadAll(reader), (std::vector<std::string>{"0123456789abcde", "next"}));
}

TEST(LineReader, CountsLinesAheadFromTheCurrentLine)
{
    test::TTempDir dir;
    // The first 16-byte chunk ends after "8\n"; the rest is counted unread.
    const std::string path = dir.Write("f.txt", "1\n2\n3\n4\n5\n6\n7\n8\n9\n\x1A"
                                                "x\ny\n");
    TLineReader reader(path, true, 16);
    std::string_view line;
    ASSERT_TRUE(reader.ReadLine(line));
    ASSERT_TRUE(reader.ReadLine(line));
    // Seven line breaks before the Ctrl-Z, plus a possible last line.
    EXPECT_EQ(reader.CountLinesAhead(), 8);
    EXPECT_EQ(ReadAll(reader), (std::vector<std::string>{"3", "4", "5", "6", "7", "8", "9"}));
}

TEST(LineReader, MissingFileThrowsWithTheSystemError)
{
    test::TTempDir dir;
    try {
        TLineReader reader(dir.File("missing.txt"));
        FAIL() << "no error";
    } catch (const TLineReadError& e) {
        EXPECT_EQ(e.Code, ENOENT);
        EXPECT_NE(std::string(e.what()).find("missing.txt"), std::string::npos);
    }
}

TEST(LineReader, FolderThrowsWhenRead)
{
    test::TTempDir dir;
    std::string_view line;
    try {
        TLineReader reader(dir.Path());
        reader.ReadLine(line);
        FAIL() << "no error";
    } catch (const TLineReadError& e) {
        EXPECT_EQ(e.Code, EISDIR);
    }
}

} // namespace
} // namespace korvan

#include "settings/WindowPlacement.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <vector>

#include <gtest/gtest.h>

namespace korvan {
namespace {

class WindowPlacementFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korvan-view-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
        Path = (Dir / "View.INI").string();
    }
    void TearDown() override { std::filesystem::remove_all(Dir); }

    void Write(const std::string& bytes) const { std::ofstream(Path, std::ios::binary) << bytes; }
    std::string Read() const
    {
        std::ifstream in(Path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path Dir;
    std::string Path;
};

TWindowPlacement Sample()
{
    TWindowPlacement p;
    p.Flags = 2;
    p.ShowCmd = ShowMaximized;
    p.PixelsPerInch = 120;
    p.MinX = -32000;
    p.MinY = -32000;
    p.MaxX = -8;
    p.MaxY = -8;
    p.Left = 100;
    p.Top = 50;
    p.Right = 684;
    p.Bottom = 607;
    return p;
}

TEST_F(WindowPlacementFile, MissingFileOrSectionGivesNothing)
{
    EXPECT_FALSE(LoadWindowPlacement(Path));
    Write("[Other]\r\nNormPos=1,2,3,4\r\n");
    EXPECT_FALSE(LoadWindowPlacement(Path));
}

TEST_F(WindowPlacementFile, SavesAllKeysAndReadsThemBack)
{
    SaveWindowPlacement(Sample(), Path);
    EXPECT_EQ(Read(), "[FMain]\r\n"
                      "Flags=2\r\n"
                      "ShowCmd=3\r\n"
                      "PixelsPerInch=120\r\n"
                      "MinMaxPos=-32000,-32000,-8,-8\r\n"
                      "NormPos=100,50,684,607\r\n"
                      "FormVersion=0\r\n");
    EXPECT_EQ(LoadWindowPlacement(Path), Sample());
}

TEST_F(WindowPlacementFile, SaveKeepsOtherSections)
{
    Write("[Other]\r\nA=1\r\n");
    SaveWindowPlacement(Sample(), Path);
    EXPECT_EQ(Read().rfind("[Other]\r\nA=1\r\n", 0), 0u);
    EXPECT_EQ(LoadWindowPlacement(Path), Sample());
}

struct TNormPosCase
{
    const char* Name;
    const char* Section; // the FMain section's key lines
    bool Valid;
};

class WindowPlacementRead : public WindowPlacementFile,
                            public ::testing::WithParamInterface<TNormPosCase>
{
};

TEST_P(WindowPlacementRead, AcceptsOnlyAUsableSection)
{
    Write(std::string("[FMain]\r\n") + GetParam().Section);
    const auto p = LoadWindowPlacement(Path);
    EXPECT_EQ(p.has_value(), GetParam().Valid);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WindowPlacementRead,
    ::testing::Values(
        TNormPosCase{"Plain", "NormPos=1,2,300,400\r\n", true},
        TNormPosCase{"Blanks", "NormPos= 1, 2 ,300 , 400\r\n", true},
        TNormPosCase{"Negative", "NormPos=-10,-20,300,400\r\n", true},
        TNormPosCase{"VersionZero", "NormPos=1,2,300,400\r\nFormVersion=0\r\n", true},
        TNormPosCase{"VersionAbove", "NormPos=1,2,300,400\r\nFormVersion=3\r\n", true},
        TNormPosCase{"VersionBelow", "NormPos=1,2,300,400\r\nFormVersion=-1\r\n", false},
        TNormPosCase{"NoNormPos", "Flags=0\r\nShowCmd=1\r\n", false},
        TNormPosCase{"EmptyNormPos", "NormPos=\r\n", false},
        TNormPosCase{"ThreeNumbers", "NormPos=1,2,300\r\n", false},
        TNormPosCase{"FiveNumbers", "NormPos=1,2,300,400,5\r\n", false},
        TNormPosCase{"Letters", "NormPos=1,2,3x0,400\r\n", false},
        TNormPosCase{"EmptyPart", "NormPos=1,,300,400\r\n", false},
        TNormPosCase{"TrailingComma", "NormPos=1,2,300,400,\r\n", false},
        TNormPosCase{"Overflow", "NormPos=1,2,99999999999,400\r\n", false},
        TNormPosCase{"ZeroWidth", "NormPos=300,2,300,400\r\n", false},
        TNormPosCase{"Upside down", "NormPos=1,400,300,2\r\n", false}),
    [](const ::testing::TestParamInfo<TNormPosCase>& info) {
        std::string name = info.param.Name;
        std::erase(name, ' ');
        return name;
    });

// A broken secondary key costs only itself.
TEST_F(WindowPlacementFile, MalformedOtherKeysFallBackAlone)
{
    Write("[fmain]\r\nflags=x\r\nShowCmd=3\r\nPixelsPerInch=\r\nMinMaxPos=1,2\r\n"
          "NormPos=10,20,610,540\r\n");
    const auto p = LoadWindowPlacement(Path);
    ASSERT_TRUE(p);
    TWindowPlacement expected;
    expected.ShowCmd = ShowMaximized;
    expected.Left = 10;
    expected.Top = 20;
    expected.Right = 610;
    expected.Bottom = 540;
    EXPECT_EQ(*p, expected);
}

// Wayland: the size is the window's, the position the one stored before.
TEST(WindowPlacement, WithStoredPositionKeepsTheCornerAndTakesTheSize)
{
    TWindowPlacement now;
    now.ShowCmd = ShowMaximized;
    now.Left = 0, now.Top = 0, now.Right = 700, now.Bottom = 600;
    TWindowPlacement stored;
    stored.Left = 100, stored.Top = 50, stored.Right = 668, stored.Bottom = 569;
    const TWindowPlacement kept = WithStoredPosition(now, stored);
    EXPECT_EQ(kept.ShowCmd, ShowMaximized);
    EXPECT_EQ(std::vector<int>({kept.Left, kept.Top, kept.Right, kept.Bottom}),
              std::vector<int>({100, 50, 800, 650}));
    EXPECT_EQ(WithStoredPosition(now, std::nullopt), now);
}

} // namespace
} // namespace korvan

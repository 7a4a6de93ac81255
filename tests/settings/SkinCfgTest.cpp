#include "settings/SkinCfg.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "util/Text.h"

namespace korvan {
namespace {

class SkinCfgFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korvan-skin-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
        Path = (Dir / "Skin.ini").string();
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

// Every field set away from its default, so a key that is not read or written
// shows.
TSkinCfg AllChanged()
{
    TSkinCfg c;
    c.FontName = ToCp1251("Шрифт с пробелом");
    c.FontSize = 9;
    c.FontBold = true;
    c.FontItalic = true;
    c.FontUnderline = true;
    c.FontCharset = 0;
    TColor colour = 0x010203;
    for (TColor* field :
         {&c.ColorInfo, &c.Color1, &c.Color2, &c.Color3, &c.ColorTranscription, &c.ColorInput,
          &c.ColorHelpMsg, &c.BackColorInfo, &c.BackColor1, &c.BackColor2, &c.BackColor3,
          &c.BackColorTranscription, &c.BackColorInput, &c.BackColorHelpMsg})
        *field = colour++;
    c.ShowHelpMsg = false;
    c.AskAtStartupUseTextInput = false;
    c.UseEscapeForExit = true;
    c.Language = "en";
    return c;
}

TEST(SkinCfg, DefaultsAreTheDocumentedOnes)
{
    const TSkinCfg c;
    EXPECT_EQ(c.FontName, "Arial");
    EXPECT_EQ(c.FontSize, 20);
    EXPECT_EQ(c.FontCharset, 204);
    EXPECT_EQ(c.BackColorInfo, 13421772);
    EXPECT_EQ(c.BackColor2, 15791347);
    EXPECT_EQ(c.BackColor3, 14476252);
    EXPECT_EQ(c.BackColorInput, 16777215);
    EXPECT_EQ(c.BackColorHelpMsg, 14404029);
    EXPECT_TRUE(c.ShowHelpMsg);
    EXPECT_TRUE(c.AskAtStartupUseTextInput);
    EXPECT_FALSE(c.UseEscapeForExit);
}

// The table's defaults are the record's: a field whose default differs between
// the two would change on the first start without Skin.ini.
TEST(SkinCfg, TableDefaultsMatchTheRecord)
{
    const TSkinCfg c;
    ASSERT_EQ(SkinKeys().size(), 24u);
    for (const TSkinKey& key : SkinKeys()) {
        SCOPED_TRACE(key.Name);
        switch (key.Kind) {
        case TSkinKeyKind::String:
            EXPECT_EQ(c.*key.Text, key.DefaultText);
            break;
        case TSkinKeyKind::Integer:
        case TSkinKeyKind::Colour:
            EXPECT_EQ(c.*key.Number, key.Default);
            break;
        case TSkinKeyKind::Boolean:
            EXPECT_EQ(c.*key.Flag, key.Default != 0);
            break;
        }
    }
}

TEST_F(SkinCfgFile, MissingFileGivesDefaults)
{
    TSkinCfg c = AllChanged();
    LoadSkinCfg(c, Path);
    EXPECT_EQ(c, TSkinCfg{});
}

TEST_F(SkinCfgFile, OtherSectionOnlyGivesDefaults)
{
    Write("[Other]\r\nFontSize=8\r\n");
    TSkinCfg c = AllChanged();
    LoadSkinCfg(c, Path);
    EXPECT_EQ(c, TSkinCfg{});
}

TEST_F(SkinCfgFile, RoundTripKeepsAll24)
{
    const TSkinCfg saved = AllChanged();
    SaveSkinCfg(saved, Path);
    TSkinCfg loaded;
    LoadSkinCfg(loaded, Path);
    EXPECT_EQ(loaded, saved);
}

TEST_F(SkinCfgFile, WritesTheKeysInTableOrderWithTheirFormats)
{
    Write("[Main]\r\nUseEscapeForExit=1\r\nFontName=Old\r\n[Keep]\r\nA=1\r\n");
    TSkinCfg c;
    c.FontName = "Times New Roman";
    c.BackColorInput = 0x00ABCDEF;
    SaveSkinCfg(c, Path);

    // Keys already present keep their lines; the rest follow in table order.
    const std::string expected = "[Main]\r\n"
                                 "UseEscapeForExit=0\r\n"
                                 "FontName=Times New Roman\r\n"
                                 "FontSize=20\r\n"
                                 "FontBold=0\r\n"
                                 "FontItalic=0\r\n"
                                 "FontUnderline=0\r\n"
                                 "FontCharset=204\r\n"
                                 "ColorInfo=0\r\n"
                                 "Color1=0\r\n"
                                 "Color2=0\r\n"
                                 "Color3=0\r\n"
                                 "ColorTranscription=0\r\n"
                                 "ColorInput=0\r\n"
                                 "ColorHelpMsg=0\r\n"
                                 "BackColorInfo=13421772\r\n"
                                 "BackColor1=13421772\r\n"
                                 "BackColor2=15791347\r\n"
                                 "BackColor3=14476252\r\n"
                                 "BackColorTranscription=13421772\r\n"
                                 "BackColorInput=11259375\r\n"
                                 "BackColorHelpMsg=14404029\r\n"
                                 "ShowHelpMsg=1\r\n"
                                 "AskAtStartupUseTextInput=1\r\n"
                                 "Language=\r\n"
                                 "[Keep]\r\n"
                                 "A=1\r\n";
    EXPECT_EQ(Read(), expected);
}

TEST_F(SkinCfgFile, FreshFileHasAll24InOrder)
{
    SaveSkinCfg(TSkinCfg{}, Path);
    const std::string text = Read();
    std::size_t at = text.find("[Main]\r\n");
    ASSERT_EQ(at, 0u);
    for (const TSkinKey& key : SkinKeys()) {
        const std::size_t next = text.find(std::string("\r\n") + key.Name + "=", at);
        ASSERT_NE(next, std::string::npos) << key.Name;
        at = next + 1;
    }
}

TEST_F(SkinCfgFile, HandEditedFile)
{
    Write("; edited by hand\n"
          "[main]\n"
          "fontname = Courier New \n"
          "FONTSIZE=0x10\n"
          "FontBold=7\n"
          "FontItalic=yes\n"
          "FontCharset=abc\n"
          "ColorInfo=0xFF\n"
          "Color1=-1\n"
          "Color2=12 34\n"
          "BackColor3=0x00DCE3DC\n"
          "ShowHelpMsg=0\n"
          "UseEscapeForExit=\n");
    TSkinCfg c;
    LoadSkinCfg(c, Path);

    TSkinCfg expected;
    expected.FontName = "Courier New";
    expected.FontSize = 16;
    expected.FontBold = true;    // any non-zero value
    expected.FontItalic = false; // not an integer: default
    expected.FontCharset = 204;  // not an integer: default
    expected.ColorInfo = 0xFF;
    expected.Color1 = -1; // kept as read; the window ignores the top byte
    expected.Color2 = 0;  // junk: default
    expected.BackColor3 = 0xDCE3DC;
    expected.ShowHelpMsg = false;
    expected.UseEscapeForExit = false;
    EXPECT_EQ(c, expected);
}

} // namespace
} // namespace korvan

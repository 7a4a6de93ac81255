#include "settings/BehaviorSettings.h"
#include "../TestNames.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "util/Errors.h"
#include "util/IniFile.h"
#include "util/Text.h"

namespace korvan {
namespace {

std::string DefaultName(int n)
{
    return ToCp1251("Режим ") + std::to_string(n);
}

class BehaviorSettings : public ::testing::Test
{
protected:
    std::unique_ptr<TBehaviorSettings> Create()
    {
        return std::make_unique<TBehaviorSettings>(KorvanIni, ModesIni);
    }

    test::TTempDir Dir;
    std::string KorvanIni = Dir.File("Korvan.ini");
    std::string ModesIni = Dir.File("Modes.ini");
};

TEST_F(BehaviorSettings, NoFilesAtAll)
{
    {
        auto settings = Create();
        EXPECT_EQ(settings->ModeNames, std::vector<std::string>{DefaultName(1)});
        EXPECT_EQ(settings->CurrentMode, 0); // CfgMode 2 is out of range
        EXPECT_EQ(settings->CurrentCfg, TBehaviorCfg());
        EXPECT_EQ(settings->EditCfg, TBehaviorCfg());
    }
    EXPECT_EQ(test::ReadFileBytes(KorvanIni), "[Main]\r\n"
                                              "UseTime=1\r\nSpeed=5\r\nMistakeChange=0\r\n"
                                              "UseAtOnce=10\r\nOrderKind=2\r\nSaveDiff=1\r\n"
                                              "DiffNum=2\r\nShowRText=1\r\nShowEText=1\r\n"
                                              "UseRWav=1\r\nUseEWav=1\r\nTranslRE=1\r\n"
                                              "UseTextInput=0\r\nUseSpeech=0\r\nCfgMode=1\r\n");
    EXPECT_FALSE(std::filesystem::exists(ModesIni)); // never written here
}

TEST_F(BehaviorSettings, ThreeModesWithoutNamesAndNoKorvanIni)
{
    Dir.Write("Modes.ini", "[Modes]\r\nHowMany=3\r\n[Mode2]\r\nSpeed=9\r\n");
    auto settings = Create();
    EXPECT_EQ(settings->ModeNames,
              (std::vector<std::string>{DefaultName(1), DefaultName(2), DefaultName(3)}));
    EXPECT_EQ(settings->CurrentMode, 1);
    EXPECT_EQ(settings->ModeName(1), DefaultName(2));
    // Main's configuration, not the current mode's.
    EXPECT_EQ(settings->CurrentCfg, TBehaviorCfg());
}

struct TNamesRow
{
    const char* Name;
    std::string ModesIni;
    std::vector<std::string> Expected;
};

class ModeNames : public BehaviorSettings, public ::testing::WithParamInterface<TNamesRow>
{
};

TEST_P(ModeNames, AreRead)
{
    Dir.Write("Modes.ini", GetParam().ModesIni);
    EXPECT_EQ(Create()->ModeNames, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ModeNames,
    ::testing::Values(
        TNamesRow{"Trimmed",
                  "[Modes]\r\nHowMany=2\r\n1=\t \x01\xC0 b\x1F\r\n2=\"  q  \"\r\n",
                  {"\xC0 b", "q"}},
        TNamesRow{
            "DuplicatesAndSeparatorKept", "[modes]\nhowmany=3\n1=A\n2=-\n3=A\n", {"A", "-", "A"}},
        TNamesRow{"MissingOnesDefault",
                  "[Modes]\nHowMany=3\n2=B\n",
                  {DefaultName(1), "B", DefaultName(3)}},
        TNamesRow{"BeyondHowManyIgnored", "[Modes]\nHowMany=1\n1=A\n2=B\n", {"A"}},
        TNamesRow{"HowManyZero", "[Modes]\nHowMany=0\n1=A\n", {"A"}},
        TNamesRow{"HowManyNegative", "[Modes]\nHowMany=-2147483648\n", {DefaultName(1)}},
        TNamesRow{"HowManyNotANumber", "[Modes]\nHowMany=3x\n1=A\n2=B\n", {"A"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BehaviorSettings, HugeHowManyIsBounded)
{
    Dir.Write("Modes.ini", "[Modes]\r\nHowMany=2000000000\r\n1=First\r\n1000=Last\r\n");
    const auto start = std::chrono::steady_clock::now();
    auto settings = Create();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ASSERT_EQ(settings->ModeCount(), MaxModeCount);
    EXPECT_EQ(settings->ModeName(0), "First");
    EXPECT_EQ(settings->ModeName(MaxModeCount - 1), "Last");
    EXPECT_EQ(settings->ModeName(1), DefaultName(2));
}

struct TCfgModeRow
{
    const char* CfgMode;
    int Expected; // with three modes
};

class CfgMode : public BehaviorSettings, public ::testing::WithParamInterface<TCfgModeRow>
{
};

TEST_P(CfgMode, ChoosesTheCurrentMode)
{
    Dir.Write("Modes.ini", "[Modes]\nHowMany=3\n");
    Dir.Write("Korvan.ini", std::string("[Main]\nCfgMode=") + GetParam().CfgMode + "\n");
    EXPECT_EQ(Create()->CurrentMode, GetParam().Expected) << GetParam().CfgMode;
}

INSTANTIATE_TEST_SUITE_P(Table, CfgMode,
                         ::testing::Values(TCfgModeRow{"1", 0}, TCfgModeRow{"3", 2},
                                           TCfgModeRow{"4", 0}, TCfgModeRow{"0", 0},
                                           TCfgModeRow{"-1", 0}, TCfgModeRow{"-2147483648", 0},
                                           TCfgModeRow{"2147483647", 0}, TCfgModeRow{"0x3", 2},
                                           TCfgModeRow{"three", 1}),
                         [](const auto& info) {
                             return test::RowName(info.index, info.param.CfgMode);
                         }); // the default 2

TEST_F(BehaviorSettings, CurrentConfigurationComesFromMain)
{
    Dir.Write("Korvan.ini", "[Main]\r\nSpeed=35\r\nOrderKind=7\r\nShowsCap=5\r\nCfgMode=1\r\n");
    Dir.Write("Modes.ini", "[Mode1]\r\nSpeed=1\r\n");
    auto settings = Create();
    EXPECT_EQ(settings->CurrentCfg.Speed, 35);
    EXPECT_EQ(settings->CurrentCfg.OrderKind, 7);
    EXPECT_EQ(settings->CurrentCfg.ShowsCap, 2);
}

TEST_F(BehaviorSettings, SelectModeLoadsTheModeSection)
{
    Dir.Write("Modes.ini", "[Modes]\r\nHowMany=2\r\n1=One\r\n2=Two\r\n"
                           "[Mode1]\r\nSpeed=1\r\n[Mode2]\r\nSpeed=15\r\nUseTime=0\r\n");
    Dir.Write("Korvan.ini", "[Main]\r\nCfgMode=1\r\nUseAtOnce=33\r\nDiffNum=7\r\n");
    {
        auto settings = Create();
        settings->SelectMode(1);
        EXPECT_EQ(settings->CurrentMode, 1);
        TBehaviorCfg expected; // absent keys take the defaults, not Main's values
        expected.Speed = 15;
        expected.UseTime = false;
        EXPECT_EQ(settings->CurrentCfg, expected);
    }
    const TIniFile korvan(KorvanIni);
    EXPECT_EQ(korvan.ReadInteger("Main", "CfgMode", 0), 2);
    EXPECT_EQ(korvan.ReadInteger("Main", "Speed", 0), 15);
    EXPECT_EQ(korvan.ReadInteger("Main", "UseAtOnce", 0), 10);
    // Modes.ini is only read.
    EXPECT_EQ(TIniFile(ModesIni).ReadInteger("Mode2", "UseAtOnce", -1), -1);
}

TEST_F(BehaviorSettings, DestructionKeepsOtherSectionsOfKorvanIni)
{
    Dir.Write("Korvan.ini",
              "[RecentOpenFiles]\nHowMany=1\n1=/x.sl2\n\n[LessonCreate]\nFolder=/l\n");
    {
        auto settings = Create();
        settings->CurrentCfg.UseTextInput = true;
    }
    const TIniFile korvan(KorvanIni);
    EXPECT_EQ(korvan.ReadString("RecentOpenFiles", "1", ""), "/x.sl2");
    EXPECT_EQ(korvan.ReadString("LessonCreate", "Folder", ""), "/l");
    EXPECT_TRUE(korvan.ReadBool("Main", "UseTextInput", false));
    EXPECT_EQ(korvan.ReadInteger("Main", "CfgMode", 0), 1);
}

TEST_F(BehaviorSettings, UnwritableKorvanIniIsIgnoredAtTheEnd)
{
    std::filesystem::create_directory(KorvanIni); // a folder where the file should be
    EXPECT_NO_THROW(Create().reset());
    EXPECT_TRUE(std::filesystem::is_directory(KorvanIni));
}

TEST_F(BehaviorSettings, ASavedModeGoesIntoTheUsersCopyWithEveryOtherMode)
{
    const std::string shipped = "[Modes]\r\nHowMany=2\r\n1=A\r\n2=B\r\n[Mode1]\r\nSpeed=3\r\n";
    Dir.Write("Modes.ini", shipped);
    const std::string own = Dir.File("own/Modes.ini");
    std::filesystem::create_directory(Dir.File("own"));
    TBehaviorCfg cfg;
    cfg.Speed = 8;
    {
        TBehaviorSettings settings(KorvanIni, ModesIni, own);
        EXPECT_EQ(settings.ModesIniPath(), ModesIni);
        settings.SaveMode(1, cfg);
        EXPECT_EQ(settings.ModesIniPath(), own);
    }
    EXPECT_EQ(test::ReadFileBytes(ModesIni), shipped);
    TBehaviorSettings again(KorvanIni, ModesIni, own);
    EXPECT_EQ(again.ModeNames, (std::vector<std::string>{"A", "B"}));
    again.SelectMode(0);
    EXPECT_EQ(again.CurrentCfg.Speed, 3);
    again.SelectMode(1);
    EXPECT_EQ(again.CurrentCfg.Speed, 8);
    std::filesystem::remove(own);
    std::filesystem::create_directory(own); // a folder where the copy should be
    EXPECT_THROW(again.SaveMode(0, cfg), TIoError);
}

TEST_F(BehaviorSettings, ModeNameOutsideTheListIsEmpty)
{
    auto settings = Create();
    EXPECT_EQ(settings->ModeName(-1), "");
    EXPECT_EQ(settings->ModeName(1), "");
    EXPECT_EQ(ModeSectionName(12), "Mode12");
}

} // namespace
} // namespace korvan

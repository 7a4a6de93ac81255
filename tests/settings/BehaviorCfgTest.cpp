#include "settings/BehaviorCfg.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "util/Errors.h"
#include "util/IniFile.h"

namespace korvan {
namespace {

// Every stored field away from its default (and the two constants too).
TBehaviorCfg Unusual()
{
    TBehaviorCfg cfg;
    cfg.UseTime = false;
    cfg.Speed = 17;
    cfg.InitialShows = 9;
    cfg.MistakeChange = -1;
    cfg.ShowsCap = 9;
    cfg.UseAtOnce = 40;
    cfg.OrderKind = 0;
    cfg.SaveDiff = false;
    cfg.DiffNum = 9;
    cfg.ShowRText = false;
    cfg.ShowEText = false;
    cfg.UseRWav = false;
    cfg.UseEWav = false;
    cfg.TranslRE = false;
    cfg.UseTextInput = true;
    cfg.UseSpeech = true;
    return cfg;
}

TEST(BehaviorCfg, KeyTableAgreesWithTheRecordDefaults)
{
    const TBehaviorCfg defaults;
    for (const TBehaviorKey& key : BehaviorKeys()) {
        ASSERT_NE(key.Flag == nullptr, key.Number == nullptr) << key.Name;
        const std::int32_t value = key.Flag != nullptr ? defaults.*key.Flag : defaults.*key.Number;
        EXPECT_EQ(value, key.Default) << key.Name;
    }
}

TEST(BehaviorCfg, MissingFileGivesDefaults)
{
    test::TTempDir dir;
    TBehaviorCfg cfg = Unusual();
    LoadBehaviorCfg(cfg, dir.File("absent.ini"), "Main");
    EXPECT_EQ(cfg, TBehaviorCfg());
}

TEST(BehaviorCfg, SaveWritesThe14KeysInOrder)
{
    test::TTempDir dir;
    const std::string path = dir.File("a.ini");
    SaveBehaviorCfg(TBehaviorCfg(), path, "Main");
    EXPECT_EQ(test::ReadFileBytes(path), "[Main]\r\n"
                                         "UseTime=1\r\n"
                                         "Speed=5\r\n"
                                         "MistakeChange=0\r\n"
                                         "UseAtOnce=10\r\n"
                                         "OrderKind=2\r\n"
                                         "SaveDiff=1\r\n"
                                         "DiffNum=2\r\n"
                                         "ShowRText=1\r\n"
                                         "ShowEText=1\r\n"
                                         "UseRWav=1\r\n"
                                         "UseEWav=1\r\n"
                                         "TranslRE=1\r\n"
                                         "UseTextInput=0\r\n"
                                         "UseSpeech=0\r\n");
}

TEST(BehaviorCfg, SaveAndLoadRoundTripAllStoredFields)
{
    test::TTempDir dir;
    const std::string path = dir.File("a.ini");
    const TBehaviorCfg saved = Unusual();
    SaveBehaviorCfg(saved, path, "Mode3");
    TBehaviorCfg loaded;
    LoadBehaviorCfg(loaded, path, "mode3");
    TBehaviorCfg expected = saved;
    expected.InitialShows = 1; // never stored
    expected.ShowsCap = 2;
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(test::ReadFileBytes(path).find("InitialShows"), std::string::npos);
    EXPECT_EQ(test::ReadFileBytes(path).find("ShowsCap"), std::string::npos);
}

TEST(BehaviorCfg, SaveKeepsOtherKeysAndSections)
{
    test::TTempDir dir;
    const std::string path = dir.Write("Korvan.ini", "[RecentOpenFiles]\nHowMany=1\n1=/a.sl2\n"
                                                     "[Main]\nspeed=9\nCfgMode=3\nOwn=x\n");
    SaveBehaviorCfg(TBehaviorCfg(), path, "Main");
    const TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("RecentOpenFiles", "1", ""), "/a.sl2");
    EXPECT_EQ(ini.ReadInteger("Main", "CfgMode", 0), 3);
    EXPECT_EQ(ini.ReadString("Main", "Own", ""), "x");
    EXPECT_EQ(ini.ReadInteger("Main", "Speed", 0), 5);
    // The existing key is replaced in its place; the new ones follow the last key.
    EXPECT_EQ(test::ReadFileBytes(path),
              "[RecentOpenFiles]\r\nHowMany=1\r\n1=/a.sl2\r\n"
              "[Main]\r\nspeed=5\r\nCfgMode=3\r\nOwn=x\r\nUseTime=1\r\n"
              "MistakeChange=0\r\nUseAtOnce=10\r\nOrderKind=2\r\n"
              "SaveDiff=1\r\nDiffNum=2\r\nShowRText=1\r\nShowEText=1\r\n"
              "UseRWav=1\r\nUseEWav=1\r\nTranslRE=1\r\nUseTextInput=0\r\nUseSpeech=0\r\n");
}

TEST(BehaviorCfg, LoadTakesValuesAsTheyAre)
{
    test::TTempDir dir;
    const std::string path =
        dir.Write("a.ini", "[Main]\r\nSpeed=35\r\nOrderKind=7\r\nMistakeChange=-5\r\n"
                           "UseAtOnce=0\r\nDiffNum=abc\r\nInitialShows=4\r\nShowsCap=0\r\n"
                           "UseTime=2\r\nSaveDiff=0x0\r\nUseTextInput=-1\r\nShowRText=\r\n");
    TBehaviorCfg cfg;
    LoadBehaviorCfg(cfg, path, "Main");
    EXPECT_EQ(cfg.Speed, 35); // no range enforced
    EXPECT_EQ(cfg.OrderKind, 7);
    EXPECT_EQ(cfg.MistakeChange, -5);
    EXPECT_EQ(cfg.UseAtOnce, 0);
    EXPECT_EQ(cfg.DiffNum, 2); // not an integer: the default
    EXPECT_EQ(cfg.InitialShows, 1);
    EXPECT_EQ(cfg.ShowsCap, 2);
    EXPECT_TRUE(cfg.UseTime);
    EXPECT_FALSE(cfg.SaveDiff);
    EXPECT_TRUE(cfg.UseTextInput);
    EXPECT_TRUE(cfg.ShowRText); // empty: the default
}

TEST(BehaviorCfg, HandEditedFixture)
{
    TBehaviorCfg cfg;
    LoadBehaviorCfg(cfg, std::string(KORVAN_TEST_DATA) + "/ini_hand_edited.ini", "Main");
    TBehaviorCfg expected;
    expected.UseTime = false;   // "usetime = 0" under "[MAIN]"
    expected.Speed = 12;        // "\"12\""
    expected.UseAtOnce = 10;    // "12abc"
    expected.OrderKind = 7;     // blanks and tabs around
    expected.DiffNum = 3;       // the first of two
    expected.MistakeChange = 1; // "0x1"
    expected.ShowRText = false; // "0X0"
    EXPECT_EQ(cfg, expected);
}

TEST(BehaviorCfg, FailedSaveThrowsTheIoError)
{
    test::TTempDir dir;
    const std::string path = dir.File("no/such/folder/a.ini");
    EXPECT_THROW(SaveBehaviorCfg(TBehaviorCfg(), path, "Main"), TIoError);
}

TEST(BehaviorCfg, AssignCopiesEverything)
{
    TBehaviorCfg dest;
    Assign(dest, Unusual());
    EXPECT_EQ(dest, Unusual());
}

} // namespace
} // namespace korvan

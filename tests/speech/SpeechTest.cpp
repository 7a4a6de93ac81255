// What the engines are given to read, and the engine that is always there.

#include <gtest/gtest.h>

#include "speech/EspeakEngine.h"
#include "speech/SpeechText.h"
#include "util/Text.h"

namespace korvan {
namespace {

TEST(SpeechText, StressMarksGoEverythingElseStays)
{
    const std::pair<const char*, const char*> cases[] = {
        {"м+ама мыла р+аму", "мама мыла раму"},
        {"ма\xCC\x81ма", "мама"},         // the combining acute after the vowel
        {"+Утро, з+Ёрна", "Утро, зЁрна"}, // capitals, and "ё" is kept
        {"ёлка", "ёлка"},
        {"2+2=4, C++ и +", "2+2=4, C++ и +"}, // no vowel follows: not a mark
        {"r+ecord", "record"},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(StressMarksRemoved(in), out) << in;
}

// The real library: a sentence in each language is a plausible length of
// sound, and a stress mark is not read aloud.
TEST(EspeakEngine, RendersBothLanguagesAndIgnoresStressMarks)
{
    TEspeakEngine engine;
    const auto seconds = [](const TSpeech& s) {
        return s.SampleRate == 0 ? 0.0 : double(s.Pcm.size()) / 2 / s.SampleRate;
    };
    const TSpeech ru = engine.Render(ToCp1251("Доброе утро, мама."), TLanguage::Russian);
    ASSERT_TRUE(ru.Ok) << Cp1251ToUtf8(ru.Error);
    EXPECT_EQ(ru.SampleRate, 22050u);
    EXPECT_GT(seconds(ru), 0.7);
    EXPECT_LT(seconds(ru), 4.0);

    const TSpeech en = engine.Render("Good morning, mother.", TLanguage::English);
    ASSERT_TRUE(en.Ok);
    EXPECT_GT(seconds(en), 0.7);
    EXPECT_LT(seconds(en), 4.0);

    // "плюс" would add a third of a second or more.
    const TSpeech marked = engine.Render(ToCp1251("Д+оброе +утро, м+ама."), TLanguage::Russian);
    ASSERT_TRUE(marked.Ok);
    EXPECT_NEAR(seconds(marked), seconds(ru), 0.1);

    const TSpeech nothing = engine.Render("", TLanguage::English);
    EXPECT_TRUE(nothing.Ok);
    EXPECT_LT(seconds(nothing), 0.05);
}

} // namespace
} // namespace korvan

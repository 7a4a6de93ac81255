// The bundled lessons come with a recording of every sentence in both
// languages, in a format every device takes and small enough to ship.

#include <gtest/gtest.h>

#include "../TestNames.h"
#include "lesson/Lesson.h"
#include "lesson/LessonSounds.h"
#include "util/WavFile.h"

namespace korvan {
namespace {

class ShippedSoundsTest : public testing::TestWithParam<const char*>
{
};

TEST_P(ShippedSoundsTest, EverySentenceIsRecordedInBothLanguages)
{
    const std::string path = std::string(KORVAN_SHIPPED_DATA) + "/program/lessons/" + GetParam();
    TLesson lesson;
    ASSERT_TRUE(lesson.LoadFromFile(path));
    EXPECT_TRUE(lesson.HasRuAudio);
    EXPECT_TRUE(lesson.HasEnAudio);
    for (const TQuestion& q : lesson.Questions) {
        for (TLanguage language : {TLanguage::Russian, TLanguage::English}) {
            const std::string name = LessonSoundName(q.Number, language);
            SCOPED_TRACE(name);
            const auto found = FindLessonSound(FolderOf(path), name);
            ASSERT_TRUE(found);
            EXPECT_EQ(*found, FolderOf(path) + name); // the exact name
            const TWavParse wav = ReadWavFile(*found);
            ASSERT_TRUE(wav.Ok);
            EXPECT_EQ(wav.Info.Format.Encoding, TSampleEncoding::Int16);
            EXPECT_EQ(wav.Info.Format.SampleRate, 16000u);
            EXPECT_EQ(wav.Info.Format.Channels, 1);
            EXPECT_GT(wav.Info.DurationMs(), 200u);  // something is said
            EXPECT_LT(wav.Info.DurationMs(), 6000u); // and trimmed
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lessons, ShippedSoundsTest,
                         testing::Values("everyday/everyday.sl2", "words/words.sl2"),
                         [](const auto& info) { return test::CaseName(info.param); });

TEST(ShippedSignals, AreShortSixteenKilohertzMonoSounds)
{
    for (const char* name : {"StartRec.WAV", "TimeIsUp.WAV"}) {
        SCOPED_TRACE(name);
        const TWavParse wav = ReadWavFile(std::string(KORVAN_SHIPPED_DATA) + "/program/" + name);
        ASSERT_TRUE(wav.Ok);
        EXPECT_EQ(wav.Info.Format.Encoding, TSampleEncoding::Int16);
        EXPECT_GT(wav.Info.DurationMs(), 100u);
        EXPECT_LT(wav.Info.DurationMs(), 1000u); // the countdown waits for them
    }
}

} // namespace
} // namespace korvan

#include "util/Mp3File.h"

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "util/Text.h"

namespace korvan {
namespace {

TEST(Mp3File, DecodesToSixteenBitPcmOfItsLength)
{
    const TDecodedSound sound = DecodeMp3File(KORVAN_TEST_DATA "/sound/tone2500.mp3");
    ASSERT_TRUE(sound.Ok) << Cp1251ToUtf8(sound.Error);
    EXPECT_EQ(sound.Format.BitsPerSample, 16);
    ASSERT_GT(sound.Format.BytesPerSecond(), 0u);
    // 600 ms of tone and the encoder's padding (a frame and its delay at most).
    const auto ms = sound.Pcm.size() * 1000 / sound.Format.BytesPerSecond();
    EXPECT_GE(ms, 600u);
    EXPECT_LE(ms, 720u);
    EXPECT_EQ(sound.Pcm.size() % sound.Format.BlockAlign, 0u);
}

TEST(Mp3File, RefusesWhatIsNoMp3)
{
    test::TTempDir dir;
    const std::pair<std::string, std::string> cases[] = {
        {"", "файл пуст"},
        {"RIFF....WAVE", "файл не в формате MP3"},
        {std::string("ID3\x03\x00\x00\x00\x00\x00\x00", 10), "в файле нет звука MP3"},
    };
    for (const auto& [bytes, error] : cases) {
        const TDecodedSound sound = DecodeMp3File(dir.Write("a.mp3", bytes));
        EXPECT_FALSE(sound.Ok);
        EXPECT_EQ(Cp1251ToUtf8(sound.Error), error);
    }
    EXPECT_FALSE(DecodeMp3File(dir.File("absent.mp3")).Ok);
}

} // namespace
} // namespace korvan

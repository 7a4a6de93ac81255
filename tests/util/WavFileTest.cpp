#include <gtest/gtest.h>

#include <string>

#include "../TestFiles.h"
#include "util/Text.h"
#include "util/WavFile.h"

namespace korvan {
namespace {

using namespace std::string_literals;

std::string Le16(unsigned v)
{
    return {char(v & 0xFF), char(v >> 8 & 0xFF)};
}

std::string Le32(unsigned v)
{
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

std::string Chunk(const std::string& id, const std::string& body, unsigned size)
{
    return id + Le32(size) + body;
}

std::string Fmt(unsigned tag, unsigned channels, unsigned rate, unsigned bits)
{
    const unsigned align = channels * bits / 8;
    return Chunk("fmt ",
                 Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) +
                     Le16(bits),
                 16);
}

std::string Riff(const std::string& chunks)
{
    return "RIFF" + Le32(unsigned(chunks.size() + 4)) + "WAVE" + chunks;
}

const std::string Mono16k = Fmt(1, 1, 16000, 16);

struct TWavCase
{
    const char* Name;
    std::string Bytes;
    bool Ok;
    TSampleEncoding Encoding;
    std::uint64_t DataBytes;
    std::uint64_t DataOffset;
};

class WavParseTest : public testing::TestWithParam<TWavCase>
{
};

TEST_P(WavParseTest, ReadsWhatIsThereAndNothingElse)
{
    const TWavCase& c = GetParam();
    const TWavParse parsed = ParseWav(c.Bytes);
    EXPECT_EQ(parsed.Ok, c.Ok) << Cp1251ToUtf8(parsed.Error);
    EXPECT_EQ(parsed.Error.empty(), c.Ok);
    if (!c.Ok || !parsed.Ok)
        return;
    EXPECT_EQ(parsed.Info.Format.Encoding, c.Encoding);
    EXPECT_EQ(parsed.Info.DataBytes, c.DataBytes);
    EXPECT_EQ(parsed.Info.DataOffset, c.DataOffset);
}

const std::string Samples(100, '\x01');

INSTANTIATE_TEST_SUITE_P(
    Cases, WavParseTest,
    testing::Values(
        TWavCase{"canonical", Riff(Mono16k + Chunk("data", Samples, 100)), true,
                 TSampleEncoding::Int16, 100, 44},
        TWavCase{"header_only", Riff(Mono16k + Chunk("data", "", 0)), true, TSampleEncoding::Int16,
                 0, 44},
        // A list chunk of odd size is followed by its pad byte.
        TWavCase{"odd_chunk_padded",
                 Riff(Mono16k + Chunk("LIST", "abc", 3) + "\0"s + Chunk("data", Samples, 100)),
                 true, TSampleEncoding::Int16, 100, 56},
        TWavCase{"data_before_fmt", Riff(Chunk("data", Samples, 100) + Mono16k), true,
                 TSampleEncoding::Int16, 100, 20},
        // The header promises more than the file holds: believed as far as it goes.
        TWavCase{"truncated_samples", Riff(Mono16k + Chunk("data", Samples, 100000)), true,
                 TSampleEncoding::Int16, 100, 44},
        TWavCase{"partial_frame_dropped", Riff(Mono16k + Chunk("data", "abc", 3)), true,
                 TSampleEncoding::Int16, 2, 44},
        TWavCase{"stereo_float",
                 Riff(Fmt(3, 2, 48000, 32) + Chunk("data", std::string(64, '\0'), 64)), true,
                 TSampleEncoding::Float32, 64, 44},
        TWavCase{"unsigned_8", Riff(Fmt(1, 1, 8000, 8) + Chunk("data", Samples, 100)), true,
                 TSampleEncoding::UInt8, 100, 44},
        TWavCase{"packed_24", Riff(Fmt(1, 2, 44100, 24) + Chunk("data", Samples, 100)), true,
                 TSampleEncoding::Int24, 96, 44},
        // Compressed or odd formats parse, but are not playable as they stand.
        TWavCase{"adpcm", Riff(Fmt(0x11, 1, 8000, 4) + Chunk("data", Samples, 100)), true,
                 TSampleEncoding::Unsupported, 100, 44},
        TWavCase{"twelve_bit", Riff(Fmt(1, 1, 8000, 12) + Chunk("data", Samples, 100)), true,
                 TSampleEncoding::Unsupported, 100, 44},
        TWavCase{"no_channels", Riff(Fmt(1, 0, 8000, 16) + Chunk("data", Samples, 100)), true,
                 TSampleEncoding::Unsupported, 100, 44},
        TWavCase{"empty", "", false, {}, 0, 0},
        TWavCase{"text", "This is not a sound at all, just some text.\r\n", false, {}, 0, 0},
        TWavCase{"riff_not_wave", "RIFF" + Le32(4) + "AVI ", false, {}, 0, 0},
        TWavCase{"cut_in_fmt", Riff(Mono16k).substr(0, 30), false, {}, 0, 0},
        TWavCase{
            "short_fmt", Riff(Chunk("fmt ", "abcd", 4) + Chunk("data", "", 0)), false, {}, 0, 0},
        TWavCase{"no_data", Riff(Mono16k), false, {}, 0, 0},
        TWavCase{"no_fmt", Riff(Chunk("data", Samples, 100)), false, {}, 0, 0},
        // A chunk claiming 4 GB hides everything after it.
        TWavCase{"huge_chunk", Riff(Chunk("junk", "", 0xFFFFFFFF) + Mono16k), false, {}, 0, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(WavFile, DurationFollowsTheFormat)
{
    const TWavParse parsed =
        ParseWav(Riff(Mono16k + Chunk("data", std::string(16000 * 2 * 3 / 2, '\0'), 48000)));
    ASSERT_TRUE(parsed.Ok);
    EXPECT_EQ(parsed.Info.DurationMs(), 1500u);
}

TEST(WavFile, HeaderAloneTellsTheLengthOfTheWholeFile)
{
    const std::string whole = Riff(Mono16k + Chunk("data", std::string(32000, '\0'), 32000));
    const TWavParse parsed = ParseWav(std::string_view(whole).substr(0, 44), whole.size());
    ASSERT_TRUE(parsed.Ok);
    EXPECT_EQ(parsed.Info.DataBytes, 32000u);
    EXPECT_EQ(parsed.Info.DurationMs(), 1000u);
}

TEST(WavFile, MadeHeaderParsesBack)
{
    const TWavFormat format = PcmFormat(22050, 2, 16);
    const std::string bytes = MakeWavHeader(format, 8) + std::string(8, '\0');
    ASSERT_EQ(bytes.size(), 52u);
    const TWavParse parsed = ParseWav(bytes);
    ASSERT_TRUE(parsed.Ok);
    EXPECT_EQ(parsed.Info.Format.SampleRate, 22050u);
    EXPECT_EQ(parsed.Info.Format.Channels, 2);
    EXPECT_EQ(parsed.Info.Format.BlockAlign, 4);
    EXPECT_EQ(parsed.Info.DataBytes, 8u);
}

TEST(WavFile, ReadingAMissingFileNamesItAndTheReason)
{
    test::TTempDir dir;
    const TWavParse parsed = ReadWavFile(dir.File("gone.wav"));
    EXPECT_FALSE(parsed.Ok);
    EXPECT_NE(parsed.Error.find("gone.wav"), std::string::npos);
    EXPECT_NE(parsed.Error.find("No such file"), std::string::npos);
}

TEST(WavFile, ShippedBufferFixesSixteenKilohertzMono)
{
    std::string bytes;
    const TWavParse parsed =
        ReadWavFile(std::string(KORVAN_SHIPPED_DATA) + "/program/Buffer.WAV", &bytes);
    ASSERT_TRUE(parsed.Ok) << Cp1251ToUtf8(parsed.Error);
    EXPECT_EQ(parsed.Info.Format.Encoding, TSampleEncoding::Int16);
    EXPECT_EQ(parsed.Info.Format.SampleRate, 16000u);
    EXPECT_EQ(parsed.Info.Format.Channels, 1);
    EXPECT_EQ(parsed.Info.DataBytes, 0u);
    EXPECT_EQ(bytes, MakeWavHeader(PcmFormat(16000, 1, 16), 0));
}

} // namespace
} // namespace korvan

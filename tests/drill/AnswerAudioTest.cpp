#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "../TestNames.h"
#include "drill/AnswerAudio.h"

namespace korvan {
namespace {

constexpr double MsPerDay = 86'400'000.0;

struct TLengthCase
{
    double StartMs;
    double StopMs;
    std::int64_t Expected;
};

class RecordedLengthTest : public testing::TestWithParam<TLengthCase>
{
};

TEST_P(RecordedLengthTest, IsTheStretchBetweenStartAndStopToTheNearestMs)
{
    // A date in the year 2024, where a day's fraction is least precise.
    const TDateTime day = 45'600;
    const TLengthCase& c = GetParam();
    EXPECT_EQ(RecordedLengthMs(day + c.StartMs / MsPerDay, day + c.StopMs / MsPerDay), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordedLengthTest,
                         testing::Values(TLengthCase{0, 4500, 4500},     // stopped after 4.5 s
                                         TLengthCase{0, 60000, 60000},   // ran its minute
                                         TLengthCase{0, 75000, 60000},   // never more
                                         TLengthCase{100, 1334.4, 1234}, // rounded down
                                         TLengthCase{100, 1334.6, 1235}, // rounded up
                                         TLengthCase{500, 500, 0},       // stopped at once
                                         TLengthCase{500, 200, 0}),
                         [](const auto& info) {
                             return test::JoinedName("From", info.param.StartMs, "To",
                                                     info.param.StopMs);
                         }); // clock set back

TEST(AnswerAudio, WaitBoundLeavesAMarginOverTheSound)
{
    EXPECT_GT(WaitBoundMs(1500), 1500);
    EXPECT_LE(WaitBoundMs(1500), 1500 + 5000);
    EXPECT_GT(WaitBoundMs(-1), 0);
    EXPECT_EQ(WaitBoundMs(60000) - 60000, WaitBoundMs(0));
}

TEST(AnswerAudio, FitCutsOrPadsWithSilenceToTheExactLength)
{
    const TWavFormat mono16 = PcmFormat(16000, 1, 16);
    const std::string second(32000, '\x11');
    EXPECT_EQ(FitPcmToLength(second, mono16, 4500).size(), 144000u); // padded
    EXPECT_EQ(FitPcmToLength(second, mono16, 4500).substr(32000), std::string(112000, '\0'));
    EXPECT_EQ(FitPcmToLength(second, mono16, 250), std::string(8000, '\x11')); // cut
    EXPECT_EQ(FitPcmToLength(second, mono16, 0), "");
    // Unsigned 8-bit silence is the middle value; a partial frame is not kept.
    const TWavFormat stereo8 = PcmFormat(8000, 2, 8);
    EXPECT_EQ(FitPcmToLength("abc", stereo8, 1), "ab" + std::string(14, '\x80'));
}

std::string Floats(const std::vector<float>& v)
{
    std::string out(v.size() * 4, '\0');
    std::memcpy(out.data(), v.data(), out.size());
    return out;
}

std::vector<std::int16_t> Int16s(const std::string& bytes)
{
    std::vector<std::int16_t> out(bytes.size() / 2);
    std::memcpy(out.data(), bytes.data(), out.size() * 2);
    return out;
}

TWavFormat FloatFormat(std::uint32_t rate, std::uint16_t channels)
{
    TWavFormat f = PcmFormat(rate, channels, 32);
    f.FormatTag = 3;
    f.Encoding = TSampleEncoding::Float32;
    return f;
}

// A device that records only stereo at 48 kHz in floats, and a buffer that
// asks for 16 kHz mono 16-bit: the recording is converted when it stops.
TEST(AnswerAudio, StereoFloatAt48kBecomesMono16BitAt16kWithTheToneKept)
{
    const double pi = std::acos(-1.0);
    std::vector<float> stereo;
    for (int i = 0; i < 48000; ++i) { // one second of 440 Hz, left and right alike
        const float v = static_cast<float>(0.5 * std::sin(2 * pi * 440 * i / 48000.0));
        stereo.push_back(v);
        stereo.push_back(v);
    }
    const std::vector<std::int16_t> mono =
        Int16s(ConvertPcm(Floats(stereo), FloatFormat(48000, 2), PcmFormat(16000, 1, 16)));
    ASSERT_EQ(mono.size(), 16000u);
    int crossings = 0;
    int peak = 0;
    for (std::size_t i = 1; i < mono.size(); ++i) {
        crossings += (mono[i - 1] < 0) != (mono[i] < 0);
        peak = std::max(peak, std::abs(static_cast<int>(mono[i])));
    }
    EXPECT_NEAR(crossings, 880, 4);               // still 440 Hz
    EXPECT_NEAR(peak, 0.5 * 32768, 0.02 * 32768); // and as loud
}

TEST(AnswerAudio, ChannelsAreMixedDownOrCopied)
{
    // Left full, right silent: mono is the average.
    const std::vector<std::int16_t> down = Int16s(ConvertPcm(
        Floats({1.0f, 0.0f, -1.0f, 0.0f}), FloatFormat(8000, 2), PcmFormat(8000, 1, 16)));
    EXPECT_EQ(down, (std::vector<std::int16_t>{16384, -16384}));
    // Mono to stereo copies the channel.
    const std::string up = ConvertPcm(std::string("\x00\x40\x00\xC0", 4), PcmFormat(8000, 1, 16),
                                      PcmFormat(8000, 2, 16));
    EXPECT_EQ(Int16s(up), (std::vector<std::int16_t>{16384, 16384, -16384, -16384}));
}

TEST(AnswerAudio, SampleEncodingsMapFullScale)
{
    // 24-bit and 32-bit integers, unsigned 8-bit: half scale either way.
    const std::string int24("\x00\x00\x40\x00\x00\xC0", 6);
    EXPECT_EQ(Int16s(ConvertPcm(int24, PcmFormat(8000, 1, 24), PcmFormat(8000, 1, 16))),
              (std::vector<std::int16_t>{16384, -16384}));
    const std::string int32("\x00\x00\x00\x40\x00\x00\x00\xC0", 8);
    EXPECT_EQ(Int16s(ConvertPcm(int32, PcmFormat(8000, 1, 32), PcmFormat(8000, 1, 16))),
              (std::vector<std::int16_t>{16384, -16384}));
    EXPECT_EQ(
        ConvertPcm(std::string("\x80\xC0\x40", 3), PcmFormat(8000, 1, 8), PcmFormat(8000, 1, 8)),
        std::string("\x80\xC0\x40", 3));
    // Non-finite floats (a device's garbage) become silence, overloud ones are clipped.
    const float bad[] = {std::nanf(""), 4.0f};
    EXPECT_EQ(Int16s(ConvertPcm(std::string(reinterpret_cast<const char*>(bad), 8),
                                FloatFormat(8000, 1), PcmFormat(8000, 1, 16))),
              (std::vector<std::int16_t>{0, 32767}));
}

TEST(AnswerAudio, RaisingTheRateInterpolates)
{
    const std::vector<std::int16_t> up = Int16s(ConvertPcm(
        std::string("\x00\x00\x00\x40", 4), PcmFormat(8000, 1, 16), PcmFormat(16000, 1, 16)));
    EXPECT_EQ(up, (std::vector<std::int16_t>{0, 8192, 16384, 16384}));
}

TEST(AnswerAudio, UnsupportedFormatsAndPartialFramesGiveNothing)
{
    TWavFormat adpcm = PcmFormat(8000, 1, 16);
    adpcm.Encoding = TSampleEncoding::Unsupported;
    EXPECT_EQ(ConvertPcm("abcd", adpcm, PcmFormat(8000, 1, 16)), "");
    EXPECT_EQ(ConvertPcm("abcd", PcmFormat(8000, 1, 16), adpcm), "");
    EXPECT_EQ(ConvertPcm("a", PcmFormat(8000, 1, 16), PcmFormat(8000, 1, 16)), "");
}

} // namespace
} // namespace korvan

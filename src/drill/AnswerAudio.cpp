#include "drill/AnswerAudio.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace korvan {

namespace {

constexpr double MsPerDay = 86'400'000.0;
// Added to a sound's length before its wait is given up, in milliseconds.
constexpr std::int64_t WaitMarginMs = 2'000;

int BytesOf(TSampleEncoding e)
{
    switch (e) {
    case TSampleEncoding::UInt8:
        return 1;
    case TSampleEncoding::Int16:
        return 2;
    case TSampleEncoding::Int24:
        return 3;
    case TSampleEncoding::Int32:
    case TSampleEncoding::Float32:
        return 4;
    case TSampleEncoding::Unsupported:
        break;
    }
    return 0;
}

// One sample as -1..1.
float Decode(const unsigned char* p, TSampleEncoding e)
{
    switch (e) {
    case TSampleEncoding::UInt8:
        return (static_cast<int>(p[0]) - 128) / 128.0f;
    case TSampleEncoding::Int16:
        return static_cast<std::int16_t>(p[0] | p[1] << 8) / 32768.0f;
    case TSampleEncoding::Int24: {
        std::int32_t v = p[0] | p[1] << 8 | p[2] << 16;
        if (v & 0x800000)
            v -= 0x1000000;
        return static_cast<float>(v) / 8388608.0f;
    }
    case TSampleEncoding::Int32: {
        const std::uint32_t u = static_cast<std::uint32_t>(p[0]) | p[1] << 8 | p[2] << 16 |
                                static_cast<std::uint32_t>(p[3]) << 24;
        return static_cast<float>(static_cast<double>(static_cast<std::int32_t>(u)) / 2147483648.0);
    }
    case TSampleEncoding::Float32: {
        float f;
        std::memcpy(&f, p, 4); // little-endian hosts only, like the devices we feed
        return std::isfinite(f) ? std::clamp(f, -1.0f, 1.0f) : 0.0f;
    }
    case TSampleEncoding::Unsupported:
        break;
    }
    return 0.0f;
}

void Encode(float v, TSampleEncoding e, std::string& out)
{
    v = std::clamp(v, -1.0f, 1.0f);
    auto put = [&out](std::int64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    switch (e) {
    case TSampleEncoding::UInt8:
        put(std::clamp<std::int64_t>(std::lround(v * 128.0f) + 128, 0, 255), 1);
        break;
    case TSampleEncoding::Int16:
        put(std::clamp<std::int64_t>(std::lround(v * 32768.0f), -32768, 32767), 2);
        break;
    case TSampleEncoding::Int24:
        put(std::clamp<std::int64_t>(std::lround(v * 8388608.0f), -8388608, 8388607), 3);
        break;
    case TSampleEncoding::Int32:
        put(std::clamp<std::int64_t>(std::llround(v * 2147483648.0), -2147483648LL, 2147483647LL),
            4);
        break;
    case TSampleEncoding::Float32: {
        char bytes[4];
        std::memcpy(bytes, &v, 4);
        out.append(bytes, 4);
        break;
    }
    case TSampleEncoding::Unsupported:
        break;
    }
}

} // namespace

std::int64_t RecordedLengthMs(TDateTime recStart, TDateTime recStop)
{
    const double ms = std::round((recStop - recStart) * MsPerDay);
    if (!(ms > 0)) // also NaN
        return 0;
    return ms >= static_cast<double>(MaxRecordingMs) ? MaxRecordingMs
                                                     : static_cast<std::int64_t>(ms);
}

std::int64_t WaitBoundMs(std::int64_t durationMs)
{
    return std::max<std::int64_t>(durationMs, 0) + WaitMarginMs;
}

std::uint64_t FramesForMs(std::uint32_t sampleRate, std::int64_t ms)
{
    if (ms <= 0)
        return 0;
    return (static_cast<std::uint64_t>(ms) * sampleRate + 500) / 1000;
}

std::string FitPcmToLength(std::string_view pcm, const TWavFormat& format, std::int64_t ms)
{
    const std::uint64_t bytes = FramesForMs(format.SampleRate, ms) * format.BlockAlign;
    const std::size_t whole = pcm.size() - pcm.size() % std::max<std::size_t>(format.BlockAlign, 1);
    std::string out(pcm.substr(0, static_cast<std::size_t>(std::min<std::uint64_t>(bytes, whole))));
    const char silence = format.Encoding == TSampleEncoding::UInt8 ? char(0x80) : char(0);
    out.resize(static_cast<std::size_t>(bytes), silence);
    return out;
}

std::string ConvertPcm(std::string_view pcm, const TWavFormat& from, const TWavFormat& to)
{
    const int inBytes = BytesOf(from.Encoding);
    const int outBytes = BytesOf(to.Encoding);
    if (inBytes == 0 || outBytes == 0 || from.Channels == 0 || to.Channels == 0 ||
        from.SampleRate == 0 || to.SampleRate == 0)
        return {};
    const std::size_t inFrame = static_cast<std::size_t>(inBytes) * from.Channels;
    const std::size_t frames = pcm.size() / inFrame;
    const auto* base = reinterpret_cast<const unsigned char*>(pcm.data());

    // Channels first, at the input's rate, as floats.
    std::vector<float> mixed(frames * to.Channels);
    for (std::size_t i = 0; i < frames; ++i) {
        const unsigned char* frame = base + i * inFrame;
        if (to.Channels == 1) {
            float sum = 0;
            for (int c = 0; c < from.Channels; ++c)
                sum += Decode(frame + c * inBytes, from.Encoding);
            mixed[i] = sum / from.Channels;
        } else {
            for (int c = 0; c < to.Channels; ++c) {
                const int source = std::min(c, from.Channels - 1);
                mixed[i * to.Channels + c] = Decode(frame + source * inBytes, from.Encoding);
            }
        }
    }

    const std::size_t outFrames = static_cast<std::size_t>(static_cast<std::uint64_t>(frames) *
                                                           to.SampleRate / from.SampleRate);
    std::string out;
    out.reserve(outFrames * to.Channels * outBytes);
    const double step = static_cast<double>(from.SampleRate) / to.SampleRate; // input frames
    for (std::size_t i = 0; i < outFrames; ++i) {
        for (int c = 0; c < to.Channels; ++c) {
            float v;
            if (step > 1.0) {
                // Average the input frames this output frame stands for, so
                // that what is too high for the new rate does not fold back.
                const std::size_t first = static_cast<std::size_t>(i * step);
                const std::size_t last =
                    std::min(frames, std::max(first + 1, static_cast<std::size_t>((i + 1) * step)));
                double sum = 0;
                for (std::size_t k = first; k < last; ++k)
                    sum += mixed[k * to.Channels + c];
                v = static_cast<float>(sum / static_cast<double>(last - first));
            } else {
                const double at = i * step;
                const std::size_t k = static_cast<std::size_t>(at);
                const double frac = at - static_cast<double>(k);
                const float a = mixed[k * to.Channels + c];
                const float b = k + 1 < frames ? mixed[(k + 1) * to.Channels + c] : a;
                v = static_cast<float>(a + (b - a) * frac);
            }
            Encode(v, to.Encoding, out);
        }
    }
    return out;
}

} // namespace korvan

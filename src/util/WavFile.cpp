#include "util/WavFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "i18n/Marked.h"
#include "util/Text.h"

namespace korvan {

namespace {

// Formats are at most this large by their own definition (extensible: 40).
constexpr std::uint32_t MinFmtSize = 16;
constexpr std::uint16_t TagPcm = 1;
constexpr std::uint16_t TagFloat = 3;
constexpr std::uint16_t TagExtensible = 0xFFFE;
// Past these a header is taken for garbage rather than a format.
constexpr std::uint32_t MaxSampleRate = 1'000'000;
constexpr std::uint16_t MaxChannels = 32;

std::uint16_t Le16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

std::uint32_t Le32(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(Le16(b, at)) | static_cast<std::uint32_t>(Le16(b, at + 2))
                                                         << 16;
}

void PutLe16(std::string& out, std::uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void PutLe32(std::string& out, std::uint32_t v)
{
    PutLe16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    PutLe16(out, static_cast<std::uint16_t>(v >> 16));
}

TSampleEncoding EncodingOf(const TWavFormat& f)
{
    if (f.Channels == 0 || f.Channels > MaxChannels || f.SampleRate == 0 ||
        f.SampleRate > MaxSampleRate || f.BitsPerSample % 8 != 0 ||
        f.BlockAlign != f.Channels * (f.BitsPerSample / 8))
        return TSampleEncoding::Unsupported;
    if (f.FormatTag == TagFloat)
        return f.BitsPerSample == 32 ? TSampleEncoding::Float32 : TSampleEncoding::Unsupported;
    if (f.FormatTag != TagPcm)
        return TSampleEncoding::Unsupported;
    switch (f.BitsPerSample) {
    case 8:
        return TSampleEncoding::UInt8;
    case 16:
        return TSampleEncoding::Int16;
    case 24:
        return TSampleEncoding::Int24;
    case 32:
        return TSampleEncoding::Int32;
    default:
        return TSampleEncoding::Unsupported;
    }
}

TWavParse Fail(const char* utf8)
{
    TWavParse result;
    result.Error = ToCp1251(utf8);
    return result;
}

} // namespace

std::uint64_t TWavInfo::DurationMs() const
{
    const std::uint64_t perSecond = Format.BytesPerSecond();
    return perSecond == 0 ? 0 : DataBytes * 1000 / perSecond;
}

TWavParse ParseWav(std::string_view bytes, std::uint64_t fileSize)
{
    if (fileSize == 0)
        return Fail(KORVAN_MARK("SoundReason", "файл пуст"));
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return Fail(KORVAN_MARK("SoundReason", "файл не в формате WAV"));
    if (fileSize < bytes.size())
        fileSize = bytes.size();

    bool haveFmt = false;
    bool haveData = false;
    TWavInfo info;
    std::uint64_t dataEnd = 0; // in the file, clipped to its size
    std::uint64_t at = 12;
    // Every step moves `at` forward by at least 8, so this ends.
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t size = Le32(bytes, at + 4);
        const std::uint64_t body = at + 8;
        if (id == "fmt ") {
            if (size < MinFmtSize)
                return Fail(KORVAN_MARK("SoundReason", "заголовок формата слишком короток"));
            if (body + MinFmtSize > bytes.size())
                return Fail(KORVAN_MARK("SoundReason", "заголовок формата обрезан"));
            TWavFormat& f = info.Format;
            f.FormatTag = Le16(bytes, body);
            f.Channels = Le16(bytes, body + 2);
            f.SampleRate = Le32(bytes, body + 4);
            f.BlockAlign = Le16(bytes, body + 12);
            f.BitsPerSample = Le16(bytes, body + 14);
            // The extensible form names the real format in its sub-format's first two bytes.
            if (f.FormatTag == TagExtensible && size >= 40 && body + 26 <= bytes.size())
                f.FormatTag = Le16(bytes, body + 24);
            f.Encoding = EncodingOf(f);
            haveFmt = true;
        } else if (id == "data") {
            haveData = true;
            info.DataOffset = body;
            dataEnd = std::min<std::uint64_t>(body + size, fileSize);
            if (haveFmt)
                break; // the samples need not be among the bytes given
        }
        at = body + size + (size & 1); // chunks are padded to even sizes
    }
    if (!haveFmt)
        return Fail(KORVAN_MARK("SoundReason", "нет заголовка формата"));
    if (!haveData)
        return Fail(KORVAN_MARK("SoundReason", "нет звуковых данных"));

    TWavParse result;
    result.Ok = true;
    info.DataBytes = dataEnd > info.DataOffset ? dataEnd - info.DataOffset : 0;
    if (info.Format.BlockAlign > 0)
        info.DataBytes -= info.DataBytes % info.Format.BlockAlign;
    result.Info = info;
    return result;
}

TWavParse ReadWavFile(const std::string& path, std::string* bytesOut)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int error = errno;
        TWavParse result;
        result.Error = path + ": " + std::strerror(error);
        return result;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        TWavParse result;
        result.Error = path + ": read error";
        return result;
    }
    TWavParse parsed = ParseWav(bytes);
    if (bytesOut != nullptr)
        *bytesOut = std::move(bytes);
    return parsed;
}

std::string MakeWavHeader(const TWavFormat& format, std::uint32_t dataBytes)
{
    std::string out;
    out.reserve(44);
    out += "RIFF";
    PutLe32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    PutLe32(out, 16);
    PutLe16(out, format.FormatTag);
    PutLe16(out, format.Channels);
    PutLe32(out, format.SampleRate);
    PutLe32(out, format.BytesPerSecond());
    PutLe16(out, format.BlockAlign);
    PutLe16(out, format.BitsPerSample);
    out += "data";
    PutLe32(out, dataBytes);
    return out;
}

TWavFormat PcmFormat(std::uint32_t sampleRate, std::uint16_t channels, std::uint16_t bitsPerSample)
{
    TWavFormat f;
    f.FormatTag = TagPcm;
    f.Channels = channels;
    f.SampleRate = sampleRate;
    f.BitsPerSample = bitsPerSample;
    f.BlockAlign = static_cast<std::uint16_t>(channels * (bitsPerSample / 8));
    f.Encoding = EncodingOf(f);
    return f;
}

} // namespace korvan

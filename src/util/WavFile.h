#pragma once

// A small RIFF/WAVE reader: the format chunk and where the samples lie. It
// trusts nothing in the file: chunk sizes that run past the end, odd sizes
// without their pad byte, missing chunks and garbage all give an error text,
// never a read outside the bytes given.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvan {

enum class TSampleEncoding : std::uint8_t
{
    Unsupported, // anything the players cannot feed to a device as it stands
    UInt8,       // PCM, 8 bits, unsigned
    Int16,       // PCM, 16 bits, little-endian
    Int24,       // PCM, 24 bits packed, little-endian
    Int32,       // PCM, 32 bits, little-endian
    Float32,     // IEEE float, 32 bits
};

struct TWavFormat
{
    std::uint16_t FormatTag = 0; // 1 PCM, 3 IEEE float; WAVE_FORMAT_EXTENSIBLE resolved
    std::uint16_t Channels = 0;
    std::uint32_t SampleRate = 0; // frames per second
    std::uint16_t BitsPerSample = 0;
    std::uint16_t BlockAlign = 0; // bytes per frame
    TSampleEncoding Encoding = TSampleEncoding::Unsupported;

    std::uint32_t BytesPerSecond() const { return SampleRate * BlockAlign; }
};

struct TWavInfo
{
    TWavFormat Format;
    std::uint64_t DataOffset = 0; // of the first sample byte in the file
    // The sample bytes present, whole frames only: a header that promises more
    // than the file holds (a recording cut short) is believed as far as it goes.
    std::uint64_t DataBytes = 0;

    // The length of the samples, in milliseconds, rounded down.
    std::uint64_t DurationMs() const;
};

struct TWavParse
{
    bool Ok = false;
    std::string Error; // English, for the message that quotes it; empty when Ok
    TWavInfo Info;
};

// Parses the file's bytes (all of them, or at least its beginning up to the
// first sample byte: `fileSize` then tells how long the whole file is).
// A format the devices cannot take (compressed, 12-bit, 0 channels...) parses
// with Ok = true and Encoding = Unsupported, so callers can tell "not a WAV"
// from "a WAV we cannot play".
TWavParse ParseWav(std::string_view bytes, std::uint64_t fileSize);
inline TWavParse ParseWav(std::string_view bytes)
{
    return ParseWav(bytes, bytes.size());
}

// Reads and parses a whole file. A file that cannot be read gives Ok = false
// with the path and the system's reason.
TWavParse ReadWavFile(const std::string& path, std::string* bytes = nullptr);

// A canonical 44-byte header for `dataBytes` bytes of PCM in `format`.
std::string MakeWavHeader(const TWavFormat& format, std::uint32_t dataBytes);

// A format for integer PCM with the derived fields filled in.
TWavFormat PcmFormat(std::uint32_t sampleRate, std::uint16_t channels, std::uint16_t bitsPerSample);

} // namespace korvan

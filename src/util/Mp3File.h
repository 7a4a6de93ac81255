#pragma once

// MP3 recordings decoded in the process (libmpg123) to 16-bit PCM, so that they
// play through the same path as a WAV: at once, and with an exact end.

#include <string>

#include "util/WavFile.h"

namespace korvan {

struct TDecodedSound
{
    bool Ok = false;
    std::string Error; // 1251, for the message that quotes it; empty when Ok
    TWavFormat Format; // 16-bit PCM
    std::string Pcm;
};

// Reads and decodes a whole file. Anything that does not begin as an MP3 file
// does (an ID3 tag or a frame's sync word) is refused, however it is named.
TDecodedSound DecodeMp3File(const std::string& path);

} // namespace korvan

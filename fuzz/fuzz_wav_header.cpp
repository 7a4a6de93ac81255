// Any bytes as a WAV file: the reader never reads outside them, and what it
// accepts is consistent: the samples lie within the file, in whole frames,
// and a header given alone (with the file's size) tells the same samples. Accepted
// samples then go through the converter to the recording format and back.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "drill/AnswerAudio.h"
#include "util/WavFile.h"

using korvan::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace korvan;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TWavParse whole = ParseWav(bytes);
    Check(whole.Ok == whole.Error.empty(), "an error text exactly when refused");
    if (!whole.Ok)
        return 0;
    const TWavInfo& info = whole.Info;
    Check(info.DataOffset + info.DataBytes <= size, "samples within the file");
    if (info.Format.BlockAlign > 0)
        Check(info.DataBytes % info.Format.BlockAlign == 0, "whole frames");

    if (info.DataOffset <= size) {
        // (A format chunk after the samples is not in the header, so it may not read.)
        const TWavParse head = ParseWav(bytes.substr(0, info.DataOffset), size);
        Check(!head.Ok || (head.Info.DataOffset == info.DataOffset &&
                           head.Info.DataBytes == info.DataBytes),
              "the header alone tells the same samples");
    }

    if (info.Format.Encoding == TSampleEncoding::Unsupported || info.Format.SampleRate > 192000)
        return 0;
    // Keep each run short: a few thousand frames are enough to find a fault.
    const std::string_view samples =
        bytes.substr(info.DataOffset, std::min<std::uint64_t>(info.DataBytes, 1u << 14));
    const TWavFormat target = PcmFormat(16000, 1, 16);
    const std::string converted = ConvertPcm(samples, info.Format, target);
    const std::uint64_t frames = samples.size() / info.Format.BlockAlign;
    Check(converted.size() == frames * 16000 / info.Format.SampleRate * 2, "converted length");
    const std::string back = ConvertPcm(converted, target, info.Format);
    Check(back.size() % info.Format.BlockAlign == 0, "whole frames back");
    Check(FitPcmToLength(converted, target, 250).size() == 8000, "fitted length");
    return 0;
}

#pragma once

// The arithmetic of sounds and of the pupil's recorded answer, kept apart
// from the players so that it can be tested without a sound device.

#include <cstdint>
#include <string>
#include <string_view>

#include "util/DateTime.h"
#include "util/WavFile.h"

namespace korvan {

// An answer is recorded for one minute at most.
inline constexpr std::int64_t MaxRecordingMs = 60'000;

// The length of the recording between RecStart and RecStop, in milliseconds,
// to the nearest one, within 0..MaxRecordingMs.
std::int64_t RecordedLengthMs(TDateTime recStart, TDateTime recStop);

// How long a waited sound of `durationMs` may keep the drill waiting before it
// is taken as ended: a device that never reports the end must not hold the
// drill for ever. The margin covers the device's start and its buffer.
std::int64_t WaitBoundMs(std::int64_t durationMs);

// Frames that last `ms` milliseconds at `sampleRate`, to the nearest one.
std::uint64_t FramesForMs(std::uint32_t sampleRate, std::int64_t ms);

// Exactly `ms` milliseconds of `pcm` in `format`: cut, or padded with silence.
std::string FitPcmToLength(std::string_view pcm, const TWavFormat& format, std::int64_t ms);

// Converts interleaved samples between formats: the sample encoding, the
// channel count (mono to many copies the channel, many to mono averages them)
// and the rate (box-averaged when lowering it, linear when raising it). Both
// encodings must be supported ones; otherwise the result is empty. A trailing
// partial frame is dropped.
std::string ConvertPcm(std::string_view pcm, const TWavFormat& from, const TWavFormat& to);

} // namespace korvan

#pragma once

// A speech synthesizer as the sound service and the lesson tool see it: one
// sentence in, its samples out, rendered in the process so that a spoken
// sentence plays through the same path as a recording and its end is exact.

#include <cstdint>
#include <string>

#include "lesson/LessonSounds.h"

namespace korvan {

struct TSpeech
{
    bool Ok = false;
    std::string Error;            // 1251, why nothing was rendered; empty when Ok
    std::uint32_t SampleRate = 0; // of the samples, mono
    std::string Pcm;              // 16-bit little-endian samples
};

class ISpeechEngine
{
public:
    virtual ~ISpeechEngine() = default;
    // `text` is a lesson's sentence (1251). A text with nothing to say renders
    // no samples, Ok. Engines are not thread-safe: one engine, one thread.
    virtual TSpeech Render(const std::string& text, TLanguage language) = 0;
    // Sets up what the first Render would otherwise wait for.
    virtual void Warm() {}
};

} // namespace korvan

#pragma once

// A voice that renders one sentence into samples, for the editor's
// "synthesize" action. The speech engine is connected to it where the program
// is put together; without one the action is not offered.

#include <cstdint>
#include <string>

#include "lesson/LessonSounds.h"

namespace korvan {

struct TRenderedSentence
{
    bool Ok = false;
    std::string Error;            // 1251, why nothing was rendered; empty when Ok
    std::uint32_t SampleRate = 0; // of the samples, mono
    std::string Pcm;              // 16-bit little-endian samples
};

class ISentenceVoice
{
public:
    virtual ~ISentenceVoice() = default;
    // `text` is the sentence as the lesson file holds it (1251).
    virtual TRenderedSentence Render(const std::string& text, TLanguage language) = 0;
};

} // namespace korvan

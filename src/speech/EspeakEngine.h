#pragma once

// The synthesizer that is always there: libespeak-ng, rendering into memory.
// The library keeps its state in globals: every engine object shares it, and
// all must be used from one thread. It is set up on first use (or Warm) and
// lives until the process ends, since shutting it down and starting it again
// hangs the library.

#include <string>

#include "speech/SpeechEngine.h"

namespace korvan {

class TEspeakEngine : public ISpeechEngine
{
public:
    // eSpeak's names of the voice for each language ("ru", "en-gb", ...).
    explicit TEspeakEngine(std::string russianVoice = "ru", std::string englishVoice = "en-us");

    TSpeech Render(const std::string& text, TLanguage language) override;
    void Warm() override;

private:
    std::string FVoices[2]; // Russian, English
};

} // namespace korvan

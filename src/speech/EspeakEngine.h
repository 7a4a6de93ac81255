#pragma once

// The synthesizer that is always there: libespeak-ng, rendering into memory.
// The library keeps its state in globals: every engine object shares it, and
// all must be used from one thread. It is set up on first use (or Warm) and
// lives until the process ends, since shutting it down and starting it again
// hangs the library.

#include "speech/SpeechEngine.h"

namespace korvan {

class TEspeakEngine : public ISpeechEngine
{
public:
    TSpeech Render(const std::string& text, TLanguage language) override;
    void Warm() override;
};

} // namespace korvan

#pragma once

// The synthesizer that is always there: libespeak-ng, rendering into memory.
// The library keeps its state in globals, so there is one engine per process;
// it is set up on first use (or Warm) and shut down with the engine.

#include "speech/SpeechEngine.h"

namespace korvan {

class TEspeakEngine : public ISpeechEngine
{
public:
    TEspeakEngine() = default;
    ~TEspeakEngine() override;
    TEspeakEngine(const TEspeakEngine&) = delete;
    TEspeakEngine& operator=(const TEspeakEngine&) = delete;

    TSpeech Render(const std::string& text, TLanguage language) override;
    void Warm() override;

private:
    bool Start();

    int FSampleRate = 0; // 0 not started, -1 failed to start
    bool FHaveVoice = false;
    TLanguage FVoice = TLanguage::Russian;
};

} // namespace korvan

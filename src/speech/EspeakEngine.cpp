#include "speech/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

#include "i18n/Marked.h"
#include "speech/SpeechText.h"
#include "util/Text.h"

namespace korvan {

namespace {

int Collect(short* samples, int count, espeak_EVENT* events)
{
    if (samples == nullptr || count <= 0 || events == nullptr)
        return 0;
    auto* pcm = static_cast<std::string*>(events->user_data);
    if (pcm != nullptr)
        pcm->append(reinterpret_cast<const char*>(samples),
                    static_cast<std::size_t>(count) * sizeof(short));
    return 0; // go on
}

TSpeech Failed(const char* utf8, const std::string& name = {})
{
    TSpeech speech;
    speech.Error = ToCp1251(utf8);
    if (!name.empty())
        speech.Error += " \"" + name + "\"";
    return speech;
}

// The library's own state, shared by every engine object.
struct TEspeakState
{
    int SampleRate = 0; // 0 not started, -1 failed to start
    std::string Voice;  // set last; empty none

    bool Start()
    {
        if (SampleRate == 0) {
            SampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
            if (SampleRate <= 0)
                SampleRate = -1;
            else
                espeak_SetSynthCallback(Collect);
        }
        return SampleRate > 0;
    }

    bool SetVoice(const std::string& name)
    {
        if (Voice == name)
            return true;
        Voice = espeak_SetVoiceByName(name.c_str()) == EE_OK ? name : std::string();
        return !Voice.empty();
    }
};

TEspeakState& State()
{
    static TEspeakState state;
    return state;
}

} // namespace

TEspeakEngine::TEspeakEngine(std::string russianVoice, std::string englishVoice)
    : FVoices{std::move(russianVoice), std::move(englishVoice)}
{
}

void TEspeakEngine::Warm()
{
    if (State().Start())
        State().SetVoice(FVoices[0]);
}

TSpeech TEspeakEngine::Render(const std::string& text, TLanguage language)
{
    TEspeakState& state = State();
    if (!state.Start())
        return Failed(KORVAN_MARK("SoundReason",
                                  "синтезатор речи eSpeak NG не запускается (нет его данных?)"));
    const std::string& voice = FVoices[language == TLanguage::Russian ? 0 : 1];
    if (!state.SetVoice(voice))
        return Failed(KORVAN_MARK("SoundReason", "у синтезатора речи нет голоса"), voice);
    // eSpeak reads "+" aloud and ignores the acute; it honours "ё" as written.
    const std::string utf8 = StressMarksRemoved(Cp1251ToUtf8(text));
    TSpeech speech;
    speech.SampleRate = static_cast<std::uint32_t>(state.SampleRate);
    if (espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     &speech.Pcm) != EE_OK)
        return Failed(KORVAN_MARK("SoundReason", "синтезатор речи не смог прочесть предложение"));
    speech.Ok = true;
    return speech;
}

} // namespace korvan

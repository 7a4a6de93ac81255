#include "speech/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

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

TSpeech Failed(const char* utf8)
{
    TSpeech speech;
    speech.Error = ToCp1251(utf8);
    return speech;
}

} // namespace

TEspeakEngine::~TEspeakEngine()
{
    if (FSampleRate > 0)
        espeak_Terminate();
}

bool TEspeakEngine::Start()
{
    if (FSampleRate == 0) {
        FSampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (FSampleRate <= 0)
            FSampleRate = -1;
        else
            espeak_SetSynthCallback(Collect);
    }
    return FSampleRate > 0;
}

void TEspeakEngine::Warm()
{
    if (Start() && !FHaveVoice && espeak_SetVoiceByName("ru") == EE_OK) {
        FHaveVoice = true;
        FVoice = TLanguage::Russian;
    }
}

TSpeech TEspeakEngine::Render(const std::string& text, TLanguage language)
{
    if (!Start())
        return Failed("синтезатор речи eSpeak NG не запускается (нет его данных?)");
    if (!FHaveVoice || FVoice != language) {
        FHaveVoice = false;
        if (espeak_SetVoiceByName(language == TLanguage::Russian ? "ru" : "en-us") != EE_OK)
            return Failed(language == TLanguage::Russian
                              ? "у синтезатора речи нет русского голоса"
                              : "у синтезатора речи нет английского голоса");
        FHaveVoice = true;
        FVoice = language;
    }
    // eSpeak reads "+" aloud and ignores the acute; it honours "ё" as written.
    const std::string utf8 = StressMarksRemoved(Cp1251ToUtf8(text));
    TSpeech speech;
    speech.SampleRate = static_cast<std::uint32_t>(FSampleRate);
    if (espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     &speech.Pcm) != EE_OK)
        return Failed("синтезатор речи не смог прочесть предложение");
    speech.Ok = true;
    return speech;
}

} // namespace korvan

// The entry of the sound module: the table of what it makes, found by name.

#include "Recorder.h"
#include "SoundDevices.h"
#include "SoundPlayer.h"
#include "speech/EspeakEngine.h"

namespace {

std::unique_ptr<korvan::IWarmPlayer> MakePlayer(korvan::IWarmPlayer::TEnded ended)
{
    return std::make_unique<korvan::TQtMainPlayer>(std::move(ended));
}

std::unique_ptr<korvan::IRecordingDevice> MakeRecorder(std::function<void()> notify)
{
    return std::make_unique<korvan::TQtAnswerRecorder>(std::move(notify));
}

korvan::ISpeechEngine& Speech()
{
    static korvan::TEspeakEngine engine;
    return engine;
}

} // namespace

extern "C" __attribute__((visibility("default"))) const korvan::TSoundDevices* KorvanSoundDevices()
{
    static const korvan::TSoundDevices devices{MakePlayer, MakeRecorder, Speech};
    return &devices;
}

#pragma once

// The sound devices as the trainer and the lesson editor see them: the main
// player, the answer recorder and the speech engine. The sound module makes
// them (with Qt Multimedia, libmpg123 and libespeak-ng, which are large to
// load); the trainer loads it after its first paint, or when a sound is needed
// sooner.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "drill/SoundLogic.h"
#include "speech/SpeechEngine.h"
#include "util/WavFile.h"

namespace korvan {

// The main player MP.
class IWarmPlayer : public IMainPlayer
{
public:
    using TEnded =
        std::function<void(std::uint64_t id, TPlayFailure failure, const std::string& error)>;
    // Connects to the sound server and plays a moment of silence; not needed
    // before the first sound, which then starts at once.
    virtual void Warm() = 0;
};

// The recording player MPRec, with what the recording dialog shows.
class IRecordingDevice : public IAnswerRecorder
{
public:
    // The recording in the buffer's format, and that format.
    virtual const std::string& Recorded() const = 0;
    virtual const TWavFormat& RecordFormat() const = 0;
    // The format the device records in (differs when it is converted), and
    // what it has recorded so far in it (for a level meter).
    virtual const TWavFormat& CaptureFormat() const = 0;
    virtual const std::string& Captured() const = 0;
};

// What the module makes; all of it is used from the UI thread.
struct TSoundDevices
{
    // `ended` is called from the event loop when a sound ends or fails.
    std::unique_ptr<IWarmPlayer> (*MakePlayer)(IWarmPlayer::TEnded ended);
    // `notify` is MPRecNotify: called when a playback ends by itself.
    std::unique_ptr<IRecordingDevice> (*MakeRecorder)(std::function<void()> notify);
    // The one speech engine of the process: the synthesizer's state is global.
    ISpeechEngine& (*Speech)();
};

inline constexpr const char* SoundModuleName = "korvan-sound.so";
inline constexpr const char* SoundModuleEntry = "KorvanSoundDevices";
using TSoundModuleEntry = const TSoundDevices* (*)();

} // namespace korvan

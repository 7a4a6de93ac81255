#pragma once

// The sound module as the trainer reaches it: loaded once, when first needed,
// so that the window shows without Qt Multimedia and the synthesizer. When it
// cannot be loaded, the devices are silent: the player reports that there is
// no sound (once per run, as a missing device is), the recorder records
// nothing, the engine renders nothing.

#include <memory>

#include "sound/SoundDevices.h"

namespace korvan {

// Loads the module at the first call.
const TSoundDevices& SoundDevices();

// The main player, made at its first use (a Warm is one: the trainer warms it
// after its first paint).
class TDeferredPlayer : public IWarmPlayer
{
public:
    explicit TDeferredPlayer(TEnded ended) : FEnded(std::move(ended)) {}

    TPlayStart Play(const std::string& path, std::uint64_t id) override
    {
        return Real().Play(path, id);
    }
    TPlayStart PlayPcm(const TWavFormat& format, std::string pcm, std::uint64_t id) override
    {
        return Real().PlayPcm(format, std::move(pcm), id);
    }
    void Close() override;
    bool IsPlaying() const override { return FReal && FReal->IsPlaying(); }
    void Warm() override { Real().Warm(); }

private:
    IWarmPlayer& Real();

    TEnded FEnded;
    std::unique_ptr<IWarmPlayer> FReal;
};

// The answer recorder, made when a recording starts.
class TDeferredRecorder : public IRecordingDevice
{
public:
    explicit TDeferredRecorder(std::function<void()> notify) : FNotify(std::move(notify)) {}

    void StartRecording(const std::string& bufferPath) override;
    void StopRecording() override;
    bool IsRecording() const override { return FReal && FReal->IsRecording(); }
    void PlayRecording(std::int64_t ms) override;
    void StopPlayback() override;
    bool IsPlaying() const override { return FReal && FReal->IsPlaying(); }
    const std::string& Recorded() const override;
    const TWavFormat& RecordFormat() const override;
    const TWavFormat& CaptureFormat() const override;
    const std::string& Captured() const override;

private:
    std::function<void()> FNotify;
    std::unique_ptr<IRecordingDevice> FReal;
};

// The module's speech engine. A Warm before Prepare waits for it.
class TDeferredSpeech : public ISpeechEngine
{
public:
    TSpeech Render(const std::string& text, TLanguage language) override
    {
        return SoundDevices().Speech().Render(text, language);
    }
    void Warm() override;
    // After the first paint: loads the module and warms the engine if asked to.
    void Prepare();

private:
    bool FPrepared = false;
    bool FWarmWanted = false;
};

} // namespace korvan

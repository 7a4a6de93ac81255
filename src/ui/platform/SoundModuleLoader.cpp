#include "ui/platform/SoundModuleLoader.h"

#include <utility>

#include "i18n/Marked.h"
#include "i18n/Phrase.h"
#include "util/Module.h"
#include "util/Text.h"

namespace korvan {

namespace {

// Why there is no sound, for the player's failure (1251).
std::string& MissingReason()
{
    static std::string reason;
    return reason;
}

const TWavFormat& NoFormat()
{
    static const TWavFormat format;
    return format;
}

const std::string& NoSamples()
{
    static const std::string samples;
    return samples;
}

class TSilentPlayer : public IWarmPlayer
{
public:
    TPlayStart Play(const std::string&, std::uint64_t) override { return Failure(); }
    TPlayStart PlayPcm(const TWavFormat&, std::string, std::uint64_t) override { return Failure(); }
    void Close() override {}
    bool IsPlaying() const override { return false; }
    void Warm() override {}

private:
    static TPlayStart Failure() { return {TPlayFailure::NoDevice, MissingReason(), 0}; }
};

class TSilentRecorder : public IRecordingDevice
{
public:
    void StartRecording(const std::string&) override {}
    void StopRecording() override {}
    bool IsRecording() const override { return false; }
    void PlayRecording(std::int64_t) override {}
    void StopPlayback() override {}
    bool IsPlaying() const override { return false; }
    const std::string& Recorded() const override { return NoSamples(); }
    const TWavFormat& RecordFormat() const override { return NoFormat(); }
    const TWavFormat& CaptureFormat() const override { return NoFormat(); }
    const std::string& Captured() const override { return NoSamples(); }
};

class TSilentSpeech : public ISpeechEngine
{
public:
    TSpeech Render(const std::string&, TLanguage) override
    {
        return {false, MissingReason(), 0, {}};
    }
};

const TSoundDevices& SilentDevices()
{
    static const TSoundDevices devices{
        [](IWarmPlayer::TEnded) -> std::unique_ptr<IWarmPlayer> {
            return std::make_unique<TSilentPlayer>();
        },
        [](std::function<void()>) -> std::unique_ptr<IRecordingDevice> {
            return std::make_unique<TSilentRecorder>();
        },
        []() -> ISpeechEngine& {
            static TSilentSpeech speech;
            return speech;
        }};
    return devices;
}

const TSoundDevices& LoadDevices()
{
    static const TModule module(SoundModuleName);
    const auto entry = reinterpret_cast<TSoundModuleEntry>(module.Symbol(SoundModuleEntry));
    if (const TSoundDevices* devices = entry != nullptr ? entry() : nullptr)
        return *devices;
    MissingReason() = ToCp1251(FillPlaceholders(
        KORVAN_MARK("SoundReason", "звук недоступен, не загружается модуль звука (%1)"),
        {Cp1251ToUtf8(PathToCp1251(module.Error()))}));
    return SilentDevices();
}

} // namespace

const TSoundDevices& SoundDevices()
{
    static const TSoundDevices& devices = LoadDevices();
    return devices;
}

void TDeferredPlayer::Close()
{
    if (FReal)
        FReal->Close();
}

IWarmPlayer& TDeferredPlayer::Real()
{
    if (!FReal)
        FReal = SoundDevices().MakePlayer(FEnded);
    return *FReal;
}

void TDeferredRecorder::StartRecording(const std::string& bufferPath)
{
    if (!FReal)
        FReal = SoundDevices().MakeRecorder(FNotify);
    FReal->StartRecording(bufferPath);
}

void TDeferredRecorder::StopRecording()
{
    if (FReal)
        FReal->StopRecording();
}

void TDeferredRecorder::PlayRecording(std::int64_t ms)
{
    if (FReal)
        FReal->PlayRecording(ms);
}

void TDeferredRecorder::StopPlayback()
{
    if (FReal)
        FReal->StopPlayback();
}

const std::string& TDeferredRecorder::Recorded() const
{
    return FReal ? FReal->Recorded() : NoSamples();
}

const TWavFormat& TDeferredRecorder::RecordFormat() const
{
    return FReal ? FReal->RecordFormat() : NoFormat();
}

const TWavFormat& TDeferredRecorder::CaptureFormat() const
{
    return FReal ? FReal->CaptureFormat() : NoFormat();
}

const std::string& TDeferredRecorder::Captured() const
{
    return FReal ? FReal->Captured() : NoSamples();
}

void TDeferredSpeech::Warm()
{
    if (FPrepared)
        SoundDevices().Speech().Warm();
    else
        FWarmWanted = true;
}

void TDeferredSpeech::Prepare()
{
    FPrepared = true;
    SoundDevices();
    if (std::exchange(FWarmWanted, false))
        SoundDevices().Speech().Warm();
}

} // namespace korvan

#pragma once

// The recording player MPRec: records the pupil's answer from the system's
// default input into memory, in the format the header of Buffer.WAV fixes,
// and plays it back. A device that cannot record in that format records in
// its own, and the samples are converted when the recording stops. Every
// failure (no input, no Buffer.WAV, a broken header, a device error) is
// swallowed: there is then simply no recording.

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

#include "SoundDevices.h"

class QAudioSink;
class QAudioSource;
class QIODevice;

namespace korvan {

class TQtAnswerRecorder : public QObject, public IRecordingDevice
{
    Q_OBJECT
public:
    // `notify` is MPRecNotify: called when a playback ends by itself.
    explicit TQtAnswerRecorder(std::function<void()> notify, QObject* parent = nullptr);
    ~TQtAnswerRecorder() override;

    void StartRecording(const std::string& bufferPath) override;
    void StopRecording() override;
    bool IsRecording() const override { return FRecording; }
    void PlayRecording(std::int64_t ms) override;
    void StopPlayback() override;
    bool IsPlaying() const override { return FPlaying; }

    const std::string& Recorded() const override { return FRecorded; }
    const TWavFormat& RecordFormat() const override { return FTarget; }
    const TWavFormat& CaptureFormat() const override { return FCapture; }
    const std::string& Captured() const override { return FCaptured; }

private:
    void TakeSamples();
    void Discard();

    std::function<void()> FNotify;

    std::unique_ptr<QAudioSource> FSource;
    QIODevice* FInput = nullptr;     // owned by FSource
    TWavFormat FTarget;              // Buffer.WAV's format
    TWavFormat FCapture;             // the device's format
    std::string FCaptured;           // in FCapture
    std::string FRecorded;           // in FTarget
    std::uint64_t FCaptureLimit = 0; // bytes of one minute in FCapture
    bool FRecording = false;
    QTimer FMinute; // the recording ends by itself after one minute

    std::unique_ptr<QAudioSink> FSink;
    QByteArray FPlayPcm;
    QBuffer FPlayBuffer;
    bool FPlaying = false;
    std::uint64_t FPlayGeneration = 0; // tells a late end from the current playback's
};

} // namespace korvan

#pragma once

// The main player MP: plays one sentence sound or signal at a time on the
// default output. A PCM WAV is read and checked by our own reader, an MP3
// decoded in memory, a spoken sentence rendered there; all of them play
// through QAudioSink, which starts within a few milliseconds and tells exactly
// when the samples are out.

#include <QBuffer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

#include "SoundDevices.h"

class QAudioSink;

namespace korvan {

class TQtMainPlayer : public QObject, public IWarmPlayer
{
    Q_OBJECT
public:
    explicit TQtMainPlayer(TEnded ended, QObject* parent = nullptr);
    ~TQtMainPlayer() override;

    TPlayStart Play(const std::string& path, std::uint64_t id) override;
    TPlayStart PlayPcm(const TWavFormat& format, std::string pcm, std::uint64_t id) override;
    void Close() override;
    bool IsPlaying() const override { return FActiveId != 0; }
    void Warm() override;

private:
    TPlayStart PlayWav(const std::string& path, std::uint64_t id);
    // Reports the end of the active sound once, then forgets it.
    void Report(std::uint64_t id, TPlayFailure failure, const std::string& error);
    void SinkStateChanged();
    void ArmBound(std::int64_t durationMs);

    TEnded FEnded;
    std::uint64_t FActiveId = 0; // of the sound playing, 0 none

    std::unique_ptr<QAudioSink> FSink;
    QByteArray FPcm;
    QBuffer FBuffer;
    std::int64_t FDurationMs = 0;
    QElapsedTimer FStarted;
    QTimer FTail;  // from the last sample handed over to its being heard
    QTimer FBound; // a device that never reports the end

    // Silence played ahead of the first sound; the sink goes before its buffer.
    QByteArray FWarmPcm;
    QBuffer FWarmBuffer;
    std::unique_ptr<QAudioSink> FWarmSink;
};

} // namespace korvan

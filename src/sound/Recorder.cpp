#include "Recorder.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QAudioSource>
#include <QElapsedTimer>
#include <QMediaDevices>

#include <algorithm>

#include "SoundFormats.h"
#include "drill/AnswerAudio.h"

namespace korvan {

namespace {

constexpr qsizetype MinDeviceBuffer = 8192; // bytes; smaller ones stall some sound servers

qsizetype DeviceBuffer(const TWavFormat& format)
{
    return std::max<qsizetype>(MinDeviceBuffer, format.BytesPerSecond() / 10);
}

bool SameLayout(const TWavFormat& a, const TWavFormat& b)
{
    return a.Encoding == b.Encoding && a.Channels == b.Channels && a.SampleRate == b.SampleRate;
}

} // namespace

TQtAnswerRecorder::TQtAnswerRecorder(std::function<void()> notify, QObject* parent)
    : QObject(parent), FNotify(std::move(notify))
{
    FMinute.setSingleShot(true);
    connect(&FMinute, &QTimer::timeout, this, [this] { StopRecording(); });
}

TQtAnswerRecorder::~TQtAnswerRecorder()
{
    Discard();
}

void TQtAnswerRecorder::Discard()
{
    FMinute.stop();
    if (FSource) {
        FSource->disconnect(this);
        FSource->stop();
        FSource.reset();
    }
    FInput = nullptr;
    FRecording = false;
    FCaptured.clear();
    FRecorded.clear();
    StopPlayback();
}

void TQtAnswerRecorder::StartRecording(const std::string& bufferPath)
{
    Discard(); // the previous answer is gone
    FTarget = TWavFormat{};
    const TWavParse buffer = ReadWavFile(bufferPath);
    if (!buffer.Ok || buffer.Info.Format.Encoding == TSampleEncoding::Unsupported)
        return;
    // The system's default input now, not the one at start-up: a headset
    // plugged in between two questions is used.
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return;
    const TWavFormat capture = DeviceFormatFor(device, buffer.Info.Format);
    const QAudioFormat qtFormat = ToQtFormat(capture);
    if (!qtFormat.isValid() || capture.BlockAlign == 0)
        return;

    FSource = std::make_unique<QAudioSource>(device, qtFormat);
    FSource->setBufferSize(DeviceBuffer(capture));
    FInput = FSource->start();
    if (FInput == nullptr || FSource->error() != QAudio::NoError) {
        Discard();
        return;
    }
    FTarget = buffer.Info.Format;
    FCapture = capture;
    FCaptureLimit = FramesForMs(capture.SampleRate, MaxRecordingMs) * capture.BlockAlign;
    connect(FInput, &QIODevice::readyRead, this, [this] { TakeSamples(); });
    connect(FSource.get(), &QAudioSource::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && FSource && FSource->error() != QAudio::NoError)
            StopRecording(); // a device error keeps what came before it
    });
    FRecording = true;
    FMinute.start(static_cast<int>(MaxRecordingMs));
}

void TQtAnswerRecorder::TakeSamples()
{
    if (FInput == nullptr)
        return;
    const QByteArray data = FInput->readAll();
    const std::uint64_t room =
        FCaptureLimit > FCaptured.size() ? FCaptureLimit - FCaptured.size() : 0;
    FCaptured.append(data.constData(),
                     static_cast<std::size_t>(std::min<std::uint64_t>(room, data.size())));
    if (FCaptured.size() >= FCaptureLimit && FRecording)
        QMetaObject::invokeMethod(
            this, [this] { StopRecording(); }, Qt::QueuedConnection);
}

void TQtAnswerRecorder::StopRecording()
{
    if (!FRecording)
        return;
    TakeSamples();
    FRecording = false;
    FMinute.stop();
    FSource->disconnect(this);
    FSource->stop();
    FInput = nullptr;
    FRecorded = SameLayout(FCapture, FTarget) ? std::move(FCaptured)
                                              : ConvertPcm(FCaptured, FCapture, FTarget);
    FCaptured.clear();
}

void TQtAnswerRecorder::PlayRecording(std::int64_t ms)
{
    StopPlayback();
    if (FRecording)
        StopRecording();
    if (FTarget.Encoding == TSampleEncoding::Unsupported || ms <= 0)
        return; // nothing was recorded
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    const TWavFormat out = DeviceFormatFor(device, FTarget);
    const QAudioFormat qtFormat = ToQtFormat(out);
    if (!qtFormat.isValid())
        return;
    // Exactly the recorded length, in the device's format.
    const std::string pcm = FitPcmToLength(
        SameLayout(out, FTarget) ? FRecorded : ConvertPcm(FRecorded, FTarget, out), out, ms);
    FPlayPcm = QByteArray(pcm.data(), static_cast<qsizetype>(pcm.size()));

    FSink = std::make_unique<QAudioSink>(device, qtFormat);
    FSink->setBufferSize(DeviceBuffer(out));
    auto started = std::make_shared<QElapsedTimer>();
    connect(FSink.get(), &QAudioSink::stateChanged, this, [this, started, ms](QAudio::State state) {
        if (!FPlaying || !FSink)
            return;
        const bool drained = state == QAudio::IdleState && FPlayBuffer.atEnd();
        const bool failed = state == QAudio::StoppedState && FSink->error() != QAudio::NoError;
        if (!drained && !failed)
            return;
        // The last samples are heard once the length has passed since the start.
        const int tail =
            drained ? static_cast<int>(std::clamp<std::int64_t>(ms - started->elapsed(), 0, ms))
                    : 0;
        QTimer::singleShot(tail, this, [this, generation = FPlayGeneration] {
            if (!FPlaying || generation != FPlayGeneration)
                return;
            StopPlayback();
            if (FNotify)
                FNotify();
        });
    });
    FPlayBuffer.setBuffer(&FPlayPcm);
    FPlayBuffer.open(QIODevice::ReadOnly);
    ++FPlayGeneration;
    FPlaying = true;
    started->start();
    FSink->start(&FPlayBuffer);
    if (FSink->error() != QAudio::NoError)
        StopPlayback();
}

void TQtAnswerRecorder::StopPlayback()
{
    FPlaying = false;
    if (FSink) {
        FSink->disconnect(this);
        FSink->stop();
    }
    FPlayBuffer.close();
}

} // namespace korvan

#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <limits>

#include "SoundFormats.h"
#include "drill/AnswerAudio.h"
#include "i18n/Marked.h"
#include "i18n/Phrase.h"
#include "util/Mp3File.h"
#include "util/Text.h"

namespace korvan {

namespace {

// What the device is handed at a time: a tenth of a second, but never so
// little that the device starves (small buffers stall some sound servers).
constexpr qsizetype MinSinkBuffer = 8192; // bytes

bool IsMp3Name(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return tail == ".MP3";
}

std::string DeviceErrorText(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError:
        return ToCp1251(KORVAN_MARK("SoundReason", "устройство вывода звука не открывается"));
    case QAudio::IOError:
        return ToCp1251(KORVAN_MARK("SoundReason", "ошибка ввода-вывода при выводе звука"));
    case QAudio::UnderrunError:
        return ToCp1251(KORVAN_MARK("SoundReason", "звук не поступает на устройство вовремя"));
    case QAudio::FatalError:
        return ToCp1251(KORVAN_MARK("SoundReason", "устройство вывода звука отказало"));
    case QAudio::NoError:
        break;
    }
    return {};
}

} // namespace

TQtMainPlayer::TQtMainPlayer(TEnded ended, QObject* parent)
    : QObject(parent), FEnded(std::move(ended))
{
    FTail.setSingleShot(true);
    FBound.setSingleShot(true);
    FTail.setTimerType(Qt::PreciseTimer);
    connect(&FTail, &QTimer::timeout, this,
            [this] { Report(FActiveId, TPlayFailure::None, std::string()); });
    connect(&FBound, &QTimer::timeout, this, [this] {
        const std::uint64_t id = FActiveId;
        Close(); // the device never told its end: it is silenced and the sound taken as heard
        if (id != 0)
            FEnded(id, TPlayFailure::None, std::string());
    });
}

void TQtMainPlayer::Warm()
{
    // The first stream of a process takes the sound server a second or so to
    // set up; a moment of silence played ahead lets the first sentence start
    // at once.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || FActiveId != 0)
        return;
    const QAudioFormat format = device.preferredFormat();
    FWarmPcm = QByteArray(format.bytesForDuration(50'000), '\0');
    FWarmBuffer.setBuffer(&FWarmPcm);
    FWarmBuffer.open(QIODevice::ReadOnly);
    FWarmSink = std::make_unique<QAudioSink>(device, format);
    FWarmSink->start(&FWarmBuffer);
}

TQtMainPlayer::~TQtMainPlayer()
{
    FActiveId = 0;
    if (FSink)
        FSink->stop();
}

TPlayStart TQtMainPlayer::Play(const std::string& path, std::uint64_t id)
{
    Close();
    if (!IsMp3Name(path))
        return PlayWav(path, id);
    TDecodedSound mp3 = DecodeMp3File(path);
    if (!mp3.Ok)
        return {TPlayFailure::OpenFailed, mp3.Error, 0};
    return PlayPcm(mp3.Format, std::move(mp3.Pcm), id);
}

TPlayStart TQtMainPlayer::PlayWav(const std::string& path, std::uint64_t id)
{
    std::string bytes;
    const TWavParse wav = ReadWavFile(path, &bytes);
    if (!wav.Ok)
        return {TPlayFailure::OpenFailed, wav.Error, 0};
    const TWavFormat& format = wav.Info.Format;
    if (format.Encoding == TSampleEncoding::Unsupported)
        return {TPlayFailure::OpenFailed,
                ToCp1251(FillPlaceholders(
                    KORVAN_MARK("SoundReason", "неподдерживаемый формат звука (код %1, %2 бит)"),
                    {std::to_string(format.FormatTag), std::to_string(format.BitsPerSample)})),
                0};
    bytes.resize(static_cast<std::size_t>(wav.Info.DataOffset + wav.Info.DataBytes));
    bytes.erase(0, static_cast<std::size_t>(wav.Info.DataOffset));
    return PlayPcm(format, std::move(bytes), id);
}

TPlayStart TQtMainPlayer::PlayPcm(const TWavFormat& format, std::string pcm, std::uint64_t id)
{
    Close();
    FWarmSink.reset(); // its work is done: the server knows us
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return {TPlayFailure::NoDevice,
                ToCp1251(KORVAN_MARK("SoundReason", "нет устройства вывода звука")), 0};
    const TWavFormat out = DeviceFormatFor(device, format);
    const QAudioFormat qtFormat = ToQtFormat(out);
    if (!qtFormat.isValid())
        return {TPlayFailure::PlayFailed,
                ToCp1251(KORVAN_MARK("SoundReason", "устройство не принимает этот формат звука")),
                0};

    if (out.Encoding == format.Encoding && out.Channels == format.Channels &&
        out.SampleRate == format.SampleRate) {
        FPcm = QByteArray(pcm.data(), static_cast<qsizetype>(pcm.size()));
    } else {
        const std::string converted = ConvertPcm(pcm, format, out);
        FPcm = QByteArray(converted.data(), static_cast<qsizetype>(converted.size()));
    }
    const std::uint32_t perSecond = format.BytesPerSecond();
    FDurationMs = perSecond == 0 ? 0 : static_cast<std::int64_t>(pcm.size() * 1000 / perSecond);

    FSink = std::make_unique<QAudioSink>(device, qtFormat);
    FSink->setBufferSize(std::max<qsizetype>(MinSinkBuffer, out.BytesPerSecond() / 10));
    connect(FSink.get(), &QAudioSink::stateChanged, this, [this] { SinkStateChanged(); });
    FBuffer.setBuffer(&FPcm);
    FBuffer.open(QIODevice::ReadOnly);
    FActiveId = id;
    FStarted.start();
    FSink->start(&FBuffer);
    if (FSink->error() != QAudio::NoError) {
        const std::string error = DeviceErrorText(FSink->error());
        Close();
        return {TPlayFailure::PlayFailed, error, 0};
    }
    ArmBound(FDurationMs);
    if (FPcm.isEmpty())
        FTail.start(0); // a header without samples is a silent sound that ends at once
    return {TPlayFailure::None, std::string(), FDurationMs};
}

void TQtMainPlayer::SinkStateChanged()
{
    if (FActiveId == 0 || !FSink)
        return;
    const QAudio::State state = FSink->state();
    const QAudio::Error error = FSink->error();
    if (state == QAudio::IdleState && FBuffer.atEnd()) {
        // Every sample is with the device; the last of them are heard when the
        // sound's length has passed since its start.
        if (!FTail.isActive())
            FTail.start(static_cast<int>(
                std::clamp<std::int64_t>(FDurationMs - FStarted.elapsed(), 0, FDurationMs)));
    } else if (state == QAudio::StoppedState && error != QAudio::NoError) {
        Report(FActiveId, TPlayFailure::PlayFailed, DeviceErrorText(error));
    }
}

void TQtMainPlayer::ArmBound(std::int64_t durationMs)
{
    FBound.start(static_cast<int>(
        std::min<std::int64_t>(WaitBoundMs(durationMs), std::numeric_limits<int>::max())));
}

void TQtMainPlayer::Report(std::uint64_t id, TPlayFailure failure, const std::string& error)
{
    if (id == 0 || id != FActiveId)
        return;
    // Queued, so that no report comes from inside Play or Close.
    QMetaObject::invokeMethod(
        this,
        [this, id, failure, error] {
            if (id != FActiveId)
                return;
            Close();
            FEnded(id, failure, error);
        },
        Qt::QueuedConnection);
}

void TQtMainPlayer::Close()
{
    FActiveId = 0;
    FTail.stop();
    FBound.stop();
    if (FSink) {
        FSink->disconnect(this);
        FSink->stop();
    }
    FBuffer.close();
}

} // namespace korvan

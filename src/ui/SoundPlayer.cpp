#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include <algorithm>
#include <limits>

#include "Cp1251.h"
#include "SoundFormats.h"
#include "drill/AnswerAudio.h"
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

// An ID3 tag or an MPEG audio frame's sync word at the start: what every MP3
// file begins with. Anything else is no MP3, however it is named.
bool LooksLikeMp3(const QByteArray& head)
{
    if (head.startsWith("ID3"))
        return true;
    return head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
           (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0;
}

std::string DeviceErrorText(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError:
        return ToCp1251("устройство вывода звука не открывается");
    case QAudio::IOError:
        return ToCp1251("ошибка ввода-вывода при выводе звука");
    case QAudio::UnderrunError:
        return ToCp1251("звук не поступает на устройство вовремя");
    case QAudio::FatalError:
        return ToCp1251("устройство вывода звука отказало");
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
    // Connects to the sound server now rather than at the first sentence,
    // which would then start late.
    QMediaDevices::defaultAudioOutput();
}

TQtMainPlayer::~TQtMainPlayer()
{
    FActiveId = 0;
    if (FSink)
        FSink->stop();
    if (FMedia)
        FMedia->stop();
    FMedia.reset(); // before the output it plays to
}

TPlayStart TQtMainPlayer::Play(const std::string& path, std::uint64_t id)
{
    Close();
    return IsMp3Name(path) ? PlayMedia(path, id) : PlayWav(path, id);
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
                ToCp1251("неподдерживаемый формат звука (код ") + std::to_string(format.FormatTag) +
                    ", " + std::to_string(format.BitsPerSample) + ToCp1251(" бит)"),
                0};
    bytes.resize(static_cast<std::size_t>(wav.Info.DataOffset + wav.Info.DataBytes));
    bytes.erase(0, static_cast<std::size_t>(wav.Info.DataOffset));
    return PlayPcm(format, std::move(bytes), id);
}

TPlayStart TQtMainPlayer::PlayPcm(const TWavFormat& format, std::string pcm, std::uint64_t id)
{
    Close();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return {TPlayFailure::PlayFailed, ToCp1251("нет устройства вывода звука"), 0};
    const TWavFormat out = DeviceFormatFor(device, format);
    const QAudioFormat qtFormat = ToQtFormat(out);
    if (!qtFormat.isValid())
        return {TPlayFailure::PlayFailed, ToCp1251("устройство не принимает этот формат звука"), 0};

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

TPlayStart TQtMainPlayer::PlayMedia(const std::string& path, std::uint64_t id)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {TPlayFailure::OpenFailed, path + ": " + ToCp1251Text(file.errorString()), 0};
    const qint64 size = file.size();
    if (size == 0)
        return {TPlayFailure::OpenFailed, ToCp1251("файл пуст"), 0};
    if (!LooksLikeMp3(file.read(4)))
        return {TPlayFailure::OpenFailed, ToCp1251("файл не в формате MP3"), 0};
    file.close();

    if (!FMedia) {
        FMedia = std::make_unique<QMediaPlayer>();
        FMediaOutput = std::make_unique<QAudioOutput>();
        FMedia->setAudioOutput(FMediaOutput.get());
        connect(FMedia.get(), &QMediaPlayer::mediaStatusChanged, this,
                [this](QMediaPlayer::MediaStatus status) {
                    if (status == QMediaPlayer::EndOfMedia)
                        Report(FActiveId, TPlayFailure::None, std::string());
                    else if (status == QMediaPlayer::InvalidMedia)
                        Report(FActiveId, TPlayFailure::OpenFailed,
                               ToCp1251Text(FMedia->errorString()));
                });
        connect(FMedia.get(), &QMediaPlayer::errorOccurred, this,
                [this](QMediaPlayer::Error, const QString& text) {
                    Report(FActiveId, TPlayFailure::OpenFailed, ToCp1251Text(text));
                });
        connect(FMedia.get(), &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
            if (FActiveId != 0 && ms > 0)
                ArmBound(ms);
        });
    }
    FActiveId = id;
    FMedia->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    FMedia->play();
    // Until the decoder tells, the length is taken at its longest: a byte a
    // millisecond is the lowest rate an MP3 is made with (8 kbit/s).
    FDurationMs = size;
    ArmBound(FDurationMs);
    return {TPlayFailure::None, std::string(), FDurationMs};
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
    if (FMedia && FMedia->playbackState() != QMediaPlayer::StoppedState)
        FMedia->stop();
}

} // namespace korvan

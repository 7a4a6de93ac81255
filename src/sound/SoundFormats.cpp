#include "SoundFormats.h"

#include <QAudioDevice>

#include <algorithm>

namespace korvan {

QAudioFormat ToQtFormat(const TWavFormat& format)
{
    QAudioFormat qt;
    switch (format.Encoding) {
    case TSampleEncoding::UInt8:
        qt.setSampleFormat(QAudioFormat::UInt8);
        break;
    case TSampleEncoding::Int16:
        qt.setSampleFormat(QAudioFormat::Int16);
        break;
    case TSampleEncoding::Int32:
        qt.setSampleFormat(QAudioFormat::Int32);
        break;
    case TSampleEncoding::Float32:
        qt.setSampleFormat(QAudioFormat::Float);
        break;
    case TSampleEncoding::Int24:
    case TSampleEncoding::Unsupported:
        return {};
    }
    qt.setSampleRate(static_cast<int>(format.SampleRate));
    qt.setChannelCount(format.Channels);
    return qt;
}

TWavFormat FromQtFormat(const QAudioFormat& format)
{
    const auto rate = static_cast<std::uint32_t>(std::max(format.sampleRate(), 0));
    const auto channels = static_cast<std::uint16_t>(std::max(format.channelCount(), 0));
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        return PcmFormat(rate, channels, 8);
    case QAudioFormat::Int16:
        return PcmFormat(rate, channels, 16);
    case QAudioFormat::Int32:
        return PcmFormat(rate, channels, 32);
    case QAudioFormat::Float: {
        TWavFormat f = PcmFormat(rate, channels, 32);
        f.FormatTag = 3;
        f.Encoding = TSampleEncoding::Float32;
        return f;
    }
    default:
        return {};
    }
}

TWavFormat DeviceFormatFor(const QAudioDevice& device, const TWavFormat& wanted)
{
    TWavFormat asked = wanted;
    if (asked.Encoding == TSampleEncoding::Int24)
        asked = PcmFormat(wanted.SampleRate, wanted.Channels, 32);
    const QAudioFormat qt = ToQtFormat(asked);
    if (qt.isValid() && device.isFormatSupported(qt))
        return asked;
    return FromQtFormat(device.preferredFormat());
}

} // namespace korvan

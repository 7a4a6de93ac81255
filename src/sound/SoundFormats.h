#pragma once

// Between the WAV formats of the core and Qt Multimedia's audio formats.

#include <QAudioFormat>

#include <string>

#include "util/WavFile.h"

class QAudioDevice;

namespace korvan {

// The Qt format of a WAV format; invalid when Qt has no such sample format.
QAudioFormat ToQtFormat(const TWavFormat& format);
// The WAV format of a Qt format (Unsupported encoding when it has none).
TWavFormat FromQtFormat(const QAudioFormat& format);

// The format to hand `device` for samples in `wanted`: `wanted` itself when
// the device takes it, else the device's own preferred format (24-bit samples,
// which Qt has no name for, go as 32-bit).
TWavFormat DeviceFormatFor(const QAudioDevice& device, const TWavFormat& wanted);

} // namespace korvan

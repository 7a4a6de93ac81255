#pragma once

// Fonts the program's windows name: Windows faces mapped onto installed ones,
// and the phonetic face shipped in the program folder.

#include <QFont>
#include <QString>

#include <thread>

namespace korvan {

struct TSkinCfg;

// Fontconfig reads its configuration and caches at its first use, the longest
// single step before the first paint. Made before the application object, this
// starts it on a thread of its own while the application connects to the
// display; Wait before the first font is used.
class TFontconfigStart
{
public:
    TFontconfigStart();
    ~TFontconfigStart() { Wait(); }
    TFontconfigStart(const TFontconfigStart&) = delete;
    TFontconfigStart& operator=(const TFontconfigStart&) = delete;
    void Wait();

private:
    std::thread Thread;
};

// The transcription pane's face, from fonts/PhoneticTM.ttf.
inline const QString PhoneticFamily = QStringLiteral("PhoneticTM");

// "Arial", "Tahoma" and "MS Sans Serif" are drawn with Liberation Sans or
// DejaVu Sans (Debian's fonts-liberation, fonts-dejavu-core), which hold
// Cyrillic. Call once after the application object exists.
void InstallFontSubstitutes();

// The face that draws `face`: itself when it is installed, else the first of
// its substitutes that is. Qt would find the same, but only after searching
// the fallbacks of a face that is not there, once per script, which costs more
// than the rest of a font's loading. The settings keep the name they hold.
QString InstalledFace(const QString& face);

// Registers programFolder + "fonts/PhoneticTM.ttf". False when the file is
// missing or unreadable; the transcription then shows the SAMPA characters as
// they are.
bool LoadPhoneticFont(const QString& programFolder);

// The dialogs are placed by pixel, so each fixes its own font: the design face
// "MS Sans Serif" (a substitute) at 9 points, small enough for the longest
// caption.
QFont DialogFont();

// The pane font of the appearance settings: face, size in points and the three
// style flags. Qt has no character sets, so FontCharset does not enter it. A
// size outside 1..400 points is drawn at the nearest bound.
QFont SkinFont(const TSkinCfg& cfg);

} // namespace korvan

#include "ui/platform/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <atomic>

namespace korvan {

namespace {

// Qt reaches the code page through ICU; a build without it cannot run the
// program's texts at all, so that is checked once, loudly.
constexpr const char* CodePage = "windows-1251";

std::atomic<std::size_t> Lost{0};

} // namespace

QString FromCp1251(const std::string& text)
{
    QStringDecoder decoder(CodePage);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToCp1251Text(const QString& text)
{
    QStringEncoder encoder(CodePage);
    Q_ASSERT(encoder.isValid());
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes.toStdString();

    // Some character has no 1251 byte: convert one code point at a time so
    // each such character becomes a single '?'.
    std::string result;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        QStringEncoder one(CodePage);
        const QByteArray piece = one.encode(QStringView(text).mid(i, length));
        if (one.hasError() || piece.isEmpty()) {
            result += '?';
            ++Lost;
        } else
            result += piece.toStdString();
        i += length;
    }
    return result;
}

std::size_t Cp1251LostCharacters()
{
    return Lost;
}

} // namespace korvan

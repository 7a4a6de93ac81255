#include "ui/platform/Fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "settings/SkinCfg.h"
#include "ui/platform/Cp1251.h"

namespace korvan {

// The library is thread-safe; Qt's own first call then finds it started.
TFontconfigStart::TFontconfigStart() : Thread([] { FcInit(); }) {}

void TFontconfigStart::Wait()
{
    if (Thread.joinable())
        Thread.join();
}

void InstallFontSubstitutes()
{
    // Liberation Sans has Arial's metrics; Tahoma and MS Sans Serif have no
    // free twin, DejaVu Sans is the closer look for Tahoma.
    const QStringList arialLike{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList tahomaLike{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    QFont::insertSubstitutions(QStringLiteral("Arial"), arialLike);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), arialLike);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), tahomaLike);
}

QString InstalledFace(const QString& face)
{
    static QHash<QString, QString> known;
    if (const auto found = known.constFind(face); found != known.cend())
        return *found;
    // The program's own faces are registered before the first call.
    static const QStringList installed = QFontDatabase::families();
    QString drawn = face;
    if (!installed.contains(face, Qt::CaseInsensitive))
        for (const QString& substitute : QFont::substitutes(face))
            if (installed.contains(substitute, Qt::CaseInsensitive)) {
                drawn = substitute;
                break;
            }
    known.insert(face, drawn);
    return drawn;
}

bool LoadPhoneticFont(const QString& programFolder)
{
    const int id =
        QFontDatabase::addApplicationFont(programFolder + QStringLiteral("fonts/PhoneticTM.ttf"));
    return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(PhoneticFamily);
}

QFont DialogFont()
{
    QFont font(InstalledFace(QStringLiteral("MS Sans Serif")));
    font.setPointSize(9);
    return font;
}

QFont SkinFont(const TSkinCfg& cfg)
{
    QFont font(FromCp1251(cfg.FontName));
    font.setPointSize(std::clamp(cfg.FontSize, 1, 400));
    font.setBold(cfg.FontBold);
    font.setItalic(cfg.FontItalic);
    font.setUnderline(cfg.FontUnderline);
    return font;
}

} // namespace korvan

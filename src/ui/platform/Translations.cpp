#include "ui/platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <vector>

namespace korvan {

namespace {

std::vector<QPointer<QTranslator>>& Translators()
{
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

TUiLanguage& Installed()
{
    static TUiLanguage language = TUiLanguage::Russian;
    return language;
}

// A missing catalogue (Qt's translations not installed) leaves those texts
// in English; the program runs on.
void Install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder)) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    Translators().emplace_back(translator);
}

std::string TranslateByQt(const char* context, const char* source,
                          std::optional<std::int64_t> count)
{
    return QCoreApplication::translate(context, source, nullptr,
                                       count ? static_cast<int>(*count) : -1)
        .toStdString();
}

} // namespace

void InstallTranslations(TUiLanguage language)
{
    for (const QPointer<QTranslator>& translator : Translators())
        delete translator.data();
    Translators().clear();
    Installed() = language;
    // Qt's texts are English in its sources; "qt_ru" names qtbase and
    // qtmultimedia, the two modules whose texts we show. Ours are Russian in
    // theirs, so English needs our catalogue (src/i18n/korvan_en.ts) and
    // Russian only the plural forms of counted texts (korvan_ru.ts).
    if (language == TUiLanguage::Russian) {
        Install(QStringLiteral("qt_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        Install(QStringLiteral("korvan_ru"), QStringLiteral(":/i18n"));
    } else {
        Install(QStringLiteral("korvan_en"), QStringLiteral(":/i18n"));
    }
}

QString Shown(const TShownText& text)
{
    return QString::fromStdString(Render(text, TranslateByQt));
}

QString Shown(const TPhrase& phrase)
{
    return QString::fromStdString(Render(phrase, TranslateByQt));
}

QString SoundReason(const std::string& cp1251)
{
    return Shown(TPhrase{nullptr, nullptr, {ReasonArg("SoundReason", cp1251)}, std::nullopt});
}

TUiLanguage InstalledLanguage()
{
    return Installed();
}

} // namespace korvan

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>
#include <QtTest>

#include "settings/SkinCfg.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/Fonts.h"
#include "util/Text.h"

using namespace korvan;

namespace {

const QString ShippedFolder = QStringLiteral(KORVAN_SHIPPED_DATA "/program/");
const QString PhoneticFile = ShippedFolder + QStringLiteral("fonts/PhoneticTM.ttf");
const QString DejaVuFile = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");

QPainterPath GlyphPath(const QRawFont& font, const QString& text)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    if (glyphs.size() != 1 || glyphs.first() == 0)
        return {};
    return font.pathForGlyph(glyphs.first());
}

} // namespace

class FontsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InstallFontSubstitutes();
        QVERIFY(LoadPhoneticFont(ShippedFolder));
    }

    void windowsFacesHaveCyrillicSubstitutes_data()
    {
        QTest::addColumn<QString>("face");
        QTest::newRow("Arial") << QStringLiteral("Arial");
        QTest::newRow("Tahoma") << QStringLiteral("Tahoma");
        QTest::newRow("MS Sans Serif") << QStringLiteral("MS Sans Serif");
    }
    void windowsFacesHaveCyrillicSubstitutes()
    {
        QFETCH(QString, face);
        QVERIFY(!QFont::substitutes(face).isEmpty());
        const QString drawn = QFontInfo(QFont(face)).family();
        QVERIFY2(QFontDatabase::writingSystems(drawn).contains(QFontDatabase::Cyrillic),
                 qPrintable(drawn));
    }

    void phoneticFamilyIsRegistered()
    {
        QVERIFY(QFontDatabase::families().contains(PhoneticFamily));
        QCOMPARE(QFontInfo(QFont(PhoneticFamily)).family(), PhoneticFamily);
    }

    // The SAMPA characters have the IPA glyphs; other ASCII stays as it was.
    void sampaCharactersShowIpa_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("looksLike");
        const char* const pairs[][2] = {{"'", "ˈ"}, {":", "ː"}, {"@", "ə"}, {"{", "æ"}, {"3", "ɜ"},
                                        {"A", "ɑ"}, {"O", "ɔ"}, {"Q", "ɒ"}, {"V", "ʌ"}, {"I", "ɪ"},
                                        {"U", "ʊ"}, {"S", "ʃ"}, {"Z", "ʒ"}, {"T", "θ"}, {"D", "ð"},
                                        {"N", "ŋ"}, {"a", "a"}, {"b", "b"}, {"[", "["}, {"]", "]"},
                                        {"e", "e"}, {"B", "B"}, {"4", "4"}};
        for (const auto& pair : pairs)
            QTest::newRow(pair[0]) << QString::fromUtf8(pair[0]) << QString::fromUtf8(pair[1]);
    }
    void sampaCharactersShowIpa()
    {
        QFETCH(QString, shown);
        QFETCH(QString, looksLike);
        if (!QFile::exists(DejaVuFile))
            QSKIP("DejaVu Sans is not installed");
        const QRawFont phonetic(PhoneticFile, 40);
        const QRawFont dejaVu(DejaVuFile, 40);
        QVERIFY(phonetic.isValid() && dejaVu.isValid());
        const QPainterPath got = GlyphPath(phonetic, shown);
        QVERIFY(!got.isEmpty());
        QCOMPARE(got, GlyphPath(dejaVu, looksLike));
    }

    void phoneticFontHoldsAsciiOnly()
    {
        const QRawFont phonetic(PhoneticFile, 20);
        QVERIFY(phonetic.supportsCharacter(QChar(u'~')));
        QVERIFY(!phonetic.supportsCharacter(QChar(u'я')));
        QVERIFY(!phonetic.supportsCharacter(QChar(0x0259)));
    }

    void skinFontFromSettings()
    {
        TSkinCfg cfg;
        cfg.FontName = ToCp1251("Тестовый");
        cfg.FontSize = 0; // hand-edited nonsense
        cfg.FontItalic = true;
        QFont f = SkinFont(cfg);
        QCOMPARE(f.family(), QString::fromUtf8("Тестовый"));
        QCOMPARE(f.pointSize(), 1);
        QVERIFY(f.italic() && !f.bold() && !f.underline());
        cfg.FontSize = 100000;
        QCOMPARE(SkinFont(cfg).pointSize(), 400);
    }

    void cp1251RoundTrip()
    {
        std::string all;
        for (int b = 1; b < 256; ++b)
            if (b != 0x98)
                all += static_cast<char>(b);
        const QString text = FromCp1251(all);
        QCOMPARE(text.size(), qsizetype(all.size()));
        QCOMPARE(ToCp1251Text(text), all);
        QCOMPARE(FromCp1251(ToCp1251("Ёлка №1")), QString::fromUtf8("Ёлка №1"));
    }

    void unconvertibleCharactersBecomeQuestionMarks()
    {
        QCOMPARE(ToCp1251Text(QString::fromUtf8("aəб😀c")),
                 std::string("a?") + ToCp1251("б") + "?c");
    }
};

QTEST_MAIN(FontsTest)
#include "FontsTest.moc"

#include <QtTest>

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

#include "ui/platform/Translations.h"

using namespace korvan;

namespace {

QString LookInCaption()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    return label ? label->text() : QString();
}

QString CancelButtonText()
{
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(),
                    QMessageBox::Ok | QMessageBox::Cancel);
    return box.button(QMessageBox::Cancel)->text();
}

QStringList TextFieldMenu()
{
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    return captions;
}

} // namespace

// Qt's own texts follow the interface: the file dialog, the message box's
// buttons and the menu of a text field.
class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void qtTexts_data()
    {
        QTest::addColumn<TUiLanguage>("language");
        QTest::addColumn<QString>("lookIn");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("copy");
        QTest::newRow("Russian") << TUiLanguage::Russian << QString::fromUtf8("Перейти к:")
                                 << QString::fromUtf8("Отмена") << QString::fromUtf8("&Копировать");
        // Installed after Russian: the Russian catalogues are gone again.
        QTest::newRow("English") << TUiLanguage::English << QStringLiteral("Look in:")
                                 << QStringLiteral("Cancel") << QStringLiteral("&Copy");
    }

    void qtTexts()
    {
        QFETCH(TUiLanguage, language);
        QFETCH(QString, lookIn);
        QFETCH(QString, cancel);
        QFETCH(QString, copy);
        InstallTranslations(language);
        QCOMPARE(LookInCaption(), lookIn);
        QCOMPARE(CancelButtonText(), cancel);
        const QStringList menu = TextFieldMenu();
        QVERIFY2(menu.contains(copy), qPrintable(menu.join(QLatin1Char('|'))));
    }

    // A counted text takes the plural form of the installed language, as the
    // tools' compiled catalogues give it (tests/i18n/CatalogueTest.cpp).
    void countedText_data()
    {
        QTest::addColumn<TUiLanguage>("language");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, TUiLanguage language, int count, const char* shown) {
            QTest::newRow(name) << language << count << QString::fromUtf8(shown);
        };
        row("ru 1", TUiLanguage::Russian, 1, "Под номером 7 — 1 вопрос.\n");
        row("ru 2", TUiLanguage::Russian, 2,
            "Под номером 7 — 2 вопроса; у них одна пара записей.\n");
        row("ru 5", TUiLanguage::Russian, 5,
            "Под номером 7 — 5 вопросов; у них одна пара записей.\n");
        row("ru 11", TUiLanguage::Russian, 11,
            "Под номером 7 — 11 вопросов; у них одна пара записей.\n");
        row("ru 21", TUiLanguage::Russian, 21, "Под номером 7 — 21 вопрос.\n");
        row("en 1", TUiLanguage::English, 1, "The number 7 is used by 1 question.\n");
        row("en 2", TUiLanguage::English, 2,
            "The number 7 is used by 2 questions; they share one pair of recordings.\n");
    }

    void countedText()
    {
        QFETCH(TUiLanguage, language);
        QFETCH(int, count);
        QFETCH(QString, shown);
        InstallTranslations(language);
        QCOMPARE(
            Shown(Counted("LessonCheck", "Под номером %1 — %n вопросов; у них одна пара записей.\n",
                          count, {NumberArg(7)})),
            shown);
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"

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
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#include "settings/SkinCfg.h"
#include "ui/dialogs/SkinDialog.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

using namespace korvan;

namespace {

// Every field away from its default.
TSkinCfg Stored()
{
    TSkinCfg c;
    c.FontName = "Courier New";
    c.FontSize = 14;
    c.FontBold = true;
    c.FontItalic = true;
    c.FontUnderline = true;
    c.FontCharset = 238; // no Qt font carries it: it must pass through untouched
    TColor colour = RgbColor(10, 20, 30);
    for (TColor* field :
         {&c.ColorInfo, &c.Color1, &c.Color2, &c.Color3, &c.ColorTranscription, &c.ColorInput,
          &c.ColorHelpMsg, &c.BackColorInfo, &c.BackColor1, &c.BackColor2, &c.BackColor3,
          &c.BackColorTranscription, &c.BackColorInput, &c.BackColorHelpMsg})
        *field = colour += 0x010101;
    c.ShowHelpMsg = false;
    c.AskAtStartupUseTextInput = false;
    c.UseEscapeForExit = true;
    return c;
}

template <typename W> W* Find(QWidget& dialog, const char* name)
{
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr)
        qFatal("no control %s", name);
    return w;
}

QColor CaptionColour(QWidget& dialog, const char* name)
{
    return Find<QPushButton>(dialog, name)->palette().color(QPalette::ButtonText);
}

// Runs Execute with `actions` performed once the dialog is up; the actions end
// with a click on "Да" or "Отмена". A dialog still open after 5 s is cancelled
// so a broken test fails instead of hanging.
bool ExecuteWith(TFSkin& dialog, const std::function<void()>& actions)
{
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(dialog.isVisible());
        actions();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
        qWarning("dialog left open");
        dialog.reject();
    });
    guard.start(5000);
    return dialog.Execute();
}

void Click(QWidget& dialog, const char* name)
{
    QTest::mouseClick(Find<QPushButton>(dialog, name), Qt::LeftButton);
}

} // namespace

class SkinDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Folder;
    QString SkinIni() const { return Folder->filePath(QStringLiteral("Skin.ini")); }
    void StoreSettings(const TSkinCfg& cfg) const { SaveSkinCfg(cfg, SkinIni().toStdString()); }

private slots:
    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        SetProgramFolder(Folder->path().toStdString());
    }

    void defaultsWithoutSkinIni()
    {
        TFSkin dialog;
        QCOMPARE(dialog.Settings(), TSkinCfg{});
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Внешний вид программы"));
        QCOMPARE(dialog.size(), QSize(352, 504));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());

        const QFont font = Find<QPushButton>(dialog, "BFont")->font();
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(font.pointSize(), 20);
        QVERIFY(!font.bold() && !font.italic() && !font.underline());
        QCOMPARE(CaptionColour(dialog, "BColor2"), QColor(0, 0, 0));
        QCOMPARE(Find<TColorShape>(dialog, "SBackColor2")->Color(), QColor(243, 244, 240));
        QCOMPARE(Find<TColorShape>(dialog, "SBackColorHelpMsg")->Color(), QColor(189, 201, 219));
        QVERIFY(Find<QCheckBox>(dialog, "CBShowHelpMsg")->isChecked());
        QVERIFY(Find<QCheckBox>(dialog, "CBAskAtStartupUseTextInput")->isChecked());
        QVERIFY(!Find<QCheckBox>(dialog, "CBUseEscapeForExit")->isChecked());
    }

    void controlsCarryTheirNames()
    {
        TFSkin dialog;
        QStringList names{
            "BFont", "CBShowHelpMsg", "CBAskAtStartupUseTextInput", "CBUseEscapeForExit",
            "BOk",   "BCancel"};
        for (const char* row : {"Info", "1", "2", "3", "Transcription", "Input", "HelpMsg"})
            for (const char* kind : {"BColor", "BBackColor", "SBackColor"})
                names << QString::fromLatin1(kind) + QString::fromLatin1(row);
        for (const QString& name : names) {
            QWidget* w = dialog.findChild<QWidget*>(name);
            QVERIFY2(w != nullptr, qPrintable(name));
            QCOMPARE(w->accessibleName(), name);
        }
        QLabel* label = Find<QLabel>(dialog, "Label1");
        QCOMPARE(label->accessibleName(), QString::fromUtf8("Цвета:"));
        QCOMPARE(label->accessibleDescription(), QStringLiteral("Label1"));
        QCOMPARE(Find<QPushButton>(dialog, "BColorInfo")->text(),
                 QString::fromUtf8("Информационных сообщений"));
        QCOMPARE(Find<QPushButton>(dialog, "BBackColorHelpMsg")->text(), QString::fromUtf8("Фон"));
        QVERIFY(Find<QPushButton>(dialog, "BOk")->isDefault());
    }

    void okWithoutChangeKeepsEverySetting()
    {
        StoreSettings(Stored());
        TFSkin dialog;
        QCOMPARE(dialog.Settings(), Stored());
        QVERIFY(ExecuteWith(dialog, [&] {
            // The controls show the stored settings.
            const QFont font = Find<QPushButton>(dialog, "BFont")->font();
            QCOMPARE(font.family(), QStringLiteral("Courier New"));
            QCOMPARE(font.pointSize(), 14);
            QVERIFY(font.bold() && font.italic() && font.underline());
            QCOMPARE(CaptionColour(dialog, "BColor3"), ToQColor(Stored().Color3));
            QCOMPARE(Find<TColorShape>(dialog, "SBackColorInput")->Color(),
                     ToQColor(Stored().BackColorInput));
            QVERIFY(Find<QCheckBox>(dialog, "CBUseEscapeForExit")->isChecked());
            Click(dialog, "BOk");
        }));
        QCOMPARE(dialog.Settings(), Stored());
    }

    void fontChosenThenCancelKeepsTheFont()
    {
        StoreSettings(Stored());
        TFSkin dialog;
        QFont offered;
        dialog.ChooseFont = [&](const QFont& current) {
            offered = current;
            QFont f(QStringLiteral("DejaVu Serif"));
            f.setPointSize(33);
            return std::optional<QFont>(f);
        };
        QVERIFY(!ExecuteWith(dialog, [&] {
            Click(dialog, "BFont");
            QCOMPARE(Find<QPushButton>(dialog, "BFont")->font().family(),
                     QStringLiteral("DejaVu Serif"));
            Click(dialog, "BCancel");
        }));
        QCOMPARE(offered.family(), QStringLiteral("Courier New"));
        QCOMPARE(offered.pointSize(), 14);
        QCOMPARE(dialog.Settings(), Stored());

        // The next opening starts again from the stored font.
        QVERIFY(!ExecuteWith(dialog, [&] {
            QCOMPARE(Find<QPushButton>(dialog, "BFont")->font().family(),
                     QStringLiteral("Courier New"));
            Click(dialog, "BCancel");
        }));
    }

    void fontChosenThenOkTakesItAndKeepsTheCharset()
    {
        StoreSettings(Stored());
        TFSkin dialog;
        dialog.ChooseFont = [](const QFont&) {
            QFont f(QStringLiteral("DejaVu Serif"));
            f.setPointSize(33);
            f.setBold(false);
            f.setItalic(true);
            f.setUnderline(false);
            return std::optional<QFont>(f);
        };
        QVERIFY(ExecuteWith(dialog, [&] {
            Click(dialog, "BFont");
            Click(dialog, "BOk");
        }));
        TSkinCfg expected = Stored();
        expected.FontName = "DejaVu Serif";
        expected.FontSize = 33;
        expected.FontBold = false;
        expected.FontItalic = true;
        expected.FontUnderline = false;
        QCOMPARE(dialog.Settings(), expected);
    }

    void colourChosenThenOkChangesOnlyThatField()
    {
        StoreSettings(Stored());
        TFSkin dialog;
        QList<QColor> offered;
        dialog.ChooseColor = [&](const QColor& current) {
            offered << current;
            return std::optional<QColor>(QColor(1, 2, 3));
        };
        QVERIFY(ExecuteWith(dialog, [&] {
            Click(dialog, "BBackColor3");
            QCOMPARE(Find<TColorShape>(dialog, "SBackColor3")->Color(), QColor(1, 2, 3));
            Click(dialog, "BOk");
        }));
        QCOMPARE(offered, QList<QColor>{ToQColor(Stored().BackColor3)});
        TSkinCfg expected = Stored();
        expected.BackColor3 = RgbColor(1, 2, 3);
        QCOMPARE(dialog.Settings(), expected);
    }

    void textColourChosenThenCancelChangesNothing()
    {
        TFSkin dialog;
        dialog.ChooseColor = [](const QColor&) { return std::optional<QColor>(QColor(200, 0, 0)); };
        QVERIFY(!ExecuteWith(dialog, [&] {
            Click(dialog, "BColorTranscription");
            QCOMPARE(CaptionColour(dialog, "BColorTranscription"), QColor(200, 0, 0));
            Click(dialog, "BCancel");
        }));
        QCOMPARE(dialog.Settings(), TSkinCfg{});
    }

    // A cancelled colour dialog leaves the row as it was; a switch changed
    // before a colour is chosen stays changed.
    void switchesSurviveColourChoices()
    {
        TFSkin dialog;
        bool answer = false;
        dialog.ChooseColor = [&](const QColor&) {
            return answer ? std::optional<QColor>(QColor(9, 9, 9)) : std::nullopt;
        };
        QVERIFY(ExecuteWith(dialog, [&] {
            Find<QCheckBox>(dialog, "CBUseEscapeForExit")->click();
            Find<QCheckBox>(dialog, "CBShowHelpMsg")->click();
            Click(dialog, "BColor1"); // cancelled
            answer = true;
            Click(dialog, "BColorInput");
            Click(dialog, "BOk");
        }));
        TSkinCfg expected;
        expected.UseEscapeForExit = true;
        expected.ShowHelpMsg = false;
        expected.ColorInput = RgbColor(9, 9, 9);
        QCOMPARE(dialog.Settings(), expected);
    }

    void skinIniWrittenOnlyAtDestruction()
    {
        auto dialog = std::make_unique<TFSkin>();
        dialog->ChooseColor = [](const QColor&) { return std::optional<QColor>(QColor(4, 5, 6)); };
        QVERIFY(ExecuteWith(*dialog, [&] {
            Click(*dialog, "BColorHelpMsg");
            Click(*dialog, "BOk");
        }));
        QVERIFY(!QFile::exists(SkinIni()));
        dialog.reset();

        QFile file(SkinIni());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.first(), QByteArray("[Main]\r"));
        QCOMPARE(lines.size(), 1 + 24 + 1); // the header, 24 keys, nothing after the last CR LF
        for (std::size_t i = 0; i < SkinKeys().size(); ++i)
            QVERIFY2(lines[static_cast<qsizetype>(i) + 1].startsWith(
                         QByteArray(SkinKeys()[i].Name) + '='),
                     SkinKeys()[i].Name);
        TSkinCfg read;
        LoadSkinCfg(read, SkinIni().toStdString());
        TSkinCfg expected;
        expected.ColorHelpMsg = RgbColor(4, 5, 6);
        QCOMPARE(read, expected);
    }

    // A Cyrillic face name stays 1251 bytes through the dialog.
    void cyrillicFaceNameRoundTrips()
    {
        TSkinCfg c;
        c.FontName = ToCp1251("Шрифт");
        StoreSettings(c);
        TFSkin dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            QCOMPARE(Find<QPushButton>(dialog, "BFont")->font().family(),
                     QString::fromUtf8("Шрифт"));
            Click(dialog, "BOk");
        }));
        QCOMPARE(dialog.Settings().FontName, ToCp1251("Шрифт"));
    }

    void unwritableFolderIsSilent()
    {
        SetProgramFolder("/nonexistent/korvan/");
        auto dialog = std::make_unique<TFSkin>();
        QCOMPARE(dialog->Settings(), TSkinCfg{});
        dialog.reset(); // must not throw
    }
};

QTEST_MAIN(SkinDialogTest)
#include "SkinDialogTest.moc"

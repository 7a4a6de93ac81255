// The translated windows under English: no text a user sees or hears holds a
// Cyrillic letter, and every Russian text asked of the catalogues found an
// English one.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "import/TableReader.h"
#include "timing/TimeCalculator.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/BehaviorDialog.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/dialogs/InputModeDialog.h"
#include "ui/dialogs/PupilsDialog.h"
#include "ui/dialogs/RecordDialog.h"
#include "ui/dialogs/ReviewDialog.h"
#include "ui/dialogs/SkinDialog.h"
#include "ui/drill/Authoring.h"
#include "ui/drill/DrillButtons.h"
#include "ui/drill/MainMenus.h"
#include "ui/drill/ProgressView.h"
#include "ui/editor/EditorWindow.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

using namespace korvan;

namespace {

// Asked last, after every catalogue: a Russian text that reaches it was
// answered by none.
class TUntranslated : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (text.contains(Cyrillic()))
            Missed << QString::fromLatin1(context) + QStringLiteral(": ") + text;
        return {};
    }
    static const QRegularExpression& Cyrillic()
    {
        static const QRegularExpression letter(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        return letter;
    }
    mutable QStringList Missed;
};

// Every text of the widget and its children that is shown, shown on hover or
// said by a screen reader; menus' items among them.
QStringList Texts(const QWidget& root)
{
    QStringList texts{root.windowTitle(), root.toolTip(), root.accessibleName(),
                      root.accessibleDescription()};
    auto add = [&texts](const QWidget* w) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        if (const auto* menu = qobject_cast<const QMenu*>(w)) {
            texts << menu->title();
            for (const QAction* action : menu->actions())
                texts << action->text() << action->toolTip();
        }
        if (const auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            texts << edit->placeholderText();
        if (const auto* spin = qobject_cast<const QSpinBox*>(w))
            texts << spin->specialValueText();
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
        if (const auto* status = qobject_cast<const QStatusBar*>(w))
            texts << status->currentMessage();
    };
    add(&root);
    for (const QWidget* w : root.findChildren<QWidget*>())
        add(w);
    return texts;
}

// Mnemonics a key press could not tell apart: those of the window's own
// buttons, labels and menu bar, and those of each menu's items. Hidden
// controls count too: a dialog shows some of them by the data it is given.
QStringList DuplicateMnemonics(const QWidget& window)
{
    static const QRegularExpression mnemonic(QStringLiteral("(?<!&)&([^&])"));
    auto letter = [](QString text) {
        const QRegularExpressionMatch m =
            mnemonic.match(text.replace(QLatin1String("&&"), QString()));
        return m.hasMatch() ? m.captured(1).toLower() : QString();
    };
    QStringList duplicates;
    auto check = [&](const QStringList& captions) {
        QStringList seen;
        for (const QString& caption : captions) {
            const QString key = letter(caption);
            if (key.isEmpty())
                continue;
            if (seen.contains(key))
                duplicates << caption;
            seen << key;
        }
    };
    QStringList own;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            own << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            own << button->text();
        if (const auto* menu = qobject_cast<const QMenu*>(w)) {
            if (qobject_cast<const QMenuBar*>(menu->parentWidget()))
                own << menu->title();
            QStringList items;
            for (const QAction* action : menu->actions())
                items << action->text();
            check(items);
        }
    }
    check(own);
    return duplicates;
}

QStringList WithCyrillic(const QStringList& texts, const QStringList& allowed)
{
    QStringList found;
    for (const QString& text : texts)
        if (text.contains(TUntranslated::Cyrillic()) && !allowed.contains(text))
            found << text;
    return found;
}

} // namespace

class EnglishWindowsTest : public QObject
{
    Q_OBJECT

private:
    TUntranslated Recorder;
    QTemporaryDir Folder;
    // The import preview keeps the source it shows.
    const TImportCollection Table =
        ReadTable(ToCp1251("English\tRussian\tNote\nHello.\tПривет.\tприветствие\nCat.\tКот.\t\n"));
    TTimeCalculator Norms{"/nonexistent/Time.ini"};

    std::string WriteLesson()
    {
        const std::string path = Folder.path().toStdString() + "/house.sl2";
        QFile file(QString::fromStdString(path));
        const std::string lesson =
            ToCp1251("Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=House\r\n"
                     "<body>\r\n1\r\n\r\nэто дом\r\nthis is a house\r\n");
        if (file.open(QIODevice::WriteOnly))
            file.write(lesson.data(), qint64(lesson.size()));
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Folder.isValid());
        // The screen reader's own names, not the control names tests look for.
        qunsetenv("KORVAN_ACCESSIBLE_IDS");
        SetProgramFolder(Folder.path().toStdString() + "/");
        QCoreApplication::installTranslator(&Recorder);
        InstallTranslations(TUiLanguage::English);
    }

    void windows_data()
    {
        QTest::addColumn<std::function<QWidget*()>>("make");
        // Each language in its own name: "Русский" is the one Cyrillic text
        // of the help menu.
        QTest::addColumn<QStringList>("allowed");
        QTest::newRow("FAbout") << std::function<QWidget*()>([] { return new TFAbout; })
                                << QStringList();
        QTest::newRow("FSkin") << std::function<QWidget*()>([] { return new TFSkin; })
                               << QStringList();
        QTest::newRow("FInpMode") << std::function<QWidget*()>([] { return new TFInpMode; })
                                  << QStringList();
        QTest::newRow("FPupils") << std::function<QWidget*()>([] { return new TFPupils; })
                                 << QStringList();
        QTest::newRow("FPupils_e")
            << std::function<QWidget*()>([] { return new TFPupils_e; }) << QStringList();
        QTest::newRow("FReview") << std::function<QWidget*()>([this] {
            const std::string folder = Folder.path().toStdString() + "/";
            return new TFReview(nullptr, folder + "Korvan.ini", folder + "history/");
        }) << QStringList();
        QTest::newRow("TRecordDialog") << std::function<QWidget*()>([] {
            return new TRecordDialog("/nowhere/Buffer.WAV", QStringLiteral("A sentence."));
        }) << QStringList();
        // The main window's buttons and menus, on a window of their own.
        QTest::newRow("MainButtonsAndMenus") << std::function<QWidget*()>([] {
            auto* window = new QWidget;
            window->setObjectName(QStringLiteral("FMain"));
            std::vector<TAnchored> anchors;
            CreateDrillButtons(window, anchors);
            auto* authoring = new TAuthoring(window, "/nowhere/", "/nowhere/");
            QObject::connect(window, &QObject::destroyed, [authoring] { delete authoring; });
            const TMainMenus menus(
                window, TMenuHandlers{{}, {}, {}, {}, {}, {}, [] { return std::string(); }, {}},
                *authoring);
            authoring->AddLessonCreateMenu(new QMenu(window));
            ApplyAccessibleTexts(window);
            return window;
        }) << QStringList{QString::fromUtf8("Русский")};
        // A mode's name is shown as stored.
        QTest::newRow("FBehavior") << std::function<QWidget*()>([] {
            std::ofstream(ShippedFile("Modes.ini"), std::ios::binary)
                << "[Modes]\r\nHowMany=1\r\n1=" + ToCp1251("Обычный") + "\r\n";
            return new TFBehavior;
        }) << QStringList{QString::fromUtf8("Обычный"), QString::fromUtf8("Mode:  Обычный")};
        QTest::newRow("FImportLesson")
            << std::function<QWidget*()>([this] { return new TFImportLesson(nullptr, Table); })
            << QStringList();
        QTest::newRow("TFLessonEditor") << std::function<QWidget*()>([this] {
            auto* editor = new TFLessonEditor(&Norms, {});
            editor->OpenLesson(WriteLesson());
            editor->findChild<QAction*>(QStringLiteral("ARenumber"))->trigger(); // a status text
            return editor;
        }) << QStringList();
    }

    void windows()
    {
        QFETCH(std::function<QWidget*()>, make);
        QFETCH(QStringList, allowed);
        const std::unique_ptr<QWidget> window(make());
        const QStringList russian = WithCyrillic(Texts(*window), allowed);
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join(QStringLiteral(" | "))));
        const QStringList duplicates = DuplicateMnemonics(*window);
        QVERIFY2(duplicates.isEmpty(), qPrintable(duplicates.join(QStringLiteral(" | "))));
        // Each window answers for its own texts.
        QCOMPARE(std::exchange(Recorder.Missed, {}), QStringList());
    }

    // What the behaviour dialog and the import preview say as they are used.
    void messagesAsUsed()
    {
        TakeShownMessages();
        TFBehavior behaviour;
        behaviour.Settings().EditCfg.ShowRText = false;
        auto* sound = behaviour.findChild<QAbstractButton*>(QStringLiteral("BUseRWav"));
        sound->setChecked(true);
        SetNextAnswer(true);
        sound->click(); // neither text nor sound of Russian now
        const QStringList shown = TakeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(WithCyrillic(shown, {}), QStringList());
        const auto* speed = behaviour.findChild<QSlider*>(QStringLiteral("TBSpeed"));
        const_cast<QSlider*>(speed)->setValue(10);
        QCOMPARE(speed->accessibleDescription(), QStringLiteral("1.5 times the norm"));

        TFImportLesson preview(nullptr, Table);
        preview.UDPerLesson->setValue(1);
        QCOMPARE(WithCyrillic(Texts(preview), {}), QStringList());
        // The import's own reasons, which it gives in both languages.
        const TFImportLesson skipping(
            nullptr, ReadTable(ToCp1251("English\tRussian\tNote\n\t\tx\nCat.\tКот.\t\n")));
        QVERIFY2(skipping.LCounts->text().contains(QStringLiteral("without Russian and English")),
                 qPrintable(skipping.LCounts->text()));
        QCOMPARE(WithCyrillic(Texts(skipping), {}), QStringList());
        QCOMPARE(std::exchange(Recorder.Missed, {}), QStringList());
    }
};

QTEST_MAIN(EnglishWindowsTest)
#include "EnglishWindowsTest.moc"

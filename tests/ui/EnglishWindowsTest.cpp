// The translated windows under English: no text a user sees or hears holds a
// Cyrillic letter, and every Russian text asked of the catalogues found an
// English one.

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/InputModeDialog.h"
#include "ui/dialogs/PupilsDialog.h"
#include "ui/dialogs/RecordDialog.h"
#include "ui/dialogs/ReviewDialog.h"
#include "ui/dialogs/SkinDialog.h"
#include "ui/drill/Authoring.h"
#include "ui/drill/DrillButtons.h"
#include "ui/drill/MainMenus.h"
#include "ui/drill/ProgressView.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Translations.h"
#include "util/ProgramFolder.h"

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
    };
    add(&root);
    for (const QWidget* w : root.findChildren<QWidget*>())
        add(w);
    return texts;
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

private slots:
    void initTestCase()
    {
        QVERIFY(Folder.isValid());
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
    }

    void windows()
    {
        QFETCH(std::function<QWidget*()>, make);
        QFETCH(QStringList, allowed);
        const std::unique_ptr<QWidget> window(make());
        QCOMPARE(WithCyrillic(Texts(*window), allowed), QStringList());
        // Each window answers for its own texts.
        QCOMPARE(std::exchange(Recorder.Missed, {}), QStringList());
    }
};

QTEST_MAIN(EnglishWindowsTest)
#include "EnglishWindowsTest.moc"

// Every caption, legend and dialog text of every window fits its place whole,
// at the scale factor the test command sets (QT_SCALE_FACTOR) and with the
// desktop's default font one size larger; the help pane shows each of its
// texts without scrolling. With KORVAN_FIT_SHOTS naming a folder, every window
// checked is saved there as a PNG to look at. KORVAN_FIT_LANGUAGE=en checks
// the English interface.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextEdit>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

#include "MainWindowTestFolder.h"
#include "drill/Drill.h"
#include "drill/DrillTexts.h"
#include "import/TableReader.h"
#include "timing/TimeCalculator.h"
#include "ui/App.h"
#include "ui/dialogs/BehaviorDialog.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/dialogs/InputModeDialog.h"
#include "ui/drill/MainWindow.h"
#include "ui/editor/EditorWindow.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/Fonts.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"

using namespace korvan;

namespace {

// What a text control needs to show its text whole, and what it has.
struct TRoom
{
    QSize Need;
    QSize Have;
};

std::optional<TRoom> RoomOf(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty())
            return std::nullopt;
        if (label->wordWrap())
            return TRoom{{label->minimumSizeHint().width(), label->heightForWidth(label->width())},
                         label->size()};
        return TRoom{label->sizeHint(), label->size()};
    }
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (button == nullptr || button->text().isEmpty())
        return std::nullopt;
    if (auto* tool = qobject_cast<QToolButton*>(button))
        return TRoom{tool->sizeHint(), tool->size()};
    // The text and its icon against the part of the button the style draws
    // them in (beside the box of a check box or a radio button).
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (auto* push = qobject_cast<QPushButton*>(button); push && push->isFlat())
        option.features |= QStyleOptionButton::Flat;
    QSize need = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
    if (contents == QStyle::SE_PushButtonContents && !button->icon().isNull())
        need.rwidth() += button->iconSize().width() + 4;
    return TRoom{need, button->style()->subElementRect(contents, &option, button).size()};
}

QString NameOf(const QWidget* w)
{
    const QString text = qobject_cast<const QLabel*>(w)
                             ? static_cast<const QLabel*>(w)->text()
                             : static_cast<const QAbstractButton*>(w)->text();
    return QStringLiteral("%1 \"%2\"")
        .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                       : w->objectName(),
             text.left(40).replace(QLatin1Char('\n'), QLatin1Char('|')));
}

QString SizeText(QSize s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

// Text controls whose text is cut, that stick out of their parent, or whose
// text overlaps a sibling's.
QStringList Misfits(QWidget& window)
{
    QStringList found;
    QList<QPair<QWidget*, QRect>> inked; // a control and where its text lies, in its parent
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        const std::optional<TRoom> room = RoomOf(w);
        if (!room)
            continue;
        if (room->Need.width() > room->Have.width() || room->Need.height() > room->Have.height())
            found << NameOf(w) + QStringLiteral(" needs %1, has %2")
                                     .arg(SizeText(room->Need), SizeText(room->Have));
        if (!w->parentWidget()->rect().contains(w->geometry()))
            found << NameOf(w) + QStringLiteral(" sticks out of its parent");
        QRect ink = w->geometry();
        if (auto* label = qobject_cast<QLabel*>(w))
            ink = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                      room->Need.boundedTo(label->size()), label->geometry());
        for (const auto& [other, otherInk] : inked)
            if (other->parentWidget() == w->parentWidget() && otherInk.intersects(ink))
                found << NameOf(w) + QStringLiteral(" overlaps ") + NameOf(other);
        inked.append({w, ink});
    }
    return found;
}

// English made about a third longer, each vowel doubled into letters that
// Windows-1251 cannot hold: room for a longer language, and a text that goes
// through the 1251 conversion loses letters (Cp1251LostCharacters).
class TPseudoLanguage : public QTranslator
{
public:
    bool Load() { return English.load(QStringLiteral("korvan_en"), QStringLiteral(":/i18n")); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        const QString english = English.translate(context, source, disambiguation, n);
        QString stretched;
        bool inTag = false;
        for (qsizetype i = 0; i < english.size(); ++i) {
            const QChar c = english[i];
            inTag = c == QLatin1Char('<') || (inTag && c != QLatin1Char('>'));
            const qsizetype vowel = QStringLiteral("aeiouAEIOU").indexOf(c);
            if (inTag || vowel < 0 || (i > 0 && english[i - 1] == QLatin1Char('%'))) {
                stretched += c;
                continue;
            }
            const QChar pseudo = QStringLiteral("\u0105\u0119\u012F\u014D\u0173"
                                                "\u0104\u0118\u012E\u014C\u0172")[vowel];
            stretched += pseudo;
            stretched += pseudo;
        }
        return stretched;
    }

private:
    QTranslator English;
};

} // namespace

class TextFitTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TTestFolder> Folder;
    std::unique_ptr<TAppWindows> App;
    QFont DesktopFont;
    QString FontTag; // the global data row, for the pictures' names
    QStringList Problems;
    TPseudoLanguage Pseudo;
    std::size_t LostAtStart = 0;

    TFMain& Main() { return App->Main(); }

    void Start(std::vector<std::string> arguments = {})
    {
        App = StartWindows(std::move(arguments));
        QVERIFY(QTest::qWaitForWindowActive(&Main()));
    }

    // To the focused control of the main window, else the window (the
    // offscreen platform may leave the focus in a closed dialog's popup).
    void Key(Qt::Key key)
    {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr || target->window() != &Main())
            target = &Main();
        QTest::keyClick(target, key);
    }

    void WaitForPhase(TPhase phase) { QTRY_VERIFY(Main().Drill().Phase() == phase); }

    void Report(const QString& problem)
    {
        qWarning("%s", qPrintable(problem));
        Problems << problem;
    }

    // Checks one window and keeps its picture.
    void Check(QWidget& window, const QString& what)
    {
        for (const QString& problem : Misfits(window))
            Report(what + QStringLiteral(": ") + problem);
        const QString folder = qEnvironmentVariable("KORVAN_FIT_SHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
        const QString file = QStringLiteral("%1/scale%2-%3-%4.png")
                                 .arg(folder, scale, FontTag, what)
                                 .replace(QLatin1Char(' '), QLatin1Char('_'));
        window.grab().save(file);
    }

    // The modal dialog named `name` that `open` shows is checked, then closed.
    void CheckModal(const char* name, const QString& what, const std::function<void()>& open)
    {
        TDialogAnswer answer(name, [&](QWidget& dialog) {
            Check(dialog, what);
            static_cast<QDialog&>(dialog).reject();
        });
        open();
        QVERIFY2(answer.Answered(), name);
    }

    // Every help text shown whole in the help pane as the window is now.
    void CheckHelpTexts(const QString& what)
    {
        QTextEdit* help = FindIn<QTextEdit>(Main(), "MHelpMsg");
        for (const TPhrase& text : DrillTexts().HelpTexts()) {
            Main().ShowInPane(TPane::MHelpMsg, {text});
            QCoreApplication::processEvents();
            if (help->verticalScrollBar()->maximum() > 0)
                Report(what + QStringLiteral(": help pane scrolls for \"") + Shown(text).left(40) +
                       QStringLiteral("\""));
        }
    }

    void CheckPaneWhole(const char* pane, const QString& what)
    {
        QCoreApplication::processEvents();
        if (FindIn<QTextEdit>(Main(), pane)->verticalScrollBar()->maximum() > 0)
            Report(what + QStringLiteral(": ") + QLatin1String(pane) + QStringLiteral(" scrolls"));
    }

    // Every question revealed and judged right until the run ends.
    void JudgeToTheEnd()
    {
        for (;;) {
            QTRY_VERIFY(Main().Lesson().RunState == 2 ||
                        Main().Drill().Phase() == TPhase::Thinking);
            if (Main().Lesson().RunState == 2)
                return;
            Key(Qt::Key_F5);
            WaitForPhase(TPhase::Judging);
            Key(Qt::Key_F5);
        }
    }

private slots:
    // Each test with the desktop's font, then with it one size larger.
    void initTestCase_data()
    {
        QTest::addColumn<int>("fontStep");
        QTest::newRow("desktop_font") << 0;
        QTest::newRow("larger_font") << 1;
    }

    void initTestCase()
    {
        const QString language = qEnvironmentVariable("KORVAN_FIT_LANGUAGE");
        if (language == QLatin1String("en") || language == QLatin1String("pseudo"))
            InstallTranslations(TUiLanguage::English);
        if (language == QLatin1String("pseudo")) {
            QVERIFY(Pseudo.Load());
            QCoreApplication::installTranslator(&Pseudo);
        }
        LostAtStart = Cp1251LostCharacters();
        InstallFontSubstitutes();
        DesktopFont = QApplication::font();
    }

    void init()
    {
        QFETCH_GLOBAL(int, fontStep);
        FontTag = fontStep == 0 ? QStringLiteral("desktop_font") : QStringLiteral("larger_font");
        QFont font = DesktopFont;
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() + fontStep);
        else
            font.setPixelSize(font.pixelSize() + fontStep);
        QApplication::setFont(font);
        Folder = std::make_unique<TTestFolder>();
        Folder->WriteSampleLessons();
        Problems.clear();
    }

    void cleanup()
    {
        App.reset();
        QCOMPARE(Folder->UnansweredDialogs(), QStringList());
        Folder.reset();
        TakeShownMessages();
        // No interface text went through the 1251 conversion.
        QCOMPARE(Cp1251LostCharacters(), LostAtStart);
    }

    // An ordinary lesson with spoken answers from the idle window to the
    // results and the save dialog for the mistakes; the window enlarged.
    void mainWindowOrdinaryLesson()
    {
        Folder->WriteText("Korvan.ini", "[Main]\r\nUseTime=0\r\nOrderKind=0\r\nMistakeChange=0\r\n"
                                        "SaveDiff=1\r\nDiffNum=1\r\nCfgMode=1\r\n");
        Start();
        Check(Main(), QStringLiteral("main idle"));
        CheckPaneWhole("MInfo", QStringLiteral("main idle"));
        App.reset();

        Start({Folder->Path("lessons/short.sl2")});
        Check(Main(), QStringLiteral("main lesson open"));
        CheckPaneWhole("MInfo", QStringLiteral("main lesson open"));
        Key(Qt::Key_F4);
        WaitForPhase(TPhase::Thinking);
        Check(Main(), QStringLiteral("main thinking"));
        CheckHelpTexts(QStringLiteral("main thinking"));
        Key(Qt::Key_F5);
        WaitForPhase(TPhase::Judging);
        Check(Main(), QStringLiteral("main reveal"));
        Main().resize(900, 700);
        Check(Main(), QStringLiteral("main enlarged"));
        CheckHelpTexts(QStringLiteral("main enlarged"));
        Main().resize(568, 519);
        Key(Qt::Key_F8); // a mistake, so that the save dialog is offered at the end
        TDialogAnswer save("SaveLessonDialog", [this](QWidget& dialog) {
            Check(dialog, QStringLiteral("save mistakes"));
            static_cast<QDialog&>(dialog).reject();
        });
        JudgeToTheEnd();
        QVERIFY(save.Answered());
        QCOMPARE(Main().Lesson().RunState, 2);
        Check(Main(), QStringLiteral("main results"));
        CheckPaneWhole("MInfo", QStringLiteral("main results"));
        CheckPaneWhole("MHelpMsg", QStringLiteral("main results"));

        QVERIFY2(Problems.isEmpty(), "texts that do not fit, listed above");
    }

    // A words lesson with typed answers: the input pane and the transcription.
    void mainWindowWordsLessonTyped()
    {
        Folder->WriteText("Korvan.ini", "[Main]\r\nUseTime=0\r\nOrderKind=0\r\nUseTextInput=1\r\n"
                                        "TranslRE=0\r\nCfgMode=1\r\n");
        Start({Folder->Path("lessons/words.sl2")});
        Key(Qt::Key_F4);
        WaitForPhase(TPhase::Thinking);
        Check(Main(), QStringLiteral("main words thinking"));
        CheckHelpTexts(QStringLiteral("main words thinking"));
        Key(Qt::Key_F5);
        WaitForPhase(TPhase::Judging);
        Check(Main(), QStringLiteral("main words reveal"));
        QVERIFY2(Problems.isEmpty(), "texts that do not fit, listed above");
    }

    void dialogs()
    {
        Start();
        CheckModal("FBehavior", QStringLiteral("behaviour"),
                   [this] { FindIn<QAction>(Main(), "ABehavior")->trigger(); });
        // The mode button with each mode's name.
        auto* behaviour = FindIn<TFBehavior>(Main(), "FBehavior");
        for (QAction* mode : FindIn<QMenu>(*behaviour, "PM")->actions()) {
            if (mode->isSeparator())
                continue;
            mode->trigger();
            for (const QString& problem : Misfits(*behaviour))
                Report(QStringLiteral("behaviour, mode ") + mode->text() + ": " + problem);
        }
        CheckModal("FSkin", QStringLiteral("appearance"),
                   [this] { FindIn<QAction>(Main(), "ASkin")->trigger(); });
        CheckModal("FPupils", QStringLiteral("pupils"),
                   [this] { FindIn<QAction>(Main(), "APupil")->trigger(); });
        // The name editor, opened from the pupils dialog as the user does.
        TDialogAnswer editor("FPupils_e", [this](QWidget& dialog) {
            Check(dialog, QStringLiteral("pupil editor"));
            static_cast<QDialog&>(dialog).reject();
        });
        TDialogAnswer pupils("FPupils", [](QWidget& dialog) {
            FindIn<QToolButton>(dialog, "BInsert")->click();
            static_cast<QDialog&>(dialog).reject();
        });
        FindIn<QAction>(Main(), "APupil")->trigger();
        QVERIFY(editor.Answered());
        CheckModal("FAbout", QStringLiteral("about"),
                   [this] { FindIn<QAction>(Main(), "AAbout")->trigger(); });
        CheckModal("FInpMode", QStringLiteral("input mode"), [this] {
            bool typed = false;
            FindIn<TFInpMode>(Main(), "FInpMode")->Execute(typed);
        });
        // The program's message box (it has no name) with its longest message.
        CheckModal("", QStringLiteral("message"), [this] {
            ShowMsgBox(&Main(),
                       Utf8("Выбранные Вами параметры будут использованы только при работе со "
                            "следующим уроком или после повторного запуска текущего урока."),
                       true);
        });
        QVERIFY2(Problems.isEmpty(), "texts that do not fit, listed above");
    }

    // The windows laid out by the import preview's data and the editor's lesson.
    void importAndEditor()
    {
        const TImportCollection table =
            ReadTable(ToCp1251Text(Utf8("English\tRussian\nHello.\tПривет.\n")));
        TFImportLesson preview(nullptr, table);
        preview.show();
        Check(preview, QStringLiteral("import"));
        const TTimeCalculator norms("/nonexistent/Time.ini");
        TFLessonEditor editor(&norms, {});
        editor.show();
        Check(editor, QStringLiteral("lesson editor"));
        QVERIFY2(Problems.isEmpty(), "texts that do not fit, listed above");
    }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"

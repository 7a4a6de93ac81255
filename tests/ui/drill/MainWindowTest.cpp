// The main window driven like a pupil drives it: keys and clicks through a
// whole lesson, what each pane shows and where, the column's labels and
// anchors, and the settings files the window and its dialogs keep.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QtTest>

#include <fstream>

#include <memory>

#include "../MainWindowTestFolder.h"
#include "drill/Drill.h"
#include "ui/App.h"
#include "ui/dialogs/BehaviorDialog.h"
#include "ui/dialogs/DerivedLessonSave.h"
#include "ui/dialogs/SkinDialog.h"
#include "ui/drill/MainWindow.h"
#include "ui/drill/ProgressView.h"
#include "ui/editor/EditorWindow.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/Fonts.h"
#include "ui/platform/ShellOpen.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"

using namespace korvan;

namespace {

int PhaseOf(TFMain& main)
{
    return static_cast<int>(main.Drill().Phase());
}

constexpr int LeadIn = static_cast<int>(TPhase::LeadIn);
constexpr int Thinking = static_cast<int>(TPhase::Thinking);
constexpr int Revealed = static_cast<int>(TPhase::Revealed);
constexpr int Judging = static_cast<int>(TPhase::Judging);

// The captions of a menu's items, "-" for a separator.
QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* a : menu->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return captions;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TTestFolder> Folder;
    std::unique_ptr<TAppWindows> App;
    QList<QUrl> Opened; // what went to the desktop

    TFMain& Main() { return App->Main(); }

    template <typename W = QWidget> W* Find(const char* name)
    {
        W* w = Main().findChild<W*>(QString::fromLatin1(name));
        if (w == nullptr)
            qFatal("no control %s", name);
        return w;
    }
    QTextEdit* Pane(const char* name) { return Find<QTextEdit>(name); }
    QString Text(const char* pane) { return Pane(pane)->toPlainText(); }
    QString Label(const char* name) { return Find<QLabel>(name)->text(); }

    // Starts the windows as the program does, with these arguments.
    void Start(std::vector<std::string> arguments = {})
    {
        App = StartWindows(std::move(arguments));
        QVERIFY(QTest::qWaitForWindowActive(&Main()));
    }

    // A key as the keyboard delivers it: to the focused control, else the window.
    void Key(Qt::Key key)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &Main(), key);
    }

    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

    // "Открыть урок ..." with the open dialog answered by `path`. Every lesson
    // of these tests lies in the lessons folder, where the dialog starts.
    void OpenFromMenu(const std::string& path)
    {
        SetNextFileName(QString::fromStdString(path));
        Find<QAction>("ALessonOpen")->trigger();
        const QList<TFileDialogRequest> asked = TakeFileDialogRequests();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].Dialog, QStringLiteral("OpenLessonDialog"));
        QCOMPARE(asked[0].Folder, QString::fromStdString(Folder->Path("lessons")));
    }

    // The menu a button opens, closed again.
    QMenu* MenuOf(const char* button, const char* menu)
    {
        Click(button);
        auto* popup = Find<QMenu>(menu);
        if (!popup->isVisible())
            qWarning("%s did not open %s", button, menu);
        popup->close();
        return popup;
    }

    // The recent entries as the lesson menu shows them under the button.
    QStringList RecentEntries()
    {
        MenuOf("BLesson", "PMLesson");
        return Captions(Find<QMenu>("MIOpenRecent"));
    }

    // Key presses until the phase comes, or 5 s pass.
    void WaitForPhase(int phase) { QTRY_COMPARE(PhaseOf(Main()), phase); }

    // Visible panes with their top and bottom edges, top to bottom.
    QString VisiblePanes()
    {
        QStringList parts;
        QList<QTextEdit*> panes = Main().findChildren<QTextEdit*>();
        std::sort(panes.begin(), panes.end(),
                  [](QTextEdit* a, QTextEdit* b) { return a->y() < b->y(); });
        for (QTextEdit* pane : panes)
            if (pane->isVisible())
                parts << QStringLiteral("%1 %2..%3")
                             .arg(pane->objectName())
                             .arg(pane->y())
                             .arg(pane->y() + pane->height());
        return parts.join(QStringLiteral(", "));
    }

private slots:
    void initTestCase()
    {
        SetShellOpener([this](const QUrl& url) { Opened << url; });
    }

    void init()
    {
        Opened.clear();
        Folder = std::make_unique<TTestFolder>();
        Folder->WriteSampleLessons();
        TakeShownMessages();
    }

    void cleanup()
    {
        App.reset();
        QCOMPARE(Folder->UnansweredDialogs(), QStringList());
        Folder.reset();
        QVERIFY(TakeShownMessages().isEmpty());
        QVERIFY(TakeFileDialogRequests().isEmpty());
    }

    void designControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("BLesson") << "BLesson" << QRect(424, 16, 137, 25);
        QTest::newRow("BCustomize") << "BCustomize" << QRect(424, 48, 137, 25);
        QTest::newRow("BHelp") << "BHelp" << QRect(424, 80, 137, 25);
        QTest::newRow("BLesson_Start") << "BLesson_Start" << QRect(420, 124, 145, 25);
        QTest::newRow("Shape6") << "Shape6" << QRect(424, 156, 138, 1);
        QTest::newRow("right") << "BQuestion_ShowTranslation_Or_PupilChoose_Right"
                               << QRect(420, 164, 145, 57);
        QTest::newRow("BRecStartStopPlay") << "BRecStartStopPlay" << QRect(420, 228, 145, 37);
        QTest::newRow("wrong") << "BQuestion_PupilChoose_Wrong" << QRect(420, 272, 145, 25);
        // The box reaches down to 20 pixels above the separator at 432.
        QTest::newRow("ProgressPaintBox") << "ProgressPaintBox" << QRect(432, 308, 121, 104);
        QTest::newRow("SRestSeparator") << "SRestSeparator" << QRect(480, 432, 80, 1);
        QTest::newRow("PB") << "PB" << QRect(424, 488, 137, 17);
        QTest::newRow("SAroundMemos") << "SAroundMemos" << QRect(8, 4, 409, 505);
        // Idle, help line on: the help pane holds its longest text whole, four
        // lines of DejaVu Sans 13 px (72 pixels) at this width; MInfo the rest.
        QTest::newRow("MInfo") << "MInfo" << QRect(16, 12, 393, 417);
        QTest::newRow("MHelpMsg") << "MHelpMsg" << QRect(16, 429, 393, 72);
    }

    void designControls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, bounds);
        Start();
        QCOMPARE(Main().size(), QSize(568, 519));
        QWidget* w = Main().findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), bounds);
        QVERIFY(w->isVisible());
    }

    void designTexts()
    {
        App = std::make_unique<TAppWindows>();
        QCOMPARE(Main().windowTitle(), Utf8("Урок: (нет)"));
        App->Show({});
        QCOMPARE(Main().windowTitle(), Utf8("Ученик 1 | Урок: (нет урока)"));
        QCOMPARE(Text("MInfo"), Utf8("\nВыберите урок с помощью кнопки \"Урок\"."));
        QCOMPARE(VisiblePanes(), QStringLiteral("MInfo 12..429, MHelpMsg 429..501"));

        QCOMPARE(Label("Label4"), Utf8("Осталось"));
        QCOMPARE(Label("LShowMoreTotal"), Utf8("Предложений: --"));
        QCOMPARE(Label("LSelQ_ShowMoreTimes"), Utf8("Повторов текущего: --"));
        QCOMPARE(Label("Label5"), Utf8("Времени:"));
        QCOMPARE(Label("Label2"), Utf8("F4"));
        QCOMPARE(Label("LQuestion_ShowTranslation_Keys"), Utf8("Space | F5"));
        QCOMPARE(Label("LQuestion_PupilChoose_Right_Keys"), Utf8("Space | F5"));
        QCOMPARE(Label("LQuestion_PupilChoose_Wrong_Keys"), Utf8("Ctrl  |  F8"));
        for (const char* meaning : {"LLesson_Start", "LQuestion_ShowTranslation",
                                    "LQuestion_PupilChoose_Right", "LQuestion_PupilChoose_Wrong"}) {
            QLabel* label = Find<QLabel>(meaning);
            QCOMPARE(label->mapTo(&Main(), QPoint(0, 0)).x(), 492);
        }
        for (const char* key :
             {"LQuestion_ShowTranslation_Keys", "LQuestion_PupilChoose_Right_Keys",
              "LQuestion_PupilChoose_Wrong_Keys"}) {
            QLabel* label = Find<QLabel>(key);
            QCOMPARE(label->width(), 59);
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            QVERIFY(label->frameShape() == QFrame::Box);
        }
        QVERIFY(!Find("BRepeatRuSound")->isVisible());
        QVERIFY(!Find("BRepeatEnSound")->isVisible());

        // Screen readers: panes and buttons by control name, labels by text
        // with the control name as description.
        QCOMPARE(Pane("M2")->accessibleName(), QStringLiteral("M2"));
        QCOMPARE(Find("BLesson_Start")->accessibleName(), QStringLiteral("BLesson_Start"));
        QCOMPARE(Find("LShowMoreTotal")->accessibleDescription(), QStringLiteral("LShowMoreTotal"));
        QVERIFY(Find("LShowMoreTotal")->accessibleName().isEmpty());

        // Only MInput takes the focus, and no pane takes markup.
        for (QTextEdit* pane : Main().findChildren<QTextEdit*>()) {
            const bool input = pane->objectName() == QLatin1String("MInput");
            QCOMPARE(pane->isReadOnly(), !input);
            QCOMPARE(pane->focusPolicy(), input ? Qt::ClickFocus : Qt::NoFocus);
            QVERIFY(!pane->acceptRichText());
            QCOMPARE(pane->frameShape(), input ? QFrame::Box : QFrame::NoFrame);
        }
        QCOMPARE(Find<TGauge>("PB")->Position(), 0);
    }

    void resizeKeepsAnchors()
    {
        Start();
        Main().resize(668, 569);
        QCOMPARE(Find("BLesson")->pos(), QPoint(524, 16));
        QCOMPARE(Find("BQuestion_PupilChoose_Wrong")->pos(), QPoint(520, 272));
        QCOMPARE(Find("PB")->pos(), QPoint(524, 538));
        QCOMPARE(Find("LShowMoreTotal")->pos(), QPoint(524, 490));
        QCOMPARE(Find("SAroundMemos")->geometry(), QRect(8, 4, 509, 555));
        QCOMPARE(Find("ProgressPaintBox")->geometry(), QRect(532, 308, 121, 154));
        QCOMPARE(VisiblePanes(), QStringLiteral("MInfo 12..495, MHelpMsg 495..551"));

        // During a run the proportions stay; the wider help pane needs three
        // lines: H = 555 - 16 - 56 = 483.
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        Key(Qt::Key_F4);
        QCOMPARE(VisiblePanes(), QStringLiteral("M1 12..60, M2 60..277, M3 277..495, "
                                                "MHelpMsg 495..551"));

        // Never smaller than at design.
        Main().resize(300, 200);
        QCOMPARE(Main().size(), QSize(568, 519));
        QCOMPARE(VisiblePanes(), QStringLiteral("M1 12..53, M2 53..241, M3 241..429, "
                                                "MHelpMsg 429..501"));
    }

    // The short lesson from start to end: keys, the buttons, a mistake that
    // brings the question back, and the results.
    void wholeLessonWithKeysAndButtons()
    {
        Start();
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        QCOMPARE(Main().windowTitle(), Utf8("Ученик 1 | Урок: Короткий урок"));
        QCOMPARE(Text("MInfo"), Utf8("\nУрок: Короткий урок\n\nДля начала работы с уроком нажмите "
                                     "клавишу [F4] или кнопку \"Начать урок\"."));
        QCOMPARE(Label("LShowMoreTotal"), Utf8("Предложений: 3"));

        // F4: the drill panes, the comment alone during the lead-in.
        Key(Qt::Key_F4);
        QCOMPARE(PhaseOf(Main()), LeadIn);
        QCOMPARE(VisiblePanes(), QStringLiteral("M1 12..53, M2 53..241, M3 241..429, "
                                                "MHelpMsg 429..501"));
        QCOMPARE(Text("M1"), Utf8("Первая ключевая фраза"));
        QCOMPARE(Text("M2"), QString());
        QCOMPARE(Label("LSelQ_ShowMoreTimes"), Utf8("Повторов текущего: 1"));

        // Space and F5 are ignored in the lead-in.
        Key(Qt::Key_F5);
        QCOMPARE(PhaseOf(Main()), LeadIn);
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        QCOMPARE(Text("M2"), Utf8("Первое предложение."));
        QCOMPARE(Text("M3"), QString());
        QVERIFY(Text("MHelpMsg").startsWith(Utf8("Произнесите перевод")));

        // Space reveals; the second Space falls into the pause and is ignored.
        Key(Qt::Key_Space);
        QCOMPARE(PhaseOf(Main()), Revealed);
        QCOMPARE(Text("M3"), Utf8("First sentence."));
        QVERIFY(Text("MHelpMsg").startsWith(Utf8("Сравните свой перевод")));
        Key(Qt::Key_Space);
        QCOMPARE(PhaseOf(Main()), Revealed);
        QTRY_COMPARE(PhaseOf(Main()), Judging);
        Key(Qt::Key_Space); // right
        QCOMPARE(Label("LShowMoreTotal"), Utf8("Предложений: 2"));
        QCOMPARE(Text("M1"), Utf8("Вторая ключевая фраза"));
        QCOMPARE(Text("M3"), QString());

        // Ctrl while thinking: wrong at once, and the question comes back.
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        Key(Qt::Key_Control);
        QCOMPARE(PhaseOf(Main()), LeadIn);
        QCOMPARE(Text("M1"), Utf8("Вторая ключевая фраза"));
        QCOMPARE(Text("M3"), QString());
        QCOMPARE(Label("LShowMoreTotal"), Utf8("Предложений: 2"));

        // Now by the buttons: reveal, then "Я прав" after the pause.
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        Click("BQuestion_ShowTranslation_Or_PupilChoose_Right");
        QCOMPARE(Text("M3"), Utf8("Second sentence."));
        QTRY_COMPARE(PhaseOf(Main()), Judging);
        Click("BQuestion_ShowTranslation_Or_PupilChoose_Right");
        QCOMPARE(Text("M1"), Utf8("Третья ключевая фраза"));

        // F5 reveals, F8 is a mistake (accepted even in the pause), then
        // "Я ошибся" while thinking, then right.
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        Key(Qt::Key_F5);
        Key(Qt::Key_F8);
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        QCOMPARE(Text("M2"), Utf8("Третье предложение."));
        Click("BQuestion_PupilChoose_Wrong");
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        Key(Qt::Key_F5);
        QTRY_COMPARE(PhaseOf(Main()), Judging);
        Key(Qt::Key_F5);

        // The end: 3 mistakes in 3 sentences.
        QCOMPARE(Main().Lesson().RunState, 2);
        QCOMPARE(VisiblePanes(), QStringLiteral("MInfo 12..429, MHelpMsg 429..501"));
        QVERIFY(Text("MInfo").contains(Utf8("В 3 предложениях допущено 3 ошиб.")));
        QVERIFY(Text("MHelpMsg").startsWith(Utf8("Вы можете повторить этот урок")));
        QCOMPARE(Label("LShowMoreTotal"), Utf8("Предложений: 0"));
        QCOMPARE(Label("LSelQ_ShowMoreTimes"), Utf8("Повторов текущего: --"));
        // Verdict keys do nothing now; F4 starts again.
        Key(Qt::Key_F5);
        QCOMPARE(Main().Lesson().RunState, 2);
        Click("BLesson_Start");
        QCOMPARE(Main().Lesson().RunState, 1);
        QCOMPARE(Text("M1"), Utf8("Первая ключевая фраза"));
    }

    // Typed answers: Space and Ctrl type into MInput while thinking, and the
    // key legends say so.
    void typedAnswer()
    {
        Folder->WriteText("Korvan.ini", "[Main]\r\nUseTime=0\r\nOrderKind=0\r\nUseTextInput=1\r\n"
                                        "CfgMode=1\r\n");
        Start();
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        Key(Qt::Key_F4);
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        QCOMPARE(VisiblePanes(), QStringLiteral("M1 12..53, M2 53..178, MInput 178..303, "
                                                "M3 303..429, MHelpMsg 429..501"));
        QCOMPARE(QApplication::focusWidget(), Pane("MInput"));
        QCOMPARE(Label("LQuestion_ShowTranslation_Keys"), QStringLiteral("F5"));
        QCOMPARE(Label("LQuestion_PupilChoose_Wrong_Keys"), QStringLiteral("F8"));
        QVERIFY(Text("MHelpMsg").startsWith(Utf8("Напишите перевод")));

        QTest::keyClicks(Pane("MInput"), QStringLiteral("my answer"));
        Key(Qt::Key_Control);
        QCOMPARE(PhaseOf(Main()), Thinking);
        QCOMPARE(Text("MInput"), QStringLiteral("my answer"));
        // A Space the engine gives back (it came during a waited sound) lands
        // in MInput too.
        Main().DeliverUnhandledKey(TDrillKey::Space);
        QCOMPARE(Text("MInput"), QStringLiteral("my answer "));
        QCOMPARE(Pane("MInput")->alignment(), Qt::AlignHCenter);

        Key(Qt::Key_F5);
        QCOMPARE(PhaseOf(Main()), Revealed);
        QCOMPARE(Label("LQuestion_ShowTranslation_Keys"), QStringLiteral("Space | F5"));
        QCOMPARE(Label("LQuestion_PupilChoose_Wrong_Keys"), QStringLiteral("Ctrl  |  F8"));
        QCOMPARE(Text("MInput"), QStringLiteral("my answer "));
        QTRY_COMPARE(PhaseOf(Main()), Judging);
        Key(Qt::Key_Space); // a verdict again
        QCOMPARE(Text("M1"), Utf8("Вторая ключевая фраза"));
        QCOMPARE(Text("MInput"), QString());
    }

    void layouts_data()
    {
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<bool>("translRE");
        QTest::addColumn<QString>("panes");
        QTest::addColumn<QString>("m2");
        QTest::addColumn<QString>("m3");
        QTest::newRow("ordinary") << "short.sl2" << true
                                  << "M1 12..53, M2 53..241, M3 241..429, MHelpMsg 429..501"
                                  << Utf8("Первое предложение.") << "First sentence.";
        QTest::newRow("words RU to EN")
            << "words.sl2" << true
            << "M2 12..178, M3 178..345, MTranscription 345..429, MHelpMsg 429..501"
            << Utf8("яблоко") << "apple";
        QTest::newRow("words EN to RU")
            << "words.sl2" << false
            << "M2 12..178, MTranscription 178..262, M3 262..429, MHelpMsg 429..501"
            << "apple" << Utf8("яблоко");
    }

    void layouts()
    {
        QFETCH(QString, lesson);
        QFETCH(bool, translRE);
        QFETCH(QString, panes);
        QFETCH(QString, m2);
        QFETCH(QString, m3);
        Folder->WriteText("Korvan.ini", std::string("[Main]\r\nUseTime=0\r\nOrderKind=0\r\n") +
                                            "TranslRE=" + (translRE ? "1" : "0") +
                                            "\r\nCfgMode=1\r\n");
        // The pane font changes; the transcription keeps its phonetic face.
        Folder->WriteSkin("FontName=Courier New\r\nFontSize=16\r\n");
        Start();
        OpenFromMenu(Folder->Path("lessons/" + lesson.toStdString()));
        Key(Qt::Key_F4);
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        Key(Qt::Key_F5);
        QCOMPARE(VisiblePanes(), panes);
        QCOMPARE(Text("M2"), m2);
        QCOMPARE(Text("M3"), m3);
        if (lesson == QLatin1String("words.sl2"))
            QCOMPARE(Text("MTranscription"), QStringLiteral("['{pl]"));
        QCOMPARE(Pane("MTranscription")->font().family(), QStringLiteral("PhoneticTM"));
        QCOMPARE(Pane("M2")->font().family(), InstalledFace(QStringLiteral("Courier New")));
        QCOMPARE(Pane("M2")->font().pointSize(), 16);
        QCOMPARE(Pane("MHelpMsg")->font().family(), InstalledFace(QStringLiteral("Tahoma")));
        QCOMPARE(Pane("MHelpMsg")->font().pixelSize(), 13);
    }

    // A lesson's text is shown as it stands, never as markup.
    void lessonTextIsPlain()
    {
        const char* markup = "<b>жирный</b> &amp; <a href=\"x\">ссылка</a>";
        Folder->WriteLesson("lessons/markup.sl2", "<i>Заголовок</i>", false,
                            {{"<h1>Комментарий</h1>", markup, "<br>line"}});
        Start();
        OpenFromMenu(Folder->Path("lessons/markup.sl2"));
        QCOMPARE(Text("MInfo").split(QLatin1Char('\n')).value(1), Utf8("Урок: <i>Заголовок</i>"));
        Key(Qt::Key_F4);
        QCOMPARE(Text("M1"), Utf8("<h1>Комментарий</h1>"));
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        QCOMPARE(Text("M2"), Utf8(markup));
        QVERIFY(!Pane("M2")->toHtml().contains(QLatin1String("<a href")));
    }

    void gaugeKeepsItsRange()
    {
        TGauge gauge;
        gauge.SetMax(10);
        gauge.SetPosition(15);
        QCOMPARE(gauge.Position(), 10);
        QCOMPARE(gauge.Percent(), 100);
        gauge.SetPosition(-3);
        QCOMPARE(gauge.Position(), 0);
        gauge.SetPosition(3);
        QCOMPARE(gauge.Percent(), 30);
        gauge.SetMax(7); // 3 × 100 div 7
        QCOMPARE(gauge.Percent(), 42);
        gauge.SetMax(0);
        QCOMPARE(gauge.Position(), 0);
        QCOMPARE(gauge.Percent(), 0);
        gauge.SetMax(-5);
        QCOMPARE(gauge.Max(), 0);
    }

    // The picture's rectangles keep their right and bottom edges outside.
    void progressPicturePixels()
    {
        Start();
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        QWidget* box = Find("ProgressPaintBox");
        const QImage blank = box->grab().toImage();
        QVERIFY(blank.pixelColor(15, 4) != QColor(Qt::black)); // nothing before F4

        Key(Qt::Key_F4);
        const QImage started = box->grab().toImage();
        const int bottom = box->height() - 4; // outside the frame
        QCOMPARE(started.pixelColor(15, 4), QColor(Qt::black));
        QCOMPARE(started.pixelColor(33, 4), QColor(Qt::black));
        QVERIFY(started.pixelColor(34, 20) != QColor(Qt::black));
        QCOMPARE(started.pixelColor(20, bottom - 1), QColor(Qt::black));
        QVERIFY(started.pixelColor(20, bottom) != QColor(Qt::black));
        QCOMPARE(started.pixelColor(73, 4), QColor(Qt::black));

        // One mistake (the question comes back): red at the bottom of the left bar.
        QTRY_COMPARE(PhaseOf(Main()), Thinking);
        Key(Qt::Key_F8);
        const QImage mistake = box->grab().toImage();
        QCOMPARE(mistake.pixelColor(20, bottom - 2), QColor(255, 0, 0));
    }

    void appearanceDialogAppliesAndIsSaved()
    {
        Folder->WriteSkin("ShowHelpMsg=0\r\nBackColor2=255\r\n");
        Start();
        QCOMPARE(VisiblePanes(), QStringLiteral("MInfo 12..501"));
        QCOMPARE(Pane("M2")->palette().color(QPalette::Base), QColor(255, 0, 0));

        // "Внешний вид программы ...": the help line back on, "Да".
        TFSkin& dialog = App->Skin();
        QTimer::singleShot(0, &dialog, [&dialog] {
            dialog.findChild<QCheckBox*>(QStringLiteral("CBShowHelpMsg"))->click();
            dialog.findChild<QPushButton*>(QStringLiteral("BOk"))->click();
        });
        Find<QAction>("ASkin")->trigger();
        QCOMPARE(VisiblePanes(), QStringLiteral("MInfo 12..429, MHelpMsg 429..501"));

        App.reset(); // the dialog writes Skin.ini at the end
        QVERIFY(Folder->ReadText("Skin.ini").find("ShowHelpMsg=1") != std::string::npos);
        QVERIFY(Folder->ReadText("Skin.ini").find("BackColor2=255") != std::string::npos);
    }

    void placementRoundTrip()
    {
        Start();
        Main().setGeometry(100, 120, 700, 600);
        App.reset();
        QVERIFY(Folder->ReadText("View.INI").find("NormPos=100,120,800,720") != std::string::npos);
        Start();
        QCOMPARE(Main().geometry(), QRect(100, 120, 700, 600));
        App.reset();

        // A stored size below the smallest is raised to it.
        Folder->WriteText("View.INI", "[FMain]\r\nNormPos=10,20,110,120\r\nFormVersion=0\r\n");
        Start();
        QCOMPARE(Main().geometry(), QRect(10, 20, 568, 519));
    }

    // A failure escaping an event handler is shown with its own text, and the
    // program goes on.
    void failureIsReportedAndWorkGoesOn()
    {
        Start();
        SetNextAnswer(true);
        OpenFromMenu(Folder->Path("lessons/missing.sl2"));
        const QStringList shown = TakeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(QStringLiteral("missing.sl2")), qPrintable(shown[0]));
        QVERIFY(!Main().Lesson().Loaded);
        Key(Qt::Key_F4); // nothing without a lesson
        QCOMPARE(Main().Lesson().RunState, 0);
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        QVERIFY(Main().Lesson().Loaded);
    }

    // A lesson a Linux editor saved in UTF-8 with a byte-order mark: the
    // trainer says it is no lesson, then offers a 1251 copy and opens it.
    void utf8LessonOfferedForConversion()
    {
        std::ofstream(Folder->Path("lessons/utf8.sl2"), std::ios::binary)
            << "\xEF\xBB\xBFKorvan Lesson File Format, Version 2\r\n<header>\r\nTitle=Ёлка\r\n"
               "<body>\r\n1\r\n\r\nЁлка.\r\nA fir.\r\n";
        Start();
        SetNextAnswer(true); // the "not a lesson" message
        SetNextAnswer(true); // yes, convert
        OpenFromMenu(Folder->Path("lessons/utf8.sl2"));
        const QStringList shown = TakeShownMessages();
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[1].contains(QStringLiteral("UTF-8")), qPrintable(shown[1]));
        QVERIFY(Main().Lesson().Loaded);
        QCOMPARE(Main().windowTitle(), Utf8("Ученик 1 | Урок: Ёлка"));
        QVERIFY(QFile::exists(QString::fromStdString(Folder->Path("lessons/utf8 (1251).sl2"))));
    }

    // "Ученики ...": a cancel changes nothing, a choice goes into the caption
    // and the log, and is the pupil of the next start.
    void pupilChosenFromMenu()
    {
        Folder->WriteText("Pupils.ini", "[Main]\r\nPupilsCount=2\r\nSelectedPupilIndex=0\r\n"
                                        "PupilName_0=Иванов\r\nPupilName_1=Петров\r\n");
        Start();
        QCOMPARE(Main().windowTitle(), Utf8("Иванов | Урок: (нет урока)"));
        QVERIFY(Find<QAction>("APupil")->isEnabled());
        {
            TDialogAnswer cancel("FPupils", [](QWidget& dialog) {
                FindIn<QListWidget>(dialog, "LBPupils")->setCurrentRow(1);
                FindIn<QPushButton>(dialog, "BCancel")->click();
            });
            Find<QAction>("APupil")->trigger();
            QVERIFY(cancel.Answered());
        }
        QCOMPARE(Main().windowTitle(), Utf8("Иванов | Урок: (нет урока)"));
        {
            TDialogAnswer choose("FPupils", [](QWidget& dialog) {
                FindIn<QListWidget>(dialog, "LBPupils")->setCurrentRow(1);
                FindIn<QPushButton>(dialog, "BOk")->click();
            });
            Find<QAction>("APupil")->trigger();
            QVERIFY(choose.Answered());
        }
        QCOMPARE(Main().windowTitle(), Utf8("Петров | Урок: (нет урока)"));
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        QCOMPARE(Main().windowTitle(), Utf8("Петров | Урок: Короткий урок"));
        App.reset();

        const std::string log = Folder->ReadText("Log.txt");
        const auto first = log.find("Выбран ученик: Иванов\r\n");
        const auto second = log.find("Выбран ученик: Петров\r\n");
        QVERIFY2(first != std::string::npos && second != std::string::npos && first < second,
                 log.c_str());
        QCOMPARE(log.find("Выбран ученик:", first + 1), second); // not after the cancel
        Start();
        QCOMPARE(Main().windowTitle(), Utf8("Петров | Урок: (нет урока)"));
    }

    // Lessons opened go on top of the recent list under "Урок"; the list and
    // the open folder survive a restart, next to the behaviour settings.
    void recentLessonsAcrossRestart()
    {
        QDir().mkpath(QString::fromStdString(Folder->Path("lessons/more")));
        Folder->WriteLesson("lessons/more/other.sl2", "Другой", false,
                            {{"Комментарий", "Предложение.", "Sentence."}});
        Start();
        QCOMPARE(RecentEntries(), QStringList());
        QVERIFY(!Find<QMenu>("MIOpenRecent")->isEnabled());
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        OpenFromMenu(Folder->Path("lessons/words.sl2"));
        const QString shortEntry = QString::fromStdString(Folder->Path("lessons/short.sl2"));
        const QString wordsEntry = QString::fromStdString(Folder->Path("lessons/words.sl2"));
        QCOMPARE(RecentEntries(), (QStringList{"1  " + wordsEntry, "2  " + shortEntry}));
        App.reset();

        const std::string ini = Folder->ReadText("Korvan.ini");
        QVERIFY2(ini.find("[RecentOpenFiles]") != std::string::npos, ini.c_str());
        QVERIFY(ini.find("HowMany=2") != std::string::npos);
        QVERIFY(ini.find("CfgMode=1") != std::string::npos); // the behaviour's keys stay

        Start();
        QCOMPARE(RecentEntries(), (QStringList{"1  " + wordsEntry, "2  " + shortEntry}));
        Find<QMenu>("MIOpenRecent")->actions().at(1)->trigger();
        QCOMPARE(Main().windowTitle(), Utf8("Ученик 1 | Урок: Короткий урок"));
        QCOMPARE(RecentEntries(), (QStringList{"1  " + shortEntry, "2  " + wordsEntry}));

        // The open dialog now starts in the folder of the last lesson opened.
        SetNextFileName(QString::fromStdString(Folder->Path("lessons/more/other.sl2")));
        Find<QAction>("ALessonOpen")->trigger();
        SetNextFileName(QString());
        Find<QAction>("ALessonOpen")->trigger();
        const QList<TFileDialogRequest> asked = TakeFileDialogRequests();
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1].Folder, QString::fromStdString(Folder->Path("lessons/more")));
        QCOMPARE(Main().windowTitle(), Utf8("Ученик 1 | Урок: Другой"));
    }

    // At the end of a run the sentences answered wrong DiffNum times are
    // offered for saving, named after the lesson and the pupil.
    void mistakesSaveOffered_data()
    {
        QTest::addColumn<int>("wrong"); // times the first sentence is answered wrong
        QTest::addColumn<bool>("offered");
        QTest::newRow("once") << 1 << false;
        QTest::newRow("twice") << 2 << true;
    }

    void mistakesSaveOffered()
    {
        QFETCH(int, wrong);
        QFETCH(bool, offered);
        Folder->WriteText("Pupils.ini", "[Main]\r\nPupilsCount=1\r\nPupilName_0=Петров\r\n");
        Folder->WriteText("Korvan.ini", "[Main]\r\nUseTime=0\r\nOrderKind=0\r\nMistakeChange=0\r\n"
                                        "SaveDiff=1\r\nDiffNum=2\r\nCfgMode=1\r\n");
        const std::string saved = Folder->Path("lessons/mistakes.sl2");
        Start();
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        Key(Qt::Key_F4);
        for (int i = 0; i < wrong; ++i) {
            WaitForPhase(Thinking);
            Key(Qt::Key_F8); // the sentence comes back
        }
        for (int question = 0; question < 3; ++question) {
            WaitForPhase(Thinking);
            Key(Qt::Key_F5);
            WaitForPhase(Judging);
            if (question == 2 && offered)
                SetNextFileName(QString::fromStdString(saved));
            Key(Qt::Key_Space);
        }
        QCOMPARE(Main().Lesson().RunState, 2);

        const QList<TFileDialogRequest> asked = TakeFileDialogRequests();
        QCOMPARE(asked.size(), offered ? 1 : 0);
        if (!offered)
            return;
        QCOMPARE(asked[0].Dialog, QStringLiteral("SaveLessonDialog"));
        QCOMPARE(asked[0].Title, Utf8("Сохранить урок для работы над ошибками как"));
        QCOMPARE(asked[0].Folder, QString::fromStdString(Folder->Path("lessons")));
        QCOMPARE(asked[0].File, Utf8("Ошибки в short (Петров).sl2"));
        const std::string lesson = Folder->ReadText("lessons/mistakes.sl2");
        QVERIFY2(lesson.find("Первое предложение.") != std::string::npos, lesson.c_str());
        QVERIFY(lesson.find("Второе предложение.") == std::string::npos);
    }

    // "Поведение программы ..." confirmed during a run says that the run keeps
    // its settings, and it does.
    void behaviourDialog_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("idle, confirmed") << false << true;
        QTest::newRow("running, confirmed") << true << true;
        QTest::newRow("running, cancelled") << true << false;
    }

    void behaviourDialog()
    {
        QFETCH(bool, running);
        QFETCH(bool, confirm);
        Start();
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        if (running)
            Key(Qt::Key_F4);
        TDialogAnswer answer("FBehavior", [confirm](QWidget& dialog) {
            FindIn<QRadioButton>(dialog, "RBUseTextInput")->click();
            FindIn<QPushButton>(dialog, confirm ? "BOk" : "BCancel")->click();
        });
        const bool warned = running && confirm;
        if (warned)
            SetNextAnswer(true);
        Find<QAction>("ABehavior")->trigger();
        QVERIFY(answer.Answered());
        QCOMPARE(TakeShownMessages(),
                 warned ? QStringList{Utf8("Выбранные Вами параметры будут использованы только "
                                           "при работе со следующим уроком или после повторного "
                                           "запуска текущего урока.")}
                        : QStringList{});
        QCOMPARE(App->Behavior().Settings().CurrentCfg.UseTextInput, confirm);
        QVERIFY(!Main().Drill().Cfg().UseTextInput);
        if (running) {
            WaitForPhase(Thinking);
            QVERIFY(!Pane("MInput")->isVisible());
        }
    }

    // "Помощь": the documents and addresses go to the desktop, the about box
    // opens.
    void helpMenu()
    {
        Start();
        QCOMPARE(Captions(MenuOf("BHelp", "PMHelp")),
                 (QStringList{Utf8("Описание работы с программой"),
                              Utf8("Создание собственных уроков для программы"), "-",
                              Utf8("Сайт программы"), Utf8("Написать мне письмо"), "-",
                              Utf8("Язык интерфейса"), "-", Utf8("О программе ...")}));
        // By keys alone: Enter on the focused button opens its menu.
        Find<QPushButton>("BHelp")->setFocus();
        Key(Qt::Key_Return);
        QVERIFY(Find<QMenu>("PMHelp")->isVisible());
        Find<QMenu>("PMHelp")->close();
        Find<QAction>("AHelpUserGuide")->trigger();
        QCOMPARE(Opened, QList<QUrl>{QUrl::fromLocalFile(
                             QString::fromStdString(Folder->Path("docs/korvan/user_guide.htm")))});
        TDialogAnswer about("FAbout",
                            [](QWidget& dialog) { FindIn<QPushButton>(dialog, "BOk")->click(); });
        Find<QAction>("AAbout")->trigger();
        QVERIFY(about.Answered());
    }

    // Each entry of the settings and help menus opens its own dialog.
    void reviewAndAboutEntries()
    {
        Start();
        TDialogAnswer review(
            "FReview", [](QWidget& dialog) { FindIn<QPushButton>(dialog, "BCancel")->click(); });
        Find<QAction>("AReview")->trigger();
        QVERIFY(review.Answered());
        TDialogAnswer about("FAbout",
                            [](QWidget& dialog) { FindIn<QPushButton>(dialog, "BOk")->click(); });
        Find<QAction>("AAbout")->trigger();
        QVERIFY(about.Answered());
    }

    // "Язык интерфейса": the stored choice is checked, a new one is written to
    // Skin.ini at once and said to take effect at the next start.
    void interfaceLanguageMenu()
    {
        Folder->WriteSkin("Language=en\r\n");
        Start();
        auto* menu = Find<QMenu>("PMLanguage");
        QCOMPARE(Captions(menu), (QStringList{Utf8("Как в системе"), Utf8("Русский"), "English"}));
        menu->popup(QPoint(0, 0));
        QVERIFY(Find<QAction>("ALanguageEnglish")->isChecked());
        menu->close();

        Find<QAction>("ALanguageEnglish")->trigger(); // already so: nothing said
        QVERIFY(TakeShownMessages().isEmpty());
        const QStringList nextStart{Utf8("Язык интерфейса сменится при следующем запуске.")};
        for (const auto& [action, stored] : {std::pair{"ALanguageRussian", "Language=ru\r\n"},
                                             std::pair{"ALanguageSystem", "Language=\r\n"}}) {
            SetNextAnswer(true);
            Find<QAction>(action)->trigger();
            QCOMPARE(TakeShownMessages(), nextStart);
            QVERIFY2(Folder->ReadText("Skin.ini").find(stored) != std::string::npos, action);
        }
        // The appearance dialog keeps it when it writes its settings at the end.
        App.reset();
        QVERIFY(Folder->ReadText("Skin.ini").find("Language=\r\n") != std::string::npos);
    }

    // The drill log is a file format teachers' tools read: the interface's
    // language leaves it as it is, byte for byte but for the times and the
    // folder.
    void drillLogSameUnderEnglish()
    {
        QStringList logs;
        for (const TUiLanguage language : {TUiLanguage::Russian, TUiLanguage::English}) {
            InstallTranslations(language);
            Folder = std::make_unique<TTestFolder>();
            Folder->WriteSampleLessons();
            Start();
            OpenFromMenu(Folder->Path("lessons/short.sl2"));
            Key(Qt::Key_F4);
            QTRY_COMPARE(PhaseOf(Main()), Thinking);
            Key(Qt::Key_Space);
            QTRY_COMPARE(PhaseOf(Main()), Judging);
            Key(Qt::Key_Control); // wrong
            App.reset();
            // Each run has a folder of its own.
            logs << QString::fromStdString(Folder->ReadText("Log.txt"))
                        .replace(QString::fromStdString(Folder->Path("")), QStringLiteral("/"))
                        .replace(QRegularExpression(QStringLiteral("[0-9]")), QStringLiteral("0"));
        }
        InstallTranslations(TUiLanguage::Russian);
        QVERIFY2(logs[0].contains(Utf8("Запущен урок.")), qPrintable(logs[0]));
        QCOMPARE(logs[1], logs[0]);
    }

    // A whole run under English: the drill's own texts in the panes, the
    // counters and the caption are English; only the lesson's content and the
    // pupil's stored name keep their letters.
    void drillSpeaksEnglish()
    {
        InstallTranslations(TUiLanguage::English);
        Start();
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        QStringList content{Utf8("Ученик 1"), FromCp1251(Main().Lesson().Title)};
        for (const TQuestion& q : Main().Lesson().Questions)
            content << FromCp1251(q.Comment) << FromCp1251(q.RText) << FromCp1251(q.EText);
        QStringList shown;
        const auto look = [&] {
            shown << Main().windowTitle();
            for (const char* name : {"MInfo", "MHelpMsg", "M1", "M2", "M3"})
                shown << Find<QTextEdit>(name)->toPlainText();
            for (const char* name : {"LShowMoreTotal", "LSelQ_ShowMoreTimes", "Label4", "Label5"})
                shown << Find<QLabel>(name)->text();
        };
        look();
        Key(Qt::Key_F4);
        for (int question = 0; question < 3; ++question) {
            QTRY_COMPARE(PhaseOf(Main()), Thinking);
            look();
            Key(Qt::Key_Space);
            QTRY_COMPARE(PhaseOf(Main()), Judging);
            look();
            Key(Qt::Key_Space); // right
        }
        QTRY_COMPARE(Main().Lesson().RunState, 2);
        look();
        InstallTranslations(TUiLanguage::Russian);
        QVERIFY2(shown.join(' ').contains(QStringLiteral("Sentences: ")),
                 qPrintable(shown.join('|')));
        for (QString text : shown) {
            for (const QString& allowed : content)
                if (!allowed.isEmpty())
                    text.remove(allowed);
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]"))),
                     qPrintable(text));
        }
    }

    // The authoring submenu ends the lesson menu; its dialogs start in the
    // lesson-creation folder of Korvan.ini, which is kept at the end.
    // The editor on the open lesson: a save is read again by the trainer, and
    // "Проверить в тренажёре" starts a run of it.
    void lessonEditorFromLessonMenu()
    {
        Start();
        const std::string lesson = Folder->Path("lessons/short.sl2");
        OpenFromMenu(lesson);
        SetNextFileName(QString::fromStdString(lesson));
        Find<QAction>("ALessonEdit")->trigger();
        TFLessonEditor* editor = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* e = qobject_cast<TFLessonEditor*>(w))
                editor = e;
        QVERIFY(editor != nullptr && editor->isVisible());
        QCOMPARE(editor->Path(), lesson);
        TEditorHeader header = editor->Editor().Document.Header();
        header.Title = "Правленый урок";
        editor->Editor().SetHeader(header);
        QVERIFY(editor->Save());
        QCOMPARE(Main().windowTitle(), Utf8("Ученик 1 | Урок: Правленый урок"));
        editor->findChild<QAction*>(QStringLiteral("ATryInTrainer"))->trigger();
        QCOMPARE(Main().Lesson().RunState, 1);
        TakeFileDialogRequests();
    }

    void authoringFromLessonMenu()
    {
        QDir().mkpath(QString::fromStdString(Folder->Path("mine")));
        Folder->WriteText("mine/draft.doc", "draft");
        Folder->WriteText("Korvan.ini", "[Main]\r\nCfgMode=1\r\n[LessonCreate]\r\n"
                                        "RecentLessonCreateFolder=" +
                                            Folder->Path("mine/") + "\r\n");
        Start();
        QCOMPARE(Captions(MenuOf("BLesson", "PMLesson")),
                 (QStringList{Utf8("Открыть урок ..."), Utf8("Открыть недавний урок"),
                              Utf8("Повторение на сегодня ..."), Utf8("Импорт урока ..."), "-",
                              Utf8("Новый урок ..."), Utf8("Редактировать урок ..."), "-",
                              Utf8("Сохранить урок"), "-", Utf8("Создать / редактировать урок")}));
        auto* create = Find<QMenu>("MILessonCreate");
        QCOMPARE(Captions(create),
                 (QStringList{Utf8("Создание собственных уроков для программы"), "-",
                              Utf8("Создать обычный урок с помощью MS Word ..."),
                              Utf8("Создать урок для изучения слов с помощью MS Word ..."),
                              Utf8("Продолжить редактирование урока в MS Word ...")}));
        for (const QAction* a : create->actions())
            QVERIFY(a->isEnabled());

        const QString draft = QString::fromStdString(Folder->Path("mine/draft.doc"));
        QString startedIn;
        TDialogAnswer edit("OpenWordDialog", [&](QWidget& dialog) {
            auto& files = static_cast<QFileDialog&>(dialog);
            startedIn = files.directory().absolutePath();
            files.selectFile(draft);
            static_cast<QDialog&>(dialog).accept(); // QFileDialog::accept, the "Open" button
        });
        Find<QAction>("ALessonEdit_Word")->trigger();
        QVERIFY(edit.Answered());
        QCOMPARE(startedIn, QString::fromStdString(Folder->Path("mine")));
        QCOMPARE(Opened, QList<QUrl>{QUrl::fromLocalFile(draft)});
        App.reset();

        const std::string ini = Folder->ReadText("Korvan.ini");
        QVERIFY2(ini.find("RecentLessonCreateFolder=" + Folder->Path("mine/")) != std::string::npos,
                 ini.c_str());
        QVERIFY(ini.find("[RecentOpenFiles]") != std::string::npos);
        QVERIFY(ini.find("UseTextInput=") != std::string::npos);
    }

    // The sound buttons: the own-answer button always, the repeat buttons only
    // during a run of a lesson with recordings, the progress box giving them
    // room. No sentence sound is asked for here (UseRWav and UseEWav off), so
    // a machine without audio shows no message.
    void soundButtons()
    {
        Folder->WriteText("lessons/audio.sl2",
                          "Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=Звук\r\n"
                          "HasRuAudio\r\nHasEnAudio\r\n<body>\r\n1\r\nКомментарий\r\n"
                          "Предложение.\r\nSentence.\r\n");
        Folder->WriteText("Korvan.ini", "[Main]\r\nUseTime=0\r\nOrderKind=0\r\nUseRWav=0\r\n"
                                        "UseEWav=0\r\nCfgMode=1\r\n");
        Start();
        QVERIFY(Find("BRecStartStopPlay")->isVisible());
        QVERIFY(Find<QPushButton>("BRecStartStopPlay")->isCheckable());
        OpenFromMenu(Folder->Path("lessons/audio.sl2"));
        QVERIFY(!Find("BRepeatRuSound")->isVisible());
        Key(Qt::Key_F4);
        QVERIFY(Find("BRepeatRuSound")->isVisible());
        QVERIFY(Find("BRepeatEnSound")->isVisible());
        // Stacked above the separator at 432, the box ending above them.
        QCOMPARE(Find("BRepeatEnSound")->geometry(), QRect(420, 432 - 20 - 25, 145, 25));
        QVERIFY(Find("BRepeatRuSound")->y() < Find("BRepeatEnSound")->y());
        QVERIFY(Find("ProgressPaintBox")->geometry().bottom() < Find("BRepeatRuSound")->y());
        WaitForPhase(Thinking);
        QCOMPARE(Text("M2"), Utf8("Предложение."));

        // The short lesson has no recordings: no repeat buttons in its run.
        OpenFromMenu(Folder->Path("lessons/short.sl2"));
        Key(Qt::Key_F4);
        QVERIFY(!Find("BRepeatRuSound")->isVisible());
        QVERIFY(!Find("BRepeatEnSound")->isVisible());
    }

    // A lesson with recordings on a machine that may have no audio output:
    // whether a sound plays or is reported as not played, the run goes on and
    // every text is shown.
    void recordingsWithOrWithoutAudio()
    {
        const QString shipped = QStringLiteral(KORVAN_SHIPPED_DATA "/program/lessons/everyday/");
        for (const char* name : {"001R.WAV", "001E.WAV"})
            QFile::copy(shipped + QString::fromLatin1(name),
                        QString::fromStdString(Folder->Path("lessons/")) +
                            QString::fromLatin1(name));
        Folder->WriteText("lessons/audio.sl2",
                          "Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=Звук\r\n"
                          "HasRuAudio\r\nHasEnAudio\r\n<body>\r\n1\r\nКомментарий\r\n"
                          "Предложение.\r\nSentence.\r\n");
        Folder->WriteText("Korvan.ini", "[Main]\r\nUseTime=0\r\nOrderKind=0\r\nUseRWav=1\r\n"
                                        "UseEWav=1\r\nCfgMode=1\r\n");
        // Every message box that comes is read and closed.
        QStringList shown;
        QTimer boxes;
        boxes.setInterval(5);
        connect(&boxes, &QTimer::timeout, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->accept();
            }
        });
        boxes.start();
        Start();
        OpenFromMenu(Folder->Path("lessons/audio.sl2"));
        Key(Qt::Key_F4);
        QTRY_VERIFY_WITH_TIMEOUT(PhaseOf(Main()) == Thinking, 10000);
        QCOMPARE(Text("M2"), Utf8("Предложение."));
        QVERIFY(Find("BRepeatRuSound")->isVisible());
        Key(Qt::Key_F5);
        QTRY_VERIFY_WITH_TIMEOUT(PhaseOf(Main()) == Judging, 10000);
        QCOMPARE(Text("M3"), QStringLiteral("Sentence."));
        for (const QString& text : shown)
            QVERIFY2(text.contains(Utf8("нет устройства вывода звука")), qPrintable(text));
    }

    void escapeClosesOnlyWhenAllowed()
    {
        Start();
        Key(Qt::Key_Escape);
        QTest::qWait(20);
        QVERIFY(Main().isVisible());
        App.reset();

        Folder->WriteSkin("UseEscapeForExit=1\r\n");
        Start();
        Key(Qt::Key_Escape);
        QTRY_VERIFY(!Main().isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"

#include "ui/drill/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <utility>

#include "drill/Drill.h"
#include "drill/DrillTexts.h"
#include "drill/PaneLayout.h"
#include "settings/BehaviorSettings.h"
#include "settings/LessonAuthoring.h"
#include "settings/SkinCfg.h"
#include "settings/WindowPlacement.h"
#include "timing/TimeCalculator.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/BehaviorDialog.h"
#include "ui/dialogs/DerivedLessonSave.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/dialogs/InputModeDialog.h"
#include "ui/dialogs/PupilsDialog.h"
#include "ui/dialogs/SkinDialog.h"
#include "ui/drill/Authoring.h"
#include "ui/drill/DrillButtons.h"
#include "ui/drill/LessonMenu.h"
#include "ui/drill/MainMenus.h"
#include "ui/drill/MemoryService.h"
#include "ui/drill/PaneView.h"
#include "ui/drill/TeacherReport.h"
#include "ui/editor/EditorWindow.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/DrawnIcon.h"
#include "ui/platform/Fonts.h"
#include "ui/platform/QtPorts.h"
#include "ui/platform/SoundService.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/Log.h"
#include "util/Paths.h"
#include "util/Text.h"

namespace korvan {

namespace {

// Client area at design, in pixels (96 pixels per inch); also the smallest
// size the window can be dragged to.
constexpr int DesignWidth = 568;
constexpr int DesignHeight = 519;

} // namespace

// ---------------------------------------------------------------------------
// Behaviour settings link

int TBehaviorLink::CurrentMode() const
{
    return Settings ? Settings->CurrentMode : 0;
}

TBehaviorCfg TBehaviorLink::CurrentCfg() const
{
    return Settings ? Settings->CurrentCfg : TBehaviorCfg{};
}

std::string TBehaviorLink::ModeName(int index) const
{
    return Settings ? Settings->ModeName(index) : std::string();
}

std::string DrillLogPath()
{
    return UserFile("Log.txt");
}

// ---------------------------------------------------------------------------
// Creation and destruction

TFMain::TFMain(QWidget* parent) : QWidget(parent), Random(SeedFromTime(Clock.Now()))
{
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(tr("Урок: (нет)"));
    QFont font(InstalledFace(QStringLiteral("MS Sans Serif")));
    font.setPixelSize(11);
    setFont(font);
    resize(DesignWidth, DesignHeight);
    setMinimumSize(DesignWidth, DesignHeight);

    CreateControls();

    Messages = std::make_unique<TQtMessageBox>(this);
    Timers = std::make_unique<TQtQuestionTimers>(
        this, [this] { Guard([this] { FDrill->TimerM1AndM2Tick(); }); },
        [this] { Guard([this] { FDrill->TimerM3PauseTick(); }); });
    Sound = std::make_unique<TSoundService>(
        this, FLesson,
        TSoundWidgets{findChild<QAbstractButton*>(QStringLiteral("BRepeatRuSound")),
                      findChild<QAbstractButton*>(QStringLiteral("BRepeatEnSound")),
                      findChild<QAbstractButton*>(QStringLiteral("BRecStartStopPlay")),
                      findChild<QWidget*>(QStringLiteral("LRecStartStopPlay")), Progress->Box(),
                      Progress->RestSeparator()},
        FileLocations().Shipped);

    // FormCreate.
    Panes->InitPanes();
    Progress->SetGaugePosition(0);
    if (const std::optional<TFolderProblem> problem = PrepareUserFolder())
        ReportLoss(tr("Не удаётся сохранять файлы в папке \"%1\": %2.\nУроки можно проходить, "
                      "но настройки, журнал и новые уроки этой работы с программой не сохранятся.")
                       .arg(QString::fromStdString(problem->Folder),
                            QCoreApplication::translate("Paths",
                                                        FolderErrorText(problem->Error).c_str())));
    ProgramLog().ReportFailuresTo([this](const std::string& failure) {
        ReportLoss(tr("Журнал занятий не сохраняется.\n%1").arg(QString::fromUtf8(failure)));
    });
    OpenLog(DrillLogPath());
    Recent.Load(UserFile("Korvan.ini"), FileLocations().Shipped);
    Authoring = std::make_unique<TAuthoring>(
        this, FileLocations().Shipped,
        LoadLessonCreateFolder(UserFile("Korvan.ini"), FileLocations().User));
    Calculator = std::make_unique<TTimeCalculator>(
        AdaptableFile("Time.ini"),
        [this](const TShownText& message) { Messages->ShowMsgBox(message, TMsgButtons::Ok); });
    FMemory = std::make_unique<TMemoryService>(
        this, UserFile("Korvan.ini"), FileLocations().User, [this](const std::string& failure) {
            // Said after the verdict's own handling, once a pupil.
            QTimer::singleShot(0, this, [this, failure] {
                ShowMsgBox(
                    this, tr("История ученика не сохраняется.\n%1").arg(QString::fromUtf8(failure)),
                    false);
            });
        });
    FDrill = std::make_unique<TDrill>(FLesson, *Calculator,
                                      TDrillPorts{*this, *Sound, *Timers, Random, Clock, *Messages,
                                                  ProgramLog(), Behavior, FMemory.get()});
    // A click on a sound button during a waited sound acts after it, like a key.
    Sound->Connect(
        TSoundHooks{[this] { return FDrill->Phase(); },
                    [this](bool played) { Guard([&] { FDrill->WaitedSoundEnded(played); }); },
                    [this](std::function<void()> action) {
                        Guard([&] { FDrill->Defer(std::move(action)); });
                    }});
    DerivedSave = std::make_unique<TDerivedLessonSave>(this);
    LessonMenu = std::make_unique<TLessonMenu>(
        this, FLesson, Recent,
        TLessonMenuHandlers{[this](const std::string& path) { OpenLessonOrConvert(path); },
                            [this] { DerivedSave->SaveRestOrWithMistakes(FLesson, PupilName); },
                            [this] { AImportLessonExecute(); }, [this] { EditLesson({}); },
                            [this](const std::string& path) { EditLesson(path); },
                            [this] { AReviewTodayExecute(); }});
    FMemory->DueChanged = [this] { LessonMenu->SetReviewCount(FMemory->DueCount()); };
    LessonMenu->UseLessonCreateMenu(
        [this](QMenu* pmLesson) { return Authoring->AddLessonCreateMenu(pmLesson); });
    Menus = std::make_unique<TMainMenus>(
        this,
        TMenuHandlers{
            [this] { Guard([this] { APupilExecute(); }); },
            [this] { OpenTeacherReport(this, DrillLogPath()); },
            [this] { Guard([this] { ABehaviorExecute(); }); },
            [this] { Guard([this] { ASkinExecute(); }); },
            [this] { Guard([this] { AAboutExecute(); }); },
            [this] { Guard([this] { AReviewExecute(); }); }, [this] { return Skin().Language; },
            [this](const std::string& stored) {
                if (SkinDialog)
                    SkinDialog->SetLanguage(stored);
                ShowMsgBox(this,
                           QCoreApplication::translate(
                               "TMainMenus", "Язык интерфейса сменится при следующем запуске."),
                           false);
            }},
        *Authoring);
    Announcer = new TAnnouncer(this);
    ApplyAccessibleTexts(this);
    FDrill->LogProgramStarted();
    ShowInPane(TPane::MInfo, ChooseLessonText());

    qApp->installEventFilter(this);
}

TFMain::~TFMain()
{
    qApp->removeEventFilter(this);
    if (!PlacementSaved) {
        try {
            SavePlacement();
        } catch (const std::exception&) {
            // Nothing can be shown any more; the next start keeps the old place.
        }
    }
    // FormDestroy: the end of the program, then the objects, then the log. A
    // log that cannot be written any more loses its last entry only: there is
    // nobody left to tell.
    ProgramLog().ReportFailuresTo([](const std::string&) {});
    FDrill->LogProgramFinished();
    FDrill.reset();
    Calculator.reset();
    try {
        SaveLessonCreateFolder(UserFile("Korvan.ini"), Authoring->CreateFolder());
        Recent.Save(UserFile("Korvan.ini"));
    } catch (const std::exception&) {
        // A user folder that cannot be written was reported at the start; the
        // next start keeps the old values.
    }
    CloseLog();
    ProgramLog().ReportFailuresTo({});
}

void TFMain::CreateControls()
{
    Panes = std::make_unique<TPaneView>(this);

    const TDrillButtons buttons = CreateDrillButtons(this, Anchors);
    BLesson = buttons.Lesson;
    BCustomize = buttons.Customize;
    BHelp = buttons.Help;
    std::copy(std::begin(buttons.KeyLabels), std::end(buttons.KeyLabels), KeyLabels);

    Progress = std::make_unique<TProgressView>(this, [this] {
        return ProgressCountersOf(FLesson, FDrill ? FDrill->Cfg().InitialShows : 1);
    });
    for (const TAnchored& a : Progress->Anchors())
        Anchors.push_back(a);

    connect(BLesson, &QPushButton::clicked, this, [this] { LessonMenu->BLessonClick(BLesson); });
    connect(BCustomize, &QPushButton::clicked, this,
            [this] { PopupUnderButton(BCustomize, Menus->PMCustomize); });
    connect(BHelp, &QPushButton::clicked, this, [this] { PopupUnderButton(BHelp, Menus->PMHelp); });
    connect(buttons.Start, &QPushButton::clicked, this,
            [this] { Guard([this] { FDrill->StartLesson(); }); });
    connect(buttons.Right, &QPushButton::clicked, this,
            [this] { Guard([this] { FDrill->ShowTranslationOrRightClick(); }); });
    connect(buttons.Wrong, &QPushButton::clicked, this,
            [this] { Guard([this] { FDrill->WrongClick(); }); });
}

void TFMain::AttachDialogs(const TDialogs& dialogs)
{
    PupilsDialog = dialogs.Pupils;
    BehaviorDialog = dialogs.Behavior;
    Behavior.Settings = dialogs.Behavior ? &dialogs.Behavior->Settings() : nullptr;
    SkinDialog = dialogs.Skin;
    AboutDialog = dialogs.About;
    InpModeDialog = dialogs.InpMode;
}

void TFMain::SetCommandLine(std::vector<std::string> arguments)
{
    Arguments = std::move(arguments);
}

// ---------------------------------------------------------------------------
// Showing

void TFMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FirstShowDone)
        return;
    FirstShowDone = true;
    FormShow();
}

void TFMain::FormShow()
{
    Guard([this] {
        PupilChanged();
        WarnSettingsApplyLater();
        ApplyAppearance();
        Sound->PlaceSoundButtons();
    });
}

// ---------------------------------------------------------------------------
// Placement and size

void TFMain::RestorePlacement()
{
    const std::optional<TWindowPlacement> stored = LoadWindowPlacement(UserFile("View.INI"));
    if (!stored)
        return;
    QRect r(stored->Left, stored->Top, stored->Right - stored->Left, stored->Bottom - stored->Top);
    r.setSize(r.size().expandedTo(minimumSize()));
    setGeometry(r);
    // A window left minimized comes back normal: a trainer hidden at start
    // would look as if it had not started.
    if (stored->ShowCmd == ShowMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TFMain::SavePlacement()
{
    TWindowPlacement p;
    // The client rectangle: under X11 the frame belongs to the window manager
    // and is not known before the window is mapped, so it could not be taken
    // off again when restoring.
    QRect r = normalGeometry();
    if (!r.isValid())
        r = geometry();
    p.Left = r.left();
    p.Top = r.top();
    p.Right = r.left() + r.width();
    p.Bottom = r.top() + r.height();
    p.ShowCmd = isMinimized() ? ShowMinimized : isMaximized() ? ShowMaximized : ShowNormal;
    p.PixelsPerInch = logicalDpiX();
    // Wayland never tells a window where it is (it reads 0, 0): the position
    // stored stays for a desktop that lets the window choose it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        p = WithStoredPosition(p, LoadWindowPlacement(UserFile("View.INI")));
    SaveWindowPlacement(p, UserFile("View.INI"));
    PlacementSaved = true;
}

void TFMain::closeEvent(QCloseEvent* event)
{
    if (LessonEditor && LessonEditor->isVisible()) {
        if (!LessonEditor->ConfirmDiscard()) {
            event->ignore();
            return;
        }
        // The program ends with its main window; a visible editor would keep it going.
        LessonEditor->hide();
    }
    Guard([this] { SavePlacement(); });
    event->accept();
}

void TFMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TFMain::FormResize()
{
    // The right-hand column keeps its distance from the right edge, its lower
    // group from the bottom; the framed area grows with the window.
    const int dx = width() - DesignWidth;
    const int dy = height() - DesignHeight;
    for (const TAnchored& a : Anchors)
        a.Widget->move(a.Design.x() + dx, a.Design.y() + (a.Bottom ? dy : 0));
    Panes->Frame()->resize(409 + dx, 505 + dy);
    if (Sound)
        Sound->PlaceSoundButtons();
    if (FDrill)
        LayoutPanes();
}

// ---------------------------------------------------------------------------
// Keys

namespace {

bool DrillKeyOf(int key, TDrillKey& drillKey)
{
    switch (key) {
    case Qt::Key_F4:
        drillKey = TDrillKey::F4;
        return true;
    case Qt::Key_F5:
        drillKey = TDrillKey::F5;
        return true;
    case Qt::Key_Space:
        drillKey = TDrillKey::Space;
        return true;
    case Qt::Key_F8:
        drillKey = TDrillKey::F8;
        return true;
    case Qt::Key_Control: // either Ctrl key, alone or the start of a chord
        drillKey = TDrillKey::Ctrl;
        return true;
    case Qt::Key_Escape:
        drillKey = TDrillKey::Esc;
        return true;
    default:
        return false;
    }
}

} // namespace

bool TFMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || Redelivering)
        return false;
    // The window sees a key before its focused control does; Qt then offers an
    // ignored key to each parent in turn, which must not reach the engine again.
    QWidget* first = QApplication::focusWidget();
    if (first == nullptr)
        first = this;
    if (watched != first || first->window() != this || QApplication::activeModalWidget() ||
        QApplication::activePopupWidget())
        return false;
    const int pressed = static_cast<QKeyEvent*>(event)->key();
    // Space is a verdict key here, so a pupil working by keys alone opens the
    // menus of the focused button with Enter (a push button outside a dialog
    // does not take it by itself).
    if (auto* button = qobject_cast<QPushButton*>(first);
        button && (pressed == Qt::Key_Return || pressed == Qt::Key_Enter)) {
        button->click();
        return true;
    }
    TDrillKey key;
    if (!DrillKeyOf(pressed, key))
        return false;
    bool handled = false;
    Guard([&] { handled = FDrill->FormKeyDown(key); });
    return handled;
}

void TFMain::DeliverUnhandledKey(TDrillKey key)
{
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || target->window() != this)
        target = this;
    int qtKey = Qt::Key_Space;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
    switch (key) {
    case TDrillKey::Space:
        text = QStringLiteral(" ");
        break;
    case TDrillKey::Ctrl:
        qtKey = Qt::Key_Control;
        modifiers = Qt::ControlModifier;
        break;
    case TDrillKey::Esc:
        qtKey = Qt::Key_Escape;
        break;
    case TDrillKey::F4:
        qtKey = Qt::Key_F4;
        break;
    case TDrillKey::F5:
        qtKey = Qt::Key_F5;
        break;
    case TDrillKey::F8:
        qtKey = Qt::Key_F8;
        break;
    }
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    Redelivering = true;
    QCoreApplication::sendEvent(target, &press);
    Redelivering = false;
}

// ---------------------------------------------------------------------------
// The drill's view

void TFMain::ShowInPane(TPane pane, const TShownText& text)
{
    Panes->ShowInPane(pane, Shown(text));
}

void TFMain::Announce(const TShownText& text)
{
    Announcer->Announce(Shown(text));
}

void TFMain::SetGaugeMax(int maximum)
{
    Progress->SetGaugeMax(maximum);
}

void TFMain::SetGaugePosition(int position)
{
    Progress->SetGaugePosition(position);
}

void TFMain::SetCounterLabel(TCounterLabel label, const TPhrase& text)
{
    Progress->SetCounterLabel(label, Shown(text));
}

void TFMain::SetKeyCaption(TKeyCaption caption, const std::string& text)
{
    KeyLabels[static_cast<int>(caption)]->setText(FromCp1251(text));
}

void TFMain::LayoutPanes()
{
    TPaneLayoutInput input;
    input.Frame = Panes->FrameRect();
    input.ShowHelpMsg = Skin().ShowHelpMsg;
    input.Running = FLesson.RunState == 1;
    input.Words = FLesson.Words;
    input.TranslRE = FDrill->Cfg().TranslRE;
    input.UseTextInput = FDrill->Cfg().UseTextInput;
    input.HelpMsgTextHeight = [this](int width) {
        QStringList texts;
        for (const TPhrase& text : DrillTexts().HelpTexts())
            texts.push_back(Shown(text));
        return Panes->TextHeight(TPane::MHelpMsg, texts, width);
    };
    Panes->ApplyLayout(korvan::LayoutPanes(input));
}

void TFMain::ApplyAppearance()
{
    Panes->ApplyAppearance(Skin());
    LayoutPanes();
}

void TFMain::RepaintProgress()
{
    Progress->Repaint();
}

void TFMain::FocusInput()
{
    Panes->Pane(TPane::MInput)->setFocus(Qt::OtherFocusReason);
}

void TFMain::CloseWindow()
{
    // After the engine's key handler has returned.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TFMain::AddRecentLesson(const std::string& path)
{
    Recent.Add(path);
}

void TFMain::OfferMistakesSave(const TBehaviorCfg& cfg)
{
    Announcer->Flush(); // the results are said before the dialog takes the focus
    DerivedSave->OfferMistakesSave(FLesson, cfg, PupilName);
}

TAppearanceFlags TFMain::Appearance() const
{
    const TSkinCfg& skin = Skin();
    return {skin.ShowHelpMsg, skin.UseEscapeForExit};
}

const TSkinCfg& TFMain::Skin() const
{
    static const TSkinCfg defaults;
    return SkinDialog ? SkinDialog->Settings() : defaults;
}

void TFMain::ReportLoss(const QString& text)
{
    if (std::exchange(LossReported, true))
        return;
    // Not inside the step that failed: a modal box there would run the timers.
    QTimer::singleShot(0, this, [this, text] { ShowMsgBox(this, text, false); });
}

bool TFMain::Guard(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const TSilentAbort&) {
        return false;
    } catch (const std::exception& e) {
        ShowMsgBox(this, QString::fromUtf8(e.what()), false);
        return false;
    }
}

} // namespace korvan

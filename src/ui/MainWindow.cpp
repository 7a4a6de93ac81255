#include "MainWindow.h"

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

#include "AboutDialog.h"
#include "Accessibility.h"
#include "Authoring.h"
#include "BehaviorDialog.h"
#include "Cp1251.h"
#include "DerivedLessonSave.h"
#include "DrawnIcon.h"
#include "Fonts.h"
#include "ImportDialog.h"
#include "InputModeDialog.h"
#include "LessonEditor.h"
#include "LessonMenu.h"
#include "MainMenus.h"
#include "PaneView.h"
#include "PupilsDialog.h"
#include "QtPorts.h"
#include "SkinDialog.h"
#include "SoundService.h"
#include "TeacherReport.h"
#include "UiHelpers.h"
#include "drill/Drill.h"
#include "drill/DrillTexts.h"
#include "drill/PaneLayout.h"
#include "settings/BehaviorSettings.h"
#include "settings/LessonAuthoring.h"
#include "settings/SkinCfg.h"
#include "settings/WindowPlacement.h"
#include "timing/TimeCalculator.h"
#include "util/Log.h"
#include "util/Paths.h"
#include "util/Text.h"

namespace korvan {

namespace {

// Client area at design, in pixels (96 pixels per inch); also the smallest
// size the window can be dragged to.
constexpr int DesignWidth = 568;
constexpr int DesignHeight = 519;
// Longest lesson title in the caption, in characters.
constexpr std::size_t MaxCaptionTitle = 255;

QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

template <typename W> W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect bounds)
{
    auto* button = Named(new QPushButton(Utf8(caption), parent), name);
    button->setGeometry(bounds);
    return button;
}

// A flat button drawn only when pressed: what shows is the legends on it.
// It never takes the focus, so Space and Enter stay with the drill's keys.
QPushButton* MakeFlatButton(QWidget* parent, const char* name, QRect bounds)
{
    QPushButton* button = MakeButton(parent, name, "", bounds);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The design's 8-point face was narrower than the faces that stand in for it:
// a meaning that would not fit its line wraps onto two, centred on the line
// (the legends of a button lie far enough apart), rather than being drawn
// narrower or cut.
void FitLegend(QLabel* label)
{
    if (label->sizeHint().width() <= label->width())
        return;
    label->setWordWrap(true);
    QRect place = label->geometry();
    const int need = label->heightForWidth(place.width());
    if (need > place.height())
        place.adjust(0, -(need - place.height()) / 2, 0, (need - place.height() + 1) / 2);
    label->setGeometry(place);
}

// A legend on a flat button: clicks pass through to the button.
QLabel* MakeLegend(QPushButton* button, const char* name, const char* text, QRect bounds,
                   bool framed)
{
    auto* label = Named(new QLabel(Utf8(text), button), name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setGeometry(bounds);
    if (framed) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(Qt::AlignCenter);
    } else {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        FitLegend(label);
    }
    return label;
}

// Key legends are 59 pixels wide; meaning labels start at window left 492.
constexpr int KeyLeft = 8;
constexpr int KeyWidth = 59;
constexpr int LegendHeight = 17;
constexpr int MeaningLeft = 492 - 420;
constexpr int MeaningWidth = 145 - MeaningLeft;

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

std::string LessonPathOfArgument(const std::string& argument)
{
    const std::string path(TrimControls(argument));
    // "D:\..." stays absolute as it always was; "/..." is the absolute form here.
    if ((!path.empty() && path[0] == '/') || (path.size() > 1 && path[1] == ':'))
        return path;
    // The user's own file of that name first, then the bundled one.
    return AdaptableFile(path);
}

// ---------------------------------------------------------------------------
// Creation and destruction

TFMain::TFMain(QWidget* parent) : QWidget(parent), Random(SeedFromTime(Clock.Now()))
{
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(Utf8("Урок: (нет)"));
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
        ReportLoss(QString::fromUtf8(UserFolderProblemText(*problem)));
    ProgramLog().ReportFailuresTo([this](const std::string& failure) {
        ReportLoss(Utf8("Журнал занятий не сохраняется.\n") + QString::fromUtf8(failure));
    });
    OpenLog(DrillLogPath());
    Recent.Load(UserFile("Korvan.ini"), FileLocations().Shipped);
    Authoring = std::make_unique<TAuthoring>(
        this, FileLocations().Shipped,
        LoadLessonCreateFolder(UserFile("Korvan.ini"), FileLocations().User));
    Calculator = std::make_unique<TTimeCalculator>(
        AdaptableFile("Time.ini"),
        [this](const std::string& message) { Messages->ShowMsgBox(message, TMsgButtons::Ok); });
    FDrill = std::make_unique<TDrill>(
        FLesson, *Calculator,
        TDrillPorts{*this, *Sound, *Timers, Random, Clock, *Messages, ProgramLog(), Behavior});
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
                            [this](const std::string& path) { EditLesson(path); }});
    LessonMenu->UseLessonCreateMenu(
        [this](QMenu* pmLesson) { return Authoring->AddLessonCreateMenu(pmLesson); });
    Menus = std::make_unique<TMainMenus>(
        this,
        TMenuHandlers{[this] { Guard([this] { APupilExecute(); }); },
                      [this] { OpenTeacherReport(this, DrillLogPath()); },
                      [this] { Guard([this] { ABehaviorExecute(); }); },
                      [this] { Guard([this] { ASkinExecute(); }); },
                      [this] { Guard([this] { AAboutExecute(); }); }},
        *Authoring);
    Announcer = new TAnnouncer(this);
    ApplyAccessibleTexts(this);
    FDrill->LogProgramStarted();
    ShowInPane(TPane::MInfo, DrillTexts().ChooseLesson);

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

    auto top = [this](QWidget* w) { Anchors.push_back({w, w->geometry(), false}); };
    auto bottom = [this](QWidget* w) { Anchors.push_back({w, w->geometry(), true}); };

    BLesson = MakeButton(this, "BLesson", "Урок", {424, 16, 137, 25});
    BLesson->setIcon(LessonIcon());
    BCustomize = MakeButton(this, "BCustomize", "Настройка", {424, 48, 137, 25});
    BCustomize->setIcon(SettingsIcon());
    BHelp = MakeButton(this, "BHelp", "Помощь", {424, 80, 137, 25});
    BHelp->setIcon(HelpIcon());
    for (QPushButton* b : {BLesson, BCustomize, BHelp})
        top(b);

    QPushButton* start = MakeFlatButton(this, "BLesson_Start", {420, 124, 145, 25});
    auto* shape2 = Named(new QFrame(start), "Shape2");
    shape2->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape2->setGeometry(KeyLeft, 4, KeyWidth, LegendHeight);
    MakeLegend(start, "Label2", "F4", {KeyLeft, 4, KeyWidth, LegendHeight}, false)
        ->setAlignment(Qt::AlignCenter);
    MakeLegend(start, "LLesson_Start", "Начать урок", {MeaningLeft, 4, MeaningWidth, LegendHeight},
               false);
    top(start);

    auto* shape6 = Named(new QFrame(this), "Shape6");
    shape6->setFrameStyle(QFrame::HLine | QFrame::Plain);
    shape6->setGeometry(424, 156, 138, 1);
    top(shape6);

    QPushButton* right =
        MakeFlatButton(this, "BQuestion_ShowTranslation_Or_PupilChoose_Right", {420, 164, 145, 57});
    KeyLabels[static_cast<int>(TKeyCaption::ShowTranslation)] =
        MakeLegend(right, "LQuestion_ShowTranslation_Keys", "Space | F5",
                   {KeyLeft, 8, KeyWidth, LegendHeight}, true);
    MakeLegend(right, "LQuestion_ShowTranslation", "Показать перевод",
               {MeaningLeft, 8, MeaningWidth, LegendHeight}, false);
    KeyLabels[static_cast<int>(TKeyCaption::PupilChooseRight)] =
        MakeLegend(right, "LQuestion_PupilChoose_Right_Keys", "Space | F5",
                   {KeyLeft, 32, KeyWidth, LegendHeight}, true);
    MakeLegend(right, "LQuestion_PupilChoose_Right", "Я прав",
               {MeaningLeft, 32, MeaningWidth, LegendHeight}, false);
    top(right);

    // The own-answer and repeat buttons are filled by playback and recording.
    QPushButton* rec = MakeFlatButton(this, "BRecStartStopPlay", {420, 228, 145, 37});
    auto* recLabel = Named(new QLabel(Utf8("Прослушать\nсвой ответ"), rec), "LRecStartStopPlay");
    recLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    recLabel->setGeometry(MeaningLeft, 2, MeaningWidth, 33);
    top(rec);

    QPushButton* wrong = MakeFlatButton(this, "BQuestion_PupilChoose_Wrong", {420, 272, 145, 25});
    KeyLabels[static_cast<int>(TKeyCaption::PupilChooseWrong)] =
        MakeLegend(wrong, "LQuestion_PupilChoose_Wrong_Keys", "Ctrl  |  F8",
                   {KeyLeft, 4, KeyWidth, LegendHeight}, true);
    MakeLegend(wrong, "LQuestion_PupilChoose_Wrong", "Я ошибся",
               {MeaningLeft, 4, MeaningWidth, LegendHeight}, false);
    top(wrong);

    QPushButton* repeatRu = MakeFlatButton(this, "BRepeatRuSound", {420, 356, 145, 25});
    repeatRu->setText(Utf8("По русски"));
    repeatRu->setCheckable(true);
    QPushButton* repeatEn = MakeFlatButton(this, "BRepeatEnSound", {420, 388, 145, 25});
    repeatEn->setText(Utf8("По англ."));
    repeatEn->setCheckable(true);
    for (QPushButton* b : {repeatRu, repeatEn}) {
        b->hide();
        bottom(b);
    }

    Progress = std::make_unique<TProgressView>(this, [this] {
        return ProgressCountersOf(FLesson, FDrill ? FDrill->Cfg().InitialShows : 1);
    });
    for (const TAnchored& a : Progress->Anchors())
        Anchors.push_back(a);

    connect(BLesson, &QPushButton::clicked, this, [this] { LessonMenu->BLessonClick(BLesson); });
    connect(BCustomize, &QPushButton::clicked, this,
            [this] { PopupUnderButton(BCustomize, Menus->PMCustomize); });
    connect(BHelp, &QPushButton::clicked, this, [this] { PopupUnderButton(BHelp, Menus->PMHelp); });
    connect(start, &QPushButton::clicked, this,
            [this] { Guard([this] { FDrill->StartLesson(); }); });
    connect(right, &QPushButton::clicked, this,
            [this] { Guard([this] { FDrill->ShowTranslationOrRightClick(); }); });
    connect(wrong, &QPushButton::clicked, this,
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
// Showing, the command line, the caption

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

void TFMain::StartUp()
{
    // Any argument skips both start-up questions.
    if (!Arguments.empty()) {
        ProcessCommandLine();
        return;
    }
    Guard([this] {
        if (PupilsDialog && PupilsDialog->ExecuteAtStartup())
            PupilChanged();
    });
    Guard([this] {
        // The answer sets the behaviour settings; the next run takes them.
        if (Skin().AskAtStartupUseTextInput && InpModeDialog && BehaviorDialog)
            InpModeDialog->Execute(BehaviorDialog->Settings().CurrentCfg.UseTextInput);
    });
}

void TFMain::PupilChanged()
{
    if (PupilsDialog)
        PupilName = PupilsDialog->CurrentPupil();
    UpdateCaption();
    FDrill->LogPupil(PupilName);
}

void TFMain::WarnSettingsApplyLater()
{
    if (FLesson.RunState == 1)
        Messages->ShowMsgBox(ToCp1251("Выбранные Вами параметры будут использованы только при "
                                      "работе со следующим уроком или после повторного запуска "
                                      "текущего урока."),
                             TMsgButtons::Ok);
}

void TFMain::UpdateCaption()
{
    std::string part;
    if (!FLesson.Loaded)
        part = ToCp1251("(нет урока)");
    else if (FLesson.Title.empty())
        part = ToCp1251("(без названия)");
    else
        part = FLesson.Title.substr(0, MaxCaptionTitle);
    setWindowTitle(FromCp1251(PupilName + ToCp1251(" | Урок: ") + part));
}

void TFMain::OpenLessonOrConvert(const std::string& path)
{
    FDrill->OpenLesson(path);
    OfferUtf8LessonConversion(
        this, path, [this](const std::string& converted) { FDrill->OpenLesson(converted); });
}

void TFMain::AImportLessonExecute()
{
    const std::string lesson = ImportLessonInteractive(this);
    if (!lesson.empty())
        FDrill->OpenLesson(lesson);
}

void TFMain::ProcessCommandLine()
{
    if (Arguments.empty())
        return;
    // Whatever fails on the way (a missing file, above all) is told with the
    // path; the mode switch is then not looked at.
    const std::string path = LessonPathOfArgument(Arguments[0]);
    try {
        OpenLessonOrConvert(path);
        if (Arguments.size() >= 2)
            ProcessModeSwitch(Arguments[1]);
    } catch (const TSilentAbort&) {
    } catch (const std::exception& e) {
        ShowMsgBox(this,
                   Utf8("Ошибка при открытии файла урока \"") + QString::fromUtf8(path) +
                       Utf8("\": ") + QString::fromUtf8(e.what()),
                   false);
    }
}

void TFMain::ProcessModeSwitch(const std::string& argument)
{
    std::string modeSwitch(TrimControls(argument));
    for (char& c : modeSwitch)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (modeSwitch.compare(0, 2, "/M") != 0)
        return;
    std::int32_t number = 0;
    if (!ParseInt32(std::string_view(modeSwitch).substr(2, 250), number)) {
        Messages->ShowMsgBox(ToCp1251("Ошибка: номер режима должен быть числовым."),
                             TMsgButtons::Ok);
        return;
    }
    const std::int64_t index = std::int64_t{number} - 1; // the switch counts from 1
    if (index < 0)
        return;
    const int modes = Behavior.Settings ? Behavior.Settings->ModeCount() : 0;
    if (index >= modes) {
        Messages->ShowMsgBox(ToCp1251("Ошибка: указанного номера режима нет в списке."),
                             TMsgButtons::Ok);
        return;
    }
    Behavior.Settings->SelectMode(static_cast<int>(index));
    WarnSettingsApplyLater();
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

void TFMain::ShowInPane(TPane pane, const std::string& text)
{
    Panes->ShowInPane(pane, text);
}

void TFMain::Announce(const std::string& text)
{
    Announcer->Announce(FromCp1251(text));
}

void TFMain::SetGaugeMax(int maximum)
{
    Progress->SetGaugeMax(maximum);
}

void TFMain::SetGaugePosition(int position)
{
    Progress->SetGaugePosition(position);
}

void TFMain::SetCounterLabel(TCounterLabel label, const std::string& text)
{
    Progress->SetCounterLabel(label, text);
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
        return Panes->TextHeight(TPane::MHelpMsg, DrillTexts().HelpTexts(), width);
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

// ---------------------------------------------------------------------------
// Menu actions

void TFMain::APupilExecute()
{
    if (PupilsDialog && PupilsDialog->Execute())
        PupilChanged();
}

void TFMain::ABehaviorExecute()
{
    if (BehaviorDialog && BehaviorDialog->Execute())
        WarnSettingsApplyLater();
}

void TFMain::AAboutExecute()
{
    if (AboutDialog)
        AboutDialog->Execute();
}

void TFMain::EditLesson(const std::string& path)
{
    if (!LessonEditor) {
        TLessonEditorHooks hooks = ProgramEditorHooks();
        hooks.Saved = [this](const std::string& saved) { LessonEdited(saved); };
        hooks.TryInTrainer = [this](const std::string& saved) { TryLesson(saved); };
        LessonEditor = std::make_unique<TFLessonEditor>(Calculator.get(), std::move(hooks));
    }
    if (LessonEditor->isVisible() && !LessonEditor->ConfirmDiscard())
        return;
    LessonEditor->OpenLesson(path);
    LessonEditor->show();
    LessonEditor->raise();
    LessonEditor->activateWindow();
}

void TFMain::LessonEdited(const std::string& path)
{
    std::error_code error;
    // A run in progress keeps its questions; the change is read at the next opening.
    if (FLesson.Loaded && FLesson.RunState != 1 &&
        std::filesystem::equivalent(FLesson.FileName, path, error)) {
        // A copy: opening clears the lesson, its file name too.
        const std::string lesson = FLesson.FileName;
        Guard([this, &lesson] { FDrill->OpenLesson(lesson); });
    }
}

void TFMain::TryLesson(const std::string& path)
{
    // A copy: opening clears the lesson whose name may be passed here.
    const std::string lesson = path;
    Guard([this, &lesson] {
        FDrill->OpenLesson(lesson);
        if (FLesson.Loaded)
            FDrill->StartLesson();
    });
    raise();
    activateWindow();
}

void TFMain::ASkinExecute()
{
    if (SkinDialog && SkinDialog->Execute())
        ApplyAppearance();
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

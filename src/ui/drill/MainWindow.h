#pragma once

// Room ui/drill: the trainer's window, where a lesson is drilled, with its views and menus.
//
// The main window FMain: the seven text panes on the left, the buttons, the
// counters and the progress picture in a column on the right. It owns the
// lesson, the time calculator and the drill engine, and turns keys, clicks and
// timer ticks into the engine's events. Its commands (start-up, command line,
// caption, menu actions) are in MainWindowCommands.cpp, the column of buttons
// in DrillButtons.h.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "drill/DrillPorts.h"
#include "drill/Random.h"
#include "lesson/Lesson.h"
#include "settings/RecentLessons.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/drill/ProgressView.h"
#include "util/DateTime.h"

class QLabel;
class QPushButton;

namespace korvan {

class TAnnouncer;
class TAuthoring;
class TBehaviorSettings;
class TDerivedLessonSave;
class TDrill;
class TLessonMenu;
class TFLessonEditor;
class TMainMenus;
class TMemoryService;
class TFReview;
class TPaneView;
class TProgressView;
class TQtMessageBox;
class TQtQuestionTimers;
class TSoundService;
class TTimeCalculator;
struct TSkinCfg;

// The engine's view of the behaviour settings, which are created after the
// window (start-up order): defaults until they are attached.
class TBehaviorLink : public IBehaviorSource
{
public:
    int CurrentMode() const override;
    TBehaviorCfg CurrentCfg() const override;
    std::string ModeName(int index) const override;

    TBehaviorSettings* Settings = nullptr;
};

// The lesson path of a command-line argument: trimmed; taken as it is when it
// begins with "/" or its second character is ":", else in the program folder.
std::string LessonPathOfArgument(const std::string& argument);

// The drill log the trainer appends to and the teacher's report reads.
std::string DrillLogPath();

class TFMain : public QWidget, public IDrillView
{
    Q_OBJECT
public:
    // FormCreate: seeds the random generator, opens Log.txt, reads Time.ini and
    // logs the start. Throws TIoError when the log cannot be opened.
    explicit TFMain(QWidget* parent = nullptr);
    // FormDestroy: logs the end of the program and closes the log.
    ~TFMain() override;

    // The dialogs created after the window; empty detaches (before they go).
    void AttachDialogs(const TDialogs& dialogs);
    // Program arguments after the program name, as the file system gave them.
    void SetCommandLine(std::vector<std::string> arguments);
    // View.INI: read before the first showing, written at close.
    void RestorePlacement();
    void SavePlacement();

    // What follows the first showing: the command line when there is one,
    // else the start-up questions (pupil, input mode).
    void StartUp();
    void ProcessCommandLine();
    // OpenLesson, then the offer to convert a lesson saved in UTF-8.
    void OpenLessonOrConvert(const std::string& path);
    // "Импорт урока ...": the imported lesson is opened.
    void AImportLessonExecute();
    // The second argument: "/M" and a mode number counted from 1.
    void ProcessModeSwitch(const std::string& argument);
    void UpdateCaption() override;
    void PupilChanged();
    void WarnSettingsApplyLater();
    void APupilExecute();
    void ABehaviorExecute();
    void AAboutExecute();
    // "Повторение на сегодня": the cards due, gathered, opened as a lesson.
    void AReviewTodayExecute();
    // "Повторение ...": the review settings.
    void AReviewExecute();

    TDrill& Drill() { return *FDrill; }
    const TLesson& Lesson() const { return FLesson; }
    const TRecentLessons& RecentLessons() const { return Recent; }
    TMemoryService& Memory() { return *FMemory; }

    // IDrillView
    void ShowInPane(TPane pane, const TShownText& text) override;
    void Announce(const TShownText& text) override;
    void SetGaugeMax(int maximum) override;
    void SetGaugePosition(int position) override;
    void SetCounterLabel(TCounterLabel label, const TPhrase& text) override;
    void SetKeyCaption(TKeyCaption caption, const std::string& text) override;
    void LayoutPanes() override;
    void ApplyAppearance() override;
    void RepaintProgress() override;
    void FocusInput() override;
    void CloseWindow() override;
    void AddRecentLesson(const std::string& path) override;
    void OfferMistakesSave(const TBehaviorCfg& cfg) override;
    void DeliverUnhandledKey(TDrillKey key) override;
    TAppearanceFlags Appearance() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void FormShow();
    void FormResize();
    void ASkinExecute();
    // The lesson editor on `path` (a new lesson when empty), shown and raised.
    void EditLesson(const std::string& path);
    void LessonEdited(const std::string& path);
    void TryLesson(const std::string& path);
    const TSkinCfg& Skin() const;
    // Runs an event handler's work as the application's general error report
    // would: a refused entry ends silently, any other failure shows its text
    // in a message box and the program goes on. False when it failed.
    bool Guard(const std::function<void()>& work);
    // The first time only: tells, once the current handler is done, that
    // something of this session cannot be saved. Later losses follow from it.
    void ReportLoss(const QString& text);

    TLesson FLesson;
    TSystemClock Clock;
    TStdRandom Random;
    TBehaviorLink Behavior;
    QPointer<TFPupils> PupilsDialog;
    QPointer<TFBehavior> BehaviorDialog;
    QPointer<TFSkin> SkinDialog;
    QPointer<TFAbout> AboutDialog;
    QPointer<TFInpMode> InpModeDialog;
    std::unique_ptr<TQtMessageBox> Messages;
    std::unique_ptr<TQtQuestionTimers> Timers;
    std::unique_ptr<TSoundService> Sound;
    std::unique_ptr<TTimeCalculator> Calculator;
    // Before the drill, which hands it every verdict.
    std::unique_ptr<TMemoryService> FMemory;
    std::unique_ptr<TDrill> FDrill;
    TRecentLessons Recent;
    std::unique_ptr<TDerivedLessonSave> DerivedSave;
    std::unique_ptr<TAuthoring> Authoring;

    std::unique_ptr<TPaneView> Panes;
    std::unique_ptr<TProgressView> Progress;
    std::unique_ptr<TLessonMenu> LessonMenu;
    std::unique_ptr<TFLessonEditor> LessonEditor; // made on first use
    QPointer<TFReview> ReviewDialog;              // made on first use
    std::unique_ptr<TMainMenus> Menus;
    std::vector<TAnchored> Anchors;
    QPushButton* BLesson = nullptr;
    QPushButton* BCustomize = nullptr;
    QPushButton* BHelp = nullptr;
    QLabel* KeyLabels[3] = {}; // indexed by TKeyCaption
    TAnnouncer* Announcer = nullptr;

    std::vector<std::string> Arguments;
    std::string PupilName; // 1251, the pupils dialog's choice
    bool FirstShowDone = false;
    bool PlacementSaved = false;
    bool LossReported = false;
    // A key handed back to the focused control must not reach the engine again.
    bool Redelivering = false;
};

} // namespace korvan

#pragma once

// The main window's sound service: the main player MP, the recording player
// MPRec, the three sound buttons and the 200 ms timer TTimer_Every200ms,
// wired to the decisions of TSoundLogic.
//
// Wiring (the main window):
//   1. FormCreate, before the drill: construct it with the window, the lesson
//      and the widgets; hand it to the drill as its ISoundService.
//   2. Right after the drill is made: Connect() with the drill's phase, its
//      WaitedSoundEnded and its Defer (each guarded as the window guards its
//      handlers). Button clicks reach the drill's queue through Defer, so a
//      click during a waited sound acts after it, like a key.
//   3. FormShow, OpenLesson, StartLesson and the end of a run call
//      PlaceSoundButtons through the drill; nothing else is needed.

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

#include "drill/SoundLogic.h"

class QAbstractButton;
class QWidget;

namespace korvan {

class TDeferredPlayer;
class TDeferredRecorder;
class TDeferredSpeech;
class IRecordingDevice;

// The widgets the service drives, all in the main window.
struct TSoundWidgets
{
    QAbstractButton* RepeatRu = nullptr; // BRepeatRuSound
    QAbstractButton* RepeatEn = nullptr; // BRepeatEnSound
    QAbstractButton* RecPlay = nullptr;  // BRecStartStopPlay (made checkable here)
    QWidget* RecLabel = nullptr;         // LRecStartStopPlay
    QWidget* ProgressBox = nullptr;      // ProgressPaintBox
    QWidget* RestSeparator = nullptr;    // SRestSeparator
};

struct TSoundHooks
{
    std::function<TPhase()> Phase;
    std::function<void(bool played)> WaitedSoundEnded;
    std::function<void(std::function<void()> action)> Defer;
};

class TSoundService : public QObject, public ISoundService
{
    Q_OBJECT
public:
    // `programFolder` ends in "/" (ProgramFolder()): the signals and Buffer.WAV lie there.
    TSoundService(QWidget* window, const TLesson& lesson, const TSoundWidgets& widgets,
                  const std::string& programFolder);
    ~TSoundService() override;

    void Connect(const TSoundHooks& hooks);

    bool PlaySound(TSoundKind kind, bool wait) override { return Logic->PlaySound(kind, wait); }
    void StopSound() override { Logic->StopSound(); }
    bool IsSoundPlaying() const override { return Logic->IsSoundPlaying(); }
    TSoundKind SoundKind() const override { return Logic->SoundKind(); }
    void StartAnswerRecording() override { Logic->StartAnswerRecording(); }
    void StopAnswerRecording() override { Logic->StopAnswerRecording(); }
    void StopAnswerPlayback() override { Logic->StopAnswerPlayback(); }
    void PlaceSoundButtons() override { Logic->PlaceSoundButtons(); }
    void SetSpeech(bool on) override { Logic->SetSpeech(on); }

    TSoundLogic& SoundLogic() { return *Logic; }
    IRecordingDevice& Recorder();

protected:
    // The window's first paint: the sound set-up that may wait starts then.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class TButtonsView;
    class TMessages;
    void Click(void (TSoundLogic::*handler)());

    QWidget* Window;
    TSoundWidgets Widgets;
    TSoundHooks Hooks;
    TSystemClock Clock;
    std::unique_ptr<TButtonsView> ButtonsView;
    std::unique_ptr<TMessages> Messages;
    std::unique_ptr<TDeferredPlayer> MP;
    std::unique_ptr<TDeferredRecorder> MPRec;
    std::unique_ptr<TDeferredSpeech> Speech; // the module's one engine, used from this thread only
    std::unique_ptr<TSoundLogic> Logic;
    QTimer TTimer_Every200ms;
    bool Warmed = false;
};

} // namespace korvan

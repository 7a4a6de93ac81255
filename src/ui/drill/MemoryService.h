#pragma once

// The pupil's memory on the window's side: the recorder the drill hands each
// verdict to, the count of cards due (worked out off the UI thread from the
// history on disk) and the review of what is due, gathered with the count.

#include <QObject>
#include <QThreadPool>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "lesson/Lesson.h"
#include "memory/HistoryRecorder.h"
#include "settings/MemorySettings.h"

namespace korvan {

class TMemoryService : public QObject, public IVerdictSink
{
public:
    // `korvanIni` holds the settings, `userFolder` the default history folder;
    // `report` shows a failure to write the history (UTF-8), once a pupil.
    TMemoryService(QWidget* window, std::string korvanIni, std::string userFolder,
                   std::function<void(const std::string&)> report);
    // Waits for a count under way.
    ~TMemoryService() override;

    // The verdicts go to the history; the end of a run brings a recount.
    void VerdictGiven(const TVerdictRecord& verdict) override { Recorder.VerdictGiven(verdict); }
    void RunEnded() override;

    // The pupil (1251) whose history is written and counted.
    void SetPupil(const std::string& pupil);
    // The settings read again (the review dialog changed them), then a recount.
    void ReloadSettings();
    // Works out the cards due anew, off the UI thread; `DueChanged` follows.
    // Before `window`'s first paint it only notes that a count is wanted.
    void Recount();
    // The history of a pupil renamed follows the new name (1251 names).
    void CarryHistory(const std::string& from, const std::string& to);

    // The cards due by the last count; -1 until one has finished.
    int DueCount() const { return Due; }
    // The review gathered with the last count (at most ReviewLimit cards).
    const TLesson& Review() const { return *Gathered; }
    const TMemorySettings& Settings() const { return MemorySettings; }

    // Called on the UI thread when a count has finished.
    std::function<void()> DueChanged;

protected:
    // The window's first paint: counting may start then.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string PupilFolder(const std::string& pupil) const;

    std::string KorvanIni;
    std::string UserFolder;
    std::function<void(const std::string&)> Report;
    TMemorySettings MemorySettings;
    THistoryRecorder Recorder;
    std::string Pupil; // 1251
    int Due = -1;
    std::shared_ptr<const TLesson> Gathered = std::make_shared<TLesson>();
    QWidget* Window;
    bool Painted = false;     // the window's first paint is over
    bool CountWanted = false; // asked for before it
    unsigned Generation = 0;  // of the latest count asked for
    QThreadPool Pool;         // one count at a time
};

} // namespace korvan

#include "ui/drill/MemoryService.h"

#include <QEvent>
#include <QMetaObject>
#include <QTimer>

#include "memory/HistoryPlaces.h"
#include "memory/MemoryModel.h"
#include "memory/ReviewLesson.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

TMemoryService::TMemoryService(QWidget* window, std::string korvanIni, std::string userFolder,
                               std::function<void(const std::string&)> report)
    : QObject(window), KorvanIni(std::move(korvanIni)), UserFolder(std::move(userFolder)),
      Report(report), MemorySettings(LoadMemorySettings(KorvanIni)),
      Recorder(SystemZonedNow, std::move(report)), Window(window)
{
    Pool.setMaxThreadCount(1);
    Window->installEventFilter(this);
}

bool TMemoryService::eventFilter(QObject* watched, QEvent* event)
{
    if (!Painted && watched == Window && event->type() == QEvent::Paint) {
        Painted = true;
        Window->removeEventFilter(this);
        // After the paint is on the screen: the count never delays it.
        QTimer::singleShot(0, this, [this] {
            if (CountWanted)
                Recount();
        });
    }
    return false;
}

void TMemoryService::RunEnded()
{
    Recorder.RunEnded();
    Recount();
}

TMemoryService::~TMemoryService()
{
    // A count under way posts back to this object: it must be over first.
    Pool.waitForDone();
}

std::string TMemoryService::PupilFolder(const std::string& pupil) const
{
    return PupilHistoryFolder(HistoryRoot(MemorySettings, UserFolder), Cp1251ToUtf8(pupil));
}

void TMemoryService::SetPupil(const std::string& pupil)
{
    Pupil = pupil;
    // The user's own folder is private; a folder named in the settings is
    // shared as its owner set it up.
    Recorder.SetPupil(pupil, PupilFolder(pupil), MemorySettings.HistoryFolder.empty());
    Recount();
}

void TMemoryService::ReloadSettings()
{
    MemorySettings = LoadMemorySettings(KorvanIni);
    SetPupil(Pupil);
}

void TMemoryService::CarryHistory(const std::string& from, const std::string& to)
{
    try {
        CarryPupilHistory(HistoryRoot(MemorySettings, UserFolder), Cp1251ToUtf8(from),
                          Cp1251ToUtf8(to));
    } catch (const TIoError& e) {
        if (Report)
            Report(e.what());
    }
}

void TMemoryService::Recount()
{
    if (!Painted) {
        CountWanted = true;
        return;
    }
    const unsigned generation = ++Generation;
    const std::string folder = PupilFolder(Pupil);
    const TMemoryOptions options{MemorySettings.DesiredRetention, MemorySettings.DayStartsAt};
    const int limit = MemorySettings.ReviewLimit;
    Pool.start([this, generation, folder, options, limit] {
        auto review = std::make_shared<TLesson>();
        int due = 0;
        try {
            THistory history;
            history.ReadFolder(folder);
            const TMemoryModel model(options);
            const std::vector<TCardMemory> cards = model.Replay(history);
            const std::int64_t today = PupilDay(SystemZonedNow(), options.DayStartsAt);
            const std::vector<std::size_t> all = model.Due(history, cards, today, -1, true);
            due = static_cast<int>(all.size());
            const std::vector<std::size_t> asked(
                all.begin(), all.begin() + std::min<std::ptrdiff_t>(limit, std::ssize(all)));
            *review = GatherReview(history, cards, asked);
        } catch (const TIoError&) {
            // A history that cannot be read has nothing due; writing to it
            // reports the problem.
            due = 0;
        }
        // Back on the UI thread; dropped when the service is gone or a newer
        // count was asked for meanwhile.
        QMetaObject::invokeMethod(
            this,
            [this, generation, due, review] {
                if (generation != Generation)
                    return;
                Due = due;
                Gathered = review;
                if (DueChanged)
                    DueChanged();
            },
            Qt::QueuedConnection);
    });
}

} // namespace korvan

#include "drill/RunBook.h"

#include <algorithm>

namespace korvan {

TBehaviorCfg NormalizeRunCfg(const TBehaviorCfg& stored)
{
    TBehaviorCfg cfg = stored;
    if (cfg.OrderKind != 0 && cfg.OrderKind != 1)
        cfg.OrderKind = 2;
    cfg.UseAtOnce = std::max(cfg.UseAtOnce, 1);
    cfg.MistakeChange = std::clamp(cfg.MistakeChange, -1, 1);
    cfg.InitialShows = 1;
    cfg.ShowsCap = 2;
    return cfg;
}

void TRunBook::Start(const TBehaviorCfg& cfg)
{
    InOrder = cfg.OrderKind == 0;
    TakeAllAtOnce = cfg.OrderKind == 0 || cfg.OrderKind == 1;
    MistakeChange = cfg.MistakeChange;
    InitialShows = cfg.InitialShows;
    ShowsCap = cfg.ShowsCap;

    for (TQuestion& q : Lesson.Questions) {
        q.Unfinished = true;
        q.RepeatsLeft = 0;
        q.RightCount = 0;
        q.MistakeCount = 0;
    }
    const int count = Lesson.QuestionCount();
    Lesson.UnfinishedCount = count;
    Lesson.NotStartedCount = count;
    Lesson.PendingTotal = 0;
    Lesson.RightTotal = 0;
    Lesson.MistakeTotal = 0;
    Lesson.CleanCount = 0;
    Pending.Reset(count, 0);
    NotStarted.Reset(count, 1);

    // Calls beyond the number of questions would find nothing to bring.
    const int k = TakeAllAtOnce ? count : std::min(cfg.UseAtOnce, count);
    for (int i = 0; i < k; ++i)
        BringIntoPlay();
    if (count > 0)
        Lesson.SelectQuestion(0);
}

void TRunBook::BringIntoPlay()
{
    if (Lesson.NotStartedCount <= 0)
        return;
    int index;
    if (TakeAllAtOnce) {
        index = Lesson.QuestionCount() - Lesson.NotStartedCount;
    } else {
        const std::int64_t r =
            std::int64_t{Random.Uniform(static_cast<std::uint32_t>(Lesson.NotStartedCount))} + 1;
        index = NotStarted.FindByRunningSum(r);
    }
    if (index < 0 || index >= Lesson.QuestionCount())
        return; // only if the counters were broken from outside
    SetRepeats(index, InitialShows);
    NotStarted.Add(index, -1);
    Lesson.PendingTotal += InitialShows;
    Lesson.NotStartedCount -= 1;
}

bool TRunBook::SelectNext()
{
    if (Lesson.PendingTotal <= 0)
        return false;
    if (InOrder) {
        if (Lesson.Current->RepeatsLeft == 0)
            Lesson.SelectQuestion(Lesson.CurrentIndex + 1);
        return true;
    }
    const std::int64_t r =
        std::int64_t{Random.Uniform(static_cast<std::uint32_t>(Lesson.PendingTotal))} + 1;
    const int index = Pending.FindByRunningSum(r);
    if (index >= 0)
        Lesson.SelectQuestion(index);
    return true;
}

void TRunBook::RecordRight()
{
    TQuestion& q = *Lesson.Current;
    q.RightCount += 1;
    Lesson.RightTotal += 1;
    SetRepeats(Lesson.CurrentIndex, q.RepeatsLeft - 1);
    Lesson.PendingTotal -= 1;
    if (q.RepeatsLeft < 1) {
        q.Unfinished = false;
        Lesson.UnfinishedCount -= 1;
        if (q.MistakeCount == 0)
            Lesson.CleanCount += 1;
        BringIntoPlay();
    }
}

void TRunBook::RecordWrong()
{
    TQuestion& q = *Lesson.Current;
    q.MistakeCount += 1;
    Lesson.MistakeTotal += 1;
    const std::int32_t now = std::min(q.RepeatsLeft + MistakeChange, ShowsCap);
    Lesson.PendingTotal += now - q.RepeatsLeft;
    SetRepeats(Lesson.CurrentIndex, now);
    if (now < 1) {
        q.Unfinished = false;
        Lesson.UnfinishedCount -= 1;
        BringIntoPlay();
    }
}

void TRunBook::Drop()
{
    Pending.Reset(0);
    NotStarted.Reset(0);
}

void TRunBook::SetRepeats(int index, std::int32_t value)
{
    TQuestion& q = Lesson.Questions[static_cast<std::size_t>(index)];
    Pending.Add(index, value - q.RepeatsLeft);
    q.RepeatsLeft = value;
}

} // namespace korvan

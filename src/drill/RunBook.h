#pragma once

// The bookkeeping of one run: which questions are in play, which comes next and
// what a verdict does to the counters of the lesson. No effects: the engine
// shows and logs, this class only counts (and draws from the random source).
//
// Between any two calls the lesson's counters satisfy: NotStartedCount is the
// number of not-started questions (Unfinished, RepeatsLeft 0), UnfinishedCount
// the not-started plus the in-play ones, PendingTotal the sum of RepeatsLeft,
// RightTotal and MistakeTotal the sums of RightCount and MistakeCount, and
// RepeatsLeft stays within 0..ShowsCap.

#include "drill/DrillPorts.h"
#include "drill/WeightTree.h"
#include "lesson/Lesson.h"
#include "settings/BehaviorCfg.h"

namespace korvan {

// The configuration a run uses: the stored one with hand-edited values made
// sound. OrderKind outside 0..1 acts as 2 and is written as 2; UseAtOnce below
// 1 would bring nothing into play and becomes 1; MistakeChange is clamped into
// -1..+1 (below -1 it would drive RepeatsLeft negative); InitialShows and
// ShowsCap are the fixed 1 and 2 whatever the record holds.
TBehaviorCfg NormalizeRunCfg(const TBehaviorCfg& stored);

class TRunBook
{
public:
    TRunBook(TLesson& lesson, IRandom& random) : Lesson(lesson), Random(random) {}

    // Resets every counter of the lesson and of its questions, brings the
    // first questions into play by the order kind and selects the first
    // question in file order. `cfg` must be normalised. Leaves StartTime and
    // RunState to the caller.
    void Start(const TBehaviorCfg& cfg);
    // Brings one not-started question into play; nothing when none is left.
    void BringIntoPlay();
    // Selects the next question; false (and nothing selected) when no show is
    // pending, that is when the run is over.
    bool SelectNext();
    // The counters of a right / a wrong verdict on the current question; a
    // question they finish is replaced by a not-started one.
    void RecordRight();
    void RecordWrong();
    // Forgets the run (the lesson is being reloaded).
    void Drop();

private:
    void SetRepeats(int index, std::int32_t value);

    TLesson& Lesson;
    IRandom& Random;
    bool InOrder = false;      // OrderKind 0: questions come in file order
    bool TakeAllAtOnce = true; // OrderKind 0 or 1: all in play from the start
    std::int32_t MistakeChange = 0;
    std::int32_t InitialShows = 1;
    std::int32_t ShowsCap = 2;
    TWeightTree Pending;    // RepeatsLeft of every question
    TWeightTree NotStarted; // 1 for every not-started question
};

} // namespace korvan

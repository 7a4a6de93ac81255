#pragma once

// What a pupil knows, derived from their history by replaying every review in
// time order: one memory state a card, its next interval and due day. Nothing
// of it is stored; the same history gives the same state on every machine.

#include <cstdint>
#include <vector>

#include "memory/Fsrs.h"
#include "memory/History.h"
#include "memory/ZonedTime.h"

namespace korvan {

struct TMemoryOptions
{
    double DesiredRetention = 0.9; // 0.70..0.97
    int DayStartsAt = 4;           // the hour a pupil's day starts, 0..23
};

struct TCardMemory
{
    std::uint32_t Card = 0; // index into THistory::Cards
    int Reviews = 0;        // that entered the model
    int Lapses = 0;         // grade 1 after the first review
    TMemoryState State;
    TZonedTime LastReview;
    std::int64_t LastDay = 0; // pupil day of the last review that entered
    int IntervalDays = 0;     // before fuzz
    std::int64_t DueDay = 0;  // pupil day, fuzz included
};

class TMemoryModel
{
public:
    explicit TMemoryModel(const TMemoryOptions& options = {});

    // Orders the history's reviews by card, time and id, drops the copies of
    // one review (same id) that several files hold, marks the reviews that
    // enter the model (the first of each pupil day) and gives every reviewed
    // card its state, in card order.
    std::vector<TCardMemory> Replay(THistory& history) const;

    // The chance of recall on `day` (a pupil day).
    double Retrievability(const TCardMemory& card, std::int64_t day) const;
    // The cards due on `day` or before, lowest retrievability first (then
    // earliest due, then card order); at most `limit`, all for a negative
    // limit. Only described cards when `describedOnly` (a review run needs
    // their texts). Indexes into `cards`.
    std::vector<std::size_t> Due(const THistory& history, const std::vector<TCardMemory>& cards,
                                 std::int64_t day, int limit, bool describedOnly) const;

    const TFsrs& Model() const { return Fsrs; }
    const TMemoryOptions& Options() const { return Opts; }

private:
    // The cards from..to-1, whose reviews lie in history.Reviews from
    // start[card] to start[card + 1].
    std::vector<TCardMemory> ReplayCards(THistory& history, const std::vector<std::size_t>& start,
                                         std::uint32_t from, std::uint32_t to) const;

    TMemoryOptions Opts;
    TFsrs Fsrs;
};

} // namespace korvan

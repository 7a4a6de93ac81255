#pragma once

// The memory model of one sentence: its stability (days until the chance of
// recalling it falls to 90 %) and difficulty (1..10), how both change with a
// review graded 1 (again), 2 (hard), 3 (good) or 4 (easy), and the whole days
// until the next review. Pure: the caller keeps the state and the dates and
// passes in the fuzz factor it derives from the card, so the same history
// always gives the same schedule.

#include <array>
#include <cstdint>

namespace korvan {

struct TFsrsParameters
{
    // The model's published default weights.
    std::array<double, 21> W = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    // The chance of recall the intervals aim at, 0.70..0.97 (clamped).
    double DesiredRetention = 0.9;
    // The longest interval in days, >= 1 (clamped).
    int MaximumInterval = 36500;
};

struct TMemoryState
{
    double Stability = 0;
    double Difficulty = 0;
};

struct TReviewOutcome
{
    TMemoryState State; // after the review
    // The next interval in days for the given grade, kept in the order
    // again < hard < good < easy with the other grades' intervals.
    int IntervalDays = 0;
    // The same with the fuzz factor applied to each grade's interval, then
    // ordered the same way.
    int FuzzedIntervalDays = 0;
};

// The days a fuzzed interval may fall on, both ends included.
struct TFuzzRange
{
    int Min = 0;
    int Max = 0;
};

class TFsrs
{
public:
    explicit TFsrs(const TFsrsParameters& parameters = {});

    // Grades outside 1..4 are clamped into it, fuzz factors into [0, 1) and
    // a state into the model's range (stability >= 0.001, difficulty 1..10).

    // The first review of a new sentence.
    TReviewOutcome First(int grade, double fuzzFactor) const;
    // A review `elapsedDays` whole days (>= 0; negative counts as 0) after
    // the previous one that entered the model.
    TReviewOutcome Next(const TMemoryState& before, int elapsedDays, int grade,
                        double fuzzFactor) const;
    // The state alone, as First and Next leave it: a replay needs the
    // intervals of a card's last review only.
    TMemoryState FirstState(int grade) const;
    TMemoryState NextState(const TMemoryState& before, int elapsedDays, int grade) const;

    // The chance of recall `elapsedDays` after a review that left `state`.
    double Retrievability(const TMemoryState& state, double elapsedDays) const;
    // The unfuzzed interval at which retrievability falls to the desired
    // retention, in [1, MaximumInterval].
    int Interval(double stability) const;
    // Where the fuzz may move `interval` (whole days, as Interval gives them)
    // when the previous review was `elapsedDays` ago; a fuzzed interval is
    // Min + floor(factor * (Max - Min + 1)). Intervals of 1 or 2 days are not
    // fuzzed.
    TFuzzRange FuzzRange(double interval, int elapsedDays) const;

    const TFsrsParameters& Parameters() const { return P; }

private:
    using TFour = std::array<TMemoryState, 4>;
    void Stabilities(double s, double d, int t, int from, int to, TFour& states) const;

    TFsrsParameters P;
    double Factor;    // of the forgetting curve: R(S) = 0.9
    double Modifier;  // interval / stability for the desired retention
    double EasyStart; // the first difficulty of an easy grade, unclamped
    double ExpW8;     // e^w8, a factor of every recall's growth
};

// A fuzz factor in [0, 1) from a 64-bit hash (its top 53 bits).
double FuzzFactorFromHash(std::uint64_t hash);

} // namespace korvan

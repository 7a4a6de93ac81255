#include "memory/Fsrs.h"

#include <algorithm>
#include <cmath>

namespace korvan {

namespace {

constexpr double MinStability = 0.001;
constexpr double MaxStability = 36500;

using TWeights = std::array<double, 21>;
using TFour = std::array<TMemoryState, 4>;

// Nearest integer, halves up, as the published schedules round: negative
// halves (damped difficulty steps) go toward zero, not away from it.
double RoundHalfUp(double x)
{
    const double down = std::floor(x);
    return x - down >= 0.5 ? down + 1 : down;
}

// States and the values between them are kept to 8 decimals, so a history
// replayed elsewhere gives the same intervals.
double Round8(double x)
{
    return RoundHalfUp(x * 1e8) / 1e8;
}

double InitDifficulty(const TWeights& w, int grade)
{
    return Round8(w[4] - std::exp((grade - 1) * w[5]) + 1);
}

// A step toward 10 shrinks as difficulty nears it; then a pull toward the
// first difficulty of an easy grade (`easyStart`, unclamped: it may be below 1).
double NextDifficulty(const TWeights& w, double easyStart, double d, int grade)
{
    const double step = -w[6] * (grade - 3);
    const double damped = d + Round8(step * (10 - d) / 9);
    return std::clamp(Round8(w[7] * easyStart + (1 - w[7]) * damped), 1.0, 10.0);
}

// `growth` is the part shared by the three recall grades,
// e^w8 · (11 − D) · S^−w9 · (e^((1−R)·w10) − 1), multiplied in that order.
double RecallStability(const TWeights& w, double growth, double s, int grade)
{
    const double hardPenalty = grade == 2 ? w[15] : 1;
    const double easyBonus = grade == 4 ? w[16] : 1;
    return Round8(
        std::clamp(s * (1 + growth * hardPenalty * easyBonus), MinStability, MaxStability));
}

// After a lapse stability never grows.
double LapseStability(const TWeights& w, double d, double s, double r)
{
    const double forgotten = Round8(std::clamp(
        w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1) * std::exp((1 - r) * w[14]),
        MinStability, MaxStability));
    return std::min(std::max(Round8(s), MinStability), forgotten);
}

double FuzzFactor(double f)
{
    return std::isnan(f) ? 0 : std::clamp(f, 0.0, std::nextafter(1.0, 0.0));
}

// Each grade's interval stays above the one before it: a harder grade never
// brings the review later than an easier one.
void Order(std::array<int, 4>& days)
{
    days[0] = std::min(days[0], days[1]);
    days[1] = std::max(days[1], days[0] + 1);
    days[2] = std::max(days[2], days[1] + 1);
    days[3] = std::max(days[3], days[2] + 1);
}

} // namespace

TFsrs::TFsrs(const TFsrsParameters& parameters) : P(parameters)
{
    P.DesiredRetention = std::clamp(P.DesiredRetention, 0.70, 0.97);
    P.MaximumInterval = std::max(P.MaximumInterval, 1);
    const double decay = -P.W[20];
    Factor = Round8(std::exp(1 / decay * std::log(0.9)) - 1);
    Modifier = Round8((std::pow(P.DesiredRetention, 1 / decay) - 1) / Factor);
    EasyStart = InitDifficulty(P.W, 4);
    ExpW8 = std::exp(P.W[8]);
}

double TFsrs::Retrievability(const TMemoryState& state, double elapsedDays) const
{
    const double s = std::max(state.Stability, MinStability);
    return Round8(std::pow(1 + Factor * std::max(elapsedDays, 0.0) / s, -P.W[20]));
}

int TFsrs::Interval(double stability) const
{
    return static_cast<int>(
        std::clamp(RoundHalfUp(stability * Modifier), 1.0, double(P.MaximumInterval)));
}

TFuzzRange TFsrs::FuzzRange(double interval, int elapsedDays) const
{
    double delta = 1;
    delta += 0.15 * std::max(std::min(interval, 7.0) - 2.5, 0.0);
    delta += 0.10 * std::max(std::min(interval, 20.0) - 7, 0.0);
    delta += 0.05 * std::max(interval - 20, 0.0);
    interval = std::min(interval, double(P.MaximumInterval));
    TFuzzRange range;
    range.Min = static_cast<int>(std::max(2.0, RoundHalfUp(interval - delta)));
    range.Max =
        static_cast<int>(std::min(RoundHalfUp(interval + delta), double(P.MaximumInterval)));
    if (interval > elapsedDays)
        range.Min = std::max(range.Min, elapsedDays + 1);
    range.Min = std::min(range.Min, range.Max);
    return range;
}

namespace {

// The grades whose intervals decide the interval of `grade`: the ordering
// reaches each grade from those below it, and "again" from "hard".
int GradesNeeded(int grade)
{
    return std::max(grade, 2);
}

// The grades' states and intervals of one review, `grade` picked; only the
// first GradesNeeded(grade) stabilities are read, and the picked difficulty.
TReviewOutcome Pick(const TFsrs& model, const TFour& states, int elapsedDays, int grade,
                    double fuzzFactor)
{
    std::array<int, 4> plain{};
    std::array<int, 4> fuzzed{};
    for (int g = 0; g < GradesNeeded(grade); ++g) {
        plain[g] = model.Interval(states[g].Stability);
        fuzzed[g] = plain[g];
        if (plain[g] >= 3) {
            const TFuzzRange range = model.FuzzRange(plain[g], elapsedDays);
            fuzzed[g] =
                static_cast<int>(std::floor(fuzzFactor * (range.Max - range.Min + 1) + range.Min));
        }
    }
    Order(plain);
    Order(fuzzed);
    return {states[grade - 1], plain[grade - 1], fuzzed[grade - 1]};
}

} // namespace

TReviewOutcome TFsrs::First(int grade, double fuzzFactor) const
{
    grade = std::clamp(grade, 1, 4);
    // The other grades' stabilities order the intervals; only the grade
    // given needs its difficulty.
    TFour states;
    for (int g = 1; g <= GradesNeeded(grade); ++g)
        states[g - 1].Stability = std::max(P.W[g - 1], 0.1);
    states[grade - 1].Difficulty = std::clamp(InitDifficulty(P.W, grade), 1.0, 10.0);
    return Pick(*this, states, 0, grade, FuzzFactor(fuzzFactor));
}

// The stabilities of grades `from`..`to` (1-based) after a review `t` days
// after one that left stability `s` and difficulty `d` (both in range).
void TFsrs::Stabilities(double s, double d, int t, int from, int to, TFour& states) const
{
    const double r = Retrievability({s, d}, t);
    if (from == 1)
        states[0].Stability = LapseStability(P.W, d, s, r);
    if (to < 2)
        return;
    // What the recall grades share is computed once.
    const double growth =
        ExpW8 * (11 - d) * std::pow(s, -P.W[9]) * (std::exp((1 - r) * P.W[10]) - 1);
    for (int g = std::max(from, 2); g <= to; ++g)
        states[g - 1].Stability = RecallStability(P.W, growth, s, g);
}

TReviewOutcome TFsrs::Next(const TMemoryState& before, int elapsedDays, int grade,
                           double fuzzFactor) const
{
    const double s = std::max(before.Stability, MinStability);
    const double d = std::clamp(before.Difficulty, 1.0, 10.0);
    const int t = std::max(elapsedDays, 0);
    grade = std::clamp(grade, 1, 4);
    TFour states;
    Stabilities(s, d, t, 1, GradesNeeded(grade), states);
    states[grade - 1].Difficulty = NextDifficulty(P.W, EasyStart, d, grade);
    return Pick(*this, states, t, grade, FuzzFactor(fuzzFactor));
}

TMemoryState TFsrs::FirstState(int grade) const
{
    grade = std::clamp(grade, 1, 4);
    return {std::max(P.W[grade - 1], 0.1), std::clamp(InitDifficulty(P.W, grade), 1.0, 10.0)};
}

TMemoryState TFsrs::NextState(const TMemoryState& before, int elapsedDays, int grade) const
{
    const double s = std::max(before.Stability, MinStability);
    const double d = std::clamp(before.Difficulty, 1.0, 10.0);
    grade = std::clamp(grade, 1, 4);
    TFour states;
    Stabilities(s, d, std::max(elapsedDays, 0), grade, grade, states);
    return {states[grade - 1].Stability, NextDifficulty(P.W, EasyStart, d, grade)};
}

double FuzzFactorFromHash(std::uint64_t hash)
{
    return double(hash >> 11) * 0x1.0p-53;
}

} // namespace korvan

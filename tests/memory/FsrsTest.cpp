// The memory model against the reference scheduler's values
// (tests/data/memory/fsrs-vectors.txt, made by scripts/make-fsrs-vectors).

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "memory/Fsrs.h"

namespace korvan::test {
namespace {

struct TExpected
{
    double Stability = 0, Difficulty = 0;
    int Interval = 0;
};

struct TFuzzed
{
    double Factor = 0;
    std::array<int, 4> Days{};
};

struct TReview
{
    bool First = false;
    int Elapsed = 0;
    int Grade = 0;
    double Retrievability = 0; // before the review; not for the first
    std::array<TExpected, 4> ByGrade;
    std::vector<TFuzzed> Fuzzed;
};

struct THistory
{
    std::string Name;
    double Retention = 0;
    int Maximum = 0;
    std::vector<TReview> Reviews;
    std::vector<std::pair<double, double>> Curve; // days, retrievability of the last state
};

void PrintTo(const THistory& h, std::ostream* out)
{
    *out << h.Name;
}

struct TFuzzRow
{
    int Interval, Elapsed, Maximum, Min, Max;
};

struct TVectors
{
    std::vector<THistory> Histories;
    std::vector<TFuzzRow> FuzzRows;
};

const TVectors& Vectors()
{
    static const TVectors vectors = [] {
        TVectors v;
        std::ifstream file(KORVAN_TEST_DATA "/memory/fsrs-vectors.txt");
        std::string line;
        while (std::getline(file, line)) {
            std::istringstream in(line);
            std::string kind;
            in >> kind;
            if (kind == "history") {
                v.Histories.emplace_back();
                in >> v.Histories.back().Name >> v.Histories.back().Retention >>
                    v.Histories.back().Maximum;
            } else if (kind == "review") {
                TReview r;
                std::string elapsed, retrievability;
                in >> elapsed >> r.Grade >> retrievability;
                r.First = elapsed == "-";
                if (!r.First) {
                    r.Elapsed = std::stoi(elapsed);
                    r.Retrievability = std::stod(retrievability);
                }
                for (TExpected& e : r.ByGrade)
                    in >> e.Stability >> e.Difficulty >> e.Interval;
                v.Histories.back().Reviews.push_back(r);
            } else if (kind == "fuzzed") {
                TFuzzed f;
                in >> f.Factor >> f.Days[0] >> f.Days[1] >> f.Days[2] >> f.Days[3];
                v.Histories.back().Reviews.back().Fuzzed.push_back(f);
            } else if (kind == "retrievability") {
                double days, r;
                in >> days >> r;
                v.Histories.back().Curve.emplace_back(days, r);
            } else if (kind == "fuzz") {
                TFuzzRow f;
                in >> f.Interval >> f.Elapsed >> f.Maximum >> f.Min >> f.Max;
                v.FuzzRows.push_back(f);
            }
        }
        return v;
    }();
    return vectors;
}

// Within a millionth of the reference's value.
void ExpectClose(double actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, 1e-6 * std::abs(expected)) << what;
}

class FsrsHistory : public ::testing::TestWithParam<THistory>
{
};

// Each review is replayed from the model's own state of the review before,
// every grade checked; the history goes on with the grade it records.
TEST_P(FsrsHistory, MatchesReference)
{
    const THistory& h = GetParam();
    const TFsrs model({.DesiredRetention = h.Retention, .MaximumInterval = h.Maximum});
    TMemoryState state;
    for (std::size_t i = 0; i < h.Reviews.size(); ++i) {
        const TReview& r = h.Reviews[i];
        SCOPED_TRACE("review " + std::to_string(i + 1));
        const auto review = [&](int grade, double fuzz) {
            return r.First ? model.First(grade, fuzz) : model.Next(state, r.Elapsed, grade, fuzz);
        };
        if (!r.First)
            ExpectClose(model.Retrievability(state, r.Elapsed), r.Retrievability, "retrievability");
        for (int g = 1; g <= 4; ++g) {
            SCOPED_TRACE("grade " + std::to_string(g));
            const TReviewOutcome o = review(g, 0.5);
            ExpectClose(o.State.Stability, r.ByGrade[g - 1].Stability, "stability");
            ExpectClose(o.State.Difficulty, r.ByGrade[g - 1].Difficulty, "difficulty");
            EXPECT_EQ(o.IntervalDays, r.ByGrade[g - 1].Interval);
            for (const TFuzzed& f : r.Fuzzed)
                EXPECT_EQ(review(g, f.Factor).FuzzedIntervalDays, f.Days[g - 1])
                    << "fuzz factor " << f.Factor;
        }
        state = review(r.Grade, 0).State;
    }
    for (const auto& [days, r] : h.Curve)
        ExpectClose(model.Retrievability(state, days), r, "retrievability of the last state");
}

INSTANTIATE_TEST_SUITE_P(FsrsReference, FsrsHistory, ::testing::ValuesIn(Vectors().Histories),
                         [](const auto& info) { return info.param.Name; });

TEST(FsrsFuzz, RangesMatchReference)
{
    ASSERT_FALSE(Vectors().FuzzRows.empty());
    for (const TFuzzRow& f : Vectors().FuzzRows) {
        const TFuzzRange range =
            TFsrs({.MaximumInterval = f.Maximum}).FuzzRange(f.Interval, f.Elapsed);
        EXPECT_EQ(range.Min, f.Min) << f.Interval << " days, " << f.Elapsed << " elapsed";
        EXPECT_EQ(range.Max, f.Max) << f.Interval << " days, " << f.Elapsed << " elapsed";
    }
}

// A new card's own intervals 1, 1, 2, 8 become 1, 2, 3, 8 when ordered.
TEST(Fsrs, NewCardIntervalsAreOrdered)
{
    const TFsrs model;
    for (const auto& [grade, own, ordered] :
         {std::tuple{1, 1, 1}, {2, 1, 2}, {3, 2, 3}, {4, 8, 8}}) {
        EXPECT_EQ(model.Interval(model.First(grade, 0).State.Stability), own) << grade;
        EXPECT_EQ(model.First(grade, 0).IntervalDays, ordered) << grade;
    }
}

// What the caller should not pass is clamped into range, never undefined.
TEST(Fsrs, OutOfRangeInputsAreClamped)
{
    const TFsrs model;
    const TMemoryState s = model.First(3, 0).State;
    const auto same = [](const TReviewOutcome& a, const TReviewOutcome& b) {
        return a.State.Stability == b.State.Stability && a.State.Difficulty == b.State.Difficulty &&
               a.IntervalDays == b.IntervalDays && a.FuzzedIntervalDays == b.FuzzedIntervalDays;
    };
    EXPECT_TRUE(same(model.First(0, 0), model.First(1, 0)));
    EXPECT_TRUE(same(model.Next(s, 5, 9, 0.5), model.Next(s, 5, 4, 0.5)));
    EXPECT_TRUE(same(model.Next(s, -3, 3, 0.5), model.Next(s, 0, 3, 0.5)));
    EXPECT_TRUE(same(model.Next(s, 30, 3, 1.0), model.Next(s, 30, 3, std::nextafter(1.0, 0.0))));
    EXPECT_TRUE(same(model.Next(s, 30, 3, -1.0), model.Next(s, 30, 3, 0)));
    EXPECT_TRUE(same(model.Next({}, 2, 3, 0), model.Next({0.001, 1}, 2, 3, 0)));
    EXPECT_EQ(TFsrs({.DesiredRetention = 0.5}).Parameters().DesiredRetention, 0.7);
    EXPECT_EQ(TFsrs({.DesiredRetention = 0.99}).Parameters().DesiredRetention, 0.97);
}

TEST(Fsrs, FuzzFactorFromHashIsInUnitInterval)
{
    EXPECT_EQ(FuzzFactorFromHash(0), 0.0);
    EXPECT_EQ(FuzzFactorFromHash(std::uint64_t{1} << 63), 0.5);
    EXPECT_LT(FuzzFactorFromHash(~std::uint64_t{0}), 1.0);
}

} // namespace
} // namespace korvan::test

// The memory derived from a history: which reviews enter the model, the state
// they give, and the cards due.

#include <gtest/gtest.h>

#include "memory/HistoryFormat.h"
#include "memory/MemoryModel.h"

namespace korvan {
namespace {

// One history line a review: (card, id, time, grade); cards k1..k9 described.
std::string
Lines(std::initializer_list<std::tuple<const char*, const char*, const char*, int>> reviews)
{
    std::string text;
    for (const char* key : {"k1", "k2", "k3"}) {
        TCardRecord card;
        card.Card = key;
        card.Ru = key;
        card.En = key;
        text += FormatCardRecord(card) + "\n";
    }
    for (const auto& [card, id, time, grade] : reviews) {
        TReviewRecord r;
        r.Card = card;
        r.Id = id;
        r.Time = *ParseRfc3339(time);
        r.Grade = grade;
        text += FormatReviewRecord(r) + "\n";
    }
    return text;
}

std::vector<TCardMemory> Replay(THistory& h, const TMemoryModel& model = TMemoryModel())
{
    return model.Replay(h);
}

TEST(MemoryReplay, OnlyTheFirstReviewOfAPupilDayEntersTheModel)
{
    THistory h;
    // A mistake brought back within the run, and again after midnight but
    // before the day starts at 4:00: one day for the pupil.
    h.ReadText(Lines({{"k1", "a", "2026-12-09T19:00:00+03:00", 1},
                      {"k1", "b", "2026-12-09T19:05:00+03:00", 3},
                      {"k1", "c", "2026-12-10T01:00:00+03:00", 3}}));
    const auto cards = Replay(h);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Reviews, 1);
    EXPECT_EQ(cards[0].Lapses, 0);
    const TFsrs fsrs;
    const TReviewOutcome first = fsrs.First(1, 0.5);
    EXPECT_DOUBLE_EQ(cards[0].State.Stability, first.State.Stability);
    EXPECT_DOUBLE_EQ(cards[0].State.Difficulty, first.State.Difficulty);
    EXPECT_EQ(cards[0].IntervalDays, first.IntervalDays);
    EXPECT_EQ(FormatDay(cards[0].LastDay), "2026-12-09");
    // The later ones are kept for the teacher, marked as not entered.
    ASSERT_EQ(h.Reviews.size(), 3u);
    EXPECT_TRUE(h.Reviews[0].Entered);
    EXPECT_FALSE(h.Reviews[1].Entered);
    EXPECT_FALSE(h.Reviews[2].Entered);

    // With the day starting at midnight the third is a day of its own.
    THistory again;
    again.ReadText(Lines({{"k1", "a", "2026-12-09T19:00:00+03:00", 1},
                          {"k1", "b", "2026-12-09T19:05:00+03:00", 3},
                          {"k1", "c", "2026-12-10T01:00:00+03:00", 3}}));
    const auto midnight = Replay(again, TMemoryModel({0.9, 0}));
    EXPECT_EQ(midnight[0].Reviews, 2);
    const TReviewOutcome second = fsrs.Next(first.State, 1, 3, 0.5);
    EXPECT_NEAR(midnight[0].State.Stability, second.State.Stability, 1e-9);
    EXPECT_EQ(midnight[0].IntervalDays, second.IntervalDays);
}

TEST(MemoryReplay, TimeOrderWithTiesByIdAndAClockThatWentBack)
{
    THistory h;
    h.ReadText(Lines({{"k1", "b", "2026-12-09T10:00:00+00:00", 3},
                      // Same instant, smaller id: this one is first.
                      {"k1", "a", "2026-12-09T10:00:00+00:00", 1},
                      {"k1", "c", "2026-12-12T10:00:00+00:00", 3},
                      // Later in UTC, but an earlier local day (a flight west).
                      {"k1", "d", "2026-12-12T12:00:00-11:00", 1}}));
    const auto cards = Replay(h);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0].Reviews, 2);
    EXPECT_EQ(cards[0].Lapses, 0);
    const TFsrs fsrs;
    const TReviewOutcome expected = fsrs.Next(fsrs.First(1, 0).State, 3, 3, 0);
    EXPECT_NEAR(cards[0].State.Stability, expected.State.Stability, 1e-9);
}

TEST(MemoryReplay, FuzzIsTheSameOnEveryReplayAndWithinItsRange)
{
    THistory h;
    h.ReadText(Lines({{"k1", "1", "2026-01-01T10:00:00+00:00", 3},
                      {"k1", "2", "2026-01-04T10:00:00+00:00", 3},
                      {"k1", "3", "2026-01-20T10:00:00+00:00", 3},
                      {"k1", "4", "2026-03-20T10:00:00+00:00", 3}}));
    THistory copy = h;
    const TMemoryModel model;
    const auto a = model.Replay(h);
    const auto b = model.Replay(copy);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].DueDay, b[0].DueDay);
    const TFuzzRange range = model.Model().FuzzRange(a[0].IntervalDays, 59);
    EXPECT_GE(a[0].DueDay - a[0].LastDay, range.Min);
    EXPECT_LE(a[0].DueDay - a[0].LastDay, range.Max);
    EXPECT_GT(a[0].IntervalDays, 20);
}

TEST(MemoryDue, LowestRecallFirstWithinTheLimitAndOnlyCardsWithTexts)
{
    THistory h;
    h.ReadText(Lines({{"k1", "1", "2026-12-01T10:00:00+03:00", 3},
                      {"k2", "2", "2026-12-01T10:00:00+03:00", 1},
                      {"k3", "3", "2026-12-08T10:00:00+03:00", 3},
                      {"k9", "4", "2026-11-01T10:00:00+03:00", 1}}));
    const TMemoryModel model;
    const auto cards = model.Replay(h);
    ASSERT_EQ(cards.size(), 4u);
    const std::int64_t today = PupilDay(*ParseRfc3339("2026-12-09T12:00:00+03:00"), 4);
    const auto key = [&](std::size_t i) { return h.Cards[cards[i].Card].Key; };

    const auto all = model.Due(h, cards, today, -1, false);
    ASSERT_EQ(all.size(), 3u);    // k3 was seen yesterday and is not due
    EXPECT_EQ(key(all[0]), "k9"); // forgotten longest ago
    EXPECT_EQ(key(all[1]), "k2");
    EXPECT_EQ(key(all[2]), "k1");
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_LE(model.Retrievability(cards[all[i - 1]], today),
                  model.Retrievability(cards[all[i]], today));

    const auto drillable = model.Due(h, cards, today, 1, true);
    ASSERT_EQ(drillable.size(), 1u);
    EXPECT_EQ(key(drillable[0]), "k2"); // k9 has no card record
}

} // namespace
} // namespace korvan

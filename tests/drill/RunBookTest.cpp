// Which questions are in play, which comes next, and what verdicts do to the
// counters.

#include <map>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "../TestNames.h"
#include "DrillWorld.h"
#include "drill/RunBook.h"
#include "drill/WeightTree.h"

namespace korvan::test {
namespace {

TLesson MakeLesson(int count)
{
    TLesson lesson;
    for (int i = 0; i < count; ++i) {
        TQuestion q;
        q.Number = i + 1;
        lesson.Questions.push_back(q);
    }
    lesson.Loaded = count > 0;
    lesson.RunState = 1;
    return lesson;
}

TBehaviorCfg Cfg(int orderKind, int mistakeChange, int useAtOnce = 10)
{
    TBehaviorCfg cfg;
    cfg.OrderKind = orderKind;
    cfg.MistakeChange = mistakeChange;
    cfg.UseAtOnce = useAtOnce;
    return NormalizeRunCfg(cfg);
}

int InPlay(const TLesson& lesson)
{
    int n = 0;
    for (const TQuestion& q : lesson.Questions)
        n += q.RepeatsLeft >= 1 ? 1 : 0;
    return n;
}

// The selection and bookkeeping as a plain linear walk, step by step as the
// rules state them; TRunBook must make the same choices from the same draws.
struct TReferenceBook
{
    TLesson& L;
    IRandom& R;
    TBehaviorCfg C;

    void BringIntoPlay()
    {
        if (L.NotStartedCount <= 0)
            return;
        TQuestion* chosen = nullptr;
        if (C.OrderKind == 0 || C.OrderKind == 1) {
            chosen = &L.Questions[static_cast<std::size_t>(L.QuestionCount() - L.NotStartedCount)];
        } else {
            int r = static_cast<int>(R.Uniform(static_cast<std::uint32_t>(L.NotStartedCount))) + 1;
            for (TQuestion& q : L.Questions)
                if (q.Unfinished && q.RepeatsLeft == 0 && --r == 0) {
                    chosen = &q;
                    break;
                }
        }
        chosen->RepeatsLeft = C.InitialShows;
        L.PendingTotal += C.InitialShows;
        L.NotStartedCount -= 1;
    }
    void Start()
    {
        for (TQuestion& q : L.Questions) {
            q.Unfinished = true;
            q.RepeatsLeft = q.RightCount = q.MistakeCount = 0;
        }
        L.UnfinishedCount = L.NotStartedCount = L.QuestionCount();
        L.PendingTotal = L.RightTotal = L.MistakeTotal = L.CleanCount = 0;
        const int k = C.OrderKind == 0 || C.OrderKind == 1 ? L.QuestionCount() : C.UseAtOnce;
        for (int i = 0; i < k; ++i)
            BringIntoPlay();
        L.SelectQuestion(0);
    }
    bool SelectNext()
    {
        if (L.PendingTotal <= 0)
            return false;
        if (C.OrderKind == 0) {
            if (L.Current->RepeatsLeft == 0)
                L.SelectQuestion(L.CurrentIndex + 1);
            return true;
        }
        int r = static_cast<int>(R.Uniform(static_cast<std::uint32_t>(L.PendingTotal))) + 1;
        for (int i = 0; i < L.QuestionCount(); ++i) {
            if (r - L.Questions[static_cast<std::size_t>(i)].RepeatsLeft <= 0) {
                L.SelectQuestion(i);
                break;
            }
            r -= L.Questions[static_cast<std::size_t>(i)].RepeatsLeft;
        }
        return true;
    }
    void RecordRight()
    {
        TQuestion& q = *L.Current;
        q.RightCount += 1;
        L.RightTotal += 1;
        q.RepeatsLeft -= 1;
        L.PendingTotal -= 1;
        if (q.RepeatsLeft < 1) {
            q.Unfinished = false;
            L.UnfinishedCount -= 1;
            if (q.MistakeCount == 0)
                L.CleanCount += 1;
            BringIntoPlay();
        }
    }
    void RecordWrong()
    {
        TQuestion& q = *L.Current;
        q.MistakeCount += 1;
        L.MistakeTotal += 1;
        const int now = std::min(q.RepeatsLeft + C.MistakeChange, C.ShowsCap);
        L.PendingTotal += now - q.RepeatsLeft;
        q.RepeatsLeft = now;
        if (now < 1) {
            q.Unfinished = false;
            L.UnfinishedCount -= 1;
            BringIntoPlay();
        }
    }
};

std::string Counters(const TLesson& l)
{
    std::string s = std::to_string(l.CurrentIndex) + ":" + std::to_string(l.UnfinishedCount) + "," +
                    std::to_string(l.NotStartedCount) + "," + std::to_string(l.PendingTotal) + "," +
                    std::to_string(l.RightTotal) + "," + std::to_string(l.MistakeTotal) + "," +
                    std::to_string(l.CleanCount) + " ";
    for (const TQuestion& q : l.Questions)
        s += std::to_string(q.RepeatsLeft) + (q.Unfinished ? "u" : "f");
    return s;
}

TEST(RunBook, MakesTheSameChoicesAsTheLinearWalk)
{
    std::mt19937 pick(7);
    for (int run = 0; run < 400; ++run) {
        const int count = 1 + static_cast<int>(pick() % 40);
        const TBehaviorCfg cfg = Cfg(static_cast<int>(pick() % 3), static_cast<int>(pick() % 3) - 1,
                                     1 + static_cast<int>(pick() % 12));
        TLesson a = MakeLesson(count);
        TLesson b = MakeLesson(count);
        TStdRandom ra(run), rb(run);
        TRunBook book(a, ra);
        TReferenceBook ref{b, rb, cfg};
        book.Start(cfg);
        ref.Start();
        ASSERT_EQ(Counters(a), Counters(b));
        for (int step = 0; step < 400; ++step) {
            const bool more = book.SelectNext();
            ASSERT_EQ(more, ref.SelectNext());
            if (!more)
                break;
            if (pick() % 3 == 0) {
                book.RecordWrong();
                ref.RecordWrong();
            } else {
                book.RecordRight();
                ref.RecordRight();
            }
            ASSERT_EQ(Counters(a), Counters(b)) << "run " << run << " step " << step;
            ExpectInvariants(a);
        }
    }
}

TEST(RunBook, InOrderWithOneMoreShowAfterAMistake)
{
    TLesson l = MakeLesson(3);
    TStdRandom r(1);
    TRunBook book(l, r);
    book.Start(Cfg(0, 0));
    std::vector<int> seen;
    // wrong, wrong, right on the first; right on the others.
    const char* verdicts = "wwrrr";
    for (const char* v = verdicts; book.SelectNext(); ++v) {
        seen.push_back(l.CurrentIndex);
        ASSERT_NE(*v, '\0');
        *v == 'w' ? book.RecordWrong() : book.RecordRight();
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 0, 0, 1, 2}));
    EXPECT_EQ(l.MistakeTotal, 2);
    EXPECT_EQ(l.CleanCount, 2);
}

TEST(RunBook, InOrderTwoMoreShowsAfterAMistake)
{
    TLesson l = MakeLesson(2);
    TStdRandom r(1);
    TRunBook book(l, r);
    book.Start(Cfg(0, 1));
    ASSERT_TRUE(book.SelectNext());
    book.RecordWrong();
    EXPECT_EQ(l.Current->RepeatsLeft, 2);
    EXPECT_EQ(l.PendingTotal, 3);
    book.RecordWrong(); // at the cap: stays 2
    EXPECT_EQ(l.Current->RepeatsLeft, 2);
    EXPECT_EQ(l.PendingTotal, 3);
    std::vector<int> shows;
    while (book.SelectNext()) {
        shows.push_back(l.CurrentIndex * 10 + l.Current->RepeatsLeft);
        book.RecordRight();
    }
    EXPECT_EQ(shows, (std::vector<int>{2, 1, 11}));
}

TEST(RunBook, InOrderNotShownAgainJudgesEachOnce)
{
    TLesson l = MakeLesson(5);
    TStdRandom r(1);
    TRunBook book(l, r);
    book.Start(Cfg(0, -1));
    int judgements = 0;
    for (; book.SelectNext(); ++judgements) {
        EXPECT_EQ(l.CurrentIndex, judgements);
        judgements % 2 ? book.RecordWrong() : book.RecordRight();
    }
    EXPECT_EQ(judgements, 5);
    EXPECT_EQ(l.UnfinishedCount, 0);
    EXPECT_EQ(l.CleanCount, 3);
}

TEST(RunBook, RandomPartKeepsUseAtOnceInPlayUntilThePoolRunsOut)
{
    TLesson l = MakeLesson(10);
    TStdRandom r(3);
    TRunBook book(l, r);
    book.Start(Cfg(2, 0, 3));
    EXPECT_EQ(InPlay(l), 3);
    EXPECT_EQ(l.NotStartedCount, 7);
    int rights = 0;
    while (book.SelectNext()) {
        ASSERT_EQ(InPlay(l), std::min(3, l.UnfinishedCount));
        book.RecordRight();
        ++rights;
    }
    EXPECT_EQ(rights, 10);
}

TEST(RunBook, UseAtOnceAboveTheLessonTakesAll)
{
    TLesson l = MakeLesson(4);
    TStdRandom r(3);
    TRunBook book(l, r);
    book.Start(Cfg(2, 0, 40));
    EXPECT_EQ(InPlay(l), 4);
    EXPECT_EQ(l.NotStartedCount, 0);
}

// The weighted draw: a question with 2 pending shows comes up about twice as
// often as one with 1, and the same question may come twice in a row.
TEST(RunBook, WeightedDrawFollowsPendingShows)
{
    TLesson l = MakeLesson(3);
    TStdRandom r(12345);
    TRunBook book(l, r);
    book.Start(Cfg(1, 1));
    l.SelectQuestion(1);
    book.RecordWrong(); // question 1 now has 2 pending shows
    ASSERT_EQ(l.PendingTotal, 4);
    std::map<int, int> hits;
    int repeats = 0;
    int last = -1;
    const int draws = 40000;
    for (int i = 0; i < draws; ++i) {
        ASSERT_TRUE(book.SelectNext());
        hits[l.CurrentIndex] += 1;
        repeats += l.CurrentIndex == last ? 1 : 0;
        last = l.CurrentIndex;
    }
    // Expected 10000 / 20000 / 10000; 3 standard deviations are about 260.
    EXPECT_NEAR(hits[0], 10000, 300);
    EXPECT_NEAR(hits[1], 20000, 300);
    EXPECT_NEAR(hits[2], 10000, 300);
    EXPECT_GT(repeats, draws / 4);
}

TEST(RunBook, NewQuestionsComeUniformlyFromThePool)
{
    std::map<int, int> first;
    TStdRandom r(99);
    for (int i = 0; i < 5000; ++i) {
        TLesson l = MakeLesson(5);
        TRunBook book(l, r);
        book.Start(Cfg(2, 0, 1));
        for (int q = 0; q < 5; ++q)
            if (l.Questions[static_cast<std::size_t>(q)].RepeatsLeft == 1)
                first[q] += 1;
    }
    for (int q = 0; q < 5; ++q)
        EXPECT_NEAR(first[q], 1000, 120) << q;
}

TEST(RunBook, OneQuestionEndsAfterItsRightVerdict)
{
    TLesson l = MakeLesson(1);
    TStdRandom r(1);
    TRunBook book(l, r);
    book.Start(Cfg(2, 0, 10));
    ASSERT_TRUE(book.SelectNext());
    book.RecordRight();
    EXPECT_FALSE(book.SelectNext());
    EXPECT_EQ(l.CleanCount, 1);
}

struct TNormalCase
{
    int OrderKind, UseAtOnce, MistakeChange;
    int WantOrder, WantAtOnce, WantChange;
};

class RunCfg : public ::testing::TestWithParam<TNormalCase>
{
};

TEST_P(RunCfg, HandEditedValuesAreMadeSound)
{
    const TNormalCase& c = GetParam();
    TBehaviorCfg stored;
    stored.OrderKind = c.OrderKind;
    stored.UseAtOnce = c.UseAtOnce;
    stored.MistakeChange = c.MistakeChange;
    stored.InitialShows = 5;
    stored.ShowsCap = 9;
    const TBehaviorCfg run = NormalizeRunCfg(stored);
    EXPECT_EQ(run.OrderKind, c.WantOrder);
    EXPECT_EQ(run.UseAtOnce, c.WantAtOnce);
    EXPECT_EQ(run.MistakeChange, c.WantChange);
    EXPECT_EQ(run.InitialShows, 1);
    EXPECT_EQ(run.ShowsCap, 2);
}

INSTANTIATE_TEST_SUITE_P(Values, RunCfg,
                         ::testing::Values(TNormalCase{0, 10, 0, 0, 10, 0},
                                           TNormalCase{1, 40, -1, 1, 40, -1},
                                           TNormalCase{7, 0, -3, 2, 1, -1},
                                           TNormalCase{-1, -5, 4, 2, 1, 1},
                                           TNormalCase{2, 100, 1, 2, 100, 1}),
                         [](const auto& info) {
                             const TNormalCase& c = info.param;
                             return test::JoinedName("Order", c.OrderKind, "AtOnce", c.UseAtOnce,
                                                     "Change", c.MistakeChange);
                         });

TEST(RunBook, UseAtOnceZeroStillDrills)
{
    TLesson l = MakeLesson(3);
    TStdRandom r(1);
    TRunBook book(l, r);
    TBehaviorCfg stored;
    stored.UseAtOnce = 0;
    book.Start(NormalizeRunCfg(stored));
    EXPECT_EQ(InPlay(l), 1);
    int verdicts = 0;
    while (book.SelectNext() && verdicts < 10) {
        book.RecordRight();
        ++verdicts;
    }
    EXPECT_EQ(verdicts, 3);
}

TEST(StdRandom, UniformInRangeAndRepeatableBySeed)
{
    TStdRandom a(2026), b(2026), one(5);
    std::vector<int> counts(7, 0);
    for (int i = 0; i < 70000; ++i) {
        const std::uint32_t x = a.Uniform(7);
        ASSERT_LT(x, 7u);
        ASSERT_EQ(x, b.Uniform(7));
        counts[x] += 1;
    }
    for (int c : counts)
        EXPECT_NEAR(c, 10000, 400);
    EXPECT_EQ(one.Uniform(1), 0u);
}

TEST(WeightTree, FindsWhatTheLinearWalkFinds)
{
    std::mt19937 gen(5);
    for (int round = 0; round < 200; ++round) {
        const int n = 1 + static_cast<int>(gen() % 70);
        std::vector<int> w(static_cast<std::size_t>(n), 0);
        TWeightTree tree;
        tree.Reset(n, round % 2);
        std::fill(w.begin(), w.end(), round % 2);
        for (int change = 0; change < 50; ++change) {
            const int i = static_cast<int>(gen() % static_cast<unsigned>(n));
            const int value = static_cast<int>(gen() % 3);
            tree.Add(i, value - w[static_cast<std::size_t>(i)]);
            w[static_cast<std::size_t>(i)] = value;
            long total = 0;
            for (int x : w)
                total += x;
            ASSERT_EQ(tree.Total(), total);
            for (long r = 0; r <= total + 1; ++r) {
                int expected = -1;
                long left = r;
                if (r >= 1 && r <= total)
                    for (int k = 0; k < n; ++k) {
                        if (left - w[static_cast<std::size_t>(k)] <= 0) {
                            expected = k;
                            break;
                        }
                        left -= w[static_cast<std::size_t>(k)];
                    }
                ASSERT_EQ(tree.FindByRunningSum(r), expected) << "n " << n << " r " << r;
            }
        }
    }
}

} // namespace
} // namespace korvan::test

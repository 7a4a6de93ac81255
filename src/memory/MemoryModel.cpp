#include "memory/MemoryModel.h"

#include "memory/CardKey.h"

#include <algorithm>
#include <thread>

namespace korvan {

namespace {

TFsrsParameters ParametersFor(const TMemoryOptions& options)
{
    TFsrsParameters p;
    p.DesiredRetention = options.DesiredRetention;
    return p;
}

std::uint64_t Mix(std::uint64_t x)
{
    // SplitMix64's finalizer: every input bit moves every output bit.
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// The fuzz of a review is drawn from the card, how many reviews it has had and
// the day, so every machine draws the same.
double FuzzFor(std::uint64_t cardHash, int reviews, std::int64_t day)
{
    return FuzzFactorFromHash(Mix(cardHash ^ Mix(static_cast<std::uint64_t>(reviews) ^
                                                 Mix(static_cast<std::uint64_t>(day)))));
}

} // namespace

TMemoryModel::TMemoryModel(const TMemoryOptions& options)
    : Opts(options), Fsrs(ParametersFor(options))
{
}

std::vector<TCardMemory> TMemoryModel::Replay(THistory& history) const
{
    std::vector<THistoryReview>& reviews = history.Reviews;
    // Grouped by card with a counting sort, then each group in time order.
    std::vector<std::size_t> start(history.Cards.size() + 1, 0);
    for (const THistoryReview& r : reviews)
        ++start[r.Card + 1];
    for (std::size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
    {
        std::vector<THistoryReview> grouped(reviews.size());
        std::vector<std::size_t> next(start.begin(), start.end() - 1);
        for (const THistoryReview& r : reviews)
            grouped[next[r.Card]++] = r;
        reviews.swap(grouped);
    }

    // Cards are independent: a long history is replayed on two threads, each
    // taking half of the cards.
    const auto cardCount = static_cast<std::uint32_t>(history.Cards.size());
    std::vector<TCardMemory> cards;
    if (reviews.size() < 100000 || std::thread::hardware_concurrency() < 2) {
        cards = ReplayCards(history, start, 0, cardCount);
    } else {
        std::vector<TCardMemory> second;
        std::thread helper([&] { second = ReplayCards(history, start, cardCount / 2, cardCount); });
        cards = ReplayCards(history, start, 0, cardCount / 2);
        helper.join();
        cards.insert(cards.end(), second.begin(), second.end());
    }
    // The copies marked are dropped.
    reviews.erase(std::remove_if(reviews.begin(), reviews.end(),
                                 [](const THistoryReview& r) { return r.Grade == 0; }),
                  reviews.end());
    return cards;
}

std::vector<TCardMemory> TMemoryModel::ReplayCards(THistory& history,
                                                   const std::vector<std::size_t>& start,
                                                   std::uint32_t from, std::uint32_t to) const
{
    std::vector<TCardMemory> cards;
    for (std::uint32_t card = from; card < to; ++card) {
        const auto first = history.Reviews.begin() + static_cast<std::ptrdiff_t>(start[card]);
        const auto last = history.Reviews.begin() + static_cast<std::ptrdiff_t>(start[card + 1]);
        std::sort(first, last, [&](const THistoryReview& a, const THistoryReview& b) {
            return a.Utc != b.Utc ? a.Utc < b.Utc : history.Id(a) < history.Id(b);
        });
        TCardMemory memory;
        memory.Card = card;
        const std::uint64_t cardHash = Fnv1a(Fnv1aBasis, history.Cards[card].Key);
        // Each review moves the state; only the last one's intervals and
        // fuzz make the due day, so only they are worked out.
        TMemoryState before;
        int lastElapsed = 0;
        int lastGrade = 0;
        const THistoryReview* previous = nullptr;
        for (auto it = first; it != last; ++it) {
            THistoryReview& r = *it;
            // Copies of one review lie side by side now (same card, time, id):
            // marked with grade 0 and dropped after the replay.
            if (previous != nullptr && previous->Utc == r.Utc &&
                history.Id(*previous) == history.Id(r)) {
                r.Grade = 0;
                continue;
            }
            previous = &r;
            const std::int64_t day = PupilDay({r.Utc, r.Offset}, Opts.DayStartsAt);
            // Only the first review of a pupil day counts; one that falls on an
            // earlier day than the last counted (a clock or zone moved back)
            // changes nothing either.
            r.Entered = memory.Reviews == 0 || day > memory.LastDay;
            if (!r.Entered)
                continue;
            before = memory.State;
            lastElapsed =
                memory.Reviews == 0
                    ? 0
                    : static_cast<int>(std::min<std::int64_t>(day - memory.LastDay, INT32_MAX));
            lastGrade = r.Grade;
            memory.State = memory.Reviews == 0 ? Fsrs.FirstState(r.Grade)
                                               : Fsrs.NextState(before, lastElapsed, r.Grade);
            if (memory.Reviews > 0 && r.Grade == 1)
                ++memory.Lapses;
            ++memory.Reviews;
            memory.LastDay = day;
            memory.LastReview = {r.Utc, r.Offset};
        }
        if (memory.Reviews > 0) {
            const int reviewsBefore = memory.Reviews - 1;
            const double fuzz = FuzzFor(cardHash, reviewsBefore, memory.LastDay);
            const TReviewOutcome outcome = reviewsBefore == 0
                                               ? Fsrs.First(lastGrade, fuzz)
                                               : Fsrs.Next(before, lastElapsed, lastGrade, fuzz);
            memory.IntervalDays = outcome.IntervalDays;
            memory.DueDay = memory.LastDay + outcome.FuzzedIntervalDays;
        }
        if (memory.Reviews > 0)
            cards.push_back(memory);
    }
    return cards;
}

double TMemoryModel::Retrievability(const TCardMemory& card, std::int64_t day) const
{
    return Fsrs.Retrievability(card.State,
                               static_cast<double>(std::max<std::int64_t>(0, day - card.LastDay)));
}

std::vector<std::size_t> TMemoryModel::Due(const THistory& history,
                                           const std::vector<TCardMemory>& cards, std::int64_t day,
                                           int limit, bool describedOnly) const
{
    struct TDue
    {
        double R;
        std::size_t Index;
    };
    std::vector<TDue> due;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (cards[i].DueDay > day || (describedOnly && !history.Cards[cards[i].Card].Described))
            continue;
        due.push_back({Retrievability(cards[i], day), i});
    }
    const auto before = [&](const TDue& a, const TDue& b) {
        if (a.R != b.R)
            return a.R < b.R;
        if (cards[a.Index].DueDay != cards[b.Index].DueDay)
            return cards[a.Index].DueDay < cards[b.Index].DueDay;
        return a.Index < b.Index;
    };
    const std::size_t keep =
        limit < 0 ? due.size() : std::min(due.size(), static_cast<std::size_t>(limit));
    std::partial_sort(due.begin(), due.begin() + static_cast<std::ptrdiff_t>(keep), due.end(),
                      before);
    std::vector<std::size_t> out;
    out.reserve(keep);
    for (std::size_t i = 0; i < keep; ++i)
        out.push_back(due[i].Index);
    return out;
}

} // namespace korvan

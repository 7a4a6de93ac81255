// Replays a heavy pupil's history in a fresh process and reports the time and
// the peak resident memory:
//   history_replay_rss --generate <reviews> <cards> <folder>   writes a history
//   history_replay_rss <folder>                                reads, replays, lists the due

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "memory/HistoryFormat.h"
#include "memory/MemoryModel.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// Two machines' files, years of reviews: each card is met about every few
// days at first, then ever more rarely, mostly recalled.
void Generate(long reviews, long cards, const std::string& folder)
{
    std::ofstream school(folder + "/school-pupil.jsonl", std::ios::binary);
    std::ofstream home(folder + "/home-pupil.jsonl", std::ios::binary);
    std::mt19937_64 random(20261209);
    const long perCard = reviews / cards;
    const std::int64_t start = 1'700'000'000; // late 2023
    long id = 0;
    for (long c = 0; c < cards; ++c) {
        korvan::TCardRecord card;
        card.Ru = "Предложение номер " + std::to_string(c) + " для повторения.";
        card.En = "Sentence number " + std::to_string(c) + " to review.";
        card.Card = korvan::CardKey(korvan::TCardDirection::RuEn, card.Ru, card.En);
        card.Lesson = "/home/pupil/lessons/lesson" + std::to_string(c / 100) + ".sl2";
        card.Number = c % 100 + 1;
        const std::string cardLine = korvan::FormatCardRecord(card) + "\n";
        school << cardLine;
        home << cardLine;
        std::int64_t t = start + static_cast<std::int64_t>(random() % (86400 * 100));
        for (long r = 0; r < perCard; ++r) {
            korvan::TReviewRecord review;
            review.Id = "bench-" + std::to_string(++id);
            review.Card = card.Card;
            review.Pupil = "Аня";
            review.Time = {t, 3 * 3600};
            review.Grade = random() % 10 == 0 ? 1 : 3;
            review.Verdict =
                review.Grade == 3 ? korvan::TVerdictKind::Right : korvan::TVerdictKind::Wrong;
            review.AnswerMs = static_cast<std::int64_t>(random() % 9000);
            review.NormMs = 9000;
            (random() % 2 ? school : home) << korvan::FormatReviewRecord(review) << "\n";
            t += 3600 * (8 + static_cast<std::int64_t>(random() % (24 * (r + 1))));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::string(argv[1]) == "--generate") {
        Generate(std::atol(argv[2]), std::atol(argv[3]), argv[4]);
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s --generate REVIEWS CARDS FOLDER | %s FOLDER\n", argv[0],
                     argv[0]);
        return 2;
    }
    const auto start = Clock::now();
    korvan::THistory history;
    history.ReadFolder(argv[1]);
    const double readMs = Ms(start);
    const korvan::TMemoryModel model;
    const std::vector<korvan::TCardMemory> cards = model.Replay(history);
    const double replayMs = Ms(start);

    const auto dueStart = Clock::now();
    const std::int64_t today = korvan::PupilDay(korvan::SystemZonedNow(), 4);
    const std::size_t due = model.Due(history, cards, today, 50, true).size();
    const std::size_t allDue = model.Due(history, cards, today, -1, false).size();
    const double dueMs = Ms(dueStart);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("reviews %zu, cards %zu, unreadable %lld: read and replay %.1f ms, due list "
                "(%zu of %zu) %.2f ms, peak RSS %.1f MB (read %.1f ms)\n",
                history.Reviews.size(), cards.size(),
                static_cast<long long>(history.UnreadableLines), replayMs, due, allDue, dueMs,
                static_cast<double>(usage.ru_maxrss) / 1024, readMs);
    return 0;
}

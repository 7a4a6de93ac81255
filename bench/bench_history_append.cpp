// Appending one verdict to a pupil's history: a card record the first time,
// then the review line, as the trainer does the moment a verdict is given.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "memory/HistoryWriter.h"

namespace {

void BM_AppendReview(benchmark::State& state)
{
    std::string folder = (std::filesystem::temp_directory_path() / "korvan-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    {
        korvan::THistoryWriter writer(folder + "/pupil/", "host-user.jsonl", true);
        korvan::TCardRecord card;
        card.Card = "ru-en:0123456789abcdef";
        card.Ru = "Доброе утро.";
        card.En = "Good morning.";
        korvan::TReviewRecord review;
        review.Card = card.Card;
        review.Pupil = "Аня";
        review.Time = {1'765'300'000, 3 * 3600};
        long id = 0;
        for (auto _ : state) {
            review.Id = "0123456789abcdef-" + std::to_string(++id);
            writer.Append(card, review);
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_AppendReview)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();

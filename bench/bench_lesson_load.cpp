// Opening a lesson as the program does it: read the file, then compute the
// norms. Targets: 1,000 questions under 2 ms, 1,000,000 (about 100 MB) under
// 1 s. `wc -l` on the same file is measured in the same run for scale.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "SampleLesson.h"
#include "lesson/Lesson.h"
#include "timing/TimeCalculator.h"

namespace {

using Clock = std::chrono::steady_clock;

// One generated file per size, removed at exit.
class TSampleFiles
{
public:
    ~TSampleFiles()
    {
        for (const auto& [count, path] : Paths)
            std::remove(path.c_str());
        if (!TablePath.empty())
            std::remove(TablePath.c_str());
    }
    const std::string& Lesson(int questions)
    {
        std::string& path = Paths[questions];
        if (path.empty()) {
            path = Folder() + "/korvan-bench-" + std::to_string(getpid()) + "-" +
                   std::to_string(questions) + ".sl2";
            korvan::bench::WriteSampleLesson(path, questions);
        }
        return path;
    }
    const std::string& Table()
    {
        if (TablePath.empty()) {
            TablePath = Folder() + "/korvan-bench-" + std::to_string(getpid()) + "-Time.ini";
            std::FILE* f = std::fopen(TablePath.c_str(), "wb");
            std::fputs("3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n", f);
            std::fclose(f);
        }
        return TablePath;
    }

private:
    static std::string Folder()
    {
        const char* dir = std::getenv("TMPDIR");
        return dir != nullptr && *dir != '\0' ? dir : "/tmp";
    }
    std::map<int, std::string> Paths;
    std::string TablePath;
};

TSampleFiles Samples;

double SecondsOfWcL(const std::string& path)
{
    const std::string command = "wc -l '" + path + "' > /dev/null";
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        if (std::system(command.c_str()) != 0)
            return 0;
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void BM_OpenLesson(benchmark::State& state)
{
    const std::string& path = Samples.Lesson(static_cast<int>(state.range(0)));
    const korvan::TTimeCalculator calc(Samples.Table());
    korvan::TLesson lesson;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        lesson.LoadFromFile(path);
        calc.CalculateNorms(lesson);
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        benchmark::DoNotOptimize(lesson.Questions.data());
        if (!lesson.Loaded || lesson.QuestionCount() != state.range(0))
            state.SkipWithError("the lesson did not load");
    }
    const double wc = SecondsOfWcL(path);
    state.counters["questions"] = static_cast<double>(lesson.QuestionCount());
    state.counters["wc_l_ms"] = wc * 1e3;
    if (wc > 0)
        state.counters["x_wc_l"] = seconds / static_cast<double>(state.iterations()) / wc;
}
BENCHMARK(BM_OpenLesson)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLesson)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The first opening in a fresh lesson object, without memory that an earlier
// opening left to reuse: the case of a user opening one large lesson.
void BM_OpenLessonOnce(benchmark::State& state)
{
    const std::string& path = Samples.Lesson(static_cast<int>(state.range(0)));
    const korvan::TTimeCalculator calc(Samples.Table());
    for (auto _ : state) {
        korvan::TLesson lesson;
        lesson.LoadFromFile(path);
        calc.CalculateNorms(lesson);
        benchmark::DoNotOptimize(lesson.Questions.data());
        state.PauseTiming(); // the lesson's destruction is not part of the opening
        lesson.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenLessonOnce)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();

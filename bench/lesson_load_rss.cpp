// Opens one lesson in a fresh process and reports the time and the peak
// resident memory against the file's size:
//   lesson_load_rss --generate <questions> <path>   writes a sample lesson
//   lesson_load_rss <path> [Time.ini]               opens it and reports

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "SampleLesson.h"
#include "lesson/Lesson.h"
#include "timing/TimeCalculator.h"

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--generate") {
        korvan::bench::WriteSampleLesson(argv[3], std::atoi(argv[2]));
        return 0;
    }
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s --generate N PATH | %s PATH [TIME.INI]\n", argv[0],
                     argv[0]);
        return 2;
    }
    struct stat info
    {
    };
    if (stat(argv[1], &info) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    const korvan::TTimeCalculator calc(argc == 3 ? argv[2] : "/nonexistent/Time.ini");

    const auto start = std::chrono::steady_clock::now();
    korvan::TLesson lesson;
    lesson.LoadFromFile(argv[1]);
    calc.CalculateNorms(lesson);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double fileMb = static_cast<double>(info.st_size) / (1 << 20);
    const double peakMb = static_cast<double>(usage.ru_maxrss) / 1024; // ru_maxrss is in KB
    std::printf("questions %d, file %.1f MB, open %.1f ms, peak RSS %.1f MB (%.2f x file)\n",
                lesson.QuestionCount(), fileMb, ms, peakMb, peakMb / fileMb);
    return lesson.Loaded ? 0 : 1;
}

// Writes a class's drill log of about the size asked for, through the
// trainer's own log writer: ten years of 30 pupils' runs, finished and not.
//   report_log <path> <megabytes>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "drill/DrillLog.h"
#include "drill/Grade.h"
#include "util/Text.h"

namespace {

class TBenchClock : public korvan::IClock
{
public:
    korvan::TDateTime Now() const override { return Value; }
    korvan::TDateTime Value = korvan::EncodeDateTime({2016, 9, 1, 8, 30, 0, 0});
};

} // namespace

int main(int argc, char** argv)
{
    using namespace korvan;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PATH MEGABYTES\n", argv[0]);
        return 2;
    }
    const long long target = std::atoll(argv[2]) * 1024 * 1024;
    std::remove(argv[1]);
    TBenchClock clock;
    TLogWriter log(clock);
    log.Open(argv[1]);
    std::mt19937 random(11);
    TLesson lesson;
    for (int i = 1; i <= 20; ++i) {
        TQuestion q;
        q.RText = ToCp1251("Мальчик читает книгу номер ") + std::to_string(i) + ".";
        q.EText = "The boy is reading book number " + std::to_string(i) + ".";
        lesson.Questions.push_back(q);
    }
    struct stat info
    {
    };
    for (long long runs = 0;; ++runs) {
        if (runs % 1000 == 0 && (log.Flush(), stat(argv[1], &info) == 0) && info.st_size >= target)
            break;
        clock.Value += 0.05; // about 70 minutes between programs
        LogProgramStarted(log);
        LogPupil(log, ToCp1251("Ученик ") + std::to_string(random() % 30 + 1));
        LogLessonOpened(log,
                        "/home/school/lessons/Урок " + std::to_string(random() % 40 + 1) + ".sl2");
        TBehaviorCfg cfg;
        cfg.TranslRE = random() % 2 == 0;
        cfg.UseTextInput = random() % 3 == 0;
        LogRunSettings(log, cfg, ToCp1251(random() % 2 ? "Режим 1" : "Экзамен"));
        if (random() % 8 != 0) {
            int mistakes = 0;
            for (TQuestion& q : lesson.Questions) {
                q.MistakeCount = static_cast<int>(random() % 10 < 7 ? 0 : random() % 4);
                mistakes += q.MistakeCount;
            }
            const TGrade grade = ComputeGrade(20, mistakes, 0);
            clock.Value += 0.006;
            WriteResultsToLog(log, lesson, cfg.TranslRE, grade.Name,
                              ResultsLine(20, mistakes, grade.Points),
                              TimeLine(518400, 20 + mistakes));
        }
        LogProgramFinished(log);
    }
    log.Close();
    return 0;
}

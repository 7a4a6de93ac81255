#pragma once

// A log for the report's window tests, written by the trainer's log writer:
// pupils with runs of known points on the days given.

#include <string>
#include <vector>

#include "drill/DrillLog.h"
#include "drill/Grade.h"
#include "util/Text.h"

namespace korvan {

struct TReportRun
{
    const char* Pupil; // UTF-8
    int Day;           // of December 2026
    int Mistakes;      // of 10 questions
};

class TStepClock : public IClock
{
public:
    TDateTime Now() const override { return Value; }
    TDateTime Value = 0;
};

inline void WriteReportLog(const std::string& path, const std::vector<TReportRun>& runs)
{
    TStepClock clock;
    TLogWriter log(clock);
    log.Open(path);
    TLesson lesson;
    for (int i = 1; i <= 10; ++i) {
        TQuestion q;
        q.RText = ToCp1251("Предложение ") + std::to_string(i);
        lesson.Questions.push_back(q);
    }
    for (const TReportRun& run : runs) {
        clock.Value = EncodeDateTime({2026, 12, run.Day, 10, 0, 0, 0});
        LogProgramStarted(log);
        LogPupil(log, ToCp1251(run.Pupil));
        LogLessonOpened(log, "/lessons/first.sl2");
        LogRunSettings(log, TBehaviorCfg{}, ToCp1251("Режим 1"));
        for (TQuestion& q : lesson.Questions)
            q.MistakeCount = 0;
        lesson.Questions[0].MistakeCount = run.Mistakes;
        const TGrade grade = ComputeGrade(10, run.Mistakes, 0);
        clock.Value += 5.0 / 24 / 60;
        WriteResultsToLog(log, lesson, true, grade.Name,
                          ResultsLine(10, run.Mistakes, grade.Points),
                          TimeLine(300000, 10 + run.Mistakes));
        LogProgramFinished(log);
    }
    log.Close();
}

} // namespace korvan

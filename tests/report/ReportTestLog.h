#pragma once

// A class's log written the way the trainer writes it: the drill engine, driven
// through its fakes, logging through the trainer's own log writer.

#include "../drill/DrillWorld.h"
#include "report/LogReader.h"

namespace korvan::test {

inline void FinishRun(TDrillWorld& w, int wrongFirst)
{
    w.Key(TDrillKey::F4);
    for (int guard = 0; w.Lesson.RunState == 1 && guard < 100; ++guard) {
        if (wrongFirst-- > 0)
            w.AnswerWrong();
        else
            w.AnswerRight();
    }
}

// Two program blocks, three pupils. Each right answer takes 1.5 s of the fake
// clock (lead-in tick and pause), a wrong one 1 s; the stamps show whole
// seconds, and a run's time is the difference of its stamps.
//  1 Аня, 3 questions RU->EN spoken, all right: 100 points, 4.5 s
//  2 Аня, the same, started 23:59:58 and finished after midnight
//  3 Борис <b>"&', 1 question EN->RU typed, mode "Экзамен", wrong twice: 28 points
//  4 Борис, started and left for another run (unfinished)
//  5 Борис, started and the program closed (unfinished)
//  6 no pupil in the second block, all right
inline std::string WriteClassLog(TDrillWorld& w)
{
    w.Drill->LogProgramStarted();
    w.Drill->LogPupil(ToCp1251("Аня"));
    w.Open(Numbered(3));
    FinishRun(w, 0);
    w.Clock.Value = EncodeDateTime({2026, 12, 7, 23, 59, 58, 0});
    FinishRun(w, 0);

    w.Drill->LogPupil(ToCp1251("Борис <b>\"&'"));
    w.Behavior.Mode = 1;
    w.Behavior.Cfg.TranslRE = false;
    w.Behavior.Cfg.UseTextInput = true;
    // A run with speech on logs one more line after its settings.
    w.Behavior.Cfg.UseSpeech = true;
    w.Open({{"c", "Кошка, \"сидит\"", "The cat <sits>"}});
    FinishRun(w, 2);
    w.Key(TDrillKey::F4);
    w.AnswerWrong();
    w.Key(TDrillKey::F4);
    w.Drill->LogProgramFinished();

    w.Drill->LogProgramStarted();
    w.Behavior = TFakeBehavior();
    w.Open(Numbered(2));
    FinishRun(w, 0);
    w.Drill->LogProgramFinished();
    w.Log.Close();
    return w.Dir.File("Log.txt");
}

inline TReportData ReadLogs(const std::vector<std::string>& paths)
{
    TReportData data;
    TLogReader reader(data);
    for (const std::string& path : paths)
        reader.ReadFile(path);
    return data;
}

} // namespace korvan::test

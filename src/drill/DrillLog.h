#pragma once

// The drill's entries in the log a teacher reads: start and end of the
// program, the pupil, the lesson opened, the settings of each run and the
// results of each finished run. Every entry ends with a flush, so an abrupt end
// loses at most the entry being written. Write failures (TIoError) pass to the
// caller.

#include <string>
#include <vector>

#include "lesson/Lesson.h"
#include "settings/BehaviorCfg.h"
#include "util/Log.h"

namespace korvan {

// The think-time factor (Speed + 5) / 10 in its shortest exact decimal form:
// "1" for 5, "0.5" for 0, "1.2" for 7, "2.5" for 20.
std::string SpeedFactorText(int speed);

// The nine lines of a run's settings, and a tenth when the run speaks
// sentences without a recording; the first is the one written stamped.
std::vector<std::string> RunSettingsLines(const TBehaviorCfg& cfg, const std::string& modeName);

// Lines 2 to 9 of the end-of-run entry (the stamped heading not included): the
// grade, result and time lines, the statistics and, when some question had more
// than one mistake, the difficulty list with the source texts.
std::vector<std::string> ResultsLogLines(const TLesson& lesson, bool translRE,
                                         const std::string& grade, const std::string& results,
                                         const std::string& time);

void LogProgramStarted(TLogWriter& log);
void LogPupil(TLogWriter& log, const std::string& pupilName);
// `path` is the file system's (UTF-8) name; the log holds it as 1251 text.
void LogLessonOpened(TLogWriter& log, const std::string& path);
void LogRunSettings(TLogWriter& log, const TBehaviorCfg& cfg, const std::string& modeName);
void WriteResultsToLog(TLogWriter& log, const TLesson& lesson, bool translRE,
                       const std::string& grade, const std::string& results,
                       const std::string& time);
void LogProgramFinished(TLogWriter& log);

} // namespace korvan

#include "drill/DrillLog.h"

#include <cstdint>
#include <cstdlib>

#include "util/Text.h"

namespace korvan {

namespace {

const std::string& YesNo(bool value)
{
    return value ? DrillLogTexts().Yes : DrillLogTexts().No;
}

} // namespace

const TDrillLogTexts& DrillLogTexts()
{
    static const TDrillLogTexts texts;
    return texts;
}

std::string SpeedFactorText(int speed)
{
    const std::int64_t tenths = std::int64_t{speed} + 5;
    const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    if (magnitude % 10 != 0)
        text += "." + std::to_string(magnitude % 10);
    return text;
}

std::vector<std::string> RunSettingsLines(const TBehaviorCfg& cfg, const std::string& modeName)
{
    const TDrillLogTexts& t = DrillLogTexts();
    std::vector<std::string> lines;
    lines.reserve(9);
    lines.push_back(t.RunStarted);
    lines.push_back(t.Mode + modeName);
    lines.push_back(t.ShowText + YesNo(cfg.ShowRText) + "], EN [" + YesNo(cfg.ShowEText) + "]");
    lines.push_back(t.PlaySound + YesNo(cfg.UseRWav) + "], EN [" + YesNo(cfg.UseEWav) + "]");
    lines.push_back(t.Direction + (cfg.TranslRE ? t.RuToEn : t.EnToRu));
    lines.push_back(t.Input + (cfg.UseTextInput ? t.Typed : t.Spoken));

    std::string time = t.UseTime + YesNo(cfg.UseTime) + "] ";
    if (cfg.UseTime)
        time += t.TimeFactor + SpeedFactorText(cfg.Speed) + t.FromNorm;
    lines.push_back(time);

    const std::string& onMistake = cfg.MistakeChange == -1  ? t.NotAgain
                                   : cfg.MistakeChange == 0 ? t.OnceMore
                                                            : t.TwiceMore;
    lines.push_back(t.OnMistake + onMistake + "]");

    const std::string& order = cfg.OrderKind == 0   ? t.InOrder
                               : cfg.OrderKind == 1 ? t.RandomAll
                                                    : t.RandomPart;
    std::string orderLine = t.Order + order + "] ";
    if (cfg.OrderKind != 0 && cfg.OrderKind != 1)
        orderLine += t.AtOnce + std::to_string(cfg.UseAtOnce) + "]";
    lines.push_back(orderLine);
    // After the block, which teachers' tools read as it always was.
    if (cfg.UseSpeech)
        lines.push_back(t.Speech);
    return lines;
}

std::vector<std::string> ResultsLogLines(const TLesson& lesson, bool translRE,
                                         const std::string& grade, const std::string& results,
                                         const std::string& time)
{
    const TDrillLogTexts& t = DrillLogTexts();
    int clean = 0;
    int one = 0;
    int more = 0;
    for (const TQuestion& q : lesson.Questions) {
        if (q.MistakeCount == 0)
            ++clean;
        else if (q.MistakeCount == 1)
            ++one;
        else if (q.MistakeCount > 1)
            ++more;
    }
    std::vector<std::string> lines;
    lines.push_back("    " + grade);
    lines.push_back("    " + results);
    lines.push_back("    " + time);
    lines.push_back(t.Statistics);
    lines.push_back(t.NoMistake + std::to_string(clean));
    lines.push_back(t.OneMistake + std::to_string(one));
    lines.push_back(t.MoreMistakes + std::to_string(more));
    if (more > 0) {
        lines.push_back(t.Difficult);
        for (std::size_t i = 0; i < lesson.Questions.size(); ++i) {
            const TQuestion& q = lesson.Questions[i];
            // A gathered lesson asks each question in its own direction.
            const bool ru = lesson.Origins.empty() ? translRE : lesson.Origins[i].AskRussian;
            if (q.MistakeCount > 1)
                lines.push_back("    " + PadLeft(std::to_string(q.MistakeCount), 3, ' ') +
                                t.MistakesMark + (ru ? q.RText : q.EText));
        }
    }
    return lines;
}

void LogProgramStarted(TLogWriter& log)
{
    log.Write(DrillLogTexts().ProgramStarted, true, true);
}

void LogPupil(TLogWriter& log, const std::string& pupilName)
{
    log.Write(DrillLogTexts().Pupil + pupilName, true, true);
}

void LogLessonOpened(TLogWriter& log, const std::string& path)
{
    log.Write(DrillLogTexts().LessonOpened + PathToCp1251(path), true, true);
}

void LogRunSettings(TLogWriter& log, const TBehaviorCfg& cfg, const std::string& modeName)
{
    const std::vector<std::string> lines = RunSettingsLines(cfg, modeName);
    for (std::size_t i = 0; i < lines.size(); ++i)
        log.Write(lines[i], i == 0, false);
    log.Flush();
}

void WriteResultsToLog(TLogWriter& log, const TLesson& lesson, bool translRE,
                       const std::string& grade, const TPhrase& results, const TPhrase& time)
{
    log.Write(DrillLogTexts().Finished, true, false);
    for (const std::string& line :
         ResultsLogLines(lesson, translRE, grade, RussianCp1251({results}), RussianCp1251({time})))
        log.Write(line, false, false);
    log.Flush();
}

void LogProgramFinished(TLogWriter& log)
{
    log.Write(DrillLogTexts().ProgramFinished, true, false);
    log.Write("", false, true);
}

} // namespace korvan

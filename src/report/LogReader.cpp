#include "report/LogReader.h"

#include <chrono>

#include "drill/DrillLog.h"
#include "util/LineReader.h"
#include "util/Text.h"

namespace korvan {

namespace {

bool Eat(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

void EatBlanks(std::string_view& text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
}

// 1 to `maxDigits` decimal digits.
bool EatNumber(std::string_view& text, std::size_t maxDigits, int& value)
{
    std::size_t n = 0;
    value = 0;
    while (n < text.size() && n < maxDigits && text[n] >= '0' && text[n] <= '9')
        value = value * 10 + (text[n++] - '0');
    text.remove_prefix(n);
    return n > 0;
}

// A whole non-negative number, nothing after it.
bool WholeNumber(std::string_view text, int& value)
{
    std::int32_t parsed = 0;
    if (text.empty() || text.front() == '-' || text.front() == '+' || !ParseInt32(text, parsed))
        return false;
    value = parsed;
    return true;
}

// The number before `suffix`, taken from the front of `text`.
bool NumberBefore(std::string_view& text, std::string_view suffix, int& value)
{
    const std::size_t end = text.find(suffix);
    if (end == std::string_view::npos || !WholeNumber(text.substr(0, end), value))
        return false;
    text.remove_prefix(end + suffix.size());
    return true;
}

} // namespace

int TNameTable::Index(std::string_view name)
{
    auto it = Indexes.find(name);
    if (it != Indexes.end())
        return it->second;
    const int index = static_cast<int>(Names.size());
    Names.emplace_back(name);
    Indexes.emplace(Names.back(), index);
    return index;
}

bool ParseStampedLine(std::string_view line, TStamp& stamp, std::string_view& text)
{
    using namespace std::chrono;
    std::string_view rest = line;
    EatBlanks(rest);
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    if (!EatNumber(rest, 2, day) || !Eat(rest, "/") || !EatNumber(rest, 2, month) ||
        !Eat(rest, "/") || !EatNumber(rest, 4, year) || !Eat(rest, " "))
        return false;
    EatBlanks(rest);
    if (!EatNumber(rest, 2, hour) || !Eat(rest, ":") || !EatNumber(rest, 2, minute) ||
        !Eat(rest, ":") || !EatNumber(rest, 2, second) || !Eat(rest, "  "))
        return false;
    const year_month_day date{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                              std::chrono::day{unsigned(day)}};
    if (!date.ok() || hour > 23 || minute > 59 || second > 59)
        return false;
    stamp =
        sys_days(date).time_since_epoch().count() * 86400LL + hour * 3600 + minute * 60 + second;
    text = rest;
    return true;
}

TLogReader::TLogReader(TReportData& data) : Data(data) {}

void TLogReader::ReadFile(const std::string& path)
{
    TLineReader reader(path);
    Log = static_cast<int>(Data.Logs.size());
    Data.Logs.push_back(path);
    Pupil = Data.Pupils.Index("");
    Lesson = Data.Lessons.Index("");
    Section = TSection::None;
    RunOpen = false;
    std::string_view line;
    while (reader.ReadLine(line)) {
        LineNo = reader.LineNumber();
        if (!line.empty() && line.back() == '\r') // a lone CR left by a broken line end
            line.remove_suffix(1);
        ReadLine(line);
    }
}

void TLogReader::ReadLine(std::string_view line)
{
    TStamp stamp = 0;
    std::string_view text;
    bool understood = false;
    if (line.empty())
        understood = true; // the gap after a program block
    else if (ParseStampedLine(line, stamp, text))
        understood = ReadStamped(stamp, text);
    else if (Section == TSection::Settings)
        understood = ReadSettings(line);
    else if (Section == TSection::Results)
        understood = ReadResults(line);
    else if (Section == TSection::Difficulty)
        understood = ReadDifficulty(line);
    if (!understood)
        Skip();
}

bool TLogReader::ReadStamped(TStamp stamp, std::string_view text)
{
    const TDrillLogTexts& t = DrillLogTexts();
    Section = TSection::None;
    if (text == t.ProgramStarted || text == t.ProgramFinished) {
        RunOpen = false;
        Pupil = Data.Pupils.Index("");
        Lesson = Data.Lessons.Index("");
        return true;
    }
    if (Eat(text, t.Pupil)) {
        Pupil = Data.Pupils.Index(text);
        return true;
    }
    if (Eat(text, t.LessonOpened)) {
        // Opening a lesson clears the one being drilled.
        RunOpen = false;
        Lesson = Data.Lessons.Index(text);
        return true;
    }
    if (text == t.RunStarted) {
        RunOpen = false;
        TRun run;
        run.Log = Log;
        run.Pupil = Pupil;
        run.Lesson = Lesson;
        run.Mode = Data.Modes.Index("");
        run.Started = stamp;
        Data.Runs.push_back(run);
        RunOpen = true;
        Section = TSection::Settings;
        return true;
    }
    if (text == t.Finished && RunOpen) {
        TRun& run = Data.Runs.back();
        run.Finished = true;
        run.FinishedAt = stamp;
        RunOpen = false;
        Section = TSection::Results;
        GradeRead = false;
        return true;
    }
    return false;
}

bool TLogReader::ReadSettings(std::string_view line)
{
    const TDrillLogTexts& t = DrillLogTexts();
    TRun& run = Data.Runs.back();
    if (Eat(line, t.Mode)) {
        run.Mode = Data.Modes.Index(line);
        return true;
    }
    if (Eat(line, t.Direction)) {
        if (line != t.RuToEn && line != t.EnToRu)
            return false;
        run.TranslRE = line == t.RuToEn ? 1 : 0;
        return true;
    }
    if (Eat(line, t.Input)) {
        if (line != t.Typed && line != t.Spoken)
            return false;
        run.Typed = line == t.Typed ? 1 : 0;
        return true;
    }
    // The rest of the settings say how the run was drilled, not how it went.
    return line.starts_with(t.ShowText) || line.starts_with(t.PlaySound) ||
           line.starts_with(t.UseTime) || line.starts_with(t.OnMistake) ||
           line.starts_with(t.Order) || line == t.Speech;
}

bool TLogReader::ReadResults(std::string_view line)
{
    const TDrillLogTexts& t = DrillLogTexts();
    TRun& run = Data.Runs.back();
    if (!GradeRead) {
        GradeRead = true;
        // The grade, as logged.
        if (!Eat(line, "    ") || line.empty())
            return false;
        run.Grade = Data.Grades.Index(line);
        return true;
    }
    if (Eat(line, t.NoMistake))
        return WholeNumber(line, run.NoMistakes);
    if (Eat(line, t.OneMistake))
        return WholeNumber(line, run.OneMistake);
    if (Eat(line, t.MoreMistakes))
        return WholeNumber(line, run.MoreMistakes);
    if (line == t.Statistics)
        return true;
    if (line == t.Difficult) {
        Section = TSection::Difficulty;
        return true;
    }
    std::string_view rest = line;
    if (Eat(rest, "    ") && Eat(rest, t.TimeSpent))
        return true; // the run's time is taken from the stamps
    rest = line;
    int questions = 0, mistakes = 0, points = 0;
    if (Eat(rest, "    ") && Eat(rest, t.ResultsIn) &&
        NumberBefore(rest, t.ResultsSentences, questions) &&
        NumberBefore(rest, t.ResultsMistakes, mistakes) &&
        NumberBefore(rest, t.ResultsPoints, points) && rest.empty()) {
        run.Questions = questions;
        run.Mistakes = mistakes;
        run.Points = points;
        return true;
    }
    return false;
}

bool TLogReader::ReadDifficulty(std::string_view line)
{
    const TDrillLogTexts& t = DrillLogTexts();
    int mistakes = 0;
    if (!Eat(line, "    "))
        return false;
    EatBlanks(line);
    if (!NumberBefore(line, t.MistakesMark, mistakes))
        return false;
    const TRun& run = Data.Runs.back();
    TTrouble& trouble =
        Data.Troubles[TTroubleKey{run.Pupil, run.Lesson, Data.Sentences.Index(line)}];
    trouble.Mistakes += mistakes;
    ++trouble.Runs;
    return true;
}

void TLogReader::Skip()
{
    ++Data.SkippedLines;
    if (Data.SkippedPlaces.size() < TReportData::MaxSkippedPlaces)
        Data.SkippedPlaces.push_back(Data.Logs[static_cast<std::size_t>(Log)] + ":" +
                                     std::to_string(LineNo));
}

} // namespace korvan

#pragma once

// What the teacher's report knows of a class's logs: every run, in log order,
// and the sentences that gave trouble. Texts (pupils, lessons, modes, grades,
// sentences) are 1251 bytes as logged; log paths are the file system's names.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace korvan {

// Each distinct text once; runs refer to it by index, so a class's ten years
// of runs do not hold a copy of the same lesson path per run.
class TNameTable
{
public:
    int Index(std::string_view name);
    const std::string& Name(int index) const { return Names[static_cast<std::size_t>(index)]; }
    int Count() const { return static_cast<int>(Names.size()); }

private:
    // Looked up by a view of the line read, without a copy of it.
    struct THash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const
        {
            return std::hash<std::string_view>()(text);
        }
    };
    std::vector<std::string> Names;
    std::unordered_map<std::string, int, THash, std::equal_to<>> Indexes;
};

// Local wall-clock seconds since 1970-01-01 00:00, as the log's stamps give them.
using TStamp = std::int64_t;

struct TRun
{
    int Log = 0;    // into TReportData::Logs
    int Pupil = 0;  // into Pupils; "" when no pupil was logged
    int Lesson = 0; // into Lessons; "" when no lesson was logged
    int Mode = 0;   // into Modes
    TStamp Started = 0;
    bool Finished = false;
    TStamp FinishedAt = 0;
    signed char TranslRE = -1; // 1 RU->EN, 0 EN->RU, -1 not logged
    signed char Typed = -1;    // 1 typed, 0 spoken, -1 not logged
    // From the results; -1 where the line is missing (a log cut short).
    int Questions = -1;
    int Mistakes = -1;
    int Points = -1;
    int Grade = -1; // into Grades
    int NoMistakes = -1;
    int OneMistake = -1;
    int MoreMistakes = -1;

    // Never negative: a clock set back during the run counts as no time.
    std::int64_t Seconds() const { return FinishedAt > Started ? FinishedAt - Started : 0; }
};

// One sentence of a difficulty list, summed over a pupil's runs of a lesson.
struct TTrouble
{
    std::int64_t Mistakes = 0;
    int Runs = 0;
};

// (pupil, lesson, sentence) -> the sum; ordered, so a pupil's sentences lie together.
using TTroubleKey = std::tuple<int, int, int>;

// One card of a pupil's memory, for the memory table.
struct TMemoryRow
{
    std::string Card;
    std::string Direction; // "ru-en", "en-ru", or "" for a card never described
    std::string Ru, En;    // UTF-8
    int Reviews = 0;
    int Lapses = 0;
    double Stability = 0;
    double Difficulty = 0;
    std::string LastReview; // RFC 3339
    int IntervalDays = 0;
    std::string Due; // YYYY-MM-DD
    double Retrievability = 0;
};

// What a pupil's history says on the report's day.
struct TPupilMemory
{
    std::string Pupil;  // UTF-8, the name of the pupil's history folder
    std::string Folder; // where it was read
    int Cards = 0;
    int Due = 0;     // due today, the overdue included
    int Overdue = 0; // due before today
    // The first reviews of a day over the last 30 days, and how many of them
    // were recalled (graded 2 or more): [0] Russian asked, [1] English asked.
    int RecallReviews[2] = {0, 0};
    int Recalled[2] = {0, 0};
    // Cards falling due on each of the next 14 days (tomorrow first).
    int DueAhead[14] = {};
    std::int64_t UnreadableLines = 0;
    std::vector<TMemoryRow> Rows; // card by card, when asked for
};

struct TReportData
{
    std::vector<std::string> Logs;
    TNameTable Pupils;
    TNameTable Lessons;
    TNameTable Modes;
    TNameTable Grades;
    TNameTable Sentences; // of the difficulty lists
    std::vector<TRun> Runs;
    std::map<TTroubleKey, TTrouble> Troubles;
    std::vector<TPupilMemory> Memories; // the pupils' histories found

    // Lines not understood: how many, and where the first of them are.
    std::int64_t SkippedLines = 0;
    std::vector<std::string> SkippedPlaces; // "path:line", at most MaxSkippedPlaces
    static constexpr std::size_t MaxSkippedPlaces = 10;
};

} // namespace korvan

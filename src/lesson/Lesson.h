#pragma once

// The lesson: a header and numbered questions read from a *.sl2 file, plus the
// counters of the current drill run (set by the drill only). Texts are 1251
// bytes exactly as in the file.

#include <cstdint>
#include <string>
#include <vector>

#include "util/DateTime.h"

namespace korvan {

// The first line of every lesson file, compared after trimming, case-sensitively.
inline constexpr std::string_view LessonMagicLine = "Korvan Lesson File Format, Version 2";

struct TQuestion
{
    std::int32_t Number = 0;
    // In seconds, set after each load. Kept beside Number, in what would be
    // padding: 120 bytes a question instead of 128 (a lesson may hold millions).
    std::int32_t TimeNorm = 0;
    std::string Comment; // the comment line, or the transcription in a words lesson
    std::string RText;
    std::string EText;

    // The current run.
    bool Unfinished = true;
    std::int32_t RepeatsLeft = 0; // 0..2
    std::int32_t RightCount = 0;
    std::int32_t MistakeCount = 0;
};

// Where a question of a lesson gathered from other lessons (the review of
// what is due) comes from.
struct TQuestionOrigin
{
    std::string LessonPath;     // the lesson it was learnt in (a path)
    std::int32_t Number = 0;    // its number there
    bool OwnRecordings = false; // that lesson still holds it under that number
    bool AskRussian = true;     // the direction it was learnt in
};

// Which questions the writer keeps.
enum class TSelection
{
    WithMistakes = 1,       // MistakeCount >= threshold
    RestOrWithMistakes = 2, // Unfinished, or MistakeCount > 0
};

// What the reader saw on the way, for the lesson tool's report.
struct TLessonReadNotes
{
    struct TDroppedLine
    {
        std::int64_t Line = 0; // 1-based line number in the file
        std::string Text;      // the trimmed line
    };
    bool Utf8Bom = false;
    bool HeaderFound = false;
    bool BodyFound = false;
    bool StoppedAtCtrlZ = false;
    std::int64_t BodyStartLine = 0; // line number of "<body>"
    std::vector<TDroppedLine> DroppedNumberLines;
    std::vector<std::int64_t> QuestionLines; // the number line of each question read
    std::vector<std::string> UnknownHeaderEntries;
};

class TLesson
{
public:
    TLesson();

    void Clear();
    // Reads a lesson file; true when its first line was the magic line, whether
    // or not a question was read (callers decide by `Loaded`). Throws TIoError
    // when the file cannot be read, leaving the lesson cleared.
    bool LoadFromFile(const std::string& path, TLessonReadNotes* notes = nullptr);

    // Throws std::out_of_range for an index outside the list.
    TQuestion& GetQuestion(int index);
    const TQuestion& GetQuestion(int index) const;
    void SelectQuestion(int index);
    int QuestionCount() const { return static_cast<int>(Questions.size()); }

    void SaveWithMistakes(const std::string& path, int threshold) const;
    void SaveRestOrWithMistakes(const std::string& path) const;
    // Writes the header and the selected questions (numbers unchanged, list
    // order) atomically. Throws TIoError, leaving an existing file as it was.
    void WriteToFile(const std::string& path, TSelection selection, int threshold) const;
    // The text WriteToFile writes. `comments` (1251 lines, each starting with a
    // character other than "<") stand between the first line and "<header>",
    // where the reader ignores them: an imported lesson's licence and sources.
    std::string FileText(TSelection selection, int threshold,
                         const std::vector<std::string>& comments = {}) const;

    bool Loaded = false;
    std::string FileName; // exactly as passed to the reader
    std::string Title;
    bool Words = false;
    bool HasRuAudio = false;
    bool HasEnAudio = false;
    std::vector<TQuestion> Questions;
    // Empty for a lesson read from a file; one for each question of a
    // gathered lesson, whose recordings and direction are each question's own.
    std::vector<TQuestionOrigin> Origins;

    std::uint8_t RunState = 0; // 0 no run, 1 running, 2 finished
    TQuestion* Current = nullptr;
    std::int32_t CurrentIndex = -1;
    std::int32_t UnfinishedCount = 0;
    std::int32_t NotStartedCount = 0;
    std::int32_t PendingTotal = 0;
    std::int32_t RightTotal = 0;
    std::int32_t MistakeTotal = 0;
    std::int32_t CleanCount = 0;
    TDateTime StartTime = 0;
};

} // namespace korvan

#include "lesson/Lesson.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <new>
#include <stdexcept>

#include "util/AtomicFile.h"
#include "util/LineReader.h"
#include "util/Text.h"

namespace korvan {

namespace {

constexpr std::string_view HeaderLine = "<header>";
constexpr std::string_view BodyLine = "<body>";
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// Reads the next line trimmed; an empty line past the end of the file.
std::string_view NextTrimmed(TLineReader& reader, bool& more)
{
    std::string_view line;
    more = more && reader.ReadLine(line);
    return more ? TrimControls(line) : std::string_view();
}

void AppendLine(std::string& out, std::string_view text)
{
    out += text;
    out += "\r\n";
}

bool IsSelected(const TQuestion& q, TSelection selection, int threshold)
{
    if (selection == TSelection::WithMistakes)
        return q.MistakeCount >= threshold;
    return q.Unfinished || q.MistakeCount > 0;
}

void ReadHeaderEntry(TLesson& lesson, std::string_view entry, TLessonReadNotes* notes)
{
    const std::size_t eq = entry.find('=');
    const std::string_view key = TrimControls(entry.substr(0, eq));
    const std::string_view value =
        eq == std::string_view::npos ? std::string_view() : TrimControls(entry.substr(eq + 1));
    if (key == "Title")
        lesson.Title.assign(value);
    else if (key == "Words")
        lesson.Words = true; // by presence: "Words=0" is a words lesson too
    else if (key == "HasRuAudio")
        lesson.HasRuAudio = true;
    else if (key == "HasEnAudio")
        lesson.HasEnAudio = true;
    else if (notes != nullptr && !key.empty())
        notes->UnknownHeaderEntries.emplace_back(key);
}

// Fresh memory is faulted in page by page on first touch, and on virtual
// machines each fault can cost some 10 us: a million questions touch 30,000
// pages of list. Asking for the pages a block at a time, just ahead of their
// use, turns those faults into a few hundred calls, and never commits more
// than one block beyond what is used.
class TPrefaulter
{
public:
    explicit TPrefaulter(const std::vector<TQuestion>& questions) : Questions(questions) {}

    // Call before appending to the list.
    void BeforeAppend()
    {
        if (Questions.size() < Ready)
            return;
#ifdef MADV_POPULATE_WRITE
        static const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        const std::size_t end = std::min(Questions.capacity(), Questions.size() + BlockQuestions);
        // Whole pages inside the storage only: the neighbours are not ours.
        const auto from = reinterpret_cast<std::uintptr_t>(Questions.data() + Questions.size());
        const auto to = reinterpret_cast<std::uintptr_t>(Questions.data() + end);
        const std::uintptr_t first = (from + page - 1) / page * page;
        const std::uintptr_t last = to / page * page;
        if (Questions.capacity() >= MinQuestions && last > first)
            madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
        Ready = end;
#else
        Ready = SIZE_MAX;
#endif
    }

private:
    static constexpr std::size_t BlockQuestions = 16384; // about 2 MB
    static constexpr std::size_t MinQuestions = 4096;    // small lists are not worth a call
    const std::vector<TQuestion>& Questions;
    std::size_t Ready = 0; // questions whose storage has been asked for
};

void ReadBody(std::vector<TQuestion>& questions, TLineReader& reader, TLessonReadNotes* notes)
{
    // One allocation for the whole list: each question takes four lines. A
    // file of junk lines may ask for far more than it needs; the list then
    // grows as it goes.
    const std::int64_t linesAhead = reader.CountLinesAhead();
    if (linesAhead > 0) {
        try {
            questions.reserve(static_cast<std::size_t>(linesAhead / 4 + 1));
        } catch (const std::bad_alloc&) {
        } catch (const std::length_error&) {
        }
    }
    TPrefaulter prefaulter(questions);

    std::string_view line;
    while (reader.ReadLine(line)) {
        line = TrimControls(line);
        std::int32_t number = 0;
        if (line.empty()) {
            number = static_cast<std::int32_t>(questions.size()) + 1;
        } else if (!ParseInt32(line, number)) {
            // Only this line is dropped; the next one starts a new group, so
            // the groups after it are read shifted.
            if (notes != nullptr)
                notes->DroppedNumberLines.push_back({reader.LineNumber(), std::string(line)});
            continue;
        }
        if (notes != nullptr)
            notes->QuestionLines.push_back(reader.LineNumber());
        prefaulter.BeforeAppend();
        TQuestion& q = questions.emplace_back();
        q.Number = number;
        // A group the file ends inside is completed with empty lines.
        bool more = true;
        q.Comment.assign(NextTrimmed(reader, more));
        q.RText.assign(NextTrimmed(reader, more));
        q.EText.assign(NextTrimmed(reader, more));
        if (!more)
            break;
    }
}

bool ReadLesson(TLesson& lesson, TLineReader& reader, TLessonReadNotes* notes)
{
    std::string_view line;
    const bool hasFirst = reader.ReadLine(line);
    if (notes != nullptr) {
        notes->Utf8Bom = hasFirst && line.starts_with(Utf8Bom);
        notes->StoppedAtCtrlZ = reader.StoppedAtCtrlZ();
    }
    if (!hasFirst || TrimControls(line) != LessonMagicLine) {
        return false;
    }

    bool inHeader = false;
    while (reader.ReadLine(line)) {
        line = TrimControls(line);
        if (!inHeader) {
            if (line == HeaderLine) {
                inHeader = true;
                if (notes != nullptr)
                    notes->HeaderFound = true;
            }
        } else if (line == BodyLine) {
            if (notes != nullptr) {
                notes->BodyFound = true;
                notes->BodyStartLine = reader.LineNumber();
            }
            ReadBody(lesson.Questions, reader, notes);
            break;
        } else {
            ReadHeaderEntry(lesson, line, notes);
        }
    }
    if (notes != nullptr)
        notes->StoppedAtCtrlZ = reader.StoppedAtCtrlZ();
    return true;
}

} // namespace

TLesson::TLesson()
{
    Clear();
}

void TLesson::Clear()
{
    Loaded = false;
    FileName.clear();
    Title.clear();
    Words = false;
    HasRuAudio = false;
    HasEnAudio = false;
    // Gives the memory back: a large lesson should not stay resident behind a
    // small one opened after it.
    std::vector<TQuestion>().swap(Questions);
    Origins.clear();
    RunState = 0;
    Current = nullptr;
    CurrentIndex = -1;
    UnfinishedCount = 0;
    NotStartedCount = 0;
    PendingTotal = 0;
    RightTotal = 0;
    MistakeTotal = 0;
    CleanCount = 0;
    StartTime = 0;
}

bool TLesson::LoadFromFile(const std::string& path, TLessonReadNotes* notes)
{
    Clear();
    FileName = path;
    if (notes != nullptr)
        *notes = TLessonReadNotes();
    try {
        TLineReader reader(path, true);
        const bool isLesson = ReadLesson(*this, reader, notes);
        Loaded = !Questions.empty();
        return isLesson;
    } catch (...) {
        // Never leave half a lesson behind a failure.
        Clear();
        FileName = path;
        throw;
    }
}

TQuestion& TLesson::GetQuestion(int index)
{
    if (index < 0 || index >= QuestionCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return Questions[static_cast<std::size_t>(index)];
}

const TQuestion& TLesson::GetQuestion(int index) const
{
    return const_cast<TLesson*>(this)->GetQuestion(index);
}

void TLesson::SelectQuestion(int index)
{
    Current = &GetQuestion(index);
    CurrentIndex = index;
}

void TLesson::SaveWithMistakes(const std::string& path, int threshold) const
{
    WriteToFile(path, TSelection::WithMistakes, threshold);
}

void TLesson::SaveRestOrWithMistakes(const std::string& path) const
{
    WriteToFile(path, TSelection::RestOrWithMistakes, 0);
}

void TLesson::WriteToFile(const std::string& path, TSelection selection, int threshold) const
{
    WriteFileAtomically(path, FileText(selection, threshold));
}

std::string TLesson::FileText(TSelection selection, int threshold,
                              const std::vector<std::string>& comments) const
{
    std::size_t size = 128 + Title.size();
    for (const std::string& line : comments)
        size += line.size() + 2;
    for (const TQuestion& q : Questions)
        if (IsSelected(q, selection, threshold))
            size += 19 + q.Comment.size() + q.RText.size() + q.EText.size();
    std::string out;
    out.reserve(size);

    AppendLine(out, LessonMagicLine);
    for (const std::string& line : comments)
        AppendLine(out, line);
    AppendLine(out, HeaderLine);
    out += "Title=";
    AppendLine(out, Title);
    if (Words)
        AppendLine(out, "Words");
    if (HasRuAudio)
        AppendLine(out, "HasRuAudio");
    if (HasEnAudio)
        AppendLine(out, "HasEnAudio");
    AppendLine(out, BodyLine);
    for (const TQuestion& q : Questions) {
        if (!IsSelected(q, selection, threshold))
            continue;
        char digits[12];
        const auto result = std::to_chars(digits, digits + sizeof digits, q.Number);
        AppendLine(out, std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
        AppendLine(out, q.Comment);
        AppendLine(out, q.RText);
        AppendLine(out, q.EText);
    }
    return out;
}

} // namespace korvan

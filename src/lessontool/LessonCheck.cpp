#include "lessontool/LessonCheck.h"

#include <map>
#include <ostream>

#include "import/SourceText.h"
#include "import/Utf8Lesson.h"
#include "lesson/Lesson.h"
#include "lesson/LessonChecks.h"
#include "lesson/LessonSounds.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

namespace {

// "question 3 (number 7)" in the author's terms: position and number.
std::string Describe(const TLesson& lesson, std::size_t index)
{
    return "question " + std::to_string(index + 1) + " (number " +
           std::to_string(lesson.Questions[index].Number) + ")";
}

void ReportDroppedLines(const TLesson& lesson, const TLessonReadNotes& notes, std::ostream& out)
{
    const auto& dropped = notes.DroppedNumberLines;
    for (std::size_t first = 0; first < dropped.size();) {
        // A mistyped number usually drags the rest of its group along: report
        // a run of consecutive skipped lines at once.
        std::size_t last = first;
        while (last + 1 < dropped.size() && dropped[last + 1].Line == dropped[last].Line + 1)
            ++last;
        if (first == last) {
            out << "Line " << dropped[first].Line << ": \"" << Cp1251ToUtf8(dropped[first].Text)
                << "\" is not a question number, so the trainer skips it.\n";
        } else {
            out << "Lines " << dropped[first].Line << " to " << dropped[last].Line
                << " are not question numbers, so the trainer skips them:";
            for (std::size_t d = first; d <= last && d < first + 4; ++d)
                out << " \"" << Cp1251ToUtf8(dropped[d].Text) << "\"";
            out << (last - first >= 4 ? " ...\n" : "\n");
        }
        // The groups after the run, up to the next skipped line, may start off
        // the four-line pattern that begins after "<body>".
        const std::int64_t from = dropped[last].Line;
        const std::int64_t until = last + 1 < dropped.size() ? dropped[last + 1].Line : INT64_MAX;
        std::size_t shiftedFirst = SIZE_MAX, shiftedLast = 0;
        for (std::size_t i = 0; i < notes.QuestionLines.size(); ++i) {
            const std::int64_t line = notes.QuestionLines[i];
            if (line <= from || line >= until || (line - notes.BodyStartLine - 1) % 4 == 0)
                continue;
            shiftedFirst = std::min(shiftedFirst, i);
            shiftedLast = i;
        }
        if (shiftedFirst == SIZE_MAX)
            out << "  The groups after it keep the four-line pattern.\n";
        else
            out << "  From " << Describe(lesson, shiftedFirst) << " to "
                << Describe(lesson, shiftedLast)
                << " the groups start off the four-line pattern of the body: check that their "
                   "numbers, comments and texts stand where you meant.\n";
        first = last + 1;
    }
}

void ReportEmptyTexts(const TLesson& lesson, std::ostream& out)
{
    for (std::size_t i = 0; i < lesson.Questions.size(); ++i) {
        const TQuestion& q = lesson.Questions[i];
        if (IsBlankText(q.RText))
            out << "The " << Describe(lesson, i) << " has no Russian text.\n";
        if (IsBlankText(q.EText))
            out << "The " << Describe(lesson, i) << " has no English text.\n";
    }
}

void ReportRepeatedNumbers(const TLesson& lesson, std::ostream& out)
{
    TNumberUses uses;
    for (const TQuestion& q : lesson.Questions)
        uses.Add(q.Number);
    uses.ForEachRepeated([&out](std::int32_t number, int count) {
        out << "The number " << number << " is used by " << count
            << " questions; they share one pair of recordings.\n";
    });
}

void ReportMissingSounds(const TLesson& lesson, TLanguage language, std::ostream& out)
{
    const TRecordingFolder folder(FolderOf(lesson.FileName));
    std::vector<std::string> missing;
    std::map<std::string, bool> seen;
    for (const TQuestion& q : lesson.Questions) {
        const std::string name = LessonSoundName(q.Number, language);
        if (!seen.emplace(name, true).second)
            continue;
        if (!folder.Has(q.Number, language))
            missing.push_back(name);
    }
    if (missing.empty())
        return;
    out << "The header promises " << (language == TLanguage::Russian ? "Russian" : "English")
        << " recordings, but " << missing.size() << " of " << seen.size()
        << " are not in the lesson's folder:";
    constexpr std::size_t shown = 20;
    for (std::size_t i = 0; i < missing.size() && i < shown; ++i)
        out << " " << missing[i];
    if (missing.size() > shown)
        out << " and " << missing.size() - shown << " more";
    out << ". The trainer shows the text instead.\n";
}

// A lesson saved in UTF-8: how to convert it, and what will not convert.
void ReportUtf8Lesson(const std::string& path, bool bom, std::ostream& out)
{
    out << "The file is UTF-8 text" << (bom ? " with a byte-order mark" : "")
        << ": the trainer reads Windows-1251, so it would not take the lesson as it is. "
           "Convert it with\n  korvan-lesson import \""
        << path << "\" \"" << ConvertedLessonPath(path)
        << "\"\nor open it in the trainer, which offers to convert it.\n";
    const TLessonConversion conversion =
        ConvertUtf8Lesson(ReadWholeFile(path, std::size_t(512) << 20), TUnfitChoice::Stop);
    for (const TUnfitText& u : conversion.Unfit)
        out << "  " << DescribeUnfit(u) << "\n";
    if (!conversion.Unfit.empty())
        out << "Characters Windows-1251 cannot hold stop the conversion; change them, or add "
               "--replace-unfit to replace them.\n";
}

} // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "korvan-lesson check: give exactly one lesson file\n";
        return 2;
    }
    const std::string& path = args[0];
    TLesson lesson;
    TLessonReadNotes notes;
    bool isLesson = false;
    try {
        isLesson = lesson.LoadFromFile(path, &notes);
    } catch (const TIoError& e) {
        err << "korvan-lesson check: " << e.what() << "\n";
        return 1;
    }
    const bool utf8 = FileLooksLikeUtf8(path);

    out << "Lesson file: " << path << "\n";
    if (IsUtf8LessonFile(path))
        ReportUtf8Lesson(path, notes.Utf8Bom, out);
    else if (notes.Utf8Bom)
        out << "The file begins with a UTF-8 byte-order mark. Save it as Windows-1251 "
               "(Cyrillic, \"ANSI\") text without it.\n";
    else if (utf8)
        out << "The file is UTF-8 text: the trainer reads Windows-1251, so its Russian "
               "letters would show as garbage. Save it as Windows-1251 (Cyrillic) text.\n";
    if (!isLesson) {
        out << "Not a lesson: the first line must be exactly \"" << LessonMagicLine << "\".\n"
            << "Result: not usable.\n";
        return 1;
    }
    out << "Title: " << (lesson.Title.empty() ? "(none)" : Cp1251ToUtf8(lesson.Title)) << "\n"
        << "Kind: "
        << (lesson.Words ? "words lesson (the comment line is the transcription)"
                         : "ordinary lesson")
        << "\n";
    if (!notes.HeaderFound)
        out << "There is no \"<header>\" line, so the trainer finds no questions.\n";
    else if (!notes.BodyFound)
        out << "There is no \"<body>\" line after \"<header>\", so the trainer finds no "
               "questions.\n";
    for (const std::string& key : notes.UnknownHeaderEntries)
        out << "The header entry \"" << Cp1251ToUtf8(key)
            << "\" means nothing to the trainer (keys are case-sensitive: Title, Words, "
               "HasRuAudio, HasEnAudio).\n";
    if (notes.StoppedAtCtrlZ)
        out << "A Ctrl-Z character ends the file early; anything after it is not read.\n";
    out << "Questions: " << lesson.Questions.size() << "\n";
    ReportDroppedLines(lesson, notes, out);
    ReportEmptyTexts(lesson, out);
    ReportRepeatedNumbers(lesson, out);
    if (lesson.HasRuAudio)
        ReportMissingSounds(lesson, TLanguage::Russian, out);
    if (lesson.HasEnAudio)
        ReportMissingSounds(lesson, TLanguage::English, out);

    const bool usable = lesson.Loaded && !notes.Utf8Bom && !utf8;
    out << "Result: " << (usable ? "usable" : "not usable") << ".\n";
    return usable ? 0 : 1;
}

} // namespace korvan

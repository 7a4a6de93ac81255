#include "editor/EditorFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

#include "lesson/Lesson.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"
#include "util/FileCopy.h"
#include "util/Text.h"

namespace fs = std::filesystem;

namespace korvan {

namespace {

constexpr TLanguage Languages[] = {TLanguage::Russian, TLanguage::English};

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

void RemoveFile(const std::string& path)
{
    std::error_code error;
    fs::remove(path, error);
    if (error)
        throw TIoError("Cannot delete file " + path + ": " + error.message());
}

// Removes every file of the recording but `keep`.
void RemoveOthers(const TRecordingFolder& folder, std::int32_t number, TLanguage language,
                  const std::string& keep)
{
    for (const std::string& path : folder.AllOf(number, language))
        if (path != keep)
            RemoveFile(path);
}

std::string Encode(const std::string& utf8, std::optional<TCellRef> cell)
{
    try {
        return ToCp1251(utf8);
    } catch (const TEncodingError&) {
        throw TUnencodableError(cell);
    }
}

} // namespace

TOpenResult OpenForEditing(const std::string& path, TLessonEditor& editor)
{
    TOpenResult result;
    std::error_code error;
    if (!fs::exists(path, error)) {
        editor.Document.Reset({}, {});
        editor.Loaded();
        return result;
    }
    TLesson lesson;
    if (!lesson.LoadFromFile(path)) {
        result.Status = TOpenStatus::NotALesson;
        return result;
    }
    result.Status = TOpenStatus::Opened;
    result.FromUtf8 = FileLooksLikeUtf8(path);
    auto text = [&](const std::string& bytes) {
        return result.FromUtf8 ? bytes : Cp1251ToUtf8(bytes);
    };
    std::vector<TEditorRow> rows;
    rows.reserve(lesson.Questions.size());
    for (const TQuestion& q : lesson.Questions)
        rows.push_back({q.Number, text(q.Comment), text(q.RText), text(q.EText), 0, q.Number});
    editor.Document.Reset({text(lesson.Title), lesson.Words, lesson.HasRuAudio, lesson.HasEnAudio},
                          std::move(rows));
    editor.Loaded();
    return result;
}

void SaveEdited(TLessonEditor& editor, const std::string& path)
{
    const TLessonDocument& document = editor.Document;
    TLesson lesson;
    const TEditorHeader& header = document.Header();
    lesson.Title = Encode(header.Title, std::nullopt);
    lesson.Words = header.Words;
    lesson.HasRuAudio = header.HasRuAudio;
    lesson.HasEnAudio = header.HasEnAudio;
    lesson.Questions.resize(document.Rows().size());
    for (int i = 0; i < document.RowCount(); ++i) {
        const TEditorRow& row = document.Row(i);
        TQuestion& q = lesson.Questions[static_cast<std::size_t>(i)];
        q.Number = row.Number;
        q.Comment = Encode(row.Comment, TCellRef{i, TColumn::Comment});
        q.RText = Encode(row.RText, TCellRef{i, TColumn::Russian});
        q.EText = Encode(row.EText, TCellRef{i, TColumn::English});
    }
    // Before any run every question is unfinished: this selection writes all.
    lesson.WriteToFile(path, TSelection::RestOrWithMistakes, 0);
    const std::vector<TRecordingMove> moves = RecordingMoves(document);
    if (!moves.empty()) {
        TRecordingFolder folder(FolderOf(path));
        MoveRecordings(folder, moves);
    }
    editor.Document.MarkNumbersOnDisk();
    editor.MarkSaved();
}

std::vector<TRecordingMove> RecordingMoves(const TLessonDocument& document)
{
    std::map<std::int32_t, std::set<std::int32_t>> targets; // by the number on disk
    std::set<std::int32_t> held; // numbers whose question has not changed its number
    for (const TEditorRow& row : document.Rows())
        if (row.FileNumber) {
            targets[*row.FileNumber].insert(row.Number);
            if (*row.FileNumber == row.Number)
                held.insert(row.Number);
        }
    std::vector<TRecordingMove> moves;
    for (const auto& [from, tos] : targets)
        for (const std::int32_t to : tos)
            if (to != from)
                moves.push_back({from, to, held.count(from) > 0, held.count(to) > 0});
    return moves;
}

void MoveRecordings(TRecordingFolder& folder, const std::vector<TRecordingMove>& moves)
{
    struct TStaged
    {
        std::string Temp;
        std::int32_t To;
        TLanguage Language;
        std::string Extension; // of the source, kept: an MP3 stays an MP3
    };
    std::vector<TStaged> staged;
    std::set<std::pair<std::int32_t, TLanguage>> released; // numbers no question keeps
    std::set<std::pair<std::int32_t, TLanguage>> cleared;  // taken by a question without one
    for (const TRecordingMove& move : moves)
        for (const TLanguage language : Languages) {
            const auto source = folder.Find(move.From, language);
            if (!source) {
                if (!move.TargetHeld)
                    cleared.insert({move.To, language});
                continue;
            }
            const std::string temp = folder.Folder() + LessonSoundName(move.To, language) +
                                     ".move~" + std::to_string(staged.size());
            CopyFileToPath(*source, temp);
            staged.push_back({temp, move.To, language, source->substr(source->size() - 4)});
            if (!move.KeepSource)
                released.insert({move.From, language});
        }
    // A number no question keeps any more loses its files; one that another
    // question took over gets that question's files below.
    for (const auto& [number, language] : released)
        RemoveOthers(folder, number, language, {});
    for (const auto& [number, language] : cleared)
        RemoveOthers(folder, number, language, {});
    for (const TStaged& s : staged) {
        std::string target = folder.Folder() + LessonSoundName(s.To, s.Language);
        target.replace(target.size() - 4, 4, s.Extension);
        for (const std::string& path : folder.AllOf(s.To, s.Language))
            if (path != target)
                RemoveFile(path);
        std::error_code error;
        fs::rename(s.Temp, target, error);
        if (error)
            throw TIoError("Cannot create file " + target + ": " + error.message());
    }
    folder.Rescan();
}

bool MissingRecording(const TLessonDocument& document, const TRecordingFolder& folder, int row,
                      TLanguage language)
{
    const TEditorHeader& header = document.Header();
    const bool promised = language == TLanguage::Russian ? header.HasRuAudio : header.HasEnAudio;
    const auto& number = document.Row(row).FileNumber;
    return promised && (!number || !folder.Has(*number, language));
}

TEditorHeader ProposedAudioFlags(const TLessonDocument& document, const TRecordingFolder& folder)
{
    TEditorHeader header = document.Header();
    auto any = [&](TLanguage language) {
        return std::any_of(document.Rows().begin(), document.Rows().end(),
                           [&](const TEditorRow& row) {
                               return row.FileNumber && folder.Has(*row.FileNumber, language);
                           });
    };
    header.HasRuAudio = any(TLanguage::Russian);
    header.HasEnAudio = any(TLanguage::English);
    return header;
}

void AttachRecording(TRecordingFolder& folder, std::int32_t number, TLanguage language,
                     const std::string& source)
{
    const std::string extension = Lower(fs::path(source).extension().string());
    if (extension != ".wav" && extension != ".mp3")
        throw TIoError("Not a WAV or MP3 file: " + source);
    if (extension == ".wav") {
        const TWavParse wav = ReadWavFile(source);
        if (!wav.Ok)
            throw TIoError(wav.Error);
    }
    std::string target = folder.Folder() + LessonSoundName(number, language);
    if (extension == ".mp3")
        target.replace(target.size() - 4, 4, ".MP3");
    std::error_code error;
    if (fs::equivalent(source, target, error))
        return;
    CopyFileToPath(source, target);
    RemoveOthers(folder, number, language, target);
    folder.Rescan();
}

void WriteRecording(TRecordingFolder& folder, std::int32_t number, TLanguage language,
                    const TWavFormat& format, std::string_view samples)
{
    const std::string target = folder.Folder() + LessonSoundName(number, language);
    std::string bytes = MakeWavHeader(format, static_cast<std::uint32_t>(samples.size()));
    bytes.append(samples);
    WriteFileAtomically(target, bytes);
    RemoveOthers(folder, number, language, target);
    folder.Rescan();
}

void RemoveRecording(TRecordingFolder& folder, std::int32_t number, TLanguage language)
{
    RemoveOthers(folder, number, language, {});
    folder.Rescan();
}

} // namespace korvan

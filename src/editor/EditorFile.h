#pragma once

// The editor's files: reading a lesson into the document, saving it as a 1251
// lesson (atomically, through the lesson writer), and the recordings beside it
// under the trainer's names (NNNR.WAV / NNNE.WAV, or .MP3 for an attached MP3).

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/LessonEditor.h"
#include "lesson/LessonChecks.h"
#include "lesson/LessonSounds.h"
#include "util/WavFile.h"

namespace korvan {

enum class TOpenStatus
{
    Opened,
    New,       // no file yet: an empty lesson that will be saved there
    NotALesson // the first line is not the magic line (an importer may read it)
};

struct TOpenResult
{
    TOpenStatus Status = TOpenStatus::New;
    bool FromUtf8 = false; // the file was UTF-8 text; saving makes it 1251
};

// Reads `path` into the editor (which starts with nothing to undo). A missing
// file is a new lesson. Throws TIoError when an existing file cannot be read.
TOpenResult OpenForEditing(const std::string& path, TLessonEditor& editor);

// The save is refused while a text holds a character 1251 cannot hold.
class TUnencodableError : public std::runtime_error
{
public:
    TUnencodableError(std::optional<TCellRef> cell)
        : std::runtime_error("a text holds a character Windows-1251 cannot hold"), Cell(cell)
    {
    }
    std::optional<TCellRef> Cell; // none: the title
};

// Writes the document as a 1251 lesson atomically, then moves the recordings
// of renumbered questions to their new numbers, and marks the editor saved.
// Throws TUnencodableError (nothing written) or TIoError (the old file intact).
void SaveEdited(TLessonEditor& editor, const std::string& path);

// One recording to move: the files of `From` become those of `To`.
struct TRecordingMove
{
    std::int32_t From = 0;
    std::int32_t To = 0;
    bool KeepSource = false; // another question still has the number From
    bool TargetHeld = false; // another question already has the number To
};
// The moves a save must make so that recordings follow their questions: rows
// whose number changed since the last save. Questions that shared a number
// each keep a copy; a question without a recording takes none over from a
// question deleted or renumbered before it.
std::vector<TRecordingMove> RecordingMoves(const TLessonDocument& document);
// Makes the moves in `folder` (copies first, so a move onto a number that is
// itself moving away loses nothing). Throws TIoError.
void MoveRecordings(TRecordingFolder& folder, const std::vector<TRecordingMove>& moves);

// Whether the header promises a recording this question lacks.
bool MissingRecording(const TLessonDocument& document, const TRecordingFolder& folder, int row,
                      TLanguage language);
// The audio flags as the recordings in the folder suggest them.
TEditorHeader ProposedAudioFlags(const TLessonDocument& document, const TRecordingFolder& folder);

// Attaches the WAV or MP3 at `source` as the question's recording (copied
// beside the lesson under the trainer's name; any other recording of that
// question and language is removed). Throws TIoError for another kind of
// file, a WAV that does not parse, or a failed copy.
void AttachRecording(TRecordingFolder& folder, std::int32_t number, TLanguage language,
                     const std::string& source);
// Writes recorded or synthesized samples as the question's WAV recording.
void WriteRecording(TRecordingFolder& folder, std::int32_t number, TLanguage language,
                    const TWavFormat& format, std::string_view samples);
// Deletes every file that stands for the question's recording.
void RemoveRecording(TRecordingFolder& folder, std::int32_t number, TLanguage language);

} // namespace korvan

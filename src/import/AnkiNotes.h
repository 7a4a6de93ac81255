#pragma once

// What an Anki package or an Anki "Notes in Plain Text" export holds, as the
// importer reads it: decks, note types and notes with their fields already
// reduced to text. All texts are UTF-8.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/ImportCollection.h"

namespace korvan {

// Bounds against a hostile or broken file (a zip bomb): a file past one is
// refused with a message, never read into memory or onto disk.
struct TAnkiLimits
{
    std::uint64_t MaxUnpackedBytes = std::uint64_t{4} << 30;   // every member read, together
    std::uint64_t MaxCollectionBytes = std::uint64_t{1} << 30; // the SQLite file unpacked
    std::uint64_t MaxMediaBytes = std::uint64_t{64} << 20;     // one media file unpacked
    std::uint64_t MaxMembers = 200000;                         // files in the zip
    std::size_t MaxFieldBytes = std::size_t{1} << 20;          // one field: the note is skipped
};

struct TAnkiNoteType
{
    std::string Name;
    std::vector<std::string> FieldNames; // in the order of the note's fields
    bool Cloze = false;
};

struct TAnkiNote
{
    std::size_t NoteType = 0;        // index into TAnkiNotes::NoteTypes
    int Deck = -1;                   // index into TAnkiNotes::Decks
    std::vector<TImportCell> Fields; // as many as the note type has
    std::size_t Place = 0;           // 1-based: the note's row, or the export's line
};

// Why a note was left out.
enum class TAnkiSkip
{
    Cloze,
    FieldTooLong,
    UnknownNoteType,
    NoDeck
};
inline constexpr std::size_t AnkiSkipKinds = 4;

// The English and the Russian (UTF-8) name of a reason, as counted for the user.
std::string AnkiSkipText(TAnkiSkip reason);
std::string AnkiSkipRussian(TAnkiSkip reason);

struct TAnkiNotes
{
    std::vector<std::string> Decks; // full names, levels joined by "::"
    std::vector<TAnkiNoteType> NoteTypes;
    std::vector<TAnkiNote> Notes; // in the order they were created or written
    std::array<std::size_t, AnkiSkipKinds> Skipped{};

    void Skip(TAnkiSkip reason) { ++Skipped[static_cast<std::size_t>(reason)]; }
};

// One field as stored (HTML when `html`): its [sound:NAME] references taken
// out, in order, with their names' character references decoded; the rest
// reduced to one line of text.
TImportCell ReduceAnkiField(std::string_view raw, bool html);

// Whether a field holds a cloze deletion ({{c1::text}}), which has no
// sentence pair to give.
bool HoldsCloze(std::string_view raw);

// Appends a note read from `rawFields` (fields as stored), or counts why it is
// left out: a field past `limits.MaxFieldBytes`, a cloze note type or cloze text.
void AddAnkiNote(TAnkiNotes& notes, std::size_t noteType, int deck,
                 const std::vector<std::string_view>& rawFields, bool html, std::size_t place,
                 const TAnkiLimits& limits);

// Leaves only the decks that hold a note, in the order of their names.
void DropEmptyDecks(TAnkiNotes& notes);

// The fields of a stored note, split at U+001F.
std::vector<std::string_view> SplitAnkiFields(std::string_view flds);

} // namespace korvan

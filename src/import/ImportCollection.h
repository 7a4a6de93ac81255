#pragma once

// What every import source (a table, a Tatoeba export, an Anki package) is read
// into before it becomes a lesson: named fields and records of UTF-8 cells.
// Readers only read and count what they drop; choosing the columns, numbering,
// the conversion to 1251 and writing the lesson are the builder's
// (ImportBuild.h), the same for every source.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvan {

// A source that cannot be read at all (corrupt, truncated, too large, of an
// unknown schema). `what()` is the English text for the lesson tool; `Russian`
// (UTF-8) the same for the trainer's message box.
class TImportError : public std::runtime_error
{
public:
    TImportError(const std::string& english, std::string russian)
        : std::runtime_error(english), Russian(std::move(russian))
    {
    }
    std::string Russian;
};

// One field of one record: plain UTF-8 text (markup already reduced, sound
// references taken out of it) and the media the field referred to, in order.
struct TImportCell
{
    std::string Text;
    std::vector<std::string> Sounds; // media names as the source knows them
    // 1-based character column where the text starts in the source's line (a
    // table's), for messages; 0 when the source has no lines.
    std::uint32_t Column = 0;
};

// The names of the fields of one kind of record: a table's heading row (or
// "1", "2", ... without one), an Anki note type's fields.
struct TFieldSet
{
    std::string Name; // the note type's name; empty for a table
    std::vector<std::string> Fields;
};

struct TImportRecord
{
    std::vector<TImportCell> Cells; // in the order of its field set's fields
    std::uint32_t FieldSet = 0;     // index into TImportCollection::FieldSets
    std::int32_t Deck = -1;         // index into TImportCollection::Decks; -1 none
    std::size_t Place = 0;          // 1-based line or row in the source, for messages
    std::string Note;               // kept in the lesson's comments (a Tatoeba "ids 12 34")
};

// Records a reader left out, and why (English and Russian, UTF-8), so the user
// sees "cloze notes: 12" beside the rows taken.
struct TSkipCount
{
    std::string Reason;
    std::string RussianReason;
    std::size_t Count = 0;
};

// Media the source holds, fetched by the name a cell's Sounds give.
class IImportMedia
{
public:
    virtual ~IImportMedia() = default;
    // Writes the media file `name` to `targetPath` (a full path the builder
    // chose in the lesson's folder). False when the source has no such file:
    // only that sentence loses its recording. Throws TImportError for a corrupt
    // or oversized member.
    virtual bool Extract(const std::string& name, const std::string& targetPath) = 0;
};

struct TImportCollection
{
    std::string Format;               // "table", "Tatoeba sentence pairs", "Anki package", ...
    std::vector<TFieldSet> FieldSets; // at least one when there are records
    std::vector<std::string> Decks;   // the user picks one when there are several
    std::vector<TImportRecord> Records;
    std::vector<TSkipCount> Skipped;
    std::vector<std::string> Comments; // lines for the lesson's comments (a licence)
    std::string Title;                 // proposed lesson title (UTF-8), may be empty
    // The source keeps its own numbering in this field of every field set (a
    // table's number column); -1 none.
    int NumberField = -1;
    // Records' Place counts lines of a text file (false: records, as notes).
    bool PlacesAreLines = true;
    std::unique_ptr<IImportMedia> Media; // null when the source holds no media

    void Skip(const std::string& reason, const std::string& russianReason, std::size_t count = 1);
};

} // namespace korvan

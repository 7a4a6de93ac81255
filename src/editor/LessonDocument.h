#pragma once

// The lesson as the editor holds it while an author works on it. Texts are
// UTF-8 here, not 1251: an author may type or paste a character that 1251
// cannot hold, and the editor must show it and mark it rather than lose it.
// They become 1251 only when the lesson is saved (EditorFile.h). Every change
// goes through the primitives below, which keep the number counts and the
// norms current and tell the listener (the window's table model).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lesson/LessonChecks.h"

namespace korvan {

class TTimeCalculator;

enum class TColumn
{
    Number,
    Comment, // the transcription in a words lesson
    Russian,
    English
};

struct TEditorRow
{
    std::int32_t Number = 0;
    std::string Comment; // UTF-8
    std::string RText;   // UTF-8
    std::string EText;   // UTF-8
    std::int32_t TimeNorm = 0;
    // The number its recordings lie under on disk (the number when the lesson
    // was last read or saved); none for a row that has never been saved.
    std::optional<std::int32_t> FileNumber;
};

struct TEditorHeader
{
    std::string Title; // UTF-8
    bool Words = false;
    bool HasRuAudio = false;
    bool HasEnAudio = false;
    bool operator==(const TEditorHeader&) const = default;
};

// Told of every change, so a view can follow it: the "About" call comes before
// the rows change, the other after.
class IDocumentListener
{
public:
    virtual ~IDocumentListener() = default;
    virtual void AboutToInsertRows(int at, int count) = 0;
    virtual void RowsInserted() = 0;
    virtual void AboutToRemoveRows(int first, int count) = 0;
    virtual void RowsRemoved() = 0;
    virtual void AboutToMoveRow(int from, int to) = 0; // `to` as in the list before the move
    virtual void RowMoved() = 0;
    virtual void RowsChanged(int first, int last) = 0;
    virtual void HeaderChanged() = 0;
};

class TLessonDocument
{
public:
    // Without norms every question thinks 0 seconds (tests that do not care).
    explicit TLessonDocument(const TTimeCalculator* norms = nullptr);

    void SetListener(IDocumentListener* listener) { Listener = listener; }

    const TEditorHeader& Header() const { return FHeader; }
    const std::vector<TEditorRow>& Rows() const { return FRows; }
    const TEditorRow& Row(int index) const { return FRows.at(static_cast<std::size_t>(index)); }
    int RowCount() const { return static_cast<int>(FRows.size()); }
    const TNumberUses& Numbers() const { return FNumbers; }

    // The number a new question gets: one more than the largest in use (1 for
    // an empty lesson), so an author's own numbering is never disturbed.
    std::int32_t NextFreeNumber() const;

    // The text of a cell (the number in decimal for the number column).
    std::string Cell(int row, TColumn column) const;

    // Primitives (the edits of EditCommands.h are made of them).
    void SetHeader(const TEditorHeader& header);
    void InsertRows(int at, std::vector<TEditorRow> rows);
    std::vector<TEditorRow> RemoveRows(int first, int count);
    void MoveRow(int from, int to); // `to` as in the list after the move
    // Replaces a row's content; the number counts and the norm follow.
    void SetRow(int index, TEditorRow row);
    // Replaces every row at once (loading, tests); the listener is not told.
    void Reset(TEditorHeader header, std::vector<TEditorRow> rows);
    // After a save: every row's recordings now lie under its number.
    void MarkNumbersOnDisk();

private:
    void Rate(TEditorRow& row) const;

    const TTimeCalculator* Norms;
    IDocumentListener* Listener = nullptr;
    TEditorHeader FHeader;
    std::vector<TEditorRow> FRows;
    TNumberUses FNumbers;
};

// A cell's text as the file will hold it: a line of a lesson cannot hold a
// line break, and the reader trims blanks and control characters at both ends.
std::string CleanCellText(std::string_view text);

} // namespace korvan

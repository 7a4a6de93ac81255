#pragma once

// What an author does to a lesson in the editor, as undoable edits of one
// document: typing into cells, inserting, deleting and moving questions,
// renumbering on request, replacing characters 1251 cannot hold, finding text.
// The window only forwards to it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/EditHistory.h"
#include "editor/LessonDocument.h"

namespace korvan {

struct TCellRef
{
    int Row = 0;
    TColumn Column = TColumn::Number;
    bool operator==(const TCellRef&) const = default;
};

// What is wrong with one cell, for its mark.
struct TCellProblems
{
    bool Unencodable = false; // holds a character 1251 cannot hold
    bool Empty = false;       // a Russian or English text the trainer would show empty
    bool RepeatedNumber = false;
};

class TLessonEditor
{
public:
    explicit TLessonEditor(const TTimeCalculator* norms = nullptr) : Document(norms) {}

    TLessonDocument Document;

    // False (nothing changes) for a number cell that is not a 32-bit integer.
    bool SetCell(int row, TColumn column, std::string_view text);
    void SetHeader(const TEditorHeader& header);
    // Inserts `count` empty questions at `at`, numbered on from the next free number.
    void InsertRows(int at, int count = 1);
    void DeleteRows(int first, int count);
    // Swaps a row with its neighbour; false at the edge.
    bool MoveRow(int row, int by);
    // Numbers 1, 2, 3... in list order; false when they are so already.
    bool Renumber();
    // Every character 1251 cannot hold becomes "?"; false when there was none.
    bool ReplaceUnencodable();

    bool CanUndo() const { return History.CanUndo(); }
    bool CanRedo() const { return History.CanRedo(); }
    void Undo() { History.Undo(Document); }
    void Redo() { History.Redo(Document); }
    bool Modified() const { return History.Modified(); }
    void MarkSaved() { History.MarkClean(); }
    // A document read afresh: nothing to undo, nothing unsaved.
    void Loaded() { History.Clear(); }

    // The next cell after `from` (or before it, backwards) whose text holds
    // `query`, letter case ignored; wraps around; none when nothing holds it.
    std::optional<TCellRef> Find(std::string_view query, TCellRef from, bool forward = true) const;

    TCellProblems Problems(int row, TColumn column) const;
    // The first cell with a character 1251 cannot hold, or none.
    std::optional<TCellRef> FirstUnencodable() const;

private:
    void ReplaceRows(std::vector<TReplaceRowsEdit::TChange> changes);

    TEditHistory History;
};

// Whether a UTF-8 text can be written in 1251 as it stands.
bool FitsCp1251(std::string_view utf8);

// Folds Latin and Cyrillic capitals of a UTF-8 text to small letters, for
// finding text without regard to case (other characters stay as they are).
std::string FoldCase(std::string_view utf8);

} // namespace korvan

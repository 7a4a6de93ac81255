#pragma once

// Undo and redo of every change to a lesson document: each change is an edit
// that can be made and taken back, kept on one stack.

#include <memory>
#include <string>
#include <vector>

#include "editor/LessonDocument.h"

namespace korvan {

class TEdit
{
public:
    virtual ~TEdit() = default;
    virtual void Do(TLessonDocument& document) = 0;
    virtual void Undo(TLessonDocument& document) = 0;
};

// Rows replaced in place: a typed cell, a renumbering, replaced characters.
class TReplaceRowsEdit : public TEdit
{
public:
    struct TChange
    {
        int Index = 0;
        TEditorRow Before;
        TEditorRow After;
    };
    explicit TReplaceRowsEdit(std::vector<TChange> changes) : Changes(std::move(changes)) {}
    void Do(TLessonDocument& document) override;
    void Undo(TLessonDocument& document) override;

private:
    std::vector<TChange> Changes;
};

class THeaderEdit : public TEdit
{
public:
    THeaderEdit(TEditorHeader before, TEditorHeader after)
        : Before(std::move(before)), After(std::move(after))
    {
    }
    void Do(TLessonDocument& document) override { document.SetHeader(After); }
    void Undo(TLessonDocument& document) override { document.SetHeader(Before); }

private:
    TEditorHeader Before;
    TEditorHeader After;
};

// Inserting rows; with `insert` false the same edit removes them.
class TRowsEdit : public TEdit
{
public:
    TRowsEdit(int at, std::vector<TEditorRow> rows, bool insert)
        : At(at), Count(static_cast<int>(rows.size())), Rows(std::move(rows)), Insert(insert)
    {
    }
    void Do(TLessonDocument& document) override { Insert ? Put(document) : Take(document); }
    void Undo(TLessonDocument& document) override { Insert ? Take(document) : Put(document); }

private:
    void Put(TLessonDocument& document) { document.InsertRows(At, std::move(Rows)); }
    void Take(TLessonDocument& document) { Rows = document.RemoveRows(At, Count); }

    int At;
    int Count;
    std::vector<TEditorRow> Rows; // held while they are out of the document
    bool Insert;
};

class TMoveEdit : public TEdit
{
public:
    TMoveEdit(int from, int to) : From(from), To(to) {}
    void Do(TLessonDocument& document) override { document.MoveRow(From, To); }
    void Undo(TLessonDocument& document) override { document.MoveRow(To, From); }

private:
    int From;
    int To;
};

class TEditHistory
{
public:
    // Makes the edit and keeps it; anything undone before is forgotten.
    void Apply(TLessonDocument& document, std::unique_ptr<TEdit> edit);
    bool CanUndo() const { return Position > 0; }
    bool CanRedo() const { return Position < Edits.size(); }
    void Undo(TLessonDocument& document);
    void Redo(TLessonDocument& document);

    // The state saved to disk; modified is any state but that one.
    void MarkClean() { Clean = static_cast<long long>(Position); }
    bool Modified() const { return Clean != static_cast<long long>(Position); }
    void Clear();

private:
    std::vector<std::unique_ptr<TEdit>> Edits;
    std::size_t Position = 0; // edits below it are made
    long long Clean = 0;      // -1 once the saved state cannot be reached
};

} // namespace korvan

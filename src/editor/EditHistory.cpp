#include "editor/EditHistory.h"

namespace korvan {

void TReplaceRowsEdit::Do(TLessonDocument& document)
{
    for (const TChange& change : Changes)
        document.SetRow(change.Index, change.After);
}

void TReplaceRowsEdit::Undo(TLessonDocument& document)
{
    for (auto it = Changes.rbegin(); it != Changes.rend(); ++it)
        document.SetRow(it->Index, it->Before);
}

void TEditHistory::Apply(TLessonDocument& document, std::unique_ptr<TEdit> edit)
{
    edit->Do(document);
    Edits.resize(Position);
    if (Clean > static_cast<long long>(Position))
        Clean = -1;
    Edits.push_back(std::move(edit));
    ++Position;
}

void TEditHistory::Undo(TLessonDocument& document)
{
    if (!CanUndo())
        return;
    Edits[--Position]->Undo(document);
}

void TEditHistory::Redo(TLessonDocument& document)
{
    if (!CanRedo())
        return;
    Edits[Position++]->Do(document);
}

void TEditHistory::Clear()
{
    Edits.clear();
    Position = 0;
    Clean = 0;
}

} // namespace korvan

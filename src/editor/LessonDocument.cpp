#include "editor/LessonDocument.h"

#include <algorithm>
#include <iterator>

#include "timing/TimeCalculator.h"
#include "util/Text.h"

namespace korvan {

TLessonDocument::TLessonDocument(const TTimeCalculator* norms) : Norms(norms) {}

std::int32_t TLessonDocument::NextFreeNumber() const
{
    const std::int32_t largest = FNumbers.Largest();
    return largest == INT32_MAX ? largest : largest + 1;
}

std::string TLessonDocument::Cell(int row, TColumn column) const
{
    const TEditorRow& r = Row(row);
    switch (column) {
    case TColumn::Number:
        return std::to_string(r.Number);
    case TColumn::Comment:
        return r.Comment;
    case TColumn::Russian:
        return r.RText;
    case TColumn::English:
        return r.EText;
    }
    return {};
}

void TLessonDocument::Rate(TEditorRow& row) const
{
    row.TimeNorm = Norms ? Norms->NormOf(ToCp1251Replacing(row.RText)) : 0;
}

void TLessonDocument::SetHeader(const TEditorHeader& header)
{
    FHeader = header;
    if (Listener)
        Listener->HeaderChanged();
}

void TLessonDocument::InsertRows(int at, std::vector<TEditorRow> rows)
{
    if (rows.empty())
        return;
    for (TEditorRow& row : rows) {
        Rate(row);
        FNumbers.Add(row.Number);
    }
    if (Listener)
        Listener->AboutToInsertRows(at, static_cast<int>(rows.size()));
    FRows.insert(FRows.begin() + at, std::make_move_iterator(rows.begin()),
                 std::make_move_iterator(rows.end()));
    if (Listener)
        Listener->RowsInserted();
}

std::vector<TEditorRow> TLessonDocument::RemoveRows(int first, int count)
{
    if (count <= 0)
        return {};
    if (Listener)
        Listener->AboutToRemoveRows(first, count);
    const auto begin = FRows.begin() + first;
    std::vector<TEditorRow> removed(std::make_move_iterator(begin),
                                    std::make_move_iterator(begin + count));
    FRows.erase(begin, begin + count);
    for (const TEditorRow& row : removed)
        FNumbers.Remove(row.Number);
    if (Listener)
        Listener->RowsRemoved();
    return removed;
}

void TLessonDocument::MoveRow(int from, int to)
{
    if (from == to)
        return;
    if (Listener)
        Listener->AboutToMoveRow(from, to > from ? to + 1 : to);
    const auto f = FRows.begin() + from;
    const auto t = FRows.begin() + to;
    if (from < to)
        std::rotate(f, f + 1, t + 1);
    else
        std::rotate(t, f, f + 1);
    if (Listener)
        Listener->RowMoved();
}

void TLessonDocument::SetRow(int index, TEditorRow row)
{
    TEditorRow& old = FRows.at(static_cast<std::size_t>(index));
    FNumbers.Remove(old.Number);
    FNumbers.Add(row.Number);
    Rate(row);
    const bool numberChanged = row.Number != old.Number;
    old = std::move(row);
    if (Listener) {
        // Another row's "repeated" mark may change with a number: all rows.
        if (numberChanged)
            Listener->RowsChanged(0, RowCount() - 1);
        else
            Listener->RowsChanged(index, index);
    }
}

void TLessonDocument::Reset(TEditorHeader header, std::vector<TEditorRow> rows)
{
    FHeader = std::move(header);
    FRows = std::move(rows);
    FNumbers = {};
    for (TEditorRow& row : FRows) {
        Rate(row);
        FNumbers.Add(row.Number);
    }
}

void TLessonDocument::MarkNumbersOnDisk()
{
    for (TEditorRow& row : FRows)
        row.FileNumber = row.Number;
}

std::string CleanCellText(std::string_view text)
{
    std::string clean(text);
    for (char& c : clean)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    return std::string(TrimControls(clean));
}

} // namespace korvan

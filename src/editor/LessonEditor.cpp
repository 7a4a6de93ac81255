#include "editor/LessonEditor.h"

#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

namespace {

constexpr TColumn Columns[] = {TColumn::Number, TColumn::Comment, TColumn::Russian,
                               TColumn::English};

std::string& TextOf(TEditorRow& row, TColumn column)
{
    return column == TColumn::Comment   ? row.Comment
           : column == TColumn::Russian ? row.RText
                                        : row.EText;
}

} // namespace

bool FitsCp1251(std::string_view utf8)
{
    try {
        ToCp1251(utf8);
        return true;
    } catch (const TEncodingError&) {
        return false;
    }
}

std::string FoldCase(std::string_view utf8)
{
    std::string out(utf8);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto b = static_cast<unsigned char>(out[i]);
        if (b >= 'A' && b <= 'Z') {
            out[i] = static_cast<char>(b + 32);
        } else if ((b == 0xD0) && i + 1 < out.size()) {
            // U+0410..U+042F (А..Я) and U+0401 (Ё) to U+0430..U+044F and U+0451.
            const auto c = static_cast<unsigned char>(out[i + 1]);
            if (c >= 0x90 && c <= 0x9F) {
                out[i + 1] = static_cast<char>(c + 0x20);
            } else if (c >= 0xA0 && c <= 0xAF) {
                out[i] = static_cast<char>(0xD1);
                out[i + 1] = static_cast<char>(c - 0x20);
            } else if (c == 0x81) {
                out[i] = static_cast<char>(0xD1);
                out[i + 1] = static_cast<char>(0x91);
            }
            ++i;
        }
    }
    return out;
}

void TLessonEditor::ReplaceRows(std::vector<TReplaceRowsEdit::TChange> changes)
{
    if (!changes.empty())
        History.Apply(Document, std::make_unique<TReplaceRowsEdit>(std::move(changes)));
}

bool TLessonEditor::SetCell(int row, TColumn column, std::string_view text)
{
    TEditorRow after = Document.Row(row);
    if (column == TColumn::Number) {
        std::int32_t number = 0;
        if (!ParseInt32(TrimControls(text), number))
            return false;
        after.Number = number;
    } else {
        TextOf(after, column) = CleanCellText(text);
    }
    const TEditorRow& before = Document.Row(row);
    if (after.Number == before.Number && after.Comment == before.Comment &&
        after.RText == before.RText && after.EText == before.EText)
        return true;
    ReplaceRows({{row, before, std::move(after)}});
    return true;
}

void TLessonEditor::SetHeader(const TEditorHeader& header)
{
    TEditorHeader clean = header;
    clean.Title = CleanCellText(header.Title);
    if (clean == Document.Header())
        return;
    History.Apply(Document, std::make_unique<THeaderEdit>(Document.Header(), std::move(clean)));
}

void TLessonEditor::InsertRows(int at, int count)
{
    std::vector<TEditorRow> rows(static_cast<std::size_t>(count));
    std::int32_t number = Document.NextFreeNumber();
    for (TEditorRow& row : rows)
        row.Number = number < INT32_MAX ? number++ : number;
    History.Apply(Document, std::make_unique<TRowsEdit>(at, std::move(rows), true));
}

void TLessonEditor::DeleteRows(int first, int count)
{
    if (count <= 0)
        return;
    const auto begin = Document.Rows().begin() + first;
    History.Apply(Document, std::make_unique<TRowsEdit>(
                                first, std::vector<TEditorRow>(begin, begin + count), false));
}

bool TLessonEditor::MoveRow(int row, int by)
{
    const int to = row + by;
    if (row < 0 || row >= Document.RowCount() || to < 0 || to >= Document.RowCount() || by == 0)
        return false;
    History.Apply(Document, std::make_unique<TMoveEdit>(row, to));
    return true;
}

bool TLessonEditor::Renumber()
{
    std::vector<TReplaceRowsEdit::TChange> changes;
    for (int i = 0; i < Document.RowCount(); ++i) {
        const TEditorRow& row = Document.Row(i);
        if (row.Number == i + 1)
            continue;
        TEditorRow after = row;
        after.Number = i + 1;
        changes.push_back({i, row, std::move(after)});
    }
    const bool any = !changes.empty();
    ReplaceRows(std::move(changes));
    return any;
}

bool TLessonEditor::ReplaceUnencodable()
{
    std::vector<TReplaceRowsEdit::TChange> changes;
    for (int i = 0; i < Document.RowCount(); ++i) {
        const TEditorRow& row = Document.Row(i);
        TEditorRow after = row;
        bool changed = false;
        for (const TColumn column : {TColumn::Comment, TColumn::Russian, TColumn::English}) {
            std::string& text = TextOf(after, column);
            if (!FitsCp1251(text)) {
                text = Cp1251ToUtf8(ToCp1251Replacing(text));
                changed = true;
            }
        }
        if (changed)
            changes.push_back({i, row, std::move(after)});
    }
    const bool any = !changes.empty();
    ReplaceRows(std::move(changes));
    TEditorHeader header = Document.Header();
    if (!FitsCp1251(header.Title)) {
        header.Title = Cp1251ToUtf8(ToCp1251Replacing(header.Title));
        SetHeader(header);
        return true;
    }
    return any;
}

std::optional<TCellRef> TLessonEditor::Find(std::string_view query, TCellRef from,
                                            bool forward) const
{
    const int rows = Document.RowCount();
    if (query.empty() || rows == 0)
        return std::nullopt;
    const std::string needle = FoldCase(query);
    constexpr int columns = 4;
    const int cells = rows * columns;
    const int start = from.Row * columns + static_cast<int>(from.Column);
    for (int step = 1; step <= cells; ++step) {
        const int cell = ((start + (forward ? step : -step)) % cells + cells) % cells;
        const TCellRef ref{cell / columns, Columns[cell % columns]};
        if (FoldCase(Document.Cell(ref.Row, ref.Column)).find(needle) != std::string::npos)
            return ref;
    }
    return std::nullopt;
}

TCellProblems TLessonEditor::Problems(int row, TColumn column) const
{
    TCellProblems problems;
    const TEditorRow& r = Document.Row(row);
    if (column == TColumn::Number) {
        problems.RepeatedNumber = Document.Numbers().Repeated(r.Number);
        return problems;
    }
    const std::string& text = column == TColumn::Comment   ? r.Comment
                              : column == TColumn::Russian ? r.RText
                                                           : r.EText;
    problems.Unencodable = !FitsCp1251(text);
    problems.Empty = column != TColumn::Comment && IsBlankText(text);
    return problems;
}

std::optional<TCellRef> TLessonEditor::FirstUnencodable() const
{
    for (int i = 0; i < Document.RowCount(); ++i)
        for (const TColumn column : {TColumn::Comment, TColumn::Russian, TColumn::English})
            if (Problems(i, column).Unencodable)
                return TCellRef{i, column};
    return std::nullopt;
}

} // namespace korvan

#include "import/TableReader.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "i18n/Marked.h"
#include "import/SourceText.h"
#include "util/Text.h"
#include "util/Utf8.h"

namespace korvan {

namespace {

constexpr std::size_t MaxTableBytes = std::size_t(256) << 20;

struct TCell
{
    std::string Text;
    std::size_t Start = 0; // byte offset of the text in the whole input
};

// Reads one record from `pos` (quoted cells may run over line breaks); `pos`
// ends after the record's line break, `lines` counts the breaks passed.
std::vector<TCell> ReadRecord(std::string_view text, std::size_t& pos, char separator,
                              std::size_t& lines)
{
    std::vector<TCell> cells;
    while (true) {
        TCell cell;
        cell.Start = pos;
        if (pos < text.size() && text[pos] == '"') {
            cell.Start = ++pos;
            while (pos < text.size()) {
                const char c = text[pos];
                if (c == '"') {
                    if (pos + 1 < text.size() && text[pos + 1] == '"') {
                        cell.Text += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                if (c == '\n')
                    ++lines;
                cell.Text += c;
                ++pos;
            }
        }
        // Unquoted text, or what follows a closing quote up to the separator.
        const std::size_t end = text.find_first_of(std::array{separator, '\n'}.data(), pos, 2);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        cell.Text.append(text.substr(pos, stop - pos));
        pos = stop;
        const bool lineEnds = pos >= text.size() || text[pos] == '\n';
        if (lineEnds && !cell.Text.empty() && cell.Text.back() == '\r')
            cell.Text.pop_back();
        cells.push_back(std::move(cell));
        if (pos < text.size())
            ++pos;
        if (lineEnds) {
            if (stop < text.size())
                ++lines;
            return cells;
        }
    }
}

bool IsBlank(const std::vector<TCell>& cells)
{
    return std::all_of(cells.begin(), cells.end(),
                       [](const TCell& c) { return TrimControls(c.Text).empty(); });
}

bool IsInteger(std::string_view text)
{
    std::int32_t value = 0;
    return ParseInt32(TrimControls(text), value);
}

bool IsNumberHeading(std::string_view cell)
{
    const std::string name = LowerLetters(TrimControls(cell));
    return name == "№" || name == "#" || name == "n" || name == "no" || name == "no." ||
           name == "nr" || name == "number" || name == "номер" || name == "id";
}

// A heading row names its columns: a number column, or a language.
bool HasHeadingName(const std::vector<TCell>& cells)
{
    for (const TCell& cell : cells) {
        const std::string name = LowerLetters(TrimControls(cell.Text));
        if (IsNumberHeading(name) || name == "russian" || name == "english" || name == "comment" ||
            name == "русский" || name == "английский" || name == "комментарий" || name == "ru" ||
            name == "en" || name == "rus" || name == "eng")
            return true;
    }
    return false;
}

// Column 0 holds question numbers when at least half its filled cells do.
bool NumbersInFirstColumn(const std::vector<std::vector<TCell>>& rows, std::size_t from)
{
    std::size_t filled = 0, numbers = 0;
    for (std::size_t r = from; r < rows.size(); ++r) {
        if (TrimControls(rows[r][0].Text).empty())
            continue;
        ++filled;
        numbers += IsInteger(rows[r][0].Text) ? 1 : 0;
    }
    return numbers > 0 && numbers * 2 >= filled;
}

std::size_t FilledWidth(const std::vector<TCell>& cells)
{
    std::size_t width = cells.size();
    while (width > 0 && TrimControls(cells[width - 1].Text).empty())
        --width;
    return width;
}

struct TLineIndex
{
    // Byte offset of each line's start, to turn an input offset into a place.
    std::vector<std::size_t> Starts;

    std::pair<std::size_t, std::size_t> Place(std::string_view text, std::size_t offset) const
    {
        const auto it = std::upper_bound(Starts.begin(), Starts.end(), offset);
        const std::size_t line = static_cast<std::size_t>(it - Starts.begin());
        const std::size_t start = Starts[line - 1];
        return {line, CharacterColumn(text.substr(start), offset - start)};
    }
};

} // namespace

TTableRow SplitTableLine(std::string_view line, char separator)
{
    TTableRow row;
    std::size_t pos = 0, lines = 0;
    for (TCell& cell : ReadRecord(line, pos, separator, lines)) {
        row.Cells.push_back(std::move(cell.Text));
        row.Starts.push_back(cell.Start);
    }
    return row;
}

char GuessSeparator(std::string_view text)
{
    // The first lines, outside quotes: a separator must occur on most of them.
    constexpr std::size_t sampleLines = 20;
    std::array<std::size_t, 3> linesWith{};
    constexpr std::array<char, 3> candidates{'\t', ';', ','};
    std::array<std::size_t, 3> onThisLine{};
    std::size_t lines = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size() && lines < sampleLines; ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '\n') {
            for (std::size_t k = 0; k < candidates.size(); ++k)
                linesWith[k] += onThisLine[k] > 0 ? 1 : 0;
            onThisLine = {};
            ++lines;
        } else if (!quoted)
            for (std::size_t k = 0; k < candidates.size(); ++k)
                onThisLine[k] += c == candidates[k] ? 1 : 0;
    }
    if (lines < sampleLines)
        for (std::size_t k = 0; k < candidates.size(); ++k)
            linesWith[k] += onThisLine[k] > 0 ? 1 : 0;
    const std::size_t best = linesWith[0] > 0                                   ? 0
                             : linesWith[1] >= linesWith[2] && linesWith[1] > 0 ? 1
                                                                                : 2;
    return linesWith[best] > 0 ? candidates[best] : '\t';
}

bool RecognisesTable(const std::string&, std::string_view head)
{
    return LooksLikeText(head);
}

TImportCollection ReadTableFile(const std::string& path)
{
    TImportCollection table = ReadTable(ReadWholeFile(path, MaxTableBytes));
    table.Title = std::filesystem::path(path).stem().string();
    return table;
}

TImportCollection ReadTable(std::string_view bytes)
{
    const std::string text = TextAsUtf8(bytes);
    const char separator = GuessSeparator(text);

    TLineIndex index;
    index.Starts.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n')
            index.Starts.push_back(i + 1);

    std::vector<std::vector<TCell>> rows;
    std::vector<std::size_t> rowLines;
    std::size_t pos = 0, line = 1;
    while (pos < text.size()) {
        const std::size_t first = line;
        std::vector<TCell> cells = ReadRecord(text, pos, separator, line);
        if (IsBlank(cells))
            continue;
        rows.push_back(std::move(cells));
        rowLines.push_back(first);
    }

    TImportCollection table;
    table.Format = "table";
    table.FieldSets.emplace_back();
    if (rows.empty())
        return table;

    const bool firstNotNumber = !IsInteger(rows[0][0].Text);
    const bool heading =
        HasHeadingName(rows[0]) || (firstNotNumber && NumbersInFirstColumn(rows, 1));
    const std::size_t from = heading ? 1 : 0;
    std::size_t width = heading ? FilledWidth(rows[0]) : 0;
    if (!heading)
        for (const std::vector<TCell>& row : rows)
            width = std::max(width, FilledWidth(row));
    width = std::max<std::size_t>(width, 1);

    std::vector<std::string>& fields = table.FieldSets[0].Fields;
    for (std::size_t c = 0; c < width; ++c)
        fields.push_back(heading && c < rows[0].size() ? std::string(TrimControls(rows[0][c].Text))
                                                       : std::to_string(c + 1));
    if ((heading && IsNumberHeading(rows[0][0].Text)) || NumbersInFirstColumn(rows, from))
        table.NumberField = 0;

    table.Records.reserve(rows.size() - from);
    for (std::size_t r = from; r < rows.size(); ++r) {
        std::vector<TCell>& cells = rows[r];
        if (FilledWidth(cells) > width) {
            const auto [l, column] = index.Place(text, cells[width].Start);
            throw TImportError(
                "line " + std::to_string(l) + ", column " + std::to_string(column) +
                    ": a cell beyond the table's " + std::to_string(width) +
                    " columns (a separator inside an unquoted cell?)",
                KORVAN_RUSSIAN("строка ") + std::to_string(l) + KORVAN_RUSSIAN(", позиция ") +
                    std::to_string(column) + KORVAN_RUSSIAN(": ячейка за последним, ") +
                    std::to_string(width) +
                    KORVAN_RUSSIAN("-м столбцом таблицы (разделитель внутри текста без кавычек?)"));
        }
        TImportRecord record;
        record.Place = rowLines[r];
        record.Cells.resize(width);
        for (std::size_t c = 0; c < width && c < cells.size(); ++c) {
            record.Cells[c].Text = std::move(cells[c].Text);
            record.Cells[c].Column =
                static_cast<std::uint32_t>(index.Place(text, cells[c].Start).second);
        }
        table.Records.push_back(std::move(record));
    }
    return table;
}

std::vector<std::string> ReadTableRecord(std::string_view text, std::size_t& pos, char separator,
                                         std::size_t& lines)
{
    std::vector<std::string> cells;
    for (TCell& cell : ReadRecord(text, pos, separator, lines))
        cells.push_back(std::move(cell.Text));
    return cells;
}

} // namespace korvan

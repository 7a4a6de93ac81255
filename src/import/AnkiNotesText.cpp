#include "import/AnkiNotesText.h"

#include <algorithm>
#include <map>

#include "import/SourceText.h"
#include "import/TableReader.h"
#include "util/Text.h"
#include "util/Utf8.h"

namespace korvan {

namespace {

struct THeader
{
    char Separator = '\t';
    bool Html = false;
    // 1-based columns that are not fields; 0 none.
    std::size_t GuidColumn = 0, NoteTypeColumn = 0, DeckColumn = 0, TagsColumn = 0;
    std::string Columns;        // the "#columns:" value, split once the separator is known
    std::string NoteType, Deck; // for every note, when there is no column
};

// The key of a header line ("#separator:tab" gives "separator"), lower case;
// empty when the line is no such line.
std::string HeaderKey(std::string_view line)
{
    if (line.empty() || line.front() != '#')
        return {};
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return {};
    static const char* const keys[] = {
        "separator",   "html",        "tags",        "columns",
        "notetype",    "deck",        "guid column", "notetype column",
        "deck column", "tags column", "match scope", "if matches"};
    const std::string key = LowerLetters(TrimControls(line.substr(1, colon - 1)));
    for (const char* known : keys)
        if (key == known)
            return key;
    return {};
}

char SeparatorOf(std::string_view value)
{
    const std::string name = LowerLetters(TrimControls(value));
    static const std::pair<const char*, char> names[] = {{"tab", '\t'},      {"comma", ','},
                                                         {"semicolon", ';'}, {"space", ' '},
                                                         {"pipe", '|'},      {"colon", ':'}};
    for (const auto& [known, separator] : names)
        if (name == known)
            return separator;
    // A literal character: "#separator:," (what follows it may be a stray separator).
    return value.empty() ? '\t' : value.front();
}

std::size_t ColumnOf(std::string_view value)
{
    std::int32_t column = 0;
    return ParseInt32(TrimControls(value), column) && column > 0 ? static_cast<std::size_t>(column)
                                                                 : 0;
}

void ReadHeaderLine(std::string_view line, const std::string& key, THeader& header)
{
    const std::string_view value = line.substr(line.find(':') + 1);
    if (key == "separator")
        header.Separator = SeparatorOf(value);
    else if (key == "html")
        header.Html = LowerLetters(TrimControls(value)).rfind("true", 0) == 0;
    else if (key == "columns")
        header.Columns = value;
    else if (key == "notetype")
        header.NoteType = TrimControls(value);
    else if (key == "deck")
        header.Deck = TrimControls(value);
    else if (key == "guid column")
        header.GuidColumn = ColumnOf(value);
    else if (key == "notetype column")
        header.NoteTypeColumn = ColumnOf(value);
    else if (key == "deck column")
        header.DeckColumn = ColumnOf(value);
    else if (key == "tags column")
        header.TagsColumn = ColumnOf(value);
}

std::string_view LineAt(std::string_view text, std::size_t pos)
{
    std::string_view line = text.substr(pos, text.find('\n', pos) - pos);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

void SkipLine(std::string_view text, std::size_t& pos)
{
    const std::size_t end = text.find('\n', pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
}

struct TRecord
{
    std::size_t Line = 0;
    std::vector<std::string> Cells;
};

bool IsSpecial(const THeader& header, std::size_t column)
{
    return column == header.GuidColumn || column == header.NoteTypeColumn ||
           column == header.DeckColumn || column == header.TagsColumn;
}

std::string CellAt(const TRecord& record, std::size_t column)
{
    return column > 0 && column <= record.Cells.size()
               ? std::string(TrimControls(record.Cells[column - 1]))
               : std::string();
}

// The index of `name` in `names`, added when new.
std::size_t IndexOf(std::map<std::string, std::size_t>& indexes, std::vector<std::string>& names,
                    const std::string& name)
{
    const auto [entry, added] = indexes.emplace(name, names.size());
    if (added)
        names.push_back(name);
    return entry->second;
}

} // namespace

bool RecognisesAnkiNotesText(const std::string&, std::string_view head)
{
    if (head.substr(0, Utf8Bom.size()) == Utf8Bom)
        head.remove_prefix(Utf8Bom.size());
    return !HeaderKey(LineAt(head, 0)).empty();
}

TAnkiNotes ReadAnkiNotesText(std::string_view bytes, const TAnkiLimits& limits)
{
    const std::string text = TextAsUtf8(bytes);
    THeader header;
    std::size_t pos = 0, line = 1;
    for (; pos < text.size() && text[pos] == '#'; ++line) {
        const std::string_view headerLine = LineAt(text, pos);
        const std::string key = HeaderKey(headerLine);
        if (!key.empty())
            ReadHeaderLine(headerLine, key, header);
        SkipLine(text, pos);
    }

    std::vector<TRecord> records;
    while (pos < text.size()) {
        if (text[pos] == '#') {
            SkipLine(text, pos);
            ++line;
            continue;
        }
        TRecord record{line, ReadTableRecord(text, pos, header.Separator, line)};
        if (std::any_of(record.Cells.begin(), record.Cells.end(),
                        [](const std::string& cell) { return !TrimControls(cell).empty(); }))
            records.push_back(std::move(record));
    }

    // The field names "#columns:" gives, without the columns that are not fields.
    std::vector<std::string> columnNames;
    if (!header.Columns.empty()) {
        const TTableRow names = SplitTableLine(header.Columns, header.Separator);
        for (std::size_t c = 0; c < names.Cells.size(); ++c)
            if (!IsSpecial(header, c + 1))
                columnNames.emplace_back(TrimControls(names.Cells[c]));
    }

    TAnkiNotes notes;
    std::map<std::string, std::size_t> typeIndexes, deckIndexes;
    std::vector<std::string> typeNames;
    std::vector<std::size_t> typeOfRecord, deckOfRecord;
    std::vector<std::vector<std::string_view>> fieldsOfRecord;
    for (const TRecord& record : records) {
        const std::string type =
            header.NoteTypeColumn > 0 ? CellAt(record, header.NoteTypeColumn) : header.NoteType;
        const std::size_t typeIndex = IndexOf(typeIndexes, typeNames, type);
        if (typeIndex == notes.NoteTypes.size())
            notes.NoteTypes.push_back({type, {}, false});
        const bool hasDeck = header.DeckColumn > 0 || !header.Deck.empty();
        deckOfRecord.push_back(
            hasDeck
                ? IndexOf(deckIndexes, notes.Decks,
                          header.DeckColumn > 0 ? CellAt(record, header.DeckColumn) : header.Deck)
                : std::size_t(-1));
        std::vector<std::string_view> fields;
        for (std::size_t c = 0; c < record.Cells.size(); ++c)
            if (!IsSpecial(header, c + 1))
                fields.push_back(record.Cells[c]);
        // A type has as many fields as its longest record.
        auto& names = notes.NoteTypes[typeIndex].FieldNames;
        while (names.size() < fields.size())
            names.push_back(names.size() < columnNames.size() ? columnNames[names.size()]
                                                              : std::to_string(names.size() + 1));
        typeOfRecord.push_back(typeIndex);
        fieldsOfRecord.push_back(std::move(fields));
    }
    for (std::size_t r = 0; r < records.size(); ++r)
        AddAnkiNote(notes, typeOfRecord[r],
                    deckOfRecord[r] == std::size_t(-1) ? -1 : static_cast<int>(deckOfRecord[r]),
                    fieldsOfRecord[r], header.Html, records[r].Line, limits);
    DropEmptyDecks(notes);
    return notes;
}

} // namespace korvan

#pragma once

// Tables a spreadsheet or an editor saved: CSV or TSV, UTF-8 (with or without
// a byte-order mark) or Windows-1251, separated by tabs, semicolons or commas,
// cells quoted as spreadsheets quote them (a quoted cell may hold the
// separator, "" for a quote, and line breaks), an optional heading row.

#include <string>
#include <string_view>
#include <vector>

#include "import/ImportCollection.h"

namespace korvan {

// One line split into cells at `separator`. `Starts` holds each cell's byte
// offset in the line (after its opening quote), for error columns.
struct TTableRow
{
    std::vector<std::string> Cells;
    std::vector<std::size_t> Starts;
};
TTableRow SplitTableLine(std::string_view line, char separator = '\t');

// The separator the first lines use most consistently: tab, then semicolon,
// then comma; tab when none occurs (a table of one column).
char GuessSeparator(std::string_view text);

// One record from `pos` of `text` (quoted cells may run over line breaks),
// as spreadsheets and Anki's text export write them; `pos` moves past its line
// break and `lines` counts the breaks passed.
std::vector<std::string> ReadTableRecord(std::string_view text, std::size_t& pos, char separator,
                                         std::size_t& lines);

bool RecognisesTable(const std::string& path, std::string_view head);
TImportCollection ReadTableFile(const std::string& path);
// The same from bytes in memory. Throws TImportError for a row with cells
// beyond the heading's columns (a separator in an unquoted cell).
TImportCollection ReadTable(std::string_view bytes);

} // namespace korvan

#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace korvan {

// import TABLE OUT.sl2 [--title T] [--words] [--ru-audio] [--en-audio]: exit 0
// when the lesson was written, 1 when the table is wrong (nothing is written),
// 2 for wrong arguments.
int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// One line of a tab-separated table split into cells. A cell may be quoted as
// spreadsheets write it ("a ""b"" c"). `Starts` holds each cell's byte offset
// in the line, for error columns.
struct TTableRow
{
    std::vector<std::string> Cells;
    std::vector<std::size_t> Starts;
};
TTableRow SplitTableLine(std::string_view line);

} // namespace korvan

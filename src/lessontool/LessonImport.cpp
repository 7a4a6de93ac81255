#include "lessontool/LessonImport.h"

#include <fstream>
#include <ostream>

#include "lesson/Lesson.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

namespace {

// An author's mistake in the table, with its place: "line 4, column 17: ...".
struct TTableError
{
    std::size_t Line;
    std::size_t Column; // 1-based, in characters
    std::string Text;
};

// Characters (not bytes) of UTF-8 text before `offset`, plus one.
std::size_t ColumnOf(std::string_view line, std::size_t offset)
{
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset && i < line.size(); ++i)
        if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80)
            ++column;
    return column;
}

// A cell's text in 1251, trimmed as the trainer trims every line it reads.
std::string CellText(std::string_view line, const TTableRow& row, std::size_t cell,
                     std::size_t lineNumber)
{
    const std::string& utf8 = row.Cells[cell];
    for (std::size_t i = 0; i < utf8.size(); ++i)
        if (static_cast<unsigned char>(utf8[i]) < 32)
            throw TTableError{lineNumber, ColumnOf(line, row.Starts[cell] + i),
                              "a control character cannot stand in a lesson line"};
    try {
        return std::string(TrimControls(ToCp1251(utf8)));
    } catch (const TEncodingError& e) {
        throw TTableError{lineNumber, ColumnOf(line, row.Starts[cell] + e.Offset),
                          "this character cannot be written in Windows-1251"};
    }
}

void ReadTable(const std::string& path, TLesson& lesson)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TIoError("Cannot open " + path);
    std::string line;
    std::size_t lineNumber = 0;
    bool firstRow = true;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (lineNumber == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        const TTableRow row = SplitTableLine(line);
        bool blank = true;
        for (const std::string& cell : row.Cells)
            blank = blank && TrimControls(cell).empty();
        if (blank)
            continue;
        for (std::size_t c = 4; c < row.Cells.size(); ++c)
            if (!TrimControls(row.Cells[c]).empty())
                throw TTableError{lineNumber, ColumnOf(line, row.Starts[c]),
                                  "a fifth column: a line holds number, comment, Russian, English"};

        TQuestion question;
        const std::string_view number = TrimControls(row.Cells[0]);
        if (number.empty())
            question.Number = lesson.QuestionCount() + 1; // as the trainer numbers an empty line
        else if (!ParseInt32(number, question.Number)) {
            if (firstRow) { // a heading row such as "No  Comment  Russian  English"
                firstRow = false;
                continue;
            }
            throw TTableError{lineNumber, ColumnOf(line, row.Starts[0]),
                              "\"" + std::string(number) + "\" is not a question number"};
        }
        firstRow = false;
        std::string* fields[] = {&question.Comment, &question.RText, &question.EText};
        for (std::size_t c = 1; c < 4 && c < row.Cells.size(); ++c)
            *fields[c - 1] = CellText(line, row, c, lineNumber);
        lesson.Questions.push_back(std::move(question));
    }
    if (in.bad())
        throw TIoError("Cannot read " + path);
}

} // namespace

TTableRow SplitTableLine(std::string_view line)
{
    TTableRow row;
    std::size_t i = 0;
    while (true) {
        row.Starts.push_back(i);
        std::string cell;
        if (i < line.size() && line[i] == '"') {
            // Quoted: "" stands for one quote; the cell ends at the closing quote.
            std::size_t j = i + 1;
            while (j < line.size()) {
                if (line[j] == '"') {
                    if (j + 1 < line.size() && line[j + 1] == '"') {
                        cell += '"';
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                cell += line[j++];
            }
            row.Starts.back() = i + 1;
            const std::size_t tab = line.find('\t', j);
            cell += line.substr(j, tab == std::string_view::npos ? line.npos : tab - j);
            i = tab;
        } else {
            const std::size_t tab = line.find('\t', i);
            cell = line.substr(i, tab == std::string_view::npos ? line.npos : tab - i);
            i = tab;
        }
        row.Cells.push_back(std::move(cell));
        if (i == std::string_view::npos)
            break;
        ++i;
    }
    return row;
}

int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> files;
    TLesson lesson;
    std::string title;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--title" && i + 1 < args.size())
            title = args[++i];
        else if (args[i] == "--words")
            lesson.Words = true;
        else if (args[i] == "--ru-audio")
            lesson.HasRuAudio = true;
        else if (args[i] == "--en-audio")
            lesson.HasEnAudio = true;
        else if (args[i].rfind("--", 0) != 0)
            files.push_back(args[i]);
        else {
            err << "korvan-lesson import: unknown option \"" << args[i] << "\"\n";
            return 2;
        }
    }
    if (files.size() != 2) {
        err << "korvan-lesson import: give the table and the lesson to write\n";
        return 2;
    }
    const std::string& table = files[0];
    const std::string& lessonPath = files[1];
    try {
        const TTableRow titleRow = SplitTableLine(title);
        if (titleRow.Cells.size() > 1 || title.find('\n') != std::string::npos)
            throw TTableError{0, 0, "the title must be one line without tabs"};
        try {
            lesson.Title = std::string(TrimControls(ToCp1251(title)));
        } catch (const TEncodingError& e) {
            throw TTableError{0, ColumnOf(title, e.Offset),
                              "the title holds a character Windows-1251 cannot hold"};
        }
        ReadTable(table, lesson);
        if (lesson.Questions.empty())
            throw TTableError{0, 0, "the table holds no questions"};
        lesson.WriteToFile(lessonPath, TSelection::RestOrWithMistakes, 0);
    } catch (const TTableError& e) {
        err << "korvan-lesson import: " << table;
        if (e.Line > 0)
            err << ", line " << e.Line << ", column " << e.Column;
        else if (e.Column > 0)
            err << ", title column " << e.Column;
        err << ": " << e.Text << ". Nothing was written.\n";
        return 1;
    } catch (const TIoError& e) {
        err << "korvan-lesson import: " << e.what() << "\n";
        return 1;
    }
    out << "Wrote " << lesson.Questions.size() << " questions to " << lessonPath << "\n";
    return 0;
}

} // namespace korvan

#include <gtest/gtest.h>

#include <sstream>

#include "editor/LessonEditor.h"
#include "timing/TimeCalculator.h"

namespace korvan {
namespace {

// "1(c|r|e) 2(||)": numbers and texts in list order.
std::string Describe(const TLessonDocument& document)
{
    std::string out;
    for (const TEditorRow& row : document.Rows())
        out += (out.empty() ? "" : " ") + std::to_string(row.Number) + "(" + row.Comment + "|" +
               row.RText + "|" + row.EText + ")";
    return out;
}

TColumn ColumnOf(char c)
{
    return c == 'N'   ? TColumn::Number
           : c == 'C' ? TColumn::Comment
           : c == 'R' ? TColumn::Russian
                      : TColumn::English;
}

// Runs a script of edits, one per ";": "ins AT [COUNT]", "del FIRST COUNT",
// "set ROW COL TEXT" (COL one of N C R E), "move ROW BY", "renum", "fix".
void RunScript(TLessonEditor& editor, const std::string& script)
{
    std::istringstream steps(script);
    std::string step;
    while (std::getline(steps, step, ';')) {
        std::istringstream in(step);
        std::string op;
        in >> op;
        int a = 0, b = 1;
        if (op == "ins") {
            in >> a;
            if (!(in >> b))
                b = 1;
            editor.InsertRows(a, b);
        } else if (op == "del") {
            in >> a >> b;
            editor.DeleteRows(a, b);
        } else if (op == "set") {
            char column = 0;
            in >> a >> column;
            std::string text;
            std::getline(in, text);
            editor.SetCell(a, ColumnOf(column), text);
        } else if (op == "move") {
            in >> a >> b;
            editor.MoveRow(a, b);
        } else if (op == "renum") {
            editor.Renumber();
        } else if (op == "fix") {
            editor.ReplaceUnencodable();
        }
    }
}

struct TEditCase
{
    const char* Name;
    const char* Script;
    const char* Expected;
};

class EditsTest : public testing::TestWithParam<TEditCase>
{
};

// Every script starts from "7(a|б|c) 3(||x)" and must undo back to it.
TEST_P(EditsTest, MakeUndoAndRedo)
{
    TLessonEditor editor;
    editor.Document.Reset({}, {{7, "a", "б", "c", 0, 7}, {3, "", "", "x", 0, 3}});
    editor.Loaded();
    const std::string start = Describe(editor.Document);
    RunScript(editor, GetParam().Script);
    const std::string done = Describe(editor.Document);
    EXPECT_EQ(done, GetParam().Expected);
    EXPECT_EQ(editor.Modified(), done != start);

    while (editor.CanUndo())
        editor.Undo();
    EXPECT_EQ(Describe(editor.Document), start);
    EXPECT_FALSE(editor.Modified());
    while (editor.CanRedo())
        editor.Redo();
    EXPECT_EQ(Describe(editor.Document), done);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, EditsTest,
    testing::Values(
        TEditCase{"InsertTakesNextFreeNumber", "ins 1", "7(a|б|c) 8(||) 3(||x)"},
        TEditCase{"InsertSeveral", "ins 0 2", "8(||) 9(||) 7(a|б|c) 3(||x)"},
        TEditCase{"InsertAtEndAfterDelete", "del 0 1;ins 1", "3(||x) 4(||)"},
        TEditCase{"DeleteAll", "del 0 2", ""},
        TEditCase{"TextTrimmedAndOneLine", "set 1 R  до\rсвидания\t ",
                  "7(a|б|c) 3(|до свидания|x)"},
        TEditCase{"NumberTyped", "set 1 N 42", "7(a|б|c) 42(||x)"},
        TEditCase{"NumberNotAnIntegerRefused", "set 1 N 4x", "7(a|б|c) 3(||x)"},
        TEditCase{"SameTextIsNoEdit", "set 0 C a", "7(a|б|c) 3(||x)"},
        TEditCase{"MoveDownAndBackUp", "move 0 1;move 1 -1;move 0 1", "3(||x) 7(a|б|c)"},
        TEditCase{"MovePastEdgeRefused", "move 1 1;move 0 -1", "7(a|б|c) 3(||x)"},
        TEditCase{"RenumberOnRequestOnly", "ins 2;renum", "1(a|б|c) 2(||x) 3(||)"},
        TEditCase{"UnencodableKeptUntilReplaced", "set 0 E naïve – ü", "7(a|б|naïve – ü) 3(||x)"},
        TEditCase{"ReplaceUnencodable", "set 0 E naïve – ü;fix", "7(a|б|na?ve – ?) 3(||x)"}),
    [](const auto& info) { return info.param.Name; });

TEST(EditorTest, NumberingAndCellProblems)
{
    TLessonEditor editor;
    EXPECT_EQ(editor.Document.NextFreeNumber(), 1);
    editor.Document.Reset({}, {{5, "", "да", "", 0, 5}, {5, "ü", "", "yes", 0, 5}});
    EXPECT_EQ(editor.Document.NextFreeNumber(), 6);

    struct
    {
        int Row;
        TColumn Column;
        bool Unencodable, Empty, Repeated;
    } const cells[] = {
        {0, TColumn::Number, false, false, true},  {0, TColumn::Russian, false, false, false},
        {0, TColumn::English, false, true, false}, {1, TColumn::Comment, true, false, false},
        {1, TColumn::Russian, false, true, false},
    };
    for (const auto& c : cells) {
        const TCellProblems p = editor.Problems(c.Row, c.Column);
        EXPECT_EQ(p.Unencodable, c.Unencodable) << c.Row << "/" << int(c.Column);
        EXPECT_EQ(p.Empty, c.Empty) << c.Row << "/" << int(c.Column);
        EXPECT_EQ(p.RepeatedNumber, c.Repeated) << c.Row << "/" << int(c.Column);
    }
    ASSERT_TRUE(editor.FirstUnencodable());
    EXPECT_EQ(*editor.FirstUnencodable(), (TCellRef{1, TColumn::Comment}));
    // A changed number clears the mark of the other row too.
    editor.SetCell(1, TColumn::Number, "6");
    EXPECT_FALSE(editor.Problems(0, TColumn::Number).RepeatedNumber);
}

TEST(EditorTest, FindIgnoresCaseAndWraps)
{
    TLessonEditor editor;
    editor.Document.Reset({}, {{1, "", "Ёлка и ДОМ", "Tree", 0, 1}, {2, "", "дом", "house", 0, 2}});
    struct
    {
        const char* Query;
        TCellRef From;
        bool Forward;
        std::optional<TCellRef> Found;
    } const finds[] = {
        {"дом", {0, TColumn::Number}, true, TCellRef{0, TColumn::Russian}},
        {"дом", {0, TColumn::Russian}, true, TCellRef{1, TColumn::Russian}},
        {"дом", {1, TColumn::Russian}, true, TCellRef{0, TColumn::Russian}},
        {"ёлка", {1, TColumn::English}, true, TCellRef{0, TColumn::Russian}},
        {"TREE", {1, TColumn::Number}, false, TCellRef{0, TColumn::English}},
        {"2", {0, TColumn::Number}, true, TCellRef{1, TColumn::Number}},
        {"кот", {0, TColumn::Number}, true, std::nullopt},
        {"", {0, TColumn::Number}, true, std::nullopt},
    };
    for (const auto& f : finds)
        EXPECT_EQ(editor.Find(f.Query, f.From, f.Forward), f.Found) << f.Query;
}

TEST(EditorTest, NormFollowsTheRussianText)
{
    TTimeCalculator norms("/nonexistent/Time.ini");
    norms.Norms = {{4}, {6}, {9}};
    TLessonEditor editor(&norms);
    editor.InsertRows(0);
    EXPECT_EQ(editor.Document.Row(0).TimeNorm, 4);
    editor.SetCell(0, TColumn::Russian, "Я иду домой");
    EXPECT_EQ(editor.Document.Row(0).TimeNorm, 9);
    editor.SetCell(0, TColumn::English, "one two three four five");
    EXPECT_EQ(editor.Document.Row(0).TimeNorm, 9);
    editor.Undo();
    editor.Undo();
    EXPECT_EQ(editor.Document.Row(0).TimeNorm, 4);
}

} // namespace
} // namespace korvan

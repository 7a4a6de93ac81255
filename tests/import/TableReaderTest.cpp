#include <gtest/gtest.h>

#include "import/ImportSource.h"
#include "import/TableReader.h"
#include "import/TatoebaReader.h"
#include "util/Text.h"

namespace korvan {
namespace {

std::vector<std::string> Texts(const TImportRecord& record)
{
    std::vector<std::string> texts;
    for (const TImportCell& cell : record.Cells)
        texts.push_back(cell.Text);
    return texts;
}

TEST(TableReader, ReadsEverySeparatorEncodingAndQuoting)
{
    using TCells = std::vector<std::string>;
    struct TCase
    {
        const char* Name;
        std::string Bytes;
        TCells Fields;
        std::size_t Records;
        TCells Last;
        int NumberField;
    };
    const TCase cases[] = {
        {"tsv, byte-order mark, heading",
         "\xEF\xBB\xBFRussian\tEnglish\r\nПривет\tHello\r\n",
         {"Russian", "English"},
         1,
         {"Привет", "Hello"},
         -1},
        {"csv, quoted separator, quotes, line break",
         "ru,en\n\"Да, конечно\",\"Yes, \"\"sure\"\"\nnow\"\n",
         {"ru", "en"},
         1,
         {"Да, конечно", "Yes, \"sure\"\nnow"},
         -1},
        {"semicolons in 1251, no heading",
         ToCp1251("Привет;Hello\r\nПока;Bye\r\n"),
         {"1", "2"},
         2,
         {"Пока", "Bye"},
         -1},
        {"UTF-16 as a spreadsheet's \"Unicode text\"",
         std::string("\xFF\xFE\x1F\x04\x30\x04\t\0P\0a\0\r\0\n\0", 16),
         {"1", "2"},
         1,
         {"Па", "Pa"},
         -1},
        {"commas inside a quoted tsv cell stay",
         "a\t\"b, c\"\nd\te\n",
         {"1", "2"},
         2,
         {"d", "e"},
         -1},
        {"number column under a heading",
         "N\tRu\tEn\n1\tа\ta\n\n\t\t\n2\tб\tb",
         {"N", "Ru", "En"},
         2,
         {"2", "б", "b"},
         0},
        {"short rows are filled, empty trailing cells dropped",
         "1\tа\ta\n2\tб\n3\tв\tc\t\t\n",
         {"1", "2", "3"},
         3,
         {"3", "в", "c"},
         0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TImportCollection table = ReadTable(c.Bytes);
        ASSERT_EQ(table.FieldSets.size(), 1u);
        EXPECT_EQ(table.FieldSets[0].Fields, c.Fields);
        ASSERT_EQ(table.Records.size(), c.Records);
        EXPECT_EQ(Texts(table.Records.back()), c.Last);
        EXPECT_EQ(table.NumberField, c.NumberField);
    }
}

TEST(TableReader, KnowsWhereEachCellStandsAndRefusesRaggedRows)
{
    const TImportCollection table = ReadTable("ru\ten\n\n\"Ёж\"\tHedgehog\n");
    ASSERT_EQ(table.Records.size(), 1u);
    EXPECT_EQ(table.Records[0].Place, 3u);
    EXPECT_EQ(table.Records[0].Cells[0].Column, 2u); // after the opening quote
    EXPECT_EQ(table.Records[0].Cells[1].Column, 6u);
    try {
        ReadTable("ru;en\nа;b;лишнее\n");
        FAIL() << "a cell beyond the heading was taken";
    } catch (const TImportError& e) {
        EXPECT_STREQ(e.what(), "line 2, column 5: a cell beyond the table's 2 columns (a "
                               "separator inside an unquoted cell?)");
    }
}

TEST(ImportSource, RecognisesEachSourceByContent)
{
    struct TCase
    {
        std::string Head;
        bool Pairs, Export, Table;
    };
    const TCase cases[] = {
        {"\xEF\xBB\xBF"
         "12\tПривет\t34\tHello\r\n",
         true, false, true},
        {"1\trus\tПривет\n2\t\\N\tHi\n", false, true, true},
        {"Привет\tHello\n", false, false, true},
        {std::string("PK\3\4\0\0", 6), false, false, false},
        {std::string("\xFF\xFEP\0", 4), false, false, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Head);
        EXPECT_EQ(RecognisesTatoebaPairs("x.tsv", c.Head), c.Pairs);
        EXPECT_EQ(RecognisesTatoebaExport("x.csv", c.Head), c.Export);
        EXPECT_EQ(RecognisesTable("x.csv", c.Head), c.Table);
    }
}

} // namespace
} // namespace korvan

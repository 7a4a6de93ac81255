#include "import/AnkiNotesText.h"
#include "../TestNames.h"

#include <gtest/gtest.h>

namespace korvan {
namespace {

std::vector<std::string> Texts(const TAnkiNote& note)
{
    std::vector<std::string> texts;
    for (const TImportCell& cell : note.Fields)
        texts.push_back(cell.Text);
    return texts;
}

TEST(AnkiNotesText, ColumnsThatAreNotFieldsQuotingCommentsAndCloze)
{
    const TAnkiNotes notes =
        ReadAnkiNotesText("\xEF\xBB\xBF#separator:tab\r\n"
                          "#html:true\r\n"
                          "#guid column:1\r\n"
                          "#notetype column:2\r\n"
                          "#deck column:3\r\n"
                          "#tags column:6\r\n"
                          "g1\tBasic\tRu::A\t<b>Кот</b>\tcat&nbsp;[sound:c.mp3]\tpets\r\n"
                          "# a comment between notes\r\n"
                          "g2\tBasic\tRu::B\t\"two\r\nlines\"\t\"say \"\"hi\"\"\"\t\r\n"
                          "\r\n"
                          "g3\tCloze\tRu::A\t{{c1::Кот}} спит\t\t\r\n"
                          "g4\tOther\tRu::B\tone\ttwo\tthree\tfour\r\n");
    EXPECT_EQ(notes.Decks, (std::vector<std::string>{"Ru::A", "Ru::B"}));
    ASSERT_EQ(notes.NoteTypes.size(), 3u);
    EXPECT_EQ(notes.NoteTypes[0].Name, "Basic");
    EXPECT_EQ(notes.NoteTypes[0].FieldNames, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(notes.NoteTypes[2].FieldNames, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(notes.Skipped[static_cast<std::size_t>(TAnkiSkip::Cloze)], 1u);
    ASSERT_EQ(notes.Notes.size(), 3u);
    EXPECT_EQ(Texts(notes.Notes[0]), (std::vector<std::string>{"Кот", "cat"}));
    EXPECT_EQ(notes.Notes[0].Fields[1].Sounds, (std::vector<std::string>{"c.mp3"}));
    EXPECT_EQ(notes.Notes[0].Place, 7u);
    EXPECT_EQ(notes.Notes[0].Deck, 0);
    EXPECT_EQ(Texts(notes.Notes[1]), (std::vector<std::string>{"two lines", "say \"hi\""}));
    EXPECT_EQ(notes.Notes[1].Place, 9u);
    EXPECT_EQ(notes.Notes[1].Deck, 1);
    // Tags (column 6) are no field; "three" stands in it.
    EXPECT_EQ(Texts(notes.Notes[2]), (std::vector<std::string>{"one", "two", "four"}));
    EXPECT_EQ(notes.Notes[2].Place, 13u);
}

struct TSeparatorRow
{
    const char* Text;
    std::vector<std::string> Fields;
};

class AnkiNotesTextSeparators : public ::testing::TestWithParam<TSeparatorRow>
{
};

TEST_P(AnkiNotesTextSeparators, SplitsTheOneNote)
{
    const TAnkiNotes notes = ReadAnkiNotesText(GetParam().Text);
    ASSERT_EQ(notes.Notes.size(), 1u) << GetParam().Text;
    EXPECT_EQ(Texts(notes.Notes[0]), GetParam().Fields);
    EXPECT_TRUE(notes.Decks.empty());
    EXPECT_EQ(notes.Notes[0].Deck, -1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AnkiNotesTextSeparators,
    ::testing::Values(TSeparatorRow{"#separator:Comma\n#html:false\nа,b\n", {"а", "b"}},
                      TSeparatorRow{"#separator:semicolon\nа;\"b;c\"\n", {"а", "b;c"}},
                      TSeparatorRow{"#separator:,\nа,b\n", {"а", "b"}},
                      TSeparatorRow{"#separator:Pipe\nа|b|c\n", {"а", "b", "c"}},
                      // Without "#html:true" markup and references are text as they stand.
                      TSeparatorRow{"#html:false\n<b>a</b>&amp;\tb\n", {"<b>a</b>&amp;", "b"}},
                      TSeparatorRow{"#separator:tab\n#html:true\n<b>a</b>&amp;\tb", {"a&", "b"}}),
    [](const auto& info) { return test::RowName(info.index, info.param.Text); });

TEST(AnkiNotesText, ColumnNamesAndAGlobalDeck)
{
    const TAnkiNotes notes = ReadAnkiNotesText("#separator:tab\n#columns:Russian\tEnglish\tTags\n"
                                               "#tags column:3\n#deck:Мои фразы\n#notetype:Basic\n"
                                               "да\tyes\ttag\n");
    EXPECT_EQ(notes.Decks, (std::vector<std::string>{"Мои фразы"}));
    ASSERT_EQ(notes.NoteTypes.size(), 1u);
    EXPECT_EQ(notes.NoteTypes[0].Name, "Basic");
    EXPECT_EQ(notes.NoteTypes[0].FieldNames, (std::vector<std::string>{"Russian", "English"}));
}

TEST(AnkiNotesText, Recognised)
{
    for (const char* text : {"#separator:tab\n", "\xEF\xBB\xBF#html:true\n",
                             "#Notetype column:1\r\n", "#deck:Words\n"})
        EXPECT_TRUE(RecognisesAnkiNotesText("notes.txt", text)) << text;
    for (const char* text : {"# just a comment\n", "#id\tRussian\n", "Russian\tEnglish\n", "", "#"})
        EXPECT_FALSE(RecognisesAnkiNotesText("notes.txt", text)) << text;
}

} // namespace
} // namespace korvan

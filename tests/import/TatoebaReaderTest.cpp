#include <gtest/gtest.h>

#include "import/TatoebaReader.h"

namespace korvan {
namespace {

std::size_t Skipped(const TImportCollection& c, std::string_view reason)
{
    for (const TSkipCount& s : c.Skipped)
        if (s.Reason.find(reason) != std::string::npos)
            return s.Count;
    return 0;
}

TEST(Tatoeba, UndoesTheExportsBackslashEscapes)
{
    EXPECT_EQ(UnescapeTatoeba("a\\tb\\\\c\\nd\\\"e"), "a\tb\\c\nd\"e");
    EXPECT_EQ(UnescapeTatoeba("\\N"), "");
    EXPECT_EQ(UnescapeTatoeba("ends with \\"), "ends with \\");
}

TEST(Tatoeba, PairsTakeEachSentenceOnceWithItsIds)
{
    const TImportCollection c = ReadTatoebaPairs("\xEF\xBB\xBF"
                                                 "10\tЯ дома.\t20\tI'm home.\r\n"
                                                 "10\tЯ дома.\t21\tI am at home.\r\n"
                                                 "garbage line\r\n"
                                                 "11\tТы \\n тут?\t22\tAre you here?\r\n");
    ASSERT_EQ(c.Records.size(), 2u);
    EXPECT_EQ(c.Records[0].Cells[0].Text, "Я дома.");
    EXPECT_EQ(c.Records[0].Cells[1].Text, "I'm home.");
    EXPECT_EQ(c.Records[0].Note, "Tatoeba 10 20");
    EXPECT_EQ(c.Records[1].Cells[0].Text, "Ты \\n тут?"); // no escaping in this download
    EXPECT_EQ(Skipped(c, "further translations"), 1u);
    EXPECT_EQ(Skipped(c, "not in the Tatoeba layout"), 1u);
    EXPECT_NE(c.Comments.at(0).find("CC BY 2.0 FR"), std::string::npos);
}

TEST(Tatoeba, ExportKeepsRussianSentencesWithTheirEnglishTranslation)
{
    const std::string sentences = "1\trus\tКот\\tспит.\n"
                                  "2\teng\tThe cat\\nsleeps.\n"
                                  "3\tdeu\tDie Katze schläft.\n"
                                  "4\trus\tБез перевода.\n"
                                  "5\t\\N\tUnknown language.\n"
                                  "6\teng\tA cat sleeps.\n"
                                  "7\trus\tСобака.\n"
                                  "8\teng\tA dog.\n";
    const std::string links = "1\t2\n2\t1\n1\t3\n1\t6\n4\t3\n7\t8\n8\t7\n";
    const TImportCollection c = ReadTatoebaExport(sentences, links, "7\t99\tann\tCC BY 4.0\t\n");
    ASSERT_EQ(c.Records.size(), 2u);
    EXPECT_EQ(c.Records[0].Cells[0].Text, "Кот\tспит.");
    EXPECT_EQ(c.Records[0].Cells[1].Text, "The cat\nsleeps.");
    EXPECT_EQ(c.Records[0].Note, "Tatoeba 1 2");
    EXPECT_EQ(c.Records[1].Note, "Tatoeba 7 8, Russian audio");
    EXPECT_EQ(Skipped(c, "further translations"), 1u); // 1 -> 6
    EXPECT_EQ(c.Comments.size(), 2u);                  // the licence, the audio
}

} // namespace
} // namespace korvan

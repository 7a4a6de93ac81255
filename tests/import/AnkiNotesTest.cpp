#include "import/AnkiNotes.h"
#include "../TestNames.h"

#include <gtest/gtest.h>

namespace korvan {
namespace {

struct TFieldRow
{
    const char* Raw;
    bool Html;
    const char* Text;
    std::vector<std::string> Sounds;
};

class AnkiFields : public ::testing::TestWithParam<TFieldRow>
{
};

TEST_P(AnkiFields, TextAndSounds)
{
    const TImportCell cell = ReduceAnkiField(GetParam().Raw, GetParam().Html);
    EXPECT_EQ(cell.Text, GetParam().Text);
    EXPECT_EQ(cell.Sounds, GetParam().Sounds);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AnkiFields,
    ::testing::Values(
        TFieldRow{"Привет", true, "Привет", {}},
        TFieldRow{"Hi[sound:a.mp3] there[sound:b.mp3]", true, "Hi there", {"a.mp3", "b.mp3"}},
        TFieldRow{"[sound:Tom&amp;Jerry&#39;s.mp3]<br>Tom &amp; Jerry",
                  true,
                  "Tom & Jerry",
                  {"Tom&Jerry's.mp3"}},
        TFieldRow{"[sound:Tom&amp;Jerry.mp3]", false, "", {"Tom&amp;Jerry.mp3"}},
        TFieldRow{"<b>a</b> &lt;b&gt;", false, "<b>a</b> &lt;b&gt;", {}},
        TFieldRow{"[sound:]empty, [sound:unclosed", true, "empty, [sound:unclosed", {}},
        TFieldRow{"<img src=\"x.jpg\">Кот", true, "Кот", {}}),
    [](const auto& info) { return test::RowName(info.index, info.param.Raw); });

TEST(AnkiFields, Cloze)
{
    for (const char* cloze : {"{{c1::Кот}} спит", "a {{c12::b::hint}}", "{{c}} {{c2::x}}"})
        EXPECT_TRUE(HoldsCloze(cloze)) << cloze;
    for (const char* plain : {"{{c::x}}", "{{Front}}", "c1::", "{{c1:x}}", ""})
        EXPECT_FALSE(HoldsCloze(plain)) << plain;
}

TEST(AnkiFields, SplitAtUnitSeparator)
{
    EXPECT_EQ(SplitAnkiFields("a\x1f\x1f"
                              "c"),
              (std::vector<std::string_view>{"a", "", "c"}));
    EXPECT_EQ(SplitAnkiFields(""), (std::vector<std::string_view>{""}));
}

} // namespace
} // namespace korvan

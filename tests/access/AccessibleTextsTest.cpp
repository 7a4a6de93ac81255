// The screen reader's names: every entry says something, no control twice,
// and the track bars read as their marks do.

#include <set>

#include <gtest/gtest.h>

#include "access/AccessibleTexts.h"
#include "util/Text.h"

namespace korvan {
namespace {

TEST(AccessibleTexts, EveryEntrySaysSomethingAndNoControlComesTwice)
{
    for (const char* window :
         {"FMain", "FBehavior", "FSkin", "FPupils", "FPupils_e", "FInpMode", "FAbout"}) {
        const auto& texts = AccessibleTexts(window);
        EXPECT_FALSE(texts.empty()) << window;
        std::set<std::string> controls;
        for (const TAccessibleText& t : texts) {
            EXPECT_TRUE(controls.insert(t.Control).second) << window << " " << t.Control;
            EXPECT_FALSE(t.Name.empty() && t.Description.empty()) << window << " " << t.Control;
            EXPECT_NE(t.Name, t.Control);
        }
    }
    EXPECT_TRUE(AccessibleTexts("FNone").empty());
    // The colour rows: caption, background and sample of each of the seven.
    EXPECT_EQ(AccessibleTexts("FSkin").size(), 4u + 7u * 3u);
}

TEST(AccessibleTexts, TrackBarsReadAsTheirMarks)
{
    struct TRow
    {
        const char* Control;
        int Position;
        const char* Text;
    };
    const TRow rows[] = {
        {"TBSpeed", 0, "1/2 от нормы"},
        {"TBSpeed", 1, "0,6 от нормы"},
        {"TBSpeed", 5, "1 от нормы"},
        {"TBSpeed", 10, "1,5 от нормы"},
        {"TBSpeed", 20, "2,5 от нормы"},
        {"TBMistakeChange", -1, "больше не показывать"},
        {"TBMistakeChange", 0, "показать еще один раз"},
        {"TBMistakeChange", 1, "показать еще два раза"},
        {"TBMistakeChange", 2, ""},
        {"TBUseAtOnce", 17, "17"},
        {"BOk", 1, ""},
    };
    for (const TRow& r : rows)
        EXPECT_EQ(RussianCp1251({TrackBarValueText(r.Control, r.Position)}), ToCp1251(r.Text))
            << r.Control << " " << r.Position;
}

} // namespace
} // namespace korvan

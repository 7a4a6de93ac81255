#include "i18n/Phrase.h"

#include <gtest/gtest.h>

#include "util/Text.h"

namespace korvan {
namespace {

TEST(PhraseTest, FillsPlaceholdersInOnePass)
{
    struct TRow
    {
        const char* Pattern;
        std::vector<std::string> Args;
        const char* Filled;
    };
    const TRow rows[] = {
        {"%1 of %2", {"a", "b"}, "a of b"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        // The lowest number takes the first argument, as QString::arg does.
        {"%3 and %5", {"x", "y"}, "x and y"},
        {"%10 then %9", {"nine", "ten"}, "ten then nine"},
        // An argument's own "%2" is not filled again.
        {"%1 %2", {"50%2", "b"}, "50%2 b"},
        {"%1 %2", {"only"}, "only %2"},
        {"100% %0 %", {"x"}, "100% %0 %"},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(FillPlaceholders(row.Pattern, row.Args), row.Filled) << row.Pattern;
}

TEST(PhraseTest, RendersPhrasesAndContent)
{
    const TShownText text = {
        Marked("Ctx", "Файл \"%1\" из %2.", {Cp1251Arg(ToCp1251("урок")), NumberArg(3)}),
        Content(ToCp1251(" Привет")),
        Counted("Ctx", "%n шт.", 5),
    };
    const TTranslate english = [](const char*, const char* source, auto count) {
        const std::string s = source;
        if (s.starts_with("Файл"))
            return std::string("File \"%1\" of %2.");
        return std::to_string(count.value_or(-1)) + " pcs.";
    };
    EXPECT_EQ(Render(text, english), "File \"урок\" of 3. Привет5 pcs.");
    EXPECT_EQ(Render(text, RussianSource), "Файл \"урок\" из 3. Привет5 шт.");
    // Content keeps its bytes, 0x98 (no character in Unicode) included.
    const TShownText odd = {Marked("Ctx", "%1!", {Cp1251Arg("\x98")}), Content("\x98")};
    EXPECT_EQ(RussianCp1251(odd), "\x98!\x98");
    EXPECT_EQ(RussianCp1251(text), ToCp1251("Файл \"урок\" из 3. Привет5 шт."));
    // A reason is translated in its own context; one the catalogue lacks
    // shows as it is.
    const TTranslate reasons = [](const char* context, const char* source, auto) {
        return std::string(context) == "Why" && std::string(source) == "пусто" ? "empty" : source;
    };
    const TPhrase failed = Marked(
        "Ctx", "%1; %2", {ReasonArg("Why", ToCp1251("пусто")), ReasonArg("Why", ToCp1251("иное"))});
    EXPECT_EQ(Render(failed, reasons), "empty; иное");
    EXPECT_EQ(RussianCp1251({failed}), ToCp1251("пусто; иное"));
}

} // namespace
} // namespace korvan

#include "i18n/Language.h"

#include <gtest/gtest.h>

#include "TestNames.h"

namespace korvan {
namespace {

using L = TUiLanguage;
constexpr auto Unset = std::nullopt;

struct TLanguageRow
{
    const char* Name;
    const char* Stored; // Skin.ini's Language
    TLocaleInputs Locale;
    L Trainer; // without a locale: Russian
    L Tool;    // without a locale: English
};

class ChooseLanguageTest : public ::testing::TestWithParam<TLanguageRow>
{
};

TEST_P(ChooseLanguageTest, ForEachProgram)
{
    const TLanguageRow& row = GetParam();
    EXPECT_EQ(ChooseLanguage(row.Stored, row.Locale, L::Russian), row.Trainer);
    EXPECT_EQ(ChooseLanguage(row.Stored, row.Locale, L::English), row.Tool);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChooseLanguageTest,
    ::testing::Values(
        // No locale at all: each program as before.
        TLanguageRow{"NothingSet", "", {Unset, Unset, Unset, Unset}, L::Russian, L::English},
        TLanguageRow{"AllEmpty", "", {"", "", "", ""}, L::Russian, L::English},
        TLanguageRow{"LangC", "", {Unset, Unset, Unset, "C"}, L::Russian, L::English},
        TLanguageRow{"LangCUtf8", "", {Unset, Unset, Unset, "C.UTF-8"}, L::Russian, L::English},
        TLanguageRow{
            "LcAllPosix", "", {Unset, "POSIX", Unset, "ru_RU.UTF-8"}, L::Russian, L::English},
        // A Russian locale, from any of the four.
        TLanguageRow{
            "LangRussian", "", {Unset, Unset, Unset, "ru_RU.UTF-8"}, L::Russian, L::Russian},
        TLanguageRow{"LcMessagesRussian",
                     "",
                     {Unset, Unset, "ru_UA", "en_GB.UTF-8"},
                     L::Russian,
                     L::Russian},
        TLanguageRow{"LanguageListRussianFirst",
                     "",
                     {"ru:en", Unset, Unset, "de_DE.UTF-8"},
                     L::Russian,
                     L::Russian},
        // Any other language: English.
        TLanguageRow{
            "LangEnglish", "", {Unset, Unset, Unset, "en_US.UTF-8"}, L::English, L::English},
        TLanguageRow{
            "LangGerman", "", {Unset, Unset, Unset, "de_DE.UTF-8"}, L::English, L::English},
        TLanguageRow{"LcAllBeforeLang",
                     "",
                     {Unset, "en_US.UTF-8", Unset, "ru_RU.UTF-8"},
                     L::English,
                     L::English},
        TLanguageRow{
            "LanguageBeforeLcAll", "", {"en", "ru_RU.UTF-8", Unset, Unset}, L::English, L::English},
        TLanguageRow{
            "LanguageSkipsC", "", {"C:ru", Unset, Unset, "en_US.UTF-8"}, L::Russian, L::Russian},
        TLanguageRow{
            "EmptyLanguageIgnored", "", {"", Unset, Unset, "ru_RU"}, L::Russian, L::Russian},
        TLanguageRow{
            "ModifierOnly", "", {Unset, Unset, Unset, "ru@petr1708"}, L::Russian, L::Russian},
        // The stored choice wins over every locale.
        TLanguageRow{
            "StoredEnglish", "en", {Unset, Unset, Unset, "ru_RU.UTF-8"}, L::English, L::English},
        TLanguageRow{"StoredRussian", "ru", {Unset, Unset, Unset, "C"}, L::Russian, L::Russian},
        TLanguageRow{
            "StoredUnknownIsSystem", "fr", {Unset, Unset, Unset, "en_US"}, L::English, L::English}),
    [](const auto& info) { return test::CaseName(info.param.Name); });

TEST(StoredLanguage, RoundTrips)
{
    for (const std::optional<L> language :
         {std::optional<L>(), std::optional(L::Russian), std::optional(L::English)})
        EXPECT_EQ(StoredLanguage(StoredValue(language)), language);
    EXPECT_STREQ(StoredValue(std::nullopt), "");
}

} // namespace
} // namespace korvan

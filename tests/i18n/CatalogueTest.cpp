// The compiled catalogues the tools and the report page translate with: the
// plural forms of both languages and what is left untranslated.

#include "i18n/Catalogue.h"

#include <gtest/gtest.h>

#include "i18n/Marked.h"

namespace korvan {
namespace {

constexpr const char* Repeated =
    KORVAN_MARK_N("LessonCheck", "Под номером %1 — %n вопросов; у них одна пара записей.\n");

TEST(CatalogueTest, CountedTextsTakeTheLanguagesPluralForms)
{
    struct TRow
    {
        TUiLanguage Language;
        std::int64_t Count;
        const char* Shown;
    };
    const TRow rows[] = {
        {TUiLanguage::Russian, 1, "Под номером 7 — 1 вопрос.\n"},
        {TUiLanguage::Russian, 2, "Под номером 7 — 2 вопроса; у них одна пара записей.\n"},
        {TUiLanguage::Russian, 5, "Под номером 7 — 5 вопросов; у них одна пара записей.\n"},
        {TUiLanguage::Russian, 11, "Под номером 7 — 11 вопросов; у них одна пара записей.\n"},
        {TUiLanguage::Russian, 21, "Под номером 7 — 21 вопрос.\n"},
        {TUiLanguage::Russian, 112, "Под номером 7 — 112 вопросов; у них одна пара записей.\n"},
        {TUiLanguage::Russian, 122, "Под номером 7 — 122 вопроса; у них одна пара записей.\n"},
        {TUiLanguage::English, 1, "The number 7 is used by 1 question.\n"},
        {TUiLanguage::English, 2,
         "The number 7 is used by 2 questions; they share one pair of recordings.\n"},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(Render(Counted("LessonCheck", Repeated, row.Count, {NumberArg(7)}),
                         TranslatorFor(row.Language)),
                  row.Shown)
            << row.Count;
}

TEST(CatalogueTest, RussianIsTheSourceAndAnUnknownTextStaysAsItIs)
{
    const char* title = KORVAN_MARK("HtmlReport", "Отчёт для учителя");
    EXPECT_EQ(Translate(TUiLanguage::English, "HtmlReport", title, std::nullopt),
              "Teacher's report");
    EXPECT_EQ(Translate(TUiLanguage::Russian, "HtmlReport", title, std::nullopt), title);
    // Found by context and text together.
    EXPECT_EQ(Translate(TUiLanguage::English, "Elsewhere", title, std::nullopt), title);
    EXPECT_EQ(Translate(TUiLanguage::English, "HtmlReport", "Нет такого %n", 3), "Нет такого 3");
}

} // namespace
} // namespace korvan

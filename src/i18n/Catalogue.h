#pragma once

// The interface's catalogues for the programs without Qt (the command-line
// tools, the report page): the same src/i18n/*.ts the window installs,
// compiled into tables at build time.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "i18n/Language.h"
#include "i18n/Phrase.h"

namespace korvan {

// Which plural form `count` takes: English has two (1, other), Russian three
// (1, 21; 2..4, 22..24; 5..20, 25..30 and 11..14).
int PluralForm(TUiLanguage language, std::int64_t count);

// A marked text in `language`, %n replaced: English from korvan_en, Russian
// the source itself but for counted texts, whose forms are in korvan_ru. A
// text missing from the catalogue shows as its source.
std::string Translate(TUiLanguage language, const char* context, const char* source,
                      std::optional<std::int64_t> count);

TTranslate TranslatorFor(TUiLanguage language);

// Translate, then %1, %2, ... filled in one pass (FillPlaceholders).
std::string Say(TUiLanguage language, const char* context, const char* source,
                const std::vector<std::string>& args = {},
                std::optional<std::int64_t> count = std::nullopt);

} // namespace korvan

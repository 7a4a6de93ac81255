#pragma once

// Which language the interface speaks: the stored choice, else the locale the
// way desktop programs read it (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG).

#include <optional>
#include <string>

namespace korvan {

enum class TUiLanguage
{
    Russian,
    English
};

// The locale variables as the process has them; unset ones are nullopt.
struct TLocaleInputs
{
    std::optional<std::string> Language; // LANGUAGE: a colon-separated list
    std::optional<std::string> LcAll;
    std::optional<std::string> LcMessages;
    std::optional<std::string> Lang;
};

TLocaleInputs LocaleInputsOfProcess();

// The language of the locale: Russian for "ru" ("ru_RU.UTF-8", "ru:en"),
// English for any other language, nothing for no locale at all (every
// variable unset or empty, or the first set one "C", "POSIX", "C.UTF-8").
std::optional<TUiLanguage> LocaleLanguage(const TLocaleInputs& locale);

// The stored value of Skin.ini's Language key: "ru", "en", or anything else
// (empty first of all) for "as the system".
std::optional<TUiLanguage> StoredLanguage(const std::string& stored);
const char* StoredValue(std::optional<TUiLanguage> language);

// The stored choice first, then the locale; without a locale each program
// keeps what it spoke before it had a choice (`withoutLocale`: the trainer
// and the report page Russian, the tools' messages English).
TUiLanguage ChooseLanguage(const std::string& stored, const TLocaleInputs& locale,
                           TUiLanguage withoutLocale);

} // namespace korvan

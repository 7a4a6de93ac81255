#include "i18n/Language.h"

#include <algorithm>
#include <cstdlib>

namespace korvan {

namespace {

std::optional<std::string> Variable(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

// "ru" of "ru_RU.UTF-8@euro"; the locale names of no language are empty.
std::string LanguageCode(const std::string& locale)
{
    const std::string code = locale.substr(0, locale.find_first_of("_.@"));
    if (code == "C" || code == "POSIX")
        return {};
    return code;
}

std::optional<TUiLanguage> OfCode(const std::string& code)
{
    if (code.empty())
        return std::nullopt;
    return code == "ru" ? TUiLanguage::Russian : TUiLanguage::English;
}

} // namespace

TLocaleInputs LocaleInputsOfProcess()
{
    return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

std::optional<TUiLanguage> LocaleLanguage(const TLocaleInputs& locale)
{
    // LANGUAGE lists languages by preference; its first entry of a language
    // decides.
    if (locale.Language) {
        const std::string& list = *locale.Language;
        for (std::size_t begin = 0; begin <= list.size();) {
            const std::size_t end = std::min(list.find(':', begin), list.size());
            if (const auto language = OfCode(LanguageCode(list.substr(begin, end - begin))))
                return language;
            begin = end + 1;
        }
    }
    for (const auto* variable : {&locale.LcAll, &locale.LcMessages, &locale.Lang}) {
        if (*variable && !(*variable)->empty())
            return OfCode(LanguageCode(**variable));
    }
    return std::nullopt;
}

std::optional<TUiLanguage> StoredLanguage(const std::string& stored)
{
    if (stored == "ru")
        return TUiLanguage::Russian;
    if (stored == "en")
        return TUiLanguage::English;
    return std::nullopt;
}

const char* StoredValue(std::optional<TUiLanguage> language)
{
    if (!language)
        return "";
    return *language == TUiLanguage::Russian ? "ru" : "en";
}

TUiLanguage ChooseLanguage(const std::string& stored, const TLocaleInputs& locale,
                           TUiLanguage withoutLocale)
{
    if (const auto chosen = StoredLanguage(stored))
        return *chosen;
    return LocaleLanguage(locale).value_or(withoutLocale);
}

} // namespace korvan

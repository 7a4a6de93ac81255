#include "i18n/Catalogue.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <tuple>

#include "i18n/CatalogueEntry.h"

namespace korvan {

// The tables made at build time.
extern const TCatalogueEntry korvan_en[];
extern const std::size_t korvan_en_size;
extern const TCatalogueEntry korvan_ru[];
extern const std::size_t korvan_ru_size;

namespace {

std::span<const TCatalogueEntry> Table(TUiLanguage language)
{
    if (language == TUiLanguage::English)
        return {korvan_en, korvan_en_size};
    return {korvan_ru, korvan_ru_size};
}

const TCatalogueEntry* Find(TUiLanguage language, std::string_view context, std::string_view source)
{
    const std::span<const TCatalogueEntry> table = Table(language);
    const auto key = [](const TCatalogueEntry& entry) {
        return std::tuple(std::string_view(entry.Context), std::string_view(entry.Source));
    };
    const auto wanted = std::tuple(context, source);
    const auto found = std::lower_bound(
        table.begin(), table.end(), wanted,
        [&](const TCatalogueEntry& entry, const auto& value) { return key(entry) < value; });
    return found != table.end() && key(*found) == wanted ? &*found : nullptr;
}

std::string ReplaceCount(std::string text, std::int64_t count)
{
    const std::string number = std::to_string(count);
    for (std::size_t at = text.find("%n"); at != std::string::npos;
         at = text.find("%n", at + number.size()))
        text.replace(at, 2, number);
    return text;
}

} // namespace

int PluralForm(TUiLanguage language, std::int64_t count)
{
    const std::int64_t n = count < 0 ? -count : count;
    if (language == TUiLanguage::English)
        return n == 1 ? 0 : 1;
    if (n % 10 == 1 && n % 100 != 11)
        return 0;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14))
        return 1;
    return 2;
}

std::string Translate(TUiLanguage language, const char* context, const char* source,
                      std::optional<std::int64_t> count)
{
    const bool lookUp = language == TUiLanguage::English || count.has_value();
    const TCatalogueEntry* entry = lookUp ? Find(language, context, source) : nullptr;
    if (entry == nullptr)
        return RussianSource(context, source, count);
    const int form = count ? std::min(PluralForm(language, *count), entry->FormCount - 1) : 0;
    const std::string text = entry->Forms[form];
    return count ? ReplaceCount(text, *count) : text;
}

TTranslate TranslatorFor(TUiLanguage language)
{
    return [language](const char* context, const char* source, std::optional<std::int64_t> count) {
        return Translate(language, context, source, count);
    };
}

std::string Say(TUiLanguage language, const char* context, const char* source,
                const std::vector<std::string>& args, std::optional<std::int64_t> count)
{
    return FillPlaceholders(Translate(language, context, source, count), args);
}

} // namespace korvan

#pragma once

// An interface text as the core hands it over: a marked source text
// (KORVAN_MARK: Russian, UTF-8) with the values of its numbered placeholders,
// translated only where it is shown. No sentence is glued from pieces: a
// phrase is one whole text, and a shown text is one or more whole phrases.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvan {

// The value of a placeholder: UTF-8 (a number, a path) or Windows-1251 (lesson
// content, a stored value), each shown as it is in every language.
struct TPhraseArg
{
    std::string Text;
    bool Cp1251 = false;
    // Set: the text is itself a marked source text of this context (a
    // failure's reason), translated where shown; one the catalogues lack (the
    // system's own words, a name appended) shows as it is.
    const char* Context = nullptr;
};

TPhraseArg Utf8Arg(std::string text);
TPhraseArg Cp1251Arg(std::string text);
TPhraseArg NumberArg(std::int64_t number);
TPhraseArg ReasonArg(const char* context, std::string cp1251);

struct TPhrase
{
    // Both null: no interface text, the one argument stands alone (lesson
    // content between phrases).
    const char* Context = nullptr;
    const char* Source = nullptr;
    std::vector<TPhraseArg> Args;      // %1, %2, ...
    std::optional<std::int64_t> Count; // %n, which also chooses the plural form
};

// A shown text: its phrases one after another.
using TShownText = std::vector<TPhrase>;

TPhrase Marked(const char* context, const char* source, std::vector<TPhraseArg> args = {});
TPhrase Counted(const char* context, const char* source, std::int64_t count,
                std::vector<TPhraseArg> args = {});
TPhrase Content(std::string cp1251);

// The translation of a marked source text, %n replaced, as UTF-8. The window
// asks Qt's catalogues, the tools the compiled ones.
using TTranslate = std::function<std::string(const char* context, const char* source,
                                             std::optional<std::int64_t> count)>;

// "%1".."%99" of `pattern` replaced in one pass, the lowest number by the
// first argument and so on as QString::arg does, so that an argument holding
// "%2" stays as it is. A placeholder without an argument stays too.
std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& args);

// The shown text in UTF-8.
std::string Render(const TShownText& text, const TTranslate& translate);
std::string Render(const TPhrase& phrase, const TTranslate& translate);

// The Russian source, %n replaced with the number: what the interface shows
// with no catalogue.
std::string RussianSource(const char* context, const char* source,
                          std::optional<std::int64_t> count);

// The shown text in Russian as Windows-1251, as the drill showed it before it
// had a second language (the tests' and the log's view of it).
std::string RussianCp1251(const TShownText& text);

} // namespace korvan

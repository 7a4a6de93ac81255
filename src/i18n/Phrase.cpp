#include "i18n/Phrase.h"

#include <algorithm>
#include <map>

#include "util/Text.h"

namespace korvan {

TPhraseArg Utf8Arg(std::string text)
{
    return {std::move(text), false};
}

TPhraseArg Cp1251Arg(std::string text)
{
    return {std::move(text), true};
}

TPhraseArg NumberArg(std::int64_t number)
{
    return {std::to_string(number), false};
}

TPhraseArg ReasonArg(const char* context, std::string cp1251)
{
    return {std::move(cp1251), true, context};
}

TPhrase Marked(const char* context, const char* source, std::vector<TPhraseArg> args)
{
    return {context, source, std::move(args), std::nullopt};
}

TPhrase Counted(const char* context, const char* source, std::int64_t count,
                std::vector<TPhraseArg> args)
{
    return {context, source, std::move(args), count};
}

TPhrase Content(std::string cp1251)
{
    return {nullptr, nullptr, {Cp1251Arg(std::move(cp1251))}, std::nullopt};
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& args)
{
    // The numbers used, in order: the lowest takes args[0].
    std::map<int, std::size_t> slot;
    for (std::size_t at = 0; at + 1 < pattern.size(); ++at) {
        if (pattern[at] != '%' || !IsDigit(pattern[at + 1]) || pattern[at + 1] == '0')
            continue;
        int number = pattern[at + 1] - '0';
        if (at + 2 < pattern.size() && IsDigit(pattern[at + 2]))
            number = number * 10 + (pattern[at + 2] - '0');
        slot.emplace(number, 0);
    }
    std::size_t next = 0;
    for (auto& [number, index] : slot)
        index = next++;

    std::string out;
    out.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '%' && at + 1 < pattern.size() && IsDigit(pattern[at + 1]) &&
            pattern[at + 1] != '0') {
            int number = pattern[at + 1] - '0';
            std::size_t length = 2;
            if (at + 2 < pattern.size() && IsDigit(pattern[at + 2])) {
                number = number * 10 + (pattern[at + 2] - '0');
                length = 3;
            }
            const std::size_t index = slot.at(number);
            if (index < args.size()) {
                out += args[index];
                at += length - 1;
                continue;
            }
        }
        out += pattern[at];
    }
    return out;
}

std::string Render(const TPhrase& phrase, const TTranslate& translate)
{
    std::vector<std::string> args;
    args.reserve(phrase.Args.size());
    for (const TPhraseArg& arg : phrase.Args) {
        std::string text = arg.Cp1251 ? Cp1251ToUtf8(arg.Text) : arg.Text;
        if (arg.Context != nullptr)
            text = translate(arg.Context, text.c_str(), std::nullopt);
        args.push_back(std::move(text));
    }
    if (phrase.Source == nullptr)
        return args.empty() ? std::string() : args.front();
    return FillPlaceholders(translate(phrase.Context, phrase.Source, phrase.Count), args);
}

std::string Render(const TShownText& text, const TTranslate& translate)
{
    std::string out;
    for (const TPhrase& phrase : text)
        out += Render(phrase, translate);
    return out;
}

std::string RussianSource(const char*, const char* source, std::optional<std::int64_t> count)
{
    std::string text = source;
    if (!count)
        return text;
    const std::string number = std::to_string(*count);
    for (std::size_t at = text.find("%n"); at != std::string::npos;
         at = text.find("%n", at + number.size()))
        text.replace(at, 2, number);
    return text;
}

std::string RussianCp1251(const TShownText& text)
{
    // Lesson content goes back as its own bytes (0x98, which has no Unicode
    // character, included); only the interface's texts are converted.
    std::string out;
    for (const TPhrase& phrase : text) {
        if (phrase.Source == nullptr) {
            if (!phrase.Args.empty())
                out += phrase.Args.front().Cp1251 ? phrase.Args.front().Text
                                                  : ToCp1251Replacing(phrase.Args.front().Text);
            continue;
        }
        std::vector<std::string> args;
        for (const TPhraseArg& arg : phrase.Args)
            args.push_back(arg.Cp1251 ? arg.Text : ToCp1251Replacing(arg.Text));
        out += FillPlaceholders(
            ToCp1251Replacing(RussianSource(phrase.Context, phrase.Source, phrase.Count)), args);
    }
    return out;
}

} // namespace korvan

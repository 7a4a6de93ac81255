#include "speech/SpeechText.h"

namespace korvan {

namespace {

constexpr std::string_view CombiningAcute = "\xCC\x81"; // U+0301

bool IsVowelAt(std::string_view s, std::size_t at)
{
    static constexpr std::string_view Latin = "aeiouyAEIOUY";
    if (at >= s.size())
        return false;
    if (Latin.find(s[at]) != std::string_view::npos)
        return true;
    // Cyrillic vowels, two bytes each in UTF-8.
    static constexpr std::string_view Cyrillic[] = {"а", "е", "ё", "и", "о", "у", "ы",
                                                    "э", "ю", "я", "А", "Е", "Ё", "И",
                                                    "О", "У", "Ы", "Э", "Ю", "Я"};
    for (std::string_view v : Cyrillic)
        if (s.substr(at, v.size()) == v)
            return true;
    return false;
}

} // namespace

std::string StressMarksRemoved(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '+' && IsVowelAt(utf8, i + 1))
            continue;
        if (utf8.substr(i, CombiningAcute.size()) == CombiningAcute) {
            i += CombiningAcute.size() - 1;
            continue;
        }
        out.push_back(utf8[i]);
    }
    return out;
}

} // namespace korvan

#include "memory/CardKey.h"

#include <cstdint>
#include <cstdio>

namespace korvan {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

std::uint64_t Fnv1a(std::uint64_t hash, std::string_view bytes)
{
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string_view DirectionName(TCardDirection direction)
{
    return direction == TCardDirection::RuEn ? "ru-en" : "en-ru";
}

bool ParseDirection(std::string_view name, TCardDirection& direction)
{
    if (name == "ru-en")
        direction = TCardDirection::RuEn;
    else if (name == "en-ru")
        direction = TCardDirection::EnRu;
    else
        return false;
    return true;
}

std::string NormalizeCardText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool gap = false;
    for (const char c : text) {
        if (IsBlank(c)) {
            gap = !out.empty();
            continue;
        }
        if (gap)
            out += ' ';
        gap = false;
        out += c;
    }
    return out;
}

std::string CardKey(TCardDirection direction, std::string_view ruUtf8, std::string_view enUtf8)
{
    std::uint64_t hash = Fnv1aBasis;
    hash = Fnv1a(hash, NormalizeCardText(ruUtf8));
    hash = Fnv1a(hash, "\n");
    hash = Fnv1a(hash, NormalizeCardText(enUtf8));
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(DirectionName(direction)) + ":" + hex;
}

} // namespace korvan

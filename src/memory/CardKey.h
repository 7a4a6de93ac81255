#pragma once

// What a card is: one sentence pair asked in one direction. Its key depends on
// the direction and the two texts alone, so a sentence keeps its memory when
// its lesson is renumbered, moved or copied, and the same pair in two lessons
// is one card per direction.

#include <cstdint>
#include <string>
#include <string_view>

namespace korvan {

enum class TCardDirection
{
    RuEn, // the Russian sentence asked, the English answered
    EnRu,
};

// "ru-en" or "en-ru".
std::string_view DirectionName(TCardDirection direction);
// False for any other name.
bool ParseDirection(std::string_view name, TCardDirection& direction);

// A text trimmed and every inner run of blanks, tabs and line breaks made one
// blank.
std::string NormalizeCardText(std::string_view text);

// The 64-bit FNV-1a hash of `bytes`, continuing from `hash` (its offset basis
// to start): the same on every machine.
constexpr std::uint64_t Fnv1aBasis = 0xcbf29ce484222325ULL;
std::uint64_t Fnv1a(std::uint64_t hash, std::string_view bytes);

// "ru-en:" or "en-ru:" and 16 hex digits of the 64-bit FNV-1a hash of the two
// normalized UTF-8 texts joined by a line feed (Russian first).
std::string CardKey(TCardDirection direction, std::string_view ruUtf8, std::string_view enUtf8);

} // namespace korvan

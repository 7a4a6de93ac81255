#pragma once

// UTF-8 as it comes from the outside (an author's table, a lesson a Linux
// editor saved): validity and code points. Conversion to 1251 is Text.h's.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvan {

// Whether bytes that are not plain ASCII form UTF-8 sequences throughout, with
// at least one of them (a real 1251 Russian text never does: its letters are
// lone bytes 0xC0..0xFF). Fed in pieces; a sequence may be split between pieces.
class TUtf8Detector
{
public:
    void Feed(std::string_view bytes);
    bool LooksLikeUtf8() const { return Valid > 0 && Invalid == 0 && Pending == 0; }
    // No invalid sequence so far (plain ASCII counts as UTF-8).
    bool IsValid() const { return Invalid == 0 && Pending == 0; }

private:
    int Pending = 0; // continuation bytes still expected
    long long Valid = 0;
    long long Invalid = 0;
};

// The code point that starts at `pos` in valid UTF-8, moving `pos` past it. A
// broken sequence yields U+FFFD and moves one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

// Characters (not bytes) before `offset`, plus one: a column for messages.
std::size_t CharacterColumn(std::string_view text, std::size_t offset);

// Latin and Cyrillic capitals in small letters, for matching names ("Русский",
// "English"); other characters as they stand.
std::string LowerLetters(std::string_view text);

// The one character that starts at `offset`, as UTF-8.
std::string_view CharacterAt(std::string_view text, std::size_t offset);

} // namespace korvan

#pragma once

// Texts are Windows-1251 bytes held in std::string; these helpers are the only
// places where they meet Unicode or numbers.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace korvan {

// UTF-8 (a literal in our sources, or an author's table) to Windows-1251.
// Throws TEncodingError for a character 1251 cannot hold.
std::string ToCp1251(std::string_view utf8);

// A path (the file system's UTF-8 name) as 1251 text, for the log and the
// messages: a character 1251 cannot hold, or a byte that is not UTF-8, becomes "?".
std::string PathToCp1251(std::string_view path);
// The same for a text an author typed (the lesson editor): each character 1251
// cannot hold, or each broken UTF-8 sequence, becomes "?".
std::string ToCp1251Replacing(std::string_view utf8);

// Windows-1251 to UTF-8 for the edges that have no Qt (the lesson tool). The one
// byte 1251 leaves undefined (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);

// Removes characters with codes 0..32 from both ends, as every line read from a
// lesson or a time table is trimmed.
std::string_view TrimControls(std::string_view text);

// An optionally signed decimal integer that fits in 32 bits, and nothing else
// (no blanks, no hexadecimal, no overflow).
bool ParseInt32(std::string_view text, std::int32_t& value);

// The text preceded by as many `fill` characters as it falls short of `width`.
std::string PadLeft(std::string_view text, std::size_t width, char fill);

int MinOf(std::initializer_list<int> values);
double MaxOf(std::initializer_list<double> values);

} // namespace korvan

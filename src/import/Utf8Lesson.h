#pragma once

// A lesson file a Linux editor saved in UTF-8: the lesson reader takes texts
// as 1251 bytes (and a byte-order mark makes the file no lesson), so such a
// file is converted into a 1251 lesson, every line kept as it stands.

#include <string>
#include <string_view>
#include <vector>

#include "import/ImportBuild.h"

namespace korvan {

// The first line is the magic line after an optional byte-order mark, and the
// whole file is valid UTF-8 with at least one multi-byte sequence (a real 1251
// Russian text never is).
bool IsUtf8Lesson(std::string_view bytes);
// The same for a file; false when it cannot be read.
bool IsUtf8LessonFile(const std::string& path);

struct TLessonConversion
{
    std::string Cp1251;            // the converted file; empty when Unfit holds rows
    std::vector<TUnfitText> Unfit; // with Stop: the characters 1251 cannot hold (first 100)
    std::size_t Replaced = 0;      // with Replace: how many lines had characters replaced
};
// Converts line by line, the byte-order mark dropped and lines ended with CR
// LF. Stop lists the characters 1251 cannot hold; Replace puts "?" for them (Skip acts as Stop: a
// line left out would shift the groups).
TLessonConversion ConvertUtf8Lesson(std::string_view bytes, TUnfitChoice mode);

// "a/b.sl2" becomes "a/b (1251).sl2", or "a/b (1251) 2.sl2" and so on when
// that exists.
std::string ConvertedLessonPath(const std::string& path);

} // namespace korvan

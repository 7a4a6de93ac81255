#pragma once

// What an engine is given to read. Authors mark stress in two ways: "+" before
// the stressed vowel, or the combining acute (U+0301) after it.

#include <string>
#include <string_view>

namespace korvan {

// For an engine that would read the marks aloud or trip over them: both kinds
// removed, everything else ("ё", a "+" that marks no vowel, as in "2+2") kept.
// UTF-8 in and out.
std::string StressMarksRemoved(std::string_view utf8);

} // namespace korvan

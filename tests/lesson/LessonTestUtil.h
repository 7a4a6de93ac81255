#pragma once

// A lesson in one line, so that tables can state the expected result:
// "Title{WRE} 1(comment|russian|english) 2(||)", letters for Words, HasRuAudio
// and HasEnAudio.

#include <string>

#include "lesson/Lesson.h"

namespace korvan::test {

inline std::string Describe(const TLesson& lesson)
{
    std::string out = lesson.Title + "{";
    if (lesson.Words)
        out += 'W';
    if (lesson.HasRuAudio)
        out += 'R';
    if (lesson.HasEnAudio)
        out += 'E';
    out += "}";
    for (const TQuestion& q : lesson.Questions)
        out +=
            " " + std::to_string(q.Number) + "(" + q.Comment + "|" + q.RText + "|" + q.EText + ")";
    return out;
}

} // namespace korvan::test

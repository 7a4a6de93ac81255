#pragma once

// The review of what is due, as a lesson the drill runs: the due cards in
// order, each asked in the direction it was learnt in, with its recordings
// from the lesson it came from while that lesson still holds it under its
// number.

#include <string>
#include <vector>

#include "lesson/Lesson.h"
#include "memory/MemoryModel.h"

namespace korvan {

// The name the review goes by in the log and the caption (UTF-8).
inline constexpr const char* ReviewLessonName = "Повторение на сегодня";

// `due` indexes `cards`, whose cards must be described. Texts become 1251 (a
// character 1251 lacks is replaced). Each lesson named is read once; one that
// is gone, unreadable or changed gives its cards no recordings.
TLesson GatherReview(const THistory& history, const std::vector<TCardMemory>& cards,
                     const std::vector<std::size_t>& due);

} // namespace korvan

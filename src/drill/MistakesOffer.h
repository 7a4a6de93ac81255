#pragma once

// The offer at the end of a run to save the questions with mistakes as a
// lesson of their own, made as the behaviour settings say.

#include <optional>
#include <string>

#include "lesson/DerivedLessons.h"
#include "settings/BehaviorCfg.h"

namespace korvan {

// With cfg.SaveDiff on, SaveWithMistakesAs at cfg.DiffNum; nothing otherwise.
// Returns the path written, nothing when nothing was written. Throws TIoError.
std::optional<std::string> OfferMistakesSave(const TLesson& lesson, const TBehaviorCfg& cfg,
                                             const std::string& pupil1251,
                                             ISaveLessonDialog& dialog);

} // namespace korvan

#include "drill/MistakesOffer.h"

namespace korvan {

std::optional<std::string> OfferMistakesSave(const TLesson& lesson, const TBehaviorCfg& cfg,
                                             const std::string& pupil1251,
                                             ISaveLessonDialog& dialog)
{
    if (!cfg.SaveDiff)
        return std::nullopt;
    return SaveWithMistakesAs(lesson, cfg.DiffNum, pupil1251, dialog);
}

} // namespace korvan

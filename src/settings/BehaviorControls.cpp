#include "settings/BehaviorControls.h"

#include <algorithm>

#include "i18n/Marked.h"

namespace korvan {

std::int32_t ShownPosition(std::int32_t value, TControlRange range)
{
    return std::clamp(value, range.Min, range.Max);
}

TOrderButton OrderButtonOf(std::int32_t orderKind)
{
    switch (orderKind) {
    case 0:
        return TOrderButton::Order;
    case 1:
        return TOrderButton::All;
    default:
        return TOrderButton::Part;
    }
}

std::optional<TPhrase> BothOffWarning(const TBehaviorCfg& cfg, TLanguageSide side)
{
    if (side == TLanguageSide::Russian) {
        if (cfg.ShowRText || cfg.UseRWav)
            return std::nullopt;
        return Marked(
            "korvan::TFBehavior",
            KORVAN_MARK("korvan::TFBehavior",
                        "Обратите внимание! Вы отключили и показ и аудирование русского текста."));
    }
    if (cfg.ShowEText || cfg.UseEWav)
        return std::nullopt;
    return Marked(
        "korvan::TFBehavior",
        KORVAN_MARK("korvan::TFBehavior",
                    "Обратите внимание! Вы отключили и показ и аудирование английского текста."));
}

} // namespace korvan

#pragma once

// What the behaviour dialog's controls can show. The configuration is loaded
// without range checks (a hand-edited file may hold anything); a control shows
// a value outside its range at the nearest end, and the configuration keeps the
// stored value until the user moves the control.

#include <cstdint>
#include <optional>
#include <string>

#include "i18n/Phrase.h"
#include "settings/BehaviorCfg.h"

namespace korvan {

struct TControlRange
{
    std::int32_t Min;
    std::int32_t Max;
};

constexpr TControlRange SpeedRange{0, 20};         // TBSpeed: factor 1/2 .. 2 1/2
constexpr TControlRange MistakeChangeRange{-1, 1}; // TBMistakeChange, top is -1
constexpr TControlRange UseAtOnceRange{1, 40};     // TBUseAtOnce
constexpr TControlRange DiffNumRange{1, 9};        // EDiffNum with UDDiffNum

// The position a control of `range` shows for `value`.
std::int32_t ShownPosition(std::int32_t value, TControlRange range);

// The radio button of the order kind: 0 in order, 1 random all, anything else
// (2, or a stray stored value) random part, as the drill reads it.
enum class TOrderButton
{
    Order,
    All,
    Part
};
TOrderButton OrderButtonOf(std::int32_t orderKind);

enum class TLanguageSide
{
    Russian,
    English
};
// The warning due after the text or sound of a language was switched: when
// both are now off, the text that says so, else nothing.
std::optional<TPhrase> BothOffWarning(const TBehaviorCfg& cfg, TLanguageSide side);

} // namespace korvan

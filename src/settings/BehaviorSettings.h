#pragma once

// The current behaviour configuration, the named modes and the current mode:
// read when created (start-up), written when destroyed (normal end). The
// behaviour dialog owns one.

#include <string>
#include <vector>

#include "settings/BehaviorCfg.h"

namespace korvan {

// A hand-edited HowMany is bounded: more modes than this cannot be chosen from
// a menu, and a huge number would exhaust memory.
constexpr int MaxModeCount = 1000;

class TBehaviorSettings
{
public:
    // `korvanIni` holds section Main (the current configuration and CfgMode),
    // `modesIni` the mode names and the modes' stored settings. A saved mode
    // goes into `ownModesIni` (empty: `modesIni`), the user's copy of the
    // modes, which is read instead of `modesIni` once it exists.
    TBehaviorSettings(std::string korvanIni, std::string modesIni, std::string ownModesIni = {});
    // Writes CurrentCfg and CfgMode into Korvan.ini; a failed write is ignored
    // (the main window has told the user their folder cannot be written).
    ~TBehaviorSettings();
    TBehaviorSettings(const TBehaviorSettings&) = delete;
    TBehaviorSettings& operator=(const TBehaviorSettings&) = delete;

    // For 0 <= index < ModeNames.size(): the mode becomes current and its stored
    // settings the current configuration. The caller checks the range.
    void SelectMode(int index);
    // The name of the mode at a 0-based index; empty outside the list.
    std::string ModeName(int index) const;
    int ModeCount() const { return static_cast<int>(ModeNames.size()); }

    // Stores `cfg` as the settings of the mode at a 0-based index. The first
    // save copies the shipped modes into the user's copy, so the other modes
    // and their names stay. Throws TIoError("Unable to write to <path>").
    void SaveMode(int index, const TBehaviorCfg& cfg);

    const std::string& KorvanIniPath() const { return KorvanIni; }
    // The modes as read now: the user's copy when there is one.
    std::string ModesIniPath() const;

    std::vector<std::string> ModeNames; // 1251 text; "-" is a separator
    int CurrentMode = 0;
    TBehaviorCfg CurrentCfg;
    TBehaviorCfg EditCfg;
    int SelectedMode = 0;

private:
    std::string KorvanIni;
    std::string ModesIni;
    std::string OwnModesIni;
};

// "Mode" followed by the 1-based mode number.
std::string ModeSectionName(int modeNumber);

} // namespace korvan

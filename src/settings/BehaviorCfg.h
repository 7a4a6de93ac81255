#pragma once

// One set of behaviour settings, stored as 14 keys of an INI section.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace korvan {

struct TBehaviorCfg
{
    bool UseTime = true;
    std::int32_t Speed = 5;         // 0..20 in the dialog; budget factor (Speed + 5) / 10
    std::int32_t InitialShows = 1;  // never stored
    std::int32_t MistakeChange = 0; // -1, 0, +1
    std::int32_t ShowsCap = 2;      // never stored
    std::int32_t UseAtOnce = 10;    // 1..40 in the dialog
    std::int32_t OrderKind = 2;     // 0 in order, 1 random all, anything else random part
    bool SaveDiff = true;
    std::int32_t DiffNum = 2; // 1..9 in the dialog
    bool ShowRText = true;
    bool ShowEText = true;
    bool UseRWav = true;
    bool UseEWav = true;
    bool TranslRE = true;
    bool UseTextInput = false;
    // Sentences without a recording are spoken by the speech synthesizer.
    bool UseSpeech = false;

    bool operator==(const TBehaviorCfg&) const = default;
};

class TIniData;

// One stored key: its name and the field it holds, a Boolean (`Flag`) or an
// Integer (`Number`), the other pointer being null.
struct TBehaviorKey
{
    const char* Name;
    bool TBehaviorCfg::*Flag;
    std::int32_t TBehaviorCfg::*Number;
    std::int32_t Default; // 0 or 1 for a Boolean
};

// The 14 stored keys in the order they are written; load, save and tests use it.
std::span<const TBehaviorKey> BehaviorKeys();

// Every field from the section, the default for an absent or non-integer key;
// InitialShows 1 and ShowsCap 2 whatever the file holds. No range is enforced.
void LoadBehaviorCfg(TBehaviorCfg& cfg, const std::string& iniPath, std::string_view section);
// The same from a file already read.
void LoadBehaviorCfg(TBehaviorCfg& cfg, const TIniData& ini, std::string_view section);
// The 14 keys in their order; other keys of the section stay. Throws TIoError.
void SaveBehaviorCfg(const TBehaviorCfg& cfg, const std::string& iniPath, std::string_view section);
// The same into a file being changed (TIniFile::Modify).
void SaveBehaviorCfg(const TBehaviorCfg& cfg, TIniData& ini, std::string_view section);
void Assign(TBehaviorCfg& dest, const TBehaviorCfg& source);

} // namespace korvan

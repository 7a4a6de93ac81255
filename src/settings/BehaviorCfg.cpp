#include "settings/BehaviorCfg.h"

#include <array>

#include "util/IniFile.h"

namespace korvan {

namespace {

using C = TBehaviorCfg;

// The order is the order of the file; a new key goes at the end.
constexpr std::array<TBehaviorKey, 14> Keys{{
    {"UseTime", &C::UseTime, nullptr, 1},
    {"Speed", nullptr, &C::Speed, 5},
    {"MistakeChange", nullptr, &C::MistakeChange, 0},
    {"UseAtOnce", nullptr, &C::UseAtOnce, 10},
    {"OrderKind", nullptr, &C::OrderKind, 2},
    {"SaveDiff", &C::SaveDiff, nullptr, 1},
    {"DiffNum", nullptr, &C::DiffNum, 2},
    {"ShowRText", &C::ShowRText, nullptr, 1},
    {"ShowEText", &C::ShowEText, nullptr, 1},
    {"UseRWav", &C::UseRWav, nullptr, 1},
    {"UseEWav", &C::UseEWav, nullptr, 1},
    {"TranslRE", &C::TranslRE, nullptr, 1},
    {"UseTextInput", &C::UseTextInput, nullptr, 0},
    {"UseSpeech", &C::UseSpeech, nullptr, 0},
}};

// Constants of the drill kept in the record, never stored.
constexpr std::int32_t FixedInitialShows = 1;
constexpr std::int32_t FixedShowsCap = 2;

} // namespace

std::span<const TBehaviorKey> BehaviorKeys()
{
    return Keys;
}

void LoadBehaviorCfg(TBehaviorCfg& cfg, const TIniData& ini, std::string_view section)
{
    for (const TBehaviorKey& key : Keys) {
        if (key.Flag != nullptr)
            cfg.*key.Flag = ini.ReadBool(section, key.Name, key.Default != 0);
        else
            cfg.*key.Number = ini.ReadInteger(section, key.Name, key.Default);
    }
    cfg.InitialShows = FixedInitialShows;
    cfg.ShowsCap = FixedShowsCap;
}

void LoadBehaviorCfg(TBehaviorCfg& cfg, const std::string& iniPath, std::string_view section)
{
    LoadBehaviorCfg(cfg, TIniFile(iniPath).ReadAll(), section);
}

void SaveBehaviorCfg(const TBehaviorCfg& cfg, TIniData& ini, std::string_view section)
{
    for (const TBehaviorKey& key : Keys) {
        if (key.Flag != nullptr)
            ini.WriteBool(section, key.Name, cfg.*key.Flag);
        else
            ini.WriteInteger(section, key.Name, cfg.*key.Number);
    }
}

void SaveBehaviorCfg(const TBehaviorCfg& cfg, const std::string& iniPath, std::string_view section)
{
    // One replacement of the file for all 14 keys: never half a configuration.
    TIniFile(iniPath).Modify([&](TIniData& ini) { SaveBehaviorCfg(cfg, ini, section); });
}

void Assign(TBehaviorCfg& dest, const TBehaviorCfg& source)
{
    dest = source;
}

} // namespace korvan

#include "settings/BehaviorSettings.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "util/AtomicFile.h"
#include "util/IniFile.h"
#include "util/Text.h"

namespace korvan {

namespace {

constexpr std::string_view MainSection = "Main";
constexpr std::string_view ModesSection = "Modes";
constexpr std::int32_t DefaultCfgMode = 2; // 1-based

} // namespace

std::string ModeSectionName(int modeNumber)
{
    return "Mode" + std::to_string(modeNumber);
}

TBehaviorSettings::TBehaviorSettings(std::string korvanIni, std::string modesIni,
                                     std::string ownModesIni)
    : KorvanIni(std::move(korvanIni)), ModesIni(std::move(modesIni)),
      OwnModesIni(ownModesIni.empty() ? ModesIni : std::move(ownModesIni))
{
    // Modes.ini is read once for all the names.
    const TIniData modes = TIniFile(ModesIniPath()).ReadAll();
    const int howMany = std::clamp(modes.ReadInteger(ModesSection, "HowMany", 1), 1, MaxModeCount);
    const std::string defaultName = ToCp1251("Режим ");
    ModeNames.reserve(static_cast<std::size_t>(howMany));
    for (int n = 1; n <= howMany; ++n) {
        const std::string number = std::to_string(n);
        const std::string name = modes.ReadString(ModesSection, number, defaultName + number);
        ModeNames.emplace_back(TrimControls(name));
    }

    const TIniData korvan = TIniFile(KorvanIni).ReadAll();
    // Compared before subtracting: CfgMode may be any 32-bit number.
    const std::int32_t cfgMode = korvan.ReadInteger(MainSection, "CfgMode", DefaultCfgMode);
    CurrentMode = (cfgMode >= 1 && cfgMode <= ModeCount()) ? cfgMode - 1 : 0;

    // The current configuration is Main's own, not the current mode's.
    LoadBehaviorCfg(CurrentCfg, korvan, MainSection);
    EditCfg = TBehaviorCfg();
}

TBehaviorSettings::~TBehaviorSettings()
{
    try {
        // The configuration, then CfgMode, in one replacement of the file.
        TIniFile(KorvanIni).Modify([&](TIniData& ini) {
            SaveBehaviorCfg(CurrentCfg, ini, MainSection);
            ini.WriteInteger(MainSection, "CfgMode", CurrentMode + 1);
        });
    } catch (...) {
        // A user folder that cannot be written was reported at the start; an
        // end of the program has nobody left to tell.
    }
}

void TBehaviorSettings::SelectMode(int index)
{
    CurrentMode = index;
    LoadBehaviorCfg(CurrentCfg, ModesIniPath(), ModeSectionName(index + 1));
}

void TBehaviorSettings::SaveMode(int index, const TBehaviorCfg& cfg)
{
    const std::string section = ModeSectionName(index + 1);
    if (ModesIniPath() == OwnModesIni)
        return SaveBehaviorCfg(cfg, OwnModesIni, section);
    // The first save: the shipped modes with the change become the user's copy.
    TIniData modes = TIniFile(ModesIni).ReadAll();
    SaveBehaviorCfg(cfg, modes, section);
    WriteFileAtomically(OwnModesIni, modes.Text(), "Unable to write to " + OwnModesIni);
}

std::string TBehaviorSettings::ModesIniPath() const
{
    std::error_code error;
    return OwnModesIni != ModesIni && std::filesystem::is_regular_file(OwnModesIni, error)
               ? OwnModesIni
               : ModesIni;
}

std::string TBehaviorSettings::ModeName(int index) const
{
    if (index < 0 || index >= ModeCount())
        return {};
    return ModeNames[static_cast<std::size_t>(index)];
}

} // namespace korvan

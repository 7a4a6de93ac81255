#pragma once

// The engine's view of the behaviour dialog's settings.

#include "drill/DrillPorts.h"
#include "settings/BehaviorSettings.h"

namespace korvan {

class TBehaviorSettingsSource : public IBehaviorSource
{
public:
    explicit TBehaviorSettingsSource(const TBehaviorSettings& settings) : Settings(settings) {}
    int CurrentMode() const override { return Settings.CurrentMode; }
    TBehaviorCfg CurrentCfg() const override { return Settings.CurrentCfg; }
    std::string ModeName(int index) const override { return Settings.ModeName(index); }

private:
    const TBehaviorSettings& Settings;
};

} // namespace korvan

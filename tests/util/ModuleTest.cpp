#include "util/Module.h"

#include <gtest/gtest.h>

namespace korvan {
namespace {

TEST(Module, LookedForBesideTheProgramThenInstalledThenOnTheLibraryPath)
{
    struct TRow
    {
        const char* Executable;
        std::vector<std::string> Candidates;
    };
    const TRow rows[] = {
        {"/home/u/korvan/korvan", {"/home/u/korvan/lib/m.so", "m.so"}},
        {"/usr/bin/korvan", {"/usr/bin/lib/m.so", "/usr/lib/korvan/modules/m.so", "m.so"}},
        {"/opt/k/bin/korvan", {"/opt/k/bin/lib/m.so", "/opt/k/lib/korvan/modules/m.so", "m.so"}},
        {"", {"m.so"}},
        {"korvan", {"m.so"}},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(ModuleCandidates(row.Executable, "m.so"), row.Candidates) << row.Executable;
}

TEST(Module, AMissingModuleSaysWhereItWasLookedFor)
{
    const TModule module("korvan-no-such-module.so");
    EXPECT_FALSE(module.Loaded());
    EXPECT_EQ(module.Symbol("KorvanSoundDevices"), nullptr);
    EXPECT_NE(module.Error().find("korvan-no-such-module.so not found in "), std::string::npos)
        << module.Error();
    EXPECT_NE(module.Error().find("/lib"), std::string::npos) << module.Error();
}

} // namespace
} // namespace korvan

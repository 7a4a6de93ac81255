#include "util/ProgramFolder.h"

#include "util/Paths.h"

namespace korvan {

void InitProgramFolder()
{
    InitFileLocations();
}

void SetProgramFolder(std::string folder)
{
    SetFileLocations({false, folder, folder});
}

const std::string& ProgramFolder()
{
    return FileLocations().Shipped;
}

std::string ProgramFile(std::string_view name)
{
    return ShippedFile(name);
}

} // namespace korvan

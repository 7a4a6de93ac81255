#include "util/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace korvan {

namespace {

std::string& Folder()
{
    static std::string folder;
    return folder;
}

} // namespace

void InitProgramFolder()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    SetProgramFolder(error ? std::string("./") : exe.parent_path().string());
}

void SetProgramFolder(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    Folder() = std::move(folder);
}

const std::string& ProgramFolder()
{
    return Folder();
}

std::string ProgramFile(std::string_view name)
{
    return Folder() + std::string(name);
}

} // namespace korvan

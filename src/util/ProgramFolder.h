#pragma once

#include <string>
#include <string_view>

namespace korvan {

// The folder of the running executable, with a trailing "/". Every file name of
// the program without a folder is taken in it. Set once, before any window.
void InitProgramFolder();
// For tests and tools that run outside the program folder.
void SetProgramFolder(std::string folder);
const std::string& ProgramFolder();
// ProgramFolder() + name.
std::string ProgramFile(std::string_view name);

} // namespace korvan

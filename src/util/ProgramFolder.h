#pragma once

// The names of the one-folder era, kept for callers that read shipped files:
// the program folder is the shipped folder (util/Paths.h). Files the program
// writes go through UserFile, files a user may adapt through AdaptableFile.

#include <string>
#include <string_view>

namespace korvan {

// InitFileLocations().
void InitProgramFolder();
// A portable layout in `folder` (shipped and user folder alike), for tests and
// tools that run outside the program folder.
void SetProgramFolder(std::string folder);
// The shipped folder, with a trailing "/".
const std::string& ProgramFolder();
// ShippedFile(name).
std::string ProgramFile(std::string_view name);

} // namespace korvan

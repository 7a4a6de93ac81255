#pragma once

#include <string>

namespace korvan {

// Copies the file `source` to `destination` (UTF-8 paths). A destination that
// names an existing folder (with or without a trailing "/") receives the file
// under the source's name; a relative one is taken from the current folder.
// An existing file is replaced atomically, so a failed copy leaves it intact.
// Throws TIoError "Cannot open file <source>" when the source cannot be read,
// "Cannot create file <destination>" when the copy cannot be written.
void CopyFileToPath(const std::string& source, const std::string& destination);

} // namespace korvan

#pragma once

#include <string>
#include <string_view>

namespace korvan {

// Replaces the file at `path` with `content`: written to a temporary file in
// the same folder, flushed, then renamed over the old one, so a failure never
// leaves a half-written file. Throws TIoError with `errorText` (or, when empty,
// a text naming the path and the reason).
void WriteFileAtomically(const std::string& path, std::string_view content,
                         const std::string& errorText = {});

} // namespace korvan

#pragma once

// korvan-lesson: the lesson authors' command-line tool. It uses the trainer's
// own reader, writer and norms.

#include <iosfwd>
#include <string>
#include <vector>

#include "i18n/Language.h"

namespace korvan {

// Runs the tool on its arguments (without the program name); returns the exit
// code. `programFolder` holds Time.ini. The messages are in `language` (the
// check's, the memory's and the usage; the other commands' are English).
int RunLessonTool(const std::vector<std::string>& args, const std::string& programFolder,
                  std::ostream& out, std::ostream& err,
                  TUiLanguage language = TUiLanguage::English);

} // namespace korvan

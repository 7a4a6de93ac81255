#pragma once

// korvan-lesson: the lesson authors' command-line tool. It uses the trainer's
// own reader, writer and norms.

#include <iosfwd>
#include <string>
#include <vector>

namespace korvan {

// Runs the tool on its arguments (without the program name); returns the exit
// code. `programFolder` holds Time.ini.
int RunLessonTool(const std::vector<std::string>& args, const std::string& programFolder,
                  std::ostream& out, std::ostream& err);

} // namespace korvan

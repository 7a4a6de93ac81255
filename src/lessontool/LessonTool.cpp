#include "lessontool/LessonTool.h"

#include <ostream>

namespace korvan {

int RunLessonTool(const std::vector<std::string>& args, const std::string& programFolder,
                  std::ostream& out, std::ostream& err)
{
    (void)args;
    (void)programFolder;
    (void)out;
    err << "korvan-lesson: not ready\n";
    return 2;
}

} // namespace korvan

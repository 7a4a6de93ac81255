#include "lessontool/LessonTool.h"

#include <ostream>

#include "lessontool/LessonCheck.h"
#include "lessontool/LessonDump.h"
#include "lessontool/LessonImport.h"
#include "lessontool/LessonMemory.h"
#include "lessontool/LessonVoice.h"

namespace korvan {

namespace {

const std::string Usage =
    std::string("Usage:\n"
                "  korvan-lesson dump LESSON [--time-table FILE]\n"
                "      the lesson as JSON (texts in UTF-8) with each question's thinking time\n"
                "  korvan-lesson check LESSON\n"
                "      what the trainer makes of the file; exit 0 when the lesson is usable\n") +
    ImportUsage +
    "  korvan-lesson voice LESSON [--ru] [--en] [--force] [--voice NAME]\n"
    "      the missing recordings (NNNR.WAV, NNNE.WAV) spoken by the synthesizer, both\n"
    "      sides unless one is named; marks the lesson as having them. --force\n"
    "      replaces existing recordings; --voice names an eSpeak NG voice for the side\n" +
    MemoryUsage;

} // namespace

int RunLessonTool(const std::vector<std::string>& args, const std::string& programFolder,
                  std::ostream& out, std::ostream& err)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << Usage;
        return args.empty() ? 2 : 0;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "dump")
        return RunDump(rest, programFolder, out, err);
    if (command == "check")
        return RunCheck(rest, out, err);
    if (command == "import")
        return RunImport(rest, out, err);
    if (command == "voice")
        return RunVoice(rest, out, err);
    if (command == "memory")
        return RunMemory(rest, out, err);
    err << "korvan-lesson: unknown command \"" << command << "\"\n" << Usage;
    return 2;
}

} // namespace korvan

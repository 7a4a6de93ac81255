#include "lessontool/LessonTool.h"

#include <ostream>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "lessontool/LessonCheck.h"
#include "lessontool/LessonDump.h"
#include "lessontool/LessonImport.h"
#include "lessontool/LessonMemory.h"
#include "lessontool/LessonVoice.h"

namespace korvan {

namespace {

// Each command's paragraph is a text of its own.
std::string Usage(TUiLanguage language)
{
    const auto say = [language](const char* source) { return Say(language, "LessonTool", source); };
    return say(KORVAN_MARK(
               "LessonTool",
               "Запуск:\n"
               "  korvan-lesson dump УРОК [--time-table ФАЙЛ]\n"
               "      урок в JSON (тексты в UTF-8) со временем на обдумывание каждого вопроса\n"
               "  korvan-lesson check УРОК\n"
               "      что тренажёр поймёт из файла; код выхода 0, когда урок пригоден\n")) +
           ImportUsage(language) +
           say(KORVAN_MARK(
               "LessonTool",
               "  korvan-lesson voice УРОК [--ru] [--en] [--force] [--voice ГОЛОС]\n"
               "      недостающие записи (NNNR.WAV, NNNE.WAV), начитанные синтезатором речи,\n"
               "      для обеих сторон, если не названа одна; урок помечается как озвученный.\n"
               "      --force заменяет готовые записи; --voice называет голос eSpeak NG\n"
               "      для названной стороны\n")) +
           MemoryUsage(language);
}

} // namespace

int RunLessonTool(const std::vector<std::string>& args, const std::string& programFolder,
                  std::ostream& out, std::ostream& err, TUiLanguage language)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << Usage(language);
        return args.empty() ? 2 : 0;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "dump")
        return RunDump(rest, programFolder, out, err, language);
    if (command == "check")
        return RunCheck(rest, out, err, language);
    if (command == "import")
        return RunImport(rest, out, err, language);
    if (command == "voice")
        return RunVoice(rest, out, err, language);
    if (command == "memory")
        return RunMemory(rest, out, err, language);
    err << Say(language, "LessonTool",
               KORVAN_MARK("LessonTool", "korvan-lesson: неизвестная команда «%1»\n"), {command})
        << Usage(language);
    return 2;
}

} // namespace korvan

#include "lessontool/LessonDump.h"

#include <cstdio>
#include <ostream>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "i18n/Phrase.h"
#include "lesson/Lesson.h"
#include "timing/TimeCalculator.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

std::string JsonString(const std::string& utf8)
{
    std::string out = "\"";
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

int RunDump(const std::vector<std::string>& args, const std::string& programFolder,
            std::ostream& out, std::ostream& err, TUiLanguage language)
{
    std::string lessonPath;
    std::string tablePath = programFolder + "Time.ini";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--time-table" && i + 1 < args.size())
            tablePath = args[++i];
        else if (lessonPath.empty() && args[i].rfind("--", 0) != 0)
            lessonPath = args[i];
        else {
            err << Say(language, "LessonDump",
                       KORVAN_MARK("LessonDump", "korvan-lesson dump: лишний аргумент «%1»\n"),
                       {args[i]});
            return 2;
        }
    }
    if (lessonPath.empty()) {
        err << Say(language, "LessonDump",
                   KORVAN_MARK("LessonDump", "korvan-lesson dump: какой урок?\n"));
        return 2;
    }

    TLesson lesson;
    bool isLesson = false;
    try {
        isLesson = lesson.LoadFromFile(lessonPath);
    } catch (const TIoError& e) {
        err << "korvan-lesson dump: " << e.what() << "\n";
        return 1;
    }
    // The trainer's own table and message; the norms it would use are dumped.
    const TTimeCalculator norms(tablePath, [&err, language](const TShownText& message) {
        err << Render(message, TranslatorFor(language)) << "\n";
    });
    norms.CalculateNorms(lesson);

    auto flag = [](bool value) { return value ? "true" : "false"; };
    out << "{\"lesson\": " << flag(isLesson) << ", \"loaded\": " << flag(lesson.Loaded)
        << ", \"title\": " << JsonString(Cp1251ToUtf8(lesson.Title))
        << ", \"words\": " << flag(lesson.Words) << ", \"hasRuAudio\": " << flag(lesson.HasRuAudio)
        << ", \"hasEnAudio\": " << flag(lesson.HasEnAudio) << ", \"questions\": [";
    for (std::size_t i = 0; i < lesson.Questions.size(); ++i) {
        const TQuestion& q = lesson.Questions[i];
        out << (i ? ",\n  " : "\n  ") << "{\"number\": " << q.Number
            << ", \"comment\": " << JsonString(Cp1251ToUtf8(q.Comment))
            << ", \"rtext\": " << JsonString(Cp1251ToUtf8(q.RText))
            << ", \"etext\": " << JsonString(Cp1251ToUtf8(q.EText))
            << ", \"timeNorm\": " << q.TimeNorm << "}";
    }
    out << (lesson.Questions.empty() ? "]}\n" : "\n]}\n");
    return 0;
}

} // namespace korvan

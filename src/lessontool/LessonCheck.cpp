#include "lessontool/LessonCheck.h"

#include <map>
#include <ostream>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "import/SourceText.h"
#include "import/Utf8Lesson.h"
#include "lesson/Lesson.h"
#include "lesson/LessonChecks.h"
#include "lesson/LessonSounds.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

namespace {

// A question in the author's terms: its position and its number, as %1 and %2
// (%3 and %4 for a second one) of a message.
std::vector<std::string> Describe(const TLesson& lesson, std::size_t index)
{
    return {std::to_string(index + 1), std::to_string(lesson.Questions[index].Number)};
}

void ReportDroppedLines(const TLesson& lesson, const TLessonReadNotes& notes, std::ostream& out,
                        TUiLanguage language)
{
    const auto& dropped = notes.DroppedNumberLines;
    for (std::size_t first = 0; first < dropped.size();) {
        // A mistyped number usually drags the rest of its group along: report
        // a run of consecutive skipped lines at once.
        std::size_t last = first;
        while (last + 1 < dropped.size() && dropped[last + 1].Line == dropped[last].Line + 1)
            ++last;
        if (first == last) {
            out << Say(language, "LessonCheck",
                       KORVAN_MARK("LessonCheck", "Строка %1: «%2» — не номер вопроса, поэтому "
                                                  "тренажёр её пропускает.\n"),
                       {std::to_string(dropped[first].Line), Cp1251ToUtf8(dropped[first].Text)});
        } else {
            std::string texts;
            for (std::size_t d = first; d <= last && d < first + 4; ++d)
                texts += " \"" + Cp1251ToUtf8(dropped[d].Text) + "\"";
            if (last - first >= 4)
                texts += " ...";
            out << Say(
                language, "LessonCheck",
                KORVAN_MARK("LessonCheck", "Строки с %1 по %2 — не номера вопросов, "
                                           "поэтому тренажёр их пропускает:%3\n"),
                {std::to_string(dropped[first].Line), std::to_string(dropped[last].Line), texts});
        }
        // The groups after the run, up to the next skipped line, may start off
        // the four-line pattern that begins after "<body>".
        const std::int64_t from = dropped[last].Line;
        const std::int64_t until = last + 1 < dropped.size() ? dropped[last + 1].Line : INT64_MAX;
        std::size_t shiftedFirst = SIZE_MAX, shiftedLast = 0;
        for (std::size_t i = 0; i < notes.QuestionLines.size(); ++i) {
            const std::int64_t line = notes.QuestionLines[i];
            if (line <= from || line >= until || (line - notes.BodyStartLine - 1) % 4 == 0)
                continue;
            shiftedFirst = std::min(shiftedFirst, i);
            shiftedLast = i;
        }
        if (shiftedFirst == SIZE_MAX) {
            out << Say(
                language, "LessonCheck",
                KORVAN_MARK("LessonCheck",
                            "  Группы после этого места сохраняют четырёхстрочную схему.\n"));
        } else {
            std::vector<std::string> range = Describe(lesson, shiftedFirst);
            for (std::string& part : Describe(lesson, shiftedLast))
                range.push_back(std::move(part));
            out << Say(language, "LessonCheck",
                       KORVAN_MARK("LessonCheck",
                                   "  С вопроса %1 (номер %2) по вопрос %3 (номер %4) группы "
                                   "начинаются не по четырёхстрочной схеме тела урока: проверьте, "
                                   "что их номера, комментарии и тексты стоят там, где "
                                   "задумано.\n"),
                       range);
        }
        first = last + 1;
    }
}

void ReportEmptyTexts(const TLesson& lesson, std::ostream& out, TUiLanguage language)
{
    for (std::size_t i = 0; i < lesson.Questions.size(); ++i) {
        const TQuestion& q = lesson.Questions[i];
        if (IsBlankText(q.RText))
            out << Say(language, "LessonCheck",
                       KORVAN_MARK("LessonCheck", "У вопроса %1 (номер %2) нет русского текста.\n"),
                       Describe(lesson, i));
        if (IsBlankText(q.EText))
            out << Say(
                language, "LessonCheck",
                KORVAN_MARK("LessonCheck", "У вопроса %1 (номер %2) нет английского текста.\n"),
                Describe(lesson, i));
    }
}

void ReportRepeatedNumbers(const TLesson& lesson, std::ostream& out, TUiLanguage language)
{
    TNumberUses uses;
    for (const TQuestion& q : lesson.Questions)
        uses.Add(q.Number);
    uses.ForEachRepeated([&](std::int32_t number, int count) {
        out << Say(language, "LessonCheck",
                   KORVAN_MARK_N("LessonCheck",
                                 "Под номером %1 — %n вопросов; у них одна пара записей.\n"),
                   {std::to_string(number)}, count);
    });
}

void ReportMissingSounds(const TLesson& lesson, TLanguage side, std::ostream& out,
                         TUiLanguage language)
{
    const TRecordingFolder folder(FolderOf(lesson.FileName));
    std::vector<std::string> missing;
    std::map<std::string, bool> seen;
    for (const TQuestion& q : lesson.Questions) {
        const std::string name = LessonSoundName(q.Number, side);
        if (!seen.emplace(name, true).second)
            continue;
        if (!folder.Has(q.Number, side))
            missing.push_back(name);
    }
    if (missing.empty())
        return;
    constexpr std::size_t shown = 20;
    std::string names;
    for (std::size_t i = 0; i < missing.size() && i < shown; ++i)
        names += " " + missing[i];
    if (missing.size() > shown)
        names += Say(language, "LessonCheck", KORVAN_MARK("LessonCheck", " и ещё %1"),
                     {std::to_string(missing.size() - shown)});
    const std::vector<std::string> args = {std::to_string(missing.size()),
                                           std::to_string(seen.size()), names};
    if (side == TLanguage::Russian)
        out << Say(language, "LessonCheck",
                   KORVAN_MARK("LessonCheck", "В заголовке обещаны русские записи, но %1 из %2 нет "
                                              "в папке урока:%3. Тренажёр покажет вместо них "
                                              "текст.\n"),
                   args);
    else
        out << Say(language, "LessonCheck",
                   KORVAN_MARK("LessonCheck", "В заголовке обещаны английские записи, но %1 из %2 "
                                              "нет в папке урока:%3. Тренажёр покажет вместо них "
                                              "текст.\n"),
                   args);
}

// A lesson saved in UTF-8: how to convert it, and what will not convert.
void ReportUtf8Lesson(const std::string& path, bool bom, std::ostream& out, TUiLanguage language)
{
    const std::vector<std::string> paths = {path, ConvertedLessonPath(path)};
    if (bom)
        out << Say(language, "LessonCheck",
                   KORVAN_MARK("LessonCheck",
                               "Файл — текст в UTF-8 с меткой порядка байтов: тренажёр читает "
                               "Windows-1251 и не примет урок в таком виде. Преобразуйте его "
                               "командой\n  korvan-lesson import \"%1\" \"%2\"\nили откройте "
                               "его в тренажёре, который предложит преобразование.\n"),
                   paths);
    else
        out << Say(language, "LessonCheck",
                   KORVAN_MARK("LessonCheck",
                               "Файл — текст в UTF-8: тренажёр читает Windows-1251 и не примет "
                               "урок в таком виде. Преобразуйте его командой\n  korvan-lesson "
                               "import \"%1\" \"%2\"\nили откройте его в тренажёре, который "
                               "предложит преобразование.\n"),
                   paths);
    const TLessonConversion conversion =
        ConvertUtf8Lesson(ReadWholeFile(path, std::size_t(512) << 20), TUnfitChoice::Stop);
    for (const TUnfitText& u : conversion.Unfit)
        out << "  "
            << (language == TUiLanguage::Russian ? DescribeUnfitRussian(u) : DescribeUnfit(u))
            << "\n";
    if (!conversion.Unfit.empty())
        out << Say(language, "LessonCheck",
                   KORVAN_MARK("LessonCheck",
                               "Знаки, которых нет в Windows-1251, останавливают преобразование: "
                               "измените их или добавьте --replace-unfit, чтобы их заменить.\n"));
}

} // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             TUiLanguage language)
{
    const auto say = [language](const char* source, const std::vector<std::string>& args = {}) {
        return Say(language, "LessonCheck", source, args);
    };
    if (args.size() != 1) {
        err << say(
            KORVAN_MARK("LessonCheck", "korvan-lesson check: укажите ровно один файл урока\n"));
        return 2;
    }
    const std::string& path = args[0];
    TLesson lesson;
    TLessonReadNotes notes;
    bool isLesson = false;
    try {
        isLesson = lesson.LoadFromFile(path, &notes);
    } catch (const TIoError& e) {
        err << "korvan-lesson check: " << e.what() << "\n";
        return 1;
    }
    const bool utf8 = FileLooksLikeUtf8(path);

    out << say(KORVAN_MARK("LessonCheck", "Файл урока: %1\n"), {path});
    if (IsUtf8LessonFile(path))
        ReportUtf8Lesson(path, notes.Utf8Bom, out, language);
    else if (notes.Utf8Bom)
        out << say(KORVAN_MARK("LessonCheck", "Файл начинается с метки порядка байтов UTF-8. "
                                              "Сохраните его как текст Windows-1251 (кириллица, "
                                              "\"ANSI\") без неё.\n"));
    else if (utf8)
        out << say(KORVAN_MARK("LessonCheck", "Файл — текст в UTF-8: тренажёр читает "
                                              "Windows-1251, и русские буквы превратятся в мусор. "
                                              "Сохраните его как текст Windows-1251 "
                                              "(кириллица).\n"));
    if (!isLesson) {
        out << say(KORVAN_MARK("LessonCheck", "Это не урок: первая строка должна быть в точности "
                                              "\"%1\".\nИтог: урок непригоден.\n"),
                   {std::string(LessonMagicLine)});
        return 1;
    }
    out << say(KORVAN_MARK("LessonCheck", "Заголовок: %1\n"),
               {lesson.Title.empty() ? say(KORVAN_MARK("LessonCheck", "(нет)"))
                                     : Cp1251ToUtf8(lesson.Title)});
    out << (lesson.Words ? say(KORVAN_MARK("LessonCheck", "Вид: урок слов (строка комментария — "
                                                          "транскрипция)\n"))
                         : say(KORVAN_MARK("LessonCheck", "Вид: обычный урок\n")));
    if (!notes.HeaderFound)
        out << say(KORVAN_MARK("LessonCheck", "Нет строки \"<header>\", поэтому тренажёр не "
                                              "находит вопросов.\n"));
    else if (!notes.BodyFound)
        out << say(KORVAN_MARK("LessonCheck", "Нет строки \"<body>\" после \"<header>\", поэтому "
                                              "тренажёр не находит вопросов.\n"));
    for (const std::string& key : notes.UnknownHeaderEntries)
        out << say(KORVAN_MARK("LessonCheck", "Запись заголовка \"%1\" ничего не говорит "
                                              "тренажёру (в ключах важен регистр: Title, Words, "
                                              "HasRuAudio, HasEnAudio).\n"),
                   {Cp1251ToUtf8(key)});
    if (notes.StoppedAtCtrlZ)
        out << say(KORVAN_MARK("LessonCheck", "Знак Ctrl-Z обрывает файл раньше времени: всё, что "
                                              "после него, не читается.\n"));
    out << say(KORVAN_MARK("LessonCheck", "Вопросов: %1\n"),
               {std::to_string(lesson.Questions.size())});
    ReportDroppedLines(lesson, notes, out, language);
    ReportEmptyTexts(lesson, out, language);
    ReportRepeatedNumbers(lesson, out, language);
    if (lesson.HasRuAudio)
        ReportMissingSounds(lesson, TLanguage::Russian, out, language);
    if (lesson.HasEnAudio)
        ReportMissingSounds(lesson, TLanguage::English, out, language);

    const bool usable = lesson.Loaded && !notes.Utf8Bom && !utf8;
    out << (usable ? say(KORVAN_MARK("LessonCheck", "Итог: урок пригоден.\n"))
                   : say(KORVAN_MARK("LessonCheck", "Итог: урок непригоден.\n")));
    return usable ? 0 : 1;
}

} // namespace korvan

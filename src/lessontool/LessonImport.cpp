#include "lessontool/LessonImport.h"

#include <charconv>
#include <ostream>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "import/ImportSource.h"
#include "import/ImportWrite.h"
#include "import/SourceText.h"
#include "import/Utf8Lesson.h"
#include "util/AtomicFile.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

std::string ImportUsage(TUiLanguage language)
{
    return Say(language, "LessonImport",
               KORVAN_MARK(
                   "LessonImport",
                   "  korvan-lesson import ИСТОЧНИК УРОК.sl2 [параметры]\n"
                   "      урок из таблицы (CSV или TSV), выгрузки Tatoeba, пакета Anki или\n"
                   "      урока в UTF-8; вид источника узнаётся по содержимому. Параметры:\n"
                   "      --title T, --words, --ru-audio, --en-audio   заголовок урока\n"
                   "      --russian F, --english F, --comment F        какие поля брать (номер\n"
                   "                                                   от 1 или имя; 0: никакое)\n"
                   "      --deck D                                     только эта колода (номер\n"
                   "                                                   или имя)\n"
                   "      --renumber [--first-number N]                пронумеровать вопросы\n"
                   "                                                   заново\n"
                   "      --max-words N                                не брать предложения\n"
                   "                                                   длиннее\n"
                   "      --per-lesson N                               несколько уроков\n"
                   "                                                   УРОК-001.sl2, ...\n"
                   "      --skip-unfit | --replace-unfit               строки со знаками, которых\n"
                   "                                                   нет в Windows-1251:\n"
                   "                                                   пропустить или заменить\n"));
}

namespace {

// A wrong option: exit 2.
struct TUsageError
{
    std::string Text;
};

std::size_t Count(const std::string& option, const std::string& value, TUiLanguage language)
{
    std::size_t n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size())
        throw TUsageError{Say(language, "LessonImport",
                              KORVAN_MARK("LessonImport", "после %1 нужно целое число, а не «%2»"),
                              {option, value})};
    return n;
}

struct TRequest
{
    std::vector<std::string> Files;
    std::string Title;
    bool TitleGiven = false;
    bool Words = false, RuAudio = false, EnAudio = false, Renumber = false;
    std::string Russian, English, Comment, Deck;
    std::int32_t FirstNumber = 1;
    std::size_t MaxWords = 0, PerLesson = 0;
    TUnfitChoice Unfit = TUnfitChoice::Stop;
};

TRequest ParseArguments(const std::vector<std::string>& args, TUiLanguage language)
{
    TRequest r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw TUsageError{Say(language, "LessonImport",
                                      KORVAN_MARK("LessonImport", "после %1 нужно значение"), {a})};
            return args[++i];
        };
        if (a == "--title") {
            r.Title = value();
            r.TitleGiven = true;
        } else if (a == "--words")
            r.Words = true;
        else if (a == "--ru-audio")
            r.RuAudio = true;
        else if (a == "--en-audio")
            r.EnAudio = true;
        else if (a == "--russian")
            r.Russian = value();
        else if (a == "--english")
            r.English = value();
        else if (a == "--comment")
            r.Comment = value();
        else if (a == "--deck")
            r.Deck = value();
        else if (a == "--renumber")
            r.Renumber = true;
        else if (a == "--first-number") {
            const std::string& v = value();
            if (!ParseInt32(v, r.FirstNumber))
                throw TUsageError{
                    Say(language, "LessonImport",
                        KORVAN_MARK("LessonImport", "после --first-number нужно число, а не «%1»"),
                        {v})};
            r.Renumber = true;
        } else if (a == "--max-words")
            r.MaxWords = Count(a, value(), language);
        else if (a == "--per-lesson")
            r.PerLesson = Count(a, value(), language);
        else if (a == "--skip-unfit")
            r.Unfit = TUnfitChoice::Skip;
        else if (a == "--replace-unfit")
            r.Unfit = TUnfitChoice::Replace;
        else if (a.rfind("--", 0) != 0)
            r.Files.push_back(a);
        else
            throw TUsageError{Say(language, "LessonImport",
                                  KORVAN_MARK("LessonImport", "неизвестный параметр «%1»"), {a})};
    }
    if (r.Files.size() != 2)
        throw TUsageError{
            Say(language, "LessonImport",
                KORVAN_MARK("LessonImport", "укажите источник и урок, который записать"))};
    return r;
}

// A field given by number (from 1; 0 none) or by name, in one field set.
int FieldIn(const TFieldSet& set, const std::string& given, const char* option,
            TUiLanguage language)
{
    std::int32_t number = 0;
    if (ParseInt32(given, number)) {
        if (number < 0 || static_cast<std::size_t>(number) > set.Fields.size())
            throw TUsageError{Say(language, "LessonImport",
                                  KORVAN_MARK("LessonImport", "%1 %2: в источнике полей всего %3"),
                                  {option, given, std::to_string(set.Fields.size())})};
        return number - 1;
    }
    for (std::size_t f = 0; f < set.Fields.size(); ++f)
        if (set.Fields[f] == given)
            return static_cast<int>(f);
    return -2; // not in this field set
}

void ApplyField(TImportCollection& c, TImportOptions& o, const std::string& given,
                int TColumnChoice::*slot, int TColumnChoice::*sound, const char* option,
                TUiLanguage language)
{
    if (given.empty())
        return;
    bool found = false;
    for (std::size_t s = 0; s < c.FieldSets.size(); ++s) {
        const int f = FieldIn(c.FieldSets[s], given, option, language);
        if (f == -2)
            continue;
        found = true;
        o.Columns[s].*slot = f;
        if (sound != nullptr)
            o.Columns[s].*sound = f >= 0 && o.Columns[s].*sound < 0 ? f : o.Columns[s].*sound;
    }
    if (!found)
        throw TUsageError{Say(language, "LessonImport",
                              KORVAN_MARK("LessonImport", "%1 «%2»: поля с таким именем нет"),
                              {option, given})};
}

void ApplyDeck(const TImportCollection& c, TImportOptions& o, const std::string& given,
               TUiLanguage language)
{
    if (given.empty())
        return;
    for (std::size_t d = 0; d < c.Decks.size(); ++d)
        if (c.Decks[d] == given) {
            o.Deck = static_cast<int>(d);
            return;
        }
    std::int32_t number = 0;
    if (ParseInt32(given, number) && number >= 1 &&
        static_cast<std::size_t>(number) <= c.Decks.size()) {
        o.Deck = number - 1;
        return;
    }
    throw TUsageError{Say(language, "LessonImport",
                          KORVAN_MARK("LessonImport", "--deck «%1»: такой колоды в источнике нет"),
                          {given})};
}

// "Failed" in the lesson tool's words: the place, the reason, nothing written.
struct TFailure
{
    std::string Text;
};

void CheckTitle(const std::string& title, TUnfitChoice unfit, TUiLanguage language)
{
    if (title.find_first_of("\t\r\n") != std::string::npos)
        throw TFailure{
            Say(language, "LessonImport",
                KORVAN_MARK("LessonImport", "заголовок должен быть одной строкой без табуляций"))};
    if (unfit == TUnfitChoice::Replace)
        return;
    try {
        (void)ToCp1251(title);
    } catch (const TEncodingError& e) {
        throw TFailure{
            Say(language, "LessonImport",
                KORVAN_MARK("LessonImport",
                            "позиция %1 заголовка: в заголовке знак, которого нет в Windows-1251"),
                {std::to_string(e.Offset + 1)})};
    }
}

// The unfit texts, one a line, each after a line break and an indent; the
// import gives them in both languages.
std::string UnfitLines(const std::vector<TUnfitText>& unfit, TUiLanguage language)
{
    std::string lines;
    for (const TUnfitText& u : unfit)
        lines += "\n  " +
                 (language == TUiLanguage::Russian ? DescribeUnfitRussian(u) : DescribeUnfit(u));
    return lines;
}

int ConvertLesson(const TRequest& r, std::string_view bytes, std::ostream& out,
                  TUiLanguage language)
{
    const TLessonConversion conversion = ConvertUtf8Lesson(bytes, r.Unfit);
    if (!conversion.Unfit.empty())
        throw TFailure{
            Say(language, "LessonImport",
                KORVAN_MARK("LessonImport", "в уроке UTF-8 есть знаки, которых нет в "
                                            "Windows-1251:%1\n(--replace-unfit заменяет их)"),
                {UnfitLines(conversion.Unfit, language)})};
    WriteFileAtomically(r.Files[1], conversion.Cp1251);
    out << Say(language, "LessonImport",
               KORVAN_MARK("LessonImport", "Урок UTF-8 преобразован в Windows-1251: %1\n"),
               {r.Files[1]});
    if (conversion.Replaced > 0)
        out << Say(language, "LessonImport",
                   KORVAN_MARK("LessonImport",
                               "Знаки, которых нет в Windows-1251, заменены в строках: %1.\n"),
                   {std::to_string(conversion.Replaced)});
    return 0;
}

void PrintSummary(const TImportSummary& summary, const TLessonWriter& writer, std::ostream& out,
                  TUiLanguage language)
{
    const std::vector<std::string>& paths = writer.LessonPaths();
    const std::string taken = std::to_string(summary.Taken);
    if (paths.size() > 1)
        out << Say(language, "LessonImport",
                   KORVAN_MARK("LessonImport", "Вопросов записано: %1, в %2 ... %3 (уроков: %4)\n"),
                   {taken, paths.front(), paths.back(), std::to_string(paths.size())});
    else
        out << Say(language, "LessonImport",
                   KORVAN_MARK("LessonImport", "Вопросов записано: %1, в %2\n"),
                   {taken, paths.front()});
    for (const TSkipCount& skip : summary.Skipped)
        if (skip.Count > 0)
            out << Say(language, "LessonImport", KORVAN_MARK("LessonImport", "Пропущено %1 %2.\n"),
                       {std::to_string(skip.Count),
                        language == TUiLanguage::Russian ? skip.RussianReason : skip.Reason});
    if (writer.MissingMedia() > 0)
        out << Say(
            language, "LessonImport",
            KORVAN_MARK("LessonImport",
                        "Записей, которых нет в источнике: %1; у этих предложений их не будет.\n"),
            {std::to_string(writer.MissingMedia())});
}

int Import(const TRequest& r, std::ostream& out, TUiLanguage language)
{
    const std::string& source = r.Files[0];
    if (IsUtf8LessonFile(source))
        return ConvertLesson(r, ReadWholeFile(source, std::size_t(512) << 20), out, language);

    TImportCollection collection = ReadImportSource(source);
    TImportOptions options = ProposeOptions(collection);
    if (r.TitleGiven) {
        CheckTitle(r.Title, r.Unfit, language);
        options.Title = r.Title;
    }
    options.Words = options.Words || r.Words;
    options.KeepNumbers = !r.Renumber;
    options.FirstNumber = r.FirstNumber;
    options.MaxWords = r.MaxWords;
    options.PerLesson = r.PerLesson;
    options.Unfit = r.Unfit;
    ApplyField(collection, options, r.Russian, &TColumnChoice::Russian,
               &TColumnChoice::RussianSound, "--russian", language);
    ApplyField(collection, options, r.English, &TColumnChoice::English,
               &TColumnChoice::EnglishSound, "--english", language);
    ApplyField(collection, options, r.Comment, &TColumnChoice::Comment, nullptr, "--comment",
               language);
    ApplyDeck(collection, options, r.Deck, language);

    TLessonWriter writer(r.Files[1], collection.Media.get());
    const TImportSummary summary = BuildLessons(collection, options, [&](TBuiltLesson& lesson) {
        lesson.Lesson.HasRuAudio = lesson.Lesson.HasRuAudio || r.RuAudio;
        lesson.Lesson.HasEnAudio = lesson.Lesson.HasEnAudio || r.EnAudio;
        writer(lesson);
    });
    if (!summary.Unfit.empty())
        throw TFailure{
            Say(language, "LessonImport",
                KORVAN_MARK("LessonImport",
                            "знаки, которых нет в Windows-1251, в строках: %1:%2\n(--skip-unfit "
                            "пропускает такие строки, --replace-unfit заменяет знаки)"),
                {std::to_string(summary.UnfitRows), UnfitLines(summary.Unfit, language)})};
    if (summary.Taken == 0)
        throw TFailure{Say(language, "LessonImport",
                           KORVAN_MARK("LessonImport", "в источнике (%1) нет вопросов"),
                           {collection.Format})};
    writer.Commit();
    PrintSummary(summary, writer, out, language);
    return 0;
}

} // namespace

int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              TUiLanguage language)
{
    TRequest request;
    try {
        request = ParseArguments(args, language);
    } catch (const TUsageError& e) {
        err << "korvan-lesson import: " << e.Text << "\n";
        return 2;
    }
    const std::string& source = request.Files[0];
    try {
        return Import(request, out, language);
    } catch (const TUsageError& e) {
        err << "korvan-lesson import: " << e.Text << "\n";
        return 2;
    } catch (const TFailure& e) {
        err << Say(
            language, "LessonImport",
            KORVAN_MARK("LessonImport", "korvan-lesson import: %1: %2. Ничего не записано.\n"),
            {source, e.Text});
    } catch (const TImportError& e) {
        err << Say(
            language, "LessonImport",
            KORVAN_MARK("LessonImport", "korvan-lesson import: %1: %2. Ничего не записано.\n"),
            {source, language == TUiLanguage::Russian ? e.Russian : std::string(e.what())});
    } catch (const TIoError& e) {
        err << Say(language, "LessonImport",
                   KORVAN_MARK("LessonImport", "korvan-lesson import: %1. Ничего не записано.\n"),
                   {e.what()});
    }
    return 1;
}

} // namespace korvan

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

std::size_t Count(const std::string& option, const std::string& value)
{
    std::size_t n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size())
        throw TUsageError{option + " needs a whole number, not \"" + value + "\""};
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

TRequest ParseArguments(const std::vector<std::string>& args)
{
    TRequest r;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw TUsageError{a + " needs a value"};
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
                throw TUsageError{"--first-number needs a number, not \"" + v + "\""};
            r.Renumber = true;
        } else if (a == "--max-words")
            r.MaxWords = Count(a, value());
        else if (a == "--per-lesson")
            r.PerLesson = Count(a, value());
        else if (a == "--skip-unfit")
            r.Unfit = TUnfitChoice::Skip;
        else if (a == "--replace-unfit")
            r.Unfit = TUnfitChoice::Replace;
        else if (a.rfind("--", 0) != 0)
            r.Files.push_back(a);
        else
            throw TUsageError{"unknown option \"" + a + "\""};
    }
    if (r.Files.size() != 2)
        throw TUsageError{"give the source and the lesson to write"};
    return r;
}

// A field given by number (from 1; 0 none) or by name, in one field set.
int FieldIn(const TFieldSet& set, const std::string& given, const char* option)
{
    std::int32_t number = 0;
    if (ParseInt32(given, number)) {
        if (number < 0 || static_cast<std::size_t>(number) > set.Fields.size())
            throw TUsageError{std::string(option) + " " + given + ": the source has " +
                              std::to_string(set.Fields.size()) + " fields"};
        return number - 1;
    }
    for (std::size_t f = 0; f < set.Fields.size(); ++f)
        if (set.Fields[f] == given)
            return static_cast<int>(f);
    return -2; // not in this field set
}

void ApplyField(TImportCollection& c, TImportOptions& o, const std::string& given,
                int TColumnChoice::*slot, int TColumnChoice::*sound, const char* option)
{
    if (given.empty())
        return;
    bool found = false;
    for (std::size_t s = 0; s < c.FieldSets.size(); ++s) {
        const int f = FieldIn(c.FieldSets[s], given, option);
        if (f == -2)
            continue;
        found = true;
        o.Columns[s].*slot = f;
        if (sound != nullptr)
            o.Columns[s].*sound = f >= 0 && o.Columns[s].*sound < 0 ? f : o.Columns[s].*sound;
    }
    if (!found)
        throw TUsageError{std::string(option) + " \"" + given + "\": no field of that name"};
}

void ApplyDeck(const TImportCollection& c, TImportOptions& o, const std::string& given)
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
    throw TUsageError{"--deck \"" + given + "\": the source has no such deck"};
}

// "Failed" in the lesson tool's words: the place, the reason, nothing written.
struct TFailure
{
    std::string Text;
};

void CheckTitle(const std::string& title, TUnfitChoice unfit)
{
    if (title.find_first_of("\t\r\n") != std::string::npos)
        throw TFailure{"the title must be one line without tabs"};
    if (unfit == TUnfitChoice::Replace)
        return;
    try {
        (void)ToCp1251(title);
    } catch (const TEncodingError& e) {
        throw TFailure{"title column " + std::to_string(e.Offset + 1) +
                       ": the title holds a character Windows-1251 cannot hold"};
    }
}

int ConvertLesson(const TRequest& r, std::string_view bytes, std::ostream& out)
{
    const TLessonConversion conversion = ConvertUtf8Lesson(bytes, r.Unfit);
    if (!conversion.Unfit.empty()) {
        std::string text = "the UTF-8 lesson holds characters Windows-1251 cannot hold:";
        for (const TUnfitText& u : conversion.Unfit)
            text += "\n  " + DescribeUnfit(u);
        throw TFailure{text + "\n(--replace-unfit replaces them)"};
    }
    WriteFileAtomically(r.Files[1], conversion.Cp1251);
    out << "Converted the UTF-8 lesson to Windows-1251: " << r.Files[1] << "\n";
    if (conversion.Replaced > 0)
        out << "Characters Windows-1251 cannot hold were replaced on " << conversion.Replaced
            << " lines.\n";
    return 0;
}

void PrintSummary(const TImportSummary& summary, const TLessonWriter& writer, std::ostream& out)
{
    const std::vector<std::string>& paths = writer.LessonPaths();
    out << "Wrote " << summary.Taken << " questions to " << paths.front();
    if (paths.size() > 1)
        out << " ... " << paths.back() << " (" << paths.size() << " lessons)";
    out << "\n";
    for (const TSkipCount& skip : summary.Skipped)
        if (skip.Count > 0)
            out << "Skipped " << skip.Count << " " << skip.Reason << ".\n";
    if (writer.MissingMedia() > 0)
        out << writer.MissingMedia()
            << " recordings are missing from the source; those sentences have none.\n";
}

int Import(const TRequest& r, std::ostream& out)
{
    const std::string& source = r.Files[0];
    if (IsUtf8LessonFile(source))
        return ConvertLesson(r, ReadWholeFile(source, std::size_t(512) << 20), out);

    TImportCollection collection = ReadImportSource(source);
    TImportOptions options = ProposeOptions(collection);
    if (r.TitleGiven) {
        CheckTitle(r.Title, r.Unfit);
        options.Title = r.Title;
    }
    options.Words = options.Words || r.Words;
    options.KeepNumbers = !r.Renumber;
    options.FirstNumber = r.FirstNumber;
    options.MaxWords = r.MaxWords;
    options.PerLesson = r.PerLesson;
    options.Unfit = r.Unfit;
    ApplyField(collection, options, r.Russian, &TColumnChoice::Russian,
               &TColumnChoice::RussianSound, "--russian");
    ApplyField(collection, options, r.English, &TColumnChoice::English,
               &TColumnChoice::EnglishSound, "--english");
    ApplyField(collection, options, r.Comment, &TColumnChoice::Comment, nullptr, "--comment");
    ApplyDeck(collection, options, r.Deck);

    TLessonWriter writer(r.Files[1], collection.Media.get());
    const TImportSummary summary = BuildLessons(collection, options, [&](TBuiltLesson& lesson) {
        lesson.Lesson.HasRuAudio = lesson.Lesson.HasRuAudio || r.RuAudio;
        lesson.Lesson.HasEnAudio = lesson.Lesson.HasEnAudio || r.EnAudio;
        writer(lesson);
    });
    if (!summary.Unfit.empty()) {
        std::string text = "characters Windows-1251 cannot hold, in " +
                           std::to_string(summary.UnfitRows) + " rows:";
        for (const TUnfitText& u : summary.Unfit)
            text += "\n  " + DescribeUnfit(u);
        throw TFailure{text + "\n(--skip-unfit leaves such rows out, --replace-unfit replaces "
                              "the characters)"};
    }
    if (summary.Taken == 0)
        throw TFailure{"the " + collection.Format + " holds no questions"};
    writer.Commit();
    PrintSummary(summary, writer, out);
    return 0;
}

} // namespace

int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TRequest request;
    try {
        request = ParseArguments(args);
    } catch (const TUsageError& e) {
        err << "korvan-lesson import: " << e.Text << "\n";
        return 2;
    }
    const std::string& source = request.Files[0];
    try {
        return Import(request, out);
    } catch (const TUsageError& e) {
        err << "korvan-lesson import: " << e.Text << "\n";
        return 2;
    } catch (const TFailure& e) {
        err << "korvan-lesson import: " << source << ": " << e.Text << ". Nothing was written.\n";
    } catch (const TImportError& e) {
        err << "korvan-lesson import: " << source << ": " << e.what() << ". Nothing was written.\n";
    } catch (const TIoError& e) {
        err << "korvan-lesson import: " << e.what() << ". Nothing was written.\n";
    }
    return 1;
}

} // namespace korvan

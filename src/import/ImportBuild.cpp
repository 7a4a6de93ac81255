#include "import/ImportBuild.h"

#include <algorithm>

#include "i18n/Marked.h"
#include "lesson/LessonSounds.h"
#include "timing/TimeCalculator.h"
#include "util/Errors.h"
#include "util/Text.h"
#include "util/Utf8.h"

namespace korvan {

namespace {

constexpr std::size_t ListedUnfit = 100;
constexpr std::size_t SampledRecords = 2000;

enum class TRole
{
    None,
    Russian,
    English,
    Comment
};

// A words lesson keeps the transcription where others keep the comment.
bool IsTranscriptionName(std::string_view field)
{
    const std::string name = LowerLetters(TrimControls(field));
    return name == "transcription" || name == "транскрипция" || name == "ipa" ||
           name == "pronunciation" || name == "произношение";
}

TRole RoleByName(std::string_view field)
{
    const std::string name = LowerLetters(TrimControls(field));
    for (const char* n : {"russian", "русский", "ru", "rus", "по-русски", "русский текст"})
        if (name == n)
            return TRole::Russian;
    for (const char* n : {"english", "английский", "en", "eng", "по-английски", "английский текст"})
        if (name == n)
            return TRole::English;
    for (const char* n : {"comment", "комментарий", "примечание", "note", "notes"})
        if (name == n)
            return TRole::Comment;
    return IsTranscriptionName(name) ? TRole::Comment : TRole::None;
}

TColumnChoice ProposeFor(const TImportCollection& c, std::size_t set)
{
    const std::vector<std::string>& fields = c.FieldSets[set].Fields;
    const int count = static_cast<int>(fields.size());
    std::vector<TLetterCount> letters(fields.size());
    std::vector<std::size_t> sounds(fields.size()), filled(fields.size());
    std::size_t sampled = 0;
    for (const TImportRecord& r : c.Records) {
        if (r.FieldSet != set)
            continue;
        if (++sampled > SampledRecords)
            break;
        for (std::size_t f = 0; f < r.Cells.size() && f < fields.size(); ++f) {
            const TLetterCount l = CountLetters(r.Cells[f].Text);
            letters[f].Cyrillic += l.Cyrillic;
            letters[f].Latin += l.Latin;
            sounds[f] += r.Cells[f].Sounds.empty() ? 0 : 1;
            filled[f] += TrimControls(r.Cells[f].Text).empty() ? 0 : 1;
        }
    }

    TColumnChoice choice;
    auto taken = [&](int f) {
        return f == c.NumberField || f == choice.Russian || f == choice.English ||
               f == choice.Comment;
    };
    for (int f = 0; f < count; ++f) {
        const TRole role = f == c.NumberField ? TRole::None : RoleByName(fields[f]);
        int& slot = role == TRole::Russian   ? choice.Russian
                    : role == TRole::English ? choice.English
                                             : choice.Comment;
        if (role != TRole::None && slot < 0)
            slot = f;
    }
    // The layout the lesson tool always read: number, comment, Russian, English.
    if (c.NumberField == 0 && count >= 4 && choice.Russian < 0 && choice.English < 0 &&
        letters[3].Latin > letters[3].Cyrillic && letters[2].Cyrillic >= letters[2].Latin) {
        choice.Comment = 1;
        choice.Russian = 2;
        choice.English = 3;
    }
    // The leftmost field mostly in the script: a comment or a transcription
    // usually follows the sentence it belongs to.
    auto first = [&](bool cyrillic) {
        for (int f = 0; f < count; ++f) {
            const std::size_t mine = cyrillic ? letters[f].Cyrillic : letters[f].Latin;
            const std::size_t other = cyrillic ? letters[f].Latin : letters[f].Cyrillic;
            if (!taken(f) && mine > other)
                return f;
        }
        return -1;
    };
    if (choice.Russian < 0)
        choice.Russian = first(true);
    if (choice.English < 0)
        choice.English = first(false);
    // One text field left over is the comment.
    if (choice.Comment < 0) {
        int rest = -1, restCount = 0;
        for (int f = 0; f < count; ++f)
            if (!taken(f) && filled[f] > 0 && sounds[f] < filled[f]) {
                rest = f;
                ++restCount;
            }
        if (restCount == 1)
            choice.Comment = rest;
    }
    // A recording stands in the text's own field, or in a field of sounds only.
    auto soundField = [&](int text) {
        if (text >= 0 && sounds[text] > 0)
            return text;
        for (int f = 0; f < count; ++f)
            if (!taken(f) && sounds[f] > 0 && filled[f] == 0)
                return f;
        return -1;
    };
    choice.RussianSound = soundField(choice.Russian);
    choice.EnglishSound = soundField(choice.English);
    if (choice.EnglishSound >= 0 && choice.EnglishSound == choice.RussianSound &&
        choice.EnglishSound != choice.English)
        choice.EnglishSound = -1; // a field of sounds only: a Russian deck's recordings
    return choice;
}

// One cell as a lesson line, or where it cannot be one.
struct TLineText
{
    std::string Cp1251;
    bool Unfit = false;
    TUnfitText Where;
};

TLineText ToLessonLine(const TImportCell& cell, TUnfitChoice mode)
{
    // Line breaks and tabs of a multi-line cell become blanks: a lesson line
    // holds one line. Other control characters have no place in a lesson.
    std::string text = cell.Text;
    TLineText line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '\t' || b == '\n' || b == '\r')
            text[i] = ' ';
        else if (b < 32 || b == 127) {
            if (mode != TUnfitChoice::Replace) {
                line.Unfit = true;
                line.Where.Column = i;
                return line;
            }
            text[i] = ' ';
        }
    }
    if (mode == TUnfitChoice::Replace) {
        line.Cp1251 = std::string(TrimControls(ToCp1251Replacing(text)));
        return line;
    }
    try {
        line.Cp1251 = std::string(TrimControls(ToCp1251(text)));
    } catch (const TEncodingError& e) {
        line.Unfit = true;
        line.Where.Column = e.Offset;
        line.Where.Character = std::string(CharacterAt(text, e.Offset));
    }
    return line;
}

std::string PlaceText(const TImportCollection& c, const TImportRecord& r, bool russian)
{
    if (russian)
        return (c.PlacesAreLines ? KORVAN_RUSSIAN("строка ") : KORVAN_RUSSIAN("запись ")) +
               std::to_string(r.Place);
    return (c.PlacesAreLines ? "line " : "record ") + std::to_string(r.Place);
}

// The extension of a media name the trainer plays, in capitals; empty else.
std::string PlayableExtension(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    const std::string ext = LowerLetters(name.substr(dot + 1));
    return ext == "mp3" ? "MP3" : ext == "wav" ? "WAV" : "";
}

// A line of the lesson's comments: "# " keeps it from ever reading "<header>".
std::string CommentLine(std::string utf8)
{
    for (char& c : utf8)
        if (static_cast<unsigned char>(c) < 32)
            c = ' ';
    return "# " + ToCp1251Replacing(utf8);
}

class TBuilder
{
public:
    TBuilder(const TImportCollection& c, const TImportOptions& o,
             const std::function<void(TBuiltLesson&)>& take)
        : C(c), O(o), Take(take)
    {
        Summary.Skipped = c.Skipped;
        Number = o.FirstNumber;
    }

    TImportSummary Run()
    {
        for (const TImportRecord& r : C.Records)
            Add(r);
        Flush();
        return std::move(Summary);
    }

private:
    void Skip(const char* reason, const char* russian)
    {
        for (TSkipCount& s : Summary.Skipped)
            if (s.Reason == reason) {
                ++s.Count;
                return;
            }
        Summary.Skipped.push_back({reason, russian, 1});
    }

    void Add(const TImportRecord& r)
    {
        if (O.Deck >= 0 && r.Deck != O.Deck) {
            Skip("in other decks", KORVAN_RUSSIAN("в других колодах"));
            return;
        }
        if (r.FieldSet >= O.Columns.size())
            return;
        const TColumnChoice& choice = O.Columns[r.FieldSet];
        const std::vector<std::string>& fields = C.FieldSets[r.FieldSet].Fields;
        auto cell = [&](int f) -> const TImportCell* {
            return f >= 0 && static_cast<std::size_t>(f) < r.Cells.size() ? &r.Cells[f] : nullptr;
        };
        TQuestion q;
        std::string* targets[] = {&q.RText, &q.EText, &q.Comment};
        const int sources[] = {choice.Russian, choice.English, choice.Comment};
        bool unfit = false;
        for (int k = 0; k < 3; ++k) {
            const TImportCell* from = cell(sources[k]);
            if (from == nullptr)
                continue;
            TLineText line = ToLessonLine(*from, O.Unfit);
            if (line.Unfit) {
                if (!unfit)
                    ++Summary.UnfitRows;
                unfit = true;
                const auto f = static_cast<std::size_t>(sources[k]);
                NoteUnfit(r, *from, f < fields.size() ? fields[f] : std::to_string(f + 1),
                          line.Where);
                continue;
            }
            *targets[k] = std::move(line.Cp1251);
        }
        if (unfit) {
            if (O.Unfit == TUnfitChoice::Skip)
                Skip("holding a character Windows-1251 cannot hold",
                     KORVAN_RUSSIAN("с символом, которого нет в Windows-1251"));
            return;
        }
        if (q.RText.empty() && q.EText.empty()) {
            Skip("without Russian and English text",
                 KORVAN_RUSSIAN("без русского и английского текста"));
            return;
        }
        if (O.MaxWords > 0 && static_cast<std::size_t>(
                                  std::max(WordCount(false, WordChars(), q.RText),
                                           WordCount(false, WordChars(), q.EText))) > O.MaxWords) {
            Skip("longer than the largest number of words",
                 KORVAN_RUSSIAN("длиннее заданного числа слов"));
            return;
        }
        if (!NumberFor(r, q.Number))
            return;
        if (Summary.UnfitRows > 0 && O.Unfit == TUnfitChoice::Stop)
            return; // only looking for more such rows: nothing will be written
        AddMedia(cell(choice.RussianSound), q.Number, TLanguage::Russian);
        AddMedia(cell(choice.EnglishSound), q.Number, TLanguage::English);
        if (!r.Note.empty())
            Current.Comments.push_back(CommentLine(std::to_string(q.Number) + ": " + r.Note));
        Current.Lesson.Questions.push_back(std::move(q));
        ++Summary.Taken;
        if (O.PerLesson > 0 && Current.Lesson.Questions.size() >= O.PerLesson)
            Flush();
    }

    bool NumberFor(const TImportRecord& r, std::int32_t& number)
    {
        if (O.KeepNumbers && C.NumberField >= 0 &&
            static_cast<std::size_t>(C.NumberField) < r.Cells.size()) {
            const TImportCell& cell = r.Cells[static_cast<std::size_t>(C.NumberField)];
            const std::string_view text = TrimControls(cell.Text);
            if (text.empty()) {
                number = Current.Lesson.QuestionCount() + 1; // as the trainer numbers an empty line
                return true;
            }
            if (!ParseInt32(text, number)) {
                const std::string column =
                    cell.Column > 0 ? ", column " + std::to_string(cell.Column) : "";
                const std::string columnRu =
                    cell.Column > 0 ? KORVAN_RUSSIAN(", позиция ") + std::to_string(cell.Column)
                                    : "";
                throw TImportError(PlaceText(C, r, false) + column + ": \"" + std::string(text) +
                                       "\" is not a question number",
                                   PlaceText(C, r, true) + columnRu + ": \"" + std::string(text) +
                                       KORVAN_RUSSIAN("\" не номер вопроса"));
            }
            return true;
        }
        number = Number++;
        return true;
    }

    void AddMedia(const TImportCell* cell, std::int32_t number, TLanguage language)
    {
        if (cell == nullptr || cell->Sounds.empty())
            return;
        const std::string& name = cell->Sounds.front();
        const std::string ext = PlayableExtension(name);
        if (ext.empty()) {
            Skip(
                "recordings the trainer cannot play (only MP3 and WAV)",
                KORVAN_RUSSIAN("записи в формате, который программа не играет (только MP3 и WAV)"));
            return;
        }
        std::string target = LessonSoundName(number, language);
        target.replace(target.size() - 3, 3, ext);
        Current.Media.push_back({name, target});
        (language == TLanguage::Russian ? Current.Lesson.HasRuAudio : Current.Lesson.HasEnAudio) =
            true;
    }

    void NoteUnfit(const TImportRecord& r, const TImportCell& cell, const std::string& field,
                   TUnfitText where)
    {
        if (O.Unfit != TUnfitChoice::Stop || Summary.Unfit.size() >= ListedUnfit)
            return;
        where.Place = PlaceText(C, r, false);
        where.PlaceRussian = PlaceText(C, r, true);
        where.Field = field;
        // The error's byte offset in the cell, as a column of its line.
        const std::size_t inCell = CharacterColumn(cell.Text, where.Column);
        where.InLine = cell.Column > 0;
        where.Column = where.InLine ? cell.Column + inCell - 1 : inCell;
        Summary.Unfit.push_back(std::move(where));
    }

    void Flush()
    {
        if (Current.Lesson.Questions.empty())
            return;
        ++Summary.Lessons;
        if (O.PerLesson > 0)
            Current.Part = Summary.Lessons;
        TLesson& l = Current.Lesson;
        l.Title = ToCp1251Replacing(O.Title);
        if (Current.Part > 0)
            l.Title += " (" + std::to_string(Current.Part) + ")";
        l.Title = std::string(TrimControls(l.Title));
        l.Words = O.Words;
        l.Loaded = true;
        std::vector<std::string> notes = std::move(Current.Comments);
        Current.Comments.clear();
        for (const std::string& line : C.Comments)
            Current.Comments.push_back(CommentLine(line));
        Current.Comments.insert(Current.Comments.end(), notes.begin(), notes.end());
        if (Summary.UnfitRows == 0 || O.Unfit != TUnfitChoice::Stop)
            Take(Current);
        Current = TBuiltLesson();
    }

    const TImportCollection& C;
    const TImportOptions& O;
    const std::function<void(TBuiltLesson&)>& Take;
    TImportSummary Summary;
    TBuiltLesson Current;
    std::int32_t Number = 1;
};

} // namespace

TLetterCount CountLetters(std::string_view utf8)
{
    TLetterCount count;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, pos);
        if (c >= 0x400 && c <= 0x4FF)
            ++count.Cyrillic;
        else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0x24F))
            ++count.Latin;
    }
    return count;
}

TImportOptions ProposeOptions(const TImportCollection& collection)
{
    TImportOptions options;
    for (std::size_t s = 0; s < collection.FieldSets.size(); ++s) {
        options.Columns.push_back(ProposeFor(collection, s));
        const int comment = options.Columns.back().Comment;
        if (comment >= 0 && IsTranscriptionName(collection.FieldSets[s].Fields[comment]))
            options.Words = true;
    }
    options.Title = collection.Title;
    return options;
}

std::string DescribeUnfit(const TUnfitText& u)
{
    std::string place = u.Place;
    if (u.InLine)
        place += ", column " + std::to_string(u.Column);
    else
        place += ", field \"" + u.Field + "\", character " + std::to_string(u.Column);
    if (u.Character.empty())
        return place + ": a control character cannot stand in a lesson line";
    return place + ": this character cannot be written in Windows-1251: " + u.Character;
}

std::string DescribeUnfitRussian(const TUnfitText& u)
{
    std::string place = u.PlaceRussian;
    if (u.InLine)
        place += KORVAN_RUSSIAN(", позиция ") + std::to_string(u.Column);
    else
        place += KORVAN_RUSSIAN(", поле \"") + u.Field + KORVAN_RUSSIAN("\", символ ") +
                 std::to_string(u.Column);
    if (u.Character.empty())
        return place + KORVAN_RUSSIAN(": управляющий символ не может стоять в строке урока");
    return place + KORVAN_RUSSIAN(": символа нет в кодировке Windows-1251: ") + u.Character;
}

TImportSummary BuildLessons(const TImportCollection& collection, const TImportOptions& options,
                            const std::function<void(TBuiltLesson&)>& take)
{
    return TBuilder(collection, options, take).Run();
}

} // namespace korvan

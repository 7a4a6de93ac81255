#include "import/TatoebaReader.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <functional>
#include <unordered_set>

#include "i18n/Marked.h"
#include "import/SourceText.h"
#include "util/Errors.h"
#include "util/LineReader.h"
#include "util/Text.h"

namespace korvan {

namespace {

using TLines = std::function<bool(std::string_view&)>;

// Lines of text in memory, as TLineReader gives them from a file.
TLines LinesOf(std::string_view text)
{
    return [text](std::string_view& line) mutable {
        if (text.empty())
            return false;
        const std::size_t end = text.find('\n');
        line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    };
}

TLines LinesOfFile(TLineReader& reader)
{
    return [&reader](std::string_view& line) { return reader.ReadLine(line); };
}

// The fields of one line split at tabs; false when there are not `count`.
template <std::size_t N>
bool SplitFields(std::string_view line, std::array<std::string_view, N>& fields, bool exact)
{
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t tab = line.find('\t');
        if (i + 1 == N) {
            if (exact && tab != std::string_view::npos)
                return false;
            fields[i] = line.substr(0, tab);
            return true;
        }
        if (tab == std::string_view::npos)
            return false;
        fields[i] = line.substr(0, tab);
        line.remove_prefix(tab + 1);
    }
    return true;
}

bool ParseId(std::string_view text, std::uint32_t& id)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

const std::string Licence =
    "Sentences from Tatoeba (https://tatoeba.org), licensed CC BY 2.0 FR; each question's "
    "line below gives the ids of its sentence and translation.";

TImportCollection NewCollection(const char* format)
{
    TImportCollection c;
    c.Format = format;
    c.FieldSets.push_back({"", {"Sentence", "Translation"}});
    c.Comments.push_back(Licence);
    return c;
}

std::string IdsNote(std::uint32_t sentence, std::uint32_t translation)
{
    return "Tatoeba " + std::to_string(sentence) + " " + std::to_string(translation);
}

void AddPair(TImportCollection& c, std::string first, std::string second, std::size_t place,
             std::string note)
{
    TImportRecord record;
    record.Place = place;
    record.Cells.resize(2);
    record.Cells[0].Text = std::move(first);
    record.Cells[1].Text = std::move(second);
    record.Note = std::move(note);
    c.Records.push_back(std::move(record));
}

void SkipRepeated(TImportCollection& c, std::size_t count)
{
    if (count > 0)
        c.Skip("further translations of a sentence already taken",
               KORVAN_RUSSIAN("другие переводы уже взятого предложения"), count);
}

void SkipBadLines(TImportCollection& c, std::size_t count)
{
    if (count > 0)
        c.Skip("lines that are not in the Tatoeba layout",
               KORVAN_RUSSIAN("строки не в формате Tatoeba"), count);
}

TImportCollection ReadPairs(const TLines& next)
{
    TImportCollection c = NewCollection("Tatoeba sentence pairs");
    std::size_t repeated = 0, bad = 0, place = 0;
    std::unordered_set<std::uint32_t> seen;
    std::string_view line;
    while (next(line)) {
        ++place;
        if (place == 1 && line.starts_with(Utf8Bom))
            line.remove_prefix(Utf8Bom.size());
        if (line.empty())
            continue;
        std::array<std::string_view, 4> f;
        std::uint32_t id = 0, translation = 0;
        if (!SplitFields(line, f, true) || !ParseId(f[0], id) || !ParseId(f[2], translation)) {
            ++bad;
            continue;
        }
        // The download lists a sentence once per translation.
        if (!seen.insert(id).second) {
            ++repeated;
            continue;
        }
        AddPair(c, std::string(f[1]), std::string(f[3]), place, IdsNote(id, translation));
    }
    SkipRepeated(c, repeated);
    SkipBadLines(c, bad);
    return c;
}

bool LooksLikePairLine(std::string_view line)
{
    std::array<std::string_view, 4> f;
    std::uint32_t a = 0, b = 0;
    return SplitFields(line, f, true) && ParseId(f[0], a) && ParseId(f[2], b);
}

bool LooksLikeSentenceLine(std::string_view line)
{
    std::array<std::string_view, 3> f;
    std::uint32_t id = 0;
    return SplitFields(line, f, false) && ParseId(f[0], id) &&
           (f[1] == "\\N" || (f[1].size() >= 2 && f[1].size() <= 4 &&
                              std::all_of(f[1].begin(), f[1].end(),
                                          [](char ch) { return ch >= 'a' && ch <= 'z'; })));
}

// The first complete line of the head (the head may end inside a line).
std::string_view FirstLine(std::string_view head)
{
    if (head.starts_with(Utf8Bom))
        head.remove_prefix(Utf8Bom.size());
    std::string_view line = head.substr(0, head.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// The lines of sentences.csv, from the start each time it is called: the file
// is read twice, once for the languages and once for the texts wanted, so a
// million sentences never sit in memory beside the records made of them.
using TLinesAgain = std::function<void(const std::function<void(std::string_view)>& line)>;

constexpr std::uint32_t NoUse = 0x7FFFFFFF;

// A Russian or English sentence of sentences.csv and the first cell its text
// goes into (record * 2 + cell).
struct TSentence
{
    std::uint32_t Id;
    std::uint32_t FirstUse : 31;
    std::uint32_t Russian : 1;
};

TImportCollection ReadExport(const TLinesAgain& sentences, const TLines& links, const TLines* audio)
{
    TImportCollection c = NewCollection("Tatoeba weekly export");
    std::vector<TSentence> kept;
    std::size_t bad = 0;
    sentences([&](std::string_view line) {
        std::array<std::string_view, 3> f;
        std::uint32_t id = 0;
        if (!SplitFields(line, f, false) || !ParseId(f[0], id)) {
            bad += line.empty() ? 0 : 1;
            return;
        }
        if (f[1] == "rus" || f[1] == "eng")
            kept.push_back({id, NoUse, f[1] == "rus" ? 1u : 0u});
    });
    auto byId = [](const TSentence& a, const TSentence& b) { return a.Id < b.Id; };
    if (!std::is_sorted(kept.begin(), kept.end(), byId))
        std::stable_sort(kept.begin(), kept.end(), byId);
    auto find = [&](std::uint32_t id) -> TSentence* {
        const auto it = std::lower_bound(kept.begin(), kept.end(), TSentence{id, NoUse, 0}, byId);
        return it != kept.end() && it->Id == id ? &*it : nullptr;
    };

    std::vector<std::uint32_t> audioIds;
    std::string_view line;
    if (audio != nullptr) {
        while ((*audio)(line)) {
            std::array<std::string_view, 2> f;
            std::uint32_t id = 0;
            if (SplitFields(line, f, false) && ParseId(f[0], id))
                audioIds.push_back(id);
        }
        std::sort(audioIds.begin(), audioIds.end());
    }
    auto hasAudio = [&audioIds](std::uint32_t id) {
        return std::binary_search(audioIds.begin(), audioIds.end(), id);
    };

    // The records, their texts still empty; each sentence chains the cells
    // that take its text.
    std::vector<std::uint32_t> nextUse;
    std::size_t repeated = 0, place = 0;
    auto use = [&](TSentence& sentence) {
        nextUse.push_back(sentence.FirstUse);
        sentence.FirstUse = static_cast<std::uint32_t>(nextUse.size() - 1);
    };
    while (links(line)) {
        ++place;
        std::array<std::string_view, 2> f;
        std::uint32_t from = 0, to = 0;
        if (!SplitFields(line, f, false) || !ParseId(f[0], from) ||
            !ParseId(TrimControls(f[1]), to)) {
            bad += line.empty() ? 0 : 1;
            continue;
        }
        TSentence* ru = find(from);
        TSentence* en = ru != nullptr && ru->Russian ? find(to) : nullptr;
        if (en == nullptr || en->Russian)
            continue;
        if (ru->FirstUse != NoUse) {
            ++repeated;
            continue;
        }
        if (nextUse.size() + 2 >= NoUse)
            break; // a billion pairs: more than any lesson needs
        std::string note = IdsNote(from, to);
        if (hasAudio(from))
            note += ", Russian audio";
        if (hasAudio(to))
            note += ", English audio";
        AddPair(c, {}, {}, place, std::move(note));
        use(*ru);
        use(*en);
    }

    sentences([&](std::string_view line) {
        std::array<std::string_view, 3> f;
        std::uint32_t id = 0;
        if (!SplitFields(line, f, false) || !ParseId(f[0], id))
            return;
        TSentence* sentence = find(id);
        if (sentence == nullptr || sentence->FirstUse == NoUse ||
            (f[1] == "rus") != (sentence->Russian == 1))
            return;
        const std::string text = UnescapeTatoeba(f[2]);
        for (std::uint32_t cell = sentence->FirstUse; cell != NoUse; cell = nextUse[cell])
            c.Records[cell / 2].Cells[cell % 2].Text = text;
        sentence->FirstUse = NoUse; // a repeated id takes the first text only
    });
    if (!audioIds.empty())
        c.Comments.push_back("Recordings of the sentences marked audio are at "
                             "https://tatoeba.org/audio/download/<audio id>, each under its own "
                             "licence (sentences_with_audio.csv).");
    SkipRepeated(c, repeated);
    SkipBadLines(c, bad);
    return c;
}

} // namespace

std::string UnescapeTatoeba(std::string_view field)
{
    if (field == "\\N")
        return {};
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c == '\\' && i + 1 < field.size()) {
            c = field[++i];
            c = c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c == '0' ? '\0' : c;
        }
        out += c;
    }
    return out;
}

bool RecognisesTatoebaPairs(const std::string&, std::string_view head)
{
    return LooksLikePairLine(FirstLine(head));
}

TImportCollection ReadTatoebaPairs(std::string_view text)
{
    return ReadPairs(LinesOf(text));
}

TImportCollection ReadTatoebaPairsFile(const std::string& path)
{
    TLineReader reader(path);
    TImportCollection c = ReadPairs(LinesOfFile(reader));
    c.Title = std::filesystem::path(path).stem().string();
    return c;
}

bool RecognisesTatoebaExport(const std::string& path, std::string_view head)
{
    const std::string name = std::filesystem::path(path).filename().string();
    if (name == "links.csv")
        return std::filesystem::exists(
            std::filesystem::path(path).replace_filename("sentences.csv"));
    return LooksLikeSentenceLine(FirstLine(head));
}

TImportCollection ReadTatoebaExport(std::string_view sentences, std::string_view links,
                                    std::string_view withAudio)
{
    const TLines audio = LinesOf(withAudio);
    const TLinesAgain lines = [&](const std::function<void(std::string_view)>& each) {
        const TLines next = LinesOf(sentences);
        std::string_view line;
        while (next(line))
            each(line);
    };
    return ReadExport(lines, LinesOf(links), &audio);
}

TImportCollection ReadTatoebaExportFiles(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path sentencesPath(path);
    if (sentencesPath.filename() == "links.csv")
        sentencesPath.replace_filename("sentences.csv");
    const fs::path linksPath = fs::path(sentencesPath).replace_filename("links.csv");
    if (!fs::exists(linksPath))
        throw TImportError(
            "links.csv, which pairs the sentences with their translations, is not "
            "beside " +
                sentencesPath.string(),
            KORVAN_RUSSIAN("рядом с ") + sentencesPath.string() +
                KORVAN_RUSSIAN(" нет файла links.csv, связывающего предложения с переводами"));
    const fs::path audioPath = fs::path(sentencesPath).replace_filename("sentences_with_audio.csv");
    const std::string sentencesFile = sentencesPath.string();
    const TLinesAgain sentences = [&](const std::function<void(std::string_view)>& each) {
        TLineReader reader(sentencesFile);
        std::string_view line;
        while (reader.ReadLine(line))
            each(line);
    };
    TLineReader links(linksPath.string());
    std::unique_ptr<TLineReader> audio;
    TLines audioLines;
    if (fs::exists(audioPath)) {
        audio = std::make_unique<TLineReader>(audioPath.string());
        audioLines = LinesOfFile(*audio);
    }
    TImportCollection c = ReadExport(sentences, LinesOfFile(links), audio ? &audioLines : nullptr);
    c.Title = "Tatoeba";
    return c;
}

} // namespace korvan

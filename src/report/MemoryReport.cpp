#include "report/MemoryReport.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "report/CsvReport.h"
#include "settings/MemorySettings.h"

namespace korvan {

namespace {

namespace fs = std::filesystem;

constexpr int RecallWindowDays = 30;

bool HoldsHistoryFiles(const fs::path& folder)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
         it.increment(error))
        if (it->path().extension() == ".jsonl")
            return true;
    return false;
}

std::string Slashed(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// Each sub-folder holding history files is a pupil's.
void AddPupilsOf(const fs::path& root, const TMemoryOptions& options,
                 std::vector<THistoryPlace>& places, std::set<std::string>& seen)
{
    std::error_code error;
    std::vector<fs::path> folders;
    for (fs::directory_iterator it(root, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        std::error_code ignored;
        if (it->is_directory(ignored) && HoldsHistoryFiles(it->path()))
            folders.push_back(it->path());
    }
    std::sort(folders.begin(), folders.end());
    for (const fs::path& folder : folders) {
        const std::string key = fs::weakly_canonical(folder, error).string();
        if (seen.insert(key).second)
            places.push_back({folder.filename().string(), Slashed(folder.string()), options});
    }
}

std::string Fixed(double value, int digits)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    return text;
}

} // namespace

std::vector<THistoryPlace> FindHistoryPlaces(const std::vector<std::string>& inputs,
                                             const std::vector<std::string>& logs)
{
    std::vector<THistoryPlace> places;
    std::set<std::string> seen;
    for (const std::string& log : logs) {
        // The trainer that wrote the log keeps its settings beside it.
        const fs::path folder = fs::path(log).parent_path();
        const std::string ini = (folder / "Korvan.ini").string();
        const TMemorySettings settings = LoadMemorySettings(ini);
        const TMemoryOptions options{settings.DesiredRetention, settings.DayStartsAt};
        AddPupilsOf(HistoryRoot(settings, Slashed(folder.string())), options, places, seen);
    }
    for (const std::string& input : inputs) {
        std::error_code error;
        if (!fs::is_directory(input, error))
            continue;
        if (HoldsHistoryFiles(input)) {
            const std::string key = fs::weakly_canonical(input, error).string();
            const fs::path path = fs::path(input).lexically_normal();
            const std::string name =
                (path.has_filename() ? path : path.parent_path()).filename().string();
            if (seen.insert(key).second)
                places.push_back({name, Slashed(input), {}});
        } else {
            AddPupilsOf(input, {}, places, seen);
        }
    }
    return places;
}

TPupilMemory SummarizeMemory(const THistoryPlace& place, TZonedTime at, bool rows)
{
    THistory history;
    history.ReadFolder(place.Folder);
    const TMemoryModel model(place.Options);
    const std::vector<TCardMemory> cards = model.Replay(history);
    const std::int64_t today = PupilDay(at, place.Options.DayStartsAt);

    TPupilMemory m;
    m.Pupil = place.Pupil;
    m.Folder = place.Folder;
    m.Cards = static_cast<int>(cards.size());
    m.UnreadableLines = history.UnreadableLines;
    for (const TCardMemory& card : cards) {
        if (card.DueDay <= today)
            ++m.Due;
        if (card.DueDay < today)
            ++m.Overdue;
        if (card.DueDay > today && card.DueDay <= today + 14)
            ++m.DueAhead[card.DueDay - today - 1];
        if (!rows)
            continue;
        const THistoryCard& c = history.Cards[card.Card];
        m.Rows.push_back({c.Key, c.Described ? std::string(DirectionName(c.Direction)) : "", c.Ru,
                          c.En, card.Reviews, card.Lapses, card.State.Stability,
                          card.State.Difficulty, FormatRfc3339(card.LastReview), card.IntervalDays,
                          FormatDay(card.DueDay), model.Retrievability(card, today)});
    }
    for (const THistoryReview& r : history.Reviews) {
        const THistoryCard& c = history.Cards[r.Card];
        const std::int64_t day = PupilDay({r.Utc, r.Offset}, place.Options.DayStartsAt);
        if (!r.Entered || !c.Described || day > today || day <= today - RecallWindowDays)
            continue;
        const int side = c.Direction == TCardDirection::RuEn ? 0 : 1;
        ++m.RecallReviews[side];
        m.Recalled[side] += r.Grade >= 2 ? 1 : 0;
    }
    return m;
}

std::string MemoryCsv(const std::vector<TPupilMemory>& memories)
{
    std::string csv = "pupil,card,direction,ru,en,reviews,lapses,stability,difficulty,"
                      "last_review,interval_days,due,retrievability\r\n";
    for (const TPupilMemory& m : memories)
        for (const TMemoryRow& r : m.Rows)
            csv += CsvField(m.Pupil) + ',' + CsvField(r.Card) + ',' + r.Direction + ',' +
                   CsvField(r.Ru) + ',' + CsvField(r.En) + ',' + std::to_string(r.Reviews) + ',' +
                   std::to_string(r.Lapses) + ',' + Fixed(r.Stability, 4) + ',' +
                   Fixed(r.Difficulty, 4) + ',' + r.LastReview + ',' +
                   std::to_string(r.IntervalDays) + ',' + r.Due + ',' + Fixed(r.Retrievability, 4) +
                   "\r\n";
    return csv;
}

std::string DueAheadChart(const TPupilMemory& memory, TUiLanguage language)
{
    constexpr double Width = 760, Height = 180, Left = 40, Top = 10, Bottom = 30;
    constexpr double PlotHeight = Height - Top - Bottom;
    constexpr double Slot = (Width - Left - 20) / 14;
    const int most =
        std::max(1, *std::max_element(std::begin(memory.DueAhead), std::end(memory.DueAhead)));
    std::string svg =
        "<svg class=\"due-chart\" viewBox=\"0 0 760 180\" role=\"img\" "
        "aria-label=\"" +
        Translate(language, "MemoryReport",
                  KORVAN_MARK("MemoryReport", "Карточек к повторению в ближайшие 14 дней"),
                  std::nullopt) +
        "\">";
    svg += "<line x1=\"" + Fixed(Left, 1) + "\" y1=\"" + Fixed(Top + PlotHeight, 1) + "\" x2=\"" +
           Fixed(Width - 20, 1) + "\" y2=\"" + Fixed(Top + PlotHeight, 1) + "\" stroke=\"#888\"/>";
    svg += "<text x=\"" + Fixed(Left - 6, 1) + "\" y=\"" + Fixed(Top + 10, 1) +
           "\" font-size=\"11\" text-anchor=\"end\">" + std::to_string(most) + "</text>";
    for (int day = 0; day < 14; ++day) {
        const int count = memory.DueAhead[day];
        const double h = PlotHeight * count / most;
        const double x = Left + Slot * day + Slot * 0.15;
        svg += "<rect x=\"" + Fixed(x, 1) + "\" y=\"" + Fixed(Top + PlotHeight - h, 1) +
               "\" width=\"" + Fixed(Slot * 0.7, 1) + "\" height=\"" + Fixed(h, 1) +
               "\" fill=\"#1a56db\"><title>" + std::to_string(count) + "</title></rect>";
        svg += "<text x=\"" + Fixed(x + Slot * 0.35, 1) + "\" y=\"" + Fixed(Height - 12, 1) +
               "\" font-size=\"11\" text-anchor=\"middle\">+" + std::to_string(day + 1) + "</text>";
    }
    return svg + "</svg>";
}

} // namespace korvan

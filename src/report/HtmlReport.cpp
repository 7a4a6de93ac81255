#include "report/HtmlReport.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "report/MemoryReport.h"
#include "report/ReportCharts.h"
#include "report/ReportText.h"

namespace korvan {

namespace {

constexpr const char* Style = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10pt; color: #222; margin: 16px; }
h1 { font-size: 18pt; margin: 0 0 4px; }
h2 { font-size: 14pt; margin: 18px 0 6px; border-bottom: 1px solid #999; }
h3 { font-size: 11pt; margin: 12px 0 4px; }
p.note { color: #555; margin: 2px 0; }
table { border-collapse: collapse; margin: 4px 0 8px; }
th, td { border: 1px solid #bbb; padding: 2px 6px; text-align: left; vertical-align: top; }
th { background: #eee; }
td.n { text-align: right; }
td.trend { white-space: nowrap; }
tr.unfinished td { color: #888; font-style: italic; }
svg.chart { width: 100%; max-width: 760px; height: auto; display: block; }
svg.chart text { font-size: 11px; fill: #333; }
svg.chart text.scale { text-anchor: end; }
svg.chart text.date-last { text-anchor: end; }
svg.chart text.empty { text-anchor: middle; fill: #777; }
@page { size: A4; margin: 14mm; }
@media print {
  body { margin: 0; font-size: 8pt; }
  th, td { padding: 1px 3px; }
  section.pupil, section.lessons { break-before: page; }
  tr, svg { break-inside: avoid; }
  a { color: inherit; text-decoration: none; }
}
)";

// A lesson is known by its file's name: the same lesson lies in a different
// folder on each pupil's machine.
std::string LessonName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Cell(const std::string& html, bool number = false)
{
    return number ? "<td class=\"n\">" + html + "</td>" : "<td>" + html + "</td>";
}

std::string CountCell(int value)
{
    return Cell(value < 0 ? std::string() : std::to_string(value), true);
}

std::string HeaderRow(TUiLanguage language, const std::vector<const char*>& names)
{
    std::string row = "<thead><tr>";
    for (const char* name : names)
        row += "<th>" + Say(language, "HtmlReport", name) + "</th>";
    return row + "</tr></thead>";
}

struct TPupilView
{
    int Pupil = 0;
    std::string Name; // HTML
    std::vector<const TRun*> Runs;
    std::vector<TChartPoint> Points; // finished runs with points, in log order
    int Finished = 0;
    std::int64_t Seconds = 0;
    const TPupilMemory* Memory = nullptr; // the pupil's history, when found
};

std::string Trend(const std::vector<TChartPoint>& points, TUiLanguage language)
{
    // The mean of the latest runs against the mean of as many runs before them.
    const std::size_t window = std::min<std::size_t>(5, points.size() / 2);
    if (window == 0)
        return "—";
    double latest = 0, before = 0;
    for (std::size_t i = 0; i < window; ++i) {
        latest += points[points.size() - 1 - i].Points;
        before += points[points.size() - 1 - window - i].Points;
    }
    const long change = std::lround((latest - before) / static_cast<double>(window));
    if (change > 0)
        return Say(language, "HtmlReport", KORVAN_MARK("HtmlReport", "рост +%1"),
                   {std::to_string(change)});
    if (change < 0)
        return Say(language, "HtmlReport", KORVAN_MARK("HtmlReport", "спад −%1"),
                   {std::to_string(-change)});
    return Say(language, "HtmlReport", KORVAN_MARK("HtmlReport", "без изменений"));
}

int BestPoints(const std::vector<TChartPoint>& points)
{
    int best = -1;
    for (const TChartPoint& p : points)
        best = std::max(best, p.Points);
    return best;
}

class THtmlWriter
{
public:
    THtmlWriter(const TReportData& data, TUiLanguage language) : Data(data), Language(language)
    {
        Collect();
    }

    std::string Page()
    {
        const std::string title =
            Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "Отчёт для учителя"));
        Out += std::string("<!DOCTYPE html>\n<html lang=\"") +
               (Language == TUiLanguage::English ? "en" : "ru") +
               "\"><head><meta charset=\"utf-8\"><title>" + title + "</title><style>";
        Out += Style;
        Out += "</style></head><body>\n<h1>" + title + "</h1>\n";
        Summary();
        Overview();
        for (const TPupilView& pupil : Pupils)
            PupilSection(pupil);
        LessonsSection();
        Out += "</body></html>\n";
        return std::move(Out);
    }

private:
    void Collect()
    {
        std::vector<int> slot(static_cast<std::size_t>(Data.Pupils.Count()), -1);
        for (const TRun& run : Data.Runs) {
            int& index = slot[static_cast<std::size_t>(run.Pupil)];
            if (index < 0) {
                index = static_cast<int>(Pupils.size());
                Pupils.push_back({run.Pupil, PupilName(run.Pupil), {}, {}, 0, 0, nullptr});
            }
            TPupilView& pupil = Pupils[static_cast<std::size_t>(index)];
            pupil.Runs.push_back(&run);
            if (run.Finished) {
                ++pupil.Finished;
                pupil.Seconds += run.Seconds();
                if (run.Points >= 0)
                    pupil.Points.push_back({run.Started, std::clamp(run.Points, 0, 100)});
            }
        }
        // Alphabetical; the runs without a pupil last.
        std::stable_sort(Pupils.begin(), Pupils.end(),
                         [this](const TPupilView& a, const TPupilView& b) {
                             const std::string& x = Data.Pupils.Name(a.Pupil);
                             const std::string& y = Data.Pupils.Name(b.Pupil);
                             return x.empty() != y.empty() ? y.empty() : x < y;
                         });
        for (TPupilView& pupil : Pupils)
            std::stable_sort(
                pupil.Points.begin(), pupil.Points.end(),
                [](const TChartPoint& a, const TChartPoint& b) { return a.When < b.When; });
        AttachMemories();
    }

    // A history whose pupil has no runs in these logs stands as a pupil of
    // its own.
    void AttachMemories()
    {
        for (const TPupilMemory& memory : Data.Memories) {
            auto it = std::find_if(Pupils.begin(), Pupils.end(), [&](const TPupilView& p) {
                return p.Memory == nullptr && !Data.Pupils.Name(p.Pupil).empty() &&
                       ReportUtf8(Data.Pupils.Name(p.Pupil)) == memory.Pupil;
            });
            if (it == Pupils.end()) {
                Pupils.push_back({-1, HtmlEscape(memory.Pupil), {}, {}, 0, 0, nullptr});
                it = Pupils.end() - 1;
            }
            it->Memory = &memory;
        }
    }

    std::string PupilName(int pupil) const
    {
        const std::string& name = Data.Pupils.Name(pupil);
        return name.empty()
                   ? Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "(ученик не выбран)"))
                   : HtmlEscape(ReportUtf8(name));
    }

    std::string LessonHtml(int lesson) const
    {
        const std::string name = LessonName(Data.Lessons.Name(lesson));
        return name.empty()
                   ? Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "(урок не открыт)"))
                   : HtmlEscape(ReportUtf8(name));
    }

    std::string Anchor(std::size_t index) const { return "pupil-" + std::to_string(index + 1); }

    void Summary()
    {
        int finished = 0;
        TStamp first = 0, last = 0;
        for (const TRun& run : Data.Runs) {
            finished += run.Finished ? 1 : 0;
            if (&run == &Data.Runs.front() || run.Started < first)
                first = run.Started;
            last = std::max(last, run.Started);
        }
        Out += "<p class=\"note\">" +
               Say(Language, "HtmlReport",
                   KORVAN_MARK("HtmlReport",
                               "Учеников: %1. Запусков: %2 (завершено %3, не завершено %4)."),
                   {std::to_string(Pupils.size()), std::to_string(Data.Runs.size()),
                    std::to_string(finished),
                    std::to_string(Data.Runs.size() - static_cast<std::size_t>(finished))});
        if (!Data.Runs.empty())
            Out += " " + Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "С %1 по %2."),
                             {ReportDate(first, Language), ReportDate(last, Language)});
        std::string logs;
        for (std::size_t i = 0; i < Data.Logs.size(); ++i)
            logs += (i == 0 ? "" : ", ") + HtmlEscape(Data.Logs[i]);
        Out += "</p>\n<p class=\"note\">" +
               Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "Журналы: %1."), {logs}) +
               "</p>\n";
    }

    void Overview()
    {
        Out += "<h2>" + Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "Класс")) +
               "</h2>\n<table class=\"overview\">";
        std::vector<const char*> names = {KORVAN_MARK("HtmlReport", "Ученик"),
                                          KORVAN_MARK("HtmlReport", "Завершено"),
                                          KORVAN_MARK("HtmlReport", "Не завершено"),
                                          KORVAN_MARK("HtmlReport", "Время завершённых"),
                                          KORVAN_MARK("HtmlReport", "Последний балл"),
                                          KORVAN_MARK("HtmlReport", "Лучший балл"),
                                          KORVAN_MARK("HtmlReport", "Тенденция")};
        // The memory's columns only when some pupil's history was found.
        if (!Data.Memories.empty())
            names.insert(names.end(), {KORVAN_MARK("HtmlReport", "Карточек в памяти"),
                                       KORVAN_MARK("HtmlReport", "К повторению сегодня"),
                                       KORVAN_MARK("HtmlReport", "Из них просрочено"),
                                       KORVAN_MARK("HtmlReport", "Припоминание RU → EN"),
                                       KORVAN_MARK("HtmlReport", "Припоминание EN → RU")});
        Out += HeaderRow(Language, names);
        Out += "<tbody>\n";
        for (std::size_t i = 0; i < Pupils.size(); ++i) {
            const TPupilView& p = Pupils[i];
            Out +=
                "<tr class=\"pupil\">" + Cell("<a href=\"#" + Anchor(i) + "\">" + p.Name + "</a>");
            Out += CountCell(p.Finished);
            Out += CountCell(static_cast<int>(p.Runs.size()) - p.Finished);
            Out += Cell(ReportDuration(p.Seconds, Language), true);
            Out += CountCell(p.Points.empty() ? -1 : p.Points.back().Points);
            Out += CountCell(BestPoints(p.Points));
            Out += "<td class=\"trend\">" + Sparkline(p.Points) + " " + Trend(p.Points, Language) +
                   "</td>";
            if (!Data.Memories.empty())
                Out += MemoryCells(p.Memory);
            Out += "</tr>\n";
        }
        Out += "</tbody></table>\n";
    }

    void PupilSection(const TPupilView& pupil)
    {
        const std::size_t index = static_cast<std::size_t>(&pupil - Pupils.data());
        Out +=
            "<section class=\"pupil\" id=\"" + Anchor(index) + "\">\n<h2>" + pupil.Name + "</h2>\n";
        Out += "<p class=\"note\">" +
               Say(Language, "HtmlReport",
                   KORVAN_MARK("HtmlReport", "Запусков: %1, завершено %2, время завершённых %3."),
                   {std::to_string(pupil.Runs.size()), std::to_string(pupil.Finished),
                    ReportDuration(pupil.Seconds, Language)}) +
               "</p>\n";
        Out += PointsChart(pupil.Points, Language);
        Out += "\n<h3>" + Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "Запуски")) +
               "</h3>\n<table class=\"runs\">";
        Out += HeaderRow(Language,
                         {KORVAN_MARK("HtmlReport", "Начало"), KORVAN_MARK("HtmlReport", "Урок"),
                          KORVAN_MARK("HtmlReport", "Режим"), KORVAN_MARK("HtmlReport", "Перевод"),
                          KORVAN_MARK("HtmlReport", "Ответ"), KORVAN_MARK("HtmlReport", "Вопросов"),
                          KORVAN_MARK("HtmlReport", "Ошибок"), KORVAN_MARK("HtmlReport", "Баллы"),
                          KORVAN_MARK("HtmlReport", "Оценка"), KORVAN_MARK("HtmlReport", "Время")});
        Out += "<tbody>\n";
        for (const TRun* run : pupil.Runs)
            RunRow(*run);
        Out += "</tbody></table>\n";
        PupilLessons(pupil);
        PupilTroubles(pupil);
        if (pupil.Memory != nullptr)
            Out += MemorySection(*pupil.Memory);
        Out += "</section>\n";
    }

    std::string Recall(const TPupilMemory& m, int side) const
    {
        if (m.RecallReviews[side] == 0)
            return Cell("");
        const long percent = std::lround(100.0 * m.Recalled[side] / m.RecallReviews[side]);
        return Cell(Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "%1 % из %2"),
                        {std::to_string(percent), std::to_string(m.RecallReviews[side])}),
                    true);
    }

    std::string MemoryCells(const TPupilMemory* m) const
    {
        if (m == nullptr)
            return "<td></td><td></td><td></td><td></td><td></td>";
        return CountCell(m->Cards) + CountCell(m->Due) + CountCell(m->Overdue) + Recall(*m, 0) +
               Recall(*m, 1);
    }

    std::string MemorySection(const TPupilMemory& m) const
    {
        std::string html =
            "<h3>" + Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "Память")) +
            "</h3>\n<p class=\"note\">" +
            Say(Language, "HtmlReport",
                KORVAN_MARK("HtmlReport", "Карточек в памяти: %1, к повторению сегодня: %2 (из "
                                          "них просрочено %3)."),
                {std::to_string(m.Cards), std::to_string(m.Due), std::to_string(m.Overdue)});
        if (m.UnreadableLines > 0)
            html += " " + Say(Language, "HtmlReport",
                              KORVAN_MARK("HtmlReport", "Нечитаемых строк в истории: %1."),
                              {std::to_string(m.UnreadableLines)});
        html += "</p>\n<table class=\"memory\">";
        html += HeaderRow(Language, {KORVAN_MARK("HtmlReport", "Направление"),
                                     KORVAN_MARK("HtmlReport", "Первых ответов дня за 30 дней"),
                                     KORVAN_MARK("HtmlReport", "Вспомнил")});
        html += "<tbody>\n";
        for (int side = 0; side < 2; ++side)
            html += "<tr>" + Cell(side == 0 ? "RU → EN" : "EN → RU") +
                    CountCell(m.RecallReviews[side]) + Recall(m, side) + "</tr>\n";
        html += "</tbody></table>\n<h3>" +
                Say(Language, "HtmlReport",
                    KORVAN_MARK("HtmlReport", "Повторения в ближайшие 14 дней")) +
                "</h3>\n";
        return html + DueAheadChart(m, Language) + "\n";
    }

    void RunRow(const TRun& run)
    {
        Out += run.Finished ? "<tr class=\"run\">" : "<tr class=\"run unfinished\">";
        Out += Cell(ReportStamp(run.Started, Language));
        Out += Cell(LessonHtml(run.Lesson));
        Out += Cell(HtmlEscape(ReportUtf8(Data.Modes.Name(run.Mode))));
        Out += Cell(run.TranslRE < 0 ? "" : run.TranslRE ? "RU → EN" : "EN → RU");
        Out +=
            Cell(run.Typed < 0 ? ""
                 : run.Typed ? Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "набирал"))
                             : Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "говорил")));
        if (!run.Finished) {
            Out += "<td colspan=\"5\">" +
                   Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "не завершён")) +
                   "</td></tr>\n";
            return;
        }
        Out += CountCell(run.Questions) + CountCell(run.Mistakes) + CountCell(run.Points);
        Out += Cell(run.Grade < 0 ? "" : HtmlEscape(ReportUtf8(Data.Grades.Name(run.Grade))));
        Out += Cell(ReportDuration(run.Seconds(), Language), true) + "</tr>\n";
    }

    struct TLessonStats
    {
        int Runs = 0;
        int Finished = 0;
        int Best = -1;
        int Last = -1;
        std::int64_t PointsSum = 0;
        int Scored = 0;
    };

    static void Count(TLessonStats& stats, const TRun& run)
    {
        ++stats.Runs;
        if (!run.Finished)
            return;
        ++stats.Finished;
        if (run.Points < 0)
            return;
        stats.Best = std::max(stats.Best, run.Points);
        stats.Last = run.Points;
        stats.PointsSum += run.Points;
        ++stats.Scored;
    }

    std::string StatsCells(const TLessonStats& s) const
    {
        std::string mean;
        if (s.Scored > 0)
            mean = std::to_string(std::lround(static_cast<double>(s.PointsSum) / s.Scored));
        return CountCell(s.Runs) + CountCell(s.Finished) + CountCell(s.Best) + CountCell(s.Last) +
               Cell(mean, true);
    }

    void PupilLessons(const TPupilView& pupil)
    {
        std::map<std::string, TLessonStats> lessons;
        for (const TRun* run : pupil.Runs)
            Count(lessons[LessonHtml(run->Lesson)], *run);
        Out += "<h3>" + Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "Уроки")) +
               "</h3>\n<table class=\"pupil-lessons\">";
        Out += HeaderRow(Language,
                         {KORVAN_MARK("HtmlReport", "Урок"), KORVAN_MARK("HtmlReport", "Запусков"),
                          KORVAN_MARK("HtmlReport", "Завершено"),
                          KORVAN_MARK("HtmlReport", "Лучший балл"),
                          KORVAN_MARK("HtmlReport", "Последний балл"),
                          KORVAN_MARK("HtmlReport", "Средний балл")});
        Out += "<tbody>\n";
        for (const auto& [name, stats] : lessons)
            Out += "<tr>" + Cell(name) + StatsCells(stats) + "</tr>\n";
        Out += "</tbody></table>\n";
    }

    void PupilTroubles(const TPupilView& pupil)
    {
        constexpr std::size_t Shown = 10;
        std::vector<std::pair<const TTroubleKey*, const TTrouble*>> troubles;
        for (auto it = Data.Troubles.lower_bound(TTroubleKey{pupil.Pupil, 0, 0});
             it != Data.Troubles.end() && std::get<0>(it->first) == pupil.Pupil; ++it)
            troubles.emplace_back(&it->first, &it->second);
        Out += "<h3>" +
               Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "Самые трудные предложения")) +
               "</h3>\n";
        if (troubles.empty()) {
            Out += "<p class=\"note\">" +
                   Say(Language, "HtmlReport",
                       KORVAN_MARK("HtmlReport", "Ни одно предложение не вызвало больше "
                                                 "одной ошибки за запуск.")) +
                   "</p>\n";
            return;
        }
        std::stable_sort(troubles.begin(), troubles.end(), [](const auto& a, const auto& b) {
            return a.second->Mistakes != b.second->Mistakes
                       ? a.second->Mistakes > b.second->Mistakes
                       : a.second->Runs > b.second->Runs;
        });
        if (troubles.size() > Shown)
            troubles.resize(Shown);
        Out += "<table class=\"troubles\">";
        Out += HeaderRow(Language, {KORVAN_MARK("HtmlReport", "Предложение"),
                                    KORVAN_MARK("HtmlReport", "Урок"),
                                    KORVAN_MARK("HtmlReport", "Ошибок всего"),
                                    KORVAN_MARK("HtmlReport", "В запусках")});
        Out += "<tbody>\n";
        for (const auto& [key, trouble] : troubles)
            Out += "<tr>" + Cell(HtmlEscape(ReportUtf8(Data.Sentences.Name(std::get<2>(*key))))) +
                   Cell(LessonHtml(std::get<1>(*key))) +
                   Cell(std::to_string(trouble->Mistakes), true) + CountCell(trouble->Runs) +
                   "</tr>\n";
        Out += "</tbody></table>\n";
    }

    void LessonsSection()
    {
        // lesson -> pupil's place in Pupils -> results
        std::map<std::string, std::map<std::size_t, TLessonStats>> lessons;
        for (std::size_t i = 0; i < Pupils.size(); ++i)
            for (const TRun* run : Pupils[i].Runs)
                Count(lessons[LessonHtml(run->Lesson)][i], *run);
        Out += "<section class=\"lessons\">\n<h2>" +
               Say(Language, "HtmlReport", KORVAN_MARK("HtmlReport", "Уроки")) + "</h2>\n";
        for (const auto& [name, pupils] : lessons) {
            Out += "<h3>" + name + "</h3>\n<table class=\"lesson\">";
            Out += HeaderRow(Language, {KORVAN_MARK("HtmlReport", "Ученик"),
                                        KORVAN_MARK("HtmlReport", "Запусков"),
                                        KORVAN_MARK("HtmlReport", "Завершено"),
                                        KORVAN_MARK("HtmlReport", "Лучший балл"),
                                        KORVAN_MARK("HtmlReport", "Последний балл"),
                                        KORVAN_MARK("HtmlReport", "Средний балл")});
            Out += "<tbody>\n";
            for (const auto& [index, stats] : pupils)
                Out += "<tr>" + Cell(Pupils[index].Name) + StatsCells(stats) + "</tr>\n";
            Out += "</tbody></table>\n";
        }
        Out += "</section>\n";
    }

    const TReportData& Data;
    const TUiLanguage Language;
    std::vector<TPupilView> Pupils;
    std::string Out;
};

} // namespace

std::string HtmlEscape(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string HtmlReport(const TReportData& data, TUiLanguage language)
{
    return THtmlWriter(data, language).Page();
}

} // namespace korvan

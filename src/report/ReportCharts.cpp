#include "report/ReportCharts.h"

#include <algorithm>
#include <cstdio>

#include "drill/Grade.h"
#include "i18n/Catalogue.h"
#include "i18n/Marked.h"
#include "report/ReportText.h"

namespace korvan {

namespace {

// Chart geometry in SVG units (the page scales it to its width).
constexpr double Width = 760;
constexpr double Height = 260;
constexpr double Left = 40;   // room for the points scale
constexpr double Right = 140; // room for the band names
constexpr double Top = 10;
constexpr double Bottom = 30; // room for the dates
constexpr double PlotWidth = Width - Left - Right;
constexpr double PlotHeight = Height - Top - Bottom;
constexpr double LineHeight = 12; // of the chart's 11-unit text
// Above this many runs the dots would merge into a smear; the line alone shows more.
constexpr std::size_t MaxDots = 200;

// Lowest grade first; the colours of a school report's bands.
constexpr const char* BandColours[] = {"#f8d0cc", "#fbe0b8", "#fdf3b5",
                                       "#d4ecc8", "#dfe4ec", "#f7df8a"};

std::string Num(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

double PointsY(double points)
{
    return Top + PlotHeight * (1 - points / 100.0);
}

// x of each point: its time between the first and the last, or the middle
// when every run has the same time.
std::vector<double> TimeX(const std::vector<TChartPoint>& points, double left, double width)
{
    const TStamp first = points.front().When;
    const TStamp last = points.back().When;
    std::vector<double> xs;
    xs.reserve(points.size());
    for (const TChartPoint& p : points)
        xs.push_back(last == first ? left + width / 2
                                   : left + width * static_cast<double>(p.When - first) /
                                                static_cast<double>(last - first));
    return xs;
}

std::string Polyline(const std::vector<TChartPoint>& points, const std::vector<double>& xs,
                     double (*y)(double), double strokeWidth)
{
    std::string svg = "<polyline fill=\"none\" stroke=\"" + std::string(ChartLineColour) +
                      "\" stroke-width=\"" + Num(strokeWidth) + "\" points=\"";
    for (std::size_t i = 0; i < points.size(); ++i)
        svg += (i == 0 ? "" : " ") + Num(xs[i]) + "," + Num(y(points[i].Points));
    return svg + "\"/>";
}

} // namespace

std::vector<TGradeBand> GradeBands()
{
    // The bands follow the grade names themselves, so they cannot drift from
    // the grading.
    std::vector<TGradeBand> bands;
    for (int points = 0; points <= 100; ++points) {
        const std::string name = GradeName(points);
        if (bands.empty() || bands.back().Name != name)
            bands.push_back({points, points, name, ""});
        else
            bands.back().To = points;
    }
    for (std::size_t i = 0; i < bands.size(); ++i)
        bands[i].Colour = BandColours[std::min(i, std::size(BandColours) - 1)];
    return bands;
}

std::string PointsChart(const std::vector<TChartPoint>& points, TUiLanguage language)
{
    const auto say = [language](const char* source) {
        return Say(language, "ReportCharts", source);
    };
    std::string svg = "<svg class=\"chart\" viewBox=\"0 0 " + Num(Width) + " " + Num(Height) +
                      "\" role=\"img\" aria-label=\"" +
                      say(KORVAN_MARK("ReportCharts", "Баллы по времени")) + "\">";
    const std::vector<TGradeBand> bands = GradeBands();
    // The names of the narrow bands at the top would overlap: each stands at
    // least a line below the one above it.
    double nameY = 0;
    for (auto band = bands.rbegin(); band != bands.rend(); ++band) {
        // A band covers its whole points, up to the next band's lowest.
        const double top = PointsY(std::min(band->To + 1, 100));
        const double bottom = PointsY(band->From);
        nameY = std::max((top + bottom) / 2 + 4, nameY + LineHeight);
        svg += "<rect x=\"" + Num(Left) + "\" y=\"" + Num(top) + "\" width=\"" + Num(PlotWidth) +
               "\" height=\"" + Num(bottom - top) + "\" fill=\"" + band->Colour + "\"/>";
        svg += "<text x=\"" + Num(Left + PlotWidth + 6) + "\" y=\"" + Num(nameY) +
               "\" class=\"band\">" + band->Name + "</text>";
    }
    for (int mark = 0; mark <= 100; mark += 25)
        svg += "<text x=\"" + Num(Left - 6) + "\" y=\"" + Num(PointsY(mark) + 4) +
               "\" class=\"scale\">" + std::to_string(mark) + "</text>";
    svg += "<rect x=\"" + Num(Left) + "\" y=\"" + Num(Top) + "\" width=\"" + Num(PlotWidth) +
           "\" height=\"" + Num(PlotHeight) + "\" fill=\"none\" stroke=\"#888\"/>";
    if (points.empty()) {
        svg += "<text x=\"" + Num(Left + PlotWidth / 2) + "\" y=\"" + Num(Top + PlotHeight / 2) +
               "\" class=\"empty\">" +
               say(KORVAN_MARK("ReportCharts", "Нет завершённых запусков с баллами")) +
               "</text></svg>";
        return svg;
    }
    // Dots keep clear of the frame's sides.
    const std::vector<double> xs = TimeX(points, Left + 8, PlotWidth - 16);
    svg += Polyline(points, xs, PointsY, 2.5);
    if (points.size() <= MaxDots) {
        for (std::size_t i = 0; i < points.size(); ++i)
            svg += "<circle cx=\"" + Num(xs[i]) + "\" cy=\"" + Num(PointsY(points[i].Points)) +
                   "\" r=\"3.5\" fill=\"" + ChartLineColour + "\"/>";
    }
    const double dateY = Height - Bottom + 18;
    svg += "<text x=\"" + Num(Left) + "\" y=\"" + Num(dateY) + "\" class=\"date-first\">" +
           ReportDate(points.front().When, language) + "</text>";
    if (points.back().When != points.front().When)
        svg += "<text x=\"" + Num(Left + PlotWidth) + "\" y=\"" + Num(dateY) +
               "\" class=\"date-last\">" + ReportDate(points.back().When, language) + "</text>";
    return svg + "</svg>";
}

std::string Sparkline(const std::vector<TChartPoint>& points)
{
    constexpr double SparkWidth = 120;
    constexpr double SparkHeight = 24;
    constexpr std::size_t Latest = 30;
    std::string svg = "<svg class=\"spark\" width=\"" + Num(SparkWidth) + "\" height=\"" +
                      Num(SparkHeight) + "\" viewBox=\"0 0 " + Num(SparkWidth) + " " +
                      Num(SparkHeight) + "\">";
    if (points.size() >= 2) {
        const std::vector<TChartPoint> latest(
            points.end() - static_cast<long>(std::min(points.size(), Latest)), points.end());
        std::vector<double> xs;
        for (std::size_t i = 0; i < latest.size(); ++i)
            xs.push_back(2 + (SparkWidth - 4) * static_cast<double>(i) /
                                 static_cast<double>(latest.size() - 1));
        svg += Polyline(
            latest, xs, [](double p) { return 2 + (SparkHeight - 4) * (1 - p / 100.0); }, 1.5);
    }
    return svg + "</svg>";
}

} // namespace korvan

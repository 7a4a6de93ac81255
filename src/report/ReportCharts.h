#pragma once

// The report's charts as inline SVG, drawn by hand: a page that needs no
// script and prints as sharply as its text.

#include <string>
#include <vector>

#include "i18n/Language.h"
#include "report/ReportData.h"

namespace korvan {

struct TChartPoint
{
    TStamp When = 0;
    int Points = 0; // 0..100
};

// Points over time on the grade bands, with the dates of the first and the
// last run under it. `points` in time order; empty gives a note instead.
std::string PointsChart(const std::vector<TChartPoint>& points, TUiLanguage language);

// A small line of the latest points for the class overview.
std::string Sparkline(const std::vector<TChartPoint>& points);

// The bands' colours, for the page's legend and for tests that look at the
// rendered chart: one per grade, lowest first, as "#rrggbb".
struct TGradeBand
{
    int From = 0;     // lowest points of the band
    int To = 0;       // highest points of the band
    std::string Name; // the grade as logged
    const char* Colour = "";
};
std::vector<TGradeBand> GradeBands();
constexpr const char* ChartLineColour = "#1a56db";

} // namespace korvan

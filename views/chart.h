#pragma once

// The statistics chart: one line per race showing how a statistic developed from turn 0 to the
// shown turn. Everything the chart window shows is worked out here as plain data (which races
// are drawn, the top of the value axis, the axes with their ticks and labels, the race lines with
// their colours and pens, the legend rows), so that the window, the command-line tool and the
// tests draw the same picture. Drawing it onto a canvas is chartrender's job.

#include "session.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// The statistics, in the order of the type box; the index selects the value of racestatrecord.
constexpr int chartStatisticCount = 9;
extern const char* const chartStatisticNames[chartStatisticCount];
double statisticValue(const racestatrecord& r, int statistic);

// The fixed entries of the race box; the races follow from index chartFirstRace on.
constexpr int chartAll = 0;
constexpr int chartTop5 = 1;
constexpr int chartTop10 = 2;
constexpr int chartTop20 = 3;
constexpr int chartFirstRace = 4;
std::vector<std::string> chartRaceBoxEntries(const std::vector<chartracerecord>& races);

// "Nation_" followed by a whole number: the numbered names Standard Galaxy gives races whose
// players chose none.
bool isStandardName(std::string_view name);

// The text a race is looked up by in a turn's statistics: its name, or in GalaxyNG (where races
// rename themselves) its position in the list of chart races.
std::string chartRaceKey(const std::vector<chartracerecord>& races, std::size_t index, std::int32_t gametype);

// The chart's view of the statistics: value of race (by index into chartraces) in turn t.
class ChartData {
public:
    ChartData(const std::vector<turnstatnode>& turnstats, const std::vector<chartracerecord>& races,
              std::int32_t gametype, int statistic);
    int turnCount() const { return static_cast<int>(values_.size()); }
    // Whether the turn's records hold the race, and its value there.
    bool has(int turn, std::size_t race) const;
    double value(int turn, std::size_t race) const;

private:
    std::size_t raceCount_ = 0;
    std::vector<std::vector<double>> values_;    // [turn][race]
    std::vector<std::vector<std::uint8_t>> has_; // [turn][race]
};

struct ChartChoice {
    int raceBox = chartAll; // index into the race box entries
    bool excludeStandard = false;
    bool addRaces = false;
    bool deleteRaces = false;
};

// Sets the display flags of the chart races as the race box, the check boxes and the statistic
// (for the top N) ask, looking at turns 0 to currentturn.
void selectChartRaces(std::vector<chartracerecord>& races, const ChartData& data, const ChartChoice& choice,
                      int currentturn);

// The top of the value axis: the largest value of a shown race among the first legendCount races
// in turns 0 to currentturn; doubled when all values found are equal (a flat line lies at
// mid-height), 0.1 instead of 0. -1 when no value was found.
double chartMaximum(const std::vector<chartracerecord>& races, const ChartData& data, std::size_t legendCount,
                    int currentturn);

// The pen of race k: colour k mod 13 of the chart's colours, dotted from the 14th race on for the
// next 13 and so on.
std::uint32_t chartRaceColour(std::size_t race);
bool chartRaceDotted(std::size_t race);

enum class ChartPen : std::uint8_t { Solid, Dotted };

struct ChartLine {
    int x1, y1, x2, y2;
    std::uint32_t colour;
    int width;
    ChartPen pen;
};

struct ChartText {
    int x, y; // top-left corner
    std::string text;
};

struct ChartPoint {
    int x, y;
};

struct ChartRaceLine {
    std::size_t race;
    std::uint32_t colour;
    int width;
    ChartPen pen;
    std::vector<ChartPoint> points; // joined in order; a single point draws nothing
};

// What the drawing needs to know of the font.
struct ChartTextMetrics {
    std::function<int(std::string_view)> width;
    int height = 0; // of a line of text
};

struct ChartInput {
    int width = 0; // of the chart in pixels
    int height = 0;
    int currentturn = 0;
    double maximum = -1;
    std::size_t legendCount = 0;
    int highlighted = -1; // index into chartraces, -1 for none
};

struct ChartPicture {
    int width = 0;
    int height = 0;
    double xscale = 1; // pixels per turn
    double yscale = 0; // pixels per unit of the statistic
    std::vector<ChartLine> lines; // axes, grid and ticks, in drawing order
    std::vector<ChartText> labels;
    std::vector<ChartRaceLine> races; // drawn over the grid in this order
};

constexpr std::uint32_t chartBackground = 0xC0C0C0;
constexpr std::uint32_t chartHighlight = 0xFFFFFF;
constexpr std::uint32_t chartAxisColour = 0x000000;
constexpr std::uint32_t chartGridColour = 0x808080;

double chartXScale(int width, int currentturn);
// Without a positive maximum there is no scale: 0.
double chartYScale(int height, double maximum);

// The whole chart. Without a race to draw or with a maximum of 0 or below only the axes and the
// turn ticks are drawn: there is no value axis to divide.
ChartPicture buildChart(const ChartInput& input, const std::vector<chartracerecord>& races, const ChartData& data,
                        const ChartTextMetrics& metrics);

// The legend strip at the right of the chart.
struct ChartLegendRow {
    std::size_t race;
    int y; // top of the row
    bool highlighted;
};
struct ChartLegend {
    std::vector<ChartLegendRow> rows;
    // The number of chart races passed (shown or not) before the strip was full: races beyond it
    // are neither drawn nor counted in the maximum.
    std::size_t legendCount = 0;
};
constexpr int chartLegendTop = 10;
constexpr int chartLegendRowHeight = 14;
ChartLegend buildChartLegend(const std::vector<chartracerecord>& races, int stripHeight, int highlighted);
// The race (index into chartraces) in the legend row at height y, -1 for none.
int chartLegendRaceAt(const std::vector<chartracerecord>& races, std::size_t legendCount, int y);

// Zoom: the chart is the viewport times the zoom factor (1 to 30). A chart not larger than the
// viewport is centred in it (chartOffset, scroll 0); a larger one is scrolled so that a point of
// the chart before the change (the centre of the view, or the point clicked for a zoom on the
// mouse position) comes to the centre of the view.
constexpr int chartMaxZoom = 30;
int chartOffset(int viewport, int size);
int chartScrollCentring(int point, int viewport, int oldSize, int newSize);

} // namespace orrery

namespace orrery {

// The chart and its legend as the window shows them: the legend decides how many races fit,
// the maximum is taken over those, then the chart is built.
struct ChartScene {
    ChartLegend legend;
    double maximum = -1;
    ChartPicture picture;
};
ChartScene buildChartScene(const std::vector<chartracerecord>& races, const ChartData& data, int currentturn,
                           int chartWidth, int chartHeight, int legendHeight, int highlighted,
                           const ChartTextMetrics& metrics);

} // namespace orrery

#pragma once

// Draws the statistics chart and its legend (built by views/chart) onto the map's canvas, with
// the canvas's pixel rules and font.

#include "chart.h"
#include "mapcanvas.h"

#include <QImage>
#include <QSize>

namespace orrery {

// The font figures the chart's layout needs, as the canvas draws its texts.
ChartTextMetrics chartTextMetrics(const MapCanvas& canvas);

// One line of the chart: from (x1, y1) to (x2, y2), both ends included; a width above 1 widens it
// across its direction; a dotted pen sets 2 pixels and leaves 2. phase carries the dots on from
// one segment of a race line to the next.
void drawChartLine(MapCanvas& canvas, const ChartLine& line, int& phase);

// The chart on its background (the canvas covers the part of the chart to be drawn).
void drawChart(MapCanvas& canvas, const ChartPicture& picture);
// The legend strip: a row per race that fits, the highlighted one on white.
void drawChartLegend(MapCanvas& canvas, const ChartLegend& legend, const std::vector<chartracerecord>& races,
                     int stripWidth);

// Chart and legend side by side in one image of the given size (the legend strip at the right),
// as the chart window shows them at zoom 1.
constexpr int chartLegendWidth = 150;
QImage renderChartImage(const std::vector<chartracerecord>& races, const ChartData& data, int currentturn,
                        QSize size, int highlighted = -1);

} // namespace orrery

// The statistics chart on the canvas: lines, pens and the whole picture, checked on pixels.

#include "chartrender.h"

#include <gtest/gtest.h>

namespace orrery {
namespace {

TEST(ChartRender, LinePens)
{
    MapCanvas canvas(QRect(0, 0, 120, 60));
    ChartPicture picture;
    picture.lines.push_back({10, 10, 109, 10, 0x0000FF, 1, ChartPen::Solid});
    picture.lines.push_back({10, 30, 109, 30, 0xFF0000, 1, ChartPen::Dotted});
    picture.lines.push_back({10, 50, 109, 50, 0x008000, 3, ChartPen::Solid});
    drawChart(canvas, picture);
    int red = 0;
    for (int x = 10; x <= 109; ++x) {
        EXPECT_EQ(canvas.pixel(x, 10), 0x0000FFu) << x;
        EXPECT_EQ(canvas.pixel(x, 9), chartBackground);
        red += canvas.pixel(x, 30) == 0xFF0000u ? 1 : 0;
        for (int y = 49; y <= 51; ++y) EXPECT_EQ(canvas.pixel(x, y), 0x008000u);
    }
    EXPECT_EQ(canvas.pixel(110, 10), chartBackground);
    EXPECT_EQ(red, 50); // dotted: half of the pixels
}

TEST(ChartRender, RaceLineLiesOnItsPoints)
{
    std::vector<chartracerecord> races{{"Rising", true}, {"Hidden", false}};
    std::vector<turnstatnode> turns;
    for (int t = 0; t <= 20; ++t) {
        turnstatnode node;
        node.turn = t;
        for (const chartracerecord& r : races) {
            racestatrecord rec;
            rec.name = r.name;
            rec.population = 10.0 * t;
            node.races.push_back(rec);
        }
        turns.push_back(node);
    }
    const ChartData data(turns, races, gtStandard, 2);
    const QSize size(600, 300);
    const QImage image = renderChartImage(races, data, 20, size);
    ASSERT_EQ(image.size(), size);
    const int chartWidth = size.width() - chartLegendWidth;
    const MapCanvas measure(QRect(0, 0, 1, 1));
    const ChartScene scene =
        buildChartScene(races, data, 20, chartWidth, size.height(), size.height(), -1, chartTextMetrics(measure));
    ASSERT_EQ(scene.picture.races.size(), 1u);
    const auto colour = [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; };
    for (const ChartPoint& p : scene.picture.races[0].points) EXPECT_EQ(colour(p.x, p.y), chartRaceColour(0));
    // The value axis is black; the legend shows the race's colour in its row.
    EXPECT_EQ(colour(38, size.height() / 2), 0u);
    EXPECT_EQ(colour(chartWidth + 10, chartLegendTop + 7), chartRaceColour(0));
    EXPECT_EQ(colour(chartWidth + 10, chartLegendTop + chartLegendRowHeight + 7), chartBackground);
}

} // namespace
} // namespace orrery

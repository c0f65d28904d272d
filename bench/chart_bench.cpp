// The statistics chart of a long game: 100 turns of 30 races, every race shown. One iteration is
// what the chart window does when the statistic changes: the values are gathered, the races
// selected, the legend, maximum and picture built, and chart and legend drawn on a 1050 x 700
// chart and a 150 pixel legend strip. The budget is one frame (16 ms). The zoomed case draws the
// same view of a chart 30 times as large (the window's largest zoom).
//
//   chart_bench --benchmark_min_time=1

#include "chartrender.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace orrery {
namespace {

constexpr int turnCount = 100;
constexpr int raceCount = 30;
constexpr int chartWidth = 1050;
constexpr int chartHeight = 700;

struct LongGame {
    std::vector<turnstatnode> turns;
    std::vector<chartracerecord> races;
};

LongGame makeGame()
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> growth(0.95, 1.12);
    LongGame g;
    for (int k = 0; k < raceCount; ++k) g.races.push_back({"Race" + std::to_string(k), false});
    std::vector<double> production(raceCount, 100.0);
    for (int t = 0; t < turnCount; ++t) {
        turnstatnode node;
        node.turn = t;
        for (int k = 0; k < raceCount; ++k) {
            production[static_cast<std::size_t>(k)] *= growth(random);
            racestatrecord r;
            r.name = g.races[static_cast<std::size_t>(k)].name;
            r.production = production[static_cast<std::size_t>(k)];
            r.techsum = 4 + t * 0.1;
            node.races.push_back(r);
        }
        g.turns.push_back(std::move(node));
    }
    return g;
}

void drawOnce(LongGame& g, CanvasCache& cache, int zoom)
{
    const int currentturn = turnCount - 1;
    const ChartData data(g.turns, g.races, gtStandard, 0);
    selectChartRaces(g.races, data, {chartAll}, currentturn);
    MapCanvas chart(QRect(chartWidth * (zoom - 1) / 2, chartHeight * (zoom - 1) / 2, chartWidth, chartHeight), &cache);
    MapCanvas legend(QRect(0, 0, chartLegendWidth, chartHeight), &cache);
    const ChartScene scene = buildChartScene(g.races, data, currentturn, chartWidth * zoom, chartHeight * zoom,
                                             chartHeight, 3, chartTextMetrics(chart));
    drawChart(chart, scene.picture);
    drawChartLegend(legend, scene.legend, g.races, chartLegendWidth);
    benchmark::DoNotOptimize(chart.image().constBits());
    benchmark::DoNotOptimize(legend.image().constBits());
}

void BM_ChartWholeView(benchmark::State& state)
{
    LongGame g = makeGame();
    CanvasCache cache;
    for (auto _ : state) drawOnce(g, cache, 1);
}
BENCHMARK(BM_ChartWholeView)->Unit(benchmark::kMillisecond);

void BM_ChartZoom30(benchmark::State& state)
{
    LongGame g = makeGame();
    CanvasCache cache;
    for (auto _ : state) drawOnce(g, cache, chartMaxZoom);
}
BENCHMARK(BM_ChartZoom30)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orrery

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

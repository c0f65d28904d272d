// Information view benchmarks on a generated GalaxyNG turn of about 1 MB read with its previous
// turn: the turn overview text, and the races table (entries, two-row grid, sort).
//
//   views_bench --benchmark_min_time=1
//
// Targets: each within 10 ms.

#include "galaxygen.h"
#include "raceviews.h"
#include "reportreader.h"
#include "stringgridmodel.h"

#include <benchmark/benchmark.h>

namespace {

using namespace orrery;
using namespace orrery::gen;

struct ViewsFixture {
    SizedReports reports;
    ReportText previous;
    ReportText current;
    Game game;

    ViewsFixture()
        : reports(sizedReports(1000000, Dialect::GalaxyNG, 7)), previous(reports.previousText),
          current(reports.currentText)
    {
        game.gametype = gtUnknown;
        TurnTexts texts;
        texts.current = &current;
        texts.previous = &previous;
        showTurnRead(game, readReport(texts, GameValues::of(game), game.shiptypes), reports.current.turn);
    }
};

const ViewsFixture& fixture()
{
    static const ViewsFixture f;
    return f;
}

void BM_TurnOverview(benchmark::State& state)
{
    const Game& game = fixture().game;
    for (auto _ : state) benchmark::DoNotOptimize(turnOverviewText(game));
    state.counters["planets"] = static_cast<double>(game.turn.planets.size());
    state.counters["races"] = static_cast<double>(game.turn.players.size());
    state.counters["battles"] = static_cast<double>(game.turn.battles.size());
}
BENCHMARK(BM_TurnOverview)->Unit(benchmark::kMillisecond);

void BM_RacesTable(benchmark::State& state)
{
    const Game& game = fixture().game;
    StringGridModel grid;
    for (auto _ : state) {
        fillRacesGrid(grid, raceEntries(game), false);
        benchmark::DoNotOptimize(grid.cell(0, 1));
    }
    state.counters["races"] = static_cast<double>(game.turn.players.size());
}
BENCHMARK(BM_RacesTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

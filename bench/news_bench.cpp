// News window benchmark on a generated GalaxyNG turn of about 1 MB: every page built from the
// turn and its report text (the report split into its sections, the battle lines at the highest
// detail, bombings, incoming groups, the own race's groups and the stockpiles, all sorted).
//
//   news_bench --benchmark_min_time=1
//
// Target: all pages within 10 ms.

#include "galaxygen.h"
#include "news.h"
#include "reportreader.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace orrery;
using namespace orrery::gen;

struct NewsFixture {
    SizedReports reports;
    Game game;

    NewsFixture() : reports(sizedReports(1000000, Dialect::GalaxyNG, 7))
    {
        const ReportText previous(reports.previousText);
        const ReportText current(reports.currentText);
        game.gametype = gtUnknown;
        TurnTexts texts;
        texts.current = &current;
        texts.previous = &previous;
        showTurnRead(game, readReport(texts, GameValues::of(game), game.shiptypes), reports.current.turn);
    }
};

const NewsFixture& fixture()
{
    static std::unique_ptr<NewsFixture> f;
    if (!f) f = std::make_unique<NewsFixture>();
    return *f;
}

void BM_AllNewsPages(benchmark::State& state)
{
    const NewsFixture& f = fixture();
    std::size_t lines = 0;
    for (auto _ : state) {
        const NewsContent news = buildNews(f.game, f.reports.currentText, 2, GroupFilter::All);
        lines = news.text.report.size() + news.battles.size();
        benchmark::DoNotOptimize(news.groups.rowCount());
    }
    const turnrecord& t = f.game.turn;
    state.counters["report_KB"] = static_cast<double>(f.reports.currentText.size()) / 1000.0;
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["battles"] = static_cast<double>(t.battles.size());
    state.counters["bombings"] = static_cast<double>(t.bombings.size());
    state.counters["incoming"] = static_cast<double>(t.incominggroups.size());
    state.counters["planets"] = static_cast<double>(t.planets.size());
}
BENCHMARK(BM_AllNewsPages)->Unit(benchmark::kMillisecond);

// The report text alone, split into the report list, the messages and the fleet tables.
void BM_ReportText(benchmark::State& state)
{
    const NewsFixture& f = fixture();
    for (auto _ : state) benchmark::DoNotOptimize(splitReportText(f.reports.currentText).report.size());
}
BENCHMARK(BM_ReportText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

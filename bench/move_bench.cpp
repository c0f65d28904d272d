// Orders editor benchmarks on a generated GalaxyNG turn of about 1 MB: a move of 2000 lines
// (sends, loads with sends of the loaded part, unloads, fleets and joins, intercepts, production,
// renames, messages) read from its text, converted to the natural form and back, with its ETAs
// recalculated; and the move check of the same move.
//
//   move_bench --benchmark_min_time=1
//
// Targets: reading, converting and ETAs within 50 ms; the check within 50 ms.

#include "galaxygen.h"
#include "moveeditor.h"
#include "reportreader.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace orrery;
using namespace orrery::gen;

struct MoveFixture {
    SizedReports reports;
    ReportText previous;
    ReportText current;
    Game game;
    std::string moveText;
    std::size_t moveLines = 0;

    MoveFixture()
        : reports(sizedReports(1000000, Dialect::GalaxyNG, 7)), previous(reports.previousText),
          current(reports.currentText)
    {
        game.gametype = gtUnknown;
        TurnTexts texts;
        texts.current = &current;
        texts.previous = &previous;
        showTurnRead(game, readReport(texts, GameValues::of(game), game.shiptypes), reports.current.turn);
        buildMove();
    }

    // A move of 2000 order lines about the turn's own groups, planets, fleets and races.
    void buildMove()
    {
        const racegrouprecord* own = ownGroups(game);
        const auto& planets = game.turn.planets;
        const std::size_t groups = own ? own->groups.size() : 0;
        auto group = [&](std::size_t i) {
            return groups ? std::to_string(static_cast<long long>(own->groups[i % groups].groupnumber))
                          : std::to_string(i + 1);
        };
        auto planet = [&](std::size_t i) { return planets[(i * 7919) % planets.size()].name.str(); };
        std::string race = game.turn.players.size() > 1 ? game.turn.players[1].name.str() : "Nobody";
        moveText = "#GALAXY Marathon " + game.ownrace.str() + " secret\r\n";
        auto add = [&](const std::string& line) {
            moveText += line + "\r\n";
            ++moveLines;
        };
        std::size_t i = 0;
        while (moveLines < 2000) {
            switch (i % 10) {
            case 0: add("S " + group(i) + " " + planet(i)); break;
            case 1:
                add("L " + group(i) + " COL 1");
                add("S MAX " + planet(i));
                break;
            case 2: add("U " + group(i)); break;
            case 3:
                add("D FLEET Fleet" + std::to_string(i));
                add("J " + group(i) + " Fleet" + std::to_string(i));
                add("S Fleet" + std::to_string(i) + " " + planet(i));
                break;
            case 4: add("I " + group(i) + " " + planet(i) + " 2"); break;
            case 5: add("P " + planet(i) + " CAP"); break;
            case 6: add("N " + planet(i) + " New" + std::to_string(i)); break;
            case 7:
                add("@ " + race);
                add("Greetings from turn " + std::to_string(game.currentturn));
                add("@");
                break;
            case 8: add("G " + group(i)); break;
            default: add((i % 20 == 9 ? "A " : "W ") + race); break;
            }
            ++i;
        }
        moveText += "#END\r\n";
    }
};

const MoveFixture& fixture()
{
    static std::unique_ptr<MoveFixture> f;
    if (!f) f = std::make_unique<MoveFixture>();
    return *f;
}

void setCounters(benchmark::State& state, const MoveFixture& f)
{
    state.counters["report_KB"] = static_cast<double>(f.reports.currentText.size()) / 1000.0;
    state.counters["move_lines"] = static_cast<double>(f.moveLines);
    state.counters["planets"] = static_cast<double>(f.game.turn.planets.size());
    const racegrouprecord* own = ownGroups(f.game);
    state.counters["own_groups"] = own ? static_cast<double>(own->groups.size()) : 0.0;
}

// Reading the move text (into the natural display: every line converted), its ETAs, and the
// conversion back to the raw form.
void BM_ReadConvertEtas(benchmark::State& state)
{
    const MoveFixture& f = fixture();
    for (auto _ : state) {
        MoveEditor editor(f.game);
        if (!editor.readText(f.moveText)) state.SkipWithError("move not read");
        if (!editor.setMoveForm(MoveForm::Raw)) state.SkipWithError("move not converted");
        benchmark::DoNotOptimize(editor.lines().data());
    }
    setCounters(state, f);
}
BENCHMARK(BM_ReadConvertEtas)->Unit(benchmark::kMillisecond);

// The ETAs alone, over the whole move in the raw display.
void BM_RecalculateEtas(benchmark::State& state)
{
    const MoveFixture& f = fixture();
    MoveEditor editor(f.game);
    if (!editor.setMoveForm(MoveForm::Raw) || !editor.readText(f.moveText)) state.SkipWithError("move not read");
    for (auto _ : state) {
        editor.RecalculateEtas(1);
        benchmark::DoNotOptimize(editor.lines().data());
    }
    setCounters(state, f);
}
BENCHMARK(BM_RecalculateEtas)->Unit(benchmark::kMillisecond);

// "Check Move" on the natural display: conversion to raw, the checks, the quoted natural lines.
void BM_CheckMove(benchmark::State& state)
{
    const MoveFixture& f = fixture();
    MoveEditor editor(f.game);
    if (!editor.readText(f.moveText)) state.SkipWithError("move not read");
    std::size_t findings = 0;
    for (auto _ : state) {
        const std::string text = editor.checkCurrentMove();
        findings = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    setCounters(state, f);
    state.counters["findings_KB"] = static_cast<double>(findings) / 1000.0;
}
BENCHMARK(BM_CheckMove)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

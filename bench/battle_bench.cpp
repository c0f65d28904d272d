// The battle simulator's engine: a run of 1000 battles of 300 against 300 ships (armed and
// unarmed types on both sides), as the simulator fights them one per timer tick; and the plain
// reference engine (linked lists walked for every draw) on the same setup, per battle, for the
// speed-up. Before timing, both engines must give the same result text for the first battles.
//
//   battle_bench --benchmark_min_time=1
//
// Target: the 1000 battles within 1 s.

#include "battle.h"
#include "battlereference.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace orrery;

BattleRow row(const char* no, const char* type, const char* drive, const char* attacks, const char* weapons,
              const char* shields, const char* cargo, const char* quantity, const char* tech)
{
    return {no, type, drive, attacks, weapons, shields, cargo, quantity, tech, tech, tech, tech};
}

// 300 ships a side: fighters, a few heavy gunships, and freighters that only take hits.
BattleSetup bigSetup()
{
    BattleSetup s;
    s.aggressor = {row("120", "Raider", "5", "1", "2", "2", "0", "0", "1.2"),
                   row("30", "Gunship", "20", "3", "4", "8", "0", "0", "1.5"),
                   row("150", "Hauler", "3", "0", "0", "0", "6", "3", "1")};
    s.defender = {row("100", "Guardian", "8", "2", "2.5", "4", "0", "0", "1.3"),
                  row("50", "Lancer", "4", "1", "1.7", "2", "0", "0", "1"),
                  row("150", "Freighter", "2", "0", "0", "1", "3", "0", "1")};
    return s;
}

std::string engineRun(const BattleSetup& setup, int battles)
{
    BattleRandom random;
    BattleSimulation run;
    run.start(battles);
    while (run.fightNext(setup, random)) {
    }
    return run.resultText();
}

void BM_ThousandBattles(benchmark::State& state)
{
    const BattleSetup setup = bigSetup();
    BattleRandom reference;
    if (engineRun(setup, 3) != test::referenceRun(setup, 3, reference)) {
        state.SkipWithError("the engine and the reference differ");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(engineRun(setup, 1000));
}
BENCHMARK(BM_ThousandBattles)->Unit(benchmark::kMillisecond);

// 20 battles (the first with its protocol) by the engine and by the reference, for the speed-up.
void BM_Engine20Battles(benchmark::State& state)
{
    const BattleSetup setup = bigSetup();
    for (auto _ : state) benchmark::DoNotOptimize(engineRun(setup, 20));
}
BENCHMARK(BM_Engine20Battles)->Unit(benchmark::kMillisecond);

void BM_Reference20Battles(benchmark::State& state)
{
    const BattleSetup setup = bigSetup();
    for (auto _ : state) {
        BattleRandom random;
        benchmark::DoNotOptimize(test::referenceRun(setup, 20, random));
    }
}
BENCHMARK(BM_Reference20Battles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Transporter planner benchmark: 200 transporter ships (40 groups of 5) standing at 20 stock
// planets plan deliveries to 50 planets that need development over 10 turns, and the plan is
// turned into orders.
//
//   transporter_bench --benchmark_min_time=1
//
// Target: at most 200 ms for planning and orders.

#include "transporter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace orrery;

// A small linear congruential generator: the same map on every run.
struct Lcg {
    unsigned state = 12345;
    double next(double range)
    {
        state = state * 1103515245u + 12345u;
        return static_cast<double>((state >> 8) % 100000) / 100000.0 * range;
    }
};

struct PlannerFixture {
    Game game;
    std::vector<double> groups;
    std::vector<std::string> planets;

    PlannerFixture()
    {
        game.gametype = gtGalaxyNG;
        game.ownrace = "Movers";
        Lcg random;
        auto planet = [&](const std::string& name, double size, double population, double industry) {
            planetrecord p;
            p.name = name;
            p.owner = "Movers";
            p.ownercode = ocOwn;
            p.x = random.next(200), p.y = random.next(200);
            p.size = size, p.population = population, p.industry = industry, p.resources = 1 + random.next(9);
            p.capital = random.next(300), p.colonists = random.next(100), p.material = 0;
            return p;
        };
        for (int i = 0; i < 20; ++i) game.turn.planets.push_back(planet("Stock" + std::to_string(i), 1000, 1000, 1000));
        for (int i = 0; i < 50; ++i) {
            const double size = 200 + random.next(1800);
            game.turn.planets.push_back(planet("New" + std::to_string(i), size, random.next(size), random.next(size / 2)));
            game.turn.planets.back().capital = 0, game.turn.planets.back().colonists = 0;
            planets.push_back(game.turn.planets.back().name.str());
        }
        racegrouprecord own;
        own.name = "Movers";
        for (int i = 0; i < 40; ++i) {
            grouprecord g;
            g.groupnumber = i + 1;
            g.name = "Hauler";
            g.shipcount = 5;
            g.location = game.turn.planets[static_cast<std::size_t>(i % 20)].name;
            g.drive = 5 + random.next(20), g.cargo = 2 + random.next(20);
            g.drivetech = 1 + random.next(3), g.cargotech = 1 + random.next(2);
            own.groups.push_back(g);
            groups.push_back(g.groupnumber);
        }
        game.turn.racegroups.push_back(own);
    }
};

void BM_PlanTransports(benchmark::State& state)
{
    const PlannerFixture f;
    std::size_t count = 0;
    for (auto _ : state) {
        Result<TransportPlan> plan = planTransports(f.game, f.groups, f.planets, 10);
        const std::vector<PlannedOrder> orders = transportOrders(std::move(*plan));
        benchmark::DoNotOptimize(orders.data());
        count = orders.size();
    }
    state.counters["orders"] = static_cast<double>(count);
}
BENCHMARK(BM_PlanTransports)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

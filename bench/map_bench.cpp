// Painting the star map: a galaxy of 5000 planets with routes, incoming groups, battles,
// bombings, hyperspace marks and every layer on, in a 1920 x 1080 viewport, at the zoom that fits
// the galaxy's width and at the largest zoom. One iteration is one paint: the canvas for the
// visible part and every layer. The budget is one frame at the fitted zoom (16 ms) and a quarter
// of it at zoom 35 (4 ms).
//
//   map_bench --benchmark_min_time=1

#include "mapgeometry.h"
#include "mapinteraction.h"
#include "maprenderer.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace orrery {
namespace {

constexpr int planetCount = 5000;
constexpr int raceCount = 40;
constexpr int viewportWidth = 1920;
constexpr int viewportHeight = 1080;

std::string numbered(const char* prefix, int k)
{
    std::string name = prefix;
    name += std::to_string(k);
    return name;
}

// A GalaxyNG game in mid-game, seen by race 1 ("Race1").
Game makeGalaxy()
{
    std::mt19937 random(2024);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    auto chance = [&](double p) { return uniform(0, 1) < p; };

    Game game;
    game.gametype = gtGalaxyNG;
    game.mapwidth = game.mapheight = 600;
    game.ownrace = "Race1";
    turnrecord& turn = game.turn;
    for (int k = 1; k <= raceCount; ++k) {
        playerrecord p;
        p.name = numbered("Race", k);
        turn.players.push_back(p);
    }
    for (int k = 0; k < planetCount; ++k) {
        planetrecord p;
        p.name = numbered("P", k);
        p.x = uniform(0, game.mapwidth);
        p.y = uniform(0, game.mapheight);
        p.size = uniform(0, 2500);
        p.resources = uniform(0.1, 10);
        const double kind = uniform(0, 1);
        if (kind < 0.1) {
            p.ownercode = ocOwn;
            p.owner = game.ownrace;
        } else if (kind < 0.4) {
            p.ownercode = ocOther;
        } else if (kind < 0.7) {
            p.ownercode = -static_cast<std::int32_t>(random() % raceCount + 1);
        } else {
            p.ownercode = ocUninhabited;
        }
        if (p.ownercode != ocUninhabited) {
            p.population = p.size * uniform(0.2, 1);
            p.industry = p.population * uniform(0, 1);
        }
        p.owngroups = chance(0.2);
        p.aliengroups = chance(0.2);
        if (p.aliengroups) p.alienraces = {numbered("Race", static_cast<int>(random() % raceCount + 1))};
        p.attackscale = uniform(0, 15);
        p.defencescale = uniform(0, 15);
        p.shipscale = uniform(0, 15);
        p.hadbattle = chance(0.02);
        p.battlesize = static_cast<std::int32_t>(random() % 20 + 1);
        p.groupspeeds = {uniform(5, 40), uniform(5, 40)};
        p.fleetspeeds = {uniform(5, 40)};
        turn.planets.push_back(p);
    }
    for (int k = 0; k < 100; ++k) {
        const planetrecord& p = turn.planets[random() % planetCount];
        bombingrecord b;
        b.name = p.name;
        b.x = p.x;
        b.y = p.y;
        turn.bombings.push_back(b);
    }
    // Routes from every own planet to planets within a few turns' flight.
    auto nearby = [&](const planetrecord& from) {
        for (int tries = 0;; ++tries) {
            const planetrecord& to = turn.planets[random() % planetCount];
            if (tries == 200 || std::hypot(to.x - from.x, to.y - from.y) < 60) return to.name;
        }
    };
    for (const planetrecord& p : turn.planets) {
        if (p.ownercode != ocOwn) continue;
        routerecord r;
        r.name = p.name;
        r.capital = nearby(p);
        r.material = nearby(p);
        r.colonists = nearby(p);
        r.empty = chance(0.5) ? shortname("-") : nearby(p);
        turn.routes.push_back(r);
    }
    // Incoming groups, a few turns away each.
    for (int k = 0; k < 300; ++k) {
        const planetrecord& from = turn.planets[random() % planetCount];
        const planetrecord& to = turn.planets[random() % planetCount];
        incomingrecord in;
        in.origin = from.name;
        in.destination = to.name;
        in.originx = from.x;
        in.originy = from.y;
        in.destinationx = to.x;
        in.destinationy = to.y;
        const double way = std::hypot(to.x - from.x, to.y - from.y);
        in.distance = way * uniform(0.3, 1);
        in.speed = std::max(way / uniform(2, 12), 1.0);
        turn.incominggroups.push_back(in);
    }
    for (int k = 0; k < 2000; ++k)
        turn.mapmarks.push_back({uniform(0, game.mapwidth), uniform(0, game.mapheight),
                                 static_cast<std::uint8_t>(random() % 2)});
    return game;
}

struct Setup {
    Game game = makeGalaxy();
    ViewState view;
    MapDisplay display;
    MapScroll scroll;

    explicit Setup(std::int32_t zoom)
    {
        display.toggles.fill(true);
        display.set(tgFleetDistance, false);
        display.highlight.findRace = "Race7";
        display.highlight.findRaceShips = true;
        correctBecauseOfPlanetSizeButton(game, view, true);
        SetPlanetBattleSize(game, true);
        scroll.h.viewport = viewportWidth;
        scroll.v.viewport = viewportHeight;
        SetZoom(view, zoom);
        setCanvasSize(scroll, game, view.zoomfactor);
        resizeViewport(scroll);
        const planetrecord& a = game.turn.planets[17];
        const planetrecord& b = game.turn.planets[4711];
        SelectPlanet(game, view, a.name);
        view.secondselection = view.firstselection;
        view.secondselection.x = b.x;
        view.secondselection.y = b.y;
        view.secondselection.name = b.name;
        CentreMapOn(game, view, scroll, game.mapwidth / 2.0, game.mapheight / 2.0);
    }
};

// The cache the map view keeps from paint to paint.
CanvasCache& mapCache()
{
    static CanvasCache cache;
    return cache;
}

void paintOnce(const Setup& s, benchmark::State& state)
{
    MapCanvas canvas(visibleCanvasArea(s.scroll), &mapCache());
    MapRenderer(s.game, s.view, s.display, s.scroll).paint(canvas);
    benchmark::DoNotOptimize(canvas.image().constBits());
}

void BM_PaintFitToWidth(benchmark::State& state)
{
    const Setup s(*fitToWidthZoom(viewportWidth, 600));
    for (auto _ : state) paintOnce(s, state);
    state.counters["zoom"] = s.view.zoomfactor;
}
BENCHMARK(BM_PaintFitToWidth)->Unit(benchmark::kMillisecond);

void BM_PaintZoom35(benchmark::State& state)
{
    const Setup s(maximumZoom);
    for (auto _ : state) paintOnce(s, state);
}
BENCHMARK(BM_PaintZoom35)->Unit(benchmark::kMillisecond);

// The same paints with only the default toggles on (no names, no bars, no range circles).
void BM_PaintFitToWidthDefaults(benchmark::State& state)
{
    Setup s(*fitToWidthZoom(viewportWidth, 600));
    for (int t = 0; t < toggleCount; ++t) s.display.toggles[t] = mapToggles()[t].standard;
    s.display.highlight = {};
    for (auto _ : state) paintOnce(s, state);
}
BENCHMARK(BM_PaintFitToWidthDefaults)->Unit(benchmark::kMillisecond);

// Each layer on its own at the fitted zoom and at zoom 35, to see where a paint's time goes.
void BM_Layer(benchmark::State& state)
{
    const Setup s(state.range(1) ? maximumZoom : *fitToWidthZoom(viewportWidth, 600));
    using Layer = void (MapRenderer::*)(MapCanvas&) const;
    static constexpr Layer layers[] = {
        &MapRenderer::drawUninhabitedPlanets, &MapRenderer::drawPlanets, &MapRenderer::drawRoutes,
        &MapRenderer::drawNames, &MapRenderer::drawBars, &MapRenderer::drawHyperspaceMarks,
        &MapRenderer::drawIncomingGroups, &MapRenderer::drawDistance, &MapRenderer::drawCircles};
    const Layer layer = layers[state.range(0)];
    for (auto _ : state) {
        MapCanvas canvas(visibleCanvasArea(s.scroll), &mapCache());
        const MapRenderer renderer(s.game, s.view, s.display, s.scroll);
        (renderer.*layer)(canvas);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_Layer)->ArgsProduct({benchmark::CreateDenseRange(0, 8, 1), {0, 1}})->Unit(benchmark::kMillisecond);

// An empty paint: the canvas alone.
void BM_Canvas(benchmark::State& state)
{
    const Setup s(*fitToWidthZoom(viewportWidth, 600));
    for (auto _ : state) {
        MapCanvas canvas(visibleCanvasArea(s.scroll), &mapCache());
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_Canvas)->Unit(benchmark::kMillisecond);

// A press on the map: the hit test over every planet.
void BM_MapPress(benchmark::State& state)
{
    Setup s(maximumZoom);
    const MapGeometry g(s.game, s.view.zoomfactor);
    const planetrecord& p = s.game.turn.planets[2500];
    for (auto _ : state) {
        const PressResult r = mapPress(s.game, s.view, true, g.MapToScreenX(p.x), g.MapToScreenY(p.y), false);
        benchmark::DoNotOptimize(r.panels.data());
    }
}
BENCHMARK(BM_MapPress)->Unit(benchmark::kMicrosecond);

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

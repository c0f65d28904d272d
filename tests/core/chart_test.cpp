// The planets table's rows and the statistics chart's plain data: races chosen, the top of the
// value axis, the lines, the legend and the zoom.

#include "chart.h"
#include "forecast.h"
#include "textrules.h"
#include "yourplanets.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orrery {
namespace {

planetrecord planet(const char* name, const char* owner, double size, double population, double industry,
                    bool alien = false)
{
    planetrecord p;
    p.name = name;
    p.owner = owner;
    p.size = size;
    p.population = population;
    p.industry = industry;
    p.resources = 1;
    p.isalien = alien ? 1 : 0;
    return p;
}

Game tableGame()
{
    Game g;
    g.ownrace = "Me";
    g.turn.players.resize(3);
    g.turn.players[0].name = "Zed";
    g.turn.players[1].name = "Me";
    g.turn.players[2].name = "Ann"; // owns a planet of ours only by name, never seen as alien
    g.turn.planets = {planet("Home", "Me", 1000, 1000, 1000), planet("Small", "Me", 250, 200, 100),
                      planet("Far", "Zed", 500, 400, 400, true), planet("Odd", "Ann", 100, 10, 10),
                      planet("Near", "Zed", 80, 10, 10)};
    return g;
}

TEST(YourPlanets, RacesAndRows)
{
    const Game g = tableGame();
    EXPECT_EQ(yourPlanetsRaces(g), (std::vector<std::string>{"Me", "Zed"}));

    const auto own = yourPlanetsRows(g, "Me");
    ASSERT_EQ(own.size(), 2u);
    EXPECT_EQ(own[0][0], "Home");
    // The largest planet's "devel." is its own current production.
    const PlanetForecast home = planetForecast(g.turn.planets[0]);
    EXPECT_EQ(own[0][yourPlanetsDevelColumn], std::to_string(roundHalfEven(home.currentProduction)));
    // A quarter-size planet counts a quarter of its production.
    const PlanetForecast small = planetForecast(g.turn.planets[1]);
    EXPECT_EQ(own[1][yourPlanetsDevelColumn], std::to_string(roundHalfEven(small.currentProduction / 4)));
    EXPECT_EQ(own[1][9], formatFixed(small.maxProduction, 6, 2) + " / " + formatFixed(small.currentProduction, 6, 2));

    // Another race: only the planets seen in its own planet section.
    const auto zed = yourPlanetsRows(g, "Zed");
    ASSERT_EQ(zed.size(), 1u);
    EXPECT_EQ(zed[0][0], "Far");
    EXPECT_TRUE(yourPlanetsRows(g, "Nobody").empty());
}

TEST(YourPlanets, DevelWithoutAScaleStaysEmpty)
{
    EXPECT_EQ(develText(300, 500, 1000), "150");
    EXPECT_EQ(develText(300, 0, 0), "");
    EXPECT_EQ(develText(300, -1, -1), "");
    EXPECT_EQ(develText(unknownvalue, 500, 1000), "");

    Game g = tableGame();
    for (planetrecord& p : g.turn.planets) p.size = p.owner == "Me" ? 0 : p.size;
    for (const auto& row : yourPlanetsRows(g, "Me")) EXPECT_EQ(row[yourPlanetsDevelColumn], "");
    g.turn.planets[0].size = g.turn.planets[0].population = g.turn.planets[0].industry = unknownvalue;
    const auto rows = yourPlanetsRows(g, "Me");
    EXPECT_EQ(rows[0][9], "");
    EXPECT_EQ(rows[0][yourPlanetsDevelColumn], "");
}

// Races A, B, C, ... with the production of turn t given per race.
struct Stats {
    std::vector<turnstatnode> turns;
    std::vector<chartracerecord> races;
};

Stats stats(const std::vector<std::vector<double>>& perTurn, std::vector<std::string> names = {})
{
    Stats s;
    const std::size_t n = perTurn.empty() ? 0 : perTurn[0].size();
    for (std::size_t k = 0; k < n; ++k) {
        if (names.size() <= k) names.push_back(std::string(1, static_cast<char>('A' + k)));
        s.races.push_back({names[k], false});
    }
    for (std::size_t t = 0; t < perTurn.size(); ++t) {
        turnstatnode node;
        node.turn = static_cast<int>(t);
        for (std::size_t k = 0; k < n; ++k) {
            if (perTurn[t][k] < 0) continue; // no record of the race in that turn
            racestatrecord r;
            r.name = names[k];
            r.production = perTurn[t][k];
            node.races.push_back(r);
        }
        s.turns.push_back(node);
    }
    return s;
}

std::vector<bool> shown(const std::vector<chartracerecord>& races)
{
    std::vector<bool> out;
    for (const chartracerecord& r : races) out.push_back(r.display);
    return out;
}

TEST(ChartRaces, SelectionByBoxAndCheckBoxes)
{
    // Best values: A 5, B 9 (turn 2, beyond turn 1), C 7, D 7 (tie: C first), E 1, F none.
    Stats s = stats({{5, 1, 2, 7, 1, -1}, {1, 2, 7, 1, 1, -1}, {1, 9, 1, 1, 1, -1}},
                    {"A", "Nation_12", "C", "D", "E", "Nation_x"});
    const ChartData data(s.turns, s.races, gtStandard, 0);
    auto select = [&](ChartChoice c, int turn = 1) {
        selectChartRaces(s.races, data, c, turn);
        return shown(s.races);
    };
    EXPECT_EQ(select({chartAll}), std::vector<bool>(6, true));
    EXPECT_EQ(select({chartAll, true}), (std::vector<bool>{true, false, true, true, true, true}));
    EXPECT_EQ(select({chartAll, false, false, true}), std::vector<bool>(6, false));

    // Top 5 among six races up to turn 1: the race without a record is never picked.
    EXPECT_EQ(select({chartTop5}), (std::vector<bool>{true, true, true, true, true, false}));
    const auto single = select({chartFirstRace + 2});
    EXPECT_EQ(single, (std::vector<bool>{false, false, true, false, false, false}));
    // Adding keeps C; deleting the top 5 leaves only what was not picked.
    s.races[5].display = true;
    EXPECT_EQ(select({chartTop5, false, true, false}), std::vector<bool>(6, true));
    EXPECT_EQ(select({chartTop5, false, false, true}), (std::vector<bool>{false, false, false, false, false, true}));

    // A tie at 7 is won by the race listed first; a value of turn 2 counts only up to turn 2.
    Stats top = stats({{7, 7, 1}, {1, 1, 9}});
    const ChartData topData(top.turns, top.races, gtStandard, 0);
    selectChartRaces(top.races, topData, {chartTop5}, 0);
    EXPECT_EQ(shown(top.races), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(chartMaximum(top.races, topData, 3, 0), 7);
    EXPECT_EQ(chartMaximum(top.races, topData, 3, 1), 9);
}

TEST(ChartRaces, GalaxyNGMatchesByPosition)
{
    Stats s = stats({{3, 8}});
    s.turns[0].races[0].name = "1"; // the second race's record, keyed by position
    s.turns[0].races[1].name = "0";
    const ChartData byPosition(s.turns, s.races, gtGalaxyNG, 0);
    EXPECT_EQ(byPosition.value(0, 0), 8);
    EXPECT_EQ(byPosition.value(0, 1), 3);
    const ChartData byName(s.turns, s.races, gtStandard, 0);
    EXPECT_FALSE(byName.has(0, 0));
}

TEST(ChartMaximum, FlatLinesZerosAndNothing)
{
    Stats flat = stats({{5, 5}, {5, 5}});
    for (chartracerecord& r : flat.races) r.display = true;
    const ChartData flatData(flat.turns, flat.races, gtStandard, 0);
    EXPECT_EQ(chartMaximum(flat.races, flatData, 2, 1), 10);

    Stats zeros = stats({{0, 0}, {0, 0}});
    for (chartracerecord& r : zeros.races) r.display = true;
    EXPECT_DOUBLE_EQ(chartMaximum(zeros.races, ChartData(zeros.turns, zeros.races, gtStandard, 0), 2, 1), 0.1);

    // Only the shown races within the legend count.
    Stats s = stats({{2, 50, 90}});
    s.races[0].display = s.races[1].display = true;
    const ChartData data(s.turns, s.races, gtStandard, 0);
    EXPECT_EQ(chartMaximum(s.races, data, 3, 0), 50);
    EXPECT_EQ(chartMaximum(s.races, data, 1, 0), 4); // a single value counts as a flat line
    s.races[0].display = s.races[1].display = false;
    EXPECT_LT(chartMaximum(s.races, data, 3, 0), 0);
}

ChartTextMetrics fixedMetrics()
{
    return {[](std::string_view s) { return static_cast<int>(s.size()) * 7; }, 13};
}

TEST(ChartPicture, LinesPensAndAxesOnly)
{
    // Fifteen races, all flat at 5: the lines run at mid-height from x 40 to the right end.
    std::vector<std::vector<double>> values(11, std::vector<double>(15, 5));
    Stats s = stats(values);
    for (chartracerecord& r : s.races) r.display = true;
    const ChartData data(s.turns, s.races, gtStandard, 0);
    const int W = 441, H = 221;
    const ChartScene scene = buildChartScene(s.races, data, 10, W, H, 1000, 2, fixedMetrics());
    EXPECT_EQ(scene.maximum, 10);
    ASSERT_EQ(scene.picture.races.size(), 15u);
    const ChartRaceLine& first = scene.picture.races[0];
    ASSERT_EQ(first.points.size(), 11u);
    EXPECT_EQ(first.points.front().x, 40);
    EXPECT_EQ(first.points.back().x, W - 1);
    EXPECT_EQ(first.points.front().y, (H - 21) / 2);
    // The 14th race: the first one's colour, dotted; the highlighted one white and wide.
    EXPECT_EQ(scene.picture.races[13].colour, first.colour);
    EXPECT_EQ(scene.picture.races[13].pen, ChartPen::Dotted);
    EXPECT_EQ(first.pen, ChartPen::Solid);
    EXPECT_EQ(scene.picture.races[2].colour, chartHighlight);
    EXPECT_EQ(scene.picture.races[2].width, 3);
    // The value labels start at 0.
    ASSERT_FALSE(scene.picture.labels.empty());
    EXPECT_NE(std::find_if(scene.picture.labels.begin(), scene.picture.labels.end(),
                           [](const ChartText& t) { return t.text == "0.00"; }),
              scene.picture.labels.end());
    for (const ChartLine& l : scene.picture.lines) {
        EXPECT_GE(l.y1, 0);
        EXPECT_LE(std::max(l.x1, l.x2), W + 1);
    }

    // Labels wider than the room left of the axis start at the left edge.
    Stats big = stats({{123456}, {654321}});
    big.races[0].display = true;
    const ChartData bigData(big.turns, big.races, gtStandard, 0);
    const ChartScene wide = buildChartScene(big.races, bigData, 1, W, H, 1000, -1, fixedMetrics());
    EXPECT_TRUE(std::all_of(wide.picture.labels.begin(), wide.picture.labels.end(),
                            [](const ChartText& t) { return t.x >= 0; }));
    EXPECT_EQ(wide.picture.labels.back().x, 0);

    // No race shown: the axes and the turn ticks, no value axis and no line.
    for (chartracerecord& r : s.races) r.display = false;
    const ChartScene empty = buildChartScene(s.races, data, 10, W, H, 1000, -1, fixedMetrics());
    EXPECT_TRUE(empty.picture.races.empty());
    EXPECT_TRUE(std::all_of(empty.picture.lines.begin(), empty.picture.lines.end(),
                            [](const ChartLine& l) { return l.x1 == l.x2 || l.y1 == H - 19; }));
}

TEST(ChartLegend, OverflowAndPointing)
{
    Stats s = stats({std::vector<double>(8, 1)});
    for (chartracerecord& r : s.races) r.display = true;
    s.races[1].display = false;
    // Rows at 10, 24, 38 fit a strip of 60; the next shown race (index 4) does not.
    const ChartLegend legend = buildChartLegend(s.races, 60, 3);
    ASSERT_EQ(legend.rows.size(), 3u);
    EXPECT_EQ(legend.rows[2].race, 3u);
    EXPECT_TRUE(legend.rows[2].highlighted);
    EXPECT_EQ(legend.legendCount, 4u);
    const ChartData data(s.turns, s.races, gtStandard, 0);
    const ChartScene scene = buildChartScene(s.races, data, 0, 300, 200, 60, -1, fixedMetrics());
    ASSERT_EQ(scene.picture.races.size(), 3u);
    EXPECT_EQ(scene.picture.races.back().race, 3u);
    // At turn 0 every race is a single point.
    EXPECT_EQ(scene.picture.races[0].points.size(), 1u);

    EXPECT_EQ(chartLegendRaceAt(s.races, legend.legendCount, 5), -1);
    EXPECT_EQ(chartLegendRaceAt(s.races, legend.legendCount, 10), 0);
    EXPECT_EQ(chartLegendRaceAt(s.races, legend.legendCount, 30), 2);
    EXPECT_EQ(chartLegendRaceAt(s.races, legend.legendCount, 45), 3);
    EXPECT_EQ(chartLegendRaceAt(s.races, legend.legendCount, 60), -1);
}

TEST(ChartZoom, ScrollCentresThePoint)
{
    EXPECT_EQ(chartScrollCentring(200, 400, 400, 800), 200);
    EXPECT_EQ(chartScrollCentring(600, 400, 1200, 400), 0);
    EXPECT_EQ(chartScrollCentring(100, 400, 400, 800), 0);
    EXPECT_EQ(chartScrollCentring(300, 400, 400, 800), 400);
    EXPECT_EQ(chartScrollCentring(399, 400, 400, 800), 400);
    EXPECT_EQ(chartOffset(400, 300), 50);
}

} // namespace
} // namespace orrery

// The automatic intelligence on small games whose owners are known: what each rule infers.

#include "autointel.h"
#include "fileio.h"
#include "intelligence.h"
#include "minireport.h"
#include "reportreader.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace orrery;
using namespace orrery::test;

namespace {

struct MiniGame {
    TempDir dir;
    Game game;
    GameTypeChoice answer{gtStandard, false};

    MiniGame()
    {
        game.turndirectory = dir.path();
        game.reportname = "g";
        game.reportext = ".txt";
        game.gametype = gtUnknown;
    }
    void add(const MiniReport& r) { dir.write("g" + std::to_string(r.turn) + ".txt", r.text()); }
    bool run(int lastturn)
    {
        game.lastturn = lastturn;
        AutoIntelHooks hooks;
        hooks.confirmGameType = [this](std::int32_t, const std::string&) { return answer; };
        return runAutomaticIntelligence(game, hooks).ok();
    }
    // Owner index by position from a turn's file.
    std::map<std::pair<double, double>, int> owners(int turn) const
    {
        std::map<std::pair<double, double>, int> out;
        for (const turnintelrecord& r : readTurnIntel(game.turnIntelFile(turn))) out[{r.x, r.y}] = r.ownerindex;
        return out;
    }
};

MiniPlanet planet(const std::string& name, double x, double y, const std::string& table)
{
    MiniPlanet p;
    p.name = name;
    p.x = x;
    p.y = y;
    p.table = table;
    return p;
}

} // namespace

TEST(AutoIntel, TurnZeroGivesTheOtherRacesTheirHomePlanetsInTableOrder)
{
    MiniGame g;
    g.answer = {gtStandard, false};
    MiniReport r;
    r.galaxyng = false;
    r.players = {{"A"}, {"Mine"}, {"B"}, {"C"}};
    r.planets = {planet("Home", 10, 10, "own")};
    for (int i = 1; i <= 6; ++i) r.planets.push_back(planet("U" + std::to_string(i), 10.0 * i, 50, "unidentified"));
    g.add(r);
    ASSERT_TRUE(g.run(0));
    EXPECT_EQ(g.game.homeplanetcount, 1);
    EXPECT_EQ(g.game.gamedetail, "Number of homeplanets per player: 1\r\n");
    const auto owners = g.owners(0);
    // One home planet each: A (position 0), B (2) and C (3); the own race is skipped.
    const std::map<std::pair<double, double>, int> expected = {{{10, 50}, 0}, {{20, 50}, 2}, {{30, 50}, 3}};
    EXPECT_EQ(owners, expected);
    // planets.ori has the same planets; with equal home planet sizes, the own home's values.
    const auto known = readPlanetIntel(g.dir.file("planets.ori"));
    ASSERT_EQ(known.size(), 3u);
    EXPECT_EQ(known[0].size, 1000);
    EXPECT_EQ(known[0].population, 500);
}

TEST(AutoIntel, DetailTextAndBlindGalaxyWritesNoGuess)
{
    MiniGame g;
    g.answer = {gtBlind, false};
    MiniReport r;
    r.players = {{"Mine", 2}, {"B", 2}};
    r.planets = {planet("H1", 10, 10, "own"), planet("H2", 12, 10, "own"), planet("U1", 50, 50, "unidentified"),
                 planet("U2", 52, 50, "unidentified")};
    r.planets[1].size = 300;
    g.add(r);
    std::string details;
    g.game.lastturn = 0;
    AutoIntelHooks hooks;
    hooks.confirmGameType = [&](std::int32_t detected, const std::string& text) {
        details = text;
        EXPECT_EQ(detected, gtGalaxyNG);
        return GameTypeChoice{gtBlind, false};
    };
    ASSERT_TRUE(runAutomaticIntelligence(g.game, hooks));
    EXPECT_EQ(details, "Number of homeplanets per player: 2\r\nNot all homeplanets have the same size.\r\n");
    EXPECT_TRUE(g.owners(0).empty());
    EXPECT_TRUE(fileExists(g.game.turnIntelFile(0)));
}

TEST(AutoIntel, GalaxyNG31GroupsHomePlanetsByDistance)
{
    MiniGame g;
    g.answer = {gtGalaxyNG, true};
    MiniReport r;
    r.players = {{"Mine", 2}, {"A", 2}, {"B", 2}};
    r.planets = {planet("H1", 50, 50, "own"), planet("H2", 51, 50, "own"), planet("P1", 10, 10, "unidentified"),
                 planet("Q1", 80, 80, "unidentified"), planet("P2", 12, 10, "unidentified"),
                 planet("Q2", 80, 83, "unidentified")};
    g.add(r);
    ASSERT_TRUE(g.run(0));
    EXPECT_EQ(g.game.gametype, gtGalaxyNG31);
    const std::map<std::pair<double, double>, int> expected = {
        {{10, 10}, 1001}, {{12, 10}, 1001}, {{80, 80}, 1002}, {{80, 83}, 1002}};
    EXPECT_EQ(g.owners(0), expected);

    // Turn 1: P1 is seen as A's planet; A's pseudo player becomes race 1, everywhere.
    MiniReport next = r;
    next.turn = 1;
    next.planets[2].table = "A";
    g.add(next);
    ASSERT_TRUE(g.run(1));
    EXPECT_EQ(g.owners(1).at({12, 10}), 1);
    EXPECT_EQ(g.owners(1).at({10, 10}), 1);
    EXPECT_EQ(g.owners(1).at({80, 83}), 1002);
}

TEST(AutoIntel, GalaxyNG31GuessFailsWhenClustersDoNotMatchTheHomePlanets)
{
    MiniGame g;
    g.answer = {gtGalaxyNG, true};
    MiniReport r;
    r.players = {{"Mine", 2}, {"A", 2}, {"B", 2}};
    r.planets = {planet("H1", 50, 50, "own"), planet("H2", 51, 50, "own"), planet("P1", 10, 10, "unidentified"),
                 planet("P2", 12, 10, "unidentified"), planet("P3", 14, 10, "unidentified"),
                 planet("Q1", 80, 80, "unidentified")};
    g.add(r);
    ASSERT_TRUE(g.run(0));
    EXPECT_TRUE(g.owners(0).empty());
    EXPECT_EQ(readPlanetIntel(g.dir.file("planets.ori")).size(), 4u);
}

TEST(AutoIntel, ARaceGetsANewPlanetInReachOnlyWhenItIsUnambiguous)
{
    for (int newPlanets : {1, 2}) {
        SCOPED_TRACE(newPlanets);
        MiniGame g;
        MiniReport t0;
        t0.players = {{"Mine", 1}, {"X", 1}};
        t0.planets = {planet("Home", 10, 10, "own"), planet("XHome", 50, 50, "unidentified"),
                      planet("N1", 55, 50, "uninhabited"), planet("N2", 50, 55, "uninhabited"),
                      planet("Far", 95, 95, "uninhabited")};
        g.add(t0);
        MiniReport t1 = t0;
        t1.turn = 1;
        t1.players[1].planets = 2; // X gained one planet
        t1.planets[2].table = "unidentified";
        if (newPlanets == 2) t1.planets[3].table = "unidentified";
        t1.planets[4].table = "unidentified"; // out of X's reach (20 x drive tech 1)
        g.add(t1);
        ASSERT_TRUE(g.run(1));
        const auto owners = g.owners(1);
        EXPECT_EQ(owners.at({50, 50}), 1);
        EXPECT_EQ(owners.at({95, 95}), -1);
        if (newPlanets == 1) {
            EXPECT_EQ(owners.at({55, 50}), 1);
        } else {
            // Two planets for one gained: neither can be told, both stay unknown.
            EXPECT_EQ(owners.at({55, 50}), -1);
            EXPECT_EQ(owners.at({50, 55}), -1);
        }
    }
}

TEST(AutoIntel, VanishedRacesShiftTheIndexesAfterThemPseudoPlayersStay)
{
    MiniGame g;
    MiniReport t0;
    t0.players = {{"Gone", 0}, {"Mine", 1}, {"B", 1}};
    t0.planets = {planet("Home", 10, 10, "own"), planet("BHome", 30, 30, "unidentified"),
                  planet("Lost", 40, 40, "unidentified"), planet("Odd", 60, 60, "unidentified")};
    g.add(t0);
    // The turn-0 file exists: only turn 1 is inferred.
    g.dir.write("g0.ori", turnIntelText({{30, 30, 2, -1, -1, -1, -1}, {40, 40, 0, -1, -1, -1, -1},
                                         {60, 60, 1001, -1, -1, -1, -1}}));
    g.dir.write("planets.ori", "");
    MiniReport t1 = t0;
    t1.turn = 1;
    t1.players = {{"Mine", 1}, {"B", 1}};
    g.add(t1);
    ASSERT_TRUE(g.run(1));
    const auto owners = g.owners(1);
    EXPECT_EQ(owners.at({30, 30}), 1);
    EXPECT_EQ(owners.at({40, 40}), -1);
    EXPECT_EQ(owners.at({60, 60}), 1001);
}

TEST(AutoIntel, KnownPopulationSurvivesATurnThePlanetIsNotSeen)
{
    MiniGame g;
    MiniReport t0;
    t0.players = {{"Mine", 1}, {"B", 1}};
    t0.planets = {planet("Home", 10, 10, "own"), planet("BHome", 30, 30, "B")};
    g.add(t0);
    MiniReport t1 = t0;
    t1.turn = 1;
    t1.planets[1].table = "unidentified";
    g.add(t1);
    ASSERT_TRUE(g.run(1));
    // planets.ori takes a planet with its size when the reports first show the size.
    const auto known = readPlanetIntel(g.dir.file("planets.ori"));
    bool found = false;
    for (const planetintelrecord& r : known) {
        if (r.x != 30) continue;
        found = true;
        EXPECT_EQ(r.size, 1000);
    }
    EXPECT_TRUE(found);

    // Now the file knows a population; a turn in which the planet is not seen keeps it.
    std::vector<planetintelrecord> withPopulation = known;
    for (planetintelrecord& r : withPopulation)
        if (r.x == 30) r.population = 777;
    g.dir.write("planets.ori", planetIntelText(withPopulation));
    MiniReport t2 = t1;
    t2.turn = 2;
    g.add(t2);
    ASSERT_TRUE(g.run(2));
    for (const planetintelrecord& r : readPlanetIntel(g.dir.file("planets.ori"))) {
        if (r.x == 30) {
            EXPECT_EQ(r.population, 777);
        }
    }
    // The report's own race names the owner of an alien planet it lists.
    EXPECT_EQ(g.owners(0).at({30, 30}), 1);
}

TEST(AutoIntel, TurnZeroGivesEachRaceAsManyHomePlanetsAsItsStatusLineCounts)
{
    // Big started with three home planets close together among races with one, and with more
    // population and industry than the player. Owner -2: no record; "values": the own home's, else
    // all unknown. In GalaxyNG 3.1 Big's cluster holds three planets, more than the player's one.
    struct Case {
        const char* name;
        std::size_t unidentified;
        bool version31;
        std::vector<int> owners;  // turn 0 file, by unidentified planet in report order
        std::vector<bool> values; // turn 0 file and planets.ori, the same planets
    };
    const Case cases[] = {
        {"the counts share out the list", 5, false, {0, 2, 2, 2, 3}, {true, false, false, false, true}},
        {"one planet too many: one each, like the player", 6, false, {0, 2, 3, -2, -2, -2},
         {true, false, true}},
        {"GalaxyNG 3.1: no values unless all races started alike", 5, true, {-2, -2, -2, -2, -2},
         {false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MiniGame g;
        g.answer = {gtGalaxyNG, c.version31};
        MiniReport r;
        r.players = {{"A"}, {"Mine"}, {"Big", 3, 1, 1500, 1500}, {"C"}};
        r.planets = {planet("Home", 10, 10, "own")};
        const double xs[] = {20, 40, 42, 44, 60, 80};
        for (std::size_t i = 0; i < c.unidentified; ++i)
            r.planets.push_back(planet("U" + std::to_string(i), xs[i], 50, "unidentified"));
        g.add(r);
        ASSERT_TRUE(g.run(0));
        const auto records = readTurnIntel(g.game.turnIntelFile(0));
        const auto known = readPlanetIntel(g.dir.file("planets.ori"));
        ASSERT_EQ(known.size(), c.values.size());
        auto values = [](const auto& rec) {
            return std::vector{rec.size, rec.population, rec.industry, rec.resources};
        };
        for (std::size_t i = 0; i < c.unidentified; ++i) {
            SCOPED_TRACE(i);
            const auto it = std::find_if(records.begin(), records.end(),
                                         [&](const turnintelrecord& rec) { return rec.x == xs[i]; });
            EXPECT_EQ(it == records.end() ? -2 : it->ownerindex, c.owners[i]);
            if (i >= known.size()) continue;
            const auto expected =
                c.values[i] ? std::vector{1000.0, 500.0, 400.0, 5.0} : std::vector{-1.0, -1.0, -1.0, -1.0};
            EXPECT_EQ(values(known[i]), expected);
            if (it != records.end()) {
                EXPECT_EQ(values(*it), expected);
            }
        }
    }
}

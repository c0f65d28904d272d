// The intelligence files and the automatic intelligence on small games whose owners are known:
// what each rule infers.

#include "autointel.h"
#include "fileio.h"
#include "intelligence.h"
#include "minireport.h"
#include "reportreader.h"
#include "testfiles.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

using namespace orrery;
using namespace orrery::test;

namespace {

using Owners = std::map<std::pair<double, double>, int>;
constexpr int none = -99; // no record at a position

// A game in a temporary folder ("g0.txt", "g1.txt", ...) whose game type question is answered
// with `answer`.
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
    Status run(int lastturn)
    {
        game.lastturn = lastturn;
        AutoIntelHooks hooks;
        hooks.confirmGameType = [this](std::int32_t, const std::string&) { return answer; };
        return runAutomaticIntelligence(game, hooks);
    }
    // Owner index by position from a turn's file.
    Owners owners(int turn) const
    {
        Owners out;
        for (const turnintelrecord& r : readTurnIntel(game.turnIntelFile(turn))) out[{r.x, r.y}] = r.ownerindex;
        return out;
    }
};

} // namespace

TEST(IntelligenceFiles, RoundTripAndMerge)
{
    // One record a line, tab-separated, numbers with two decimals (the owner index without).
    const std::string text = turnIntelText({{1.5, 2.25, 3, 1000, -1, 12.345, 0.5}, {-3, 4, 1001}});
    EXPECT_EQ(text, "1.50\t2.25\t3\t1000.00\t-1.00\t12.35\t0.50\r\n-3.00\t4.00\t1001\t-1.00\t-1.00\t-1.00\t-1.00\r\n");
    expectSameRecords(parseTurnIntel(text), std::vector<turnintelrecord>{{1.5, 2.25, 3, 1000, -1, 12.35, 0.5}, {-3, 4, 1001}});
    EXPECT_EQ(planetIntelText({{10, 20, 500, 100, 50, 2}}), "10.00\t20.00\t500.00\t100.00\t50.00\t2.00\r\n");

    MiniGame m;
    Game& g = m.game;
    g.ownrace = "Mine";
    // The report's size of the first planet wins over the file's.
    g.turn.planets = {makePlanet("Known", 10, 20, ocOther, 700), makePlanet("Unknown", 5, 6, ocOther, unknownvalue)};
    g.turn.players = {makePlayer("Foe")};
    // A missing planets.ori reads as nothing.
    readPlanetIntelligence(g, true);
    EXPECT_TRUE(g.turn.planetintel.empty());
    m.dir.write("planets.ori", planetIntelText({{10, 20, 500, 100, 50, 2}, {5, 6, 300, -1, -1, 1}}));
    readPlanetIntelligence(g, true);
    EXPECT_EQ((std::array{g.turn.planets[0].size, g.turn.planets[0].population}), (std::array{700.0, 100.0}));
    EXPECT_EQ((std::array{g.turn.planets[1].size, g.turn.planets[1].population}), (std::array{300.0, unknownvalue}));

    // Turn intelligence: owner index 0 names the race; an index beyond the table names none.
    m.dir.write("g4.ori", turnIntelText({{5, 6, 0, 1, 2, 3, 4}, {10, 20, 7, 1, 1, 1, 1}}));
    g.currentturn = 4;
    completeTurn(g);
    // A planet with an owner keeps its values; one without takes the intelligence's.
    const planetrecord& known = g.turn.planets[0];
    const planetrecord& unknown = g.turn.planets[1];
    EXPECT_EQ(std::tuple(unknown.owner, unknown.ownercode, unknown.size), std::tuple(shortname("Foe"), -1, 300.0));
    EXPECT_EQ(std::tuple(known.owner, known.ownercode, known.population), std::tuple(shortname(), -8, 1.0));

    // Own designs: written in CR LF lines, read back as designs of the own race.
    g.shiptypes = {{"Scout", "Mine", 1, 0, 0, 0, 0, 1}, {"Raider", "Foe", 2, 1, 1, 1, 0, 1}};
    ASSERT_TRUE(writeOwnDesigns(g));
    EXPECT_EQ(readText(m.dir.file("ships.ori")), "Scout\t1.00\t0.00\t0.00\t0.00\t0.00\r\n");
    g.shiptypes.clear();
    readOwnDesigns(g);
    expectSameRecords(g.shiptypes, std::vector<shiptyperecord>{{"Scout", "Mine", 1, 0, 0, 0, 0, 0}});
}

// Every intelligence file that cannot be written (a folder has its name; permissions would not
// stop every user) gives a failure naming the file. The automatic intelligence still processes
// every turn.
TEST(IntelligenceFiles, EveryFailedWriteNamesTheFile)
{
    const struct {
        const char* blocked;
        std::function<Status(MiniGame&)> write; // none: the automatic intelligence up to lastturn
        int lastturn = -1;
    } rows[] = {
        {"planets.ori", [](MiniGame& m) { return writePlanetIntelligence(m.game); }},
        {"g4.ori", [](MiniGame& m) { return writeTurnIntelligence(m.game, 4); }},
        {"ships.ori", [](MiniGame& m) { m.game.shiptypes = {makeShipType("S", "", 1, 0, 0, 0, 0)};
                                        return writeOwnDesigns(m.game); }},
        {"g0.ori", nullptr, 1},
        {"g1.ori", nullptr, 1},
        {"planets.ori", nullptr, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.blocked);
        MiniGame m;
        for (int turn : {0, 1}) m.add(MiniReport{.turn = turn, .players = {{"Mine"}, {"X"}}, .planets = {{"Home", 10, 10, "own"}}});
        std::filesystem::create_directory(m.dir.file(row.blocked));
        const Status written = row.write ? row.write(m) : m.run(row.lastturn);
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error().file, m.dir.file(row.blocked));
        EXPECT_NE(written.error().text().find(m.dir.file(row.blocked)), std::string::npos);
        for (int t = 0; t <= row.lastturn; ++t) {
            const std::string file = "g" + std::to_string(t) + ".ori";
            EXPECT_EQ(fileExists(m.dir.file(file)), file != row.blocked) << file;
        }
    }
}

TEST(AutoIntel, TurnZeroGivesTheOtherRacesTheirHomePlanetsInTableOrder)
{
    MiniGame g;
    MiniReport r{.galaxyng = false, .players = {{"A"}, {"Mine"}, {"B"}, {"C"}}, .planets = {{"Home", 10, 10, "own"}}};
    for (int i = 1; i <= 6; ++i) r.planets.push_back({"U" + std::to_string(i), 10.0 * i, 50});
    g.add(r);
    ASSERT_TRUE(g.run(0));
    EXPECT_EQ(g.game.homeplanetcount, 1);
    EXPECT_EQ(g.game.gamedetail, "Number of homeplanets per player: 1\r\n");
    // One home planet each: A (position 0), B (2) and C (3); the own race is skipped.
    EXPECT_EQ(g.owners(0), (Owners{{{10, 50}, 0}, {{20, 50}, 2}, {{30, 50}, 3}}));
    // planets.ori has the same planets; with equal home planet sizes, the own home's values.
    const auto known = readPlanetIntel(g.dir.file("planets.ori"));
    ASSERT_EQ(known.size(), 3u);
    EXPECT_EQ(known[0].size, 1000);
    EXPECT_EQ(known[0].population, 500);
}

// Turn 0 tells the number of home planets and whether they are of one size; the game type window
// decides the rest: Blind Galaxy guesses no owners (the file is written empty), and home planets
// of different sizes give the guessed ones no values.
TEST(AutoIntel, DetailTextAndWhatTheGameTypeAllows)
{
    for (std::int32_t type : {gtBlind, gtGalaxyNG}) {
        SCOPED_TRACE(type);
        MiniGame g;
        g.add({.players = {{"Mine", 2}, {"B", 2}},
               .planets = {{"H1", 10, 10, "own"}, {"H2", 12, 10, "own", 300}, {"U1", 50, 50}, {"U2", 52, 50}}});
        std::string details;
        g.game.lastturn = 0;
        AutoIntelHooks hooks;
        hooks.confirmGameType = [&](std::int32_t detected, const std::string& text) {
            details = text;
            EXPECT_EQ(detected, gtGalaxyNG);
            return GameTypeChoice{type, false};
        };
        ASSERT_TRUE(runAutomaticIntelligence(g.game, hooks));
        EXPECT_EQ(details, "Number of homeplanets per player: 2\r\nNot all homeplanets have the same size.\r\n");
        EXPECT_TRUE(fileExists(g.game.turnIntelFile(0)));
        expectSameRecords(readTurnIntel(g.game.turnIntelFile(0)),
                          type == gtBlind ? std::vector<turnintelrecord>{}
                                          : std::vector<turnintelrecord>{{50, 50, 1}, {52, 50, 1}});
    }
}

// GalaxyNG 3.1 lists the planets in no order of the races: home planets within 10 of each other
// are one pseudo player. A pseudo player whose planet shows its owner becomes that race, and the
// pseudo number the race had is exchanged for it; every race's reach is 20 x the largest drive
// tech of all races, whatever it gained.
TEST(AutoIntel, GalaxyNG31GroupsHomePlanetsByDistance)
{
    MiniGame g;
    g.answer = {gtGalaxyNG, true};
    MiniReport r{.players = {{"Mine", 2}, {"A", 2}, {"B", 2, 2.0}},
                 .planets = {{"H1", 50, 50, "own"}, {"H2", 51, 50, "own"}, {"P1", 10, 10}, {"Q1", 80, 80},
                             {"P2", 12, 10}, {"Q2", 80, 83}, {"N1", 80, 50, "uninhabited"}, {"N2", 12, 40, "uninhabited"}}};
    g.add(r);
    ASSERT_TRUE(g.run(0));
    EXPECT_EQ(g.game.gametype, gtGalaxyNG31);
    EXPECT_EQ(g.owners(0), (Owners{{{10, 10}, 1001}, {{12, 10}, 1001}, {{80, 80}, 1002}, {{80, 83}, 1002}}));

    // Turn 1: P1 is seen as B's planet (race 2), and B gained a planet; new are the planets 30
    // from the Q cluster and 30 from the P cluster.
    r.turn = 1;
    r.players[2].planets = 3;
    r.planets[2].table = "B";
    r.planets[6].table = r.planets[7].table = "unidentified";
    g.add(r);
    ASSERT_TRUE(g.run(1));
    EXPECT_EQ(g.owners(1),
              (Owners{{{10, 10}, 2}, {{12, 10}, 2}, {{80, 80}, 1001}, {{80, 83}, 1001}, {{80, 50}, 1001},
                      {{12, 40}, 2}}));
}

TEST(AutoIntel, GalaxyNG31GuessFailsWhenClustersDoNotMatchTheHomePlanets)
{
    MiniGame g;
    g.answer = {gtGalaxyNG, true};
    g.add({.players = {{"Mine", 2}, {"A", 2}, {"B", 2}},
           .planets = {{"H1", 50, 50, "own"}, {"H2", 51, 50, "own"}, {"P1", 10, 10}, {"P2", 12, 10}, {"P3", 14, 10},
                       {"Q1", 80, 80}}});
    ASSERT_TRUE(g.run(0));
    EXPECT_TRUE(g.owners(0).empty());
    EXPECT_EQ(readPlanetIntel(g.dir.file("planets.ori")).size(), 4u);
}

// Possible owners of a planet first seen unidentified: the races with a planet within reach of it
// (20 x drive tech, inclusive) that gained planets since the turn before. A race gets no more of
// them than it gained: when more of them could only be its, it gets none (ambiguity), and once it
// got as many as it gained it is no possible owner of the rest (exhaustion).
TEST(AutoIntel, NewPlanetsGoToTheRaceInReachThatGainedThem)
{
    const struct {
        const char* label;
        double drive; // X's drive tech
        int gainX, gainY;
        std::vector<MiniPlanet> seen; // uninhabited in turn 0, listed so in turn 1
        Owners owners;                // some of turn 1's owners (none: no record at all)
        std::string extra = {};       // more of turn 1's report
        const char* yHome = "unidentified"; // how turn 1 lists Y's home
    } rows[] = {
        {"at the reach", 1, 1, 0, {{"N", 70, 50}}, {{{70, 50}, 1}, {{50, 50}, 1}, {{50, 80}, 2}}},
        {"beyond the reach", 1, 1, 0, {{"N", 70.5, 50}}, {{{70.5, 50}, -1}}},
        {"the reach grows with the drive", 1.5, 1, 0, {{"N", 79, 50}}, {{{79, 50}, 1}}},
        {"no gain, no planet", 1, 0, 0, {{"N", 55, 50}}, {{{55, 50}, -1}}},
        {"two for one gained: neither", 1, 1, 0, {{"N1", 55, 50}, {"N2", 45, 50}}, {{{55, 50}, -1}, {{45, 50}, -1}}},
        {"two for two gained", 1, 2, 0, {{"N1", 55, 50}, {"N2", 45, 50}}, {{{55, 50}, 1}, {{45, 50}, 1}}},
        {"X exhausted by the planet only it reaches", 1, 1, 1, {{"N1", 35, 50}, {"N2", 50, 65}},
         {{{35, 50}, 1}, {{50, 65}, 2}}},
        {"listed under its owner", 1, 0, 0, {{"N", 20, 20, "Y"}}, {{{20, 20}, 2}}},
        {"a bombed planet loses its owner", 1, 0, 0, {}, {{{50, 80}, -1}},
         "\t\tBombings\r\n\r\nW O N P I P $ M C\r\nX Y YHome 0 0 - 0 0 0\r\n\r\n"},
        {"an uninhabited planet has no owner", 1, 0, 0, {}, {{{50, 80}, none}}, "", "uninhabited"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        MiniGame g;
        // X's home at 50,50 and Y's at 50,80 are the unidentified planets of turn 0, in the order
        // of the status table.
        MiniReport r{.players = {{"Mine", 1}, {"X", 1, row.drive}, {"Y", 1}},
                     .planets = {{"Home", 10, 10, "own"}, {"XHome", 50, 50}, {"YHome", 50, 80}}};
        for (MiniPlanet p : row.seen) r.planets.push_back({p.name, p.x, p.y, "uninhabited"});
        g.add(r);
        r.turn = 1;
        r.players[1].planets += row.gainX;
        r.players[2].planets += row.gainY;
        std::copy(row.seen.begin(), row.seen.end(), r.planets.begin() + 3);
        r.planets[2].table = row.yHome;
        r.extra = row.extra;
        g.add(r);
        ASSERT_TRUE(g.run(1));
        const Owners owners = g.owners(1);
        for (const auto& [at, owner] : row.owners)
            EXPECT_EQ(owners.count(at) ? owners.at(at) : none, owner) << at.first << "," << at.second;
    }
}

// A race that vanished (no planets the turn before, gone from the status table) takes its
// records along; the races after it move up one place, pseudo players keep their numbers. A
// planet that is uninhabited has no owner.
TEST(AutoIntel, VanishedRacesShiftTheIndexesAfterThemPseudoPlayersStay)
{
    MiniGame g;
    MiniReport t0{.players = {{"Gone", 0}, {"B", 1}, {"Mine", 1}},
                  .planets = {{"Home", 10, 10, "own"}, {"BHome", 30, 30}, {"Lost", 40, 40}, {"Odd", 60, 60},
                              {"Free", 70, 70, "uninhabited"}}};
    g.add(t0);
    // The turn-0 file exists: only turn 1 is inferred.
    g.dir.write("g0.ori", turnIntelText({{30, 30, 1}, {40, 40, 0}, {60, 60, 1001}, {70, 70, 1}}));
    g.dir.write("planets.ori", "");
    t0.turn = 1;
    t0.players = {{"B", 1}, {"Mine", 1}};
    g.add(t0);
    ASSERT_TRUE(g.run(1));
    EXPECT_EQ(g.owners(1), (Owners{{{30, 30}, 0}, {{40, 40}, -1}, {{60, 60}, 1001}}));
}

TEST(AutoIntel, KnownPopulationSurvivesATurnThePlanetIsNotSeen)
{
    MiniGame g;
    MiniReport t0{.players = {{"Mine", 1}, {"B", 1}}, .planets = {{"Home", 10, 10, "own"}, {"BHome", 30, 30, "B"}}};
    g.add(t0);
    MiniReport t1 = t0;
    t1.turn = 1;
    t1.planets[1].table = "unidentified";
    g.add(t1);
    ASSERT_TRUE(g.run(1));
    // planets.ori takes a planet with its size when the reports first show the size.
    auto known = readPlanetIntel(g.dir.file("planets.ori"));
    const auto bhome = std::find_if(known.begin(), known.end(), [](const planetintelrecord& r) { return r.x == 30; });
    ASSERT_NE(bhome, known.end());
    EXPECT_EQ(bhome->size, 1000);

    // Now the file knows a population; a turn in which the planet is not seen keeps it.
    bhome->population = 777;
    g.dir.write("planets.ori", planetIntelText(known));
    t1.turn = 2;
    g.add(t1);
    ASSERT_TRUE(g.run(2));
    for (const planetintelrecord& r : readPlanetIntel(g.dir.file("planets.ori")))
        if (r.x == 30) {
            EXPECT_EQ(r.population, 777);
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
        r.planets = {{"Home", 10, 10, "own"}};
        const double xs[] = {20, 40, 42, 44, 60, 80};
        for (std::size_t i = 0; i < c.unidentified; ++i)
            r.planets.push_back({"U" + std::to_string(i), xs[i], 50, "unidentified"});
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

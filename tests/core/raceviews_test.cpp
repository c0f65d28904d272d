// The turn overview, the races table and the searches, built from hand-made turns.

#include "raceviews.h"
#include "stringgridmodel.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace orrery;

namespace {

playerrecord race(const char* name, double planets, double population = 1000, double industry = 1000, double drive = 1)
{
    playerrecord p;
    p.name = name;
    p.relation = "W";
    p.drivetech = drive, p.weapontech = 1, p.shieldtech = 1, p.cargotech = 1;
    p.population = population, p.industry = industry, p.planetcount = planets;
    return p;
}

planetrecord planet(const char* name, double x, double y, std::int32_t ownercode, const char* altname = "")
{
    planetrecord p;
    p.name = name, p.altname = altname, p.x = x, p.y = y, p.ownercode = ownercode;
    return p;
}

battlegrouprecord ships(std::int32_t before, std::int32_t survivors) { return {"G", 1.0, before, survivors}; }

// Five races; "Gone" left the game after the previous turn, so every race after it stands one
// place higher in this turn's status table than in the previous one.
Game leavingGame(std::int32_t type = gtGalaxyNG)
{
    Game g;
    g.gametype = type;
    g.ownrace = "Mine";
    g.turn.previousplayers = {race("Gone", 0), race("Mine", 4), race("Zeta", 9), race("alpha", 3), race("Beta", 9)};
    g.turn.players = {race("Mine", 4), race("Zeta", 5), race("alpha", 1), race("Beta", 6), race("Newcomer", 2)};
    g.turn.vanishedraces = {"Gone"};
    return g;
}

bool hasLineContaining(const std::vector<std::string>& lines, const std::string& part)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return contains(l, part); });
}

} // namespace

// Races are compared with their own previous entry: a race that left shifts nobody, a race
// without one gives no line, losses are told only beyond a third, and each group is sorted by
// name without regard to case.
TEST(TurnOverview, OtherRacesArePairedByNameAndSortedByName)
{
    const std::vector<std::string> lines = turnOverviewLines(leavingGame());
    const std::vector<std::string> expected = {
        "Information about other players:",
        "   Player Gone leaved the game.",
        "",
        "   Player alpha looses    2 of    3 planets.",
        "   Player Zeta looses    4 of    9 planets.",
        "",
    };
    EXPECT_EQ(lines, expected);

    // One planet to none: the singular; gains beyond a third of the new count are told too.
    Game g = leavingGame();
    g.turn.previousplayers[3].planetcount = 1, g.turn.players[2].planetcount = 0;
    g.turn.previousplayers[4].planetcount = 3;
    const std::vector<std::string> more = turnOverviewLines(g);
    EXPECT_TRUE(hasLineContaining(more, "   Player alpha looses    1 of    1 planet."));
    EXPECT_TRUE(hasLineContaining(more, "   Player Beta increases the number of planets by    3 to    6."));
}

TEST(TurnOverview, ProductionAndTechnologyLines)
{
    Game g;
    g.gametype = gtGalaxyNG;
    g.ownrace = "Mine";
    // Production 1000 + (3000 - 1000) / 4 = 1500 against 1000; drive up by 0.5 (more than
    // 0.8 * 1000 / 5000); weapons up by only 0.1.
    g.turn.previousplayers = {race("Rich", 5, 1000, 1000, 1.0)};
    g.turn.players = {race("Rich", 5, 3000, 1000, 1.5)};
    g.turn.players[0].weapontech = 1.1;
    const std::vector<std::string> lines = turnOverviewLines(g);
    EXPECT_TRUE(hasLineContaining(lines, "   Player Rich increases production points by 500.00 to 1500.00."));
    EXPECT_TRUE(hasLineContaining(lines, "   Player Rich increases drive technology by  0.50 to  1.50."));
    EXPECT_FALSE(hasLineContaining(lines, "weapon"));
}

// The galaxy counts and the personal lines: colonised and bombed planets by position, battles
// won (also without enemies), lost (with the own planet there) and standoffs.
TEST(TurnOverview, GalaxyAndPersonalSections)
{
    Game g;
    g.gametype = gtStandard;
    g.ownrace = "Mine";
    g.turn.previousplanets = {planet("A", 1, 1, ocUninhabited), planet("B", 2, 2, ocUninhabited),
                              planet("Home", 3, 3, ocOwn), planet("C", 4, 4, ocOther)};
    g.turn.planets = {planet("A", 1, 1, ocOwn), planet("B", 2, 2, ocOther), planet("Home", 3, 3, ocOther),
                      planet("C", 4, 4, ocUninhabited)};
    g.turn.previousplayers = {race("Mine", 2)};
    g.turn.players = {race("Mine", 4)};
    g.turn.battles = {
        {"Alone", {{"Mine", {ships(3, 3)}}}},
        {"Home", {{"Mine", {ships(2, 0)}}, {"Them", {ships(5, 1)}}}},
        {"Far", {{"Mine", {ships(2, 1)}}, {"Them", {ships(5, 1)}}}},
    };
    const std::vector<std::string> expected = {
        "Overall information:",
        "   A total of 2 planets are colonized this turn.",
        "   A total of 1 planet is bombed this turn.",
        "",
        "Personal information:",
        "   You colonized 1 planet.",
        "   You lost 1 planet.",
        "   You won 1 battle.",
        "   You lost 1 battle.",
        "   Standoff in 1 battle.",
        "",
    };
    EXPECT_EQ(turnOverviewLines(g), expected);

    g.gametype = gtGalaxyNG;
    EXPECT_EQ(turnOverviewLines(g)[1], "   At least a total of 2 planets are colonized this turn.");

    // Blind Galaxy tells only the personal news; without any there is nothing special.
    Game blind = leavingGame(gtBlind);
    blind.turn.previousplanets = g.turn.previousplanets;
    blind.turn.planets = g.turn.planets;
    EXPECT_EQ(turnOverviewLines(blind), std::vector<std::string>{"Nothing special happened this turn."});
}

// Two rows per race: values, then changes against the race's own previous entry; a new race has
// an empty change row; rows are ordered by production points, or by their change.
TEST(RacesTable, ValueAndChangeRowsSortAsBlocks)
{
    Game g = leavingGame();
    g.turn.players[1].industry = 1500;  // Zeta: industry above population counts as it is
    g.turn.players[2].relation = "P";
    g.turn.players[3].population = 5000; // Beta: 1000 + 4000 / 4 = 2000, as before
    g.turn.previousplayers[4].population = 5000;
    const std::vector<RaceEntry> races = raceEntries(g);
    ASSERT_EQ(races.size(), 5U);
    EXPECT_FALSE(races[4].change.has_value()); // Newcomer
    const RaceEntry& zeta = races[1];
    ASSERT_TRUE(zeta.change.has_value());
    EXPECT_EQ((*zeta.change)[static_cast<std::size_t>(RaceValue::Planets)], -4); // 9 -> 5, not 3 -> 5
    EXPECT_EQ(zeta.values[static_cast<std::size_t>(RaceValue::ProdPoints)], 1500);
    EXPECT_EQ(races[2].relationship, "Peace");

    StringGridModel grid;
    fillRacesGrid(grid, races, false);
    ASSERT_EQ(grid.rowCount(), 11);
    EXPECT_EQ(grid.cell(0, 1), "Beta");
    EXPECT_EQ(grid.cell(9, 1), formatFixed(2000, 5, 2));
    EXPECT_EQ(grid.cell(9, 2), "");
    EXPECT_EQ(grid.cell(7, 2), formatFixed(-3, 4, 0));
    EXPECT_EQ(grid.cell(0, 3), "Zeta");
    EXPECT_EQ(grid.cell(7, 4), formatFixed(-4, 4, 0));
    EXPECT_EQ(grid.cell(9, 4), formatFixed(500, 5, 2));
    EXPECT_EQ(grid.cell(1, 4), ""); // drive unchanged
    const int newcomer = grid.FindRow(0, "Newcomer");
    ASSERT_GT(newcomer, 0);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(grid.cell(c, newcomer + 1), "") << c;
    EXPECT_EQ(grid.cell(8, grid.FindRow(0, "alpha")), "Peace");

    // By difference: Zeta's +500 leads, Beta's unchanged production falls behind.
    fillRacesGrid(grid, races, true);
    EXPECT_EQ(grid.cell(0, 1), "Zeta");
    EXPECT_GT(grid.FindRow(0, "Beta"), 1);
    const std::vector<const RaceEntry*> order = entriesInGridOrder(grid, races);
    ASSERT_EQ(order.size(), races.size());
    EXPECT_EQ(order[0], &races[1]);
}

TEST(Searches, FindPlanetIgnoresCaseAndKnowsAltnames)
{
    const std::vector<planetrecord> planets = {planet("Altair", 1, 1, ocOther), planet("Vega", 2, 2, ocOther, "#12"),
                                               planet("ALTAIR", 3, 3, ocOther), planet("\xc4rm", 4, 4, ocOther)};
    EXPECT_EQ(findPlanetByName(planets, "altair"), &planets[0]);
    EXPECT_EQ(findPlanetByName(planets, "#12"), &planets[1]);
    EXPECT_EQ(findPlanetByName(planets, "\xe4rm"), &planets[3]); // Latin-1 lower case of the capital
    EXPECT_EQ(findPlanetByName(planets, "Alta"), nullptr);
    EXPECT_EQ(findPlanetByName(planets, ""), nullptr);
    EXPECT_EQ(planetChoices(planets), (std::vector<std::string>{"#12", "ALTAIR", "Altair", "Vega", "\xc4rm"}));

    const Game g = leavingGame();
    EXPECT_EQ(raceChoices(g), (std::vector<std::string>{"alpha", "Beta", "Newcomer", "Zeta"}));
}

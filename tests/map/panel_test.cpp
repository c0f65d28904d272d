// The planet panel's texts and the groups grid.

#include "maptestgame.h"
#include "planetpanel.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orrery {
namespace {

using namespace maptest;
using test::Strings;

// A label's text, or "(kept)" when the label keeps the text it had.
std::string shown(const std::optional<std::string>& label) { return label.value_or("(kept)"); }

// The labels of a planet: the name with its label in Blind Galaxy, position as 3:2, the other
// values as 4:2 and empty when unknown. A refresh after a change of turn (position -99999) keeps
// the position labels; a ship mark empties every planet label; "nothing" clears the name and the
// position and leaves the rest.
TEST(PlanetPanel, TextsOfEachMode)
{
    Game game = galaxy(100, 100, gtBlind);
    planetrecord& p = game.turn.planets.emplace_back(makePlanet("Home", 12.5, 7, ocOwn, 1000));
    std::tie(p.altname, p.owner, p.producing) = std::tuple{shortname("12"), shortname("Me"), shortname("Drive")};
    // MAT 12.375 is a tie: to even.
    std::tie(p.population, p.industry, p.resources, p.capital, p.material, p.colonists) =
        std::tuple{500.0, 300.0, 2.0, 0.0, 12.375, unknownvalue};
    game.turn.planets.push_back(makePlanet("Beta", 3, 4));
    const PlanetPanelTexts t = planetPanelTexts(game, PanelShows::Planet, &game.turn.planets[0], "Home", 12.5, 7);
    EXPECT_EQ(t.panelobject, "Home");
    EXPECT_EQ(t.selection, "Name: 12 (Home)");
    const Strings expected = {"X: 12.50", "Y: 7.00", "Owner: Me", "Producing: Drive", "Size: 1000.00",
                              "Population: 500.00", "Industrie: 300.00", "Resources: 2.00", "CAP: 0.00",
                              "MAT: 12.38", ""};
    EXPECT_EQ((Strings{shown(t.xpos), shown(t.ypos), shown(t.owner), shown(t.producing), shown(t.size),
                       shown(t.population), shown(t.industrie), shown(t.resources), shown(t.cap), shown(t.mat),
                       shown(t.col)}),
              expected);

    const PlanetPanelTexts refresh =
        planetPanelTexts(game, PanelShows::Planet, &game.turn.planets[1], "Beta", unknownposition, unknownposition);
    EXPECT_EQ((Strings{shown(refresh.selection), shown(refresh.xpos), shown(refresh.ypos), shown(refresh.owner)}),
              (Strings{"Name: Beta", "(kept)", "(kept)", ""}));

    const PlanetPanelTexts mark = planetPanelTexts(game, PanelShows::MapMark, nullptr, "Enemy ship", 3, 4.25);
    EXPECT_EQ(mark.panelobject, "Enemy ship");
    EXPECT_EQ((Strings{shown(mark.selection), shown(mark.xpos), shown(mark.ypos)}),
              (Strings{"Selected: Enemy ship", "X: 3.00", "Y: 4.25"}));
    for (const auto* label : {&mark.owner, &mark.producing, &mark.size, &mark.resources, &mark.population,
                              &mark.industrie, &mark.production, &mark.maxShip, &mark.maxTech, &mark.cap, &mark.mat,
                              &mark.col})
        EXPECT_EQ(shown(*label), "");

    const PlanetPanelTexts nothing = planetPanelTexts(game, PanelShows::Nothing, nullptr, "", 3, 4);
    EXPECT_EQ((Strings{shown(nothing.selection), shown(nothing.xpos), shown(nothing.ypos), shown(nothing.owner),
                       shown(nothing.size)}),
              (Strings{"", "", "", "(kept)", "(kept)"}));
}

// Production is the industry plus a quarter of the population beyond it (or the population when
// below the industry); ship mass x resources / (10 x resources + 1); technology / 5000. "Max." is
// at full population (the size); an unknown figure shows as -1, an empty label when both are.
TEST(PlanetPanel, ProductionFigures)
{
    struct Row {
        const char* what;
        double size, population, industry, resources;
        std::string production, mass, tech;
    };
    for (const Row& r : {
             Row{"population above industry", 1000, 500, 300, 2, "max./cur. production: 1000.000 / 350.000",
                 "max./cur. mass: 95.238 / 33.333", "max./cur. tech: 0.200 / 0.070"},
             Row{"population below industry: production is the population", 800, 100, 300, 1,
                 "max./cur. production: 800.000 / 100.000", "max./cur. mass: 72.727 / 9.091",
                 "max./cur. tech: 0.160 / 0.020"},
             Row{"unknown population: current -1", 1000, unknownvalue, unknownvalue, 1,
                 "max./cur. production: 1000.000 / -1.000", "max./cur. mass: 90.909 / -1.000",
                 "max./cur. tech: 0.200 / -1.000"},
             Row{"unknown resources: no current production, no mass", 1000, 500, 500, unknownvalue,
                 "max./cur. production: 1000.000 / -1.000", "", "max./cur. tech: 0.200 / -1.000"},
             Row{"nothing known: all empty", unknownvalue, unknownvalue, unknownvalue, unknownvalue, "", "", ""},
         }) {
        SCOPED_TRACE(r.what);
        Game game = galaxy();
        planetrecord& p = game.turn.planets.emplace_back(makePlanet("P", 1, 1, ocOther, r.size));
        std::tie(p.population, p.industry, p.resources) = std::tuple{r.population, r.industry, r.resources};
        const PlanetPanelTexts t = planetPanelTexts(game, PanelShows::Planet, &game.turn.planets[0], "P", 1, 1);
        EXPECT_EQ(t.production, r.production);
        EXPECT_EQ(t.maxShip, r.mass);
        EXPECT_EQ(t.maxTech, r.tech);
        EXPECT_EQ(t.population == "", r.population == unknownvalue);
    }
}

grouprecord warship(const char* at, double number)
{
    grouprecord g = makeGroup(number, "Cruiser", 3, at);
    // Empty mass 30: defence 1 x 10 / 30^(1/3) x 30^(1/3) = 10.
    std::tie(g.drive, g.attacks, g.weapons, g.shields, g.weapontech) = std::tuple{15.0, 1.0, 5.0, 10.0, 1.5};
    return g;
}

grouprecord freighter(const char* at, double number)
{
    grouprecord g = makeGroup(number, "Hauler", 12, at);
    // Holds (100 / 10 + 10) x 1 = 20; 5 colonists loaded.
    std::tie(g.drive, g.cargo, g.cargotype, g.cargoquantity) = std::tuple{10.0, 10.0, shortname("COL"), 5.0};
    return g;
}

grouprecord battleEntry(const char* type, const char* at, int survivors)
{
    grouprecord g = makeGroup(unknownvalue, type, 4, at);
    std::tie(g.inbattle, g.survivors) = std::tuple{std::uint8_t{1}, survivors};
    return g;
}

struct GroupsFixture : testing::Test {
    Game game = galaxy(100, 100, gtBlind);
    void SetUp() override
    {
        game.turn.planets = {makePlanet("Alpha", 1, 1)};
        game.turn.planets[0].altname = "12";
        grouprecord flying = freighter("Alpha", 9);
        flying.distance = 4.5;
        game.turn.racegroups = {
            {"Me", {warship("Alpha", 7), freighter("Alpha", 8), flying, battleEntry("Cruiser", "Alpha", 0),
                    warship("Beta", 10)}},
            {"Them", {warship("Alpha", unknownvalue), battleEntry("Raider", "Alpha", 0),
                      battleEntry("Raider", "Alpha", 2), makeGroup(unknownvalue, "Ghost", 2, "Alpha")}},
        };
    }
    Strings types(const GroupsAtPlanet& grid)
    {
        Strings out;
        for (const GroupRow& row : grid.rows) out.push_back(row.race.str() + ":" + row.cells[3]);
        return out;
    }
};

// Listed: own groups at the planet that are not battle entries, other races' groups with ships
// left, but no other race's battle entry when an own battle entry there survived. The filters hide
// groups without attacks or cargo; the yellow marker stays while any group is there.
TEST_F(GroupsFixture, WhichGroupsAreListed)
{
    struct Row {
        const char* what;
        GroupFilter filter;
        std::vector<grouprecord> ownExtra;
        Strings listed;
    };
    for (const Row& r : {
             Row{"all: not the own group in flight, battle entry or group elsewhere, nor the alien battle "
                 "entry without survivors", GroupFilter::All, {},
                 {"Me:Cruiser", "Me:Hauler", "Them:Cruiser", "Them:Raider", "Them:Ghost"}},
             Row{"an own surviving battle entry hides the others' entries", GroupFilter::All,
                 {battleEntry("Cruiser", "Alpha", 1)}, {"Me:Cruiser", "Me:Hauler", "Them:Cruiser", "Them:Ghost"}},
             Row{"military", GroupFilter::Military, {}, {"Me:Cruiser", "Them:Cruiser"}},
             Row{"transport", GroupFilter::Transport, {}, {"Me:Hauler"}},
         }) {
        SCOPED_TRACE(r.what);
        Game g = game;
        for (const grouprecord& extra : r.ownExtra) g.turn.racegroups[0].groups.push_back(extra);
        const GroupsAtPlanet grid = FillGroupsAtPlanet(g, "Alpha", r.filter);
        EXPECT_EQ(grid.caption, "Groups at planet 12:");
        EXPECT_EQ(types(grid), r.listed);
        EXPECT_TRUE(grid.hasGroups);
    }
    // Only warships here: "transport" lists nothing, yet the marker stays.
    game.turn.racegroups = {{"Me", {warship("Alpha", 1)}}};
    const GroupsAtPlanet grid = FillGroupsAtPlanet(game, "Alpha", GroupFilter::Transport);
    EXPECT_TRUE(grid.rows.empty());
    EXPECT_TRUE(grid.hasGroups);
    EXPECT_FALSE(FillGroupsAtPlanet(game, "Nowhere", GroupFilter::All).hasGroups);
}

// The cells of a row: attacks as count x weapons x tech, defence, speeds fully loaded and now, the
// cargo; other races' groups have no number, a battle entry counts its survivors; a group whose
// ship type was never seen has no masses, so neither defence nor speeds.
TEST_F(GroupsFixture, RowTexts)
{
    const GroupsAtPlanet grid = FillGroupsAtPlanet(game, "Alpha", GroupFilter::All);
    ASSERT_EQ(grid.rows.size(), 5u);
    using Cells = std::array<std::string, 11>;
    EXPECT_EQ(grid.rows[0].cells,
              (Cells{"Me", "  7", "  3", "Cruiser", " 1x7.50", "10.00", "10.00", "10.00", "", "", ""}));
    // Hauler: empty mass 20, full load 20 more: 200 / 40 and 200 / 25.
    EXPECT_EQ(grid.rows[1].cells,
              (Cells{"Me", "  8", " 12", "Hauler", "", "", "5.00", "8.00", "20.00", "COL", "5.00"}));
    EXPECT_EQ(grid.rows[1].group, &game.turn.racegroups[0].groups[1]);
    EXPECT_EQ(grid.rows[2].race, "Them");
    EXPECT_EQ(grid.rows[2].cells[1], "");
    EXPECT_EQ(grid.rows[3].cells[2], "2");
    EXPECT_EQ(grid.rows[4].cells, (Cells{"Them", "", "  2", "Ghost", "", "", "", "", "", "", ""}));
}

} // namespace
} // namespace orrery

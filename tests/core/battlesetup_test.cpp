// How the battle window fills its tables: the groups at the planet of the planet panel, rows taken
// over into a side, the ship designer's fields, and the checks of typed cells.

#include "battlesetup.h"
#include "gamedata.h"
#include "shipdesign.h"

#include <gtest/gtest.h>

using namespace orrery;

namespace {

grouprecord group(const char* name, const char* location, double ships)
{
    grouprecord g;
    g.name = name;
    g.location = location;
    g.shipcount = ships;
    g.drive = 2;
    return g;
}

std::vector<std::string> typesOf(const std::vector<BattleRow>& rows)
{
    std::vector<std::string> types;
    for (const BattleRow& row : rows) types.push_back(row[bcType] + "/" + row[bcNumber]);
    return types;
}

BattleRow named(const char* type) { return BattleRow{"1", type}; }

} // namespace

TEST(BattleSetup, GroupsAtThePanelPlanet)
{
    Game game;
    game.ownrace = "Us";
    planetrecord home, twin, other;
    home.name = "Home", home.x = 12.5, home.y = 30;
    twin.name = "Twin", twin.x = 12.5, twin.y = 30; // a second planet at the same place is not asked
    other.name = "Other", other.x = 12.5, other.y = 31;
    game.turn.planets = {other, home, twin};

    grouprecord flying = group("Flyer", "Home", 1);
    flying.distance = 3.5;
    grouprecord ownFought = group("Fought", "Home", 2);
    ownFought.inbattle = 1, ownFought.survivors = 2;
    grouprecord alienDead = group("Dead", "Home", 4);
    alienDead.inbattle = 1, alienDead.survivors = 0;
    grouprecord alienAlive = group("Alive", "Home", 5);
    alienAlive.inbattle = 1, alienAlive.survivors = 1;
    game.turn.racegroups = {
        {"Them", {group("Seen", "Home", 7), alienDead, group("Elsewhere", "Other", 1), alienAlive}},
        {"Us", {group("Mine", "Home", 3), flying, ownFought, group("AtTwin", "Twin", 1)}},
    };
    // Every race in list order; "No." is the ship count even for survivors of a battle.
    EXPECT_EQ(typesOf(groupsAtPlanetRows(game, 12.5, 30)),
              (std::vector<std::string>{"Seen/  7", "Alive/  5", "Mine/  3"}));
    EXPECT_TRUE(groupsAtPlanetRows(game, 12.5, 30.5).empty());

    // The races' own tables: "ID" first, then the side's row.
    EXPECT_EQ(raceGroupRows(game, 0).size(), 4u);
    EXPECT_TRUE(raceGroupRows(game, 2).empty());
    grouprecord numbered = group("Mine", "Home", 3);
    numbered.groupnumber = 17;
    const BattleGroupsRow row = battleGroupsRowOf(numbered);
    EXPECT_EQ(row[0], "  17");
    EXPECT_EQ(withoutId(row), battleRowOf(numbered));

    // The panel's labels hold the position from their fourth character on.
    const auto at = panelPlanetPosition("X: 12.50", "Y:  30.00");
    ASSERT_TRUE(at);
    EXPECT_EQ(*at, std::pair(12.5, 30.0));
    for (const auto& [x, y] : {std::pair{"X: ", "Y: 1"}, {"", ""}, {"X: 1", "Y: north"}, {"X: 1,5", "Y: 1"}})
        EXPECT_FALSE(panelPlanetPosition(x, y)) << x << " " << y;
}

TEST(BattleSetup, RowsTakenIntoASide)
{
    // The blank row of an empty side is filled first.
    std::vector<BattleRow> side = emptySideTable();
    addToSide(side, {named("A"), named("B")});
    EXPECT_EQ(typesOf(side), (std::vector<std::string>{"A/1", "B/1"}));
    // Otherwise rows follow the last row, blank rows included.
    side.emplace_back();
    addToSide(side, {named("C")});
    EXPECT_EQ(typesOf(side), (std::vector<std::string>{"A/1", "B/1", "/", "C/1"}));
    // A single row that holds something stays.
    std::vector<BattleRow> typed{BattleRow{"", "", "", "", "", "", "", "", "", "", "", " 2"}};
    addToSide(typed, {named("D")});
    EXPECT_EQ(typed.size(), 2u);
    std::vector<BattleRow> untouched = emptySideTable();
    addToSide(untouched, {});
    EXPECT_EQ(untouched, emptySideTable());

    deleteSideRow(side, 1);
    EXPECT_EQ(typesOf(side), (std::vector<std::string>{"A/1", "/", "C/1"}));
    deleteSideRow(side, 7);
    EXPECT_EQ(side.size(), 3u);
    std::vector<BattleRow> last{named("E")};
    deleteSideRow(last, 0);
    EXPECT_EQ(last, emptySideTable());

    EXPECT_EQ(sideTable({}), emptySideTable());
    EXPECT_EQ(sideTable({named("F"), {}}).size(), 2u);
}

TEST(BattleSetup, RowsToAndFromTheShipDesigner)
{
    const DesignerFields design{"Cruiser", {"10", "2", "5", "8", "0", "2", "2.5", "3", "1"}};
    const BattleRow row = designerRow(design);
    EXPECT_EQ(row, (BattleRow{"", "Cruiser", "10", "2", "5", "8", "0", "", "2", "2.5", "3", "1"}));
    const DesignerFields back = designerFieldsOf(row);
    EXPECT_EQ(back.name, design.name);
    EXPECT_EQ(back.fields, design.fields);
    // Empty cells as the designer needs them; padded cells without their blanks.
    const DesignerFields filled = designerFieldsOf({"3", "", "", "  2", " ", "", "", "7", "", "1.50", "", ""});
    EXPECT_EQ(filled.name, "");
    EXPECT_EQ(filled.fields, (std::array<std::string, 9>{"0", "2", "0", "0", "0", "1.00", "1.50", "1.00", "1.00"}));
}

TEST(BattleSetup, TypedCellsAndSimulationCount)
{
    const struct {
        int column;
        const char* text;
        bool accepted;
    } cells[] = {
        {bcAttacks, "2.5", false}, {bcAttacks, "2", true},   {bcNumber, "  3", true},  {bcNumber, "-1", true},
        {bcNumber, "1e2", false},  {bcNumber, "", true},     {bcDrive, "1.5", true},   {bcWeapons, "x", false},
        {bcCargoTech, "2.", true}, {bcQuantity, "5a", false}, {bcType, "Big Ship 2.5", true}, {bcShieldTech, " ", true},
    };
    for (const auto& c : cells) EXPECT_EQ(battleCellAccepted(c.column, c.text), c.accepted) << c.column << " " << c.text;
    for (const char* text : {"", "12", " 7"}) EXPECT_TRUE(simulationFieldAccepted(text)) << text;
    for (const char* text : {"1.5", "a", "-"}) EXPECT_FALSE(simulationFieldAccepted(text)) << text;
}

// The transporter planner: what a planet still needs, which ships each phase uses, the turn limit,
// merging and splitting groups into orders, ships and planets it can never use, and its moves
// on real games passing the move checker.

#include "movechecker.h"
#include "moveeditor.h"
#include "testfiles.h"
#include "testkit.h"
#include "transporter.h"

#include <gtest/gtest.h>

namespace orrery {
namespace {

// A hauler of capacity `capacity` (cargo 10, so the hold is 20 x cargo tech), drive 10: empty
// it flies 10 per turn, with a load q at 200 / (20 + q).
grouprecord hauler(double number, double ships, const char* at, double capacity)
{
    grouprecord g = test::makeGroup(number, "Hauler", ships, at);
    g.drive = 10, g.cargo = 10, g.drivetech = 1, g.cargotech = capacity / 20.0;
    return g;
}

planetrecord planet(const char* name, double x, double size, double population, double industry)
{
    planetrecord p = test::makePlanet(name, x, 0, ocOwn, size);
    p.population = population, p.industry = industry, p.resources = 1, p.capital = 0, p.colonists = 0;
    return p;
}

// Own planets on a line: the stock planets Depot (x 0: 100 COL, 100 CAP) and Shed
// (x 1: 6 COL), and the planets to develop Alpha (x 5: needs 10 colonists and no capital),
// Beta (x 6: needs 50 capital), Far (x 15) and Lost (position unknown).
Game transportGame(std::vector<grouprecord> groups)
{
    Game game;
    game.gametype = gtGalaxyNG;
    game.ownrace = "Orion";
    game.turn.players.push_back(test::makePlayer("Orion"));
    planetrecord depot = planet("Depot", 0, 500, 500, 500);
    depot.colonists = 100, depot.capital = 100;
    planetrecord shed = planet("Shed", 1, 500, 500, 500);
    shed.colonists = 6;
    planetrecord lost = planet("Lost", unknownposition, 500, 100, 100);
    lost.y = unknownposition;
    game.turn.planets = {depot, shed, planet("Alpha", 5, 500, 420, 500), planet("Beta", 6, 100, 100, 50),
                         planet("Far", 15, 500, 100, 100), lost};
    game.turn.planets[2].altname = "Home";
    racegrouprecord own;
    own.name = "Orion";
    own.groups = std::move(groups);
    game.turn.racegroups.push_back(own);
    return game;
}

TransportPlan plan(const Game& game, std::vector<double> groups, std::vector<std::string> planets, int turns = 3)
{
    Result<TransportPlan> p = planTransports(game, groups, planets, turns);
    EXPECT_TRUE(p) << (p ? "" : p.error().text());
    return p ? *p : TransportPlan{};
}

TEST(TransporterPlanner, NeedsAndPhases)
{
    // Alpha (size 500, population 420, industry 500) needs (500 - 420) / 8 = 10 colonists: a
    // hold of 8 counts 8 / 2 = 4 against it, so one ship goes on full-load terms, the second
    // only as any load, the third not at all. It needs no capital, though Depot has plenty.
    const Game game = transportGame({hauler(1, 3, "Depot", 8)});
    const TransportPlan p = plan(game, {1}, {"Alpha"});
    ASSERT_EQ(p.ships.size(), 3u);
    for (int i : {0, 1}) {
        EXPECT_EQ(p.ships[i].destination, "Alpha");
        EXPECT_EQ(p.ships[i].load, "COL");
        EXPECT_DOUBLE_EQ(p.ships[i].loadAmount, 8.0);
    }
    EXPECT_NE(p.ships[2].destination, "Alpha");
    EXPECT_DOUBLE_EQ(p.planets[0].assignedColonists, 16.0);
    EXPECT_DOUBLE_EQ(p.planets[0].assignedCapital, 0.0);
    // 16 colonists grow 128 people: the population reaches the size, production 420 -> 500.
    EXPECT_DOUBLE_EQ(p.result, 80.0);
    EXPECT_EQ(resultText(p.result), " 80.00");

    // A hold of 10 at Shed (6 colonists, not above 0.8 x 10) waits for phase 2, while a full
    // hold from Depot is taken in phase 1 though listed later.
    const Game two = transportGame({hauler(2, 1, "Shed", 10), hauler(3, 1, "Depot", 10)});
    const TransportPlan q = plan(two, {2, 3}, {"Far"});
    EXPECT_EQ(q.ships[1].assignment, 1);
    EXPECT_EQ(q.ships[0].assignment, 2);
    EXPECT_DOUBLE_EQ(q.ships[0].loadAmount, 6.0);
    EXPECT_EQ(q.ships[0].destination, "Far");
}

TEST(TransporterPlanner, TurnLimitAndUnreachable)
{
    // Far is 15 from Depot: a loaded hauler (speed 200 / 30) needs 3 turns, so limit 2 leaves
    // it for the empty flights; a ship without drive and a planet of unknown position are never
    // used, whatever the limit.
    grouprecord still = hauler(2, 1, "Depot", 10);
    still.drive = 0;
    grouprecord unknownType = test::makeGroup(3, "Ghost", 1, "Depot");
    unknownType.typeknown = false;
    const Game game = transportGame({hauler(1, 1, "Depot", 10), still, unknownType});
    EXPECT_NE(plan(game, {1}, {"Far"}, 2).ships[0].destination, "Far");
    EXPECT_EQ(plan(game, {1}, {"Far"}, 3).ships[0].destination, "Far");
    // With limit 1 only a target within reach of one turn: Alpha (5 away) is, Far is not.
    EXPECT_EQ(plan(game, {1}, {"Far", "Alpha"}, 1).ships[0].destination, "Alpha");
    const TransportPlan p = plan(game, {1, 2, 3}, {"Lost", "Far"}, maxPlanTurns);
    EXPECT_EQ(p.ships[0].destination, "Far");
    EXPECT_TRUE(p.ships[1].destination.empty());
    EXPECT_TRUE(p.ships[2].destination.empty());
    EXPECT_DOUBLE_EQ(p.planets[0].assignedColonists + p.planets[0].assignedCapital, 0.0);

    for (const char* bad : {"0", "abc", "", "2.5", "-3"})
        EXPECT_EQ(parseTurnLimit(bad).error().text(), msgTurnsNotNumber) << bad;
    EXPECT_EQ(parseTurnLimit("101").error().text(), msgTurnsTooMany);
    EXPECT_EQ(*parseTurnLimit(" 100 "), 100);
    EXPECT_EQ(planTransports(game, {}, {"Far"}, 2).error().text(), msgTransporterListEmpty);
    EXPECT_EQ(planTransports(game, {1}, {}, 2).error().text(), msgPlanetListEmpty);
}

TEST(TransporterPlanner, OrdersSplitGroupsWithMax)
{
    // Group 7 (3 ships of hold 4 at Depot): two ships carry colonists to Alpha, the third
    // capital to Beta. The two go as one split-off group, the third is what is left of 7.
    const Game game = transportGame({hauler(7, 3, "Depot", 4)});
    const std::vector<PlannedOrder> orders = transportOrders(plan(game, {7}, {"Home", "Beta"}));
    const std::vector<std::pair<OrderKind, OrderFields>> expected = {
        {OrderKind::Load, {"COL", "7", "2"}}, {OrderKind::SendGroup, {"MAX", "Home", ""}},
        {OrderKind::Load, {"CAP", "7", ""}},  {OrderKind::SendGroup, {"7", "Beta", ""}}};
    ASSERT_EQ(orders.size(), expected.size());
    for (std::size_t i = 0; i < orders.size(); ++i) {
        EXPECT_EQ(orders[i].kind, expected[i].first) << i;
        EXPECT_EQ(orders[i].fields, expected[i].second) << i;
    }
    // In the move the split gives "L 7 COL 2" and "S MAX Home", and the checker agrees.
    MoveEditor editor(game);
    ASSERT_TRUE(editor.setMoveForm(MoveForm::Raw));
    editor.setGameName("Test");
    editor.setRaceName("Orion");
    ASSERT_TRUE(addTransportOrders(editor, orders));
    const std::vector<std::string> raw = editor.rawLines().valueOr({});
    ASSERT_GE(raw.size(), 3u);
    EXPECT_EQ(raw[1].substr(0, 9), "L 7 COL 2");
    EXPECT_EQ(raw[2].substr(0, 10), "S MAX Home");
    EXPECT_EQ(CheckMove(raw, game), "");
}

TEST(TransporterPlanner, DefaultListsOfTheWindow)
{
    grouprecord busy = hauler(2, 1, "Depot", 10);
    busy.inbattle = 1;
    grouprecord flying = hauler(3, 1, "Depot", 10);
    flying.distance = 4;
    grouprecord small = hauler(4, 1, "Depot", 10);
    small.cargo = 1;
    const Game game = transportGame({hauler(1, 1, "Depot", 10), busy, flying, small});
    std::vector<double> numbers;
    for (const grouprecord* g : transporterGroups(game, 1.0)) numbers.push_back(g->groupnumber);
    EXPECT_EQ(numbers, std::vector<double>{1});
    EXPECT_EQ(transporterGroups(game, 0.0).size(), 2u);
    // Developed planets (Depot, Shed) are left out; the rest by production x size, largest
    // first: Alpha 420, Far 100, Lost 100 (list order kept), Beta 62.5 x 100 / 500 = 12.5.
    std::vector<std::string> names;
    for (const planetrecord* p : planetsToDevelop(game)) names.push_back(p->name.str());
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Far", "Lost", "Beta"}));
}

TEST(TransporterPlanner, RealGamesGiveCorrectMoves)
{
    ORRERY_REQUIRE_CORPUS();
    const std::string samples = test::corpusDir() + "samples/";
    for (const char* turn : {"gng-daily8-farmers/turn10.txt", "gng-daily8-farmers/turn25.txt",
                             "gng-chaos/chaos61.txt", "gng-clash-koniba/turn36.txt"}) {
        SCOPED_TRACE(turn);
        const Game game = test::loadTurn(samples + turn);
        std::vector<double> groups;
        if (const racegrouprecord* own = ownGroups(game))
            for (const grouprecord& g : own->groups) groups.push_back(g.groupnumber);
        std::vector<std::string> planets;
        for (const planetrecord* p : planetsToDevelop(game)) planets.push_back(p->name.str());
        if (groups.empty() || planets.empty()) continue;
        for (int turns : {1, 4}) {
            const TransportPlan p = plan(game, groups, planets, turns);
            EXPECT_GE(p.result, 0.0);
            MoveEditor editor(game);
            ASSERT_TRUE(editor.setMoveForm(MoveForm::Raw));
            editor.setGameName("Test");
            editor.setRaceName(game.ownrace.view());
            const std::vector<PlannedOrder> orders = transportOrders(p);
            if (turns == 4) {
                EXPECT_FALSE(orders.empty());
            }
            ASSERT_TRUE(addTransportOrders(editor, orders));
            EXPECT_EQ(CheckMove(editor.rawLines().valueOr({}), game), "");
        }
    }
}

TEST(TransporterPlanner, TableRowsAndChoosers)
{
    // Hold 8 (cargo 10 at cargo tech 0.4), drive 10, empty mass 20, carrying 2 colonists: full
    // it flies 200 / 28, as loaded 200 / 22.
    grouprecord h = hauler(5, 2, "Alpha", 8);
    h.cargotype = "COL", h.cargoquantity = 2;
    grouprecord none = hauler(6, 1, "Depot", 8);
    none.cargo = 0;
    const Game game = transportGame({h, hauler(1, 1, "Depot", 10), none});
    EXPECT_EQ(transporterRow(game, h),
              (std::vector<std::string>{"5", "2 x Hauler", "Home", "COL", "2.00", "8.00", "7.14", "9.09"}));
    EXPECT_EQ(transporterRow(game, none)[5], "");
    const std::vector<std::string> alpha = developRow(game.turn.planets[2]);
    EXPECT_EQ(alpha[0], "Home");
    EXPECT_EQ(alpha[3], "500.00");
    EXPECT_NE(alpha[9].find(" / "), std::string::npos);

    // Choosers offer what is not yet listed; a chosen line gives back its group.
    const std::vector<std::string> lines = transporterChoices(game, {1});
    ASSERT_EQ(lines, std::vector<std::string>{"5: 2 x Hauler at planet Home (speed 9.09)"});
    EXPECT_EQ(choiceGroupNumber(lines[0]), 5.0);
    EXPECT_EQ(developChoices(game, {"Far"}), (std::vector<std::string>{"Beta", "Home", "Lost"}));
    EXPECT_EQ(findPlanetByShownName(game, "Home"), &game.turn.planets[2]);
    EXPECT_EQ(*parseCargoValue(" 2.5"), 2.5);
    EXPECT_EQ(parseCargoValue("x").error().text(), msgNoNumberGiven);
}

} // namespace
} // namespace orrery

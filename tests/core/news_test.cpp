// The news pages: the report's sections, the battle summaries, bombings with the unidentified
// count, the groups of a race, incoming groups and which pages are shown; on small hand-built
// turns and on a real game.

#include "news.h"
#include "testfiles.h"
#include "testkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

battlegrouprecord fought(const char* type, int before, int survivors, double mass)
{
    return {type, mass, before, survivors};
}

Strings texts(const std::vector<BattleLine>& lines)
{
    Strings out;
    for (const BattleLine& l : lines) out.push_back(l.text);
    return out;
}

// Three battles: one the own race was not in, one every enemy died in, one both sides survived.
Game battleGame()
{
    Game g;
    g.ownrace = "Mine";
    g.turn.planets = {makePlanet("P1", 1, 1), makePlanet("P2", 2, 2), makePlanet("P3", 3, 3)};
    g.turn.planets[2].altname = "Vega";
    g.turn.battles = {
        {"P1", {{"Them", {fought("Guard", 3, 3, 10)}}}},
        {"P2", {{"Mine", {fought("Lancer", 4, 1, 12.5)}}, {"Them", {fought("Guard", 2, 0, 10)}}}},
        {"P3", {{"Mine", {fought("Lancer", 4, 2, 12.5)}}, {"Them", {fought("Guard", 5, 2, 10), fought("Probe", 1, 1, 1)}}}},
    };
    return g;
}

} // namespace

TEST(NewsBattles, ResultsAndLossesAtEachDetailLevel)
{
    const Game g = battleGame();
    EXPECT_EQ(texts(battleLines(g, 0)),
              (Strings{"Defeat at planet P1", "Victory at planet P2", "Standoff at planet Vega"}));

    const std::vector<BattleLine> one = battleLines(g, 1);
    ASSERT_EQ(one.size(), 9u);
    // No own ships to lose and the enemy left standing: a defeat, with nothing destroyed.
    EXPECT_EQ(one[1].text, "   none of 3 enemy ships destroyed (total mass destroyed: 0.00).");
    EXPECT_EQ(one[2].text, "   Enemy destroyed none of your 0 ships (total mass destroyed: 0.00).");
    EXPECT_EQ(one[4].text, "   all of 2 enemy ships destroyed (total mass destroyed: 20.00).");
    EXPECT_EQ(one[5].text, "   Enemy destroyed 3 of your 4 ships (total mass destroyed: 37.50).");
    EXPECT_EQ(one[7].text, "   3 of 6 enemy ships destroyed (total mass destroyed: 30.00).");

    const Strings two = texts(battleLines(g, 2));
    const Strings vega(two.end() - 8, two.end());
    EXPECT_EQ(vega[3], "      Mine:");
    EXPECT_EQ(vega[4], "         2 of 4 ships of type Lancer lost (total mass lost: 25.00).");
    EXPECT_EQ(vega[5], "      Them:");
    EXPECT_EQ(vega[6], "         3 of 5 ships of type Guard lost (total mass lost: 30.00).");
    EXPECT_EQ(vega[7], "         None of 1 ships of type Probe lost (total mass lost: 0.00).");
}

TEST(NewsBattles, EveryLineLeadsToItsPlanetAndTheDropDownFindsTheResult)
{
    Game g = battleGame();
    g.turn.battles.push_back(g.turn.battles[0]); // a second battle at P1 is listed once
    EXPECT_EQ(battlePlanets(g), (Strings{"P1", "P2", "Vega"}));
    const std::vector<BattleLine> lines = battleLines(g, 2);
    const int vega = battleLineOf(lines, "Vega");
    ASSERT_GE(vega, 0);
    EXPECT_EQ(lines[static_cast<std::size_t>(vega)].text, "Standoff at planet Vega");
    for (std::size_t i = static_cast<std::size_t>(vega); i < static_cast<std::size_t>(vega) + 8; ++i)
        EXPECT_EQ(lines[i].planet, "Vega") << lines[i].text;
    EXPECT_TRUE(lines.at(static_cast<std::size_t>(vega) + 8).result); // the battle appended at P1
    EXPECT_EQ(battleLineOf(lines, "Nowhere"), -1);
}

TEST(NewsBombings, PlanetValuesFillGapsAndLossesArePairedByRaceName)
{
    Game g;
    g.turn.planets = {makePlanet("B1", 1, 1), makePlanet("B2", 2, 2)};
    g.turn.planets[0].population = 300, g.turn.planets[0].capital = 5, g.turn.planets[0].producing = "Drive";
    g.turn.planets[0].industry = unknownvalue, g.turn.planets[0].size = unknownvalue;
    bombingrecord b{.population = unknownvalue, .industry = unknownvalue, .capital = 2, .name = "B1", .victim = "Y",
                    .attacker = "X"};
    bombingrecord unknownPlanet = b;
    unknownPlanet.name = "Elsewhere";
    g.turn.bombings = {b, unknownPlanet};
    const GridRows rows = bombingRows(g);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Strings{"B1", "Y", "X", "", "300.00", "", "2.00", "", "", "Drive"}));

    // Y left the game, which shifts Z one place up; Z lost two planets, X none.
    g.turn.previousplayers = {makePlayer("X", 3), makePlayer("Y", 5), makePlayer("Z", 4)};
    g.turn.players = {makePlayer("X", 3), makePlayer("Z", 2), makePlayer("New", 1)};
    EXPECT_EQ(bombingsLabel(g, 1), "Number of unidentified bombings: 1.");
    EXPECT_EQ(bombingsLabel(g, 2), "All bombings identified.");
    EXPECT_EQ(bombingsLabel(g, 0), "");

    const NewsContent none = buildNews(Game{}, "", 0, GroupFilter::All);
    EXPECT_FALSE(none.visible[npBombings]);
    EXPECT_EQ(none.bombingsLabel, "");
}

TEST(NewsReport, SectionsOfTheStructuredPart)
{
    const std::string report = "Header\r\nGLOBAL Messages\r\nhello all\r\nPERSONAL Messages\r\nhi you\r\n"
                               "ORDERS RECEIVED\r\n> s 1 P1\r\nFleet Alpha (speed 8.0)\r\nG # T\r\n"
                               "Beta Groups\r\nFull Report on System\r\nGLOBAL Messages\r\nlate";
    const ReportPages p = splitReportText(report);
    EXPECT_EQ(p.report.size(), 13u);
    EXPECT_EQ(p.report.back(), "late");
    EXPECT_EQ(p.globalMessages, Strings{"hello all"});
    EXPECT_EQ(p.personalMessages, Strings{"hi you"});
    EXPECT_EQ(p.fleets, (Strings{"Fleet Alpha (speed 8.0)", "G # T"}));
}

TEST(NewsGroups, SelectionFilterAndPages)
{
    Game g;
    g.ownrace = "Mine";
    g.turn.planets = {makePlanet("P1", 1, 1), makePlanet("P2", 2, 2)};
    g.turn.planets[1].altname = "Home";
    grouprecord ownBattle = makeGroup(-1, "Lancer", 2, "P1");
    ownBattle.inbattle = 1, ownBattle.survivors = 1;
    grouprecord lancers = makeGroup(1, "Lancer", 2, "P2", 4.5);
    lancers.attacks = 1, lancers.weapons = 1, lancers.drive = 1;
    grouprecord freighter = makeGroup(2, "Freighter", 1, "P1");
    freighter.cargo = 10, freighter.drive = 10, freighter.cargoquantity = 2;
    grouprecord alienBattle = makeGroup(-1, "Guard", 3, "P1");
    alienBattle.inbattle = 1, alienBattle.survivors = 3;
    grouprecord alienDead = makeGroup(-1, "Probe", 1, "P2");
    alienDead.inbattle = 1, alienDead.survivors = 0;
    grouprecord alienAway = makeGroup(-1, "Raider", 4, "P2");
    g.turn.racegroups = {{"Them", {alienBattle, alienDead, alienAway}}, {"Mine", {ownBattle, lancers, freighter}}};

    const GridRows own = raceGroupRows(g, "Mine", GroupFilter::All);
    ASSERT_EQ(own.size(), 2u); // the battle entry is left out
    EXPECT_EQ(own[0][11], "4.50");
    EXPECT_EQ(own[0][12], "Home");
    EXPECT_EQ(own[1][10], "22.00"); // hull and drive of 10 each, and the cargo carried
    EXPECT_EQ(own[1][11], "");
    EXPECT_EQ(raceGroupRows(g, "Mine", GroupFilter::Military).size(), 1u);
    EXPECT_EQ(raceGroupRows(g, "Mine", GroupFilter::Transport)[0][2], "Freighter");
    // The own battle entry survived at P1: the alien one there is hidden; the dead one too.
    const GridRows them = raceGroupRows(g, "Them", GroupFilter::All);
    ASSERT_EQ(them.size(), 1u);
    EXPECT_EQ(them[0][2], "Raider");

    const NewsContent news = buildNews(g, "", 0, GroupFilter::Transport);
    EXPECT_EQ(news.races[static_cast<std::size_t>(news.race)], "Mine");
    EXPECT_TRUE(news.visible[npGroups]);
    g.ownrace = "Them";
    const NewsContent noCargo = buildNews(g, "", 0, GroupFilter::Transport);
    EXPECT_FALSE(noCargo.visible[npGroups]);
    EXPECT_EQ(noCargo.groups.rowCount(), 2);
    EXPECT_TRUE(noCargo.visible[npReport]);
}

TEST(NewsIncoming, RowsSortedByDestinationAndAClickSelectsBothEnds)
{
    Game g;
    g.turn.planets = {makePlanet("A", 10, 10), makePlanet("B", 20, 20)};
    incomingrecord toB{.origin = "O", .originowner = "X", .destination = "B", .distance = 12, .speed = 3.5,
                       .mass = 100, .originx = 1, .originy = 2, .destinationx = 20, .destinationy = 20};
    incomingrecord toA = toB;
    toA.destination = "A", toA.destinationx = 10, toA.destinationy = 10, toA.originx = unknownposition;
    g.turn.incominggroups = {toB, toA};
    const StringGridModel grid = buildNews(g, "", 0, GroupFilter::All).incoming;
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(2, 1), "A");
    EXPECT_EQ(grid.cell(3, 2), "12.00");

    const auto rowOf = [&grid](int r) {
        Strings row;
        for (int c = 0; c < grid.columnCount(); ++c) row.push_back(grid.cell(c, r));
        return row;
    };
    EXPECT_FALSE(pickIncoming(g, rowOf(1))); // its origin is not known
    const std::optional<IncomingPick> pick = pickIncoming(g, rowOf(2));
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->first.x, 1);
    EXPECT_EQ(pick->first.name, "O");
    EXPECT_EQ(pick->second.y, 20);
    EXPECT_EQ(pick->destination, &g.turn.planets[1]);
}

TEST(NewsCorpus, RealBattlesBombingsAndMessages)
{
    ORRERY_REQUIRE_CORPUS();
    TempDir dir;
    ASSERT_TRUE(copyCorpus("gng-game1/alpha", dir.path()));
    const Game nine = loadTurn(dir.file("alpha9.txt"));
    // Alpha's scout died at Gemma while Gamma lost nothing; Delta's 40 fighters died at 56.
    EXPECT_EQ(texts(battleLines(nine, 0)), (Strings{"Defeat at planet Gemma", "Victory at planet 56"}));
    const NewsContent news = buildNews(nine, readText(dir.file("alpha9.txt")), 1, GroupFilter::All);
    EXPECT_EQ(news.battles[1].text, "   none of 119 enemy ships destroyed (total mass destroyed: 0.00).");
    EXPECT_EQ(news.bombings.cell(0, 1), "56");
    EXPECT_EQ(news.bombingsLabel, "All bombings identified."); // Delta lost planet 56 and nothing else was lost
    for (NewsPage p : {npBattles, npBombings, npIncomingGroups, npGroups, npStockpiles, npReport})
        EXPECT_TRUE(news.visible[p]) << newsPageCaptions()[p];

    const NewsContent two = buildNews(loadTurn(dir.file("alpha2.txt")), readText(dir.file("alpha2.txt")), 0,
                                      GroupFilter::All);
    EXPECT_TRUE(two.visible[npGlobalMessages]);
    EXPECT_NE(std::find(two.text.globalMessages.begin(), two.text.globalMessages.end(),
                        "Beta greets the galaxy. We come in peace (mostly)."),
              two.text.globalMessages.end());
    EXPECT_FALSE(two.visible[npBattles]);
}

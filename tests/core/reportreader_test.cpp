// The reader's rules on small hand-written reports: headings, table ends, dialect columns, the
// passes after the main read, and broken input.

#include "intelligence.h"
#include "reportreader.h"
#include "testfiles.h"
#include "testkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

std::string crlf(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view l : lines) (text += l) += "\r\n";
    return text;
}

const std::string dashes(80, '-');

// A small GalaxyNG report of turn 3 for race "Mine" with the parts each test needs.
std::string ngReport(std::string_view body)
{
    return crlf({"From: server@example.org", "Subject: Galaxy Game Test Turn 3 Report for Mine", "",
                 "\tGalaxyNG release-6-4, January 2005.", "", "\t\tGalaxy Game Test Turn 3 Report for Mine", "",
                 "\t\tStatus of Players", "", "N  D W S C P I # R", "Mine 1.00 1.00 1.00 1.00 100.00 90.00 1 -",
                 "Other 2.00 1.00 1.00 1.00 50.00 40.00 1 War", "", "\t\tYour Ship Types", "", "N D A W S C",
                 "Ship 1.00 1 2.00 3.00 4.00", "", "\t\tOther Ship Types", "", "N D A W S C",
                 "Raider 2.00 2 1.00 1.00 0.00", ""}) +
           std::string(body);
}

Game readTexts(const std::string& current, const std::string* previous = nullptr,
               std::vector<turnintelrecord> previousintel = {})
{
    Game game;
    game.gametype = gtUnknown;
    const ReportText cur(current);
    std::optional<ReportText> prev;
    TurnTexts texts{nullptr, &cur, std::move(previousintel)};
    if (previous) texts.previous = &prev.emplace(*previous);
    showTurnRead(game, readReport(texts, GameValues::of(game), game.shiptypes), 3);
    return game;
}

} // namespace

TEST(ReportReader, HeaderOwnRaceAndGameTypeFromThePreamble)
{
    const Game r = readTexts(ngReport(""));
    EXPECT_EQ(r.gametype, gtGalaxyNG);
    // The mail subject holds the same words but is never the header line.
    EXPECT_EQ(r.ownrace, "Mine");
    ASSERT_EQ(r.turn.players.size(), 2u);
    EXPECT_EQ(r.turn.players[1].relation, "War");
    EXPECT_EQ(r.turn.players[1].drivetech, 2);

    // Own race: text after "Report for" and one more character, blanks to "_", cut at 20 and
    // then before a comma.
    const Game named = readTexts(crlf({"Galaxy game X Turn 1 Report for  The Red  Legion, Inc.", "\t\tStatus of Players",
                                       "", "N", "The Red Legion 1 1 1 1 10 10 1"}));
    EXPECT_EQ(named.ownrace, "The_Red__Legion");
    // Standard Galaxy names may hold blanks: the name is all before the seven numbers.
    playerrecord legion = makePlayer("The_Red_Legion", 1, 1);
    std::tie(legion.weapontech, legion.shieldtech, legion.cargotech, legion.population, legion.industry) =
        std::tuple(1, 1, 1, 10, 10);
    expectSameRecords(named.turn.players, {legion});
    // No preamble marks on the shown turn: the type stays unknown (read like Standard Galaxy);
    // the previous report decides Standard Galaxy, or what its preamble shows.
    EXPECT_EQ(named.gametype, gtUnknown);
    const std::string me = crlf({"Galaxy Game X Turn 3 Report for Me"});
    const std::string previous = crlf({"Galaxy Game X Turn 2 Report for Me", "\t\tStatus of Players"});
    EXPECT_EQ(readTexts(me, &previous).gametype, gtStandard);
    const std::string blind = crlf({"Executable version: 4.2b", "Galaxy Game X Turn 2 Report for Me"});
    EXPECT_EQ(readTexts(me, &blind).gametype, gtBlind);
}

// A table ends at an empty line, at a line that begins with a character of code below 33 or of
// 123 and more, and where the detailed system reports begin; any other line is a data line.
TEST(ReportReader, TablesEndAtTheFirstLineThatCannotBeData)
{
    const struct {
        const char* line;
        bool ends;
    } rows[] = {
        {"", true}, {" Far 3 4", true}, {"\tFar 3 4", true}, {"{Far 3 4", true}, {"\xE9" "Far 3 4", true},
        {"Full Report on System Far", true}, {"Partial Report on System Far", true},
        {"!Far 3 4", false}, {"zFar 3 4", false}, {"Far 3 4", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.line));
        for (const std::string table : {"Status of Players", "Your Planets", "Uninhabited Planets"}) {
            SCOPED_TRACE(table);
            std::string text = crlf({"\tGalaxyNG", "Galaxy Game X Turn 3 Report for Mine"});
            const bool players = table == "Status of Players";
            if (!players) text += crlf({"\t\tStatus of Players", "", "N", "Mine 1 1 1 1 1 1 1", ""});
            text += crlf({"\t\t" + table, "", "N X Y", "Home 1 2 3 4 5 6 7", row.line, "Last 1 2 3 4 5 6 7", ""});
            const Game r = readTexts(text);
            EXPECT_EQ(players ? r.turn.players.size() : r.turn.planets.size(), row.ends ? 1u : 3u);
        }
    }
}

TEST(ReportReader, GroupsAtAPlanetHaveNoDistanceColumnAndUnknownTypesStayHarmless)
{
    const Game r = readTexts(ngReport(crlf({
        "\t\tYour Planets", "", "N X Y S P I R P $ M C L", "Home 10.00 20.00 1000.00 900.00 800.00 10.00 Drive 1 2 3 4",
        "", "\t\tYour Groups", "", "G # T D W S C T Q D R O",
        " 1  5 Ship 1.00 1.00 1.00 1.00 COL 2.50 Home", " 2  3 Ship 1.50 1.00 1.00 1.00 - 0.00 Far 7.25 Home",
        " 3  1 Ghost 1.00 1.00 1.00 1.00 - - Home", "", "\t\tOther Groups", "", "# T D W S C T Q D",
        "4 Raider 1.00 1.00 1.00 0.00 - 0.00 Home", ""})));
    const auto& mine = r.turn.racegroups.at(0).groups;
    ASSERT_EQ(mine.size(), 3u);
    grouprecord first = makeGroup(1, "Ship", 5, "Home");
    std::tie(first.drive, first.attacks, first.weapons, first.shields, first.cargo) = std::tuple(1, 1, 2, 3, 4);
    std::tie(first.cargotype, first.cargoquantity) = std::tuple("COL", 2.5);
    expectSameRecord(mine[0], first);
    EXPECT_EQ(mine[1].location, "Far");
    EXPECT_EQ(mine[1].distance, 7.25);
    // A ship type that is not among the designs: name, count and number only, speed 0.
    grouprecord ghost = makeGroup(3, "Ghost", 1, "Home");
    ghost.typeknown = false;
    expectSameRecord(mine[2], ghost);
    EXPECT_EQ(speed(mine[2]), 0);

    const planetrecord& home = r.turn.planets.at(0);
    EXPECT_EQ(home.owngroups, 1);
    EXPECT_EQ(home.aliengroups, 1);
    EXPECT_EQ(home.alienraces, std::vector<shortname>{"Other"});
    // Speeds of the ships at the planet: Ship (mass 1 + 3 + 4 + 2 = 10 + cargo 2.5) and Raider
    // (2 + 1 + 0 + 1 for the first weapon + 0.5 for the second); the ghost group has no speed and
    // the group in flight is not at the planet.
    EXPECT_EQ(home.groupspeeds, (std::vector<double>{20.0 * 1 * 1 / 12.5, 20.0 * 2 * 1 / 4.5}));
    EXPECT_TRUE(home.fleetspeeds.empty());
    // Strength scales: the only planet with groups has the largest values.
    EXPECT_EQ(home.shipscale, 15);
    EXPECT_EQ(home.attackscale, 15);
}

TEST(ReportReader, GroupTablesBeforeThePlanetsAreBattleEntries)
{
    const Game r = readTexts(ngReport(crlf({
        "\t\tBattle at Home", "", "\t\tYour Groups", "", "# T D W S C T Q L", " 8 Ship 1.00 1.00 1.00 0.00 - 0.00  6",
        "", "\t\tOther Groups", "", "# T D W S C T Q L", "4 Raider 1.00 1.00 1.00 0.00 - 0.00 0", "",
        "\t\tYour Planets", "", "N X Y S P I R P $ M C L", "Home 1 2 3 4 5 6 Drive 1 2 3 4", ""})));
    // Ships before the battle, survivors, and the full mass of one ship.
    expectSameRecords(r.turn.battles, std::vector<battlerecord>{{"Home", {{"Mine", {{"Ship", 1 + 2 + 3 + 4, 8, 6}}},
                                                                           {"Other", {{"Raider", 2 + 1 + 0.5 + 1, 4, 0}}}}}});
    const grouprecord& entry = r.turn.racegroups.at(0).groups.at(0);
    EXPECT_EQ(entry.inbattle, 1);
    EXPECT_EQ(entry.location, "Home");
    EXPECT_EQ(entry.groupnumber, unknownvalue);
    const planetrecord& home = r.turn.planets.at(0);
    EXPECT_EQ(home.hadbattle, 1);
    // A battle entry is not a group staying at the planet; the destroyed raiders are not there.
    EXPECT_EQ(home.owngroups, 0);
    EXPECT_EQ(home.aliengroups, 0);
}

TEST(ReportReader, PlanetTablesOfEveryKind)
{
    const Game r = readTexts(ngReport(crlf({
        "\t\tYour Planets", "", "N X Y S P I R P $ M C L", "Home 10.00 20.00 1000.00 900.00 800.00 10.00 Drive 1 2 3", "",
        "\t\tOther Planets", "", "N X Y S P I R P $ M C L", "Far 30.00 40.00 500.00 400.00 300.00 5.00 Ship 0 0 0", "",
        "\t\tUnidentified Planets", "", "N X Y", "17 5.00 6.00", "",
        "\t\tUninhabited Planets", "", "N X Y S R $ M", "18 7.00 8.00 250.00 1.50", "19 9.00 9.00", ""})));
    planetrecord home = makePlanet("Home", 10, 20, ocOwn, 1000);
    home.owner = "Mine";
    home.producing = "Drive";
    std::tie(home.population, home.industry, home.resources, home.capital, home.material, home.colonists) =
        std::tuple(900.0, 800.0, 10.0, 1.0, 2.0, 3.0);
    planetrecord far = makePlanet("Far", 30, 40, ocOther, 500);
    far.owner = "Other";
    far.isalien = 1;
    far.producing = "Ship";
    std::tie(far.population, far.industry, far.resources, far.capital, far.material, far.colonists) =
        std::tuple(400.0, 300.0, 5.0, 0.0, 0.0, 0.0);
    // Unidentified planets show only their position; uninhabited ones size and resources, and an
    // empty size column stores the unknown value.
    planetrecord empty = makePlanet("18", 7, 8, ocUninhabited, 250);
    empty.resources = 1.5;
    const std::vector<planetrecord> expected = {home, far, makePlanet("17", 5, 6, ocOther, unknownvalue), empty,
                                                makePlanet("19", 9, 9, ocUninhabited, unknownvalue)};
    expectSameRecords(r.turn.planets, expected);
}

TEST(ReportReader, TextMapBoundsRowsTabsAndMarks)
{
    const Game r = readTexts(ngReport(crlf({"10.00,20.00  110.00,20.00", dashes, "ignored first line after the frame",
                                            ".       -", "\t.", "1234567\t-", dashes, "10.00,70.00  110.00,70.00", ""})));
    EXPECT_EQ((std::array{r.mapx0, r.mapy0, r.mapwidth, r.mapheight}), (std::array{10, 20, 110, 70}));
    // Column c lies at c x width / 80 + x0; row k of n at height x k / (n - 1) + y0. A tab met
    // when the next position (from 1) is p fills up to position ((p div 8) + 1) x 8: a leading
    // tab puts the dot in column 8, a tab at position 8 the dash in column 16.
    auto x = [](int column) { return column * 110.0 / 80 + 10; };
    expectSameRecords(r.turn.mapmarks, std::vector<mapmarkrecord>{{x(0), 20, 0}, {x(8), 20, 1}, {x(8), 20 + 35, 0},
                                                                   {x(16), 20 + 70, 1}});

    // A map of a single row has no rows to spread over: its marks lie on the origin's row.
    const Game one = readTexts(ngReport(crlf({"0.00,5.00  40.00,5.00", dashes, "x", "  .", dashes, "0.00,9.00  40.00,9.00"})));
    ASSERT_EQ(one.turn.mapmarks.size(), 1u);
    EXPECT_EQ(one.turn.mapmarks[0].y, 5);
}

TEST(ReportReader, BombingsIncomingAndRoutes)
{
    const Game r = readTexts(ngReport(crlf({
        "\t\tBombings", "", "W O N P I P $ M C", "Other Mine Home 10.00 5.00 Drive 1.00 2.00 3.00",
        "Other Mine Nowhere 1 1 CAP 0 0 0", "Other Mine Home 8.00 4.00 CAP 1.00 2.00 3.00", "",
        "\t\tIncoming Groups", "", "O D R S M", "Far Home 12.50 10.00 99.00", "Lost Home 1 2 3", "",
        "\t\tYour Planets", "", "N X Y S P I R P $ M C L", "Home 10.00 20.00 1000 900 800 10 Drive 1 2 3", "",
        "\t\tYour Routes", "", "N $ M C E", "Home Far - Far -", "", "\t\tOther Planets", "",
        "N X Y S P I R P $ M C L", "Far 30.00 40.00 500.00 400.00 300.00 5.00 Ship 0 0 0", ""})));
    // A second line for the same planet replaces the first one's values; a bombed planet the
    // report does not list has no position.
    bombingrecord home{.x = 10, .y = 20, .population = 8, .industry = 4, .capital = 1, .material = 2, .colonists = 3,
                       .name = "Home", .victim = "Mine", .attacker = "Other", .producing = "CAP"};
    bombingrecord nowhere{.population = 1, .industry = 1, .capital = 0, .material = 0, .colonists = 0,
                          .name = "Nowhere", .victim = "Mine", .attacker = "Other", .producing = "CAP"};
    expectSameRecords(r.turn.bombings, {home, nowhere});
    // Origin and destination take the positions of the planets of those names, where known.
    const auto& in = r.turn.incominggroups;
    ASSERT_EQ(in.size(), 2u);
    EXPECT_EQ((std::array{in[0].originx, in[0].originy, in[0].destinationx, in[0].destinationy}),
              (std::array{30.0, 40.0, 10.0, 20.0}));
    EXPECT_EQ((std::array{in[0].distance, in[0].speed, in[0].mass}), (std::array{12.5, 10.0, 99.0}));
    EXPECT_EQ((std::array{in[1].originx, in[1].originy}), (std::array{unknownposition, unknownposition}));
    // "-": the route is not set.
    expectSameRecords(r.turn.routes, std::vector<routerecord>{{"Home", "Far", "", "Far", ""}});

    // Without a bombings table the incoming groups are still found, wherever they stand.
    EXPECT_EQ(readTexts(ngReport(crlf({"\t\tIncoming Groups", "", "O D R S M", "A B 1 2 3", ""}))).turn.incominggroups.size(), 1u);
}

TEST(ReportReader, WipedOutPlanetsAndVanishedRacesComeFromThePreviousTurn)
{
    const std::string previous = crlf({
        "\tGalaxyNG", "Galaxy Game X Turn 2 Report for Mine", "\t\tStatus of Players", "", "N D W S C P I # R",
        "Gone 1 1 1 1 0 0 0 War", "Mine 1 1 1 1 100 90 1 -", "Dead 1 1 1 1 0 0 0 War", "Alive 1 1 1 1 0 0 0 War",
        "Left 1 1 1 1 10 10 1 War", "Other 1 1 1 1 50 40 1 War", "", "\t\tYour Planets", "", "N X Y S P I R P $ M C L",
        "Home 10.00 20.00 1000 900 800 10 Drive 1 2 3", "Colony 15.00 25.00 100 90 80 1 CAP 0 0 0", "",
        "\t\tUnidentified Planets", "", "N X Y", "Far 30.00 40.00", "", "\t\tStatus of Players", "", "N",
        "Later 1 1 1 1 1 1 1", ""});
    const std::string current = crlf({"\tGalaxyNG", "Galaxy Game X Turn 3 Report for Mine", "\t\tStatus of Players", "",
                                      "N", "Mine 1 1 1 1 100 90 1 -", "Alive 1 1 1 1 0 0 0 War",
                                      "Other 1 1 1 1 50 40 1 War", "", "\t\tYour Planets", "", "N X Y S P I R P $ M C L",
                                      "Home 10.00 20.00 1000 900 800 10 Drive 1 2 3", "", "\t\tUninhabited Planets",
                                      "", "N X Y S R", "Colony 15.00 25.00 100 1", "Far 30.00 40.00 200 2", ""});
    // The intelligence of the turn before names Far's owner by its place in that turn's status
    // table as it was read (5: "Other").
    const Game r = readTexts(current, &previous, {turnintelrecord{30, 40, 5, -1, -1, -1, -1}});
    const turnrecord& t = r.turn;
    // The previous report's first status table is the one read. Races without planets that are
    // gone vanish ("Dead" was at position 2, which is 1 once "Gone" is removed); "Left" had a
    // planet and "Alive" is still listed.
    EXPECT_EQ(t.vanishedraces, (std::vector<shortname>{"Gone", "Dead"}));
    EXPECT_EQ(t.vanishedpositions, (std::vector<std::int32_t>{0, 1}));
    EXPECT_EQ(t.previousplayers.size(), 4u);
    EXPECT_EQ(t.previousplanets.size(), 3u);
    // Planets owned the turn before and uninhabited now: bombings without attacker, the victim
    // named by the intelligence at their position.
    ASSERT_EQ(t.bombings.size(), 2u);
    bombingrecord colony;
    colony.x = 15;
    colony.y = 25;
    colony.name = "Colony";
    expectSameRecord(t.bombings[0], colony);
    EXPECT_EQ(t.bombings[1].name, "Far");
    EXPECT_EQ(t.bombings[1].victim, "Other");
}

TEST(ReportReader, BlindGalaxyHeaderColumnsAndOwnerCodes)
{
    const Game g = readTexts(crlf({
        "Executable version: Blind 4.01", "Map printing on", "Techs off", "Upgradecost on",
        "Cartesian on", "Size:200.00 centered X: 10.00 Y: -20.00", "GM controlled options:", "Techs on", "",
        "Galaxy Game Dark Turn 3 Report for Mine", "", "\t\tStatus of Players", "", "N D W S C x P I #",
        "Mine 1.00 1.00 1.00 1.00 0 100 90 1", "Foe 2.00 1.00 1.00 1.00 0 50 40 1 Hostile", "",
        "\t\tYour Ship Types", "", "N D A W S C", "Ship 2.00 1 2.00 4.00 5.00", "",
        "-100.00,-100.00  100.00,-100.00", dashes, "", "", dashes, "-100.00,100.00  100.00,100.00", "",
        "\t\tIncoming Groups", "", "x O x D R S M", "1 Far x Home 12.00 8.00 50.00", "",
        "\t\tYour Systems", "", "# N X Y S P I R P C $ M", "7 Home 1.00 2.00 500 400 300 5 Drive 9 8 7", "",
        "\t\tFoe Systems", "", "# N X Y S P I R P C $ M", "9 Far 3.00 4.00 100 90 80 1 CAP 0 0 0", "",
        "\t\tYour Routes", "", "N C $ M E", "Home Far Far - -", "", "\t\tYour Groups", "",
        "G # T D A W S C T Q a b c u D R",
        " 1 3 Ship 4.00 1 2.00 8.00 7.50 COL 1.00 x x x 99 Home 0.00", ""}));
    EXPECT_EQ(g.gametype, gtBlind);
    EXPECT_EQ(g.executableversion, "Blind");
    // The GM's options after "GM controlled options:" are not read: "Techs" stays off.
    EXPECT_EQ((std::array{g.gameoptions.map, g.gameoptions.techs, g.gameoptions.upgradecost, g.gameoptions.cartesian}),
              (std::array{true, false, true, true}));
    // "Size:200.00": the five-character label joined to the size is dropped.
    EXPECT_EQ((std::array{g.gameoptions.mapsize, g.gameoptions.xcenter, g.gameoptions.ycenter}),
              (std::array{200.0, 10.0, -20.0}));
    // Blind Galaxy map extents are the distance between the corners.
    EXPECT_EQ((std::array{g.mapwidth, g.mapheight}), (std::array{200, 200}));
    ASSERT_EQ(g.turn.players.size(), 2u);
    EXPECT_EQ(g.turn.players[1].relation, "Hostile");
    EXPECT_EQ(g.turn.players[1].population, 50);
    // The system number first; colonists, then capital and material.
    const planetrecord& home = g.turn.planets.at(0);
    EXPECT_EQ(std::tuple(home.name, home.altname, home.colonists, home.capital, home.material),
              std::tuple(shortname("Home"), shortname("7"), 9.0, 8.0, 7.0));
    // Routes: colonists, capital, material, empty.
    expectSameRecords(g.turn.routes, std::vector<routerecord>{{"Home", "Far", "", "Far", ""}});
    ASSERT_EQ(g.turn.incominggroups.size(), 1u);
    EXPECT_EQ(std::tuple(g.turn.incominggroups[0].origin, g.turn.incominggroups[0].mass), std::tuple(shortname("Far"), 50.0));
    // Techs off: effective values divided by the design's part (drive 2, weapons 2, shields 4,
    // cargo 5 + 25/10); with Upgradecost the location moves one column to the right.
    const grouprecord& gr = g.turn.racegroups.at(0).groups.at(0);
    EXPECT_EQ((std::array{gr.drivetech, gr.weapontech, gr.shieldtech, gr.cargotech}), (std::array{2.0, 1.0, 2.0, 1.0}));
    EXPECT_EQ(std::tuple(gr.cargotype, gr.location, gr.distance), std::tuple(shortname("COL"), shortname("Home"), 0.0));

    // Completion: alien planets get the owner code of their listed owner.
    Game completed = g;
    completed.turndirectory = "/nonexistent/";
    completeTurn(completed);
    EXPECT_EQ((std::array{completed.turn.planets[0].ownercode, completed.turn.planets[1].ownercode}), (std::array{0, -2}));
    EXPECT_EQ(completed.turn.incominggroups[0].originowner, "Foe");
}

TEST(ReportReader, BrokenInputGivesDefinedResults)
{
    // Empty text, binary garbage, a 10 MB single line, tables cut off at the end of the text,
    // non-numeric columns, quotes: nothing crashes and what is readable is read.
    std::string garbage;
    for (int i = 0; i < 100000; ++i) garbage.push_back(static_cast<char>((i * 7919) % 256));
    for (const std::string& text : {std::string(), garbage, std::string(10 * 1024 * 1024, 'x')}) {
        const Game r = readTexts(text);
        EXPECT_TRUE(r.turn.players.empty());
        EXPECT_TRUE(r.turn.planets.empty());
    }
    const Game cut = readTexts(ngReport("\t\tYour Planets\r\n\r\nN X Y\r\nHome 1.00"));
    ASSERT_EQ(cut.turn.planets.size(), 1u);
    EXPECT_EQ(cut.turn.planets[0].x, 1);
    EXPECT_EQ(cut.turn.planets[0].y, unknownvalue);
    EXPECT_TRUE(readTexts(ngReport("\t\tYour Groups")).turn.racegroups.empty());
    const Game words = readTexts(ngReport(crlf({"\t\tYour Planets", "", "N", "\"Home of\" abc 2x - x", ""})));
    ASSERT_EQ(words.turn.planets.size(), 1u);
    EXPECT_EQ(words.turn.planets[0].name, "\"Home");
    EXPECT_EQ(words.turn.planets[0].x, 0);    // "of\"" is no number
    EXPECT_EQ(words.turn.planets[0].size, 2); // leading digits of "2x"
}

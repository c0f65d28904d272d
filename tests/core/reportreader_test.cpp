// The reader's rules on small hand-written reports: headings, table ends, dialect columns, the
// passes after the main read, and broken input.

#include "fileio.h"
#include "intelligence.h"
#include "reportreader.h"
#include "testfiles.h"
#include "textrules.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

std::string crlf(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view l : lines) {
        text += l;
        text += "\r\n";
    }
    return text;
}

const std::string dashes(80, '-');

// A small GalaxyNG report of turn 3 for race "Mine" with the parts each test needs.
std::string ngReport(std::string_view body)
{
    std::string text = crlf({"From: server@example.org", "Subject: Galaxy Game Test Turn 3 Report for Mine",
                             "", "\tGalaxyNG release-6-4, January 2005.", "",
                             "\t\tGalaxy Game Test Turn 3 Report for Mine", "", "\t\tStatus of Players", "",
                             "N  D W S C P I # R", "Mine 1.00 1.00 1.00 1.00 100.00 90.00 1 -",
                             "Other 2.00 1.00 1.00 1.00 50.00 40.00 1 War", "", "\t\tYour Ship Types", "",
                             "N D A W S C", "Ship 1.00 1 2.00 3.00 4.00", "", "\t\tOther Ship Types", "",
                             "N D A W S C", "Raider 2.00 2 1.00 1.00 0.00", ""});
    text += body;
    return text;
}

struct Read {
    Game game;
    bool ok = false;
};

Read readTexts(const std::string& current, const std::string* previous = nullptr, int gametype = gtUnknown,
               std::vector<turnintelrecord> previousintel = {})
{
    Read r;
    r.game.gametype = gametype;
    const ReportText cur(current);
    std::optional<ReportText> prev;
    TurnTexts texts;
    texts.current = &cur;
    if (previous) {
        prev.emplace(*previous);
        texts.previous = &*prev;
    }
    texts.previousintel = std::move(previousintel);
    showTurnRead(r.game, readReport(texts, GameValues::of(r.game), r.game.shiptypes), 3);
    r.ok = true;
    return r;
}

const grouprecord* firstGroup(const Game& g, std::string_view race)
{
    for (const racegrouprecord& r : g.turn.racegroups)
        if (r.name == race && !r.groups.empty()) return &r.groups.front();
    return nullptr;
}

} // namespace

TEST(ReportReader, HeaderOwnRaceAndGameTypeFromThePreamble)
{
    const Read r = readTexts(ngReport(""));
    EXPECT_EQ(r.game.gametype, gtGalaxyNG);
    // The mail subject holds the same words but is never the header line.
    EXPECT_EQ(r.game.ownrace, "Mine");
    ASSERT_EQ(r.game.turn.players.size(), 2u);
    EXPECT_EQ(r.game.turn.players[1].relation, "War");
    EXPECT_EQ(r.game.turn.players[1].drivetech, 2);

    // Own race: text after "Report for" and one more character, blanks to "_", cut at 20 and
    // then before a comma.
    const Read named = readTexts(crlf({"Galaxy Game X Turn 1 Report for  The Red  Legion, Inc.", "\t\tStatus of Players",
                                       "", "N", "The Red Legion 1 1 1 1 10 10 1"}));
    EXPECT_EQ(named.game.ownrace, "The_Red__Legion");
    // Standard Galaxy names may hold blanks: the name is all before the seven numbers.
    ASSERT_EQ(named.game.turn.players.size(), 1u);
    EXPECT_EQ(named.game.turn.players[0].name, "The_Red_Legion");
    EXPECT_EQ(named.game.turn.players[0].planetcount, 1);
    EXPECT_TRUE(named.game.turn.players[0].relation.empty());
    // No preamble marks on the shown turn: the type stays unknown (read like Standard Galaxy).
    EXPECT_EQ(named.game.gametype, gtUnknown);
}

TEST(ReportReader, GameTypeFromThePreviousReportFallsBackToStandard)
{
    const std::string previous = crlf({"Galaxy Game X Turn 2 Report for Me", "\t\tStatus of Players"});
    const Read r = readTexts(crlf({"Galaxy Game X Turn 3 Report for Me"}), &previous);
    EXPECT_EQ(r.game.gametype, gtStandard);
    const std::string blind = crlf({"Executable version: 4.2b", "Galaxy Game X Turn 2 Report for Me"});
    EXPECT_EQ(readTexts(crlf({"Galaxy Game X Turn 3 Report for Me"}), &blind).game.gametype, gtBlind);
}

TEST(ReportReader, GroupsAtAPlanetHaveNoDistanceColumnAndUnknownTypesStayHarmless)
{
    const Read r = readTexts(ngReport(crlf({
        "\t\tYour Planets", "", "N X Y S P I R P $ M C L", "Home 10.00 20.00 1000.00 900.00 800.00 10.00 Drive 1 2 3 4",
        "", "\t\tYour Groups", "", "G # T D W S C T Q D R O",
        " 1  5 Ship 1.00 1.00 1.00 1.00 COL 2.50 Home", " 2  3 Ship 1.50 1.00 1.00 1.00 - 0.00 Far 7.25 Home",
        " 3  1 Ghost 1.00 1.00 1.00 1.00 - - Home", "", "\t\tOther Groups", "", "# T D W S C T Q D",
        "4 Raider 1.00 1.00 1.00 0.00 - 0.00 Home", ""})));
    ASSERT_TRUE(r.ok);
    const auto& mine = r.game.turn.racegroups.at(0);
    ASSERT_EQ(mine.groups.size(), 3u);
    EXPECT_EQ(mine.groups[0].groupnumber, 1);
    EXPECT_EQ(mine.groups[0].shipcount, 5);
    EXPECT_EQ(mine.groups[0].cargotype, "COL");
    EXPECT_EQ(mine.groups[0].cargoquantity, 2.5);
    EXPECT_EQ(mine.groups[0].distance, 0);
    EXPECT_EQ(mine.groups[1].location, "Far");
    EXPECT_EQ(mine.groups[1].distance, 7.25);
    // A ship type that is not among the designs: name, count and number only, speed 0.
    EXPECT_EQ(mine.groups[2].name, "Ghost");
    EXPECT_FALSE(mine.groups[2].typeknown);
    EXPECT_EQ(mine.groups[2].drive, 0);
    EXPECT_EQ(mine.groups[2].cargoquantity, 0);
    EXPECT_EQ(mine.groups[2].survivors, -1);
    EXPECT_EQ(speed(mine.groups[2]), 0);

    const planetrecord& home = r.game.turn.planets.at(0);
    EXPECT_EQ(home.owngroups, 1);
    EXPECT_EQ(home.aliengroups, 1);
    ASSERT_EQ(home.alienraces.size(), 1u);
    EXPECT_EQ(home.alienraces[0], "Other");
    // Speeds of the ships at the planet: Ship (mass 1 + 3 + 4 + 2 = 10 + cargo 2.5) and Raider
    // (2 + 1 + 0 + 1 for the first weapon + 0.5 for the second);
    // the ghost group has no speed and the group in flight is not at the planet.
    ASSERT_EQ(home.groupspeeds.size(), 2u);
    EXPECT_DOUBLE_EQ(home.groupspeeds[0], 20.0 * 1 * 1 / 12.5);
    EXPECT_DOUBLE_EQ(home.groupspeeds[1], 20.0 * 2 * 1 / 4.5);
    EXPECT_TRUE(home.fleetspeeds.empty());
    // Strength scales: the only planet with groups has the largest values.
    EXPECT_EQ(home.shipscale, 15);
    EXPECT_EQ(home.attackscale, 15);
}

TEST(ReportReader, GroupTablesBeforeThePlanetsAreBattleEntries)
{
    const Read r = readTexts(ngReport(crlf({
        "\t\tBattle at Home", "", "\t\tYour Groups", "", "# T D W S C T Q L", " 8 Ship 1.00 1.00 1.00 0.00 - 0.00  6",
        "", "\t\tOther Groups", "", "# T D W S C T Q L", "4 Raider 1.00 1.00 1.00 0.00 - 0.00 0", "",
        "\t\tYour Planets", "", "N X Y S P I R P $ M C L", "Home 1 2 3 4 5 6 Drive 1 2 3 4", ""})));
    ASSERT_EQ(r.game.turn.battles.size(), 1u);
    const battlerecord& b = r.game.turn.battles[0];
    EXPECT_EQ(b.name, "Home");
    ASSERT_EQ(b.races.size(), 2u);
    EXPECT_EQ(b.races[0].name, "Mine");
    EXPECT_EQ(b.races[0].groups[0].shipsbefore, 8);
    EXPECT_EQ(b.races[0].groups[0].survivors, 6);
    EXPECT_DOUBLE_EQ(b.races[0].groups[0].fullmass, 1 + 2 + 3 + 4);
    EXPECT_EQ(b.races[1].groups[0].survivors, 0);
    const grouprecord* entry = firstGroup(r.game, "Mine");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->inbattle, 1);
    EXPECT_EQ(entry->location, "Home");
    EXPECT_EQ(entry->groupnumber, unknownvalue);
    const planetrecord& home = r.game.turn.planets.at(0);
    EXPECT_EQ(home.hadbattle, 1);
    // A battle entry is not a group staying at the planet; the destroyed raiders are not there.
    EXPECT_EQ(home.owngroups, 0);
    EXPECT_EQ(home.aliengroups, 0);
}

TEST(ReportReader, PlanetTablesOfEveryKind)
{
    const Read r = readTexts(ngReport(crlf({
        "\t\tYour Planets", "", "N X Y S P I R P $ M C L", "Home 10.00 20.00 1000.00 900.00 800.00 10.00 Drive 1 2 3", "",
        "\t\tOther Planets", "", "N X Y S P I R P $ M C L", "Far 30.00 40.00 500.00 400.00 300.00 5.00 Ship 0 0 0", "",
        "\t\tUnidentified Planets", "", "N X Y", "17 5.00 6.00", "",
        "\t\tUninhabited Planets", "", "N X Y S R $ M", "18 7.00 8.00 250.00 1.50", "19 9.00 9.00", ""})));
    const auto& p = r.game.turn.planets;
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0].ownercode, ocOwn);
    EXPECT_EQ(p[0].owner, "Mine");
    EXPECT_EQ(p[0].capital, 1);
    EXPECT_EQ(p[0].material, 2);
    EXPECT_EQ(p[0].colonists, 3);
    EXPECT_EQ(p[1].owner, "Other");
    EXPECT_EQ(p[1].isalien, 1);
    EXPECT_EQ(p[1].ownercode, ocOther);
    EXPECT_EQ(p[1].industry, 300);
    EXPECT_EQ(p[2].ownercode, ocOther);
    EXPECT_TRUE(p[2].owner.empty());
    EXPECT_EQ(p[2].size, unknownvalue);
    EXPECT_EQ(p[2].population, unknownvalue);
    EXPECT_EQ(p[3].ownercode, ocUninhabited);
    EXPECT_EQ(p[3].size, 250);
    EXPECT_EQ(p[3].resources, 1.5);
    EXPECT_EQ(p[3].population, unknownvalue);
    // An empty size column stores the unknown value.
    EXPECT_EQ(p[4].size, unknownvalue);
}

TEST(ReportReader, TextMapBoundsRowsTabsAndMarks)
{
    std::string map = crlf({"10.00,20.00  110.00,20.00", dashes, "ignored first line after the frame",
                            ".       -", "\t.", dashes, "10.00,70.00  110.00,70.00", ""});
    const Read r = readTexts(ngReport(map));
    EXPECT_EQ(r.game.mapx0, 10);
    EXPECT_EQ(r.game.mapy0, 20);
    EXPECT_EQ(r.game.mapwidth, 110);
    EXPECT_EQ(r.game.mapheight, 70);
    const auto& marks = r.game.turn.mapmarks;
    ASSERT_EQ(marks.size(), 3u);
    // Column c lies at c x width / 80 + x0; row k of n at height x k / (n - 1) + y0.
    EXPECT_DOUBLE_EQ(marks[0].x, 10);
    EXPECT_DOUBLE_EQ(marks[0].y, 20);
    EXPECT_EQ(marks[0].kind, 0);
    EXPECT_DOUBLE_EQ(marks[1].x, 8 * 110.0 / 80 + 10);
    EXPECT_EQ(marks[1].kind, 1);
    // A leading tab fills positions 1 to 8: the dot stands in column 8.
    EXPECT_DOUBLE_EQ(marks[2].x, 8 * 110.0 / 80 + 10);
    EXPECT_DOUBLE_EQ(marks[2].y, 70 + 20);

    // A map of a single row has no rows to spread over: its marks lie on the origin's row.
    const Read one = readTexts(ngReport(crlf({"0.00,5.00  40.00,5.00", dashes, "x", "  .", dashes, "0.00,9.00  40.00,9.00"})));
    ASSERT_EQ(one.game.turn.mapmarks.size(), 1u);
    EXPECT_EQ(one.game.turn.mapmarks[0].y, 5);
}

TEST(ReportReader, BombingsIncomingAndRoutes)
{
    const Read r = readTexts(ngReport(crlf({
        "\t\tBombings", "", "W O N P I P $ M C", "Other Mine Home 10.00 5.00 Drive 1.00 2.00 3.00",
        "Other Mine Nowhere 1 1 CAP 0 0 0", "Other Mine Home 8.00 4.00 CAP 1.00 2.00 3.00", "",
        "\t\tIncoming Groups", "", "O D R S M", "Far Home 12.50 10.00 99.00", "Lost Home 1 2 3", "",
        "\t\tYour Planets", "", "N X Y S P I R P $ M C L", "Home 10.00 20.00 1000 900 800 10 Drive 1 2 3", "",
        "\t\tYour Routes", "", "N $ M C E", "Home Far - Far -", "", "\t\tOther Planets", "",
        "N X Y S P I R P $ M C L", "Far 30.00 40.00 500.00 400.00 300.00 5.00 Ship 0 0 0", ""})));
    const auto& b = r.game.turn.bombings;
    ASSERT_EQ(b.size(), 2u);
    // A second line for the same planet updates the first record.
    EXPECT_EQ(b[0].name, "Home");
    EXPECT_EQ(b[0].population, 8);
    EXPECT_EQ(b[0].producing, "CAP");
    EXPECT_EQ(b[0].x, 10);
    EXPECT_EQ(b[0].y, 20);
    // A bombed planet the report does not list has no position.
    EXPECT_EQ(b[1].name, "Nowhere");
    EXPECT_EQ(b[1].x, unknownposition);
    EXPECT_EQ(b[1].y, unknownposition);

    const auto& in = r.game.turn.incominggroups;
    ASSERT_EQ(in.size(), 2u);
    EXPECT_EQ(in[0].originx, 30);
    EXPECT_EQ(in[0].destinationy, 20);
    EXPECT_EQ(in[0].speed, 10);
    EXPECT_EQ(in[1].originx, unknownposition);
    EXPECT_EQ(in[1].originy, unknownposition);

    ASSERT_EQ(r.game.turn.routes.size(), 1u);
    EXPECT_EQ(r.game.turn.routes[0].capital, "Far");
    EXPECT_TRUE(r.game.turn.routes[0].material.empty());
    EXPECT_EQ(r.game.turn.routes[0].colonists, "Far");

    // Without a bombings table the incoming groups are still found, wherever they stand.
    const Read noBombs = readTexts(ngReport(crlf({"\t\tIncoming Groups", "", "O D R S M", "A B 1 2 3", ""})));
    EXPECT_EQ(noBombs.game.turn.incominggroups.size(), 1u);
}

TEST(ReportReader, WipedOutPlanetsAndVanishedRacesComeFromThePreviousTurn)
{
    const std::string previous = ngReport(crlf({
        "\t\tStatus of Players", "", "N D W S C P I # R", "Gone 1 1 1 1 0 0 0 War", "Mine 1 1 1 1 100 90 1 -",
        "Dead 1 1 1 1 0 0 0 War", "Other 1 1 1 1 50 40 1 War", "", "\t\tYour Planets", "", "N X Y S P I R P $ M C L",
        "Home 10.00 20.00 1000 900 800 10 Drive 1 2 3", "Colony 15.00 25.00 100 90 80 1 CAP 0 0 0", "",
        "\t\tUnidentified Planets", "", "N X Y", "Far 30.00 40.00", ""}));
    const Read r = readTexts(ngReport(crlf({"\t\tYour Planets", "", "N X Y S P I R P $ M C L",
                                            "Home 10.00 20.00 1000 900 800 10 Drive 1 2 3", "",
                                            "\t\tUninhabited Planets", "", "N X Y S R", "Colony 15.00 25.00 100 1",
                                            "Far 30.00 40.00 200 2", ""})),
                             &previous, gtUnknown, {turnintelrecord{30, 40, 1, -1, -1, -1, -1}});
    const auto& t = r.game.turn;
    // The previous report's first status table is the one read.
    ASSERT_EQ(t.previousplayers.size(), 2u);
    EXPECT_EQ(t.previousplanets.size(), 3u);
    ASSERT_EQ(t.bombings.size(), 2u);
    EXPECT_EQ(t.bombings[0].name, "Colony");
    EXPECT_TRUE(t.bombings[0].attacker.empty());
    EXPECT_EQ(t.bombings[0].population, unknownvalue);
    EXPECT_TRUE(t.bombings[0].victim.empty()); // no intelligence at its position
    EXPECT_EQ(t.bombings[1].name, "Far");
    // Index 1 of the previous status table ("Other") owned it according to the intelligence.
    EXPECT_EQ(t.bombings[1].victim, "Other");
}

TEST(ReportReader, VanishedRacesArePositionsAfterEarlierRemovals)
{
    const std::string previous =
        crlf({"\tGalaxyNG", "Galaxy Game X Turn 2 Report for Mine", "\t\tStatus of Players", "", "N",
              "Gone 1 1 1 1 0 0 0 War", "Mine 1 1 1 1 100 90 1 -", "Dead 1 1 1 1 0 0 0 War",
              "Alive 1 1 1 1 0 0 0 War", "Other 1 1 1 1 50 40 1 War"});
    const std::string current = crlf({"\tGalaxyNG", "Galaxy Game X Turn 3 Report for Mine", "\t\tStatus of Players",
                                      "", "N", "Mine 1 1 1 1 100 90 1 -", "Alive 1 1 1 1 0 0 0 War",
                                      "Other 1 1 1 1 50 40 1 War"});
    const Read r = readTexts(current, &previous);
    const auto& t = r.game.turn;
    ASSERT_EQ(t.vanishedraces.size(), 2u);
    EXPECT_EQ(t.vanishedraces[0], "Gone");
    EXPECT_EQ(t.vanishedpositions[0], 0);
    EXPECT_EQ(t.vanishedraces[1], "Dead");
    // "Dead" was at position 2, which is position 1 once "Gone" is removed.
    EXPECT_EQ(t.vanishedpositions[1], 1);
    EXPECT_EQ(t.previousplayers.size(), 3u);
}

TEST(ReportReader, BlindGalaxyHeaderColumnsAndOwnerCodes)
{
    const std::string report = crlf({
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
        " 1 3 Ship 4.00 1 2.00 8.00 7.50 COL 1.00 x x x 99 Home 0.00", ""});
    const Read r = readTexts(report);
    const Game& g = r.game;
    EXPECT_EQ(g.gametype, gtBlind);
    EXPECT_EQ(g.executableversion, "Blind");
    EXPECT_TRUE(g.gameoptions.map);
    EXPECT_FALSE(g.gameoptions.techs); // the GM's options after "GM controlled options:" are not read
    EXPECT_TRUE(g.gameoptions.upgradecost);
    EXPECT_TRUE(g.gameoptions.cartesian);
    EXPECT_EQ(g.gameoptions.mapsize, 200);
    EXPECT_EQ(g.gameoptions.xcenter, 10);
    EXPECT_EQ(g.gameoptions.ycenter, -20);
    // Blind Galaxy map extents are the distance between the corners.
    EXPECT_EQ(g.mapwidth, 200);
    EXPECT_EQ(g.mapheight, 200);
    ASSERT_EQ(g.turn.players.size(), 2u);
    EXPECT_EQ(g.turn.players[1].relation, "Hostile");
    EXPECT_EQ(g.turn.players[1].population, 50);
    ASSERT_EQ(g.turn.planets.size(), 2u);
    EXPECT_EQ(g.turn.planets[0].name, "Home");
    EXPECT_EQ(g.turn.planets[0].altname, "7");
    EXPECT_EQ(g.turn.planets[0].colonists, 9);
    EXPECT_EQ(g.turn.planets[0].capital, 8);
    EXPECT_EQ(g.turn.planets[0].material, 7);
    ASSERT_EQ(g.turn.routes.size(), 1u);
    EXPECT_EQ(g.turn.routes[0].colonists, "Far");
    EXPECT_EQ(g.turn.routes[0].capital, "Far");
    EXPECT_TRUE(g.turn.routes[0].material.empty());
    ASSERT_EQ(g.turn.incominggroups.size(), 1u);
    EXPECT_EQ(g.turn.incominggroups[0].origin, "Far");
    EXPECT_EQ(g.turn.incominggroups[0].mass, 50);
    // Techs off: effective values divided by the design's part (drive 2, weapons 2, shields 4,
    // cargo 5 + 25/10); with Upgradecost the location moves one column to the right.
    const grouprecord* gr = firstGroup(g, "Mine");
    ASSERT_NE(gr, nullptr);
    EXPECT_DOUBLE_EQ(gr->drivetech, 2);
    EXPECT_DOUBLE_EQ(gr->weapontech, 1);
    EXPECT_DOUBLE_EQ(gr->shieldtech, 2);
    EXPECT_DOUBLE_EQ(gr->cargotech, 1);
    EXPECT_EQ(gr->cargotype, "COL");
    EXPECT_EQ(gr->location, "Home");
    EXPECT_EQ(gr->distance, 0);

    // Completion: alien planets get the owner code of their listed owner.
    Game completed = g;
    completed.turndirectory = "/nonexistent/";
    completeTurn(completed);
    EXPECT_EQ(completed.turn.planets[1].ownercode, -2);
    EXPECT_EQ(completed.turn.planets[0].ownercode, ocOwn);
    EXPECT_EQ(completed.turn.incominggroups[0].originowner, "Foe");
}

TEST(ReportReader, BrokenInputGivesDefinedResults)
{
    // Empty text, binary garbage, a 10 MB single line, tables cut off at the end of the text,
    // non-numeric columns, quotes: nothing crashes and what is readable is read.
    std::string garbage;
    for (int i = 0; i < 100000; ++i) garbage.push_back(static_cast<char>((i * 7919) % 256));
    const std::string longLine(10 * 1024 * 1024, 'x');
    for (const std::string& text : {std::string(), garbage, longLine}) {
        const Read r = readTexts(text);
        EXPECT_TRUE(r.ok);
        EXPECT_TRUE(r.game.turn.players.empty());
        EXPECT_TRUE(r.game.turn.planets.empty());
    }
    const std::string cut = ngReport("\t\tYour Planets\r\n\r\nN X Y\r\nHome 1.00");
    const Read r = readTexts(cut);
    ASSERT_EQ(r.game.turn.planets.size(), 1u);
    EXPECT_EQ(r.game.turn.planets[0].x, 1);
    EXPECT_EQ(r.game.turn.planets[0].y, unknownvalue);
    const Read cutHeading = readTexts(ngReport("\t\tYour Groups"));
    EXPECT_TRUE(cutHeading.game.turn.racegroups.empty());
    const Read words = readTexts(ngReport(crlf({"\t\tYour Planets", "", "N", "\"Home of\" abc 2x - x", ""})));
    ASSERT_EQ(words.game.turn.planets.size(), 1u);
    EXPECT_EQ(words.game.turn.planets[0].name, "\"Home");
    EXPECT_EQ(words.game.turn.planets[0].x, 0);  // "of\"" is no number
    EXPECT_EQ(words.game.turn.planets[0].size, 2); // leading digits of "2x"
}

TEST(ReportReader, MissingReportReadsAsNothing)
{
    TempDir dir;
    Game g;
    g.turndirectory = dir.path();
    g.reportname = "t";
    g.reportext = ".txt";
    dir.write("t0.txt", ngReport(""));
    const std::optional<TurnRead> read = readTurnFiles(g, 0);
    ASSERT_TRUE(read);
    EXPECT_FALSE(read->turn.players.empty());
    EXPECT_FALSE(readTurnFiles(g, 1));
    EXPECT_FALSE(readTurnPlayers(g, 1));
    ASSERT_TRUE(readTurnPlayers(g, 0));
    EXPECT_EQ(readTurnPlayers(g, 0)->size(), 2u);
}

TEST(ReportReader, EveryLineEndReadsAlikeAndTheFileIsNeverRewritten)
{
    const std::string report = ngReport("");
    std::string lf, cr;
    for (char c : report) {
        if (c != '\r') lf.push_back(c);
        if (c != '\n') cr.push_back(c);
    }
    EXPECT_EQ(ReportText(lf).lines(), ReportText(report).lines());
    EXPECT_EQ(ReportText(cr).lines(), ReportText(report).lines());
    TempDir dir;
    dir.write("t3.txt", lf);
    Game g;
    g.turndirectory = dir.path();
    g.reportname = "t";
    g.reportext = ".txt";
    ASSERT_TRUE(readTurnFiles(g, 3));
    EXPECT_EQ(readText(dir.file("t3.txt")), lf);
    EXPECT_EQ(listFiles(dir.path()), std::vector<std::string>{"t3.txt"});
}

TEST(IntelligenceFiles, RoundTripAndMerge)
{
    const std::vector<turnintelrecord> turn = {{1.5, 2.25, 3, 1000, -1, 12.345, 0.5}, {-3, 4, 1001, -1, -1, -1, -1}};
    const std::string text = turnIntelText(turn);
    EXPECT_EQ(text.substr(0, text.find('\r')), "1.50\t2.25\t3\t1000.00\t-1.00\t12.35\t0.50");
    const auto back = parseTurnIntel(text);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].ownerindex, 1001);
    EXPECT_EQ(back[1].x, -3);
    EXPECT_EQ(back[0].industry, 12.35);
    const std::vector<planetintelrecord> planets = {{10, 20, 500, 100, 50, 2}};
    EXPECT_EQ(planetIntelText(planets), "10.00\t20.00\t500.00\t100.00\t50.00\t2.00\r\n");

    TempDir dir;
    Game g;
    g.turndirectory = dir.path();
    g.reportname = "t";
    g.reportext = ".txt";
    g.ownrace = "Mine";
    planetrecord known;
    known.x = 10;
    known.y = 20;
    known.size = 700; // the report's value wins
    planetrecord unknown;
    unknown.x = 5;
    unknown.y = 6;
    g.turn.planets = {known, unknown};
    g.turn.players.resize(1);
    g.turn.players[0].name = "Foe";
    // A missing planets.ori reads as nothing.
    readPlanetIntelligence(g, true);
    EXPECT_TRUE(g.turn.planetintel.empty());
    dir.write("planets.ori", planetIntelText({{10, 20, 500, 100, 50, 2}, {5, 6, 300, -1, -1, 1}}));
    readPlanetIntelligence(g, true);
    EXPECT_EQ(g.turn.planets[0].size, 700);
    EXPECT_EQ(g.turn.planets[0].population, 100);
    EXPECT_EQ(g.turn.planets[1].size, 300);
    EXPECT_EQ(g.turn.planets[1].population, unknownvalue);

    // Turn intelligence: owner index 0 names the race; an index beyond the table names none.
    dir.write("t4.ori", turnIntelText({{5, 6, 0, 1, 2, 3, 4}, {10, 20, 7, 1, 1, 1, 1}}));
    g.currentturn = 4;
    completeTurn(g);
    EXPECT_EQ(g.turn.planets[1].owner, "Foe");
    EXPECT_EQ(g.turn.planets[1].ownercode, -1);
    EXPECT_EQ(g.turn.planets[1].size, 300); // owned planets keep their values
    EXPECT_TRUE(g.turn.planets[0].owner.empty());
    EXPECT_EQ(g.turn.planets[0].ownercode, -8);
    EXPECT_EQ(g.turn.planets[0].population, 1); // no owner: the intelligence's values

    // Own designs: written in CR LF lines, read back as designs of the own race.
    g.shiptypes = {{"Scout", "Mine", 1, 0, 0, 0, 0, 1}, {"Raider", "Foe", 2, 1, 1, 1, 0, 1}};
    ASSERT_TRUE(writeOwnDesigns(g));
    EXPECT_EQ(readText(dir.file("ships.ori")), "Scout\t1.00\t0.00\t0.00\t0.00\t0.00\r\n");
    g.shiptypes.clear();
    readOwnDesigns(g);
    ASSERT_EQ(g.shiptypes.size(), 1u);
    EXPECT_EQ(g.shiptypes[0].owner, "Mine");
    EXPECT_EQ(g.shiptypes[0].fromreport, 0);
}

TEST(IntelligenceFiles, FailedWritesAreReported)
{
    Game g;
    g.turndirectory = "/nonexistent-folder/";
    g.turn.planetintel = {{1, 2, 3, 4, 5, 6}};
    const Status written = writePlanetIntelligence(g);
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().text().find("planets.ori"), std::string::npos);
}

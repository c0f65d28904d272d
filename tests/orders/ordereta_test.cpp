// ETAs of send and intercept orders: groups at a planet, in hyperspace and in battle, MAX after a
// load, an unload or a break-off, cargo loaded above the line from the planet's stock, fleets
// with the groups that join them, fleets without groups, and unknown planets.

#include "movegame.h"
#include "ordereta.h"
#include "testfiles.h"
#include "turnloader.h"

#include <gtest/gtest.h>

namespace orrery {
namespace {

struct EtaCase {
    const char* name;
    MoveForm form;
    std::vector<std::string> above; // order lines above the tested one
    const char* line;
    const char* expected;
};

void PrintTo(const EtaCase& c, std::ostream* os) { *os << c.name; }


// Speeds in the test turn: a cruiser 10, an empty hauler 10 (7.5 cargo per ship at most), so
// Mars-Venus (50) takes 5 turns empty, 6 with 2 COL per ship, 9 with 7.5 per ship.
const EtaCase etaCases[] = {
    {"GroupToVenus", MoveForm::Raw, {}, "S 1 Venus", "S 1 Venus ; ETA 5 turns"},
    {"OldCommentReplaced", MoveForm::Raw, {}, "S 1 Venus ; ETA 2 turns", "S 1 Venus ; ETA 5 turns"},
    {"WithinOneTurnNoComment", MoveForm::Raw, {}, "S 1 Earth", "S 1 Earth"},
    {"AlternativeNameOfThePlanet", MoveForm::Raw, {}, "S 1 Ares", "S 1 Ares"},
    {"GroupInHyperspace", MoveForm::Raw, {}, "S 3 Mars", "S 3 Mars ; ETA ? turns"},
    {"UnknownPosition", MoveForm::Raw, {}, "S 1 Pluto", "S 1 Pluto ; ETA ? turns"},
    {"UnknownPlanet", MoveForm::Raw, {}, "S 1 Nowhere", "S 1 Nowhere ; ETA ? turns"},
    {"MissingPlanet", MoveForm::Raw, {}, "S 1", "S 1 ; ETA ? turns"},
    {"UnknownGroup", MoveForm::Raw, {}, "S 99 Venus", "S 99 Venus ; ETA ? turns"},
    {"NoDriveTakesOneTurn", MoveForm::Raw, {}, "S 5 Venus", "S 5 Venus"},
    {"RawFleetSendGetsNone", MoveForm::Raw, {}, "S Alpha Venus ; ETA 4 turns", "S Alpha Venus"},
    {"RawInterceptGetsNone", MoveForm::Raw, {}, "I 1 Venus", "I 1 Venus"},
    {"OtherLinesAreCut", MoveForm::Raw, {}, "A Zorgons ; note", "A Zorgons"},
    {"LoadOfTheWholeGroup", MoveForm::Raw, {"L 2 COL"}, "S 2 Venus", "S 2 Venus ; ETA 6 turns"},
    {"LoadOfOtherShipsDoesNotCount", MoveForm::Raw, {"L 2 CAP 4"}, "S 2 Venus", "S 2 Venus ; ETA 5 turns"},
    {"MaxAfterALoad", MoveForm::Raw, {"L 2 CAP 4"}, "S MAX Venus", "S MAX Venus ; ETA 9 turns"},
    {"MaxAfterASecondLoadFindsLessStock", MoveForm::Raw, {"L 2 COL 4", "S MAX Earth", "L 2 COL 4"}, "S MAX Venus",
     "S MAX Venus ; ETA 5 turns"},
    {"MaxAfterTheFirstLoad", MoveForm::Raw, {"L 2 COL 4"}, "S MAX Venus", "S MAX Venus ; ETA 8 turns"},
    {"LoadCountZeroIsTheWholeGroup", MoveForm::Raw, {"L 2 CAP 0"}, "S 2 Venus", "S 2 Venus ; ETA 9 turns"},
    {"LoadCountZeroThenMax", MoveForm::Raw, {"L 2 CAP 0"}, "S MAX Venus", "S MAX Venus ; ETA ? turns"},
    {"LoadWithoutCountThenMax", MoveForm::Raw, {"L 2 CAP"}, "S MAX Venus", "S MAX Venus ; ETA ? turns"},
    {"FullGroup", MoveForm::Raw, {}, "S 9 Venus", "S 9 Venus ; ETA 9 turns"},
    {"UnloadedFirst", MoveForm::Raw, {"U 9"}, "S 9 Venus", "S 9 Venus ; ETA 5 turns"},
    {"NearestOrderWins", MoveForm::Raw, {"U 9", "L 9 COL"}, "S 9 Venus", "S 9 Venus ; ETA 9 turns"},
    {"MaxAfterBreakOff", MoveForm::Raw, {"B 1 2"}, "S MAX Venus", "S MAX Venus ; ETA 5 turns"},
    {"MaxAfterAnythingElse", MoveForm::Raw, {"A Zorgons"}, "S MAX Venus", "S MAX Venus ; ETA ? turns"},
    {"MaxBelowTheHeader", MoveForm::Raw, {}, "S MAX Venus", "S MAX Venus ; ETA ? turns"},
    {"LoadBelowDoesNotCount", MoveForm::Raw, {}, "S 2 Venus", "S 2 Venus ; ETA 5 turns"},
    {"NaturalGroup", MoveForm::Natural, {}, "Send group 1 to planet Venus", "Send group 1 to planet Venus ; ETA 5 turns"},
    {"NaturalPartialSendAfterLoad", MoveForm::Natural, {"Load cargo COL onto 3 ships of group 2"},
     "Send 3 ships of group 2 to planet Venus", "Send 3 ships of group 2 to planet Venus ; ETA 9 turns"},
    {"NaturalMaxAfterLoadWithAmount", MoveForm::Natural, {"Load 5 cargo CAP onto 4 ships of group 2"},
     "Send group MAX to planet Venus", "Send group MAX to planet Venus ; ETA 9 turns"},
    {"NaturalMaxAfterUnload", MoveForm::Natural, {"Unload 1 ships of group 9"}, "Send group MAX to planet Venus",
     "Send group MAX to planet Venus ; ETA 5 turns"},
    {"NaturalIntercept", MoveForm::Natural, {}, "Intercept ships at planet Venus with all ships of group 1",
     "Intercept ships at planet Venus with all ships of group 1 ; ETA 5 turns"},
    {"FleetAtItsSlowestGroup", MoveForm::Natural, {}, "Send fleet Alpha to planet Venus",
     "Send fleet Alpha to planet Venus ; ETA 7 turns"},
    {"FleetInterceptToo", MoveForm::Natural, {}, "Intercept ships at planet Venus with fleet Alpha",
     "Intercept ships at planet Venus with fleet Alpha ; ETA 7 turns"},
    {"FleetWithASlowerJoiningGroup", MoveForm::Natural, {"Add all ships of group 9 to fleet Alpha"},
     "Send fleet Alpha to planet Venus", "Send fleet Alpha to planet Venus ; ETA 9 turns"},
    {"FleetInHyperspace", MoveForm::Natural, {}, "Send fleet Beta to planet Mars",
     "Send fleet Beta to planet Mars ; ETA ? turns"},
    {"FleetWithoutGroupsYet", MoveForm::Natural, {"Create fleet Delta"}, "Send fleet Delta to planet Venus",
     "Send fleet Delta to planet Venus ; ETA ? turns"},
    {"NewFleetWithAJoiningGroup", MoveForm::Natural, {"Create fleet Delta", "Add all ships of group 1 to fleet Delta"},
     "Send fleet Delta to planet Venus", "Send fleet Delta to planet Venus ; ETA 5 turns"},
    {"FleetOfNoDrive", MoveForm::Natural, {}, "Send fleet Gamma to planet Venus", "Send fleet Gamma to planet Venus"},
};

class EtaTest : public testing::TestWithParam<EtaCase> {
protected:
    Game game = test::moveGame();
};

TEST_P(EtaTest, Line)
{
    const EtaCase& c = GetParam();
    std::vector<std::string> lines = {c.form == MoveForm::Raw ? "#GALAXY Lyra Orion" : "#Galaxy game: Lyra, racename: Orion"};
    lines.insert(lines.end(), c.above.begin(), c.above.end());
    lines.emplace_back(c.line);
    // Orders below the line do not count.
    lines.emplace_back(c.form == MoveForm::Raw ? "L 2 COL" : "Load cargo COL onto all ships of group 2");
    lines.emplace_back(c.form == MoveForm::Raw ? "#END" : "#End");
    EXPECT_EQ(OrderEta(lines, c.form, c.above.size() + 1, game), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, EtaTest, testing::ValuesIn(etaCases),
                         [](const testing::TestParamInfo<EtaCase>& info) { return info.param.name; });

TEST(RecalculateEtas, LeavesMessagesAloneAndStartsAtTheGivenLine)
{
    const Game game = test::moveGame();
    std::vector<std::string> lines = {"#GALAXY Lyra Orion", "S 1 Venus ; ETA 1 turns", "@", "S 1 Venus ; x", "@",
                                      "S 3 Venus", "#END"};
    RecalculateEtas(lines, MoveForm::Raw, 2, game);
    EXPECT_EQ(lines, (std::vector<std::string>{"#GALAXY Lyra Orion", "S 1 Venus ; ETA 1 turns", "@", "S 1 Venus ; x",
                                               "@", "S 3 Venus ; ETA ? turns", "#END"}));
    RecalculateEtas(lines, MoveForm::Raw, 0, game);
    EXPECT_EQ(lines[0], "#GALAXY Lyra Orion");
    EXPECT_EQ(lines[1], "S 1 Venus ; ETA 5 turns");
}

TEST(RecalculateEtas, BattleEntriesCannotMove)
{
    Game game = test::moveGame();
    grouprecord battle = test::moveGroup(11, "Cruiser", 3, "Mars");
    battle.inbattle = 1;
    game.turn.racegroups[0].groups.insert(game.turn.racegroups[0].groups.begin(), battle);
    const std::vector<std::string> lines = {"#GALAXY Lyra Orion", "S 11 Venus", "#END"};
    EXPECT_EQ(OrderEta(lines, MoveForm::Raw, 1, game), "S 11 Venus ; ETA ? turns");
}

// A real turn: Alpha's groups at Alcyone (33.81,35.70) and planet 56 (61.11,33.65), 27.38 apart.
TEST(RecalculateEtas, RealTurn)
{
    ORRERY_REQUIRE_CORPUS();
    test::TempDir dir;
    ASSERT_TRUE(test::copyCorpus("gng-game1/alpha", dir.path()));
    Game game = test::loadTurn(dir.file("alpha15.txt"));
    std::vector<std::string> lines = {"#GALAXY Lyra Alpha",
                                      "S 1 56",      // Lancer, speed 8.89: 3.08 turns
                                      "S 3 56",      // Freighter empty, speed 10: 2.74
                                      "L 3 CAP 2",   // 7.5 CAP each: speed 5.71
                                      "S MAX 56",    //   4.79
                                      "L 3 COL",     // 20 COL over 9 ships: speed 8.18
                                      "S 3 56",      //   3.35
                                      "S 19 Alcyone", // in hyperspace
                                      "S 1 Gemma",   // 26.64 away
                                      "S 1 Atlantis", // no such planet
                                      "#END"};
    RecalculateEtas(lines, MoveForm::Raw, 1, game);
    EXPECT_EQ(lines, (std::vector<std::string>{"#GALAXY Lyra Alpha", "S 1 56 ; ETA 4 turns", "S 3 56 ; ETA 3 turns",
                                               "L 3 CAP 2", "S MAX 56 ; ETA 5 turns", "L 3 COL",
                                               "S 3 56 ; ETA 4 turns", "S 19 Alcyone ; ETA ? turns",
                                               "S 1 Gemma ; ETA 3 turns", "S 1 Atlantis ; ETA ? turns", "#END"}));
}

} // namespace
} // namespace orrery

// ETAs of send and intercept orders: groups at a planet, in hyperspace and in battle, MAX after a load,
// an unload or a break-off, cargo loaded above the line, fleets and the groups that join them, unknown planets.

#include "movegame.h"
#include "ordereta.h"
#include "orderwords.h"
#include "testfiles.h"
#include "textrules.h"

#include <gtest/gtest.h>

namespace orrery {
namespace {

struct EtaCase {
    const char* name;
    std::vector<std::string> above; // order lines above the tested one, in the form of the line
    const char* line;
    int eta; // turns; 0: arrives within one turn (no comment), -1: cannot be computed ("?")
};

// Speeds in the test turn: a cruiser 10, an empty hauler 10 (7.5 cargo per ship at most), so
// Mars-Venus (50) takes 5 turns empty, 6 with 2 COL per ship, 9 with 7.5 per ship.
const EtaCase etaCases[] = {
    {"GroupToVenus", {}, "S 1 Venus", 5}, {"OldCommentReplaced", {}, "S 1 Venus ; ETA 2 turns", 5},
    {"WithinOneTurnNoComment", {}, "S 1 Earth", 0}, {"AlternativeNameOfThePlanet", {}, "S 1 Ares", 0},
    {"GroupInHyperspace", {}, "S 3 Mars", -1}, {"UnknownPosition", {}, "S 1 Pluto", -1},
    {"UnknownPlanet", {}, "S 1 Nowhere", -1}, {"MissingPlanet", {}, "S 1", -1},
    {"UnknownGroup", {}, "S 99 Venus", -1}, {"BattleEntry", {}, "S 11 Venus", -1},
    {"NoDriveTakesOneTurn", {}, "S 5 Venus", 0}, {"RawFleetSendGetsNone", {}, "S Alpha Venus ; ETA 4 turns", 0},
    {"RawInterceptGetsNone", {}, "I 1 Venus", 0}, {"OtherLinesAreCut", {}, "A Zorgons ; note", 0},
    {"LoadOfTheWholeGroup", {"L 2 COL"}, "S 2 Venus", 6}, {"LoadOfOtherShips", {"L 2 CAP 4"}, "S 2 Venus", 5},
    {"PartOfAGroupAfterALoadOfOthers", {"L 2 CAP 4"}, "S 2 Venus 3", 5},
    {"MaxAfterALoad", {"L 2 CAP 4"}, "S MAX Venus", 9},
    {"MaxAfterASecondLoadLessStock", {"L 2 COL 4", "S MAX Earth", "L 2 COL 4"}, "S MAX Venus", 5},
    {"MaxAfterTheFirstLoad", {"L 2 COL 4"}, "S MAX Venus", 8}, {"LoadCountZeroIsAll", {"L 2 CAP 0"}, "S 2 Venus", 9},
    {"LoadCountZeroThenMax", {"L 2 CAP 0"}, "S MAX Venus", -1},
    {"LoadWithoutCountThenMax", {"L 2 CAP"}, "S MAX Venus", -1}, {"FullGroup", {}, "S 9 Venus", 9},
    {"UnloadedFirst", {"U 9"}, "S 9 Venus", 5}, {"NearestOrderWins", {"U 9", "L 9 COL"}, "S 9 Venus", 9},
    {"MaxAfterBreakOff", {"B 1 2"}, "S MAX Venus", 5},
    {"MaxAfterAnythingElse", {"A Zorgons"}, "S MAX Venus", -1}, {"MaxBelowTheHeader", {}, "S MAX Venus", -1},
    {"LoadBelowDoesNotCount", {}, "S 2 Venus", 5}, {"NaturalGroup", {}, "Send group 1 to planet Venus", 5},
    {"NaturalPartialSendAfterLoad", {"Load cargo COL onto 3 ships of group 2"},
     "Send 3 ships of group 2 to planet Venus", 9},
    {"NaturalMaxAfterLoadWithAmount", {"Load 5 cargo CAP onto 4 ships of group 2"},
     "Send group MAX to planet Venus", 9},
    {"NaturalMaxAfterUnload", {"Unload 1 ships of group 9"}, "Send group MAX to planet Venus", 5},
    {"NaturalIntercept", {}, "Intercept ships at planet Venus with all ships of group 1", 5},
    {"FleetAtItsSlowestGroup", {}, "Send fleet Alpha to planet Venus", 7},
    {"FleetInterceptToo", {}, "Intercept ships at planet Venus with fleet Alpha", 7},
    {"FleetWithASlowerJoiningGroup", {"Add all ships of group 9 to fleet Alpha"},
     "Send fleet Alpha to planet Venus", 9},
    {"FleetInHyperspace", {}, "Send fleet Beta to planet Mars", -1},
    {"FleetWithoutGroupsYet", {"Create fleet Delta"}, "Send fleet Delta to planet Venus", -1},
    {"NewFleetWithAJoiningGroup", {"Create fleet Delta", "Add all ships of group 1 to fleet Delta"},
     "Send fleet Delta to planet Venus", 5},
    {"FleetOfNoDrive", {}, "Send fleet Gamma to planet Venus", 0},
    {"DriveTechnologyCounts", {}, "S 12 Venus", 3},
};

class EtaTest : public testing::TestWithParam<EtaCase> {
protected:
    Game game = [] {
        Game g = test::moveGame();
        g.turn.racegroups[0].groups.push_back(test::moveGroup(11, "Cruiser", 3, "Mars"));
        g.turn.racegroups[0].groups.back().inbattle = 1; // group 11: a battle entry, which cannot move
        g.turn.racegroups[0].groups.push_back(test::moveGroup(12, "Cruiser", 1, "Mars"));
        g.turn.racegroups[0].groups.back().drivetech = 2; // group 12: speed 20
        return g;
    }();
};

TEST_P(EtaTest, Line)
{
    const EtaCase& c = GetParam();
    const bool raw = c.line[1] == ' ';
    const MoveForm form = raw ? MoveForm::Raw : MoveForm::Natural;
    std::vector<std::string> lines = {raw ? "#GALAXY Lyra Orion" : "#Galaxy game: Lyra, racename: Orion"};
    lines.insert(lines.end(), c.above.begin(), c.above.end());
    lines.emplace_back(c.line);
    // Orders below the line do not count.
    lines.emplace_back(raw ? "L 2 COL" : "Load cargo COL onto all ships of group 2");
    lines.emplace_back(raw ? "#END" : "#End");
    // The line is cut before its comment, and a send or intercept gets the ETA comment.
    std::string expected(trimmed(cutComment(c.line)));
    if (c.eta != 0) expected += " ; ETA " + (c.eta < 0 ? std::string("?") : std::to_string(c.eta)) + " turns";
    EXPECT_EQ(OrderEta(lines, form, c.above.size() + 1, game), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, EtaTest, testing::ValuesIn(etaCases),
                         [](const testing::TestParamInfo<EtaCase>& info) { return info.param.name; });

TEST(RecalculateEtas, LeavesMessagesAloneAndStartsAtTheGivenLine)
{
    const Game game = test::moveGame();
    test::Strings lines = {"#GALAXY Lyra Orion", "S 1 Venus ; ETA 1 turns", "@", "S 1 Venus ; x", "@", "S 3 Venus",
                           "#END"};
    RecalculateEtas(lines, MoveForm::Raw, 2, game);
    EXPECT_EQ(lines, (test::Strings{"#GALAXY Lyra Orion", "S 1 Venus ; ETA 1 turns", "@", "S 1 Venus ; x", "@",
                                    "S 3 Venus ; ETA ? turns", "#END"}));
    RecalculateEtas(lines, MoveForm::Raw, 0, game);
    EXPECT_EQ(lines[0] + "|" + lines[1], "#GALAXY Lyra Orion|S 1 Venus ; ETA 5 turns");
}

// A real turn: Alpha's groups at Alcyone (33.81,35.70) and planet 56 (61.11,33.65), 27.38 apart. A Lancer
// (speed 8.89) takes 3.08 turns, an empty Freighter (10) 2.74, one with 7.5 CAP (5.71) 4.79, with 20 COL
// over 9 ships (8.18) 3.35; group 19 is in hyperspace, Gemma 26.64 away from Alcyone, Atlantis no planet.
TEST(RecalculateEtas, RealTurn)
{
    ORRERY_REQUIRE_CORPUS();
    test::TempDir dir;
    ASSERT_TRUE(test::copyCorpus("gng-game1/alpha", dir.path()));
    const Game game = test::loadTurn(dir.file("alpha15.txt"));
    test::Strings lines = {"#GALAXY Lyra Alpha", "S 1 56", "S 3 56", "L 3 CAP 2", "S MAX 56", "L 3 COL", "S 3 56",
                           "S 19 Alcyone", "S 1 Gemma", "S 1 Atlantis", "#END"};
    RecalculateEtas(lines, MoveForm::Raw, 1, game);
    EXPECT_EQ(lines, (test::Strings{"#GALAXY Lyra Alpha", "S 1 56 ; ETA 4 turns", "S 3 56 ; ETA 3 turns", "L 3 CAP 2",
                                    "S MAX 56 ; ETA 5 turns", "L 3 COL", "S 3 56 ; ETA 4 turns",
                                    "S 19 Alcyone ; ETA ? turns", "S 1 Gemma ; ETA 3 turns",
                                    "S 1 Atlantis ; ETA ? turns", "#END"}));
}

} // namespace
} // namespace orrery

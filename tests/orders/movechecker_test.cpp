// The move checker: every finding on moves written for real turns of the corpus and for the test
// turn, correct moves, and the real order files of a player checked against their turns.

#include "moveeditor.h"
#include "movechecker.h"
#include "movegame.h"
#include "testfiles.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <chrono>

namespace orrery {
namespace {

using Lines = std::vector<std::string>;

// Lines as the checker writes its findings and as move files hold them.
std::string crlf(const Lines& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The checker as the editor runs it: the move read in the given display.
std::string check(const Game& game, const Lines& move, MoveForm form = MoveForm::Raw)
{
    MoveEditor editor(game);
    EXPECT_EQ(test::said(editor.setMoveForm(form)), "");
    EXPECT_EQ(test::said(editor.readText(crlf(move))), "");
    return editor.checkCurrentMove();
}

// Alpha's turn 15: groups 1 (4 Lancer), 2 (9 Lancer) and 3 (9 Freighter, empty) at Alcyone (own:
// CAP 196.46, COL 20, MAT 0), 4 (11 Scout) and 5 (9 Lancer) at Altair, 7 (3 Freighter) at 27 (no
// stocks), 8 (2 Lancer) at 52, 10 (a Scout) at Beta's planet 19, 12 (a Scout), 19 (8 Freighter with
// COL) in hyperspace to the uninhabited 60; ship types Scout, Lancer, Freighter; no fleets.
// Turn 10: fleet Second_Wave (group 20) in hyperspace, group 1 at Alcyone. Turn 0: the test turn.
TEST(MoveCheck, FindingsOfMoves)
{
    test::TempDir dir;
    const bool corpus = test::copyCorpus("gng-game1/alpha", dir.path());
    const char* orion = "#GALAXY Lyra Orion";
    const Lines correct = {"#GALAXY Lyra Alpha pw", "S 1 56", "L 3 CAP 2", "S MAX 56", "L 3 COL", "S 3 56",
                           "P Alcyone Lancer", "R Alcyone CAP 27", "@ Beta", "Send 99 ships nowhere", "@"};
    const struct {
        const char* name;
        int turn;
        Lines move; // without its end line
        Lines findings;
        MoveForm form = MoveForm::Raw;
    } cases[] = {
        // Every finding in the order the checker finds them; the billion ships are counted, not
        // listed one by one.
        {"EveryFindingInOrder", 15,
         {"#GALAXY Lyra Beta pw", "@ Beta Zorgons", "S 99 Nowhere", "@", // message text is not checked
          "A Zorgons", "W Beta", "A Beta", "B 99 FLEET", "B 19 Nofleet", "E Nothing", "G 19", "X 77",
          "S 19 Nowhere", "I Ghost 56", "D FLEET Raiders", "D FLEET Raiders2", "J 1 Ghost", "K Nowhere", "V 60",
          "L 3 GOLD", "N 19 Home", "N 27 Home", "N 27 Haven", "P Alcyone Warp", "P Alcyone CAP", "R Altair GOLD 52",
          "K 52 war Beta", "K 52", "B 5 3", "S MAX 27", "I 5 56", "I 5 10", // MAX is not counted: 3 + 6 + 0 of 9
          "I Raiders 56", "I Raiders 10", "J 8 Raiders", "J 8 Raiders", "J Raiders Raiders2", "J Raiders Raiders2",
          "L 7 COL", "L 7 COL", "T Lancer Freighter", "T Lancer CAP", "T Scout Freighter", "T Raiders Raiders2",
          "S 2 Altair", "S 2 52", "S Raiders 10", "S Raiders 10", "U 3", "U 3",
          "L 19 CAP", "L 2 COL", "L 10 CAP", "L 3 CAP 2", "L 3 MAT", "L 99 CAP", "L MAX CAP", "L 3 CAP 2x",
          "S Nofleet 56", "S 4 Altair 6", "S 4 52 6", "S 12 Altair 999999999"},
         {"Syntax error in first line of move.", // 1. header
          // 2. arguments
          "Error in line \"@ Beta Zorgons\": Race does not exists.",
          "Error in line \"A Zorgons\": Race does not exists.",
          "Error in line \"B 99 FLEET\": Group ID does not exists.",
          "Error in line \"B 19 Nofleet\": Group is in hyperspace.",
          "Error in line \"B 19 Nofleet\": Fleet does not exists.",
          "Error in line \"E Nothing\": Fleet/shiptype does not exists.",
          "Error in line \"G 19\": Group is in hyperspace.",
          "Error in line \"X 77\": Group ID does not exists.",
          "Error in line \"S 19 Nowhere ; ETA ? turns\": Planet does not exists.",
          "Error in line \"S 19 Nowhere ; ETA ? turns\": Group/fleet is in hyperspace.",
          "Error in line \"I Ghost 56\": Group/fleet does not exists.",
          "Error in line \"J 1 Ghost\": Fleet does not exists.",
          "Error in line \"K Nowhere\": Planet does not exists.",
          "Error in line \"L 3 GOLD\": Cargo type does not exists.",
          "Error in line \"N 19 Home\": You don't own that planet.",
          "Error in line \"P Alcyone Warp\": Production type does not exists.",
          "Error in line \"R Altair GOLD 52\": Cargo type does not exists.",
          "Error in line \"L 19 CAP\": Group is in hyperspace.",
          "Error in line \"L 99 CAP\": Group ID does not exists.",
          "Error in line \"S Nofleet 56\": Group/fleet does not exists.",
          // 3. duplicates, with the rename conflicts between the "T" and the "S" checks
          "Error: 2 \"set production\" commands found for planet Alcyone",
          "Error: 2 \"rename planet\" commands found for planet 27",
          "Error: 2 \"rename planet\" commands found, which renames to Home",
          "Error: 2 \"change status of planet\" commands found for planet 52",
          "Error: 2 \"declare peace/war\" commands found for race Beta",
          "Error: 2 \"intercept\" commands found for all ships of group 5",
          "Error: 2 \"intercept\" commands found for fleet Raiders",
          "Error: 2 \"add group\" commands found for all ships of group 8",
          "Error: 2 \"merge fleet\" commands found for fleet Raiders",
          "Error: 2 \"load\" commands found for all ships of group 3",
          "Error: 2 \"load\" commands found for all ships of group 7",
          "Error: 2 \"new name\" commands found for fleet or shiptype Lancer",
          "Error: 2 \"new name\" commands found, which renames to fleet or shiptype Freighter",
          "Error in line \"T Lancer Freighter\":\r\n   Name of ship type already in use.",
          "Error in line \"T Lancer CAP\":\r\n   Ship name can not be the same as a product name.",
          "Error in line \"T Scout Freighter\":\r\n   Name of ship type already in use.",
          "Error in line \"T Raiders Raiders2\":\r\n   Fleet name already in use.",
          "Error: 2 \"send\" commands found for all ships of group 2",
          "Error: 2 \"send\" commands found for all ships of fleet Raiders",
          "Error: 2 \"unload\" commands found for all ships of group 3",
          // 4. simulation
          "Syntax error in line: I Ghost 56",
          "Error in unload command for group 3: Group doesn't carry any cargo.",
          "Error in unload command for group 3: Group doesn't carry any cargo.",
          "Error in load command for group 19: Group is already carrying a different load.",
          "Error in load command for group 19: Group is not at one of your planets.",
          "Error in load command for group 2: Group is already fully loaded.",
          "Error in load command for group 10: Group is already fully loaded.",
          "Error in load command for group 10: Group is not at one of your planets.",
          "Syntax error in line: S Nofleet 56",
          // 5. ship counts
          "Error: Not enough ships in group 4", "Error: Not enough ships in group 12",
          // 6. loads
          "Error in line \"L 3 GOLD\":\r\n   No cargo of that type at planet.",
          "Error in line \"L 7 COL\":\r\n   No cargo of that type at planet.",
          "Error in line \"L 7 COL\":\r\n   No cargo of that type at planet.",
          "Error in line \"L 19 CAP\":\r\n   No cargo of that type at planet.",
          "Error in line \"L 2 COL\":\r\n   Group contains no cargo ships.",
          "Error in line \"L 10 CAP\":\r\n   Group contains no cargo ships.",
          "Error in line \"L 3 MAT\":\r\n   No cargo of that type at planet.",
          "Error in line \"L 99 CAP\":\r\n   group id 99does not exist!", "Syntax error in line \"L MAX CAP\"",
          "Syntax error in line \"L 3 CAP 2x\""}},
        {"CorrectMove", 15, correct, {}},
        {"CorrectMoveShownNatural", 15, correct, {}, MoveForm::Natural},
        {"HeaderInLowerCase", 15, {"#galaxy Lyra alpha"}, {}},
        {"Fleets", 10,
         {"#GALAXY Lyra Alpha", "J 1 Second_Wave", "S Second_Wave Alcyone", "D FLEET Third_Wave", "J 2 Third_Wave"},
         {"Error in line \"J 1 Second_Wave\": Fleet is in hyperspace.",
          "Error in line \"S Second_Wave Alcyone\": Group/fleet is in hyperspace.",
          "Error in line \"J 1 Second_Wave\": Group not at the same planet than fleet."}},
        {"NaturalDisplayQuotesNaturalLines", 0, {orion, "S 99 Venus", "U 1"},
         {"Error in line \"Send group 99 to planet Venus ; ETA ? turns\": Group/fleet does not exists.",
          "Error in unload command for group 1: Group doesn't carry any cargo."}, MoveForm::Natural},
        {"GroupWithoutDrive", 0, {orion, "S 5 Venus"}, {"Error in send command for group 5: Group can't move."}},
        {"FleetCannotMove", 0, {orion, "S Gamma Venus"}, {"Error in send command for fleet Gamma: Fleet can't move."}},
        {"FleetsAtDifferentPlaces", 0, {orion, "J Alpha Beta"},
         {"Error in line \"J Alpha Beta\": Fleet is in hyperspace.",
          "Error in line \"J Alpha Beta\": Fleets are not at the same planet."}},
        {"PartsOfAGroup", 0, {orion, "S 1 Venus 3", "B 1 4"}, {"Error: Not enough ships in group 1"}},
        {"PartsThatFit", 0, {orion, "S 1 Venus 3", "S 1 Earth 2", "U 9 1", "U 9 1"}, {}},
        {"SendAfterGivingAway", 0, {orion, "B 1 3", "S MAX Venus", "S 1 Earth"}, {}},
        {"FullyLoaded", 0, {orion, "L 9 COL"},
         {"Error in load command for group 9: Group is already fully loaded.",
          "Error in line \"L 9 COL\":\r\n   Group is already fully loaded."}},
        {"ErasingTypes", 0, {orion, "E cruiser", "D Frigate 10 1 5 5 0", "E Frigate", "E Alpha"},
         {"Error in line \"E cruiser\": Ships of this type still exist."}},
        {"MapArea", 0, {orion, "M 0 10 2x", "M 1 5 1", "M -1"},
         {"Error in line \"M 0 10 2x\": Values has to be at least 1.", "Syntax error in line: M 0 10 2x",
          "Error in line \"M -1\": Values has to be at least 1.", "Syntax error in line: M -1",
          "Syntax error in line: M -1"}},
        {"JoinToANewFleet", 0, {orion, "D FLEET Delta", "J 1 Delta", "S Delta Venus"}, {}},
        {"LoadCountZeroLoadsTheWholeGroup", 0, {orion, "L 2 CAP 0", "S MAX Venus"}, {}},
        {"MissingArguments", 0, {orion, "S 1", "I 1", "J Ghost", "P Mars"},
         {"Error in line \"S 1 ; ETA ? turns\": Planet does not exists.",
          "Error in line \"I 1\": Planet does not exists.", "Error in line \"J Ghost\": Group/fleet does not exists.",
          "Error in line \"J Ghost\": Fleet does not exists.",
          "Error in line \"P Mars\": Production type does not exists.", "Syntax error in line: J Ghost"}},
    };
    for (const auto& c : cases) {
        if (c.turn > 0 && !corpus) continue;
        SCOPED_TRACE(c.name);
        const Game game =
            c.turn ? test::loadTurn(dir.file("alpha" + std::to_string(c.turn) + ".txt")) : test::moveGame();
        Lines move = c.move;
        move.emplace_back("#END");
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(check(game, move, c.form), crlf(c.findings));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
}

TEST(MoveCheck, ErasingATypeStillBeingBuilt)
{
    Game game = test::moveGame();
    game.shiptypes.push_back(test::makeShipType("Frigate", "Orion", 10, 1, 5, 5, 0));
    game.turn.planets[2].producing = "Frigate";
    EXPECT_EQ(check(game, {"#GALAXY Lyra Orion", "E Frigate", "#END"}),
              crlf({"Error in line \"E Frigate\": Ships of this type are still being produced."}));
    // Another race's planet building it does not matter.
    game.turn.planets[2].ownercode = ocOther;
    EXPECT_EQ(check(game, {"#GALAXY Lyra Orion", "E Frigate", "#END"}), "");
}

// The order files a player of a real game sent, each written after the turn report of its number:
// they read, survive the natural form, and check against their turn.
TEST(MoveCheck, RealOrderFilesOfAPlayer)
{
    ORRERY_REQUIRE_CORPUS();
    test::TempDir dir;
    ASSERT_TRUE(test::copyCorpus("samples/gng-daily8-farmers", dir.path()));
    int read = 0, clean = 0;
    for (const std::string& name : test::listFiles(dir.path())) {
        if (!startsWith(name, "orders")) continue;
        SCOPED_TRACE(name);
        const std::string number = name.substr(6, name.find_first_of("a.", 6) - 6); // orders12a.txt: turn 12
        const Game game = test::loadTurn(dir.file("turn" + number + ".txt"));
        MoveEditor editor(game);
        ASSERT_EQ(test::said(editor.setMoveForm(MoveForm::Raw)), "");
        const std::string message = test::said(editor.loadFile(dir.file(name)));
        // One file holds the real-name command "=", which the editor does not know.
        if (!message.empty() && startsWith(message, "Error in file: unrecognized command in line\r\n= ")) continue;
        ASSERT_EQ(message, "");
        ++read;
        const Lines raw = editor.lines();
        ASSERT_EQ(test::said(editor.setMoveForm(MoveForm::Natural)), "");
        ASSERT_EQ(test::said(editor.setMoveForm(MoveForm::Raw)), "");
        EXPECT_EQ(editor.lines(), raw);
        const std::string findings = editor.checkCurrentMove();
        EXPECT_EQ(findings.find("Syntax error in first line"), std::string::npos);
        clean += findings.empty();
        if (!findings.empty()) {
            EXPECT_EQ(findings.substr(findings.size() - 2), "\r\n");
        }
    }
    EXPECT_GE(read, 45);
    EXPECT_GE(clean, 38);
}

} // namespace
} // namespace orrery

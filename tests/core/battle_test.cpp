// The battle engine against a plain reference that fights the battle the long way (singly linked
// lists, linear walks, the same random source), hand-checked values of the formulas, and the
// battle files.

#include "battle.h"
#include "battlefile.h"
#include "battlereference.h"
#include "gamedata.h"
#include "shortname.h"
#include "testfiles.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <random>

using namespace orrery;
using namespace orrery::test;

namespace {

std::string engineRun(const BattleSetup& setup, int battles, BattleRandom& random)
{
    BattleSimulation run;
    run.start(battles);
    while (run.fightNext(setup, random)) {
    }
    EXPECT_EQ(run.started(), battles);
    return run.resultText();
}

// A row from the cells that matter, the rest blank.
BattleRow row(std::string no, std::string type, std::string drive, std::string attacks, std::string weapons,
              std::string shields, std::string cargo = "0", std::string quantity = "0", std::string techs = "1")
{
    return {no, type, drive, attacks, weapons, shields, cargo, quantity, techs, techs, techs, techs};
}

BattleGroup ship(double drive, double attacks, double weapons, double shields, double cargo = 0, double quantity = 0)
{
    BattleGroup g;
    g.drive = drive, g.attacks = attacks, g.weapons = weapons, g.shields = shields, g.cargo = cargo;
    g.quantity = quantity;
    return g;
}

} // namespace

// Random setups of every kind (empty and broken cells, unarmed and unshielded ships, cargo, no
// ships at all) give the reference's result text, and leave the random source at the same place.
TEST(BattleEngine, MatchesTheReferenceOnRandomSetups)
{
    std::mt19937 pick(20260);
    const auto any = [&](std::initializer_list<const char*> pool) {
        return std::string(pool.begin()[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(pick)]);
    };
    int fought = 0, decided = 0;
    for (int setupNo = 0; setupNo < 300; ++setupNo) {
        BattleSetup setup;
        for (auto* side : {&setup.aggressor, &setup.defender}) {
            const int rows = std::uniform_int_distribution<int>(1, 6)(pick);
            for (int r = 0; r < rows; ++r)
                side->push_back({any({"", "0", "1", "1", "2", "3", "4", "x", "-2", "2.5", " 2"}),
                                 any({"", "Drone", "Cruiser", "Gunship", "A very long ship type name"}),
                                 any({"0", "1", "5", "10", "", "abc"}), any({"0", "1", "1", "2", "3", "0.5", "", "q"}),
                                 any({"0", "1", "2", "5", "10", "1.5", ""}), any({"0", "1", "3", "8", "20", "", "-"}),
                                 any({"0", "0", "2", "", "z"}), any({"0", "0", "5", "", "12.5"}),
                                 any({"1", "2", "", "t"}), any({"1", "1.5", "2", "3", ""}),
                                 any({"1", "1.2", "2", "", "s"}), any({"1", "2", "0", ""})});
        }
        const int battles = 1 + setupNo % 7;
        BattleRandom a, b;
        const std::string expected = referenceRun(setup, battles, a);
        const std::string actual = engineRun(setup, battles, b);
        ASSERT_EQ(actual, expected) << "setup " << setupNo << ":\n" << battleFileText(setup);
        ASSERT_EQ(a.seed(), b.seed()) << "setup " << setupNo;
        fought += contains(expected, "Round 1:");
        decided += contains(expected, " won the battle.");
    }
    // The setups were not all idle: most battles were fought and decided.
    EXPECT_GT(fought, 150);
    EXPECT_GT(decided, 150);
}

// A ship's defence, worked out by hand: drive 10, attacks 2 (weapons mass 5 + 5/2), shields 8,
// shield tech 2 gives 16 * 30^(1/3) / 25.5^(1/3); cargo 5 carrying 10 at cargo tech 2 adds 5 + 5.
TEST(BattleEngine, DefenceOfAShip)
{
    BattleGroup cruiser = ship(10, 2, 5, 8);
    cruiser.shieldtech = 2;
    EXPECT_NEAR(shipDefence(cruiser), 16.8906750719, 1e-9);
    BattleGroup freighter = cruiser;
    freighter.cargo = 5, freighter.quantity = 10, freighter.cargotech = 2;
    EXPECT_NEAR(shipDefence(freighter), 15.1269353181, 1e-9);
    // Unarmed: no weapons mass at all, however heavy the weapons would be.
    EXPECT_NEAR(shipDefence(ship(1, 0, 99, 1)), 3.107232506 / std::cbrt(2.0), 1e-12);
    // No shields, no defence; and the undefined cases have none either.
    EXPECT_EQ(shipDefence(ship(10, 1, 1, 0)), 0);
    EXPECT_EQ(shipDefence(ship(0, 0, 0, 0)), 0);
    BattleGroup noCargoTech = ship(1, 0, 0, 1, 1, 5);
    noCargoTech.cargotech = 0;
    EXPECT_EQ(shipDefence(noCargoTech), 0);
    noCargoTech.quantity = 0; // carrying nothing, the cargo technology does not matter
    EXPECT_NEAR(shipDefence(noCargoTech), 3.107232506 / std::cbrt(3.0), 1e-12);
}

// The can-hurt threshold is 0.251, strictly; the kill test beats 4^x for x = -1 .. 0.9999.
TEST(BattleEngine, HurtThresholdAndKillChances)
{
    const struct {
        double weapons, attacks, defence;
        bool hurts;
        int kills; // of the 20000 possible draws
    } rows[] = {
        // Ratio exactly 0.251: no harm, yet 4^x < 0.251 for x below log4(0.251) = -0.99713.
        {1.004, 1, 4, false, 29},
        {1.005, 1, 4, true, 36}, // log4(0.25125) = -0.99641
        {1, 1, 4, false, 0},     // 0.25 never kills
        {4, 1, 4, true, 10000},  // ratio 1: x below 0
        {8, 1, 4, true, 15000},  // ratio 2: x below 0.5
        {16, 1, 4, true, 20000}, // ratio 4 always kills
        {0.001, 2, 0, true, 20000}, // no defence: every shot kills
        {16, 0, 4, false, 0},    // no attacks, no harm
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.weapons << " at " << r.defence);
        const BattleGroup shooter = ship(1, r.attacks, r.weapons, 1);
        EXPECT_EQ(canHurt(shooter, r.defence), r.hurts);
        int kills = 0;
        for (std::uint32_t d = 0; d < 20000; ++d) kills += shotKills(shooter, r.defence, d);
        EXPECT_EQ(kills, r.kills);
    }
}

// The generator of the game: seed * 134775813 + 1, the draw the upper half of n * seed.
TEST(BattleEngine, RandomSourceSteps)
{
    BattleRandom random;
    EXPECT_EQ(random.below(100), 0u); // seed 1: 100 / 2^32
    EXPECT_EQ(random.seed(), 1u);
    EXPECT_EQ(random.below(1u << 31), 134775814u / 2); // seed 134775814
    EXPECT_EQ(random.seed(), 134775814u);
    const std::uint32_t third = static_cast<std::uint32_t>(134775814ull * 134775813ull + 1);
    EXPECT_EQ(random.below(20000), static_cast<std::uint32_t>((20000ull * third) >> 32));
}

// Whole battles whose result is known without a random draw mattering.
TEST(BattleEngine, KnownOutcomes)
{
    const std::string header = "\r\n\r\nDetailed information for first battle:\r\n";
    const struct {
        const char* what;
        BattleSetup setup;
        std::string result;
    } rows[] = {
        {"ratio of 4 against a lone unarmed ship",
         {{row("1", "Drone", "1", "1", "16", "0")}, {row("1", "Cruiser", "1", "0", "0", "1")}},
         "Battle result:\r\n\r\nAggressor won 100 battles,\r\nDefender won 0 battles.\r\n" + header +
             "Round 1:\r\n   Aggressors ship of type Drone shoots at Defenders ship of type Cruiser: Ship destroyed!\r\n"
             "\r\nAggressor won the battle.\r\n\r\nRemaining aggressor ships:\r\n   1 of 1 ships of type Drone\r\n"},
        {"no ratio above 0.251",
         {{row("2", "Drone", "1", "1", "0.1", "5")}, {row("3", "", "1", "2", "0.1", "5"), row("1", "", "1", "0", "0", "1")}},
         "Battle result:\r\n\r\nAggressor won 0 battles,\r\nDefender won 0 battles,\r\nStand off in 100 battles.\r\n" +
             header +
             "\r\nNo side won the battle.\r\n\r\nRemaining aggressor ships:\r\n   2 of 2 ships of type Drone\r\n"
             "\r\nRemaining defender ships:\r\n   4 of 4 ships of type <no name given>\r\n"},
        {"no armed ship on either side",
         {{row("2", "Hulk", "1", "0", "0", "1")}, {row("1", "Rock", "1", "0", "0", "1")}},
         "Battle result:\r\n\r\nAggressor won 0 battles,\r\nDefender won 0 battles,\r\nStand off in 100 battles.\r\n" +
             header +
             "\r\nNo side won the battle.\r\n\r\nRemaining aggressor ships:\r\n   2 of 2 ships of type Hulk\r\n"
             "\r\nRemaining defender ships:\r\n   1 of 1 ships of type Rock\r\n"},
        {"only the defender has ships (empty and unreadable No. cells)",
         {{row("", "Ghost", "1", "1", "9", "1"), row("x", "Ghost", "1", "1", "9", "1")}, {row("5", "Rock", "1", "0", "0", "1")}},
         "Battle result:\r\n\r\nAggressor won 0 battles,\r\nDefender won 100 battles.\r\n" + header +
             "\r\nDefender won the battle.\r\n\r\nRemaining defender ships:\r\n   5 of 5 ships of type Rock\r\n"},
        {"no ships at all", {{row("0", "A", "1", "1", "1", "1")}, {row("", "", "", "", "", "")}},
         "Battle result:\r\n\r\nAggressor won 0 battles,\r\nDefender won 0 battles,\r\nStand off in 100 battles.\r\n" +
             header + "\r\nNo side won the battle.\r\n"},
        // Attacks of 0.5: armed, so the battle would go on, but no shot is ever fired.
        {"only half an attack",
         {{row("1", "Dud", "1", "0.5", "50", "1")}, {row("1", "Rock", "1", "0", "0", "1")}},
         "Battle result:\r\n\r\nAggressor won 0 battles,\r\nDefender won 0 battles,\r\nStand off in 100 battles.\r\n" +
             header +
             "\r\nNo side won the battle.\r\n\r\nRemaining aggressor ships:\r\n   1 of 1 ships of type Dud\r\n"
             "\r\nRemaining defender ships:\r\n   1 of 1 ships of type Rock\r\n"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        BattleRandom random;
        EXPECT_EQ(engineRun(r.setup, 100, random), r.result);
    }
}

// A ship with attacks 0.5 never shoots while the others do; a ship without shields dies of every
// shot, however weak.
TEST(BattleEngine, HalfAttacksNeverShootAndUnshieldedShipsAlwaysDie)
{
    const BattleSetup setup{{row("2", "Gun", "1", "1", "0.01", "1"), row("3", "Half", "1", "0.5", "99", "1")},
                            {row("6", "Bare", "1", "0", "0", "0")}};
    BattleRandom random;
    const std::string text = engineRun(setup, 5, random);
    int shots = 0;
    for (std::string_view line : splitLines(text)) {
        if (!startsWith(line, "   Aggressors")) continue;
        ++shots;
        EXPECT_TRUE(startsWith(line, "   Aggressors ship of type Gun shoots at Defenders ship of type Bare:"));
        EXPECT_TRUE(contains(line, "Ship destroyed!"));
    }
    EXPECT_EQ(shots, 6);
    EXPECT_TRUE(contains(text, "Aggressor won 5 battles,\r\nDefender won 0 battles.\r\n"));
}

// Shot lines stop once the protocol reaches 100000 characters; rounds and the outcome go on.
TEST(BattleEngine, ProtocolOfTheFirstBattleIsCut)
{
    const BattleSetup setup{{row("300", "Aggressor", "10", "1", "2", "2")}, {row("300", "Defender", "10", "1", "2", "2")}};
    BattleRandom random;
    BattleSimulation run;
    run.start(2);
    ASSERT_TRUE(run.fightNext(setup, random));
    const std::string first = run.protocol();
    ASSERT_TRUE(run.fightNext(setup, random));
    EXPECT_EQ(run.protocol(), first); // the second battle adds nothing
    EXPECT_FALSE(run.fightNext(setup, random));

    ASSERT_GT(first.size(), battleProtocolLimit);
    std::size_t lastShot = 0, rounds = 0, roundsAfterCut = 0;
    for (std::size_t at = 0; at < first.size();) {
        const std::size_t end = first.find("\r\n", at);
        const std::string_view line(first.data() + at, end - at);
        if (startsWith(line, "   ") && contains(line, " shoots at ")) {
            EXPECT_LT(at, battleProtocolLimit);
            lastShot = end + 2;
        }
        if (startsWith(line, "Round ")) {
            ++rounds;
            roundsAfterCut += at >= battleProtocolLimit;
        }
        at = end + 2;
    }
    EXPECT_GE(lastShot, battleProtocolLimit); // the last line taken crossed the limit
    EXPECT_GT(roundsAfterCut, 0u);
    EXPECT_TRUE(contains(first, " won the battle.\r\n") || contains(first, "No side won the battle.\r\n"));
    // The same battle the long way.
    BattleRandom again, reference;
    EXPECT_EQ(engineRun(setup, 1, again), referenceRun(setup, 1, reference));
}

// A run stopped early reports the battles fought; a run after a start repeats exactly.
TEST(BattleEngine, StoppedRunsAndRepeatedRuns)
{
    const BattleSetup setup{{row("3", "Gun", "5", "2", "3", "3")}, {row("4", "Wall", "5", "1", "2", "4")}};
    BattleRandom random;
    BattleSimulation run;
    run.start(100);
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(run.fightNext(setup, random));
    const std::string text = run.resultText();
    const int standOffs = 10 - run.aggressorWins() - run.defenderWins();
    EXPECT_TRUE(contains(text, "Aggressor won " + std::to_string(run.aggressorWins()) + " battles,\r\n"));
    EXPECT_EQ(contains(text, "Stand off in " + std::to_string(standOffs) + " battles."), standOffs > 0);
    // The ten battles are the first ten of the run of a hundred.
    BattleRandom fresh;
    BattleRandom reference;
    EXPECT_EQ(text, referenceRun(setup, 10, reference));
    EXPECT_EQ(engineRun(setup, 10, fresh), text);
    // Starting again restarts the counters and the protocol, not the random source.
    run.start(10);
    while (run.fightNext(setup, random)) {
    }
    EXPECT_EQ(run.started(), 10);
    BattleRandom continued(fresh.seed());
    EXPECT_EQ(run.resultText(), referenceRun(setup, 10, continued));
}

// Groups of the turn as rows of the tables, and such rows fought: the padded cells read as the
// numbers they show.
TEST(BattleEngine, GroupsAsTableRows)
{
    grouprecord cruiser;
    cruiser.groupnumber = 12;
    cruiser.shipcount = 3;
    cruiser.name = "Cruiser";
    cruiser.drive = 10, cruiser.attacks = 2, cruiser.weapons = 5.125, cruiser.shields = 8, cruiser.cargo = 1;
    cruiser.cargoquantity = 2.5, cruiser.drivetech = 1.5, cruiser.weapontech = 2, cruiser.shieldtech = 0;
    cruiser.cargotech = -1;
    EXPECT_EQ(battleGroupId(cruiser), "  12");
    EXPECT_EQ(battleRowOf(cruiser),
              (BattleRow{"  3", "Cruiser", " 10", "  2", "5.12", "8.00", "  1", "2.50", "1.50", "2.00", "1.00", "1.00"}));
    grouprecord alien;
    alien.shipcount = 140;
    alien.name = "Drone";
    alien.drive = 1;
    EXPECT_EQ(battleGroupId(alien), "");
    EXPECT_EQ(battleRowOf(alien),
              (BattleRow{"140", "Drone", "  1", "  0", "  0", "  0", "  0", "  0", "1.00", "1.00", "1.00", "1.00"}));
    const std::vector<BattleGroup> read = battleGroups({{battleRowOf(cruiser)}, {battleRowOf(alien)}});
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].ships, 3);
    EXPECT_EQ(read[0].weapons, 5.12);
    EXPECT_EQ(read[1].ships, 140);
    EXPECT_EQ(read[1].attacks, 0);
}

TEST(BattleEngine, SimulationCount)
{
    for (const char* bad : {"0", "", "-3", "x", "2.5", "99999999999"}) {
        const Result<int> n = simulationCount(bad);
        ASSERT_FALSE(n) << bad;
        EXPECT_EQ(n.error().message, "Number of simulations has to be at least 1!");
    }
    EXPECT_EQ(simulationCount("100").valueOr(0), 100);
    EXPECT_EQ(simulationCount(" 7 ").valueOr(0), 7);
}

// Cells as the battle reads them: blanks around allowed, broken numbers fall back.
TEST(BattleEngine, CellsAsNumbers)
{
    const std::vector<BattleGroup> groups = battleGroups(
        {{{" 3 ", "A very long ship type name", "x", "2", "1e1", "", "-1", "5.", "t", "2", "", "0"}}, {}});
    ASSERT_EQ(groups.size(), 1u);
    const BattleGroup& g = groups[0];
    EXPECT_EQ(g.ships, 3);
    EXPECT_EQ(g.name, "A very long ship typ");
    EXPECT_EQ(std::vector<double>({g.drive, g.attacks, g.weapons, g.shields, g.cargo, g.quantity, g.drivetech,
                                   g.weapontech, g.shieldtech, g.cargotech}),
              std::vector<double>({0, 2, 10, 0, -1, 5, 1, 2, 1, 0}));
    EXPECT_EQ(battleWholeCell("2.5", 0), 0);
    EXPECT_EQ(battleWholeCell("-4", 0), -4);
    // A huge count is still a count, and a battle takes no more ships than it can hold.
    const BattleSetup huge{{row("99999999999999999999999", "", "1", "0", "0", "1")}, {row("5", "", "", "", "", "")}};
    const std::vector<BattleGroup> capped = battleGroups(huge);
    ASSERT_EQ(capped.size(), 1u);
    EXPECT_EQ(capped[0].ships, maxBattleShips);
    BattleSetup many;
    many.defender.assign(maxBattleGroups + 5, row("1", "", "", "", "", ""));
    EXPECT_EQ(battleGroups(many).size(), maxBattleGroups);
    // Such setups are refused before a battle starts; up to the limits they are fine.
    const struct {
        BattleSetup setup;
        std::string refused; // empty: accepted
    } sizes[] = {
        {huge, "A battle takes at most 1000000 ships!"},
        {many, "A battle takes at most 10000 groups!"},
        {{{row("600000", "", "", "", "", "")}, {row("400000", "", "", "", "", ""), row("-5", "", "", "", "", "")}}, ""},
        {{{row("600000", "", "", "", "", "")}, {row("400001", "", "", "", "", "")}}, "A battle takes at most 1000000 ships!"},
        {{std::vector<BattleRow>(maxBattleGroups, row("1", "", "", "", "", "")), {row("0", "", "", "", "", "")}}, ""},
    };
    for (const auto& size : sizes) {
        const Status fits = checkBattleSize(size.setup);
        EXPECT_EQ(fits ? std::string() : fits.error().message, size.refused);
    }
}

// ---------------------------------------------------------------------------------------------
// Battle data files and result files.

TEST(BattleFile, WritesTheDocumentedLines)
{
    const BattleSetup setup{{{"3", "Cruiser", "10", "2", "5", "8", "0", "", "2", "2", "2", ""}},
                            {{"", "", "", "", "", "", "", "", "", "", "", ""}}};
    EXPECT_EQ(battleFileText(setup), "1 3 Cruiser 10 2 5 8 0 0 2 2 2 1 \r\n0 0  0 0 0 0 0 0 1 1 1 1 \r\n");
    // Padded numbers stay as they are; blanks inside a name become "_".
    const BattleSetup odd{{}, {{"  3", "Big Ship", " 1", "2", "3", "4", "5", "6", "1.00", "1", "1", "1\t"}}};
    EXPECT_EQ(battleFileText(odd), "0   3 Big_Ship  1 2 3 4 5 6 1.00 1 1 1  \r\n");
}

TEST(BattleFile, RoundTripWithAnyLineEnds)
{
    // A ship type without a name is written as nothing and read back as none.
    const BattleSetup setup{
        {{"3", "Cruiser", "10", "2", "5", "8", "0", "0", "2", "2", "2", "1"},
         {"12", "Drone", "1", "1", "1", "0", "0", "0", "1.5", "1", "1", "1"}},
        {{"1", "Fortress", "0", "20", "3.25", "50", "10", "7.5", "1", "2.5", "3", "1.2"},
         {"4", "", "2", "1", "1.5", "1", "0", "0", "1", "1", "1", "1"}}};
    const std::string text = battleFileText(setup);
    for (const std::string& ends : {std::string("\r\n"), std::string("\n"), std::string("\r")}) {
        std::string variant;
        for (std::string_view line : splitLines(text)) variant += std::string(line) + ends;
        const Result<BattleSetup> read = parseBattleFile(variant, "b.txt");
        ASSERT_TRUE(read) << read.error().text();
        EXPECT_EQ(*read, setup);
    }
    // Any first word but 1 makes a defender row; missing words are empty cells.
    const Result<BattleSetup> loose = parseBattleFile("1 2 A\n7 4 B 1 2\n\n");
    ASSERT_TRUE(loose);
    ASSERT_EQ(loose->aggressor.size(), 1u);
    ASSERT_EQ(loose->defender.size(), 2u);
    EXPECT_EQ(loose->defender[0][bcType], "B");
    EXPECT_EQ(loose->defender[0][bcAttacks], "2");
    EXPECT_EQ(loose->defender[0][bcWeapons], "");
    EXPECT_EQ(loose->defender[1], BattleRow{});

    TempDir dir;
    ASSERT_TRUE(saveBattleFile(dir.file("setup.txt"), setup));
    EXPECT_EQ(readText(dir.file("setup.txt")), text);
    const Result<BattleSetup> loaded = loadBattleFile(dir.file("setup.txt"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, setup);
}

TEST(BattleFile, MalformedFilesAreRefused)
{
    const struct {
        const char* what;
        std::string text;
        int line;
    } rows[] = {
        {"marker 2", "2 3 Cruiser 10 2 5 8 0 0 2 2 2 1 \r\n", 1},
        {"a word before the marker", "x 1 3 Cruiser\r\n1 3 Cruiser\r\n", 1},
        {"a blank first line", "\r\n1 3 Cruiser\r\n", 1},
        {"marker 10", "10 3\r\n", 1},
        {"empty", "", 0},
        {"binary", std::string("\0\x1a\x01", 3), 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const Result<BattleSetup> read = parseBattleFile(r.text, "bad.txt");
        ASSERT_FALSE(read);
        EXPECT_EQ(read.error(), Failure("Not a battle data file!", "bad.txt", r.line));
    }
    TempDir dir;
    const Result<BattleSetup> missing = loadBattleFile(dir.file("missing.txt"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().file, dir.file("missing.txt"));
    EXPECT_FALSE(saveBattleFile(dir.file("no/such/folder/setup.txt"), {}));
}

TEST(BattleFile, ResultFiles)
{
    BattleRandom random;
    const std::string result =
        engineRun({{row("1", "Drone", "1", "1", "16", "0")}, {row("1", "Rock", "1", "0", "0", "1")}}, 3, random);
    TempDir dir;
    const Status empty = saveBattleResult(dir.file("r.txt"), "");
    ASSERT_FALSE(empty);
    EXPECT_EQ(empty.error().message, "Simulate the battle first!");
    EXPECT_FALSE(std::filesystem::exists(dir.file("r.txt")));
    ASSERT_TRUE(saveBattleResult(dir.file("r.txt"), result));
    EXPECT_EQ(readText(dir.file("r.txt")), result + "\r\n");
    // Read back, every line ends in CR LF; the blank line the file ended with is one line more.
    const Result<std::string> loaded = loadBattleResult(dir.file("r.txt"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, result + "\r\n");
    EXPECT_EQ(parseBattleResult("a\nb\rc"), "a\r\nb\r\nc\r\n");
    EXPECT_FALSE(loadBattleResult(dir.file("none.txt")));
}

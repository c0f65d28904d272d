#pragma once

// The battle simulator's engine: two sides of ship groups fight the same battle many times with
// the game's kill rule, and the result counts who won and logs the first battle shot by shot.
//
// The input is the two setup tables exactly as the battle window holds them: rows of 12 cells of
// text ("No.", "Ship type", "Drive", "Attacks", "Weapons", "Defence", "Cargo", "Quan.",
// "Drive tech", "Weapon tech", "Shield tech", "Cargo tech"). The window's timer, the command-line
// tool and the tests drive one BattleSimulation the same way:
//
//     if (!checkBattleSize(setup)) ...          // refuse setups too large for one battle
//     BattleSimulation run;
//     run.start(100);
//     while (run.fightNext(setup, random)) {}   // the window: one call per timer tick
//     show(run.resultText());
//
// The random source is handed in: the program owns one for its whole run, started at seed 0, so
// the battles after a program start are the same every time.
//
// How a battle goes. At the start every used row becomes that many ships, all sharing the row's
// group number. Each round every armed ship (attacks above 0) is drawn once, in random order, and
// fires the whole part of its attacks at ships drawn at random from the other side. A shot kills
// when weapons x weapon tech / defence beats 4^x, x uniform in [-1, 1) in steps of 1/10000: a ratio
// of 4 or more always kills, one of 1/4 or less never. A dead ship takes the first ship of its
// group out of the lists, so a group's ships stay together in list order. The battle goes on while
// some armed ship can hurt (ratio above 0.251) a ship of the other side.

#include "result.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct grouprecord;

// The program-wide random source of the battle simulator: the linear congruential generator
// seed <- seed * 134775813 + 1 (mod 2^32); a draw below n is the upper 32 bits of n * seed, taken
// after the step.
class BattleRandom {
public:
    explicit BattleRandom(std::uint32_t seed = 0) : seed_(seed) {}
    // A uniform whole number from 0 to n - 1 (0 when n is 0).
    std::uint32_t below(std::uint32_t n)
    {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * seed_) >> 32);
    }
    std::uint32_t seed() const { return seed_; }

private:
    std::uint32_t seed_;
};

// The columns of a side's table.
enum BattleColumn {
    bcNumber, bcType, bcDrive, bcAttacks, bcWeapons, bcDefence, bcCargo, bcQuantity,
    bcDriveTech, bcWeaponTech, bcShieldTech, bcCargoTech, battleColumnCount
};

using BattleRow = std::array<std::string, battleColumnCount>;

// The two tables of the battle window. An empty table there shows one blank row; here it may as
// well be no row at all (neither gives ships).
struct BattleSetup {
    std::vector<BattleRow> aggressor;
    std::vector<BattleRow> defender;
    bool operator==(const BattleSetup&) const = default;
};

// One row turned into numbers, as every battle reads it.
struct BattleGroup {
    bool aggressor = true;
    std::string name;    // cut to 20 characters, may be empty
    std::int64_t ships = 0; // ships built from the row (see maxBattleShips)
    double drive = 0, attacks = 0, weapons = 0, shields = 0, cargo = 0, quantity = 0;
    double drivetech = 1, weapontech = 1, shieldtech = 1, cargotech = 1;
};

// At most this many ships, from at most this many rows, take part in one battle; rows beyond give
// fewer ships (or none). A cell of "No." can hold any number and a file any number of rows, but a
// battle keeps every ship in memory, draws numbers below the ship count (which must stay below
// 2^32) and weighs every pair of rows against each other.
constexpr std::int64_t maxBattleShips = 1'000'000;
constexpr std::size_t maxBattleGroups = 10'000;
// A ship fires at most this many shots per round, whatever its attacks cell says.
constexpr std::int64_t maxShotsPerShip = 1'000'000;

// Whether the setup fits into one battle; a setup beyond the limits above would lose ships, so
// the simulator refuses it before it starts ("A battle takes at most 1000000 ships!", "A battle
// takes at most 10000 groups!").
Status checkBattleSize(const BattleSetup& setup);

// The rows of the setup that give ships (aggressor rows first) read as numbers: "No." as a whole
// number (a row whose cell is empty, not a whole number or below 1 gives none), the six design
// cells as numbers (0 when a cell is none), the four technologies likewise (1 when a cell is none).
std::vector<BattleGroup> battleGroups(const BattleSetup& setup);

// A cell read as a whole number / as a number, or the fallback when it is not one. Blanks around
// the text are allowed.
std::int64_t battleWholeCell(std::string_view cell, std::int64_t fallback);
double battleNumberCell(std::string_view cell, double fallback);

// The defence of one ship: shields x shield tech x 30^(1/3) / (total mass)^(1/3), where the cargo
// carried weighs its quantity / cargo tech. A ship whose defence has no value (its whole mass is
// 0) has no defence at all.
double shipDefence(const BattleGroup& ship);
// Whether a shooter can hurt a target of the given defence: its weapons x weapon tech / defence is
// above 0.251 (a target without defence always can be hurt).
bool canHurt(const BattleGroup& shooter, double targetDefence);
// Whether one shot with the random number r (0 to 19999) kills.
bool shotKills(const BattleGroup& shooter, double targetDefence, std::uint32_t r);

// A group of the shown turn as the battle window lists it: "ID" (the group's number right-aligned
// in 4, empty for groups without one) and the 12 cells of a side's row. Counts of drives, attacks
// and cargo are whole numbers right-aligned in 3, weapons, shields and quantity have two decimals,
// and any of these six that is not above 0 is "  0"; a technology not above 0 is "1.00".
std::string battleGroupId(const grouprecord& group);
BattleRow battleRowOf(const grouprecord& group);

// The "Number of simulations:" text as a count: a whole number of at least 1, else the failure
// "Number of simulations has to be at least 1!".
Result<int> simulationCount(std::string_view text);

// The state of a run between timer ticks: how many battles were requested and started, the wins
// of each side and the protocol (the log of the first battle).
class BattleSimulation {
public:
    // A new run of the given number of battles: counters and protocol emptied.
    void start(int requested);
    // Fights the next battle of the run; false (and nothing fought) when all requested battles
    // have been fought.
    bool fightNext(const BattleSetup& setup, BattleRandom& random);
    // The result text of the battles fought so far (also after a stop).
    std::string resultText() const;

    int requested() const { return requested_; }
    int started() const { return started_; }
    int aggressorWins() const { return aggressorWins_; }
    int defenderWins() const { return defenderWins_; }
    const std::string& protocol() const { return protocol_; }

private:
    int requested_ = 0;
    int started_ = 0;
    int aggressorWins_ = 0;
    int defenderWins_ = 0;
    std::string protocol_;
};

// The protocol stops taking shot lines once it holds this many characters.
constexpr std::size_t battleProtocolLimit = 100000;

} // namespace orrery

#pragma once

// Generated galaxies and games for tests, benchmarks and the demo. A small simulation plays a
// game of Galaxy (races colonise, produce ships, send them out, fight battles, bomb and capture
// planets, and vanish when their last planet is gone) and describes each turn as one race's
// turn report sees it. Everything is drawn from one seeded generator: the same parameters always
// give the same reports.

#include "reportwriter.h"
#include "result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orrery::gen {

struct GalaxyParams {
    Dialect dialect = Dialect::GalaxyNG;
    std::uint32_t seed = 1;
    std::string gamename = "Orrery";
    int planets = 60;
    int races = 5;
    double mapsize = 0.0;      // side of the square galaxy; 0: from the number of planets
    int groupsPerRace = 30;    // groups another race keeps at most
    int ownGroups = 40;        // groups the player keeps at most
    int battlesPerTurn = 4;    // battles fought per turn at most
    int protocolLines = 30;    // GalaxyNG battle protocol lines per battle at most
    double warShare = 0.7;     // share of the pairs of races at war with each other
    double playerTarget = 0.0; // share of the attacks of the player's enemies aimed at the player
    double ownedShare = 0.0;   // share of the planets owned at the start (0: home planets only)
    double spyShare = 0.0;     // share of the planets where the player starts with a scout
    std::vector<std::string> raceNames; // empty: from the built-in list, the player first
    bool crlf = false;
    optiontype options;        // Blind Galaxy report options (techs, upgradecost, map ...)
};

// A generated game: one report description per turn, turn 0 first.
struct GeneratedGame {
    GalaxyParams params;
    std::vector<GalaxyDescription> turns;
};

// Plays turns 0 .. turns-1 and describes each one as the first race's reports show it.
GeneratedGame playGame(const GalaxyParams& params, int turns);

// A small galaxy for unit tests (one turn of a short game): every table of the dialect is
// there (battles, bombings, incoming groups, routes, fleets, other races' planets and groups).
GalaxyDescription smallGalaxy(Dialect dialect, std::uint32_t seed);

// A report of about targetBytes (the turn before it included), from a galaxy in mid-game: about
// 2000 planets, 30 races and 5000 groups for one megabyte.
struct SizedReports {
    GalaxyDescription previous;
    GalaxyDescription current;
    std::string previousText;
    std::string currentText;
};
SizedReports sizedReports(std::size_t targetBytes, Dialect dialect, std::uint32_t seed);

// Parameters of a game whose reports are about targetBytes long each.
GalaxyParams paramsForReportSize(std::size_t targetBytes, Dialect dialect, std::uint32_t seed);

// The friendly demo game: GalaxyNG, twelve turns of the race "Orion" among six races in a
// galaxy of about 120 planets, with battles, bombings, routes, fleets and incoming groups.
GeneratedGame demoGame();

// Writes the reports of a game as folder/name<turn>ext (the folder must exist) and returns the
// paths in turn order; fails at the first file that cannot be written.
Result<std::vector<std::string>> writeGame(const GeneratedGame& game, const std::string& folder,
                                           const std::string& name, const std::string& ext = ".txt");

} // namespace orrery::gen

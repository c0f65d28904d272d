#pragma once

// The planet view: one planet of the shown turn with its forecast, and the intelligence the player
// enters about it (its owner, its size, resources, population and industry). What the player
// accepts goes into the turn's intelligence (the owner) and into the game's planet intelligence
// (the values), and into their files beside the reports.
//
// Owners that are not among the players can be named "zzz Pseudo player N zzz": a group of
// planets believed to belong to one race whose identity is still open. The "zzz" sorts them after
// the races in the owner box.

#include "forecast.h"
#include "gamedata.h"
#include "result.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orrery {

inline constexpr const char* unknownOwner = "*UNKNOWN*";

// "zzz Pseudo player " + n + " zzz".
std::string pseudoPlayerName(std::int32_t n);
// The pseudo player of a planet (ownercode below -999), or nothing.
std::optional<std::int32_t> pseudoPlayerOf(const planetrecord& planet);

// The owner box: every player, the pseudo player of each planet that has one (each once, in
// planet order), then "*UNKNOWN*". The box sorts them.
std::vector<std::string> planetViewOwners(const Game& game);

// What the window shows of a planet.
struct PlanetViewTexts {
    std::string name;      // "Name: " + altname (name when there is none)
    std::string x, y;      // "X: ", "Y: " with two decimals
    std::string owner;     // the owner, its pseudo player, or "*UNKNOWN*"
    std::string producing; // "Producing: " + producing; empty when it produces nothing known
    // The four fields in screen order: size, resources, population, industry (two decimals,
    // empty when unknown).
    std::array<std::string, 4> fields;
    std::string cap, mat, col; // "CAP: ", "MAT: ", "COL: " with two decimals, empty when unknown
    std::array<std::string, 3> forecast;
};
PlanetViewTexts planetViewTexts(const planetrecord& planet);
// The forecast labels from the four field texts while the player types (an empty field is 0).
std::array<std::string, 3> planetViewForecast(const std::array<std::string, 4>& fields);

// "Accept values": the entry being edited (the position of the planet shown when it was chosen),
// the owner box text and the four field texts in screen order.
struct PlanetViewEntry {
    double x = 0;
    double y = 0;
    std::string owner;
    std::array<std::string, 4> fields;
};
struct AcceptOutcome {
    std::optional<std::string> ownerMessage; // "The given owner does not exist!"
    bool changed = false;                    // the map shows it anew and says so
};
// Stores the entry. The turn's intelligence file is written when the owner changed it, planets.ori
// from the planet intelligence; then `showTurnAgain` reads the shown turn again (once), so that a
// new owner or new values take effect through the files. A file that cannot be written ends the
// steps with its failure.
Result<AcceptOutcome> acceptPlanetValues(Game& game, const PlanetViewEntry& entry,
                                         const std::function<void()>& showTurnAgain);

} // namespace orrery

#pragma once

// The intelligence files kept beside the reports in the turn directory:
//   planets.ori       what is known of planets independent of turn (size, population, industry,
//                     resources), one line per planet position;
//   <report><n>.ori   who owns which planet in turn n, with estimated values;
//   ships.ori         the player's own ship designs that are not (yet) in a report.
// One record per line, fields separated by a tab, numbers with two decimals.

#include "gamedata.h"

#include <string>
#include <string_view>
#include <vector>

namespace orrery {

std::vector<planetintelrecord> parsePlanetIntel(std::string_view text);
std::vector<turnintelrecord> parseTurnIntel(std::string_view text);
// Lines of ships.ori: name, drive, attacks, weapons, shields, cargo.
std::vector<shiptyperecord> parseShipDesigns(std::string_view text, const shortname& owner);

std::string planetIntelText(const std::vector<planetintelrecord>& records);
std::string turnIntelText(const std::vector<turnintelrecord>& records);
std::string shipDesignsText(const std::vector<shiptyperecord>& designs, const shortname& owner);

// A missing file reads as an empty list.
std::vector<planetintelrecord> readPlanetIntel(const std::string& path);
std::vector<turnintelrecord> readTurnIntel(const std::string& path);

// Reads planets.ori into planetintel; with merge set, every planet at a record's position takes
// the record's size, population, industry and resources where the report left them unknown.
void readPlanetIntelligence(Game& game, bool merge);
// Writes planetintel to planets.ori. False (with a message) when the file could not be written.
bool writePlanetIntelligence(const Game& game, std::string* error = nullptr);
// Brings planetintel up to date with the planets of the shown turn: size and resources where
// the record has none, population and industry where the report knows them and they differ.
// planets.ori is written again when anything changed.
bool updatePlanetIntelligence(Game& game, std::string* error = nullptr);

// Reads the per-turn file of a turn into turnintel (without merging).
void readTurnIntelligence(Game& game, int turnNumber);
bool writeTurnIntelligence(const Game& game, int turnNumber, std::string* error = nullptr);

// ships.ori: the own race's designs, read at start and written when the program closes.
void readOwnDesigns(Game& game);
bool writeOwnDesigns(const Game& game, std::string* error = nullptr);

} // namespace orrery

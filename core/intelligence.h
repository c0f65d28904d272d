#pragma once

// The intelligence files kept beside the reports in the turn directory:
//   planets.ori       what is known of planets independent of turn (size, population, industry,
//                     resources), one line per planet position;
//   <report><n>.ori   who owns which planet in turn n, with estimated values;
//   ships.ori         the player's own ship designs that are not (yet) in a report.
// One record per line, fields separated by a tab, numbers with two decimals.

#include "gamedata.h"
#include "result.h"

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
// Writes planetintel to planets.ori.
Status writePlanetIntelligence(const Game& game);
// Brings planetintel up to date with the planets of the shown turn: size and resources where
// the record has none, population and industry where the report knows them and they differ.
// planets.ori is written again when anything changed.
Status updatePlanetIntelligence(Game& game);

// Reads the per-turn file of a turn into turnintel (without merging).
void readTurnIntelligence(Game& game, int turnNumber);
Status writeTurnIntelligence(const Game& game, int turnNumber);

// ships.ori: the own race's designs, read at start and written when the program closes.
void readOwnDesigns(Game& game);
Status writeOwnDesigns(const Game& game);

// Completion of the shown turn: reads the per-turn intelligence of the turn into turnintel and
// applies it to the planets, gives Blind Galaxy planets the owner codes of their listed owners and
// fills the owners and symbol sizes of incoming groups.
void completeTurn(Game& game, bool planetSizesShown = false);

// Applies turnintel to the planets (the merge of completeTurn, without reading a file): a planet
// whose owner the intelligence knows gets that owner's code, and a planet without a listed owner
// takes the intelligence's estimates.
void applyTurnIntel(Game& game);

} // namespace orrery

#pragma once

#include "gamedata.h"
#include "result.h"

#include <string>

namespace orrery {

// Reads turn n of the report set a report's path names (folder/NAME<n>EXT) the way the program
// shows a turn after a start: the full read, the ship designs of ships.ori, the completion with
// the per-turn intelligence and the merge of planets.ori. Nothing is written. Fails with a
// one-line message when the folder cannot be read, the name has no turn number or the report
// is missing.
Result<Game> loadTurnFromPath(const std::string& path);

} // namespace orrery

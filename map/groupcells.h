#pragma once

// The cells of one row of a groups table, shared by the groups at a planet below the map and the
// news window's groups of a race: "Owner", "ID", "No.", "Ship type", "Attacks", "Defence",
// "Min. speed", "Speed", "Max. cargo", "Cargo", "Quantity". A battle entry counts its survivors.

#include "gamedata.h"

#include <array>
#include <string>

namespace orrery {

std::array<std::string, 11> groupCells(const shortname& race, const grouprecord& g);

} // namespace orrery

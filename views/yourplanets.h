#pragma once

// The planets table ("Show Planets"): the planets of one race in the shown turn with their
// figures and forecasts, one row of 13 cells per planet. The window shows these rows in a
// sortable grid; the command-line tool and the tests use them directly.

#include "gamedata.h"

#include <array>
#include <string>
#include <vector>

namespace orrery {

constexpr int yourPlanetsColumns = 13;
constexpr int yourPlanetsDevelColumn = 12;

struct YourPlanetsLayout {
    std::array<const char*, yourPlanetsColumns> headings;
    std::array<int, yourPlanetsColumns> widths; // pixels
    std::vector<int> numericColumns;
};
const YourPlanetsLayout& yourPlanetsLayout();

// The races the race list offers: the own race, then every race of the status table that owns a
// planet seen in another race's planet section; sorted as the list shows them.
std::vector<std::string> yourPlanetsRaces(const Game& game);

// The rows for race R, in list order (the grid sorts them): the own race's planets, or another
// race's planets of its planet section. No planet: no row.
std::vector<std::vector<std::string>> yourPlanetsRows(const Game& game, std::string_view race);

// "devel.": the current production scaled to the largest planet of the list (a planet as
// developed as the largest one shows its whole production). Empty when the current production
// is not known or no planet of the list has a size above 0.
std::string develText(double currentProduction, double size, double maxsize);

} // namespace orrery

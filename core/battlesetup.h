#pragma once

// How the battle window fills its tables. The window shows three tables: the groups of one race
// of the shown turn ("ID" and the 12 cells of a side's row), and the two sides, "Aggressor:" and
// "Defender:", whose rows the engine (battle.h) fights. Everything the window does with the
// tables' texts that needs no window is here: the rows of a race's groups, the groups at a
// planet, rows taken over into a side, rows from and to the ship designer, and the check of a
// cell the player typed.
//
// A side table is never without rows: an empty side shows one blank row, and rows taken over
// into it fill that blank row first.

#include "battle.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orrery {

struct Game;
struct DesignerFields;

// A row of the groups table: "ID" and then the 12 cells of a side's row.
constexpr int battleGroupsColumnCount = battleColumnCount + 1;
using BattleGroupsRow = std::array<std::string, battleGroupsColumnCount>;
BattleGroupsRow battleGroupsRowOf(const grouprecord& group);
// The row without its "ID", as it goes into a side.
BattleRow withoutId(const BattleGroupsRow& row);

// The rows of the groups of racegroups[race], in list order (none for an index out of range).
std::vector<BattleGroupsRow> raceGroupRows(const Game& game, std::size_t race);

// The position of the planet shown in the planet panel, from the texts of its "X: " and "Y: "
// labels (the numbers start at the fourth character); nothing when either does not hold a number.
std::optional<std::pair<double, double>> panelPlanetPosition(std::string_view xLabel, std::string_view yLabel);
// The groups at the first planet at exactly that position: every group of every race there that
// is not in flight, except own groups from a battle list (the own groups are listed once more
// on their own) and other races' groups that did not survive a battle. None when no planet is
// there.
std::vector<BattleRow> groupsAtPlanetRows(const Game& game, double x, double y);

// Whether a row holds nothing but blanks.
bool isBlankBattleRow(const BattleRow& row);
// A side table with only its blank row.
std::vector<BattleRow> emptySideTable();
// A side's rows as a table shows them: the rows, or the one blank row when there are none.
std::vector<BattleRow> sideTable(std::vector<BattleRow> rows);
// Rows taken over into a side: they replace the table's one blank row, or follow its last row.
void addToSide(std::vector<BattleRow>& table, const std::vector<BattleRow>& rows);
// "Delete entry": the row (from 0) is removed; the last row left is emptied instead.
void deleteSideRow(std::vector<BattleRow>& table, std::size_t row);

// A design of the ship designer as a side's row ("No." and "Quan." stay empty) and a row as the
// designer's fields (an empty design cell as "0", an empty technology as "1.00").
BattleRow designerRow(const DesignerFields& design);
DesignerFields designerFieldsOf(const BattleRow& row);

// What a side's cell may hold once the player leaves it: anything in "Ship type"; in "No." and
// "Attacks" a whole number, in the other columns a number; an empty cell is always right.
bool battleCellAccepted(int column, std::string_view text);
// The "Number of simulations:" field while typing and when it is left: empty or a whole number.
bool simulationFieldAccepted(std::string_view text);

} // namespace orrery

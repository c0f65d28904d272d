#pragma once

// The battle simulator's files.
//
// A battle data file holds the setup: one line per table row, all aggressor rows first, then all
// defender rows. A line is the side marker ("1" aggressor, "0" defender) and the row's 12 cells,
// each followed by one blank:
//
//     1 3 Cruiser 10 2 5 8 0 0 2 2 2 1 <CR LF>
//     0 0  0 0 0 0 0 0 1 1 1 1 <CR LF>          (a blank defender row)
//
// An empty cell is written as 0 ("No." to "Quan."), as 1 (the technologies) or as nothing (the
// type name). A battle result file is the result text followed by CR LF.
//
// Files are written with CR LF; reading accepts CR LF, LF and CR alike.

#include "battle.h"
#include "result.h"

#include <string>
#include <string_view>

namespace orrery {

// The text of a battle data file. Blanks inside a cell (a type name typed with blanks) are
// written as "_" so that the line still has one word per cell.
std::string battleFileText(const BattleSetup& setup);
// Reads a battle data file's text. The first word of the first line must be a side marker, else
// the failure "Not a battle data file!"; after that every line is a row: a first word "1" makes it
// an aggressor row, any other a defender row, and words 2 to 13 are its cells.
Result<BattleSetup> parseBattleFile(std::string_view text, const std::string& fileName = {});

Result<BattleSetup> loadBattleFile(const std::string& path);
Status saveBattleFile(const std::string& path, const BattleSetup& setup);

// A result file's text back as a result text: its lines, each followed by CR LF.
std::string parseBattleResult(std::string_view text);
Result<std::string> loadBattleResult(const std::string& path);
// Writes the result text and CR LF; an empty result gives "Simulate the battle first!".
Status saveBattleResult(const std::string& path, const std::string& result);

} // namespace orrery

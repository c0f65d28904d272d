#pragma once

// Report file names: turn directory + report name + turn number + extension, for example
// "/games/lyra/" + "alpha" + "15" + ".txt".

#include "result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct ReportPath {
    std::string turndirectory; // ends with the platform's separator
    std::string reportname;    // without the turn number
    std::string reportext;     // with its dot; empty when the file has none
    int turn = -1;             // -1 when the name does not end in a number
};

// Splits a report's path: the extension is the file name's last "." and what follows, the turn
// number the digits before it, the report name what is left.
ReportPath splitReportPath(std::string_view path);

// The file of a turn of the report set a split path belongs to.
std::string reportPathOfTurn(const ReportPath& path, int turn);

// A game is opened by the report of any of its turns: the report of turn 0 beside it (same
// folder, name and extension, the number 0). Fails with a message naming the file when the name
// carries no turn number or turn 0 is not in the folder.
Result<std::string> turnZeroReportFor(std::string_view anyTurnReport);

// The recently opened games, newest first, as the reports of their turn 0.
constexpr std::size_t recentGamesLimit = 8;
// The list with this game put first (a game already in it moves up), cut to the limit.
std::vector<std::string> withRecentGame(std::vector<std::string> games, const std::string& turnZeroReport);
// How the list shows a game: the report name with the folder it is in, e.g.
// "alpha0.txt  (/games/lyra)".
std::string recentGameLabel(std::string_view turnZeroReport);

} // namespace orrery

#include "reportpath.h"

#include "fileio.h"

#include <climits>

namespace orrery {

ReportPath splitReportPath(std::string_view path)
{
    ReportPath result;
    const std::size_t slash = path.rfind(directorySeparator);
    std::string_view folder = slash == std::string_view::npos ? std::string_view(".") : path.substr(0, slash);
    if (folder.empty()) folder = "/";
    result.turndirectory = withTrailingSeparator(std::string(folder));
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        result.reportext = std::string(name.substr(dot));
        name = name.substr(0, dot);
    }
    std::size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') --digits;
    result.reportname = std::string(name.substr(0, digits));
    const std::string_view number = name.substr(digits);
    if (!number.empty() && number.size() <= 9) {
        result.turn = 0;
        for (char c : number) result.turn = result.turn * 10 + (c - '0');
    } else if (!number.empty()) {
        result.turn = INT_MAX; // no report set is that long
    }
    return result;
}

} // namespace orrery

namespace orrery {

std::string reportPathOfTurn(const ReportPath& path, int turn)
{
    return path.turndirectory + path.reportname + std::to_string(turn) + path.reportext;
}

Result<std::string> turnZeroReportFor(std::string_view anyTurnReport)
{
    const ReportPath split = splitReportPath(anyTurnReport);
    if (split.turn < 0)
        return Failure("The file " + std::string(anyTurnReport) +
                       " is not a turn report of a game: its name has to be <name><turn>.<extension>, "
                       "for example alpha3.txt.");
    // The digits at the end of the name are the turn number, or the last of them are and the
    // others belong to the name (the reports of race_6 are race_60.txt, race_61.txt ...). The
    // shortest name whose report of turn 0 is there wins: alpha12.txt is turn 12 of alpha when
    // alpha0.txt is there.
    const std::string path(anyTurnReport);
    const std::size_t digitsEnd = path.size() - split.reportext.size();
    std::size_t turnStart = digitsEnd;
    while (turnStart > 0 && path[turnStart - 1] >= '0' && path[turnStart - 1] <= '9') --turnStart;
    // A report name of its own is needed: "0.txt" belongs to no game.
    if (split.reportname.empty()) ++turnStart;
    for (; turnStart < digitsEnd; ++turnStart) {
        const std::string zero = path.substr(0, turnStart) + "0" + split.reportext;
        if (fileExists(zero)) return zero;
    }
    return Failure("The report of turn 0 of this game is missing: the folder of " + std::string(anyTurnReport) +
                   " has to hold it as well (" + reportPathOfTurn(split, 0) + ").");
}

std::vector<std::string> withRecentGame(std::vector<std::string> games, const std::string& turnZeroReport)
{
    std::erase(games, turnZeroReport);
    games.insert(games.begin(), turnZeroReport);
    if (games.size() > recentGamesLimit) games.resize(recentGamesLimit);
    return games;
}

std::string recentGameLabel(std::string_view turnZeroReport)
{
    const std::size_t slash = turnZeroReport.rfind(directorySeparator);
    if (slash == std::string_view::npos) return std::string(turnZeroReport);
    const std::string_view folder = slash == 0 ? turnZeroReport.substr(0, 1) : turnZeroReport.substr(0, slash);
    return std::string(turnZeroReport.substr(slash + 1)) + "  (" + std::string(folder) + ")";
}

} // namespace orrery

#include "turnloader.h"

#include "fileio.h"
#include "intelligence.h"
#include "reportpath.h"
#include "reportreader.h"

namespace orrery {

Result<Game> loadTurnFromPath(const std::string& path)
{
    const ReportPath parts = splitReportPath(path);
    if (!directoryExists(parts.turndirectory)) return Failure("cannot read the folder " + parts.turndirectory);
    if (parts.turn < 0) return Failure("the report name has no turn number: " + path);
    if (!fileExists(path)) return Failure("no such report: " + path);

    Game game;
    game.gametype = gtUnknown;
    game.turndirectory = parts.turndirectory;
    game.reportname = parts.reportname;
    game.reportext = parts.reportext;
    std::optional<TurnRead> read = readTurnFiles(game, parts.turn);
    if (!read) return Failure("cannot read the report " + path, path);
    showTurnRead(game, std::move(*read), parts.turn);
    readOwnDesigns(game);
    completeTurn(game);
    readPlanetIntelligence(game, true);
    return game;
}

} // namespace orrery

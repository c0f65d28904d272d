#include "turnloader.h"

#include "fileio.h"
#include "intelligence.h"
#include "reportpath.h"
#include "reportreader.h"

namespace orrery {

bool loadTurnFromPath(const std::string& path, Game& game, std::string* error)
{
    auto fail = [&](const std::string& message) {
        if (error) *error = message;
        return false;
    };
    const ReportPath parts = splitReportPath(path);
    if (!directoryExists(parts.turndirectory)) return fail("cannot read the folder " + parts.turndirectory);
    if (parts.turn < 0) return fail("the report name has no turn number: " + path);
    if (!fileExists(path)) return fail("no such report: " + path);

    game = Game();
    game.gametype = gtUnknown;
    game.turndirectory = parts.turndirectory;
    game.reportname = parts.reportname;
    game.reportext = parts.reportext;
    game.currentturn = 0;
    if (!readTurn(game, parts.turn, false)) return fail("cannot read the report " + path);
    readOwnDesigns(game);
    completeTurn(game, game.currentturn, true);
    readPlanetIntelligence(game, true);
    return true;
}

} // namespace orrery

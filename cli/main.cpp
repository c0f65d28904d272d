// orrery-cli: the game logic from the shell.
//
//   orrery-cli turn PATH/NAME<n>EXT [--json]   read turn n as the program shows it
//   orrery-cli open PATH/NAME0EXT [--gametype N] [--json]   create and start a configuration
//   orrery-cli move convert|check|eta FILE ...   the orders editor (see move_command.h)

#include "commands.h"
#include "move_command.h"
#include "gamedata.h"
#include "turnloader.h"
#include "turnjson.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace orrery;

namespace {

constexpr int exitUsage = 2;

int fail(const std::string& message)
{
    std::fprintf(stderr, "orrery-cli: %s\n", message.c_str());
    return exitUsage;
}

void usage()
{
    std::fprintf(stderr, "usage: orrery-cli turn PATH/NAME<n>EXT [--json]\n"
                         "       orrery-cli open PATH/NAME0EXT [--gametype N] [--json]\n"
                         "       orrery-cli move convert|check|eta FILE [--to natural|raw] [--turn PATH/NAME<n>EXT]\n");
}

void printSummary(const Game& game)
{
    const turnrecord& t = game.turn;
    int own = 0, uninhabited = 0;
    for (const planetrecord& p : t.planets) {
        if (p.ownercode == ocOwn) ++own;
        if (p.ownercode == ocUninhabited) ++uninhabited;
    }
    std::size_t groups = 0;
    for (const racegrouprecord& r : t.racegroups) groups += r.groups.size();
    const racegrouprecord* mine = ownGroups(game);
    std::printf("Turn %d of %s (%s)\n", game.currentturn, game.ownrace.str().c_str(), gameTypeName(game.gametype));
    std::printf("Map: %d x %d from %d,%d\n", game.mapwidth, game.mapheight, game.mapx0, game.mapy0);
    std::printf("Players: %zu\n", t.players.size());
    std::printf("Planets: %zu (%d own, %d uninhabited)\n", t.planets.size(), own, uninhabited);
    std::printf("Ship types: %zu\n", game.shiptypes.size());
    std::printf("Groups: %zu (%zu own) of %zu races, fleets: %zu\n", groups, mine ? mine->groups.size() : 0,
                t.racegroups.size(), t.fleets.size());
    std::printf("Battles: %zu, bombings: %zu, incoming groups: %zu, routes: %zu\n", t.battles.size(),
                t.bombings.size(), t.incominggroups.size(), t.routes.size());
}

// Shows turn n of a report set the way the program shows a turn after a start.
int commandTurn(const std::vector<std::string>& args)
{
    std::string path;
    bool json = false;
    for (const std::string& a : args) {
        if (a == "--json")
            json = true;
        else if (path.empty())
            path = a;
        else
            return fail("unexpected argument: " + a);
    }
    if (path.empty()) {
        usage();
        return exitUsage;
    }
    Game game;
    std::string error;
    if (!loadTurnFromPath(path, game, &error)) return fail(error);

    if (json) {
        const std::string text = turnToJson(game);
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
    } else {
        printSummary(game);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        usage();
        return exitUsage;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "turn") return commandTurn(args);
    if (command == "open") return commandOpen(args);
    if (command == "move") return commandMove(args);
    usage();
    return fail("unknown command: " + command);
}

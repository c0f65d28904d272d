// orrery-cli news PATH/NAME<n>EXT --battles [--detail 0|1|2]
//
// Prints the battle lines of turn n as the news window's "Battles" page shows them: a result per
// battle, at detail 1 with the losses of both sides, at detail 2 also with every group.

#include "commands.h"
#include "news.h"
#include "textrules.h"
#include "turnloader.h"

using namespace orrery;

namespace orrery::cli {

int commandNews(const std::vector<std::string>& args)
{
    std::string path;
    bool battles = false;
    int detail = 0;
    bool detailGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--battles") {
            battles = true;
        } else if (args[i] == "--detail" && !detailGiven) {
            const std::string value = i + 1 < args.size() ? args[++i] : std::string();
            if (value.size() != 1 || value[0] < '0' || value[0] > '2') return badArguments("--detail takes 0, 1 or 2");
            detail = value[0] - '0';
            detailGiven = true;
        } else if (path.empty() && !args[i].empty() && args[i].front() != '-') {
            path = args[i];
        } else {
            return badArguments("unexpected argument " + args[i]);
        }
    }
    if (path.empty()) return badArguments("news needs the path of a report");
    if (!battles) return badArguments("news needs --battles");
    const Result<Game> game = loadTurnFromPath(path);
    if (!game) return fail(game.error().text());
    std::string text;
    for (const BattleLine& line : battleLines(*game, detail)) text += latin1ToUtf8(line.text) + "\n";
    if (!text.empty()) print(stdout, text);
    return 0;
}

} // namespace orrery::cli

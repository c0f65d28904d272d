// orrery-cli open PATH/NAME0EXT [--gametype N] [--json]
//
// Creates a configuration from the report of turn 0 and starts it, exactly as the program's
// "Create configuration..." does: the intelligence files are written into the turn directory.
// The game type window is answered with --gametype (0 Standard, 1 Blind, 2 GalaxyNG, 3 GalaxyNG
// 3.1) or with the detected type.

#include "commands.h"
#include "jsonwriter.h"
#include "session.h"

#include <cstdio>
#include <optional>

using namespace orrery;

namespace {

class CliUi : public SessionUi {
public:
    std::optional<int> gametype;
    std::string error;

    bool message(MessageKind kind, const std::string& text, int) override
    {
        // The first error is the one to tell; information boxes need no answer here.
        if (kind == MessageKind::Error && error.empty()) error = text;
        return true;
    }
    GameTypeChoice confirmGameType(std::int32_t detected, const std::string&) override
    {
        if (!gametype) return {detected == gtUnknown ? gtStandard : detected, false};
        if (*gametype == gtGalaxyNG31) return {gtGalaxyNG, true};
        return {*gametype, false};
    }
};

void printJson(const Session& session)
{
    const Game& g = session.game();
    JsonWriter j;
    j.beginObject();
    j.field("lastturn", g.lastturn).field("homeplanetcount", g.homeplanetcount);
    j.field("gametype", g.gametype).field("ownrace", g.ownrace);
    j.key("turnstats").beginArray();
    for (const turnstatnode& node : session.turnstats()) {
        j.beginArray();
        for (const racestatrecord& r : node.races) {
            j.beginObject();
            j.field("name", r.name).field("production", r.production).field("industry", r.industry);
            j.field("population", r.population).field("planets", r.planets).field("techsum", r.techsum);
            j.field("drivetech", r.drivetech).field("weapontech", r.weapontech);
            j.field("shieldtech", r.shieldtech).field("cargotech", r.cargotech);
            j.endObject();
        }
        j.endArray();
    }
    j.endArray();
    j.key("chartraces").beginArray();
    for (const chartracerecord& c : session.chartraces())
        j.beginObject().field("name", c.name).field("display", c.display).endObject();
    j.endArray();
    j.endObject();
    std::printf("%s\n", j.text().c_str());
}

} // namespace

int commandOpen(const std::vector<std::string>& args)
{
    CliUi ui;
    std::string path;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--gametype" && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (value.size() != 1 || value[0] < '0' || value[0] > '3') {
                std::fprintf(stderr, "orrery-cli: --gametype takes 0, 1, 2 or 3\n");
                return 2;
            }
            ui.gametype = value[0] - '0';
        } else if (path.empty()) {
            path = args[i];
        } else {
            std::fprintf(stderr, "orrery-cli: unexpected argument: %s\n", args[i].c_str());
            return 2;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "usage: orrery-cli open PATH/NAME0EXT [--gametype N] [--json]\n");
        return 2;
    }
    Session session(ui);
    if (!session.createConfiguration(path)) {
        std::fprintf(stderr, "%s\n", ui.error.empty() ? "Configuration not started." : ui.error.c_str());
        return 2;
    }
    if (!ui.error.empty()) std::fprintf(stderr, "%s\n", ui.error.c_str());
    const Game& g = session.game();
    if (json) {
        printJson(session);
    } else {
        std::printf("Game of %s (%s), turns 0 to %d\n", g.ownrace.str().c_str(), gameTypeName(g.gametype), g.lastturn);
        std::printf("Home planets per player: %d\n", g.homeplanetcount);
        std::printf("Intelligence files written to %s\n", g.turndirectory.c_str());
    }
    session.close();
    return 0;
}

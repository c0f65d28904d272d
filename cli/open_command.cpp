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

namespace orrery::cli {

namespace {

class CliUi : public SessionUi {
public:
    std::optional<int> gametype;
    std::string error;

    bool message(MessageKind kind, const std::string& text, HelpTopic) override
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

std::string jsonOf(const Session& session)
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
    return j.text();
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
        } else if (args[i] == "--gametype") {
            const std::string value = i + 1 < args.size() ? args[++i] : std::string();
            if (value.size() != 1 || value[0] < '0' || value[0] > '3')
                return badArguments("--gametype takes 0, 1, 2 or 3");
            ui.gametype = value[0] - '0';
        } else if (path.empty() && !args[i].empty() && args[i].front() != '-') {
            path = args[i];
        } else {
            return badArguments("unexpected argument " + args[i]);
        }
    }
    if (path.empty()) return badArguments("open needs the path of the report of turn 0");
    Session session(ui);
    if (!session.createConfiguration(path)) return fail(ui.error.empty() ? "Configuration not started." : ui.error);
    const Game& g = session.game();
    const std::string output =
        json ? jsonOf(session)
             : "Game of " + g.ownrace.str() + " (" + gameTypeName(g.gametype) + "), turns 0 to " +
                   std::to_string(g.lastturn) + "\nHome planets per player: " + std::to_string(g.homeplanetcount) +
                   "\nIntelligence files written to " + g.turndirectory;
    // A start whose intelligence files could not be written is no success: the game would be
    // opened without them.
    const Status closed = session.close();
    if (!ui.error.empty()) return fail(ui.error);
    if (!closed) return fail(closed.error().text());
    print(stdout, output);
    return 0;
}

} // namespace orrery::cli

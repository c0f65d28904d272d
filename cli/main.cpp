// orrery-cli: the game logic from the shell.
//
//   orrery-cli turn PATH/NAME<n>EXT [--json]   read turn n as the program shows it
//   orrery-cli open PATH/NAME0EXT [--gametype N] [--json]   create and start a configuration
//   orrery-cli move convert|check|eta FILE ...   the orders editor
//   orrery-cli design D A W S C [...] / forecast SIZE POP IND RES   the calculators
//   orrery-cli battle FILE [--runs N]   the battle simulator
//   orrery-cli chart PATH/NAME0EXT ... --png FILE   the statistics chart as a picture
//   orrery-cli text search|quote FILE ...   the text tools
//   orrery-cli overview / races PATH/NAME<n>EXT   the turn overview and the races table
//   orrery-cli news PATH/NAME<n>EXT --battles [--detail 0|1|2]   the battles of the news window
//   orrery-cli plan PATH/NAME<n>EXT --turns N [...]   the transporter planner
//   orrery-cli import MAILBOX DIR   the turn reports of a mailbox as report files

#include "commands.h"
#include "gamedata.h"
#include "turnjson.h"
#include "turnloader.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace orrery;

namespace orrery::cli {

namespace {

const char* const helpText =
    "orrery-cli: the Galaxy game logic of Orrery from the shell.\n"
    "\n"
    "  orrery-cli turn PATH/NAME<n>EXT [--json]\n"
    "      reads turn n of the report set in that folder as the program shows it\n"
    "  orrery-cli open PATH/NAME0EXT [--gametype N] [--json]\n"
    "      creates and starts a configuration (writes the intelligence files); N answers the\n"
    "      game type question: 0 Standard Galaxy, 1 Blind Galaxy, 2 GalaxyNG, 3 GalaxyNG 3.1\n"
    "  orrery-cli move convert FILE --to natural|raw [--turn PATH/NAME<n>EXT]\n"
    "  orrery-cli move check FILE --turn PATH/NAME<n>EXT\n"
    "  orrery-cli move eta FILE --turn PATH/NAME<n>EXT\n"
    "      converts, checks or recalculates the arrival times of an order file\n"
    "  orrery-cli plan PATH/NAME<n>EXT --turns N [--planet NAME ...] [--group N ...] [--move FILE]\n"
    "      the transporter planner: the orders that carry colonists and capital to the planets,\n"
    "      the production they add, and with --move the whole move\n"
    "  orrery-cli design D A W S C [--tech dT wT sT cT] [--planet POP IND RES MAT] [--json]\n"
    "      the ship designer: mass, speed, kill probability, weapon strengths needed, cost and\n"
    "      capacity of a design (technologies 1 unless given), ships per turn at a planet\n"
    "  orrery-cli forecast SIZE POP IND RES [--json]\n"
    "      the planet forecast: production, ship mass and technology now and at full population\n"
    "      (-1 for a value that is not known)\n"
    "  orrery-cli battle FILE [--runs N]\n"
    "      fights the battle of a battle data file N times (default 100) and prints the result\n"
    "  orrery-cli chart PATH/NAME0EXT [--statistic N] [--races top5|top10|top20|all|NAME...]\n"
    "             --png FILE [--size WxH]\n"
    "      draws the statistics chart of turns 0 to the last report into a PNG (default size\n"
    "      900x520, all races): N 0 production, 1 industry, 2 population, 3 planets, 4 total\n"
    "      technology, 5 drive, 6 weapon, 7 shield, 8 cargo technology\n"
    "  orrery-cli text search FILE TEXT [--case]\n"
    "      every line of a text file that contains the text, with its number\n"
    "  orrery-cli text quote FILE [--out FILE]\n"
    "      the file quoted for a reply (\"> \" before every line), its line ends kept\n"
    "  orrery-cli overview PATH/NAME<n>EXT\n"
    "      the turn overview of turn n: what changed since the previous turn\n"
    "  orrery-cli races PATH/NAME<n>EXT [--json]\n"
    "      the races table of turn n: every race's values and their changes since the previous turn\n"
    "  orrery-cli news PATH/NAME<n>EXT --battles [--detail 0|1|2]\n"
    "      prints the battles of turn n as the news window shows them (detail 0 unless given)\n"
    "  orrery-cli import MAILBOX DIR\n"
    "      writes every turn report of an mbox file or Maildir folder into DIR as <race><turn>.txt\n"
    "      (one folder per game and race when there are several); different files are never replaced\n"
    "\n"
    "Bad input gives a one-line message and exit status 2.\n";

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

} // namespace

int fail(const std::string& message)
{
    std::string line;
    for (char c : message) {
        if (c == '\r') continue;
        line += c == '\n' ? ' ' : c;
    }
    std::fprintf(stderr, "orrery-cli: %s\n", line.c_str());
    return exitFailure;
}

int badArguments(const std::string& message) { return fail(message + " (see orrery-cli --help)"); }

void print(std::FILE* out, const std::string& text)
{
    std::string plain;
    plain.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) plain += text[i];
    if (!plain.empty() && plain.back() != '\n') plain += '\n';
    std::fwrite(plain.data(), 1, plain.size(), out);
}

// Shows turn n of a report set the way the program shows a turn after a start.
int commandTurn(const std::vector<std::string>& args)
{
    std::string path;
    bool json = false;
    for (const std::string& a : args) {
        if (a == "--json")
            json = true;
        else if (path.empty() && (a.empty() || a.front() != '-'))
            path = a;
        else
            return badArguments("unexpected argument " + a);
    }
    if (path.empty()) return badArguments("turn needs the path of a report");
    const Result<Game> game = loadTurnFromPath(path);
    if (!game) return fail(game.error().text());
    if (json)
        print(stdout, turnToJson(*game));
    else
        printSummary(*game);
    return 0;
}

} // namespace orrery::cli

int main(int argc, char** argv)
{
    using namespace orrery::cli;
    if (argc < 2) return badArguments("no command given");
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "--help" || command == "-h") {
        std::fputs(helpText, stdout);
        return 0;
    }
    if (command == "turn") return commandTurn(args);
    if (command == "open") return commandOpen(args);
    if (command == "move") return commandMove(args);
    if (command == "design") return commandDesign(args);
    if (command == "forecast") return commandForecast(args);
    if (command == "battle") return commandBattle(args);
    if (command == "chart") return commandChart(args);
    if (command == "text") return commandText(args);
    if (command == "overview" || command == "races") return (command == "races" ? commandRaces : commandOverview)(args);
    if (command == "news") return commandNews(args);
    if (command == "plan") return commandPlan(args);
    if (command == "import") return commandImport(args);
    return badArguments("unknown command " + command);
}

// orrery-cli plan: the transporter planner without a window. It takes the transporters and
// planets the window would list at first unless some are named, prints the orders the plan adds
// and the result figure, and can write them as a complete move.

#include "commands.h"

#include "fileio.h"
#include "gamedata.h"
#include "moveeditor.h"
#include "transporter.h"
#include "turnloader.h"

#include <charconv>
#include <cstdio>

using namespace orrery;

namespace orrery::cli {

namespace {

// The game's name as the report's title gives it ("... Galaxy Game NAME Turn n"); empty when
// the title does not say.
std::string gameNameOf(const std::string& reportPath)
{
    const Result<std::string> text = readFile(reportPath);
    if (!text) return {};
    const std::string_view head = std::string_view(*text).substr(0, 4096);
    constexpr std::string_view marker = "Galaxy Game ";
    const std::size_t at = head.find(marker);
    if (at == std::string_view::npos) return {};
    const std::size_t from = at + marker.size();
    const std::size_t end = head.find_first_of(" \r\n", from);
    return std::string(head.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
}

} // namespace

int commandPlan(const std::vector<std::string>& args)
{
    if (args.empty()) return badArguments("plan needs a report PATH/NAME<n>EXT");
    std::string turns, moveFile;
    std::vector<std::string> planets;
    std::vector<double> groups;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--turns" && hasValue) {
            turns = args[++i];
        } else if (args[i] == "--planet" && hasValue) {
            planets.push_back(args[++i]);
        } else if (args[i] == "--group" && hasValue) {
            const std::string& word = args[++i];
            int number = 0;
            const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), number);
            if (ec != std::errc() || end != word.data() + word.size()) return badArguments("--group needs a group number");
            groups.push_back(number);
        } else if (args[i] == "--move" && hasValue) {
            moveFile = args[++i];
        } else {
            return badArguments("unexpected argument " + args[i]);
        }
    }
    if (turns.empty()) return badArguments("plan needs --turns N");
    const Result<int> limit = parseTurnLimit(turns);
    if (!limit) return badArguments(limit.error().text());

    Result<Game> loaded = loadTurnFromPath(args[0]);
    if (!loaded) return fail(loaded.error().text());
    const Game& game = *loaded;
    if (groups.empty())
        for (const grouprecord* g : transporterGroups(game, 1.0)) groups.push_back(g->groupnumber);
    if (planets.empty())
        for (const planetrecord* p : planetsToDevelop(game)) planets.push_back(p->name.str());
    const Result<TransportPlan> plan = planTransports(game, groups, planets, *limit);
    if (!plan) return fail(plan.error().text());

    MoveEditor editor(game);
    static_cast<void>(editor.setMoveForm(MoveForm::Raw)); // an empty move converts
    editor.setGameName(gameNameOf(args[0]));
    editor.setRaceName(game.ownrace.view());
    if (const Status added = addTransportOrders(editor, transportOrders(*plan)); !added)
        return fail(added.error().text());
    std::string text;
    const std::vector<std::string>& lines = editor.lines();
    for (std::size_t i = 1; i < editor.endIndex(); ++i) text += lines[i] + "\n";
    text += "Result: " + resultText(plan->result) + "\n";
    print(stdout, text);
    if (!moveFile.empty())
        if (const Status saved = editor.saveAs(moveFile); !saved) return fail(saved.error().text());
    return 0;
}

} // namespace orrery::cli

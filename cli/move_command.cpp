#include "commands.h"

#include "gamedata.h"
#include "movechecker.h"
#include "moveeditor.h"
#include "turnloader.h"

#include <cstdio>

using namespace orrery;

namespace orrery::cli {

int commandMove(const std::vector<std::string>& args)
{
    if (args.empty()) return badArguments("move needs convert, check or eta");
    if (args.size() < 2) return badArguments("move " + args[0] + " needs an order file");
    const std::string& action = args[0];
    const std::string& file = args[1];
    std::string to, turn;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--to" && i + 1 < args.size())
            to = args[++i];
        else if (args[i] == "--turn" && i + 1 < args.size())
            turn = args[++i];
        else
            return badArguments("unexpected argument " + args[i]);
    }
    if (action != "convert" && action != "check" && action != "eta")
        return badArguments("unknown move command " + action);
    if (action == "convert" && to != "natural" && to != "raw") return badArguments("convert needs --to natural|raw");
    if (action != "convert" && turn.empty()) return badArguments(action + " needs --turn PATH/NAME<n>EXT");

    Game game;
    game.gametype = gtUnknown;
    if (!turn.empty()) {
        Result<Game> loaded = loadTurnFromPath(turn);
        if (!loaded) return fail(loaded.error().text());
        game = std::move(*loaded);
    }
    MoveEditor editor(game);
    // Checks and ETAs work on the raw form, as the move is mailed.
    const MoveForm form = action == "convert" && to == "natural" ? MoveForm::Natural : MoveForm::Raw;
    static_cast<void>(editor.setMoveForm(form)); // an empty move converts
    if (const Status loaded = editor.loadFile(file); !loaded) return fail(loaded.error().text());

    if (action == "check") {
        const std::string findings = editor.checkCurrentMove();
        if (findings.empty()) {
            print(stdout, std::string(msgMoveSeemsCorrect));
            return 0;
        }
        // Findings are the check's result, not a failure of the tool.
        print(stdout, findings);
        return 0;
    }
    std::string text;
    for (const std::string& line : editor.lines()) text += line + "\n";
    print(stdout, text);
    return 0;
}

} // namespace orrery::cli

#include "move_command.h"

#include "gamedata.h"
#include "movechecker.h"
#include "moveeditor.h"
#include "turnloader.h"

#include <cstdio>

using namespace orrery;

namespace {

constexpr int exitBadInput = 2;

// Texts of the editor break lines with CR LF; the shell wants plain line feeds.
void print(std::FILE* out, const std::string& text)
{
    std::string plain;
    plain.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) plain += text[i];
    if (!plain.empty() && plain.back() != '\n') plain += '\n';
    std::fwrite(plain.data(), 1, plain.size(), out);
}

int usage()
{
    std::fprintf(stderr, "usage: orrery-cli move convert FILE --to natural|raw [--turn PATH/NAME<n>EXT]\n"
                         "       orrery-cli move check FILE --turn PATH/NAME<n>EXT\n"
                         "       orrery-cli move eta FILE --turn PATH/NAME<n>EXT\n");
    return exitBadInput;
}

int fail(const std::string& message)
{
    print(stderr, message);
    return exitBadInput;
}

} // namespace

int commandMove(const std::vector<std::string>& args)
{
    if (args.size() < 2) return usage();
    const std::string& action = args[0];
    const std::string& file = args[1];
    std::string to, turn;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--to" && i + 1 < args.size())
            to = args[++i];
        else if (args[i] == "--turn" && i + 1 < args.size())
            turn = args[++i];
        else
            return fail("orrery-cli: unexpected argument: " + args[i]);
    }
    if (action != "convert" && action != "check" && action != "eta") return usage();
    if (action == "convert" && to != "natural" && to != "raw") return usage();
    if (action != "convert" && turn.empty()) return usage();

    Game game;
    game.gametype = gtUnknown;
    if (!turn.empty()) {
        std::string error;
        if (!loadTurnFromPath(turn, game, &error)) return fail("orrery-cli: " + error);
    }
    MoveEditor editor(game);
    // Checks and ETAs work on the raw form, as the move is mailed.
    const MoveForm form = action == "convert" && to == "natural" ? MoveForm::Natural : MoveForm::Raw;
    editor.setMoveForm(form);
    const std::string message = editor.loadFile(file);
    if (!message.empty()) return fail(message);

    if (action == "check") {
        const std::string findings = editor.checkMove();
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

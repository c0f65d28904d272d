// Feeds arbitrary bytes to the orders editor: read as a move file in both display forms, every
// line converted by ConvertOrderLine in both directions, and the read move given ETAs, switched
// between the forms and checked against a small turn.

#include "gamedata.h"
#include "movechecker.h"
#include "moveeditor.h"
#include "orderformat.h"
#include "ordereta.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace orrery;

namespace {

Game smallTurn()
{
    Game game;
    game.ownrace = "Orion";
    playerrecord player;
    player.name = "Orion";
    game.turn.players.push_back(player);
    shiptyperecord hauler;
    hauler.name = "Hauler";
    hauler.owner = "Orion";
    hauler.drive = 5;
    hauler.cargo = 5;
    hauler.fromreport = 1;
    game.shiptypes.push_back(hauler);
    for (const char* name : {"Mars", "Venus"}) {
        planetrecord p;
        p.name = name;
        p.x = name[0] == 'M' ? 0 : 30;
        p.y = 40;
        p.ownercode = ocOwn;
        p.capital = 100;
        game.turn.planets.push_back(p);
    }
    racegrouprecord own;
    own.name = "Orion";
    for (int n = 1; n <= 3; ++n) {
        grouprecord g;
        g.name = "Hauler";
        g.groupnumber = n;
        g.shipcount = 4;
        g.location = n == 3 ? "Venus" : "Mars";
        g.fleet = n == 2 ? "Alpha" : "";
        g.drive = 5, g.cargo = 5, g.drivetech = 1, g.cargotech = 1;
        g.distance = n == 3 ? 2 : 0;
        own.groups.push_back(g);
    }
    game.turn.racegroups.push_back(own);
    fleetrecord fleet;
    fleet.name = "Alpha";
    game.turn.fleets.push_back(fleet);
    return game;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Game game = smallTurn();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const OrderContext context(game);

    // Every line, read as either form.
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        const std::string line = input.substr(start, end - start);
        const std::string once = ConvertOrderLine(line, context);
        if (!once.empty()) ConvertOrderLine(once, context);
        start = end + 1;
    }

    // The whole text as a move, in both displays.
    const std::string text = "#GALAXY Lyra Orion\r\n" + input;
    for (MoveForm form : {MoveForm::Raw, MoveForm::Natural}) {
        // Failures are results here: every path must end without a crash.
        MoveEditor editor(game);
        static_cast<void>(editor.setMoveForm(form));
        static_cast<void>(editor.readText(input));
        if (!editor.readText(text)) continue;
        static_cast<void>(editor.setMoveForm(form == MoveForm::Raw ? MoveForm::Natural : MoveForm::Raw));
        editor.checkCurrentMove();
        editor.selectLine(2);
        const CommandRequest edit = editor.editSelected();
        if (edit.action == CommandRequest::Action::OpenCommand)
            static_cast<void>(editor.buildOrderOfKind(edit.opening.kind, edit.opening.start));
        editor.selectLine(3);
        static_cast<void>(editor.moveSelectedUp());
        static_cast<void>(editor.moveSelectedDown());
        static_cast<void>(editor.deleteSelected());
    }
    return 0;
}

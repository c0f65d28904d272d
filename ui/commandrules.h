#pragma once

// What the command windows know without showing anything: which window enters which command, the
// choice lists they offer (from the shown turn and the move), and the checks of their OK button.
// The windows only put these into controls and read the controls back.

#include "commands.h"
#include "moveeditor.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct Game;
struct grouprecord;

// The windows that enter orders. ShowOptions is the game options window in its editing mode.
enum class CommandWindowId : std::uint8_t {
    None,
    C1,
    C2,
    C3,
    C4,
    C5,
    C6,
    C7,
    C8,
    C10,
    C11,
    C12,
    C1toggle,
    C2c4e,
    C3c1e,
    ShowOptions,
};

// The window that enters (or edits) an order of this kind in a game type; None for orders without
// values (quit, delete password, the report toggle).
CommandWindowId commandWindowFor(OrderKind kind, std::int32_t gametype);

// The choice lists of the command windows.
struct CommandChoices {
    std::vector<std::string> ownGroups;  // own groups that are not battle entries, then "MAX"
    std::vector<std::string> planets;    // every planet, its alternative name as a further entry
    std::vector<std::string> ownPlanets; // planets of the own race
    std::vector<std::string> fleets;     // fleets of the turn, then those the move creates
    std::vector<std::string> shipTypes;  // own ship types, then those the move designs
    std::vector<std::string> races;      // races of the status of players other than the own race
    std::vector<std::string> production; // CAP, MAT, DRIVE, WEAPONS, SHIELDS, CARGO, then the ship types
    std::string ownRace;

    // The lists for the shown turn and a move held in the given form.
    static CommandChoices of(const Game& game, const std::vector<std::string>& move, MoveForm form);
};

// An own group as the group lists show it: "  5 ( 12 Cruiser at Mars)".
std::string ownGroupEntry(const grouprecord& group, const Game& game);
// "CAP", "COL", "MAT".
const std::vector<std::string>& cargoTypes();
// The route window's cargo list: "CAP", "MAT", "COL", and "All" in Blind Galaxy.
std::vector<std::string> routeCargoTypes(bool blind);
// A production word that is not a ship type (letter case ignored).
bool isProductionKeyword(std::string_view text);

// The checks of OK for a command window, in the window's order (the required choices in the order
// of the fields, then the number fields, then name conflicts): the first failure's message, or
// empty. Fields are as the window hands them to BuildOrder (untrimmed).
std::string checkCommandFields(OrderKind kind, const Game& game, const CommandChoices& choices,
                               const OrderFields& fields);

// The design window's number fields, checked while typing or leaving them: value is 1 for the
// drive, 2 attacks, 3 weapons, 4 shields, 5 cargo. An empty text passes (OK asks for it).
std::string checkDesignNumber(int value, std::string_view text);
// The forecast window's turn number field; an empty text passes.
std::string checkTurnNumber(std::string_view text);

} // namespace orrery

#pragma once

// The order forms: every kind of order that needs values is entered in a small form, stated here
// once as data. A form names the window that shows it and its fields (label, what the field
// offers to choose from, whether it must be filled, what number it must hold, and which word of
// the order it becomes). The command windows lay their controls out from the forms, their OK
// button checks the fields with checkOrderForm, the move editor turns the fields into orders with
// ordersFromForm and an order's words back into fields with formFieldsOf.
//
//     const OrderForm* form = orderForm(OrderKind::SendGroup, game.gametype);
//     // form->window == CommandWindowId::C1, fields "Group:", "Planet:", "Number of ships ..."
//     Status ok = checkOrderForm(*form, game, choices, {"  5 ( 12 Cruiser at Mars)", "Venus", ""});
//     Result<std::vector<Order>> orders = ordersFromForm(*form, fields, context); // S 5 Venus

#include "commands.h"
#include "result.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct Game;
struct grouprecord;

inline constexpr std::string_view msgAmountNeedsShips =
    "If you specify \"Ammount of cargo\", you have to specify \"Number of ships\" also!";

// The values of a form, field 1 first (empty: not filled).
using OrderFields = std::array<std::string, 6>;

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

// The control a field is entered in.
enum class FieldInput : std::uint8_t {
    Choice, // a list to pick from, in which text can also be typed
    Text,   // one line of text
    OnOff,  // a check box "on": the field is "on" or "off"
    Lines,  // several lines of text
    Given,  // no control: the value comes with the opening (the option of the on/off window)
};

// What a choice field offers.
enum class ChoiceList : std::uint8_t {
    None,
    OwnGroups,   // own groups that are not battle entries, then "MAX"
    Planets,     // every planet, its alternative name as a further entry
    OwnPlanets,  // planets of the own race
    Fleets,      // fleets of the turn, then those the move creates
    ShipTypes,   // own ship types, then those the move designs
    Races,       // the other races of the status table
    StatusRaces, // the other races, and in Blind Galaxy the own race at the end
    CargoTypes,  // "CAP", "COL", "MAT"
    RouteCargo,  // "CAP", "MAT", "COL", and "All" in Blind Galaxy
    Production,  // "CAP", "MAT", "DRIVE", "WEAPONS", "SHIELDS", "CARGO", then the ship types
    Relations,   // "peace", "war"
};

// What a filled text field must hold.
enum class NumberRule : std::uint8_t {
    None,
    Ships,       // a whole number ("Number of ships is no number!")
    Amount,      // a number ("Ammount of cargo is no number!")
    Value,       // a number, also when left empty ("The new value is no valid number!")
    DesignPart,  // a number that is 0 or at least 1 (drive, weapons, shields, cargo)
    AttackCount, // the same, and whole
    TurnNumber,  // a whole number
};

// What, besides the filled fields and their numbers, must hold for an order to be built.
enum class FormConflict : std::uint8_t {
    None,
    NotOwnRace,          // peace or war on oneself (except in Blind Galaxy)
    DifferentFleets,     // merging a fleet with itself
    NewPlanetName,       // a planet of that name exists
    NewRaceName,         // a race of that name exists
    NewFleetName,        // a fleet of that name exists or is created by the move
    StatusAndRaceTogether, // both or neither of status and race
    TurnOnlyWhenOn,      // a forecast turn with the option switched off
    AmountNeedsShips,    // an amount of cargo without a number of ships
};

// How the fields become an order when that takes more than putting each field in its word.
enum class FormShape : std::uint8_t {
    Plain,       // every field is a word of the order of the form's kind
    BreakOff,    // without a fleet the group leaves its current fleet (B group FLEET)
    Load,        // an amount of cargo needs a number of ships
    Production,  // tech levels, when any is given, are all written (0 for none)
    Route,       // without a destination the route is deleted
    Status,      // without status and race the status is erased
    Option,      // "on" / "off" and the option's name
    Forecast,    // without a turn number the forecast option is a plain option
    LoadAndSend, // a load order followed by a send order of the loaded ships
    Message,     // recipients and text: a message block
};

struct FormField {
    const char* name = nullptr;  // what the field holds: its controls are named by it
    const char* label = nullptr;
    FieldInput input = FieldInput::Text;
    ChoiceList choices = ChoiceList::None;
    bool required = false;
    NumberRule number = NumberRule::None;
    bool checkedOnLeave = false; // the number is also checked when the field is left
    int word = -1;               // the argument of the order it is (from 0); -1: none
    bool group = false;          // a value from the own groups list: its description is cut off
};

struct OrderForm {
    OrderKind kind = OrderKind::None;
    CommandWindowId window = CommandWindowId::None;
    std::vector<FormField> fields;
    const char* requiredMessage = nullptr; // when a required field is empty
    FormConflict conflict = FormConflict::None;
    FormShape shape = FormShape::Plain;
};

// The form of an order kind in a game type; nullptr for orders without values (quit, delete the
// password, the report toggle) and for the game options window.
const OrderForm* orderForm(OrderKind kind, std::int32_t gametype);
// The window of an order kind: its form's window, ShowOptions for the game options, None for
// orders without values.
CommandWindowId commandWindowFor(OrderKind kind, std::int32_t gametype);
// Every form of a game type (the forms of other game types differ only where the game does).
std::vector<const OrderForm*> allOrderForms(std::int32_t gametype);
// The first form a window shows: all forms of one window have the same inputs, field by field.
const OrderForm* firstFormOf(CommandWindowId window);

// What a command window is opened for: the command, the list it was chosen from and its number
// there (-1 when the list has no entry for it), the option of the on/off window, start values.
struct CommandOpening {
    OrderKind kind = OrderKind::None;
    CommandList list = CommandList::Names;
    int number = -1;
    std::string option;
    OrderFields start;
};

// The first label of a command window: the command's entry of its list, or for an option without
// entry "Set option X" / "O (Set option X)".
std::string commandCaption(const CommandOpening& opening);

// The choice lists, from the shown turn and a move held in the given form.
struct CommandChoices {
    std::vector<std::string> ownGroups;
    std::vector<std::string> planets;
    std::vector<std::string> ownPlanets;
    std::vector<std::string> fleets;
    std::vector<std::string> shipTypes;
    std::vector<std::string> races;
    std::vector<std::string> production;
    std::string ownRace;
    bool blind = false;

    static CommandChoices of(const Game& game, const std::vector<std::string>& move, MoveForm form);
    // The entries of a list.
    std::vector<std::string> list(ChoiceList which) const;
};

// An own group as the group lists show it: "  5 ( 12 Cruiser at Mars)".
std::string ownGroupEntry(const grouprecord& group, const Game& game);
// A production word that is not a ship type (letter case ignored).
bool isProductionKeyword(std::string_view text);

// A text field's number, checked as the field is left or on OK: the message of the first rule
// broken. An empty field passes, except for NumberRule::Value.
Status checkFieldNumber(NumberRule rule, std::string_view text);

// The checks of OK, in the window's order: the required fields in the order of the fields, then
// the number fields, then the conflict. The failure's line is the field (from 1) that failed, 0
// for a conflict between fields. Fields are as the window hands them over (untrimmed).
Status checkOrderForm(const OrderForm& form, const Game& game, const CommandChoices& choices,
                      const OrderFields& fields);

// The orders a form's fields make (one, two for load-and-send, none when the first two fields are
// empty). Message forms make no orders here (the editor writes message blocks).
Result<std::vector<Order>> ordersFromForm(const OrderForm& form, const OrderFields& fields);
// The fields of a form filled from an order's words (editing a line).
OrderFields formFieldsOf(const OrderForm& form, const Order& order);

} // namespace orrery

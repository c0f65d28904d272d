#pragma once

// The command set of a move: every kind of order line, its arguments, and the two command lists
// (descriptions for the raw display, names for the natural display) with the entries each game
// type shows.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// The form in which the editor shows a move or the command list.
enum class MoveForm : std::uint8_t { Natural, Raw };

// Every row of the command table. Rows that share a raw letter are separate kinds.
enum class OrderKind : std::uint8_t {
    None,
    Message,        // @ [race ...]            (a block, not a single line)
    Peace,          // A race
    BreakCurrent,   // B group FLEET           (leave its current fleet)
    BreakFleet,     // B group fleet [n]
    BreakShips,     // B group n
    RaceName,       // C name
    Design,         // D type drive attacks weapons shields cargo
    CreateFleet,    // D FLEET fleet
    EraseType,      // E name                  (an own ship type)
    EraseFleet,     // E name
    GiveAddress,    // F race
    ToggleReports,  // F
    Upgrade,        // G group [n]
    Guard,          // H race
    InterceptGroup, // I group planet [n]
    InterceptFleet, // I fleet planet
    AddToFleet,     // J group fleet [n]
    MergeFleets,    // J fleet1 fleet2
    Status,         // K planet status race
    EraseStatus,    // K planet
    Load,           // L group cargo [n [amount]]
    MapArea,        // M x y size
    RenamePlanet,   // N planet newname
    Option,         // O [NO] option
    Forecast,       // O [NO] FORECAST turn
    XCenter,        // O XCENTER x
    YCenter,        // O YCENTER y
    Production,     // P planet production [drive weapons shields cargo]
    Quit,           // Q race
    SetRoute,       // R planet cargo destination
    DeleteRoute,    // R planet cargo
    SendGroup,      // S group planet [n]
    SendFleet,      // S fleet planet
    RenameType,     // T old new               (an own ship type)
    RenameFleet,    // T old new
    Unload,         // U group [n]
    Claim,          // V planet
    War,            // W race
    Scrap,          // X group [n]
    SetPassword,    // Y password
    DeletePassword, // Y
    Address,        // Z address
    // Entries of the command lists that are not single order lines.
    SetOptions,  // opens the game options window
    LoadAndSend, // L + S: a load order followed by a send order
};

// One order line taken apart: its kind and its arguments in raw order (the words after the
// command letter; an absent optional argument is empty). Option kinds keep the option's name,
// "on" or "off", and the forecast turn.
struct Order {
    OrderKind kind = OrderKind::None;
    std::vector<std::string> args;
    std::string_view arg(std::size_t n) const { return n < args.size() ? std::string_view(args[n]) : std::string_view(); }
};

// Which numbering a command number uses.
enum class CommandList : std::uint8_t {
    Descriptions, // the raw display's list, 44 entries
    Names,        // the natural display's list, 45 entries
};

struct CommandEntry {
    const char* text;
    OrderKind kind;
    const char* option; // the option of the seven single-option entries, else nullptr
};

// The full lists, indexed by command number.
std::span<const CommandEntry> commandDescriptions();
std::span<const CommandEntry> commandNames();
std::span<const CommandEntry> commandList(CommandList list);

// The command numbers a game type shows in a display, in display order.
std::span<const int> shownCommands(std::int32_t gametype, CommandList list);

// The list that belongs to a display form.
constexpr CommandList listFor(MoveForm form) { return form == MoveForm::Raw ? CommandList::Descriptions : CommandList::Names; }

// The entry of a command number, or nullptr when the number is out of range.
const CommandEntry* commandEntry(CommandList list, int number);
// The number under which a kind appears in a list (the first entry of that kind), or -1.
int commandNumber(CommandList list, OrderKind kind, std::string_view option = {});

// The seven options offered one by one in the Commands list.
std::span<const char* const> singleOptions();

} // namespace orrery

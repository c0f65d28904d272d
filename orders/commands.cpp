#include "commands.h"

#include "gamedata.h"

#include <cstring>

namespace orrery {

namespace {

using K = OrderKind;

constexpr CommandEntry descriptions[] = {
    {"@ (Send message)", K::Message, nullptr},
    {"A (Declare peace on another race)", K::Peace, nullptr},
    {"B (Break off a group from a fleet)", K::BreakFleet, nullptr},
    {"B (Break off ships from a group)", K::BreakShips, nullptr},
    {"C (Change the name of your race)", K::RaceName, nullptr},
    {"D (Create a fleet)", K::CreateFleet, nullptr},
    {"D (Design a new ship type)", K::Design, nullptr},
    {"E (Erase a fleet)", K::EraseFleet, nullptr},
    {"E (Erase a ship type)", K::EraseType, nullptr},
    {"F (Give address of player)", K::GiveAddress, nullptr},
    {"G (Upgrade a group of ships)", K::Upgrade, nullptr},
    {"I (Intercept ships at planet with a fleet)", K::InterceptFleet, nullptr},
    {"I (Intercept ships at planet with a group)", K::InterceptGroup, nullptr},
    {"J (Add group to fleet)", K::AddToFleet, nullptr},
    {"J (Merge fleet1 into fleet2)", K::MergeFleets, nullptr},
    {"L (Load cargo onto a group of ships)", K::Load, nullptr},
    {"M (Change area covered by the turn map)", K::MapArea, nullptr},
    {"N (Rename planet)", K::RenamePlanet, nullptr},
    {"O (Set option AUTOUNLOAD)", K::Option, "AUTOUNLOAD"},
    {"O (Set option FLEETTABLES)", K::Option, "FLEETTABLES"},
    {"O (Set option NAMECASE)", K::Option, "NAMECASE"},
    {"O (Set option PRODTABLE)", K::Option, "PRODTABLE"},
    {"O (Set option SORTGROUPS)", K::Option, "SORTGROUPS"},
    {"O (Set option TWOCOL)", K::Option, "TWOCOL"},
    {"O (Set option UNDERSCORES)", K::Option, "UNDERSCORES"},
    {"P (Set production for a planet)", K::Production, nullptr},
    {"Q (Quit the game)", K::Quit, nullptr},
    {"R (Set or delete a route)", K::SetRoute, nullptr},
    {"S (Send fleet to a planet)", K::SendFleet, nullptr},
    {"S (Send group to a planet)", K::SendGroup, nullptr},
    {"T (New name for a fleet)", K::RenameFleet, nullptr},
    {"T (New name for a shiptype)", K::RenameType, nullptr},
    {"U (Unload a group's cargo)", K::Unload, nullptr},
    {"V (Claim ownership of a planet (GalaxyNG only!))", K::Claim, nullptr},
    {"W (Declare war on another race)", K::War, nullptr},
    {"X (Scrap old ships)", K::Scrap, nullptr},
    {"Y (Delete password)", K::DeletePassword, nullptr},
    {"Y (Set password)", K::SetPassword, nullptr},
    {"Z (Change your address)", K::Address, nullptr},
    {"F (Toggle between Full and standard reports)", K::ToggleReports, nullptr},
    {"H (Adopt a defensive (guarding) posture)", K::Guard, nullptr},
    {"K (Change status at a planet)", K::Status, nullptr},
    {"  (Set options)", K::SetOptions, nullptr},
    {"L + S (Load cargo and send group to planet)", K::LoadAndSend, nullptr},
};
static_assert(std::size(descriptions) == 44);

// "Give address of all players" asks for every player's address: the bare "F" line.
constexpr CommandEntry names[] = {
    {"Add group to fleet", K::AddToFleet, nullptr},
    {"Break off a group from a fleet", K::BreakFleet, nullptr},
    {"Break off ships from a group", K::BreakShips, nullptr},
    {"Change area covered by the turn map", K::MapArea, nullptr},
    {"Change the name of your race", K::RaceName, nullptr},
    {"Change your address", K::Address, nullptr},
    {"Claim ownership of a planet (GalaxyNG only!)", K::Claim, nullptr},
    {"Create a fleet", K::CreateFleet, nullptr},
    {"Declare peace on another race", K::Peace, nullptr},
    {"Declare war on another race", K::War, nullptr},
    {"Design a new ship type", K::Design, nullptr},
    {"Erase a fleet", K::EraseFleet, nullptr},
    {"Erase a ship type", K::EraseType, nullptr},
    {"Give address of all players", K::ToggleReports, nullptr},
    {"Give address of player", K::GiveAddress, nullptr},
    {"Intercept ships at planet with a fleet", K::InterceptFleet, nullptr},
    {"Intercept ships at planet with a group", K::InterceptGroup, nullptr},
    {"Load cargo onto a group of ships", K::Load, nullptr},
    {"Merge fleet1 into fleet2", K::MergeFleets, nullptr},
    {"New name for a fleet", K::RenameFleet, nullptr},
    {"New name for a shiptype", K::RenameType, nullptr},
    {"Quit the game", K::Quit, nullptr},
    {"Rename planet", K::RenamePlanet, nullptr},
    {"Scrap old ships", K::Scrap, nullptr},
    {"Send message", K::Message, nullptr},
    {"Send fleet to a planet", K::SendFleet, nullptr},
    {"Send group to a planet", K::SendGroup, nullptr},
    {"Set option AUTOUNLOAD", K::Option, "AUTOUNLOAD"},
    {"Set option FLEETTABLES", K::Option, "FLEETTABLES"},
    {"Set option NAMECASE", K::Option, "NAMECASE"},
    {"Set option PRODTABLE", K::Option, "PRODTABLE"},
    {"Set option SORTGROUPS", K::Option, "SORTGROUPS"},
    {"Set option TWOCOL", K::Option, "TWOCOL"},
    {"Set option UNDERSCORES", K::Option, "UNDERSCORES"},
    {"Set production for a planet", K::Production, nullptr},
    {"Set or delete a route", K::SetRoute, nullptr},
    {"Set password", K::SetPassword, nullptr},
    {"Unload a group's cargo", K::Unload, nullptr},
    {"Upgrade a group of ships", K::Upgrade, nullptr},
    {"Toggle between full and standard reports", K::ToggleReports, nullptr},
    {"Adopt a defensive (guarding) posture", K::Guard, nullptr},
    {"Change status of a planet", K::Status, nullptr},
    {"Set options", K::SetOptions, nullptr},
    {"Load cargo and send group to a planet", K::LoadAndSend, nullptr},
    {"Delete password", K::DeletePassword, nullptr},
};
static_assert(std::size(names) == 45);

// Entries shown per game type and display, in display order.
constexpr int standardRaw[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 43, 16, 17, 18,
                               19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38};
constexpr int standardNatural[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  44, 10, 11, 12, 13, 14, 15, 16, 17, 43, 18,
                                   19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38};
constexpr int blindRaw[] = {1,  2,  3,  4,  5,  6,  7,  8,  39, 10, 40, 11, 12, 13, 14, 41, 15,
                            43, 16, 17, 42, 25, 26, 27, 28, 29, 30, 31, 32, 34, 35, 36, 37, 38};
constexpr int blindNatural[] = {0,  40, 1,  2,  3,  41, 4,  5,  7,  8,  9,  44, 10, 11, 12, 15, 16,
                                17, 43, 18, 19, 20, 21, 22, 23, 25, 26, 42, 34, 35, 36, 39, 37, 38};
static_assert(std::size(standardRaw) == 40 && std::size(standardNatural) == 41);
static_assert(std::size(blindRaw) == 34 && std::size(blindNatural) == 34);

constexpr const char* singleOptionNames[] = {"AUTOUNLOAD", "FLEETTABLES", "NAMECASE", "PRODTABLE",
                                             "SORTGROUPS", "TWOCOL",      "UNDERSCORES"};

} // namespace

std::span<const CommandEntry> commandDescriptions() { return descriptions; }
std::span<const CommandEntry> commandNames() { return names; }

std::span<const CommandEntry> commandList(CommandList list)
{
    return list == CommandList::Descriptions ? commandDescriptions() : commandNames();
}

std::span<const int> shownCommands(std::int32_t gametype, CommandList list)
{
    // An unknown game type counts as not Blind Galaxy.
    if (gametype == gtBlind) {
        if (list == CommandList::Descriptions) return blindRaw;
        return blindNatural;
    }
    if (list == CommandList::Descriptions) return standardRaw;
    return standardNatural;
}

const CommandEntry* commandEntry(CommandList list, int number)
{
    const auto entries = commandList(list);
    if (number < 0 || static_cast<std::size_t>(number) >= entries.size()) return nullptr;
    return &entries[static_cast<std::size_t>(number)];
}

int commandNumber(CommandList list, OrderKind kind, std::string_view option)
{
    const auto entries = commandList(list);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].kind != kind) continue;
        if (kind == OrderKind::Option && (!entries[i].option || option != entries[i].option)) continue;
        return static_cast<int>(i);
    }
    return -1;
}

std::span<const char* const> singleOptions() { return singleOptionNames; }

} // namespace orrery

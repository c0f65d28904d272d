#include "commandrules.h"

#include "gamedata.h"
#include "orderformat.h"
#include "orderwords.h"
#include "textrules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orrery {

namespace {

using K = OrderKind;

std::string twoLines(std::string_view first, std::string_view second)
{
    return std::string(first) + std::string(lineBreak) + std::string(second);
}

void addOnce(std::vector<std::string>& list, std::string_view name)
{
    if (name.empty()) return;
    if (std::find(list.begin(), list.end(), name) == list.end()) list.emplace_back(name);
}

std::string number3(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%3d", truncToInt(value));
    return text;
}

} // namespace

CommandWindowId commandWindowFor(OrderKind kind, std::int32_t gametype)
{
    const bool blind = gametype == gtBlind;
    switch (kind) {
    case K::SendGroup:
    case K::InterceptGroup:
    case K::AddToFleet: return CommandWindowId::C1;
    case K::BreakFleet:
    case K::BreakCurrent: return blind ? CommandWindowId::C1 : CommandWindowId::C3;
    case K::Load: return blind ? CommandWindowId::C11 : CommandWindowId::C1;
    case K::SendFleet:
    case K::InterceptFleet:
    case K::MergeFleets: return CommandWindowId::C2;
    case K::Production: return blind ? CommandWindowId::C2c4e : CommandWindowId::C2;
    case K::Peace:
    case K::War:
    case K::Guard:
    case K::EraseFleet:
    case K::EraseType:
    case K::GiveAddress:
    case K::Claim: return CommandWindowId::C3;
    case K::RenamePlanet:
    case K::BreakShips:
    case K::Scrap:
    case K::Upgrade:
    case K::Unload:
    case K::RenameFleet:
    case K::RenameType: return CommandWindowId::C4;
    case K::Message: return CommandWindowId::C5;
    case K::RaceName:
    case K::CreateFleet:
    case K::SetPassword:
    case K::Address:
    case K::XCenter:
    case K::YCenter: return CommandWindowId::C6;
    case K::Design: return CommandWindowId::C7;
    case K::MapArea: return CommandWindowId::C8;
    case K::Option: return CommandWindowId::C1toggle;
    case K::SetRoute:
    case K::DeleteRoute:
    case K::Status:
    case K::EraseStatus: return CommandWindowId::C10;
    case K::Forecast: return CommandWindowId::C12;
    case K::LoadAndSend: return CommandWindowId::C3c1e;
    case K::SetOptions: return CommandWindowId::ShowOptions;
    case K::None:
    case K::Quit:
    case K::DeletePassword:
    case K::ToggleReports: break;
    }
    return CommandWindowId::None;
}

std::string ownGroupEntry(const grouprecord& group, const Game& game)
{
    std::string planet(group.location.view());
    if (const planetrecord* p = findPlanet(game.turn, planet); p && !p->altname.empty())
        planet = std::string(p->altname.view());
    return number3(group.groupnumber) + " (" + number3(group.shipcount) + " " + std::string(group.name.view()) +
           " at " + planet + ")";
}

const std::vector<std::string>& cargoTypes()
{
    static const std::vector<std::string> types = {"CAP", "COL", "MAT"};
    return types;
}

std::vector<std::string> routeCargoTypes(bool blind)
{
    std::vector<std::string> types = {"CAP", "MAT", "COL"};
    if (blind) types.emplace_back("All");
    return types;
}

bool isProductionKeyword(std::string_view text)
{
    for (const char* word : {"CAP", "MAT", "DRIVE", "WEAPONS", "SHIELDS", "CARGO"})
        if (equalsNoCase(text, word)) return true;
    return false;
}

CommandChoices CommandChoices::of(const Game& game, const std::vector<std::string>& move, MoveForm form)
{
    CommandChoices c;
    c.ownRace = std::string(game.ownrace.view());
    if (const racegrouprecord* own = orrery::ownGroups(game)) {
        for (const grouprecord& g : own->groups)
            if (!g.inbattle) c.ownGroups.push_back(ownGroupEntry(g, game));
    }
    c.ownGroups.emplace_back("MAX");
    for (const planetrecord& p : game.turn.planets) {
        c.planets.emplace_back(p.name.view());
        if (!p.altname.empty()) c.planets.emplace_back(p.altname.view());
        if (p.ownercode == ocOwn) c.ownPlanets.emplace_back(p.name.view());
    }
    for (const fleetrecord& f : game.turn.fleets) addOnce(c.fleets, f.name.view());
    for (const shiptyperecord& t : game.shiptypes)
        if (t.owner == game.ownrace) addOnce(c.shipTypes, t.name.view());
    for (const playerrecord& p : game.turn.players)
        if (p.name != game.ownrace) c.races.emplace_back(p.name.view());

    // Fleets that the move creates and ship types that it designs (message text is no order).
    const OrderContext context(game);
    const std::vector<int> blocks = messageBlocks(move, form);
    for (std::size_t i = 1; i + 1 < move.size(); ++i) {
        if (blocks[i] >= 0) continue;
        const Order order = parseOrder(move[i], form, context);
        if (order.kind == K::CreateFleet) addOnce(c.fleets, order.arg(0));
        if (order.kind == K::Design) addOnce(c.shipTypes, order.arg(0));
    }
    c.production = {"CAP", "MAT", "DRIVE", "WEAPONS", "SHIELDS", "CARGO"};
    c.production.insert(c.production.end(), c.shipTypes.begin(), c.shipTypes.end());
    return c;
}

std::string checkDesignNumber(int value, std::string_view text)
{
    const std::string_view t = trimmed(text);
    if (t.empty()) return {};
    if (!isNumber(t)) return "Please enter a number!";
    const double v = readNumber(t);
    if (value == 2 && v != std::floor(v)) return "The attack number has to be a whole number";
    if (v != 0.0 && v < 1.0) return "The number has to be 0 or at least 1!";
    return {};
}

std::string checkTurnNumber(std::string_view text)
{
    const std::string_view t = trimmed(text);
    if (!t.empty() && !isWholeNumber(t)) return "Please enter a number!";
    return {};
}

std::string checkCommandFields(OrderKind kind, const Game& game, const CommandChoices& choices,
                               const OrderFields& f)
{
    const bool blind = game.gametype == gtBlind;
    auto empty = [&f](std::size_t i) { return trimmed(f[i]).empty(); };
    auto noNumber = [&f](std::size_t i) {
        const std::string_view t = trimmed(f[i]);
        return !t.empty() && !isWholeNumber(t);
    };
    const std::string ships = "Number of ships is no number!";
    // Two required fields, then an optional number of ships.
    auto pairAndShips = [&](const char* message, std::size_t shipsField) -> std::string {
        if (empty(0) || empty(1)) return message;
        if (noNumber(shipsField)) return ships;
        return {};
    };
    auto one = [&](const char* message) -> std::string { return empty(0) ? message : std::string(); };
    auto pair = [&](const char* message) -> std::string { return empty(0) || empty(1) ? message : std::string(); };

    switch (kind) {
    case K::SendGroup: return pairAndShips("You have to select a group and a planet!", 2);
    case K::InterceptGroup: return pairAndShips("You have to select a planet and a group!", 2);
    case K::AddToFleet: return pairAndShips("You have to select a group and a fleet!", 2);
    case K::BreakFleet:
    case K::BreakCurrent:
        if (blind) return pairAndShips("In blind galaxy, you have to select a group and a fleet!", 2);
        return one("You have to select a group!");
    case K::Load:
        if (empty(0) || empty(1)) return "You have to select a cargo type and a group!";
        if (noNumber(2)) return ships;
        if (blind) {
            const std::string_view amount = trimmed(f[3]);
            if (!amount.empty() && !isNumber(amount)) return "Ammount of cargo is no number!";
            if (empty(2) && !amount.empty()) return std::string(msgAmountNeedsShips);
        }
        return {};
    case K::SendFleet: return pair("You have to select a fleet and a planet!");
    case K::InterceptFleet: return pair("You have to select a planet and a fleet!");
    case K::MergeFleets:
        if (empty(0) || empty(1)) return "You have to select the two fleets to merge!";
        if (orderValue(f[0]) == orderValue(f[1])) return "You have to select two different fleets!";
        return {};
    case K::Production: return pair("You have to select a planet and something to produce!");
    case K::Peace:
    case K::War:
        if (empty(0)) return "You have to select a race!";
        // In Blind Galaxy the own race stands in the list too.
        if (!blind && orderValue(f[0]) == choices.ownRace)
            return kind == K::Peace ? "You can't declare peace on yourself!" : "You can't declare war on yourself!";
        return {};
    case K::Guard: return one("You have to select a race!");
    case K::EraseFleet: return one("You have to select a fleet!");
    case K::EraseType: return one("You have to select a ship type!");
    case K::GiveAddress: return one("You have to select a player!");
    case K::Claim: return one("You have to select a planet!");
    case K::RenamePlanet:
        if (empty(0) || empty(1)) return "You have to select a planet and to enter a new name for it!";
        if (findPlanet(game.turn, orderValue(f[1]))) return "There exists a planet with this name already!";
        return {};
    case K::BreakShips:
        if (empty(0) || empty(1)) return "You have to select a group and to enter a number of ships!";
        if (noNumber(1)) return ships;
        return {};
    case K::Scrap:
    case K::Upgrade:
    case K::Unload:
        if (empty(0)) return "You have to select a group!";
        if (noNumber(1)) return ships;
        return {};
    case K::RenameFleet: return pair("You have to select a fleet and to enter a new name for it!");
    case K::RenameType: return pair("You have to select a shiptype and to enter a new name for it!");
    case K::RaceName: {
        if (empty(0)) return "You have to enter a new race name!";
        const std::string name = orderValue(f[0]);
        for (const playerrecord& p : game.turn.players)
            if (p.name == name)
                return twoLines("There exists a player with that name already!", "Please enter a new race name!");
        return {};
    }
    case K::CreateFleet:
        if (empty(0)) return "You have to enter a new fleet name!";
        if (std::find(choices.fleets.begin(), choices.fleets.end(), orderValue(f[0])) != choices.fleets.end())
            return "You have a fleet with this name already!";
        return {};
    case K::SetPassword: return one("You have to enter a new password!");
    case K::Address: return one("You have to enter a new address!");
    case K::XCenter:
    case K::YCenter: return isNumber(trimmed(f[0])) ? std::string() : "The new value is no valid number!";
    case K::Design:
        for (std::size_t i = 0; i < 6; ++i)
            if (empty(i)) return "You have to fill out the form completely!";
        for (int value = 1; value <= 5; ++value)
            if (std::string m = checkDesignNumber(value, f[static_cast<std::size_t>(value)]); !m.empty()) return m;
        return {};
    case K::MapArea:
        for (std::size_t i = 0; i < 3; ++i)
            if (empty(i)) return "You have to fill out the form completely!";
        return {};
    case K::SetRoute:
    case K::DeleteRoute: return pair("You have to select a planet and a cargo type!");
    case K::Status:
    case K::EraseStatus:
        if (empty(0)) return "You have to select a planet!";
        if (empty(1) != empty(2))
            return twoLines("It's not allowed to left only one of the fields \"Status\" and \"Race\" blank!",
                            "Left both of them blank to erase the status.");
        return {};
    case K::Forecast:
        if (std::string m = checkTurnNumber(f[1]); !m.empty()) return m;
        if (!empty(1) && trimmed(f[0]) == "off") return "A turn number is only allowed, if the option is switched on!";
        return {};
    case K::LoadAndSend:
        if (empty(0) || empty(1) || empty(2)) return "You have to select a cargo type, a group and a planet!";
        if (noNumber(3)) return ships;
        return {};
    case K::None:
    case K::Message:
    case K::Option:
    case K::Quit:
    case K::DeletePassword:
    case K::ToggleReports:
    case K::SetOptions: break;
    }
    return {};
}

} // namespace orrery

#include "orderforms.h"

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
using W = CommandWindowId;

// The kinds of fields, as the forms below use them.
FormField pick(const char* name, const char* label, ChoiceList list, int word)
{
    FormField f;
    f.name = name;
    f.label = label;
    f.input = FieldInput::Choice;
    f.choices = list;
    f.required = true;
    f.word = word;
    return f;
}
FormField optionalPick(const char* name, const char* label, ChoiceList list, int word)
{
    FormField f = pick(name, label, list, word);
    f.required = false;
    return f;
}
FormField group(int word = 0)
{
    FormField f = pick("Group", "Group:", ChoiceList::OwnGroups, word);
    f.group = true;
    return f;
}
FormField text(const char* name, const char* label, int word, NumberRule number = NumberRule::None)
{
    FormField f;
    f.name = name;
    f.label = label;
    f.required = true;
    f.number = number;
    f.word = word;
    return f;
}
FormField optionalText(const char* name, const char* label, int word, NumberRule number = NumberRule::None)
{
    FormField f = text(name, label, word, number);
    f.required = false;
    return f;
}
FormField ships(const char* label, int word)
{
    return optionalText("Number", label, word, NumberRule::Ships);
}
FormField checkedOnLeave(FormField f)
{
    f.checkedOnLeave = true;
    return f;
}
FormField designValue(const char* name, const char* label, int word, NumberRule rule)
{
    return checkedOnLeave(text(name, label, word, rule));
}
FormField onOff(int word)
{
    FormField f;
    f.name = "On";
    f.label = "on";
    f.input = FieldInput::OnOff;
    f.word = word;
    return f;
}

constexpr const char* shipsOptional = "Number of ships (optional):";
constexpr const char* fillOutForm = "You have to fill out the form completely!";

OrderForm form(OrderKind kind, CommandWindowId window, std::vector<FormField> fields, const char* requiredMessage,
               FormConflict conflict = FormConflict::None, FormShape shape = FormShape::Plain)
{
    return OrderForm{kind, window, std::move(fields), requiredMessage, conflict, shape};
}

// Every form. Where Blind Galaxy differs the form is given twice, the Blind Galaxy one second.
struct FormEntry {
    OrderForm form;
    enum Games { All, NotBlind, BlindOnly } games = All;
};

const std::vector<FormEntry>& forms()
{
    using C = ChoiceList;
    using N = NumberRule;
    using F = FormConflict;
    using S = FormShape;
    static const std::vector<FormEntry> table = {
        // Group orders: two choices and a number of ships.
        {form(K::SendGroup, W::C1, {group(), pick("Planet", "Planet:", C::Planets, 1), ships(shipsOptional, 2)},
              "You have to select a group and a planet!")},
        {form(K::InterceptGroup, W::C1,
              {pick("Planet", "Planet:", C::Planets, 1), group(), ships("Number of ships (optional)", 2)},
              "You have to select a planet and a group!")},
        {form(K::AddToFleet, W::C1,
              {group(), pick("Fleet", "Fleet:", C::Fleets, 1), ships("Number of ships (optional)", 2)},
              "You have to select a group and a fleet!")},
        {form(K::Load, W::C1,
              {pick("Cargo", "Cargo Type:", C::CargoTypes, 1), group(), ships(shipsOptional, 2)},
              "You have to select a cargo type and a group!", F::None, S::Load),
         FormEntry::NotBlind},
        {form(K::Load, W::C11,
              {pick("Cargo", "Cargo Type:", C::CargoTypes, 1), group(), ships(shipsOptional, 2),
               optionalText("Amount", "Ammount of cargo (optional):", 3, N::Amount)},
              "You have to select a cargo type and a group!", F::AmountNeedsShips, S::Load),
         FormEntry::BlindOnly},
        // Breaking off: the whole group from its fleet, or (Blind Galaxy) some ships of it.
        {form(K::BreakFleet, W::C3, {group()}, "You have to select a group!", F::None, S::BreakOff),
         FormEntry::NotBlind},
        {form(K::BreakFleet, W::C1, {group(), pick("Fleet", "Fleet:", C::Fleets, 1), ships(shipsOptional, 2)},
              "In blind galaxy, you have to select a group and a fleet!", F::None, S::BreakOff),
         FormEntry::BlindOnly},
        // Fleet orders and production: two choices.
        {form(K::SendFleet, W::C2, {pick("Fleet", "Fleet:", C::Fleets, 0), pick("Planet", "Planet:", C::Planets, 1)},
              "You have to select a fleet and a planet!")},
        {form(K::InterceptFleet, W::C2,
              {pick("Planet", "Planet:", C::Planets, 1), pick("Fleet", "Fleet:", C::Fleets, 0)},
              "You have to select a planet and a fleet!")},
        {form(K::MergeFleets, W::C2, {pick("Fleet1", "Fleet1:", C::Fleets, 0), pick("Fleet2", "Fleet2:", C::Fleets, 1)},
              "You have to select the two fleets to merge!", F::DifferentFleets)},
        {form(K::Production, W::C2,
              {pick("Planet", "Planet:", C::OwnPlanets, 0), pick("Produce", "produce:", C::Production, 1)},
              "You have to select a planet and something to produce!", F::None, S::Production),
         FormEntry::NotBlind},
        {form(K::Production, W::C2c4e,
              {pick("Planet", "Planet:", C::OwnPlanets, 0), pick("Produce", "produce:", C::Production, 1),
               optionalText("Drive", "Drive tech (optional):", 2), optionalText("Weapons", "Weapon tech (optional):", 3),
               optionalText("Shields", "Shield tech (optional):", 4), optionalText("CargoTech", "Cargo tech (optional):", 5)},
              "You have to select a planet and something to produce!", F::None, S::Production),
         FormEntry::BlindOnly},
        // One choice.
        {form(K::Peace, W::C3, {pick("Race", "Race:", C::StatusRaces, 0)}, "You have to select a race!", F::NotOwnRace)},
        {form(K::War, W::C3, {pick("Race", "Race:", C::StatusRaces, 0)}, "You have to select a race!", F::NotOwnRace)},
        {form(K::Guard, W::C3, {pick("Race", "Race:", C::StatusRaces, 0)}, "You have to select a race!")},
        {form(K::EraseFleet, W::C3, {pick("Fleet", "Name of fleet:", C::Fleets, 0)}, "You have to select a fleet!")},
        {form(K::EraseType, W::C3, {pick("ShipType", "Name of ship type:", C::ShipTypes, 0)},
              "You have to select a ship type!")},
        {form(K::GiveAddress, W::C3, {pick("Player", "Name of player:", C::Races, 0)}, "You have to select a player!")},
        {form(K::Claim, W::C3, {pick("Planet", "Name of planet:", C::Planets, 0)}, "You have to select a planet!")},
        // A choice and a text.
        {form(K::RenamePlanet, W::C4,
              {pick("Planet", "Planet to rename:", C::OwnPlanets, 0), text("NewName", "New name:", 1)},
              "You have to select a planet and to enter a new name for it!", F::NewPlanetName)},
        {form(K::BreakShips, W::C4, {group(), text("Number", "Number of ships:", 1, N::Ships)},
              "You have to select a group and to enter a number of ships!")},
        {form(K::Scrap, W::C4, {group(), ships(shipsOptional, 1)}, "You have to select a group!")},
        {form(K::Upgrade, W::C4, {group(), ships(shipsOptional, 1)}, "You have to select a group!")},
        {form(K::Unload, W::C4, {group(), ships(shipsOptional, 1)}, "You have to select a group!")},
        {form(K::RenameFleet, W::C4, {pick("Fleet", "Fleet:", C::Fleets, 0), text("NewName", "New name:", 1)},
              "You have to select a fleet and to enter a new name for it!")},
        {form(K::RenameType, W::C4, {pick("ShipType", "Shiptype:", C::ShipTypes, 0), text("NewName", "New name:", 1)},
              "You have to select a shiptype and to enter a new name for it!")},
        // A message: recipients (none: all) and its text.
        {form(K::Message, W::C5,
              {optionalText("Recipients",
                            "Player(s), to send message to\n(left blank for message to all players):", -1),
               [] {
                   FormField f = optionalText("Text", "Message text:", -1);
                   f.input = FieldInput::Lines;
                   return f;
               }()},
              nullptr, F::None, S::Message)},
        // One text.
        {form(K::RaceName, W::C6, {text("RaceName", "New race name:", 0)}, "You have to enter a new race name!",
              F::NewRaceName)},
        {form(K::CreateFleet, W::C6, {text("FleetName", "Name of new fleet:", 0)}, "You have to enter a new fleet name!",
              F::NewFleetName)},
        {form(K::SetPassword, W::C6, {text("Password", "New password:", 0)}, "You have to enter a new password!")},
        {form(K::Address, W::C6, {text("Address", "New address:", 0)}, "You have to enter a new address!")},
        {form(K::XCenter, W::C6, {text("Value", "New value:", 0, N::Value)}, "The new value is no valid number!")},
        {form(K::YCenter, W::C6, {text("Value", "New value:", 0, N::Value)}, "The new value is no valid number!")},
        // A ship design: its name and the five values, checked as each is left.
        {form(K::Design, W::C7,
              {text("Name", "Name of shiptype:", 0), designValue("Drive", "Power of drive:", 1, N::DesignPart),
               designValue("Attacks", "Number of attacks:", 2, N::AttackCount),
               designValue("Weapons", "Power of each weapon:", 3, N::DesignPart),
               designValue("Shields", "Power of shields:", 4, N::DesignPart),
               designValue("Cargo", "Cargo:", 5, N::DesignPart)},
              fillOutForm)},
        {form(K::MapArea, W::C8, {text("X", "X-position:", 0), text("Y", "Y-position:", 1), text("Size", "Size:", 2)},
              fillOutForm)},
        // Three choices: a route, or a planet's status towards a race.
        {form(K::SetRoute, W::C10,
              {pick("From", "From planet:", C::OwnPlanets, 0), pick("CargoType", "Cargo type:", C::RouteCargo, 1),
               optionalPick("To", "To planet (left blank to delete route):", C::Planets, 2)},
              "You have to select a planet and a cargo type!", F::None, S::Route)},
        {form(K::Status, W::C10,
              {pick("Planet", "Planet:", C::OwnPlanets, 0),
               optionalPick("Status", "Status (optional, left blank to erase status):", C::Relations, 1),
               optionalPick("Race", "Race (optional, left blank to erase status):", C::Races, 2)},
              "You have to select a planet!", F::StatusAndRaceTogether, S::Status)},
        // Options: on or off (with the forecast's turn when a forecast line is edited).
        {form(K::Option, W::C1toggle,
              {onOff(1),
               [] {
                   FormField f;
                   f.name = "Option";
                   f.input = FieldInput::Given;
                   f.word = 0;
                   return f;
               }()},
              nullptr, F::None, S::Option)},
        {form(K::Forecast, W::C12,
              {onOff(1), checkedOnLeave(optionalText("Turn", "Turn number (optional):", 2, N::TurnNumber))}, nullptr,
              F::TurnOnlyWhenOn, S::Forecast)},
        // Load cargo and send the loaded ships.
        {form(K::LoadAndSend, W::C3c1e,
              {pick("Cargo", "Cargo:", C::CargoTypes, 1), group(), pick("Planet", "Planet:", C::Planets, 3),
               ships(shipsOptional, 2)},
              "You have to select a cargo type, a group and a planet!", F::None, S::LoadAndSend)},
    };
    return table;
}

// Kinds that are entered in the form of another: a group leaving its fleet as a whole, an erased
// status and a deleted route are the same forms with fields left empty.
OrderKind formKind(OrderKind kind)
{
    switch (kind) {
    case K::BreakCurrent: return K::BreakFleet;
    case K::EraseStatus: return K::Status;
    case K::DeleteRoute: return K::SetRoute;
    default: return kind;
    }
}

std::string number3(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%3d", truncToInt(value));
    return text;
}

void addOnce(std::vector<std::string>& list, std::string_view name)
{
    if (name.empty()) return;
    if (std::find(list.begin(), list.end(), name) == list.end()) list.emplace_back(name);
}

bool empty(const std::string& field) { return trimmed(field).empty(); }

Failure fieldFailure(std::string message, std::size_t field)
{
    return Failure(std::move(message), {}, static_cast<int>(field) + 1);
}

Status checkConflict(const OrderForm& form, const Game& game, const CommandChoices& choices, const OrderFields& f)
{
    const std::string_view lineBreakText = lineBreak;
    switch (form.conflict) {
    case FormConflict::None: break;
    case FormConflict::NotOwnRace:
        // In Blind Galaxy the own race stands in the list too.
        if (!choices.blind && orderValue(f[0]) == choices.ownRace)
            return Failure(form.kind == K::Peace ? "You can't declare peace on yourself!"
                                                 : "You can't declare war on yourself!");
        break;
    case FormConflict::DifferentFleets:
        if (orderValue(f[0]) == orderValue(f[1])) return Failure("You have to select two different fleets!");
        break;
    case FormConflict::NewPlanetName:
        if (findPlanet(game.turn, orderValue(f[1]))) return Failure("There exists a planet with this name already!");
        break;
    case FormConflict::NewRaceName:
        for (const playerrecord& p : game.turn.players)
            if (p.name == orderValue(f[0]))
                return Failure("There exists a player with that name already!" + std::string(lineBreakText) +
                               "Please enter a new race name!");
        break;
    case FormConflict::NewFleetName:
        if (std::find(choices.fleets.begin(), choices.fleets.end(), orderValue(f[0])) != choices.fleets.end())
            return Failure("You have a fleet with this name already!");
        break;
    case FormConflict::StatusAndRaceTogether:
        if (empty(f[1]) != empty(f[2]))
            return Failure("It's not allowed to left only one of the fields \"Status\" and \"Race\" blank!" +
                           std::string(lineBreakText) + "Left both of them blank to erase the status.");
        break;
    case FormConflict::TurnOnlyWhenOn:
        if (!empty(f[1]) && trimmed(f[0]) == "off")
            return Failure("A turn number is only allowed, if the option is switched on!");
        break;
    case FormConflict::AmountNeedsShips:
        if (empty(f[2]) && !empty(f[3])) return Failure(std::string(msgAmountNeedsShips));
        break;
    }
    return {};
}

Order makeOrder(OrderKind kind, std::vector<std::string> args)
{
    Order o;
    o.kind = kind;
    o.args = std::move(args);
    return o;
}

} // namespace

const OrderForm* orderForm(OrderKind kind, std::int32_t gametype)
{
    const OrderKind wanted = formKind(kind);
    const bool blind = gametype == gtBlind;
    for (const FormEntry& entry : forms()) {
        if (entry.form.kind != wanted) continue;
        if (entry.games == FormEntry::NotBlind && blind) continue;
        if (entry.games == FormEntry::BlindOnly && !blind) continue;
        return &entry.form;
    }
    return nullptr;
}

CommandWindowId commandWindowFor(OrderKind kind, std::int32_t gametype)
{
    if (kind == K::SetOptions) return W::ShowOptions;
    const OrderForm* form = orderForm(kind, gametype);
    return form ? form->window : W::None;
}

std::vector<const OrderForm*> allOrderForms(std::int32_t gametype)
{
    std::vector<const OrderForm*> all;
    for (const FormEntry& entry : forms())
        if (const OrderForm* form = orderForm(entry.form.kind, gametype); form == &entry.form) all.push_back(form);
    return all;
}

const OrderForm* firstFormOf(CommandWindowId window)
{
    for (const FormEntry& entry : forms())
        if (entry.form.window == window) return &entry.form;
    return nullptr;
}

std::string commandCaption(const CommandOpening& opening)
{
    if (const CommandEntry* entry = commandEntry(opening.list, opening.number)) return entry->text;
    std::string option = opening.option;
    if (opening.kind == K::Forecast) option = "FORECAST";
    if (opening.kind == K::XCenter) option = "XCENTER";
    if (opening.kind == K::YCenter) option = "YCENTER";
    if (!option.empty())
        return opening.list == CommandList::Names ? "Set option " + option : "O (Set option " + option + ")";
    // A command edited from a line whose kind has no entry of its own: the entry of its kind.
    if (const CommandEntry* entry = commandEntry(opening.list, commandNumber(opening.list, opening.kind)))
        return entry->text;
    return {};
}

std::string ownGroupEntry(const grouprecord& group, const Game& game)
{
    std::string planet(group.location.view());
    if (const planetrecord* p = findPlanet(game.turn, planet); p && !p->altname.empty())
        planet = std::string(p->altname.view());
    return number3(group.groupnumber) + " (" + number3(group.shipcount) + " " + std::string(group.name.view()) +
           " at " + planet + ")";
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
    c.blind = game.gametype == gtBlind;
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

std::vector<std::string> CommandChoices::list(ChoiceList which) const
{
    switch (which) {
    case ChoiceList::None: break;
    case ChoiceList::OwnGroups: return ownGroups;
    case ChoiceList::Planets: return planets;
    case ChoiceList::OwnPlanets: return ownPlanets;
    case ChoiceList::Fleets: return fleets;
    case ChoiceList::ShipTypes: return shipTypes;
    case ChoiceList::Races: return races;
    case ChoiceList::StatusRaces: {
        std::vector<std::string> all = races;
        if (blind && !ownRace.empty()) all.push_back(ownRace);
        return all;
    }
    case ChoiceList::CargoTypes: return {"CAP", "COL", "MAT"};
    case ChoiceList::RouteCargo: {
        std::vector<std::string> types = {"CAP", "MAT", "COL"};
        if (blind) types.emplace_back("All");
        return types;
    }
    case ChoiceList::Production: return production;
    case ChoiceList::Relations: return {"peace", "war"};
    }
    return {};
}

Status checkFieldNumber(NumberRule rule, std::string_view text)
{
    const std::string_view t = trimmed(text);
    switch (rule) {
    case NumberRule::None: break;
    case NumberRule::Ships:
        if (!t.empty() && !isWholeNumber(t)) return Failure("Number of ships is no number!");
        break;
    case NumberRule::Amount:
        if (!t.empty() && !isNumber(t)) return Failure("Ammount of cargo is no number!");
        break;
    case NumberRule::Value:
        if (!isNumber(t)) return Failure("The new value is no valid number!");
        break;
    case NumberRule::TurnNumber:
        if (!t.empty() && !isWholeNumber(t)) return Failure("Please enter a number!");
        break;
    case NumberRule::DesignPart:
    case NumberRule::AttackCount: {
        if (t.empty()) break;
        if (!isNumber(t)) return Failure("Please enter a number!");
        // A ship has whole attacks; every part has a mass of 0 (none) or at least 1.
        const double v = readNumber(t);
        if (rule == NumberRule::AttackCount && v != std::floor(v))
            return Failure("The attack number has to be a whole number");
        if (v != 0.0 && v < 1.0) return Failure("The number has to be 0 or at least 1!");
        break;
    }
    }
    return {};
}

Status checkOrderForm(const OrderForm& form, const Game& game, const CommandChoices& choices,
                      const OrderFields& fields)
{
    for (std::size_t i = 0; i < form.fields.size(); ++i)
        if (form.fields[i].required && empty(fields[i])) return fieldFailure(form.requiredMessage, i);
    for (std::size_t i = 0; i < form.fields.size(); ++i)
        if (Status number = checkFieldNumber(form.fields[i].number, fields[i]); !number)
            return fieldFailure(number.error().message, i);
    return checkConflict(form, game, choices, fields);
}

Result<std::vector<Order>> ordersFromForm(const OrderForm& form, const OrderFields& input)
{
    if (form.shape == FormShape::Message) return std::vector<Order>{};
    OrderFields f;
    for (std::size_t i = 0; i < f.size(); ++i) f[i] = orderValue(input[i]);
    // A form left empty gives no order (an on/off field is never empty).
    if (f[0].empty() && f[1].empty()) return std::vector<Order>{};

    // The words of the order, each from its field.
    std::vector<std::string> w;
    for (std::size_t i = 0; i < form.fields.size(); ++i) {
        const FormField& field = form.fields[i];
        if (field.word < 0) continue;
        if (w.size() <= static_cast<std::size_t>(field.word)) w.resize(static_cast<std::size_t>(field.word) + 1);
        // Group values may come from the own groups list with their description.
        w[static_cast<std::size_t>(field.word)] = field.group ? StripAnnotation(f[i]) : f[i];
    }
    w.resize(std::max<std::size_t>(w.size(), 4));
    auto one = [](Order o) { return std::vector<Order>{std::move(o)}; };
    auto onOrOff = [](const std::string& value) { return value == "off" ? std::string("off") : std::string("on"); };
    switch (form.shape) {
    case FormShape::Plain: {
        std::vector<std::string> args;
        for (const FormField& field : form.fields)
            if (field.word >= 0) args.resize(std::max(args.size(), static_cast<std::size_t>(field.word) + 1));
        std::copy_n(w.begin(), args.size(), args.begin());
        return one(makeOrder(form.kind, std::move(args)));
    }
    case FormShape::BreakOff:
        if (w[1].empty()) return one(makeOrder(K::BreakCurrent, {w[0]}));
        return one(makeOrder(K::BreakFleet, {w[0], w[1], w[2]}));
    case FormShape::Load:
        if (w[2].empty() && !w[3].empty()) return Failure(std::string(msgAmountNeedsShips));
        return one(makeOrder(K::Load, {w[0], w[1], w[2], w[3]}));
    case FormShape::Production: {
        w.resize(6);
        if (std::all_of(w.begin() + 2, w.end(), [](const std::string& s) { return s.empty(); }))
            return one(makeOrder(K::Production, {w[0], w[1]}));
        // Tech levels are written all four when any is given: none given is 0.
        for (std::size_t i = 2; i < 6; ++i)
            if (w[i].empty()) w[i] = "0";
        return one(makeOrder(K::Production, w));
    }
    case FormShape::Route:
        if (w[2].empty()) return one(makeOrder(K::DeleteRoute, {w[0], w[1]}));
        return one(makeOrder(K::SetRoute, {w[0], w[1], w[2]}));
    case FormShape::Status:
        if (w[1].empty() && w[2].empty()) return one(makeOrder(K::EraseStatus, {w[0]}));
        return one(makeOrder(K::Status, {w[0], w[1], w[2]}));
    case FormShape::Option: return one(makeOrder(K::Option, {w[0], onOrOff(w[1])}));
    case FormShape::Forecast:
        if (w[2].empty()) return one(makeOrder(K::Option, {"FORECAST", onOrOff(w[1])}));
        return one(makeOrder(K::Forecast, {"FORECAST", onOrOff(w[1]), w[2]}));
    case FormShape::LoadAndSend:
        // The load, then the send of the loaded ships: of the part that the load splits off
        // ("MAX") when only some ships load.
        return std::vector<Order>{makeOrder(K::Load, {w[0], w[1], w[2]}),
                                  makeOrder(K::SendGroup, {w[2].empty() ? w[0] : std::string("MAX"), w[3]})};
    case FormShape::Message: break;
    }
    return std::vector<Order>{};
}

OrderFields formFieldsOf(const OrderForm& form, const Order& order)
{
    OrderFields fields;
    for (std::size_t i = 0; i < form.fields.size() && i < fields.size(); ++i)
        if (form.fields[i].word >= 0) fields[i] = std::string(order.arg(static_cast<std::size_t>(form.fields[i].word)));
    return fields;
}

} // namespace orrery

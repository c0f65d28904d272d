// The order forms of Standard and Blind Galaxy: the messages of OK in the order the fields are checked,
// the orders the fields make and the fields an order gives back; the choice lists of a turn and a move.

#include "movegame.h"
#include "orderformat.h"
#include "orderforms.h"

#include <gtest/gtest.h>

namespace orrery {
namespace {

using Lines = std::vector<std::string>;
using K = OrderKind;

// What OK reports: "line n: message" for a field, the message alone for a conflict.
std::string reported(const Status& status) { return status ? std::string() : status.error().text(); }

// The raw lines of the orders that the fields make, or the failure's message.
Lines ordersOf(const OrderForm& form, const OrderFields& fields)
{
    const Result<std::vector<Order>> orders = ordersFromForm(form, fields);
    if (!orders) return {orders.error().message};
    Lines lines;
    for (const Order& order : *orders) lines.push_back(rawOrderLine(order));
    return lines;
}

enum Games { Both, NotBlind, BlindOnly };

// A field that OK reports: its number (from 1; 0 for a conflict between fields) and the message,
// the form's message for a required field when none is given.
struct Step {
    int field;
    const char* message = nullptr;
};

// A form's row: fields with all their faults at once, and what OK reports for them in turn, each
// fault repaired with the typical value once reported (a conflict: every field typical). The
// typical fields then pass, make the raw order lines, and come back from the order for editing.
struct FormRow {
    OrderKind kind;
    Games games;
    const char* required; // the message for an empty required field
    OrderFields faulty;
    std::vector<Step> reported;
    OrderFields typical;
    Lines orders;
    bool fieldsComeBack = true; // false: the order holds them otherwise (trimmed, cut, tech levels of 0)
};

const char* const ships = "Number of ships is no number!";
const char* const number = "Please enter a number!";
const char* const atLeastOne = "The number has to be 0 or at least 1!";

const FormRow formRows[] = {
    {K::SendGroup, Both, "You have to select a group and a planet!", {"", "", "3a"}, {{1}, {2}, {3, ships}},
     {"5", "Venus", " 2 "}, {"S 5 Venus 2"}, false},
    {K::InterceptGroup, Both, "You have to select a planet and a group!", {"", "", "two"}, {{1}, {2}, {3, ships}},
     {"Venus", "1", "2"}, {"I 1 Venus 2"}},
    {K::AddToFleet, Both, "You have to select a group and a fleet!", {"", "", "x"}, {{1}, {2}, {3, ships}},
     {"1", "Alpha", "3"}, {"J 1 Alpha 3"}},
    {K::Load, NotBlind, "You have to select a cargo type and a group!", {"", "", "1.5"}, {{1}, {2}, {3, ships}},
     {"CAP", "2", "4"}, {"L 2 CAP 4"}},
    // Blind Galaxy loads an amount of cargo, which needs a number of ships.
    {K::Load, BlindOnly, "You have to select a cargo type and a group!", {"", "", "x", "y"},
     {{1}, {2}, {3, ships}, {4, "Ammount of cargo is no number!"}}, {"CAP", "2", "4", "2.5"}, {"L 2 CAP 4 2.5"}},
    {K::Load, BlindOnly, nullptr, {"CAP", "2", "", "y"},
     {{4, "Ammount of cargo is no number!"},
      {0, "If you specify \"Ammount of cargo\", you have to specify \"Number of ships\" also!"}},
     {"CAP", "2", "4", "2.5"}, {"L 2 CAP 4 2.5"}},
    // A group leaves its fleet as a whole, or in Blind Galaxy some of its ships leave a fleet.
    {K::BreakFleet, NotBlind, "You have to select a group!", {""}, {{1}}, {"6"}, {"B 6 FLEET"}},
    {K::BreakFleet, BlindOnly, "In blind galaxy, you have to select a group and a fleet!", {"", "", "x"},
     {{1}, {2}, {3, ships}}, {"6", "Alpha", "1"}, {"B 6 Alpha 1"}},
    {K::SendFleet, Both, "You have to select a fleet and a planet!", {"", ""}, {{1}, {2}}, {"Alpha", "Venus"},
     {"S Alpha Venus"}},
    {K::InterceptFleet, Both, "You have to select a planet and a fleet!", {"", ""}, {{1}, {2}}, {"Venus", "Alpha"},
     {"I Alpha Venus"}},
    {K::MergeFleets, Both, "You have to select the two fleets to merge!", {"", " Alpha"},
     {{1}, {0, "You have to select two different fleets!"}}, {"Alpha", "Beta"}, {"J Alpha Beta"}},
    {K::Production, NotBlind, "You have to select a planet and something to produce!", {"", ""}, {{1}, {2}},
     {"Mars", "Cruiser"}, {"P Mars Cruiser"}},
    {K::Production, BlindOnly, "You have to select a planet and something to produce!", {"", "", "1", "2", "3", "4"},
     {{1}, {2}}, {"Mars", "Cruiser", "1", "2", "3", "4"}, {"P Mars Cruiser 1 2 3 4"}},
    // Peace or war on oneself, except in Blind Galaxy, where the own race ends the list.
    {K::Peace, Both, "You have to select a race!", {""}, {{1}}, {"Zorgons"}, {"A Zorgons"}},
    {K::Peace, NotBlind, nullptr, {"Orion"}, {{0, "You can't declare peace on yourself!"}}, {"Zorgons"},
     {"A Zorgons"}},
    {K::Peace, BlindOnly, nullptr, {"Orion"}, {}, {"Orion"}, {"A Orion"}},
    {K::War, NotBlind, nullptr, {"Orion"}, {{0, "You can't declare war on yourself!"}}, {"Klingons"}, {"W Klingons"}},
    {K::War, BlindOnly, nullptr, {"Orion"}, {}, {"Orion"}, {"W Orion"}},
    {K::Guard, Both, "You have to select a race!", {""}, {{1}}, {"Zorgons"}, {"H Zorgons"}},
    {K::EraseFleet, Both, "You have to select a fleet!", {""}, {{1}}, {"Alpha"}, {"E Alpha"}},
    {K::EraseType, Both, "You have to select a ship type!", {""}, {{1}}, {"Cruiser"}, {"E Cruiser"}},
    {K::GiveAddress, Both, "You have to select a player!", {""}, {{1}}, {"Zorgons"}, {"F Zorgons"}},
    {K::Claim, Both, "You have to select a planet!", {""}, {{1}}, {"Venus"}, {"V Venus"}},
    // A planet's new name must be no planet's name, alternative names included.
    {K::RenamePlanet, Both, "You have to select a planet and to enter a new name for it!", {"", "Ares"},
     {{1}, {0, "There exists a planet with this name already!"}}, {"Mars", "Phobos"}, {"N Mars Phobos"}},
    {K::BreakShips, Both, "You have to select a group and to enter a number of ships!", {"", "3a"}, {{1}, {2, ships}},
     {"1", "3"}, {"B 1 3"}},
    {K::Scrap, Both, "You have to select a group!", {"", "all"}, {{1}, {2, ships}}, {"1", "2"}, {"X 1 2"}},
    {K::Upgrade, Both, "You have to select a group!", {"", "1.5"}, {{1}, {2, ships}}, {"MAX", ""}, {"G MAX"}},
    {K::Unload, Both, "You have to select a group!", {"", "2"}, {{1}}, {"1", "2"}, {"U 1 2"}},
    {K::RenameFleet, Both, "You have to select a fleet and to enter a new name for it!", {"", ""}, {{1}, {2}},
     {"Alpha", "Omega"}, {"T Alpha Omega"}},
    {K::RenameType, Both, "You have to select a shiptype and to enter a new name for it!", {"", ""}, {{1}, {2}},
     {"Cruiser", "Frigate"}, {"T Cruiser Frigate"}},
    // A message is a block that the editor writes, no order line.
    {K::Message, Both, nullptr, {"", "Hello"}, {}, {"", "Hello"}, {}},
    {K::RaceName, Both, "You have to enter a new race name!", {" "}, {{1}}, {"Vulcans"}, {"C Vulcans"}},
    {K::RaceName, Both, nullptr, {"Zorgons"},
     {{0, "There exists a player with that name already!\r\nPlease enter a new race name!"}}, {"Vulcans"},
     {"C Vulcans"}},
    // A new fleet's name must be no fleet's of the turn nor one the move creates (Delta).
    {K::CreateFleet, Both, "You have to enter a new fleet name!", {""}, {{1}}, {"Omega"}, {"D FLEET Omega"}},
    {K::CreateFleet, Both, nullptr, {"Beta"}, {{0, "You have a fleet with this name already!"}}, {"Omega"},
     {"D FLEET Omega"}},
    {K::CreateFleet, Both, nullptr, {"Delta"}, {{0, "You have a fleet with this name already!"}}, {"Omega"},
     {"D FLEET Omega"}},
    {K::SetPassword, Both, "You have to enter a new password!", {""}, {{1}}, {"secret"}, {"Y secret"}},
    {K::Address, Both, "You have to enter a new address!", {""}, {{1}}, {"o@x.org"}, {"Z o@x.org"}},
    {K::XCenter, Both, "The new value is no valid number!", {"12,5"}, {{1}}, {" -12.5 "}, {"O XCENTER -12.5"}, false},
    {K::YCenter, Both, "The new value is no valid number!", {""}, {{1}}, {"7"}, {"O YCENTER 7"}},
    // A design: every field filled first, then each value a number, whole attacks, parts 0 or >= 1.
    {K::Design, Both, "You have to fill out the form completely!", {"", "x", "1.5", "0.5", "", "a"},
     {{1}, {5}, {2, number}, {3, "The attack number has to be a whole number"}, {4, atLeastOne}, {6, number}},
     {"Scout", "1", "0", "0", "0", "0"}, {"D Scout 1 0 0 0 0"}},
    {K::Design, Both, nullptr, {"Scout", "2,5", "3.0", "-2", "0.99", "12.75"},
     {{2, number}, {4, atLeastOne}, {5, atLeastOne}}, {"Scout", "1", "3.0", "1", "0", "12.75"},
     {"D Scout 1 3.0 1 0 12.75"}},
    {K::MapArea, Both, "You have to fill out the form completely!", {"", "", "30"}, {{1}, {2}}, {"10", "20", "30"},
     {"M 10 20 30"}},
    {K::SetRoute, Both, "You have to select a planet and a cargo type!", {"", "", "Earth"}, {{1}, {2}},
     {"Mars", "CAP", "Earth"}, {"R Mars CAP Earth"}},
    {K::Status, Both, "You have to select a planet!", {"", "war", ""},
     {{1}, {0, "It's not allowed to left only one of the fields \"Status\" and \"Race\" blank!\r\n"
               "Left both of them blank to erase the status."}},
     {"Mars", "war", "Zorgons"}, {"K Mars war Zorgons"}},
    {K::Option, Both, nullptr, {"off", "TWOCOL"}, {}, {"off", "TWOCOL"}, {"O NO TWOCOL"}},
    {K::Forecast, Both, nullptr, {"off", "5x"},
     {{2, number}, {0, "A turn number is only allowed, if the option is switched on!"}}, {"on", "5"},
     {"O FORECAST 5"}},
    // Fields as chosen from lists or typed: a group entry with its description, blanks.
    {K::SendGroup, Both, nullptr, {"  5 ( 12 Cruiser at Mars)", " Venus "}, {},
     {"  5 ( 12 Cruiser at Mars)", " Venus "}, {"S 5 Venus"}, false},
    {K::RenamePlanet, Both, nullptr, {"Mars", " New  Mars "}, {}, {"Mars", " New  Mars "}, {"N Mars New__Mars"}, false},
    // Tech levels are written all four (0 for none given) or not at all.
    {K::Production, BlindOnly, nullptr, {"Mars", "Cruiser", "1.5"}, {}, {"Mars", "Cruiser", "1.5"},
     {"P Mars Cruiser 1.5 0 0 0"}, false},
    {K::Production, BlindOnly, nullptr, {"Mars", "CAP"}, {}, {"Mars", "CAP"}, {"P Mars CAP"}},
    // Fields left empty: the status erased, the forecast option without a turn.
    {K::Status, Both, nullptr, {"Mars", "", ""}, {}, {"Mars", "", ""}, {"K Mars"}},
    {K::Forecast, Both, nullptr, {"off", ""}, {}, {"off", ""}, {"O NO FORECAST"}, false},
    {K::Forecast, Both, nullptr, {"on", "1.5"}, {{2, number}}, {"on", "12"}, {"O FORECAST 12"}},
    {K::LoadAndSend, Both, "You have to select a cargo type, a group and a planet!", {"", "", "", "3a"},
     {{1}, {2}, {3}, {4, ships}}, {"COL", "2", "Venus", "4"}, {"L 2 COL 4", "S MAX Venus"}},
};

TEST(OrderForms, EveryFormChecksBuildsAndGivesItsFieldsBack)
{
    Game game = test::moveGame();
    const Lines move = {"#GALAXY Lyra Orion", "D FLEET Delta", "#END"};
    std::vector<int> used(std::size(formRows));
    for (const std::int32_t gametype : {gtStandard, gtGalaxyNG, gtBlind}) {
        game.gametype = gametype;
        const CommandChoices choices = CommandChoices::of(game, move, MoveForm::Raw);
        for (const OrderForm* form : allOrderForms(gametype)) {
            int rows = 0;
            for (std::size_t r = 0; r < std::size(formRows); ++r) {
                const FormRow& row = formRows[r];
                if (row.kind != form->kind || row.games == (gametype == gtBlind ? NotBlind : BlindOnly)) continue;
                ++rows, ++used[r];
                SCOPED_TRACE(testing::Message() << "row " << r << " game type " << gametype);
                OrderFields fields = row.faulty;
                for (const Step& step : row.reported) {
                    const Failure expected(step.message ? step.message : row.required, "", step.field);
                    EXPECT_EQ(reported(checkOrderForm(*form, game, choices, fields)), expected.text());
                    if (step.field > 0) fields[static_cast<std::size_t>(step.field - 1)] = row.typical[step.field - 1];
                    else fields = row.typical;
                }
                ASSERT_EQ(fields, row.typical) << "a fault of the row is never reported";
                EXPECT_EQ(reported(checkOrderForm(*form, game, choices, fields)), "");
                EXPECT_EQ(ordersOf(*form, fields), row.orders);
                // Editing the order opens the form of its kind with the fields, which make it again.
                const std::vector<Order> orders = ordersFromForm(*form, fields).valueOr({});
                if (orders.size() != 1) continue;
                const OrderForm& edited = *orderForm(orders[0].kind, gametype);
                const OrderFields back = formFieldsOf(edited, orders[0]);
                EXPECT_EQ(ordersOf(edited, back), row.orders);
                if (row.fieldsComeBack) {
                    EXPECT_EQ(back, fields);
                }
            }
            EXPECT_GT(rows, 0) << "no row for the form of kind " << static_cast<int>(form->kind);
        }
    }
    for (std::size_t r = 0; r < used.size(); ++r) EXPECT_GT(used[r], 0) << "row " << r << " is no form's";
    // Fields the window refuses: the first two empty make no order; in Blind Galaxy a group without a
    // fleet (an edited "B 6 FLEET") leaves its fleet.
    EXPECT_EQ(ordersOf(*orderForm(K::SendGroup, gtGalaxyNG), {" ", "", "3"}), Lines());
    EXPECT_EQ(ordersOf(*orderForm(K::BreakFleet, gtBlind), {"6", ""}), Lines{"B 6 FLEET"});
}

TEST(CommandChoices, ComeFromTheTurnAndTheMove)
{
    Game game = test::moveGame();
    // A battle entry is no group to give orders to.
    grouprecord entry = test::moveGroup(unknownvalue, "Cruiser", 2, "Zorg");
    entry.inbattle = 1;
    game.turn.racegroups[0].groups.push_back(entry);
    // The move creates a fleet and designs a type; a message line that looks like an order does not.
    const Lines move = {"#GALAXY Lyra Orion", "D FLEET Delta", "D Scout 1 0 0 0 0", "@", "D FLEET Fake", "@", "#END"};
    const CommandChoices c = CommandChoices::of(game, move, MoveForm::Raw);
    // Numbers right-aligned in three places, the planet by its alternative name, then "MAX".
    EXPECT_EQ(c.ownGroups, (Lines{"  1 (  5 Cruiser at Ares)", "  2 ( 10 Hauler at Ares)", "  3 (  4 Cruiser at Venus)",
                                  "  4 (  2 Hauler at Zorg)", "  5 (  3 Probe at Ares)", "  6 (  1 Cruiser at Ares)",
                                  "  7 (  1 Hauler at Ares)", "  8 (  2 Cruiser at Venus)", "  9 (  2 Hauler at Ares)",
                                  " 10 (  1 Probe at Ares)", "MAX"}));
    EXPECT_EQ(c.planets, (Lines{"Mars", "Ares", "Venus", "Earth", "Zorg", "Pluto"}));
    EXPECT_EQ(c.ownPlanets, (Lines{"Mars", "Earth"}));
    EXPECT_EQ(c.fleets, (Lines{"Alpha", "Beta", "Gamma", "Delta"}));
    EXPECT_EQ(c.shipTypes, (Lines{"Cruiser", "Hauler", "Probe", "Scout"}));
    EXPECT_EQ(c.races, (Lines{"Zorgons", "Klingons"}));
    EXPECT_EQ(c.list(ChoiceList::Production),
              (Lines{"CAP", "MAT", "DRIVE", "WEAPONS", "SHIELDS", "CARGO", "Cruiser", "Hauler", "Probe", "Scout"}));
    EXPECT_EQ(c.list(ChoiceList::StatusRaces), c.races);
    EXPECT_EQ(c.list(ChoiceList::RouteCargo), (Lines{"CAP", "MAT", "COL"}));

    // The same move shown as sentences gives the same lists.
    const CommandChoices n = CommandChoices::of(game, {"#Galaxy game: Lyra, racename: Orion", "Create fleet Delta",
        "Design the new shiptype Scout drive: 1 attacks: 0 weapons: 0 shields: 0 cargo: 0", "#End"}, MoveForm::Natural);
    EXPECT_EQ(n.fleets, c.fleets);
    EXPECT_EQ(n.shipTypes, c.shipTypes);

    // Blind Galaxy: peace and war may name the own race, a route may carry all cargo.
    game.gametype = gtBlind;
    const CommandChoices blind = CommandChoices::of(game, move, MoveForm::Raw);
    EXPECT_EQ(blind.list(ChoiceList::StatusRaces), (Lines{"Zorgons", "Klingons", "Orion"}));
    EXPECT_EQ(blind.list(ChoiceList::Races), c.races);
    EXPECT_EQ(blind.list(ChoiceList::RouteCargo), (Lines{"CAP", "MAT", "COL", "All"}));
}

} // namespace
} // namespace orrery

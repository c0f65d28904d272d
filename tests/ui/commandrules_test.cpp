// What the command windows decide without being shown: the window of every kind of order per game
// type, the choice lists from the turn and the move, and the checks of OK with every message in
// the order the window tests its fields.

#include "../orders/movegame.h"
#include "commandrules.h"
#include "gamedata.h"

#include <gtest/gtest.h>

using namespace orrery;

namespace {

using K = OrderKind;
using Lines = std::vector<std::string>;

OrderFields f(std::initializer_list<std::string> values)
{
    OrderFields out;
    std::size_t i = 0;
    for (const std::string& v : values) out[i++] = v;
    return out;
}

struct CheckRow {
    OrderKind kind;
    bool blind;
    OrderFields fields;
    const char* message; // "" when the fields pass
};

} // namespace

TEST(CommandRules, KindsOpenTheirWindowPerGameType)
{
    struct Row {
        OrderKind kind;
        CommandWindowId standard;
        CommandWindowId blind;
    };
    using W = CommandWindowId;
    const Row rows[] = {
        {K::SendGroup, W::C1, W::C1},          {K::BreakFleet, W::C3, W::C1},
        {K::BreakCurrent, W::C3, W::C1},       {K::Load, W::C1, W::C11},
        {K::Production, W::C2, W::C2c4e},      {K::MergeFleets, W::C2, W::C2},
        {K::Claim, W::C3, W::C3},              {K::BreakShips, W::C4, W::C4},
        {K::RenameType, W::C4, W::C4},         {K::Message, W::C5, W::C5},
        {K::XCenter, W::C6, W::C6},            {K::Design, W::C7, W::C7},
        {K::MapArea, W::C8, W::C8},            {K::EraseStatus, W::C10, W::C10},
        {K::DeleteRoute, W::C10, W::C10},      {K::Forecast, W::C12, W::C12},
        {K::Option, W::C1toggle, W::C1toggle}, {K::LoadAndSend, W::C3c1e, W::C3c1e},
        {K::SetOptions, W::ShowOptions, W::ShowOptions}, {K::Quit, W::None, W::None},
        {K::DeletePassword, W::None, W::None}, {K::ToggleReports, W::None, W::None},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.kind));
        EXPECT_EQ(commandWindowFor(r.kind, gtGalaxyNG), r.standard);
        EXPECT_EQ(commandWindowFor(r.kind, gtBlind), r.blind);
    }
}

TEST(CommandRules, ChoiceListsComeFromTheTurnAndTheMove)
{
    Game game = test::moveGame();
    // A battle entry is no group to give orders to.
    grouprecord entry = test::moveGroup(unknownvalue, "Cruiser", 2, "Zorg");
    entry.inbattle = 1;
    game.turn.racegroups[0].groups.push_back(entry);
    // Orders of the move that create a fleet and design a type; a message line that looks like one
    // creates nothing.
    const Lines move = {"#GALAXY Lyra Orion", "D FLEET Delta", "D Scout 1 0 0 0 0", "@", "D FLEET Fake", "@", "#END"};
    const CommandChoices c = CommandChoices::of(game, move, MoveForm::Raw);

    ASSERT_EQ(c.ownGroups.size(), 11u);
    // The planet by its alternative name; numbers right-aligned in three places.
    EXPECT_EQ(c.ownGroups[0], "  1 (  5 Cruiser at Ares)");
    EXPECT_EQ(c.ownGroups[3], "  4 (  2 Hauler at Zorg)");
    EXPECT_EQ(c.ownGroups.back(), "MAX");
    EXPECT_EQ(c.planets, (Lines{"Mars", "Ares", "Venus", "Earth", "Zorg", "Pluto"}));
    EXPECT_EQ(c.ownPlanets, (Lines{"Mars", "Earth"}));
    EXPECT_EQ(c.fleets, (Lines{"Alpha", "Beta", "Gamma", "Delta"}));
    EXPECT_EQ(c.shipTypes, (Lines{"Cruiser", "Hauler", "Probe", "Scout"}));
    EXPECT_EQ(c.races, (Lines{"Zorgons", "Klingons"}));
    EXPECT_EQ(c.production,
              (Lines{"CAP", "MAT", "DRIVE", "WEAPONS", "SHIELDS", "CARGO", "Cruiser", "Hauler", "Probe", "Scout"}));

    // The same move shown as sentences gives the same lists.
    const Lines natural = {"#Galaxy game: Lyra, racename: Orion", "Create fleet Delta",
                           "Design the new shiptype Scout drive: 1 attacks: 0 weapons: 0 shields: 0 cargo: 0", "#End"};
    const CommandChoices n = CommandChoices::of(game, natural, MoveForm::Natural);
    EXPECT_EQ(n.fleets, c.fleets);
    EXPECT_EQ(n.shipTypes, c.shipTypes);

    EXPECT_EQ(routeCargoTypes(false), (Lines{"CAP", "MAT", "COL"}));
    EXPECT_EQ(routeCargoTypes(true), (Lines{"CAP", "MAT", "COL", "All"}));
}

TEST(CommandRules, ChecksGiveTheirMessagesInFieldOrder)
{
    Game game = test::moveGame();
    const CommandChoices choices = CommandChoices::of(game, {"#GALAXY a Orion", "D FLEET Delta", "#END"}, MoveForm::Raw);
    const char* ships = "Number of ships is no number!";
    const CheckRow rows[] = {
        // Group orders: both choices, then the number of ships.
        {K::SendGroup, false, f({"", "Mars"}), "You have to select a group and a planet!"},
        {K::SendGroup, false, f({"  5 ( 12 Cruiser at Mars)", " "}), "You have to select a group and a planet!"},
        {K::SendGroup, false, f({"", "", "3a"}), "You have to select a group and a planet!"},
        {K::SendGroup, false, f({"1", "Mars", "3a"}), ships},
        {K::SendGroup, false, f({"MAX", "Mars", " 3 "}), ""},
        {K::BreakFleet, true, f({"1", ""}), "In blind galaxy, you have to select a group and a fleet!"},
        {K::BreakFleet, true, f({"1", "Alpha", "x"}), ships},
        {K::BreakFleet, false, f({""}), "You have to select a group!"},
        {K::BreakCurrent, false, f({"6"}), ""},
        {K::Load, false, f({"", "1"}), "You have to select a cargo type and a group!"},
        {K::Load, false, f({"CAP", "1", "1.5"}), ships},
        {K::InterceptGroup, false, f({"Mars", ""}), "You have to select a planet and a group!"},
        {K::InterceptGroup, false, f({"Mars", "1", "two"}), ships},
        {K::AddToFleet, false, f({"", "Alpha"}), "You have to select a group and a fleet!"},
        {K::AddToFleet, false, f({"1", "Alpha", "2"}), ""},
        // Fleets and production.
        {K::SendFleet, false, f({"Alpha", ""}), "You have to select a fleet and a planet!"},
        {K::InterceptFleet, false, f({"", "Alpha"}), "You have to select a planet and a fleet!"},
        {K::MergeFleets, false, f({"Alpha", ""}), "You have to select the two fleets to merge!"},
        {K::MergeFleets, false, f({"Alpha", " Alpha"}), "You have to select two different fleets!"},
        {K::MergeFleets, false, f({"Alpha", "Beta"}), ""},
        {K::Production, false, f({"Mars", ""}), "You have to select a planet and something to produce!"},
        {K::Production, true, f({"", "CAP"}), "You have to select a planet and something to produce!"},
        // One choice.
        {K::Peace, false, f({""}), "You have to select a race!"},
        {K::Peace, false, f({"Orion"}), "You can't declare peace on yourself!"},
        {K::War, false, f({"Orion"}), "You can't declare war on yourself!"},
        {K::War, true, f({"Orion"}), ""},
        {K::Guard, true, f({""}), "You have to select a race!"},
        {K::EraseFleet, false, f({""}), "You have to select a fleet!"},
        {K::EraseType, false, f({""}), "You have to select a ship type!"},
        {K::GiveAddress, false, f({""}), "You have to select a player!"},
        {K::Claim, false, f({""}), "You have to select a planet!"},
        // A choice and a text.
        {K::RenamePlanet, false, f({"Mars", ""}), "You have to select a planet and to enter a new name for it!"},
        {K::RenamePlanet, false, f({"Mars", "Venus"}), "There exists a planet with this name already!"},
        {K::RenamePlanet, false, f({"Mars", "Ares"}), "There exists a planet with this name already!"},
        {K::RenamePlanet, false, f({"Mars", "New Mars"}), ""},
        {K::BreakShips, false, f({"1", ""}), "You have to select a group and to enter a number of ships!"},
        {K::BreakShips, false, f({"1", "3a"}), ships},
        {K::Scrap, false, f({"", "2"}), "You have to select a group!"},
        {K::Upgrade, false, f({"1", "all"}), ships},
        {K::Unload, false, f({"1", ""}), ""},
        {K::RenameFleet, false, f({"Alpha", ""}), "You have to select a fleet and to enter a new name for it!"},
        {K::RenameType, false, f({"", "Big"}), "You have to select a shiptype and to enter a new name for it!"},
        // One text.
        {K::RaceName, false, f({" "}), "You have to enter a new race name!"},
        {K::RaceName, false, f({"Zorgons"}),
         "There exists a player with that name already!\r\nPlease enter a new race name!"},
        {K::CreateFleet, false, f({""}), "You have to enter a new fleet name!"},
        {K::CreateFleet, false, f({"Beta"}), "You have a fleet with this name already!"},
        {K::CreateFleet, false, f({"Delta"}), "You have a fleet with this name already!"},
        {K::SetPassword, false, f({""}), "You have to enter a new password!"},
        {K::Address, false, f({""}), "You have to enter a new address!"},
        {K::XCenter, false, f({"12,5"}), "The new value is no valid number!"},
        {K::YCenter, false, f({""}), "The new value is no valid number!"},
        {K::XCenter, false, f({"-12.5"}), ""},
        // Forms to fill out completely; the design's numbers after that.
        {K::Design, false, f({"Scout", "1", "0", "0", "0", ""}), "You have to fill out the form completely!"},
        {K::Design, false, f({"Scout", "x", "0", "0", "0", "0"}), "Please enter a number!"},
        {K::Design, false, f({"Scout", "1", "1.5", "0", "0", "0"}), "The attack number has to be a whole number"},
        {K::Design, false, f({"Scout", "1", "1", "0.5", "0", "0"}), "The number has to be 0 or at least 1!"},
        {K::Design, false, f({"Scout", "1", "1", "1.5", "0", "0"}), ""},
        {K::MapArea, false, f({"1", "", "3"}), "You have to fill out the form completely!"},
        // Routes and status.
        {K::SetRoute, false, f({"Mars", ""}), "You have to select a planet and a cargo type!"},
        {K::Status, true, f({"", "war", "Zorgons"}), "You have to select a planet!"},
        {K::Status, true, f({"Mars", "war", ""}),
         "It's not allowed to left only one of the fields \"Status\" and \"Race\" blank!\r\n"
         "Left both of them blank to erase the status."},
        {K::Status, true, f({"Mars", "", ""}), ""},
        // Loads in Blind Galaxy: ships, amount, then the amount without ships.
        {K::Load, true, f({"CAP", ""}), "You have to select a cargo type and a group!"},
        {K::Load, true, f({"CAP", "1", "x", "y"}), ships},
        {K::Load, true, f({"CAP", "1", "2", "y"}), "Ammount of cargo is no number!"},
        {K::Load, true, f({"CAP", "1", "", "2.5"}),
         "If you specify \"Ammount of cargo\", you have to specify \"Number of ships\" also!"},
        {K::Load, true, f({"CAP", "1", "2", "2.5"}), ""},
        // The forecast: the turn must be a number, and only with the option on.
        {K::Forecast, true, f({"on", "5x"}), "Please enter a number!"},
        {K::Forecast, true, f({"off", "5"}), "A turn number is only allowed, if the option is switched on!"},
        {K::Forecast, true, f({"off", ""}), ""},
        {K::LoadAndSend, false, f({"COL", "1", ""}), "You have to select a cargo type, a group and a planet!"},
        {K::LoadAndSend, false, f({"COL", "1", "Venus", "3a"}), ships},
        // Windows without checks.
        {K::Message, false, f({"", ""}), ""},
        {K::Option, false, f({"off", "TWOCOL"}), ""},
    };
    for (const CheckRow& row : rows) {
        game.gametype = row.blind ? gtBlind : gtGalaxyNG;
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(row.kind) << " blind " << row.blind << " fields '"
                                        << row.fields[0] << "' '" << row.fields[1] << "' '" << row.fields[2] << "'");
        EXPECT_EQ(checkCommandFields(row.kind, game, choices, row.fields), row.message);
    }
}

TEST(CommandRules, FieldChecksWhileLeaving)
{
    // value 1 drive, 2 attacks, 3 weapons, 4 shields, 5 cargo
    const std::tuple<int, const char*, const char*> rows[] = {
        {1, "", ""},
        {1, "0", ""},
        {1, "1", ""},
        {1, "0.99", "The number has to be 0 or at least 1!"},
        {1, "-2", "The number has to be 0 or at least 1!"},
        {1, "2,5", "Please enter a number!"},
        {2, "3", ""},
        {2, "3.0", ""},
        {2, "3.5", "The attack number has to be a whole number"},
        {4, "12.75", ""},
        {5, "a", "Please enter a number!"},
    };
    for (const auto& [value, text, message] : rows) {
        SCOPED_TRACE(testing::Message() << value << " '" << text << "'");
        EXPECT_EQ(checkDesignNumber(value, text), message);
    }
    EXPECT_EQ(checkTurnNumber(""), "");
    EXPECT_EQ(checkTurnNumber("12"), "");
    EXPECT_EQ(checkTurnNumber("1.5"), "Please enter a number!");
}

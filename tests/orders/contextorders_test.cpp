// Orders from elsewhere: the context menu entries per kind of object and game type, the orders
// their direct entries add, and the group area tools (scanning an area, sending every group from a
// planet), on the test turn and on a real game checked by the move checker.

#include "areatools.h"
#include "contextmenu.h"
#include "movechecker.h"
#include "moveeditor.h"
#include "movegame.h"
#include "orderwords.h"
#include "testfiles.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orrery {
namespace {

using Lines = std::vector<std::string>;
using test::said;

Lines captions(const std::vector<ContextEntry>& entries)
{
    Lines out;
    for (const ContextEntry& e : entries) out.emplace_back(e.caption);
    return out;
}
bool has(const Lines& lines, const std::string& text) { return std::find(lines.begin(), lines.end(), text) != lines.end(); }

// The order lines of an editor in raw form, without ETA comments.
Lines rawOrders(MoveEditor& editor)
{
    EXPECT_EQ(said(editor.setMoveForm(MoveForm::Raw)), "");
    Lines out(editor.lines().begin() + 1, editor.lines().end() - 1);
    for (std::string& line : out) line = std::string(trimmed(cutComment(line)));
    return out;
}

TEST(ContextMenu, EntriesFollowGameTypeAndOwnership)
{
    const Game game = test::moveGame();
    const auto planet = ContextObject::Planet;
    EXPECT_EQ(contextEntries(planet, gtBlind).size(), 18u);
    EXPECT_EQ(contextEntries(planet, gtGalaxyNG).size(), 16u);
    EXPECT_FALSE(has(captions(contextEntries(planet, gtGalaxyNG)), "Change status of planet to war"));

    // Mars is shown by its other name; Zorg is the Zorgons'.
    EXPECT_TRUE(ownsObject(game, planet, "Ares"));
    EXPECT_FALSE(ownsObject(game, planet, "Zorg"));
    const Lines foreign = captions(shownContextEntries(planet, gtGalaxyNG, ownsObject(game, planet, "Zorg")));
    EXPECT_TRUE(has(foreign, "Rename planet"));
    EXPECT_TRUE(has(foreign, "Send fleet to this planet"));
    EXPECT_FALSE(has(foreign, "Send group to this planet"));
    EXPECT_FALSE(has(foreign, "Set production for planet to capital"));

    // Another race: only what concerns that race; the own race gets the rest too.
    const auto race = ContextObject::Race;
    EXPECT_EQ(captions(shownContextEntries(race, gtGalaxyNG, ownsObject(game, race, "Zorgons"))),
              (Lines{"Declare peace on this race", "Declare war on this race",
                     "Give adress of the player of this race", "Send message to this player"}));
    EXPECT_EQ(captions(shownContextEntries(race, gtBlind, false)),
              (Lines{"Declare peace on this race", "Declare war on this race", "Set race to guard status"}));
    EXPECT_EQ(shownContextEntries(race, gtGalaxyNG, ownsObject(game, race, "Orion")).size(), 17u);
    EXPECT_EQ(shownContextEntries(race, gtBlind, true).size(), 11u);

    // A group menu is empty without a group under the cursor.
    EXPECT_TRUE(shownContextEntries(ContextObject::Group, gtGalaxyNG, ownsObject(game, ContextObject::Group, "")).empty());
}

// Every entry opens a command whose field at the object's place offers objects of that kind.
TEST(ContextMenu, ObjectsLandInFieldsOfTheirKind)
{
    const auto offers = [](ContextObject kind, ChoiceList list) {
        switch (kind) {
        case ContextObject::Planet: return list == ChoiceList::Planets || list == ChoiceList::OwnPlanets;
        // The message's recipients are typed (or picked from a list beside the field).
        case ContextObject::Race: return list == ChoiceList::Races || list == ChoiceList::StatusRaces || list == ChoiceList::None;
        case ContextObject::Fleet: return list == ChoiceList::Fleets;
        case ContextObject::ShipType: return list == ChoiceList::ShipTypes || list == ChoiceList::None;
        case ContextObject::Group: return list == ChoiceList::OwnGroups;
        }
        return false;
    };
    for (const std::int32_t type : {gtBlind, gtGalaxyNG}) {
        for (int k = 1; k <= 5; ++k) {
            const auto kind = static_cast<ContextObject>(k);
            for (const ContextEntry& e : contextEntries(kind, type)) {
                SCOPED_TRACE(e.caption);
                if (e.sendTool() || e.object == ContextSlot::None) continue;
                const CommandEntry* command = commandEntry(CommandList::Names, e.command);
                ASSERT_NE(command, nullptr);
                const OrderForm* form = orderForm(command->kind, type);
                ASSERT_NE(form, nullptr);
                const std::size_t field = static_cast<std::size_t>(e.object) - 1;
                ASSERT_LT(field, form->fields.size());
                EXPECT_TRUE(offers(kind, form->fields[field].choices));
                if (e.extra && field < 2) {
                    EXPECT_EQ(contextFields(e, "x")[1 - field], e.extra);
                }
            }
        }
    }
}

TEST(ContextMenu, DirectEntriesAddTheirOrderAtOnce)
{
    const Game game = test::moveGame();
    MoveEditor editor(game);
    const auto apply = [&](ContextObject kind, const char* caption, const char* object) {
        const std::optional<ContextEntry> entry = contextEntryByCaption(kind, game.gametype, caption);
        EXPECT_TRUE(entry) << caption;
        return entry ? said(applyDirectEntry(editor, game, *entry, object)) : std::string("no entry");
    };
    EXPECT_EQ(apply(ContextObject::Group, "Load cargo CAP onto this group", "7"), "");
    EXPECT_EQ(apply(ContextObject::Race, "Declare war on this race", "Zorgons"), "");
    EXPECT_EQ(apply(ContextObject::Planet, "Set production for planet to drive technology", "Earth"), "");
    EXPECT_EQ(apply(ContextObject::Group, "Upgrade all ships of this group", "  2 ( 10 Hauler at Ares)"), "");
    EXPECT_EQ(apply(ContextObject::ShipType, "Design this ship type", "Raider"), "");
    EXPECT_EQ(apply(ContextObject::ShipType, "Design this ship type", "Nothing"), "You have to fill out the form completely!");
    // The window's checks still hold: peace with oneself is refused and adds nothing.
    EXPECT_EQ(apply(ContextObject::Race, "Declare peace on this race", "Orion"), "You can't declare peace on yourself!");
    EXPECT_EQ(rawOrders(editor), (Lines{"L 7 CAP", "W Zorgons", "P Earth DRIVE", "G 2", "D Raider 8 1 2 2 0"}));
}

TEST(ContextMenu, FleetIsTheFirstFleetLineAboveTheCaret)
{
    const Lines text = {"", "\t\tFleet Patrol (speed 9.23)", "G  #    T", "12 8 Raider", "", "\t\tFleet Home (speed 2)",
                        "3 1 Scout"};
    EXPECT_EQ(fleetAboveLine(text, 3), "Patrol");
    EXPECT_EQ(fleetAboveLine(text, 6), "Home");
    EXPECT_EQ(fleetAboveLine(text, 99), "Home");
    EXPECT_EQ(fleetAboveLine(text, 0), "");
    EXPECT_EQ(fleetAboveLine({}, 0), "");
}

class AreaTools : public testing::Test {
protected:
    Game game = [] {
        Game g = test::moveGame();
        ownGroups(g)->groups.push_back(test::moveGroup(11, "Cruiser", 3, "Earth"));
        return g;
    }();
    MoveEditor editor{game};
};

TEST_F(AreaTools, ScanSpreadsOneShipPerPlanetAndWarnsWhenShipsRunOut)
{
    // All five planets (Pluto's unknown place (-1, -1) included) with the three cruisers of 11.
    const Result<std::string> five = scanArea(editor, game, AreaShape::Rectangle, {"-5", "-5", "40", "40.5"},
                                              " 11 (  3 Cruiser at Earth)");
    ASSERT_TRUE(five.ok()) << five.error().message;
    EXPECT_EQ(*five, "Area contains 5 planets, but group only contains 3 ships!");
    EXPECT_EQ(rawOrders(editor), (Lines{"S 11 Mars 1", "S 11 Venus 1", "S 11 Earth 1"}));

    // A circle of radius 0 at Earth holds Earth; a rectangle turned round holds nothing and says nothing.
    editor.newMove();
    EXPECT_EQ(*scanArea(editor, game, AreaShape::Circle, {"3", "4", "0", ""}, "11"), "");
    EXPECT_EQ(*scanArea(editor, game, AreaShape::Rectangle, {"50", "-5", "-5", "50"}, "11"), "");
    EXPECT_EQ(rawOrders(editor), (Lines{"S 11 Earth 1"}));

    // Failures build nothing.
    editor.newMove();
    EXPECT_EQ(scanArea(editor, game, AreaShape::Circle, {"3", "4", "", ""}, "11").error().message,
              "You have to specify the area first!");
    EXPECT_EQ(scanArea(editor, game, AreaShape::Circle, {"3", "4", "1", ""}, "MAX").error().message,
              "Group MAX does not exists!");
    EXPECT_EQ(scanArea(editor, game, AreaShape::Circle, {"3", "4-", "1", ""}, "11").error().message,
              "Please enter a number!");
    EXPECT_TRUE(rawOrders(editor).empty());
    EXPECT_TRUE(isAreaNumberInput("-") && isAreaNumberInput("12.") && isAreaNumberInput("-0.5"));
    EXPECT_FALSE(isAreaNumberInput("1.2.") || isAreaNumberInput("1e3") || isAreaNumberInput("--1"));
}

TEST_F(AreaTools, SendFromPlanetMovesOnlyGroupsThatCanLeave)
{
    // At Mars: probes 5 and 10 have no drive and stay.
    ASSERT_EQ(*sendFromPlanet(editor, game, SendMode::Send, "Ares", "Venus"), 5);
    EXPECT_EQ(rawOrders(editor), (Lines{"S 1 Venus", "S 2 Venus", "S 6 Venus", "S 7 Venus", "S 9 Venus"}));
    editor.newMove();
    ASSERT_EQ(*sendFromPlanet(editor, game, SendMode::Intercept, "Zorg", "Earth"), 1);
    EXPECT_EQ(rawOrders(editor), (Lines{"I 11 Zorg"}));

    // Venus has only groups in flight; a group of unknown type does not move either.
    ownGroups(game)->groups.push_back(test::moveGroup(12, "Cruiser", 1, "Pluto"));
    ownGroups(game)->groups.back().typeknown = false;
    for (const char* source : {"Venus", "Pluto"})
        EXPECT_EQ(sendFromPlanet(editor, game, SendMode::Send, source, "Mars").error().message,
                  std::string("You do not own a planet with name ") + source + "!");
    EXPECT_EQ(sendFromPlanet(editor, game, SendMode::Send, "Mars", " ").error().message, "Please specify both planets!");
    EXPECT_EQ(rawOrders(editor), (Lines{"I 11 Zorg"}));
}

// On a real turn the moves the tools build pass the move checker.
TEST(AreaToolsOnRealGame, MovesPassTheChecker)
{
    ORRERY_REQUIRE_CORPUS();
    test::TempDir dir;
    ASSERT_TRUE(test::copyCorpus("gng-game1/alpha", dir.path()));
    const Game game = test::loadTurn(dir.file("alpha15.txt"));
    MoveEditor editor(game);
    editor.setGameName("Lyra");
    editor.setRaceName("Alpha");
    editor.setPassword("pw");
    const Result<std::string> scanned = scanArea(editor, game, AreaShape::Circle, {"33.81", "35.70", "40", ""}, "4");
    ASSERT_TRUE(scanned.ok()) << scanned.error().message;
    ASSERT_TRUE(sendFromPlanet(editor, game, SendMode::Send, "Alcyone", "Altair").ok());
    const std::optional<ContextEntry> load =
        contextEntryByCaption(ContextObject::Group, game.gametype, "Load cargo CAP onto this group");
    ASSERT_TRUE(load);
    EXPECT_EQ(said(applyDirectEntry(editor, game, *load, "3")), "");
    const Lines raw = rawOrders(editor);
    EXPECT_GE(raw.size(), 5u);
    const Result<std::vector<std::string>> move = editor.rawLines();
    ASSERT_TRUE(move.ok());
    EXPECT_EQ(CheckMove(*move, game), "");
}

} // namespace
} // namespace orrery

// Mouse presses and moves on the map, and the lookups between planet names and labels.

#include "mapinteraction.h"
#include "maptestgame.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orrery {
namespace {

using namespace maptest;
using test::Strings;

// Three planets of a 100 x 100 Standard galaxy at zoom 4: map (x, y) is canvas (4x + 25, 4y), and
// symbols are 5 x 5 pixels while planet sizes are not shown.
struct PressFixture : testing::Test {
    Game game = galaxy();
    ViewState view = zoomed(4);

    void SetUp() override
    {
        game.turn.planets = {makePlanet("A", 10, 10, ocOwn), makePlanet("B", 50, 20, ocOther),
                             makePlanet("C", 80, 80, -3)};
    }
    // A selection's name, x, owner code and radius.
    static std::tuple<std::string, double, int, int> selected(const mapselection& s)
    {
        return {s.name.str(), s.x, s.ownercode, s.radiusx};
    }
    PressResult pressOn(const char* name, int dx = 2, int dy = 2, bool sizes = false)
    {
        const planetrecord* p = findPlanet(game.turn, name);
        const int X = static_cast<int>(4 * p->x) + 25 + dx, Y = static_cast<int>(4 * p->y) + dy;
        return mapPress(game, view, sizes, X, Y, false);
    }
};

// Presses on planets (by name), black space or something drawn (an arrow, a label): a press on
// anything drawn moves the most recent selection into the first and puts every planet under the
// pointer, in list order, into the empty one (first, else second); black space empties both.
TEST_F(PressFixture, SelectionsFollowThePresses)
{
    game.turn.planets.push_back(makePlanet("E", 30, 60));
    game.turn.planets.push_back(makePlanet("D", 30, 60, ocUninhabited)); // drawn over E
    struct Row {
        const char* what;
        Strings presses;
        std::string first, second;
    };
    for (const Row& r : {
             Row{"one planet: no distance line yet", {"A"}, "A", ""},
             Row{"a second planet", {"A", "B"}, "A", "B"},
             Row{"a third: the second moves into the first", {"A", "B", "C"}, "B", "C"},
             Row{"black space empties both", {"A", "B", "black"}, "", ""},
             Row{"a drawn pixel without planet: the rotation only", {"A", "B", "drawn"}, "B", "B"},
             Row{"two planets at one pixel, nothing selected: both at once", {"E"}, "E", "D"},
             Row{"two planets at one pixel after a selection: the later one second", {"A", "E"}, "A", "D"},
         }) {
        SCOPED_TRACE(r.what);
        view.clearSelections();
        for (const std::string& press : r.presses) {
            if (press == "black" || press == "drawn")
                mapPress(game, view, false, 300, 300, press == "black");
            else
                pressOn(press.c_str());
        }
        EXPECT_EQ(view.firstselection.name, r.first);
        EXPECT_EQ(view.secondselection.name, r.second);
        EXPECT_EQ(view.firstselection.isSet(), !r.first.empty());
        EXPECT_EQ(view.secondselection.isSet(), !r.second.empty());
    }
}

// What a press reports: the panel to show for each planet hit (ending on the later one), whether
// it hit black space; the selection takes the planet's position, owner code and radius.
TEST_F(PressFixture, PressResults)
{
    const PressResult c = pressOn("C");
    ASSERT_EQ(c.panels.size(), 1u);
    EXPECT_TRUE(c.panels[0].what == PanelShows::Planet && c.panels[0].planet == &game.turn.planets[2]);
    EXPECT_EQ(c.panels[0].name, "C");
    EXPECT_FALSE(c.blank);
    EXPECT_EQ(selected(view.firstselection), std::tuple("C", 80.0, -3, 2));
    game.turn.planets.push_back(makePlanet("D", 80, 80, ocUninhabited));
    const PressResult pair = pressOn("C");
    ASSERT_EQ(pair.panels.size(), 2u);
    EXPECT_EQ(pair.panels.back().name, "D") << "the panel ends on the later one in list order";
    const PressResult black = mapPress(game, view, false, 300, 300, true);
    EXPECT_TRUE(black.blank && black.panels.empty());
    EXPECT_FALSE(mapPress(game, view, false, 300, 300, false).blank);
}

// The symbol box X0 <= X < X0 + w, Y0 <= Y < Y0 + w, with w = 11 for B's size 1000 when sizes are
// shown, 5 otherwise; the selection takes the radius w div 2.
TEST_F(PressFixture, SymbolBoxIsHalfOpen)
{
    game.turn.planets[1].size = 1000;
    for (const auto& [dx, dy, sizes, hit] :
         {std::tuple{0, 0, false, true}, {4, 4, false, true}, {5, 2, false, false}, {2, 5, false, false},
          {-1, 2, false, false}, {0, -1, false, false}, {10, 10, false, false}, {10, 10, true, true},
          {11, 2, true, false}}) {
        SCOPED_TRACE(testing::Message() << dx << "," << dy << (sizes ? " sizes shown" : ""));
        view.clearSelections();
        const PressResult result = pressOn("B", dx, dy, sizes);
        EXPECT_EQ(view.firstselection.isSet(), hit);
        EXPECT_EQ(result.panels.size(), hit ? 1u : 0u);
        EXPECT_EQ(view.firstselection.radiusx, !hit ? 0 : sizes ? 5 : 2);
    }
}

// Ship marks of the text map: 4 x 4 boxes at (4x + 25, 4y) in every variant, "Enemy ship" for kind
// 1, "Your ship" for kind 0, selected as "ship" with owner code 3 and no radius.
TEST_F(PressFixture, ShipMarks)
{
    game.turn.mapmarks = {{30, 40, 1}, {60, 40, 0}};
    pressOn("A"); // a planet first
    ASSERT_EQ(view.firstselection.name, "A");
    game.gametype = gtBlind;
    const PressResult r = mapPress(game, view, false, 145 + 3, 160 + 3, false);
    ASSERT_EQ(r.panels.size(), 1u);
    EXPECT_TRUE(r.panels[0].what == PanelShows::MapMark && r.panels[0].planet == nullptr);
    EXPECT_EQ(r.panels[0].name, "Enemy ship");
    EXPECT_EQ(selected(view.secondselection), std::tuple("ship", 30.0, 3, 0));

    view.clearSelections();
    const PressResult own = mapPress(game, view, false, 265, 160, false);
    ASSERT_EQ(own.panels.size(), 1u);
    EXPECT_EQ(own.panels[0].name, "Your ship");
    EXPECT_EQ(view.firstselection.name, "ship");
    EXPECT_TRUE(mapPress(game, view, false, 265 + 4, 160, false).panels.empty()) << "4 x 4 box";
}

// The "Mouse pos." texts: the clamped map position as 5:2; nothing while there is no zoom (the
// labels keep their texts).
TEST(MapMouseMove, PositionTexts)
{
    struct Row {
        std::int32_t gametype;
        bool cartesian;
        int X, Y;
        std::string x, y;
    };
    for (const Row& r : {Row{gtStandard, false, 10, 0, "X:  0.00", "Y:  0.00"},
                         Row{gtStandard, false, 66, 81, "X: 10.25", "Y: 20.25"},
                         Row{gtStandard, false, 2000, 2000, "X: 100.00", "Y: 100.00"},
                         Row{gtBlind, true, 0, 0, "X: -50.00", "Y: 50.00"}}) {
        SCOPED_TRACE(testing::Message() << r.X << "," << r.Y);
        Game game = galaxy(100, 100, r.gametype);
        game.gameoptions.cartesian = r.cartesian;
        const auto texts = mapMouseMove(game, zoomed(4), r.X, r.Y);
        ASSERT_TRUE(texts);
        EXPECT_EQ((Strings{texts->x, texts->y, texts->dto}), (Strings{r.x, r.y, ""})) << "no selection, no distance";
    }
    EXPECT_FALSE(mapMouseMove(galaxy(), zoomed(0), 40, 40));
    EXPECT_FALSE(mapMouseMove(galaxy(), zoomed(-1), 40, 40));
}

TEST(MapMouseMove, DistanceToTheRecentSelection)
{
    Game game = galaxy();
    ViewState view = zoomed(1);
    view.firstselection.x = 0;
    view.firstselection.y = 0;
    view.secondselection.x = 9.5;
    view.secondselection.y = 8.5;
    // Pointer 2.5 pixels back: (40 - 25 - 2.5, 15 - 2.5) = (12.5, 12.5), 5 from the second selection.
    EXPECT_EQ(mapMouseMove(game, view, 40, 15)->dto, "DTO: 5.00");
    view.secondselection.clear();
    EXPECT_EQ(mapMouseMove(game, view, 40, 15)->dto, "DTO: 17.68"); // from the first: sqrt(2 x 12.5^2)
}

// A planet's label is the altname of the first planet of that name, else the name; the name of a
// label that of the first planet with that altname. Selecting from another window finds a planet
// by name before altname: the first selection takes its position, owner code 0 and the text (its
// radii stay), the second is emptied; nothing changes for an unknown text.
TEST(MapNames, LabelsNamesAndSelecting)
{
    Game game = galaxy(100, 100, gtBlind);
    game.turn.planets = {makePlanet("Alpha", 1, 1), makePlanet("Beta", 2, 2), makePlanet("Alpha", 3, 3),
                         makePlanet("Seven", 4, 4), makePlanet("7", 5, 5, -4)};
    game.turn.planets[0].altname = "12";
    game.turn.planets[2].altname = "99"; // a later planet of the same name does not count
    game.turn.planets[3].altname = "7";
    for (const auto& [text, label, name] : {std::tuple{"Alpha", "12", "Alpha"}, {"Beta", "Beta", "Beta"},
                                            {"12", "12", "Alpha"}, {"99", "99", "Alpha"},
                                            {"Nowhere", "Nowhere", "Nowhere"}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(PlanetLabel(game, text), label);
        EXPECT_EQ(PlanetNameOf(game, label), name);
    }
    ViewState view;
    view.firstselection.radiusx = 9;
    view.secondselection.x = 5;
    ASSERT_EQ(SelectPlanet(game, view, "7"), &game.turn.planets[4]) << "named 7 wins over the altname 7";
    EXPECT_EQ((std::tuple{view.firstselection.x, view.firstselection.ownercode, view.firstselection.name.str(),
                          view.firstselection.radiusx}),
              (std::tuple{5.0, 0, std::string("7"), 9}));
    EXPECT_FALSE(view.secondselection.isSet());
    EXPECT_EQ(SelectPlanet(game, view, "Seven"), &game.turn.planets[3]);
    EXPECT_EQ(SelectPlanet(game, view, "Nowhere"), nullptr);
    EXPECT_EQ(view.firstselection.x, 4);
}

} // namespace
} // namespace orrery

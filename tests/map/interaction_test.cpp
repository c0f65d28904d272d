// Mouse presses and moves on the map, and the lookups between planet names and labels.

#include "mapinteraction.h"
#include "maptestgame.h"

#include <gtest/gtest.h>

namespace orrery {
namespace {

using maptest::galaxy;
using maptest::makePlanet;

// Three planets of a 100 x 100 Standard galaxy at zoom 4; symbols are 5 x 5 pixels.
struct PressFixture : testing::Test {
    Game game = galaxy();
    ViewState view = maptest::zoomed(4);
    MapGeometry geometry{game, 4};

    void SetUp() override
    {
        game.turn.planets = {makePlanet("A", 10, 10, ocOwn), makePlanet("B", 50, 20, ocOther), makePlanet("C", 80, 80, -3)};
        geometry = MapGeometry(game, 4);
    }
    PressResult pressOn(const char* name, int dx = 2, int dy = 2)
    {
        const planetrecord* p = findPlanet(game.turn, name);
        return mapPress(game, view, false, geometry.MapToScreenX(p->x) + dx, geometry.MapToScreenY(p->y) + dy, false);
    }
};

TEST_F(PressFixture, SelectionsRotate)
{
    pressOn("A");
    EXPECT_EQ(view.firstselection.name, "A");
    EXPECT_FALSE(view.secondselection.isSet()) << "one planet: no distance line yet";

    pressOn("B");
    EXPECT_EQ(view.firstselection.name, "A");
    EXPECT_EQ(view.secondselection.name, "B");

    const PressResult r = pressOn("C");
    EXPECT_EQ(view.firstselection.name, "B");
    EXPECT_EQ(view.secondselection.name, "C");
    EXPECT_EQ(view.secondselection.x, 80);
    EXPECT_EQ(view.secondselection.ownercode, -3);
    EXPECT_EQ(view.secondselection.radiusx, 2);
    ASSERT_EQ(r.panels.size(), 1u);
    EXPECT_EQ(r.panels[0].what, PanelShows::Planet);
    EXPECT_EQ(r.panels[0].name, "C");
    EXPECT_EQ(r.panels[0].planet, &game.turn.planets[2]);
}

TEST_F(PressFixture, SymbolBoxIsHalfOpen)
{
    struct Row {
        int dx, dy;
        bool hit;
    };
    for (const Row& r : {Row{0, 0, true}, Row{4, 4, true}, Row{5, 2, false}, Row{2, 5, false}, Row{-1, 2, false}}) {
        SCOPED_TRACE(testing::Message() << r.dx << "," << r.dy);
        view.clearSelections();
        const PressResult result = pressOn("B", r.dx, r.dy);
        EXPECT_EQ(view.firstselection.isSet(), r.hit);
        EXPECT_EQ(result.panels.size(), r.hit ? 1u : 0u);
    }
}

TEST_F(PressFixture, BlackSpaceEmptiesBothSelections)
{
    pressOn("A");
    pressOn("B");
    const PressResult r = mapPress(game, view, false, 300, 300, true);
    EXPECT_TRUE(r.blank);
    EXPECT_TRUE(r.panels.empty());
    EXPECT_FALSE(view.firstselection.isSet());
    EXPECT_FALSE(view.secondselection.isSet());
}

TEST_F(PressFixture, DrawnPixelWithoutPlanetOnlyMovesTheSecondSelection)
{
    // An arrow or a label: the selections stay as the rotation left them.
    pressOn("A");
    pressOn("B");
    const PressResult r = mapPress(game, view, false, 300, 300, false);
    EXPECT_FALSE(r.blank);
    EXPECT_EQ(view.firstselection.name, "B");
    EXPECT_EQ(view.secondselection.name, "B");
}

TEST_F(PressFixture, TwoPlanetsAtOnePixel)
{
    game.turn.planets.push_back(makePlanet("D", 50, 20, ocUninhabited));
    {
        SCOPED_TRACE("no selection before: both selections filled at once");
        const PressResult r = pressOn("B");
        EXPECT_EQ(view.firstselection.name, "B");
        EXPECT_EQ(view.secondselection.name, "D");
        ASSERT_EQ(r.panels.size(), 2u);
        EXPECT_EQ(r.panels.back().name, "D") << "the panel ends on the later one in list order";
    }
    {
        SCOPED_TRACE("with a selection before: the later one ends in the second selection");
        view.clearSelections();
        pressOn("A");
        pressOn("B");
        EXPECT_EQ(view.firstselection.name, "A");
        EXPECT_EQ(view.secondselection.name, "D");
    }
}

TEST_F(PressFixture, LargerSymbolsWithPlanetSizes)
{
    game.turn.planets[1].size = 1000; // 11 pixels
    const int X = geometry.MapToScreenX(50) + 10, Y = geometry.MapToScreenY(20) + 10;
    mapPress(game, view, false, X, Y, false);
    EXPECT_FALSE(view.firstselection.isSet());
    mapPress(game, view, true, X, Y, false);
    EXPECT_EQ(view.firstselection.name, "B");
    EXPECT_EQ(view.firstselection.radiusx, 5);
}

TEST_F(PressFixture, ShipMarks)
{
    game.gametype = gtBlind; // marks are placed without the Blind Galaxy centring
    game.turn.mapmarks = {{30, 40, 1}, {60, 40, 0}};
    geometry = MapGeometry(game, 4);
    pressOn("A"); // a planet first
    ASSERT_EQ(view.firstselection.name, "A");
    const PressResult r = mapPress(game, view, false, 30 * 4 + 25 + 3, 160 + 3, false);
    ASSERT_EQ(r.panels.size(), 1u);
    EXPECT_EQ(r.panels[0].what, PanelShows::MapMark);
    EXPECT_EQ(r.panels[0].name, "Enemy ship");
    EXPECT_EQ(r.panels[0].planet, nullptr);
    EXPECT_EQ(view.secondselection.name, "ship");
    EXPECT_EQ(view.secondselection.ownercode, 3);
    EXPECT_EQ(view.secondselection.radiusx, 0);
    EXPECT_EQ(view.secondselection.x, 30);

    view.clearSelections();
    const PressResult own = mapPress(game, view, false, 60 * 4 + 25, 160, false);
    ASSERT_EQ(own.panels.size(), 1u);
    EXPECT_EQ(own.panels[0].name, "Your ship");
    EXPECT_EQ(view.firstselection.name, "ship");
    EXPECT_TRUE(mapPress(game, view, false, 60 * 4 + 25 + 4, 160, false).panels.empty()) << "4 x 4 box";
}

TEST(MapMouseMove, PositionTexts)
{
    struct Row {
        const char* what;
        std::int32_t gametype;
        bool cartesian;
        int X, Y;
        const char* x;
        const char* y;
    };
    for (const Row& r : {
             Row{"left margin shows the minimum", gtStandard, false, 10, 0, "X:  0.00", "Y:  0.00"},
             Row{"inside", gtStandard, false, 66, 81, "X: 10.25", "Y: 20.25"},
             Row{"beyond the map the maximum", gtStandard, false, 2000, 2000, "X: 100.00", "Y: 100.00"},
             Row{"blind left margin", gtBlind, false, 0, 0, "X: -50.00", "Y: -50.00"},
             Row{"blind cartesian top", gtBlind, true, 225, 0, "X:  0.00", "Y: 50.00"},
         }) {
        SCOPED_TRACE(r.what);
        Game game = galaxy(100, 100, r.gametype);
        game.gameoptions.cartesian = r.cartesian;
        const auto texts = mapMouseMove(game, maptest::zoomed(4), r.X, r.Y);
        ASSERT_TRUE(texts);
        EXPECT_EQ(texts->x, r.x);
        EXPECT_EQ(texts->y, r.y);
        EXPECT_EQ(texts->dto, "") << "no selection, no distance";
    }
}

TEST(MapMouseMove, DistanceToTheRecentSelection)
{
    Game game = galaxy();
    ViewState view = maptest::zoomed(1);
    view.firstselection.x = 0;
    view.firstselection.y = 0;
    view.secondselection.x = 9.5;
    view.secondselection.y = 8.5;
    // Pointer 2.5 pixels back: (40 - 25 - 2.5, 15 - 2.5) = (12.5, 12.5), 5 from the second selection.
    auto texts = mapMouseMove(game, view, 40, 15);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->dto, "DTO: 5.00");
    view.secondselection.clear();
    texts = mapMouseMove(game, view, 40, 15);
    EXPECT_EQ(texts->dto, "DTO: 17.68"); // from the first: sqrt(2 x 12.5^2)
}

TEST(MapMouseMove, NothingWithoutZoom)
{
    const Game game = galaxy();
    EXPECT_FALSE(mapMouseMove(game, maptest::zoomed(0), 40, 40));
    EXPECT_FALSE(mapMouseMove(game, maptest::zoomed(-1), 40, 40));
}

TEST(MapNames, LabelsAndNames)
{
    Game game = galaxy(100, 100, gtBlind);
    game.turn.planets = {makePlanet("Alpha", 1, 1), makePlanet("Beta", 2, 2), makePlanet("Alpha", 3, 3)};
    game.turn.planets[0].altname = "12";
    game.turn.planets[2].altname = "99"; // a later planet of the same name does not count
    struct Row {
        const char* text;
        const char* label;
        const char* name;
    };
    for (const Row& r : {Row{"Alpha", "12", "Alpha"}, Row{"Beta", "Beta", "Beta"}, Row{"12", "12", "Alpha"},
                         Row{"99", "99", "Alpha"}, Row{"Nowhere", "Nowhere", "Nowhere"}}) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(PlanetLabel(game, r.text), r.label);
        EXPECT_EQ(PlanetNameOf(game, r.label), r.name);
    }
}

TEST(MapSelectPlanet, NameBeforeAltname)
{
    Game game = galaxy(100, 100, gtBlind);
    game.turn.planets = {makePlanet("Seven", 1, 1, ocOther), makePlanet("7", 2, 2, -4)};
    game.turn.planets[0].altname = "7";
    ViewState view;
    view.firstselection.radiusx = 9;
    view.secondselection.x = 5;

    const planetrecord* p = SelectPlanet(game, view, "7");
    ASSERT_EQ(p, &game.turn.planets[1]) << "a planet named 7 wins over one whose altname is 7";
    EXPECT_EQ(view.firstselection.x, 2);
    EXPECT_EQ(view.firstselection.ownercode, 0);
    EXPECT_EQ(view.firstselection.name, "7");
    EXPECT_EQ(view.firstselection.radiusx, 9) << "radii unchanged";
    EXPECT_FALSE(view.secondselection.isSet());

    EXPECT_EQ(SelectPlanet(game, view, "Seven"), &game.turn.planets[0]);
    const mapselection before = view.firstselection;
    EXPECT_EQ(SelectPlanet(game, view, "Nowhere"), nullptr);
    EXPECT_EQ(view.firstselection.x, before.x);
}

} // namespace
} // namespace orrery

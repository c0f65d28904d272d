// Map geometry: coordinates, canvas size, zoom and scroll, symbol sizes and the drawing fields the
// map keeps in the records.

#include "mapgeometry.h"
#include "maptestgame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orrery {
namespace {

using maptest::galaxy;
using maptest::planet;

TEST(MapGeometry, CanvasSizeHasMarginsAroundTheMap)
{
    struct Row {
        std::int32_t width, height, zoom;
        int canvasW, canvasH;
    };
    for (const Row& r : {Row{100, 100, 4, 455, 420}, Row{100, 100, 1, 155, 120}, Row{250, 80, 35, 8805, 2820},
                         Row{0, 0, 7, 55, 20}}) {
        SCOPED_TRACE(testing::Message() << r.width << "x" << r.height << " zoom " << r.zoom);
        const MapGeometry g(gtStandard, false, r.width, r.height, r.zoom);
        EXPECT_EQ(g.canvasWidth(), r.canvasW);
        EXPECT_EQ(g.canvasHeight(), r.canvasH);
    }
}

TEST(MapGeometry, MapToScreenPerVariant)
{
    struct Row {
        const char* what;
        std::int32_t gametype;
        bool cartesian;
        std::int32_t width, height, zoom;
        double x, y;
        int X, Y;
    };
    for (const Row& r : {
             Row{"standard origin: 25 pixel margin left only", gtStandard, false, 100, 100, 4, 0, 0, 25, 0},
             Row{"standard scaled", gtStandard, false, 100, 100, 4, 10, 20, 65, 80},
             Row{"halves round to even (0.5 -> 0)", gtStandard, false, 100, 100, 1, 0.5, 2.5, 25, 2},
             Row{"halves round to even (1.5 -> 2)", gtStandard, false, 100, 100, 1, 1.5, 3.5, 27, 4},
             Row{"cartesian is a Blind Galaxy option only", gtGalaxyNG, true, 100, 100, 2, 5, 5, 35, 10},
             Row{"blind: map centred on 0,0", gtBlind, false, 100, 100, 2, 0, 0, 125, 100},
             Row{"blind: left edge", gtBlind, false, 100, 100, 2, -50, -50, 25, 0},
             Row{"blind odd width halves with div", gtBlind, false, 101, 101, 1, 0, 0, 75, 50},
             Row{"blind cartesian: y up", gtBlind, true, 100, 100, 2, 0, 10, 125, 80},
             Row{"blind without cartesian: y down", gtBlind, false, 100, 100, 2, 0, 10, 125, 120},
         }) {
        SCOPED_TRACE(r.what);
        const MapGeometry g(r.gametype, r.cartesian, r.width, r.height, r.zoom);
        EXPECT_EQ(g.MapToScreenX(r.x), r.X);
        EXPECT_EQ(g.MapToScreenY(r.y), r.Y);
    }
}

TEST(MapGeometry, BlindCartesianDrawsPositiveYAbove)
{
    Game game = galaxy(200, 200, gtBlind);
    game.gameoptions.cartesian = true;
    const MapGeometry up(game, 3);
    EXPECT_LT(up.MapToScreenY(10), up.MapToScreenY(-10));
    game.gameoptions.cartesian = false;
    const MapGeometry down(game, 3);
    EXPECT_GT(down.MapToScreenY(10), down.MapToScreenY(-10));
}

TEST(MapGeometry, ScreenToMapClampsToTheGalaxy)
{
    struct Row {
        const char* what;
        std::int32_t gametype;
        bool cartesian;
        int X, Y;
        double x, y;
    };
    // A 100 x 60 galaxy at zoom 4: canvas 455 x 260.
    for (const Row& r : {
             Row{"left margin shows the minimum x", gtStandard, false, 3, 0, 0, 0},
             Row{"inside", gtStandard, false, 65, 80, 10, 20},
             Row{"right and bottom margins show the maximum", gtStandard, false, 454, 259, 100, 60},
             Row{"blind: left margin shows -width/2", gtBlind, false, 0, 0, -50, -30},
             Row{"blind: centre", gtBlind, false, 225, 120, 0, 0},
             Row{"blind cartesian: top shows +height/2", gtBlind, true, 454, 0, 50, 30},
             Row{"blind cartesian: bottom shows -height/2", gtBlind, true, 225, 259, 0, -30},
         }) {
        SCOPED_TRACE(r.what);
        const MapGeometry g(r.gametype, r.cartesian, 100, 60, 4);
        const auto p = g.ScreenToMap(r.X, r.Y);
        ASSERT_TRUE(p);
        EXPECT_DOUBLE_EQ(p->x, r.x);
        EXPECT_DOUBLE_EQ(p->y, r.y);
    }
}

TEST(MapGeometry, ScreenToMapInvertsMapToScreen)
{
    for (std::int32_t type : {gtStandard, gtBlind}) {
        for (bool cartesian : {false, true}) {
            const MapGeometry g(type, cartesian, 120, 90, 6);
            const double lo = type == gtBlind ? -40 : 5;
            for (double x = lo; x < lo + 80; x += 7.3) {
                SCOPED_TRACE(testing::Message() << "type " << type << " cartesian " << cartesian << " x " << x);
                const auto p = g.ScreenToMap(g.MapToScreenX(x), g.MapToScreenY(x / 2));
                ASSERT_TRUE(p);
                EXPECT_NEAR(p->x, x, 1.0 / 6);
                EXPECT_NEAR(p->y, x / 2, 1.0 / 6);
            }
        }
    }
}

TEST(MapGeometry, NoMapPositionWithoutZoom)
{
    for (std::int32_t zoom : {0, -1}) {
        const MapGeometry g(gtStandard, false, 100, 100, zoom);
        EXPECT_FALSE(g.ScreenToMap(50, 50));
        EXPECT_FALSE(g.pointerPosition(50, 50));
    }
}

TEST(MapZoom, ButtonsAtTheLimits)
{
    struct Row {
        std::int32_t zoom;
        ZoomButtons buttons;
    };
    for (const Row& r : {Row{1, {true, true, false}}, Row{2, {true, true, true}}, Row{34, {true, true, true}},
                         Row{35, {false, false, true}}}) {
        SCOPED_TRACE(r.zoom);
        ViewState view;
        EXPECT_EQ(SetZoom(view, r.zoom), r.buttons);
        EXPECT_EQ(view.zoomfactor, r.zoom);
    }
    ViewState view;
    SetZoom(view, 0);
    EXPECT_EQ(view.zoomfactor, 1) << "a fitted zoom of 0 is brought into 1..35";
    SetZoom(view, 80);
    EXPECT_EQ(view.zoomfactor, 35);
}

TEST(MapZoom, StepsStopAtTheLimits)
{
    const Game game = galaxy();
    struct Row {
        std::int32_t zoom;
        int step;
        bool done;
    };
    for (const Row& r : {Row{35, +1, false}, Row{1, -1, false}, Row{-1, +1, false}, Row{34, +1, true},
                         Row{2, -1, true}}) {
        SCOPED_TRACE(testing::Message() << "zoom " << r.zoom << " step " << r.step);
        ViewState view = maptest::zoomed(r.zoom);
        MapScroll scroll;
        scroll.h.viewport = 800;
        scroll.v.viewport = 500;
        setCanvasSize(scroll, game, r.zoom);
        const MapScroll before = scroll;
        EXPECT_EQ(zoomStep(view, game, scroll, r.step), r.done);
        EXPECT_EQ(view.zoomfactor, r.done ? r.zoom + r.step : r.zoom);
        EXPECT_EQ(scroll.h.canvas, r.done ? canvasWidth(game.mapwidth, view.zoomfactor) : before.h.canvas);
    }
}

// The map x under the middle of the viewport, in canvas pixels of the given zoom.
double centreMapX(const MapScroll& s, std::int32_t zoom)
{
    return (s.h.position - s.h.offset + s.h.viewport / 2 - 25) / static_cast<double>(zoom);
}
double centreMapY(const MapScroll& s, std::int32_t zoom)
{
    return (s.v.position - s.v.offset + s.v.viewport / 2) / static_cast<double>(zoom);
}

TEST(MapZoom, InAndOutBringsTheCentreBack)
{
    const Game game = galaxy(300, 200);
    for (std::int32_t zoom : {3, 5, 12, 20}) {
        for (int position : {0, 137, 400, 1500}) {
            ViewState view = maptest::zoomed(zoom);
            MapScroll scroll;
            scroll.h.viewport = 640;
            scroll.v.viewport = 480;
            setCanvasSize(scroll, game, zoom);
            scroll.h.position = position;
            scroll.v.position = position / 2;
            resizeViewport(scroll);
            const double x = centreMapX(scroll, zoom), y = centreMapY(scroll, zoom);
            ASSERT_TRUE(zoomStep(view, game, scroll, +1));
            ASSERT_TRUE(zoomStep(view, game, scroll, -1));
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << " position " << position);
            EXPECT_EQ(view.zoomfactor, zoom);
            EXPECT_LE(std::abs(centreMapX(scroll, zoom) - x) * zoom, 1.0);
            EXPECT_LE(std::abs(centreMapY(scroll, zoom) - y) * zoom, 1.0);
        }
    }
}

TEST(MapZoom, SmallCanvasIsCentredAndGrowsIntoTheViewport)
{
    const Game game = galaxy(100, 100);
    ViewState view = maptest::zoomed(4);
    MapScroll scroll;
    scroll.h.viewport = 800;
    scroll.v.viewport = 900;
    setCanvasSize(scroll, game, 4);
    resizeViewport(scroll);
    EXPECT_EQ(scroll.h.offset, (800 - 455) / 2);
    // Up to zoom 7 (canvas 755) the canvas stays centred; at 8 (855) it fills the viewport and
    // scrolls so that the old middle stays in the middle.
    for (int z = 5; z <= 7; ++z) {
        ASSERT_TRUE(zoomStep(view, game, scroll, +1));
        EXPECT_EQ(scroll.h.offset, (800 - scroll.h.canvas) / 2);
        EXPECT_EQ(scroll.h.position, 0);
    }
    ASSERT_TRUE(zoomStep(view, game, scroll, +1));
    EXPECT_EQ(scroll.h.canvas, 855);
    EXPECT_EQ(scroll.h.offset, 0);
    EXPECT_EQ(scroll.h.position, 27); // trunc(400 / 800 x 855 - 400)
    EXPECT_EQ(scroll.v.offset, (900 - 820) / 2) << "vertically still smaller";
}

TEST(MapZoom, ZoomOnMousePutsThePressedPointInTheMiddle)
{
    const Game game = galaxy(400, 300);
    ViewState view = maptest::zoomed(6);
    MapScroll scroll;
    scroll.h.viewport = 700;
    scroll.v.viewport = 500;
    setCanvasSize(scroll, game, 6);
    scroll.h.position = 900;
    scroll.v.position = 400;
    const int X = 1200, Y = 600;
    const double mapX = (X - 25) / 6.0, mapY = Y / 6.0;
    ASSERT_TRUE(zoomOnMousePosition(view, game, scroll, X, Y));
    EXPECT_EQ(view.zoomfactor, 7);
    const MapGeometry g(game, 7);
    EXPECT_NEAR(g.MapToScreenX(mapX) - scroll.h.position, 350, 4);
    EXPECT_NEAR(g.MapToScreenY(mapY) - scroll.v.position, 250, 4);

    view.zoomfactor = 35;
    setCanvasSize(scroll, game, 35);
    const MapScroll before = scroll;
    EXPECT_FALSE(zoomOnMousePosition(view, game, scroll, X, Y));
    EXPECT_EQ(scroll.h.position, before.h.position);
}

TEST(MapZoom, CentreMapOnScrollsOnlyWhereTheCanvasIsLarger)
{
    Game game = galaxy(400, 50);
    const ViewState view = maptest::zoomed(5); // canvas 2055 x 270
    MapScroll scroll;
    scroll.h.viewport = 600;
    scroll.v.viewport = 400;
    setCanvasSize(scroll, game, 5);
    resizeViewport(scroll);
    CentreMapOn(game, view, scroll, 200, 25);
    EXPECT_EQ(scroll.h.position, MapGeometry(game, 5).MapToScreenX(200) - 300);
    EXPECT_EQ(scroll.v.position, 0);
    EXPECT_EQ(scroll.v.offset, (400 - 270) / 2);
    // Near the edge the viewport keeps the position in range.
    CentreMapOn(game, view, scroll, 1, 25);
    EXPECT_EQ(scroll.h.position, 0);
    CentreMapOn(game, view, scroll, 400, 25);
    EXPECT_EQ(scroll.h.position, 2055 - 600);
}

TEST(MapZoom, FitToWidthStaysInRange)
{
    struct Row {
        int viewport;
        std::int32_t mapwidth;
        std::optional<std::int32_t> zoom;
    };
    for (const Row& r : {Row{800, 100, 8}, Row{800, 1000, 1}, Row{800, 10, 35}, Row{800, 0, std::nullopt},
                         Row{800, -1, std::nullopt}, Row{800, -99999, std::nullopt}}) {
        SCOPED_TRACE(testing::Message() << r.viewport << " / " << r.mapwidth);
        EXPECT_EQ(fitToWidthZoom(r.viewport, r.mapwidth), r.zoom);
    }
}

TEST(MapZoom, ZoomToSavedPosition)
{
    const Game game = galaxy(200, 200);
    struct Row {
        const char* what;
        std::int32_t savedzoom, savedx, savedy;
        std::int32_t zoom;
        int positionX, positionY, offsetX;
    };
    // Viewport 800 x 600.
    for (const Row& r : {
             Row{"no zoom stored: fit to width, the middle", -1, -1, -1, 4, (855 - 800) / 2, (820 - 600) / 2, 0},
             Row{"stored zoom and scroll", 10, 300, 200, 10, 300, 200, 0},
             Row{"stored scroll beyond the range is limited", 10, 5000, 5000, 10, 2055 - 800, 2020 - 600, 0},
             Row{"stored zoom, no scroll: the middle", 10, -1, -1, 10, (2055 - 800) / 2, (2020 - 600) / 2, 0},
             Row{"small canvas is centred", 2, 50, 50, 2, 0, 0, (800 - 455) / 2},
         }) {
        SCOPED_TRACE(r.what);
        ViewState view = maptest::zoomed(17);
        view.savedzoom = r.savedzoom;
        view.savedscrollx = r.savedx;
        view.savedscrolly = r.savedy;
        MapScroll scroll;
        scroll.h.viewport = 800;
        scroll.v.viewport = 600;
        zoomToSavedPosition(view, game, scroll);
        EXPECT_EQ(view.zoomfactor, r.zoom);
        EXPECT_EQ(scroll.h.canvas, canvasWidth(200, r.zoom));
        EXPECT_EQ(scroll.h.position, r.positionX);
        EXPECT_EQ(scroll.v.position, r.positionY);
        EXPECT_EQ(scroll.h.offset, r.offsetX);
    }
}

TEST(MapZoom, ResizeCentresOrUncentresTheCanvas)
{
    MapScroll scroll;
    scroll.h = {800, 0, 0, 455};
    scroll.v = {300, 50, 0, 420};
    resizeViewport(scroll);
    EXPECT_EQ(scroll.h.offset, 172);
    EXPECT_EQ(scroll.v.offset, 0);
    EXPECT_EQ(scroll.v.position, 50);
    scroll.h.viewport = 400; // now smaller than the canvas
    scroll.h.position = 90;
    resizeViewport(scroll);
    EXPECT_EQ(scroll.h.offset, 0);
    EXPECT_EQ(scroll.h.position, 55) << "limited to canvas - viewport";
}

TEST(MapView, IsNearViewAllowsSixPixelsLeftAndTop)
{
    MapScroll scroll;
    scroll.h = {400, 1000, 0, 5000};
    scroll.v = {300, 2000, 0, 5000};
    struct Row {
        int X, Y;
        bool near;
    };
    for (const Row& r : {Row{1000, 2000, true}, Row{995, 2000, true}, Row{994, 2000, false}, Row{1000, 1995, true},
                         Row{1000, 1994, false}, Row{1399, 2299, true}, Row{1400, 2000, false},
                         Row{1000, 2300, false}}) {
        SCOPED_TRACE(testing::Message() << r.X << "," << r.Y);
        EXPECT_EQ(IsNearView(scroll, r.X, r.Y), r.near);
    }
    // A centred canvas: its right edge lies offset pixels short of the viewport's.
    scroll.h = {800, 0, 172, 455};
    EXPECT_TRUE(IsNearView(scroll, 627, 2000));
    EXPECT_FALSE(IsNearView(scroll, 628, 2000));
}

TEST(MapSymbols, SizesFromPlanetSize)
{
    struct Row {
        double size;
        bool shown;
        int w, r;
        bool drawn;
    };
    for (const Row& row : {Row{1000, true, 11, 5, true}, Row{49, true, 1, 0, true}, Row{50, true, 1, 0, true},
                           Row{150, true, 3, 1, true}, Row{250, true, 3, 1, true}, Row{0, true, 1, 0, true},
                           Row{-1, true, 1, 0, false}, Row{1000, false, 5, 2, true}, Row{-1, false, 5, 2, true}}) {
        SCOPED_TRACE(testing::Message() << "size " << row.size << (row.shown ? " shown" : " not shown"));
        const planetrecord p = planet("P", 0, 0, ocOther, row.size);
        EXPECT_EQ(SymbolSize(p, row.shown), row.w);
        EXPECT_EQ(SymbolRadius(p, row.shown), row.r);
        EXPECT_EQ(isSymbolDrawn(p, row.shown), row.drawn);
    }
}

battlegrouprecord battleGroup(int before, int survivors, double mass)
{
    battlegrouprecord g;
    g.shipsbefore = before;
    g.survivors = survivors;
    g.fullmass = mass;
    return g;
}

TEST(MapSymbols, BattleSizesScaleToTwenty)
{
    Game game = galaxy();
    for (const char* name : {"Big", "Small", "NoRecord", "Quiet"}) {
        game.turn.planets.push_back(planet(name, 1, 1));
        game.turn.planets.back().hadbattle = std::string(name) != "Quiet";
    }
    battlerecord big;
    big.name = "Big";
    big.races = {{"A", {battleGroup(10, 0, 10.4)}}, {"B", {battleGroup(5, 5, 99)}}}; // 1 + round(104) + 0
    battlerecord small;
    small.name = "Small";
    small.races = {{"A", {battleGroup(2, 1, 10.5), battleGroup(1, 0, 0.5)}}}; // 1 + round(10.5) + round(0.5) = 11
    game.turn.battles = {big, small};

    SetPlanetBattleSize(game, false);
    for (const planetrecord& p : game.turn.planets) EXPECT_EQ(p.battlesize, 1) << "battle sizes not shown";

    SetPlanetBattleSize(game, true);
    EXPECT_EQ(game.turn.planets[0].battlesize, 20);
    EXPECT_EQ(game.turn.planets[1].battlesize, 2);  // round(11 / 105 x 20) = round(2.095)
    EXPECT_EQ(game.turn.planets[2].battlesize, 1);  // raw 1, round(0.19) below 1
    EXPECT_EQ(game.turn.planets[3].battlesize, 1);  // no battle: untouched
}

TEST(MapSymbols, BattleSizesWithoutDestroyedMass)
{
    // Broken battle data (more survivors than ships before) gives sums of 0 or below; every
    // planet with a battle still gets at least one ring and nothing divides by zero.
    Game game = galaxy();
    game.turn.planets = {planet("A", 1, 1), planet("B", 2, 2)};
    for (planetrecord& p : game.turn.planets) p.hadbattle = 1;
    battlerecord a;
    a.name = "A";
    a.races = {{"X", {battleGroup(0, 3, 10)}}};
    battlerecord b;
    b.name = "B";
    b.races = {{"X", {battleGroup(0, 1, 1)}}};
    game.turn.battles = {a, b};
    SetPlanetBattleSize(game, true);
    for (const planetrecord& p : game.turn.planets) {
        EXPECT_GE(p.battlesize, 1);
        EXPECT_LE(p.battlesize, 20);
    }
}

TEST(MapSymbols, RadiiFollowThePlanetSizeToggle)
{
    Game game = galaxy(100, 100, gtBlind);
    game.turn.planets = {planet("Alpha", 1, 1, ocOwn, 1000), planet("Beta", 5, 5, ocOther, 720)};
    game.turn.planets[0].altname = "12";
    routerecord route;
    route.name = "12";         // routes name planets by their label
    route.capital = "Beta";
    route.material = "Nowhere";
    game.turn.routes = {route};
    incomingrecord in;
    in.origin = "Beta";
    in.destination = "Alpha"; // incoming groups by their name
    game.turn.incominggroups = {in};
    ViewState view;
    view.firstselection.x = 1;
    view.firstselection.name = "Alpha";
    view.secondselection.x = 5;
    view.secondselection.name = "Beta";

    correctBecauseOfPlanetSizeButton(game, view, true);
    const routerecord& r = game.turn.routes[0];
    EXPECT_EQ(r.symbolsizes[0], 5);
    EXPECT_EQ(r.symbolsizes[1], 5);
    EXPECT_EQ(r.symbolsizes[2], 4); // round(7.2) + 1 = 8, radius 4
    EXPECT_EQ(r.symbolsizes[4], 2) << "an unknown planet keeps its radii";
    EXPECT_EQ(game.turn.incominggroups[0].symbolsizes[0], 4);
    EXPECT_EQ(game.turn.incominggroups[0].symbolsizes[2], 5);
    EXPECT_EQ(view.firstselection.radiusx, 5);
    EXPECT_EQ(view.firstselection.radiusy, 5);
    EXPECT_EQ(view.secondselection.radiusx, 4);

    game.turn.routes[0].symbolsizes[4] = 9;
    correctBecauseOfPlanetSizeButton(game, view, false);
    EXPECT_EQ(game.turn.routes[0].symbolsizes[0], 2);
    EXPECT_EQ(game.turn.routes[0].symbolsizes[4], 9);
    EXPECT_EQ(game.turn.incominggroups[0].symbolsizes[3], 2);
    EXPECT_EQ(view.firstselection.radiusx, 2);
}

} // namespace
} // namespace orrery

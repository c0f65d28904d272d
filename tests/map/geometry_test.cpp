// Map geometry: coordinates, canvas size, zoom and scroll, symbol sizes and the drawing fields the
// map keeps in the records.

#include "mapgeometry.h"
#include "maptestgame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace orrery {
namespace {

using namespace maptest;

enum Way { bothWays, toScreen, toMap };

// Map positions to canvas pixels per variant, and canvas pixels back to map positions, clamped to
// the galaxy. Rows that go both ways: the canvas pixel leads back to the map position.
TEST(MapGeometry, MapPositionsAndCanvasPixels)
{
    struct Row {
        const char* what;
        std::int32_t gametype;
        bool cartesian;
        std::int32_t width, height, zoom;
        double x, y;
        int X, Y;
        Way way;
    };
    for (const Row& r : {
             Row{"standard origin: 25 pixel margin left only", gtStandard, false, 100, 100, 4, 0, 0, 25, 0, bothWays},
             Row{"standard scaled", gtStandard, false, 100, 100, 4, 10, 20, 65, 80, bothWays},
             Row{"halves round to even (0.5 -> 0)", gtStandard, false, 100, 100, 1, 0.5, 2.5, 25, 2, toScreen},
             Row{"halves round to even (1.5 -> 2)", gtStandard, false, 100, 100, 1, 1.5, 3.5, 27, 4, toScreen},
             Row{"cartesian is a Blind Galaxy option only", gtGalaxyNG, true, 100, 100, 2, 5, 5, 35, 10, bothWays},
             Row{"blind: map centred on 0,0", gtBlind, false, 100, 100, 2, 0, 0, 125, 100, bothWays},
             Row{"blind: left edge", gtBlind, false, 100, 100, 2, -50, -50, 25, 0, bothWays},
             Row{"blind odd width halves with div", gtBlind, false, 101, 101, 2, 0, 0, 125, 100, bothWays},
             Row{"blind cartesian: positive y above", gtBlind, true, 100, 100, 2, 0, 10, 125, 80, bothWays},
             Row{"blind cartesian: negative y below", gtBlind, true, 100, 100, 2, 7, -10, 139, 120, bothWays},
             Row{"blind without cartesian: positive y below", gtBlind, false, 100, 100, 2, -7, 10, 111, 120, bothWays},
             // A 100 x 60 galaxy at zoom 4: canvas 455 x 260.
             Row{"left margin shows the minimum x", gtStandard, false, 100, 60, 4, 0, 0, 3, 0, toMap},
             Row{"right and bottom margins show the maximum", gtStandard, false, 100, 60, 4, 100, 60, 454, 259, toMap},
             Row{"blind: left margin shows -width/2", gtBlind, false, 100, 60, 4, -50, -30, 0, 0, toMap},
             Row{"blind cartesian: top shows +height/2", gtBlind, true, 100, 60, 4, 50, 30, 454, 0, toMap},
             Row{"blind cartesian: bottom shows -height/2", gtBlind, true, 100, 60, 4, 0, -30, 225, 259, toMap},
         }) {
        SCOPED_TRACE(r.what);
        const MapGeometry g(r.gametype, r.cartesian, r.width, r.height, r.zoom);
        if (r.way != toMap) {
            EXPECT_EQ(g.MapToScreenX(r.x), r.X);
            EXPECT_EQ(g.MapToScreenY(r.y), r.Y);
        }
        if (r.way != toScreen) {
            const auto p = g.ScreenToMap(r.X, r.Y);
            ASSERT_TRUE(p);
            EXPECT_DOUBLE_EQ(p->x, r.x);
            EXPECT_DOUBLE_EQ(p->y, r.y);
        }
    }
    for (std::int32_t zoom : {0, -1}) {
        SCOPED_TRACE("no map position without a zoom");
        const MapGeometry g(gtStandard, false, 100, 100, zoom);
        EXPECT_FALSE(g.ScreenToMap(50, 50));
        EXPECT_FALSE(g.pointerPosition(50, 50));
    }
}

// The zoom commands work within 1..35: the buttons at a zoom (a stored or fitted zoom is brought
// into the range), and whether a step in or out is taken (not without a zoom yet).
TEST(MapZoom, ButtonsAndStepsAtTheLimits)
{
    const Game game = galaxy();
    struct Row {
        std::int32_t zoom, stored;
        ZoomButtons buttons;
        bool in, out;
    };
    for (const Row& r : {Row{1, 1, {true, true, false}, true, false}, Row{2, 2, {true, true, true}, true, true},
                         Row{34, 34, {true, true, true}, true, true}, Row{35, 35, {false, false, true}, false, true},
                         Row{0, 1, {true, true, false}, false, false}, Row{-1, 1, {true, true, false}, false, false},
                         Row{80, 35, {false, false, true}, false, false}}) {
        SCOPED_TRACE(testing::Message() << "zoom " << r.zoom);
        ViewState view;
        EXPECT_EQ(SetZoom(view, r.zoom), r.buttons);
        EXPECT_EQ(view.zoomfactor, r.stored);
        for (const auto& [step, done] : {std::pair{+1, r.in}, {-1, r.out}}) {
            view.zoomfactor = r.zoom;
            MapScroll scroll = viewport(game, r.zoom, 800, 500);
            const int before = scroll.h.canvas;
            EXPECT_EQ(zoomStep(view, game, scroll, step), done) << "step " << step;
            EXPECT_EQ(view.zoomfactor, done ? r.zoom + step : r.zoom);
            EXPECT_EQ(scroll.h.canvas, done ? 100 * (r.zoom + step) + 55 : before);
        }
    }
}

TEST(MapZoom, InAndOutBringsTheCentreBack)
{
    const Game game = galaxy(300, 200);
    for (std::int32_t zoom : {3, 5, 12, 20}) {
        for (int position : {0, 137, 400, 1500}) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << " position " << position);
            ViewState view = zoomed(zoom);
            MapScroll scroll = viewport(game, zoom, 640, 480);
            scroll.h.position = position;
            scroll.v.position = position / 2;
            resizeViewport(scroll);
            // The map point under the middle of the viewport, in canvas pixels of the first zoom.
            auto middle = [&] {
                return std::pair{scroll.h.position - scroll.h.offset + 320, scroll.v.position - scroll.v.offset + 240};
            };
            const auto before = middle();
            ASSERT_TRUE(zoomStep(view, game, scroll, +1));
            ASSERT_TRUE(zoomStep(view, game, scroll, -1));
            EXPECT_EQ(view.zoomfactor, zoom);
            EXPECT_LE(std::abs(middle().first - before.first), 1);
            EXPECT_LE(std::abs(middle().second - before.second), 1);
        }
    }
}

TEST(MapZoom, SmallCanvasIsCentredAndGrowsIntoTheViewport)
{
    const Game game = galaxy(100, 100);
    ViewState view = zoomed(4);
    MapScroll scroll = viewport(game, 4, 800, 900);
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
    // Zoom 9 (955 x 920): horizontally trunc(427 / 855 x 955 - 427) = 49 more; vertically the canvas
    // now fills the viewport and scrolls by trunc(450 / 900 x 920 - 450) = 10.
    ASSERT_TRUE(zoomStep(view, game, scroll, +1));
    EXPECT_EQ(scroll.h.position, 27 + 49);
    EXPECT_EQ(scroll.v.offset, 0);
    EXPECT_EQ(scroll.v.position, 10);
}

// Zoom in on the mouse position: one step in, then the pressed pixel's share of the canvas is
// scrolled to the middle; nothing at zoom 35. CentreMapOn scrolls a map point to the middle where
// the canvas is larger than the viewport, within the scroll range.
TEST(MapZoom, PointsScrolledToTheMiddle)
{
    const Game game = galaxy(400, 300);
    ViewState view = zoomed(6);
    MapScroll scroll = viewport(game, 6, 700, 500); // canvas 2455 x 1820, at zoom 7 2855 x 2120
    ASSERT_TRUE(zoomOnMousePosition(view, game, scroll, 1200, 600));
    EXPECT_EQ(view.zoomfactor, 7);
    EXPECT_EQ(scroll.h.position, 1045); // trunc(2855 x 1200 / 2455) - 700 / 2
    EXPECT_EQ(scroll.v.position, 448);  // trunc(2120 x 600 / 1820) - 500 / 2
    view.zoomfactor = 35;
    setCanvasSize(scroll, game, 35);
    const MapScroll before = scroll;
    EXPECT_FALSE(zoomOnMousePosition(view, game, scroll, 1200, 600));
    EXPECT_EQ(scroll.h.position, before.h.position);

    const Game flat = galaxy(400, 50);
    scroll = viewport(flat, 5, 600, 400); // canvas 2055 x 270
    resizeViewport(scroll);
    for (const auto& [x, position] : {std::pair{200.0, 25 + 5 * 200 - 300}, {1.0, 0}, {400.0, 2055 - 600}}) {
        CentreMapOn(flat, zoomed(5), scroll, x, 25);
        EXPECT_EQ(scroll.h.position, position) << x;
        EXPECT_EQ(scroll.v.position, 0);
        EXPECT_EQ(scroll.v.offset, (400 - 270) / 2);
    }
}

// "Zoom to saved position" takes the stored zoom, or fits the width into the viewport (within
// 1..35; no width keeps the zoom); starting a configuration (scrollToSavedPosition) keeps the zoom
// set and ignores a stale stored one. Both size the canvas (width x zoom + 55 by height x zoom + 20)
// and scroll to the stored position, or the middle without one; a smaller canvas is centred.
TEST(MapZoom, ZoomAndScrollToSavedPosition)
{
    struct Row {
        const char* what;
        bool zoomTo;
        std::int32_t width, zoomBefore, savedzoom, savedx, savedy, zoom;
        int positionX, positionY, offsetX, offsetY;
    };
    // Viewport 800 x 600, galaxies 200 high; 200 wide at zoom 4: 855 x 820, at 10: 2055 x 2020.
    for (const Row& r : {
             Row{"zoom to: no zoom stored: fit to width, the middle", true, 200, 17, -1, -1, -1, 4, 27, 110, 0, 0},
             Row{"zoom to: fit to width, at least 1", true, 1000, 17, -1, -1, -1, 1, 127, 0, 0, 190},
             Row{"zoom to: fit to width, at most 35", true, 10, 17, -1, -1, -1, 35, 0, 3210, 197, 0},
             Row{"zoom to: no width, the zoom stays", true, 0, 17, -1, -1, -1, 17, 0, 1410, 372, 0},
             Row{"zoom to: negative width, the zoom stays", true, -1, 17, -1, -1, -1, 17, 0, 1410, 381, 0},
             Row{"zoom to: stored zoom and scroll", true, 200, 17, 10, 300, 200, 10, 300, 200, 0, 0},
             Row{"zoom to: stored scroll limited to the range", true, 200, 17, 10, 5000, 5000, 10, 1255, 1420, 0, 0},
             Row{"zoom to: stored zoom, no scroll: the middle", true, 200, 17, 10, -1, -1, 10, 627, 710, 0, 0},
             Row{"zoom to: stored scroll at the top left corner", true, 200, 17, 10, 0, 0, 10, 0, 0, 0, 0},
             Row{"zoom to: small canvas is centred", true, 200, 17, 2, 50, 50, 2, 0, 0, 172, 90},
             Row{"scroll to: the zoom stays, the stored scroll", false, 200, 10, 3, 300, 200, 10, 300, 200, 0, 0},
             Row{"scroll to: the zoom stays, the middle", false, 200, 10, 3, -1, -1, 10, 627, 710, 0, 0},
             Row{"scroll to: no zoom yet: fit to width", false, 200, -1, 10, -1, -1, 4, 27, 110, 0, 0},
             Row{"scroll to: small canvas is centred", false, 200, 2, 10, 50, 50, 2, 0, 0, 172, 90},
         }) {
        SCOPED_TRACE(r.what);
        const Game game = galaxy(r.width, 200);
        ViewState view = zoomed(r.zoomBefore);
        std::tie(view.savedzoom, view.savedscrollx, view.savedscrolly) = std::tuple{r.savedzoom, r.savedx, r.savedy};
        MapScroll scroll;
        scroll.h = {800, 0, 50, 0}; // offsets of an earlier, centred canvas
        scroll.v = {600, 0, 50, 0};
        if (r.zoomTo)
            zoomToSavedPosition(view, game, scroll);
        else
            scrollToSavedPosition(view, game, scroll);
        EXPECT_EQ(view.zoomfactor, r.zoom);
        EXPECT_EQ(scroll.h.canvas, r.width * r.zoom + 55);
        EXPECT_EQ(scroll.v.canvas, 200 * r.zoom + 20);
        EXPECT_EQ((std::vector<int>{scroll.h.position, scroll.v.position, scroll.h.offset, scroll.v.offset}),
                  (std::vector<int>{r.positionX, r.positionY, r.offsetX, r.offsetY}));
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
    // A smaller galaxy shown at the same zoom: the scroll positions are limited to the new range.
    MapScroll big = viewport(galaxy(400, 400), 5, 600, 500);
    big.h.position = big.v.position = 1500;
    setCanvasSize(big, galaxy(200, 150), 5); // 1055 x 770
    EXPECT_EQ(big.h.position, 1055 - 600);
    EXPECT_EQ(big.v.position, 770 - 500);
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
                           Row{150, true, 3, 1, true}, Row{250, true, 3, 1, true}, Row{720, true, 8, 4, true},
                           Row{0, true, 1, 0, true}, Row{-1, true, 1, 0, false}, Row{1000, false, 5, 2, true},
                           Row{-1, false, 5, 2, true}}) {
        SCOPED_TRACE(testing::Message() << "size " << row.size << (row.shown ? " shown" : " not shown"));
        const planetrecord p = makePlanet("P", 0, 0, ocOther, row.size);
        EXPECT_EQ(std::tuple(SymbolSize(p, row.shown), SymbolRadius(p, row.shown), isSymbolDrawn(p, row.shown)),
                  std::tuple(row.w, row.r, row.drawn));
    }
}

battlegrouprecord lost(int before, int survivors, double mass) { return {"", mass, before, survivors}; }

// Planets A, B and C had battles, Quiet had none (all 7 rings from before). The raw size of a battle
// is 1 + the mass each group lost, rounded half to even per group; the largest gets 20 rings, the
// others in proportion and at least one.
TEST(MapSymbols, BattleSizesScaleToTwenty)
{
    struct Row {
        const char* what;
        bool shown;
        std::vector<battlerecord> battles;
        int a, b, c;
    };
    for (const Row& r : {
             Row{"A 1 + 104, B 1 + 10 + 0 + 2, C without record 1", true,
                 {{"A", {{"X", {lost(10, 0, 10.4)}}, {"Y", {lost(5, 5, 99)}}}},
                  {"B", {{"X", {lost(2, 1, 10.5), lost(1, 0, 0.5), lost(1, 0, 2.5)}}}}},
                 20, 2, 1},
             Row{"a battle without record counts 1", true, {{"A", {{"X", {lost(1, 0, 1)}}}}}, 20, 10, 10},
             Row{"broken data below 0: at least one ring, nothing divides by zero", true,
                 {{"A", {{"X", {lost(0, 3, 10)}}}}, {"B", {{"X", {lost(0, 1, 1)}}}}}, 1, 1, 20},
             Row{"battle sizes not shown: nothing changes", false, {{"A", {{"X", {lost(10, 0, 10.4)}}}}}, 7, 7, 7},
         }) {
        SCOPED_TRACE(r.what);
        Game game = galaxy();
        for (const char* name : {"A", "B", "C", "Quiet"}) game.turn.planets.push_back(makePlanet(name, 1, 1));
        for (planetrecord& p : game.turn.planets) std::tie(p.hadbattle, p.battlesize) = std::pair{p.name != "Quiet", 7};
        game.turn.battles = r.battles;
        SetPlanetBattleSize(game, r.shown);
        const auto& planets = game.turn.planets;
        EXPECT_EQ(
            (std::vector{planets[0].battlesize, planets[1].battlesize, planets[2].battlesize, planets[3].battlesize}),
            (std::vector{r.a, r.b, r.c, 7}));
    }
}

// The stored radii follow the planet-size toggle: routes find their planets by label, incoming
// groups and the selections by name; a name that matches no planet keeps its radii.
TEST(MapSymbols, RadiiFollowThePlanetSizeToggle)
{
    Game game = galaxy(100, 100, gtBlind);
    game.turn.planets = {makePlanet("Alpha", 1, 1, ocOwn, 1000), makePlanet("Beta", 5, 5, ocOther, 720)};
    game.turn.planets[0].altname = "12";
    game.turn.routes.resize(1);
    routerecord& route = game.turn.routes[0];
    route.name = route.material = "12";
    route.capital = "Beta";
    route.colonists = "Nowhere";
    route.symbolsizes[6] = route.symbolsizes[7] = 9;
    game.turn.incominggroups.resize(1);
    game.turn.incominggroups[0].origin = "Beta";
    game.turn.incominggroups[0].destination = "Alpha";
    ViewState view;
    view.firstselection = {1, 1, 0, 0, 0, "Alpha"};
    view.secondselection = {5, 5, 0, 0, 0, "Beta"};
    auto radii = [](const auto& sizes) { return std::vector<int>(sizes.begin(), sizes.end()); };
    const auto& incoming = game.turn.incominggroups[0].symbolsizes;

    correctBecauseOfPlanetSizeButton(game, view, true); // 1000: 11 pixels, radius 5; 720: 8, radius 4
    EXPECT_EQ(radii(route.symbolsizes), (std::vector<int>{5, 5, 4, 4, 5, 5, 9, 9, 2, 2}));
    EXPECT_EQ(radii(incoming), (std::vector<int>{4, 4, 5, 5}));
    EXPECT_EQ((std::vector<int>{view.firstselection.radiusx, view.firstselection.radiusy, view.secondselection.radiusx,
                                view.secondselection.radiusy}),
              (std::vector<int>{5, 5, 4, 4}));
    correctBecauseOfPlanetSizeButton(game, view, false);
    EXPECT_EQ(radii(route.symbolsizes), (std::vector<int>{2, 2, 2, 2, 2, 2, 9, 9, 2, 2}));
    EXPECT_EQ(radii(incoming), (std::vector<int>{2, 2, 2, 2}));
    EXPECT_EQ(view.firstselection.radiusx, 2);
}

} // namespace
} // namespace orrery

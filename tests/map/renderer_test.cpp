// The map's layers, pixel by pixel.

#include "maprenderer.h"
#include "maptestgame.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace orrery {
namespace {

namespace c = mapcolour;
using maptest::galaxy;
using maptest::planet;

// A 100 x 100 Standard galaxy at zoom 4 (canvas 455 x 420), all of it in view, every toggle off.
struct Scene : testing::Test {
    Game game = galaxy();
    ViewState view = maptest::zoomed(4);
    MapDisplay display;
    MapScroll scroll = maptest::wholeCanvas(game, 4);

    std::unique_ptr<MapCanvas> paint()
    {
        auto canvas = std::make_unique<MapCanvas>(QRect(0, 0, scroll.h.canvas, scroll.v.canvas));
        MapRenderer(game, view, display, scroll).paint(*canvas);
        return canvas;
    }
    int X(double x) const { return MapGeometry(game, view.zoomfactor).MapToScreenX(x); }
    int Y(double y) const { return MapGeometry(game, view.zoomfactor).MapToScreenY(y); }
    void on(std::initializer_list<ToggleIndex> toggles)
    {
        for (ToggleIndex t : toggles) display.set(t, true);
    }
    void addPlayers(int count)
    {
        for (int k = 1; k <= count; ++k) {
            playerrecord p;
            p.name = "Race" + std::to_string(k);
            game.turn.players.push_back(p);
        }
    }
};

std::size_t countColour(MapCanvas& canvas, QRgb colour)
{
    std::size_t n = 0;
    const QRect a = canvas.area();
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x) n += canvas.pixel(x, y) == colour;
    return n;
}

// Runs of a colour along one canvas row (a circle crosses a row twice).
int runsInRow(MapCanvas& canvas, int y, QRgb colour)
{
    int runs = 0;
    bool inside = false;
    for (int x = canvas.area().left(); x <= canvas.area().right(); ++x) {
        const bool now = canvas.pixel(x, y) == colour;
        runs += now && !inside;
        inside = now;
    }
    return runs;
}

TEST_F(Scene, PlanetColours)
{
    struct Row {
        const char* what;
        std::int32_t ownercode;
        std::int32_t gametype;
        bool intelligence, bombingsShown, bombed;
        QRgb colour;
    };
    for (const Row& r : {
             Row{"own", ocOwn, gtStandard, false, false, false, c::lime},
             Row{"other race", ocOther, gtStandard, false, false, false, c::red},
             Row{"other race in Blind Galaxy", ocOther, gtBlind, false, false, false, c::blue},
             Row{"known owner, intelligence off", -3, gtStandard, false, false, false, c::red},
             Row{"known owner, intelligence off, Blind", -3, gtBlind, false, false, false, c::red},
             Row{"uninhabited", ocUninhabited, gtStandard, false, false, false, c::gray},
             Row{"bombed", ocOther, gtStandard, false, true, true, c::white},
             Row{"bombed, bombings not shown", ocOther, gtStandard, false, false, true, c::red},
             Row{"bombed uninhabited", ocUninhabited, gtStandard, false, true, true, c::white},
             Row{"bombed own planet stays lime", ocOwn, gtStandard, false, true, true, c::lime},
         }) {
        SCOPED_TRACE(r.what);
        game.gametype = r.gametype;
        game.turn.planets = {planet("P", 30, 40, r.ownercode)};
        game.turn.bombings.clear();
        if (r.bombed) {
            bombingrecord b;
            b.name = "P";
            b.x = 30;
            b.y = 40;
            game.turn.bombings.push_back(b);
        }
        display.set(tgShowIntelligence, r.intelligence);
        display.set(tgShowBombings, r.bombingsShown);
        auto canvas = paint();
        EXPECT_EQ(canvas->pixel(X(30) + 2, Y(40) + 2), r.colour);
        EXPECT_EQ(canvas->pixel(X(30) + 5, Y(40) + 2), c::black);
    }
}

TEST_F(Scene, PlanetAtXZeroIsDrawnFromCanvasX25)
{
    game.turn.planets = {planet("Edge", 0, 20, ocOwn)};
    auto canvas = paint();
    EXPECT_EQ(canvas->pixel(25, 82), c::lime);
    EXPECT_EQ(canvas->pixel(24, 82), c::black);
    EXPECT_EQ(canvas->pixel(29, 82), c::lime);
}

TEST_F(Scene, SymbolSizesWithPlanetSizes)
{
    on({tgPlanetSize});
    game.turn.planets = {planet("Big", 20, 20, ocOwn, 1000), planet("Tiny", 60, 20, ocOwn, 49),
                         planet("Unknown", 60, 60, ocOwn, -1)};
    auto canvas = paint();
    EXPECT_EQ(canvas->pixel(X(20) + 10, Y(20) + 5), c::lime) << "11 pixels wide";
    EXPECT_EQ(canvas->pixel(X(20) + 11, Y(20) + 5), c::black);
    EXPECT_EQ(canvas->pixel(X(60), Y(20)), c::lime) << "one pixel";
    MapCanvas reference(canvas->area());
    reference.setPen(c::lime);
    reference.setBrush(c::lime);
    reference.ellipse(X(20), Y(20), X(20) + 11, Y(20) + 11);
    EXPECT_EQ(countColour(*canvas, c::lime), countColour(reference, c::lime) + 1)
        << "the big symbol and the one pixel; a planet of unknown size is not drawn";
}

TEST_F(Scene, OverlapFrame)
{
    {
        SCOPED_TRACE("one planet: no frame");
        game.turn.planets = {planet("A", 50, 50)};
        EXPECT_EQ(countColour(*paint(), c::white), 0u);
    }
    {
        SCOPED_TRACE("the second at the same pixel is framed");
        game.turn.planets = {planet("A", 50, 50), planet("B", 50, 50)};
        auto canvas = paint();
        const int x = X(50), y = Y(50);
        EXPECT_EQ(canvas->pixel(x - 1, y - 1), c::white);
        EXPECT_EQ(canvas->pixel(x + 6, y + 6), c::white) << "Rectangle(X-1, Y-1, X+w+2, Y+h+2)";
        EXPECT_EQ(canvas->pixel(x + 7, y - 1), c::black);
        EXPECT_EQ(countColour(*canvas, c::white), 4u * 7);
    }
    {
        SCOPED_TRACE("uninhabited planets get a frame one pixel smaller");
        game.turn.planets = {planet("A", 50, 50, ocUninhabited), planet("B", 50, 50, ocUninhabited)};
        auto canvas = paint();
        const int x = X(50), y = Y(50);
        EXPECT_EQ(canvas->pixel(x + 5, y + 5), c::white);
        EXPECT_EQ(canvas->pixel(x + 6, y + 6), c::black);
        EXPECT_EQ(countColour(*canvas, c::white), 4u * 6);
    }
}

TEST_F(Scene, RaceColouredMarks)
{
    on({tgShowIntelligence});
    addPlayers(40);
    struct Row {
        const char* what;
        std::int32_t ownercode;
        QRgb top, middle, bottom;
    };
    for (const Row& r : {
             Row{"race 40", -40, c::fuchsia, c::navy, c::aqua},
             Row{"race 1", -1, c::aqua, c::olive, c::yellow},
             Row{"race 216: palette A wraps", -216, c::yellow, c::gray, c::yellow},
             Row{"pseudo player 0 (1000 + 1)", -1001, c::aqua, c::olive, c::yellow},
         }) {
        SCOPED_TRACE(r.what);
        game.turn.planets = {planet("P", 50, 50, r.ownercode)};
        auto canvas = paint();
        const int x = X(50), y = Y(50);
        for (int col = x; col < x + 5; ++col) {
            EXPECT_EQ(canvas->pixel(col, y), r.top);
            EXPECT_EQ(canvas->pixel(col, y + 1), r.top);
            EXPECT_EQ(canvas->pixel(col, y + 2), r.middle);
            EXPECT_EQ(canvas->pixel(col, y + 3), r.middle);
            EXPECT_EQ(canvas->pixel(col, y + 4), r.bottom);
            EXPECT_EQ(canvas->pixel(col, y + 5), r.bottom) << "6 rows whatever the size";
        }
        EXPECT_EQ(canvas->pixel(x + 5, y), c::black);
        EXPECT_EQ(canvas->pixel(x, y + 6), c::black);
    }
}

TEST_F(Scene, RaceHighlight)
{
    on({tgShowIntelligence});
    addPlayers(40);
    game.ownrace = "Race3";
    game.turn.planets = {planet("P", 50, 50, -40), planet("Q", 20, 20, -3), planet("Pseudo", 80, 80, -1040)};
    struct Row {
        const char* what;
        std::optional<std::string> findRace;
        std::optional<std::string> racesTable;
        bool highlighted;
    };
    for (const Row& r : {
             Row{"Find Race", "Race40", std::nullopt, true},
             Row{"Find Race on another race", "Race7", std::nullopt, false},
             Row{"races table", std::nullopt, "Race40", true},
             Row{"the races table wins", "Race40", "Race7", false},
             Row{"the races table's own race highlights nothing", "Race40", "Race3", false},
         }) {
        SCOPED_TRACE(r.what);
        display.highlight.findRace = r.findRace;
        display.highlight.racesTableSelection = r.racesTable;
        auto canvas = paint();
        const QRgb expected = r.highlighted ? c::yellow : c::navy;
        EXPECT_EQ(canvas->pixel(X(50) + 2, Y(50) + 2), expected);
        EXPECT_EQ(canvas->pixel(X(80) + 2, Y(80) + 2), c::navy) << "pseudo players are never highlighted";
    }
    display.highlight = {};
    display.highlight.findRace = "Race3";
    EXPECT_EQ(MapRenderer(game, view, display, scroll).highlightName(), "") << "the own race";
}

TEST_F(Scene, FindRaceMarksPlanetsWithItsShips)
{
    game.turn.planets = {planet("P", 50, 50, ocOther), planet("U", 20, 20, ocUninhabited)};
    for (planetrecord& p : game.turn.planets) p.alienraces = {"Zed"};
    display.highlight.findRace = "Zed";
    EXPECT_EQ(paint()->pixel(X(50), Y(50)), c::black) << "corner of the round symbol: check box off";
    display.highlight.findRaceShips = true;
    auto canvas = paint();
    for (double at : {50.0, 20.0}) {
        SCOPED_TRACE(at);
        EXPECT_EQ(canvas->pixel(X(at), Y(at)), c::yellow) << "a yellow square";
        EXPECT_EQ(canvas->pixel(X(at) + 4, Y(at) + 4), c::yellow);
        EXPECT_EQ(canvas->pixel(X(at) + 5, Y(at) + 4), c::black);
    }
}

TEST_F(Scene, BattleRingsPushShipMarksOut)
{
    on({tgShowShips2});
    planetrecord p = planet("P", 50, 50, ocOther);
    p.owngroups = p.aliengroups = 1;
    p.hadbattle = 1;
    p.battlesize = 3;
    game.turn.planets = {p};
    const int x = X(50), y = Y(50);
    {
        SCOPED_TRACE("battles not shown: marks beside the symbol");
        auto canvas = paint();
        EXPECT_EQ(canvas->pixel(x - 3, y - 2), c::green);
        EXPECT_EQ(canvas->pixel(x - 1, y - 2), c::green);
        EXPECT_EQ(canvas->pixel(x, y - 2), c::black);
        EXPECT_EQ(canvas->pixel(x - 2, y - 3), c::green);
        EXPECT_EQ(canvas->pixel(x - 2, y), c::black) << "the vertical stroke ends above the symbol's top";
        EXPECT_EQ(canvas->pixel(x + 7, y - 2), c::red);
        EXPECT_EQ(canvas->pixel(x + 4, y - 2), c::black);
        EXPECT_EQ(canvas->pixel(x + 6, y - 3), c::red);
        EXPECT_EQ(countColour(*canvas, c::fuchsia), 0u);
    }
    on({tgShowBattles});
    {
        SCOPED_TRACE("one ring without battle sizes");
        auto canvas = paint();
        EXPECT_EQ(canvas->pixel(x - 2, y + 2), c::fuchsia);
        EXPECT_EQ(canvas->pixel(x - 3, y + 2), c::black);
        EXPECT_EQ(canvas->pixel(x - 5, y - 2), c::green) << "2 pixels further out";
        EXPECT_EQ(canvas->pixel(x - 4, y - 3), c::green);
        EXPECT_EQ(canvas->pixel(x + 9, y - 2), c::red);
        EXPECT_EQ(canvas->pixel(x + 8, y - 3), c::red);
    }
    on({tgBattleSize});
    {
        SCOPED_TRACE("battlesize rings with battle sizes");
        auto canvas = paint();
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(canvas->pixel(x - 1 - i, y + 2), c::fuchsia) << "ring " << i << " left";
            EXPECT_EQ(canvas->pixel(x + 5 + i, y + 2), c::fuchsia) << "ring " << i << " right";
        }
        EXPECT_EQ(canvas->pixel(x - 5, y + 2), c::black);
        EXPECT_EQ(canvas->pixel(x - 1, y + 2), c::black);
    }
    {
        SCOPED_TRACE("around a race-coloured mark the rings are square");
        on({tgShowIntelligence});
        addPlayers(3);
        game.turn.planets[0].ownercode = -2;
        auto canvas = paint();
        EXPECT_EQ(canvas->pixel(x - 2, y - 2), c::fuchsia) << "corners of ring 1, Rectangle(X-2, Y-2, X+7, Y+8)";
        EXPECT_EQ(canvas->pixel(x + 6, y + 7), c::fuchsia);
        EXPECT_EQ(canvas->pixel(x - 1, y - 1), c::black);
        EXPECT_EQ(canvas->pixel(x - 4, y + 8), c::fuchsia) << "ring 3 runs from X-4";
    }
}

TEST_F(Scene, UninhabitedPlanetsGetRingsAndMarksToo)
{
    on({tgShowShips2, tgShowBattles});
    planetrecord p = planet("U", 50, 50, ocUninhabited);
    p.aliengroups = 1;
    p.hadbattle = 1;
    game.turn.planets = {p};
    auto canvas = paint();
    EXPECT_EQ(canvas->pixel(X(50) - 2, Y(50) + 2), c::fuchsia);
    EXPECT_EQ(canvas->pixel(X(50) + 9, Y(50) - 2), c::red);
}

struct RouteScene : Scene {
    void SetUp() override
    {
        game.turn.planets = {planet("A", 10, 50, ocOwn), planet("B", 60, 50), planet("C", 10, 90)};
        routerecord r;
        r.name = "A";
        r.capital = r.material = r.colonists = r.empty = "B";
        game.turn.routes = {r};
        on({tgCAP, tgMAT, tgCOL, tgEMP});
    }
    // Start and end of the routes of A: the symbols' middles plus one.
    int sx() const { return X(10) + 3; }
    int sy() const { return Y(50) + 3; }
};

TEST_F(RouteScene, FourKindsSideBySide)
{
    auto canvas = paint();
    const int mid = (sx() + X(60) + 3) / 2;
    EXPECT_EQ(canvas->pixel(mid, sy() - 3), c::yellow);
    EXPECT_EQ(canvas->pixel(mid, sy() - 1), c::fuchsia);
    EXPECT_EQ(canvas->pixel(mid, sy() + 1), c::aqua);
    EXPECT_EQ(canvas->pixel(mid, sy() + 3), c::red);
    EXPECT_EQ(canvas->pixel(mid, sy()), c::black);
    EXPECT_EQ(canvas->pixel(sx() + 2, sy() - 3), c::yellow) << "starts 2 pixels towards the end";
    EXPECT_EQ(canvas->pixel(sx() + 1, sy() - 3), c::black);
}

TEST_F(RouteScene, VerticalRoutesShiftSideways)
{
    game.turn.routes[0].capital = "C";
    display.set(tgMAT, false);
    display.set(tgCOL, false);
    display.set(tgEMP, false);
    auto canvas = paint();
    const int mid = (sy() + Y(90) + 3) / 2;
    EXPECT_EQ(canvas->pixel(sx() - 3, mid), c::yellow);
    EXPECT_EQ(canvas->pixel(sx() - 3, sy() + 2), c::yellow);
    EXPECT_EQ(canvas->pixel(sx() - 3, sy() + 1), c::black);
}

TEST_F(RouteScene, RoutesLeftOut)
{
    struct Row {
        const char* what;
        const char* capital;
        bool capShown;
        std::size_t yellow;
    };
    for (const Row& r : {Row{"no route", "", true, 0}, Row{"\"-\"", "-", true, 0}, Row{"to its own start", "A", true, 0},
                         Row{"unknown planet", "Nowhere", true, 0}, Row{"toggle off", "B", false, 0}}) {
        SCOPED_TRACE(r.what);
        game.turn.routes[0].capital = r.capital;
        display.set(tgCAP, r.capShown);
        auto canvas = paint();
        EXPECT_EQ(countColour(*canvas, c::yellow), r.yellow);
        EXPECT_GT(countColour(*canvas, c::fuchsia), 0u) << "the other kinds are still drawn";
    }
}

TEST_F(RouteScene, EndsFoundByAltnameAndSymbolSizes)
{
    game.gametype = gtBlind;
    game.turn.planets[0].name = "Home";
    game.turn.planets[0].altname = "7";
    game.turn.routes[0].name = "7";
    game.turn.routes[0].symbolsizes[1] = 5; // the start's middle is 3 pixels lower
    display.set(tgMAT, false);
    display.set(tgCOL, false);
    display.set(tgEMP, false);
    auto canvas = paint();
    // The start moved down by 3, the end did not: the CAP line is no longer horizontal, but it
    // starts 3 rows lower.
    EXPECT_EQ(canvas->pixel(X(10) + 3 + 2, Y(50) + 6 - 3), c::yellow);
}

TEST(MapArrow, HeadAtTheEnd)
{
    MapCanvas canvas(QRect(0, 0, 40, 40));
    DrawArrow(canvas, c::red, 5, 20, 25, 20);
    EXPECT_EQ(canvas.pixel(5, 20), c::red);
    EXPECT_EQ(canvas.pixel(25, 20), c::red) << "the head's tip";
    EXPECT_EQ(canvas.pixel(26, 20), c::black);
    EXPECT_EQ(canvas.pixel(21, 16), c::red) << "4 back, 4 to the side";
    EXPECT_EQ(canvas.pixel(21, 24), c::red);
    EXPECT_EQ(canvas.pixel(20, 15), c::black);
    MapCanvas none(QRect(0, 0, 10, 10));
    DrawArrow(none, c::red, 5, 5, 5, 5);
    EXPECT_EQ(countColour(none, c::red), 0u);
}

TEST_F(Scene, NamesUnderTheSymbols)
{
    on({tgNames});
    game.gametype = gtBlind;
    game.turn.planets = {planet("Alpha", 0, 0, ocOwn)};
    game.turn.planets[0].altname = "12";
    auto canvas = paint();
    MapCanvas reference(canvas->area());
    reference.setFontColour(c::gray);
    reference.setBrush(c::black);
    const int x = X(0) - reference.textWidth("12") / 2 + 2, y = Y(0) + 5 + 2;
    reference.text(x, y, "12");
    ASSERT_GT(countColour(reference, c::gray), 0u);
    EXPECT_EQ(countColour(*canvas, c::gray), countColour(reference, c::gray));
    for (int row = y; row < y + reference.textHeight("12"); ++row)
        for (int col = x; col < x + reference.textWidth("12"); ++col)
            ASSERT_EQ(canvas->pixel(col, row), reference.pixel(col, row)) << col << "," << row;

    // Scrolled so far right that the name's middle is left of the view: not drawn.
    scroll.h.viewport = 100;
    scroll.h.position = X(0) + reference.textWidth("Alpha") / 2;
    EXPECT_EQ(countColour(*paint(), c::gray), 0u);
}

TEST_F(Scene, InformationBars)
{
    planetrecord p = planet("P", 50, 50, ocOwn, 1000);
    p.population = unknownvalue;
    p.industry = 200;
    p.resources = 2;
    p.defencescale = 4.7;
    p.attackscale = 0;
    p.shipscale = 15;
    game.turn.planets = {p};
    const int x = X(50), y = Y(50);
    auto whiteRun = [&](MapCanvas& canvas, int row, int from) {
        int n = 0;
        while (canvas.pixel(from + n, row) == c::white) ++n;
        return n;
    };
    struct Row {
        const char* what;
        bool info, strength, sizes;
        int x0;
        int rows[4];
    };
    for (const Row& r : {
             Row{"information: 1000 gives 15, drawn as 16", true, false, false, 7, {16, 0, 4, 4}},
             Row{"information with planet sizes", true, false, true, 13, {16, 0, 4, 4}},
             Row{"strength", false, true, false, 7, {5, 0, 16, 0}},
             Row{"information wins over strength", true, true, false, 7, {16, 0, 4, 4}},
         }) {
        SCOPED_TRACE(r.what);
        display.set(tgShowInfo, r.info);
        display.set(tgShowInfo2, r.strength);
        display.set(tgPlanetSize, r.sizes);
        auto canvas = paint();
        const int rows[4] = {y - 1, y + 1, y + 3, y + 5};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(whiteRun(*canvas, rows[k], x + r.x0), r.rows[k]) << "bar " << k;
            EXPECT_NE(canvas->pixel(x + r.x0 - 1, rows[k]), c::white);
        }
    }
}

TEST_F(Scene, HyperspaceMarks)
{
    game.gametype = gtBlind; // placed without the Blind Galaxy centring
    game.turn.mapmarks = {{30, 40, 1}, {60, 40, 0}};
    auto canvas = paint();
    EXPECT_EQ(countColour(*canvas, c::fuchsia), 0u) << "toggle off";
    on({tgShowShips});
    canvas = paint();
    EXPECT_EQ(countColour(*canvas, c::fuchsia), 9u);
    EXPECT_EQ(countColour(*canvas, c::yellow), 9u);
    EXPECT_EQ(canvas->pixel(145, 160), c::fuchsia);
    EXPECT_EQ(canvas->pixel(147, 162), c::fuchsia);
    EXPECT_EQ(canvas->pixel(148, 162), c::black);
    EXPECT_EQ(canvas->pixel(265, 160), c::yellow);
}

incomingrecord incoming(double fromX, double toX, double distance, double speed)
{
    incomingrecord r;
    r.origin = "From";
    r.destination = "To";
    r.originx = fromX;
    r.originy = 10;
    r.destinationx = toX;
    r.destinationy = 10;
    r.distance = distance;
    r.speed = speed;
    return r;
}

TEST_F(Scene, IncomingGroupsWithTurnDots)
{
    on({tgShowIncoming});
    const int row = Y(10) + 1; // dots and the current position's square cover rows Y+1 .. Y+3
    struct Row {
        const char* what;
        incomingrecord record;
        int squares;      // 3 x 3 squares on the row
        int currentX;     // map x of the group now
    };
    for (const Row& r : {
             Row{"nothing flown yet: a dot after each of four turns", incoming(10, 60, 50, 10), 1 + 4, 10},
             Row{"one turn away: the square, no dots", incoming(10, 60, 20, 25), 1, 40},
             Row{"flying west", incoming(60, 10, 20, 25), 1, 30},
             Row{"two turns", incoming(60, 10, 40, 25), 1 + 1, 50},
         }) {
        SCOPED_TRACE(r.what);
        game.turn.incominggroups = {r.record};
        auto canvas = paint();
        int silver = 0;
        for (int x = 0; x < scroll.h.canvas; ++x) silver += canvas->pixel(x, row) == c::silver;
        EXPECT_EQ(silver, 3 * r.squares);
        const int cx = X(r.currentX) + 2;
        EXPECT_EQ(canvas->pixel(cx - 1, row), c::silver);
        EXPECT_EQ(canvas->pixel(cx + 1, row + 2), c::silver);
        EXPECT_EQ(canvas->pixel(X(r.record.destinationx) + 2, Y(10) + 2), c::gray) << "the arrow's tip";
    }
}

TEST_F(Scene, IncomingGroupsThatCannotBeDrawn)
{
    on({tgShowIncoming});
    incomingrecord unknown = incoming(10, 60, 50, 10);
    unknown.originx = unknownposition;
    incomingrecord unknownEnd = incoming(10, 60, 50, 10);
    unknownEnd.destinationy = unknownposition;
    const incomingrecord good = incoming(10, 60, 20, 25);
    const incomingrecord still = incoming(10, 60, 20, 0);
    const incomingrecord backwards = incoming(10, 60, 20, -5);
    const incomingrecord nowhere = incoming(30, 30, 0, 10);
    game.turn.incominggroups = {unknown, unknownEnd, still, backwards, nowhere, good};
    auto canvas = paint();
    game.turn.incominggroups = {good};
    auto alone = paint();
    EXPECT_EQ(countColour(*canvas, c::silver), countColour(*alone, c::silver))
        << "the group after the broken ones is drawn, nothing else";
    EXPECT_EQ(countColour(*canvas, c::gray), countColour(*alone, c::gray));

    // A crawling group: its dots are bounded.
    game.turn.incominggroups = {incoming(10, 60, 50, 1e-9)};
    EXPECT_GT(countColour(*paint(), c::silver), 0u);
}

TEST_F(Scene, DistanceLineAndLabel)
{
    on({tgDistance});
    view.firstselection = {10, 10, 0, 2, 2, "A"};
    EXPECT_EQ(countColour(*paint(), c::white), 0u) << "one selection: no line";
    view.secondselection = {40, 50, 0, 2, 2, "B"};
    auto canvas = paint();
    const int x1 = X(10) + 2, y1 = Y(10) + 2, x2 = X(40) + 2, y2 = Y(50) + 2;
    EXPECT_EQ(canvas->pixel(x1, y1), c::white);
    EXPECT_EQ(canvas->pixel(x2, y2), c::black) << "the line stops short of its end";
    MapCanvas reference(canvas->area());
    reference.setFontColour(c::white);
    reference.setBrush(c::black);
    const std::string label = "50.000";
    const int lx = x1 + (x2 - x1) / 2 - reference.textWidth(label) / 2;
    const int ly = y1 + (y2 - y1) / 2 - reference.textHeight(label) / 2;
    reference.text(lx, ly, label);
    for (int row = ly; row < ly + reference.textHeight(label); ++row)
        for (int col = lx; col < lx + reference.textWidth(label); ++col)
            ASSERT_EQ(canvas->pixel(col, row), reference.pixel(col, row)) << col << "," << row;
}

TEST_F(Scene, CirclesAroundTheRecentSelection)
{
    on({tgCircles, tgDistance});
    EXPECT_EQ(countColour(*paint(), c::white), 0u) << "no selection: nothing";
    view.firstselection = {50, 50, 0, 2, 2, "P"};
    auto canvas = paint();
    // Radii 10 and 20 at zoom 4 around the symbol's middle (227, 202).
    EXPECT_EQ(runsInRow(*canvas, 202, c::white), 4);
    EXPECT_EQ(canvas->pixel(187, 202), c::white);
    EXPECT_EQ(canvas->pixel(186, 202), c::black);
    EXPECT_EQ(canvas->pixel(267, 202), c::white);
    EXPECT_EQ(canvas->pixel(268, 202), c::black);
    EXPECT_EQ(canvas->pixel(147, 202), c::white);
    EXPECT_EQ(canvas->pixel(227, 162), c::white);

    display.numOfCircles = 3;
    display.rangeInterval = 5;
    EXPECT_EQ(runsInRow(*paint(), 202, c::white), 6);
}

TEST_F(Scene, RangeCirclesFromSpeeds)
{
    on({tgCircles, tgGroupDistance, tgFleetDistance});
    planetrecord p = planet("P", 50, 50, ocOwn);
    p.groupspeeds = {5, 12.5};
    p.fleetspeeds = {7};
    game.turn.planets = {p};
    view.firstselection = {50, 50, 0, 2, 2, "P"};
    auto canvas = paint();
    EXPECT_EQ(runsInRow(*canvas, 202, c::white), 4) << "group speeds win over fleet speeds";
    EXPECT_EQ(canvas->pixel(227 - 20, 202), c::white);
    EXPECT_EQ(canvas->pixel(227 - 50, 202), c::white);
    display.set(tgGroupDistance, false);
    EXPECT_EQ(runsInRow(*paint(), 202, c::white), 2);
    game.turn.planets[0].fleetspeeds.clear();
    EXPECT_EQ(countColour(*paint(), c::white), 0u) << "no speeds: no circles, not the fixed ones";
    view.firstselection.name = "Elsewhere";
    EXPECT_EQ(countColour(*paint(), c::white), 0u);
}

TEST_F(Scene, CirclesInBlindGalaxyCentreOnTheSymbol)
{
    on({tgCircles});
    display.numOfCircles = 1;
    for (bool cartesian : {false, true}) {
        SCOPED_TRACE(cartesian);
        game.gametype = gtBlind;
        game.gameoptions.cartesian = cartesian;
        view.firstselection = {-20, 10, 0, 2, 2, "P"};
        auto canvas = paint();
        const int cx = X(-20) + 2, cy = Y(10) + 2;
        EXPECT_EQ(canvas->pixel(cx, cy - 40), c::white) << "top";
        EXPECT_EQ(canvas->pixel(cx, cy - 41), c::black);
        EXPECT_EQ(canvas->pixel(cx - 40, cy), c::white) << "left";
        EXPECT_EQ(canvas->pixel(cx, cy + 40), c::white) << "bottom";
    }
}

TEST_F(Scene, PlanetsOutOfViewAreSkipped)
{
    on({tgShowInfo});
    planetrecord far = planet("Far", 10, 10, ocOwn, 1000);
    planetrecord near = planet("Near", 60, 60, ocOwn, 1000);
    game.turn.planets = {far, near};
    scroll.h = {100, 200, 0, scroll.h.canvas};
    scroll.v = {100, 200, 0, scroll.v.canvas};
    auto canvas = paint(); // the image still covers the whole canvas
    EXPECT_EQ(canvas->pixel(X(10) + 2, Y(10) + 2), c::black);
    EXPECT_EQ(canvas->pixel(X(10) + 7, Y(10) - 1), c::black);
    EXPECT_EQ(canvas->pixel(X(60) + 2, Y(60) + 2), c::lime);
    EXPECT_EQ(canvas->pixel(X(60) + 7, Y(60) - 1), c::white);
}

// Broken report values (huge or endless numbers) must not overflow pixel arithmetic: the paint
// ends, and what can be placed is still drawn.
TEST_F(Scene, AbsurdValuesPaintSafely)
{
    display.toggles.fill(true);
    display.set(tgShowInfo, true);
    const double huge = 1e300;
    planetrecord wide = planet("Wide", 1e15, -1e15, ocOwn, 1e14);
    wide.population = wide.industry = wide.resources = huge;
    wide.hadbattle = 1;
    wide.battlesize = 20;
    wide.groupspeeds = {1e12, std::nan("")};
    planetrecord odd = planet("Odd", std::nan(""), 50, -5, huge);
    game.turn.planets = {wide, odd, planet("Fine", 50, 50, ocOwn)};
    addPlayers(5);
    routerecord r;
    r.name = "Fine";
    r.capital = "Wide";
    r.material = "Odd";
    game.turn.routes = {r};
    incomingrecord in = incoming(-1e18, 1e18, 1e17, 1e-300);
    game.turn.incominggroups = {in, incoming(10, 60, 50, 10)};
    game.turn.mapmarks = {{1e20, -1e20, 1}};
    view.firstselection = {1e15, -1e15, 0, 2, 2, "Wide"};
    view.secondselection = {50, 50, 0, 2, 2, "Fine"};
    correctBecauseOfPlanetSizeButton(game, view, true);
    auto canvas = paint();
    EXPECT_EQ(canvas->pixel(X(50) + 2, Y(50) + 2), c::lime);
    EXPECT_GT(countColour(*canvas, c::silver), 0u) << "the incoming group after the broken one";
}

TEST(MapRendering, VisibleAreaIsSmallAtHighZoom)
{
    Game game = galaxy(1000, 1000);
    MapScroll scroll;
    scroll.h.viewport = 800;
    scroll.v.viewport = 600;
    setCanvasSize(scroll, game, 35);
    scroll.h.position = 17000;
    scroll.v.position = 9000;
    const QRect area = visibleCanvasArea(scroll, 16);
    EXPECT_EQ(area, QRect(17000 - 16, 9000 - 16, 832, 632));
    // A canvas smaller than the viewport is covered whole.
    scroll.h = {800, 0, 172, 455};
    scroll.v = {600, 0, 90, 420};
    EXPECT_EQ(visibleCanvasArea(scroll, 0), QRect(0, 0, 455, 420));
}

std::string numbered(const char* prefix, int k)
{
    std::string name = prefix;
    name += std::to_string(k);
    return name;
}

// A busy map painted on the visible part only looks exactly like the same part of the whole
// canvas painted at once.
TEST(MapRendering, VisiblePartMatchesTheWholeCanvas)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(0, 200);
    Game game = galaxy(200, 200);
    for (int k = 1; k <= 30; ++k) {
        playerrecord player;
        player.name = numbered("R", k);
        game.turn.players.push_back(player);
    }
    for (int k = 0; k < 400; ++k) {
        planetrecord p = planet(numbered("P", k), coordinate(random), coordinate(random),
                                static_cast<std::int32_t>(k % 7) - 3, coordinate(random) * 10);
        if (k % 50 == 0 && k > 0) {
            p.x = game.turn.planets.back().x; // overlapping planets
            p.y = game.turn.planets.back().y;
        }
        p.population = p.size / 2;
        p.industry = p.size / 3;
        p.resources = 1.5;
        p.owngroups = k % 3 == 0;
        p.aliengroups = k % 5 == 0;
        p.hadbattle = k % 11 == 0;
        p.battlesize = 3;
        p.groupspeeds = {12, 30};
        game.turn.planets.push_back(p);
    }
    for (int k = 0; k + 3 < 400; k += 9) {
        routerecord r;
        r.name = numbered("P", k);
        r.capital = numbered("P", k + 1);
        r.colonists = numbered("P", k + 3);
        game.turn.routes.push_back(r);
        incomingrecord in = incoming(coordinate(random), coordinate(random), 40, 7);
        in.originy = coordinate(random);
        game.turn.incominggroups.push_back(in);
        game.turn.mapmarks.push_back({coordinate(random), coordinate(random), static_cast<std::uint8_t>(k % 2)});
    }
    ViewState view = maptest::zoomed(6);
    view.firstselection = {game.turn.planets[5].x, game.turn.planets[5].y, 0, 2, 2, "P5"};
    view.secondselection = {game.turn.planets[9].x, game.turn.planets[9].y, 0, 2, 2, "P9"};
    MapDisplay display;
    display.toggles.fill(true);
    display.set(tgShowInfo, false);
    display.set(tgPlanetSize, false);

    MapScroll scroll;
    scroll.h.viewport = 300;
    scroll.v.viewport = 220;
    setCanvasSize(scroll, game, 6);
    scroll.h.position = 410;
    scroll.v.position = 333;

    MapCanvas whole(QRect(0, 0, scroll.h.canvas, scroll.v.canvas));
    MapRenderer(game, view, display, scroll).paint(whole);
    MapCanvas part(visibleCanvasArea(scroll));
    MapRenderer(game, view, display, scroll).paint(part);
    int differences = 0, drawn = 0;
    for (int y = 333; y < 333 + 220; ++y)
        for (int x = 410; x < 410 + 300; ++x) {
            differences += whole.pixel(x, y) != part.pixel(x, y);
            drawn += part.pixel(x, y) != c::black;
        }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(drawn, 1000);
}

} // namespace
} // namespace orrery

// The map's layers, pixel by pixel.

#include "maprenderer.h"
#include "mappixels.h"
#include "maptestgame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <tuple>

namespace orrery {
namespace {

namespace c = mapcolour;
using namespace maptest;

// A 100 x 100 Standard galaxy at zoom 4 (canvas 455 x 420), all of it in view, every toggle off.
// Map (x, y) is canvas (4x + 25, 4y): a planet at (50, 50) has its symbol's corner at (225, 200).
struct Scene {
    Game game = galaxy();
    ViewState view = zoomed(4);
    MapDisplay display;
    MapScroll scroll = wholeCanvas(game, 4);

    std::unique_ptr<MapCanvas> paint() const
    {
        auto canvas = std::make_unique<MapCanvas>(QRect(0, 0, scroll.h.canvas, scroll.v.canvas));
        MapRenderer(game, view, display, scroll).paint(*canvas);
        return canvas;
    }
    void show(std::initializer_list<ToggleIndex> toggles)
    {
        display.toggles.fill(false);
        for (ToggleIndex t : toggles) display.set(t, true);
    }
    planetrecord& add(const char* name, double x, double y, std::int32_t ownercode = ocOther, double size = 500)
    {
        return game.turn.planets.emplace_back(makePlanet(name, x, y, ownercode, size));
    }
    void addPlayers(int count)
    {
        for (int k = 1; k <= count; ++k) game.turn.players.push_back(makePlayer("Race" + std::to_string(k)));
    }
    void bomb(double x, double y)
    {
        bombingrecord& b = game.turn.bombings.emplace_back();
        std::tie(b.x, b.y) = std::pair{x, y};
    }
};
struct MapLayer : Scene, testing::Test {};

// One row of a layer table: what it puts into the empty scene, and the pixels that must follow.
struct Layer {
    const char* what;
    std::function<void(Scene&)> setup;
    Pixels pixels;
};
void expectLayers(const std::vector<Layer>& rows)
{
    for (const Layer& r : rows) {
        SCOPED_TRACE(r.what);
        Scene scene;
        r.setup(scene);
        expectPixels(*scene.paint(), r.pixels);
    }
}

// The 5 x 5 round symbol with its corner at (x, y): its middle and the middle of each edge in the
// colour, its corners and the pixels beside it black.
Pixels symbol(int x, int y, QRgb colour)
{
    return {{x + 2, y + 2, colour},   {x, y + 2, colour},       {x + 4, y + 2, colour},   {x + 2, y, colour},
            {x + 2, y + 4, colour},   {x, y, c::black},         {x + 4, y + 4, c::black}, {x - 1, y + 2, c::black},
            {x + 5, y + 2, c::black}, {x + 2, y + 5, c::black}};
}

// A race-coloured mark at (x, y): three bars of 5 x 2 pixels, nothing right of or below them.
Pixels bars(int x, int y, QRgb top, QRgb middle, QRgb bottom)
{
    Pixels pixels = {{x + 5, y, c::black}, {x, y + 6, c::black}};
    for (int col = x; col < x + 5; ++col)
        for (int row = 0; row < 6; ++row) pixels.push_back({col, y + row, row < 2 ? top : row < 4 ? middle : bottom});
    return pixels;
}

// P at (50, 50) with own and other ships, a battle of size 3, the information figures size 1000
// (bar 15), unknown population, industry 200 (3), resources 2 (3), and strengths 4.7 (4), 0, 15.
planetrecord& busyPlanet(Scene& s, std::int32_t ownercode, std::initializer_list<ToggleIndex> toggles)
{
    planetrecord& p = s.add("P", 50, 50, ownercode, 1000);
    std::tie(p.owngroups, p.aliengroups, p.hadbattle, p.battlesize) = std::tuple{1, 1, 1, 3};
    std::tie(p.population, p.industry, p.resources) = std::tuple{unknownvalue, 200.0, 2.0};
    std::tie(p.defencescale, p.attackscale, p.shipscale) = std::tuple{4.7, 0.0, 15.0};
    s.show(toggles);
    return p;
}

// White bars from x0 on P's rows Y-1, Y+1, Y+3, Y+5: a bar of length L is the line from x0 up to
// x0 + 1 + L; -1 where the value is not above 0 and no bar is drawn.
Pixels whiteBars(int x0, std::array<int, 4> lengths)
{
    Pixels pixels;
    for (int k = 0; k < 4; ++k) {
        const int row = 199 + 2 * k, n = lengths[static_cast<std::size_t>(k)];
        pixels.insert(pixels.end(), {{x0 - 1, row, c::black}, {x0 + n + 1, row, c::black}});
        if (n >= 0) pixels.insert(pixels.end(), {{x0, row, c::white}, {x0 + n, row, c::white}});
    }
    return pixels;
}

TEST(MapLayers, PlanetSymbols)
{
    using S = Scene;
    expectLayers({
        // Colours, for a planet at (0, 20): drawn from canvas x 25, right of the margin.
        {"own", [](S& s) { s.add("P", 0, 20, ocOwn); }, symbol(25, 80, c::lime)},
        {"other race", [](S& s) { s.add("P", 0, 20); }, symbol(25, 80, c::red)},
        {"other race in Blind Galaxy", [](S& s) { s.game.gametype = gtBlind; s.add("P", -50, -30); },
         symbol(25, 80, c::blue)},
        {"known owner, intelligence off", [](S& s) { s.add("P", 0, 20, -3); }, symbol(25, 80, c::red)},
        {"known owner, intelligence off, Blind", [](S& s) { s.game.gametype = gtBlind; s.add("P", -50, -30, -3); },
         symbol(25, 80, c::red)},
        {"uninhabited", [](S& s) { s.add("P", 0, 20, ocUninhabited); }, symbol(25, 80, c::gray)},
        {"bombed", [](S& s) { s.add("P", 0, 20); s.bomb(0, 20); s.show({tgShowBombings}); }, symbol(25, 80, c::white)},
        {"bombed, bombings not shown", [](S& s) { s.add("P", 0, 20); s.bomb(0, 20); }, symbol(25, 80, c::red)},
        {"bombed uninhabited", [](S& s) { s.add("P", 0, 20, ocUninhabited); s.bomb(0, 20); s.show({tgShowBombings}); },
         symbol(25, 80, c::white)},
        {"bombed own planet stays lime",
         [](S& s) { s.add("P", 0, 20, ocOwn); s.bomb(0, 20); s.show({tgShowBombings}); },
         symbol(25, 80, c::lime)},
        // Sizes shown: Big (1000) 11 pixels from (105, 80), Tiny (49) one pixel, Unknown (-1) none.
        {"planet sizes",
         [](S& s) {
             s.show({tgPlanetSize});
             s.add("Big", 20, 20, ocOwn, 1000); s.add("Tiny", 60, 20, ocOwn, 49); s.add("Unknown", 60, 60, ocOwn, -1);
         },
         {{105, 85, c::lime}, {115, 85, c::lime}, {116, 85, c::black}, {110, 80, c::lime}, {110, 90, c::lime},
          {110, 91, c::black}, {105, 80, c::black}, {265, 80, c::lime}, {266, 80, c::black}, {265, 81, c::black},
          {265, 240, c::black}}},
        // A planet drawn where an earlier one is gets a white frame: Rectangle(X-1, Y-1, X+w+2, Y+h+2),
        // for uninhabited planets one pixel smaller.
        {"one planet: no frame", [](S& s) { s.add("A", 50, 50); }, {{224, 199, c::black}, {231, 206, c::black}}},
        {"the second at the same pixel is framed", [](S& s) { s.add("A", 50, 50); s.add("B", 50, 50); },
         {{224, 199, c::white}, {231, 199, c::white}, {224, 206, c::white}, {231, 206, c::white}, {228, 206, c::white},
          {230, 205, c::black}, {232, 199, c::black}, {224, 207, c::black}}},
        {"uninhabited planets: a smaller frame",
         [](S& s) { s.add("A", 50, 50, ocUninhabited); s.add("B", 50, 50, ocUninhabited); },
         {{224, 199, c::white}, {230, 205, c::white}, {230, 199, c::white}, {224, 205, c::white}, {231, 206, c::black},
          {227, 202, c::gray}}},
        // Races known from intelligence, race k: bars Palette A[k mod 6], B[(k div 6) mod 7], A[k div
        // 36], whatever the planet's size.
        {"race 40",
         [](S& s) { s.addPlayers(40); s.show({tgShowIntelligence, tgPlanetSize}); s.add("P", 50, 50, -40, 1500); },
         bars(225, 200, c::fuchsia, c::navy, c::aqua)},
        {"race 1", [](S& s) { s.addPlayers(1); s.show({tgShowIntelligence}); s.add("P", 50, 50, -1); },
         bars(225, 200, c::aqua, c::olive, c::yellow)},
        {"race 216: palette A wraps", [](S& s) { s.show({tgShowIntelligence}); s.add("P", 50, 50, -216); },
         bars(225, 200, c::yellow, c::gray, c::yellow)},
        {"pseudo player 0 (1000 + 1)", [](S& s) { s.show({tgShowIntelligence}); s.add("P", 50, 50, -1001); },
         bars(225, 200, c::aqua, c::olive, c::yellow)},
        // "Find Race" with its check box: a yellow square over the planets where the race has ships.
        {"find race, check box off",
         [](S& s) { s.add("P", 50, 50).alienraces = {"Zed"}; s.display.highlight.findRace = "Zed"; },
         symbol(225, 200, c::red)},
        {"find race with ships",
         [](S& s) {
             s.add("P", 50, 50).alienraces = {"Zed"}; s.add("U", 20, 20, ocUninhabited).alienraces = {"Zed"};
             s.display.highlight = {"Zed", true, std::nullopt};
         },
         {{225, 200, c::yellow}, {229, 204, c::yellow}, {230, 204, c::black}, {105, 80, c::yellow},
          {109, 84, c::yellow}, {110, 84, c::black}}},
        // Out of the viewport (100 x 100 from (200, 200)): Far's symbol and bar at (65, 40) left out.
        {"out of view",
         [](S& s) {
             s.show({tgShowInfo}); s.add("Far", 10, 10, ocOwn, 1000); s.add("Near", 60, 60, ocOwn, 1000);
             s.scroll.h = {100, 200, 0, 455}; s.scroll.v = {100, 200, 0, 420};
         },
         {{67, 42, c::black}, {72, 39, c::black}, {267, 242, c::lime}, {272, 239, c::white}}},
    });
}

// Ship marks: a green plus left of the symbol for own groups, a red one right of it for others';
// battle rings (one, or battlesize with battle sizes) push them 2 pixels further out. Bars of the
// information or strength figures start 2 pixels right of the symbol.
TEST(MapLayers, RingsMarksAndBars)
{
    using S = Scene;
    expectLayers({
        {"battles not shown: marks beside the symbol", [](S& s) { busyPlanet(s, ocOther, {tgShowShips2}); },
         {{222, 198, c::green}, {224, 198, c::green}, {225, 198, c::black}, {223, 197, c::green}, {223, 199, c::green},
          {223, 200, c::black}, {232, 198, c::red}, {229, 198, c::black}, {231, 197, c::red}, {223, 202, c::black}}},
        {"one ring without battle sizes", [](S& s) { busyPlanet(s, ocOther, {tgShowShips2, tgShowBattles}); },
         {{223, 202, c::fuchsia}, {222, 202, c::black}, {231, 202, c::fuchsia}, {220, 198, c::green},
          {221, 197, c::green}, {234, 198, c::red}, {233, 197, c::red}}},
        {"battlesize rings", [](S& s) { busyPlanet(s, ocOther, {tgShowBattles, tgBattleSize}); },
         {{221, 202, c::fuchsia}, {222, 202, c::fuchsia}, {223, 202, c::fuchsia}, {231, 202, c::fuchsia},
          {232, 202, c::fuchsia}, {233, 202, c::fuchsia}, {220, 202, c::black}, {224, 202, c::black}}},
        {"square rings around a race mark: Rectangle(X-1-i, Y-1-i, X+6+i, Y+7+i)",
         [](S& s) { s.addPlayers(3); busyPlanet(s, -2, {tgShowBattles, tgBattleSize, tgShowIntelligence}); },
         {{223, 198, c::fuchsia}, {231, 207, c::fuchsia}, {224, 199, c::black}, {221, 208, c::fuchsia}}},
        {"uninhabited planets get rings and marks too",
         [](S& s) { busyPlanet(s, ocUninhabited, {tgShowShips2, tgShowBattles}); },
         {{223, 202, c::fuchsia}, {234, 198, c::red}, {220, 198, c::green}}},
        {"information: 1000 gives 15", [](S& s) { busyPlanet(s, ocOwn, {tgShowInfo}); },
         whiteBars(232, {15, -1, 3, 3})},
        {"information after an 11 pixel symbol", [](S& s) { busyPlanet(s, ocOwn, {tgShowInfo, tgPlanetSize}); },
         whiteBars(238, {15, -1, 3, 3})},
        {"strength", [](S& s) { busyPlanet(s, ocOwn, {tgShowInfo2}); }, whiteBars(232, {4, -1, 15, -1})},
        {"information wins over strength", [](S& s) { busyPlanet(s, ocOwn, {tgShowInfo, tgShowInfo2}); },
         whiteBars(232, {15, -1, 3, 3})},
    });
}

// P (race 40), Q (own race 3) and a pseudo player's planet, with "Find Race" and the races table: a
// highlighted race's marks turn yellow (P's, else navy), never the own race's (olive) nor a pseudo's.
void raceScene(Scene& s, std::optional<std::string> findRace, std::optional<std::string> racesTable)
{
    s.show({tgShowIntelligence});
    s.addPlayers(40);
    s.game.ownrace = "Race3";
    s.add("P", 50, 50, -40); s.add("Q", 20, 20, -3); s.add("Pseudo", 80, 80, -1040);
    s.display.highlight.findRace = findRace;
    s.display.highlight.racesTableSelection = racesTable;
}
Pixels raceColours(bool highlighted)
{
    return {{227, 202, highlighted ? c::yellow : c::navy}, {107, 82, c::olive}, {347, 322, c::navy}};
}

TEST(MapLayers, HighlightsMarksAndBlindCircles)
{
    using S = Scene;
    expectLayers({
        {"Find Race", [](S& s) { raceScene(s, "Race40", {}); }, raceColours(true)},
        {"Find Race on another race", [](S& s) { raceScene(s, "Race7", {}); }, raceColours(false)},
        {"Find Race on the own race", [](S& s) { raceScene(s, "Race3", {}); }, raceColours(false)},
        {"races table", [](S& s) { raceScene(s, {}, "Race40"); }, raceColours(true)},
        {"the races table wins", [](S& s) { raceScene(s, "Race40", "Race7"); }, raceColours(false)},
        {"the races table's own race", [](S& s) { raceScene(s, "Race40", "Race3"); }, raceColours(false)},
        // Ships in hyperspace: 3 x 3 squares at (4x + 25, 4y) in every variant, fuchsia for enemies,
        // yellow for own ships.
        {"hyperspace marks not shown", [](S& s) { s.game.turn.mapmarks = {{30, 40, 1}}; }, {{145, 160, c::black}}},
        {"hyperspace marks",
         [](S& s) {
             s.game.gametype = gtBlind;
             s.game.turn.mapmarks = {{30, 40, 1}, {60, 40, 0}};
             s.show({tgShowShips});
         },
         {{145, 160, c::fuchsia}, {147, 162, c::fuchsia}, {148, 162, c::black}, {147, 163, c::black},
          {144, 160, c::black}, {145, 159, c::black}, {265, 160, c::yellow}, {267, 162, c::yellow}}},
        // Circles of 10 and 20 around the selection (-20, 10) in Blind Galaxy: centred on the symbol's
        // middle, (147, 242), or (147, 162) with the y axis up.
        {"circles in Blind Galaxy",
         [](S& s) { s.game.gametype = gtBlind; s.view.firstselection = {-20, 10, 0, 2, 2, "P"}; s.show({tgCircles}); },
         {{147, 202, c::white}, {147, 201, c::black}, {107, 242, c::white}, {187, 242, c::white},
          {147, 282, c::white}}},
        {"circles in Blind Galaxy, cartesian",
         [](S& s) {
             s.game.gametype = gtBlind; s.game.gameoptions.cartesian = true; s.show({tgCircles});
             s.view.firstselection = {-20, 10, 0, 2, 2, "P"};
         },
         {{147, 122, c::white}, {147, 121, c::black}, {107, 162, c::white}, {187, 162, c::white},
          {147, 202, c::white}}},
    });
}

// Routes of planet A (10, 50) to B (60, 50): from the symbols' middles plus one, (68, 203) and
// (268, 203), each kind shifted sideways (CAP -3, MAT -1, COL +1, EMP +3) and shortened by 2 at
// both ends.
TEST_F(MapLayer, Routes)
{
    add("A", 10, 50, ocOwn); add("B", 60, 50); add("C", 10, 90);
    routerecord& route = game.turn.routes.emplace_back();
    route.name = "A";
    route.capital = route.material = route.colonists = route.empty = "B";
    show({tgCAP, tgMAT, tgCOL, tgEMP});
    expectPixels(*paint(), {{168, 200, c::yellow}, {168, 202, c::fuchsia}, {168, 204, c::aqua}, {168, 206, c::red},
                            {168, 203, c::black}, {70, 200, c::yellow}, {69, 200, c::black}});
    for (const auto& [what, capital, capShown] : {std::tuple{"no route", "", true}, {"\"-\"", "-", true},
                                                  {"to its own start", "A", true}, {"unknown planet", "Nowhere", true},
                                                  {"toggle off", "B", false}}) {
        SCOPED_TRACE(what);
        route.capital = capital;
        display.set(tgCAP, capShown);
        auto canvas = paint();
        EXPECT_EQ(countOf(*canvas, c::yellow), 0u) << "no CAP arrow";
        EXPECT_GT(countOf(*canvas, c::fuchsia), 0u) << "the other kinds are still drawn";
    }
    // Mostly vertical (A to C, (68, 363)): shifted in x, shortened in y.
    route.capital = "C";
    show({tgCAP});
    expectPixels(*paint(), {{65, 283, c::yellow}, {65, 205, c::yellow}, {65, 204, c::black}});
    // Ends are found by altname too; the start's middle follows its stored symbol radii (here 3
    // pixels lower): the CAP arrow to B starts 3 rows lower, 2 pixels in.
    game.turn.planets[0].name = "Home";
    game.turn.planets[0].altname = route.name = "7";
    route.capital = "B";
    route.symbolsizes[1] = 5;
    expectPixels(*paint(), {{70, 203, c::yellow}, {70, 200, c::black}});
}

TEST(MapArrow, HeadAtTheEnd)
{
    MapCanvas canvas(QRect(0, 0, 40, 40));
    DrawArrow(canvas, c::red, 5, 20, 25, 20);
    // The line from the start, the head's tip at the end, its back corners 4 back and 4 aside.
    expectPixels(canvas, {{5, 20, c::red}, {4, 20, c::black}, {25, 20, c::red}, {26, 20, c::black}, {21, 16, c::red},
                          {21, 24, c::red}, {20, 15, c::black}, {23, 19, c::red}});
    DrawArrow(canvas, c::lime, 5, 5, 5, 5);
    EXPECT_EQ(countOf(canvas, c::lime), 0u) << "both ends at one place: nothing";
}

// A label on the map: the cell of the text drawn with its top-left corner at (x, y) in a colour
// on black; returns how many pixels of that colour it has.
std::size_t expectLabel(const MapCanvas& map, QRgb colour, int x, int y, const std::string& label)
{
    MapCanvas reference(map.area());
    reference.setFontColour(colour);
    reference.setBrush(c::black);
    reference.text(x, y, label);
    expectSamePixels(map, reference, QRect(x, y, reference.textWidth(label), reference.textHeight(label)));
    return countOf(reference, colour);
}
int widthOf(const std::string& text) { return MapCanvas(QRect(0, 0, 1, 1)).textWidth(text); }
int heightOf(const std::string& text) { return MapCanvas(QRect(0, 0, 1, 1)).textHeight(text); }

// The label (altname, else name) centred under the symbol at (225, 200), 2 pixels below it, in
// gray; not drawn when the name's middle lies left of the view.
TEST_F(MapLayer, NamesUnderTheSymbols)
{
    show({tgNames});
    game.gametype = gtBlind;
    add("Alpha", 0, 0, ocOwn).altname = "12";
    auto canvas = paint();
    EXPECT_EQ(expectLabel(*canvas, c::gray, 225 - widthOf("12") / 2 + 2, 200 + 5 + 2, "12"), countOf(*canvas, c::gray));
    scroll.h.viewport = 100;
    scroll.h.position = 225 + widthOf("Alpha") / 2;
    EXPECT_EQ(countOf(*paint(), c::gray), 0u);
}

// The distance line from (67, 42) up to, not including, (187, 202), only with both selections;
// the distance as 4:3 in the middle, white on black.
TEST_F(MapLayer, DistanceLineAndLabel)
{
    show({tgDistance});
    view.firstselection = {10, 10, 0, 2, 2, "A"};
    EXPECT_EQ(countOf(*paint(), c::white), 0u) << "one selection: no line";
    view.secondselection = {40, 50, 0, 2, 2, "B"};
    auto canvas = paint();
    expectPixels(*canvas, {{67, 42, c::white}, {186, 201, c::white}, {187, 202, c::black}});
    expectLabel(*canvas, c::white, 67 + 60 - widthOf("50.000") / 2, 42 + 80 - heightOf("50.000") / 2, "50.000");
}

incomingrecord incoming(double fromX, double toX, double distance, double speed)
{
    incomingrecord r;
    std::tie(r.origin, r.destination, r.originx, r.originy, r.destinationx, r.destinationy) =
        std::tuple{shortname("From"), shortname("To"), fromX, 10.0, toX, 10.0};
    std::tie(r.distance, r.speed) = std::pair{distance, speed};
    return r;
}

// An incoming group at map y 10: a silver line to where it is now, a gray arrow on to its
// destination, a 3 x 3 silver square where it is and one at each further turn (rows 41 .. 43).
TEST_F(MapLayer, IncomingGroupsWithTurnDots)
{
    show({tgShowIncoming});
    struct Row {
        const char* what;
        incomingrecord record;
        int squares, nowX; // the squares on the row, the map x of the group now
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
        for (int x = 0; x < scroll.h.canvas; ++x) silver += canvas->pixel(x, 41) == c::silver;
        EXPECT_EQ(silver, 3 * r.squares);
        const int now = 4 * r.nowX + 27, tip = 4 * static_cast<int>(r.record.destinationx) + 27;
        expectPixels(*canvas, {{now - 1, 41, c::silver}, {now + 1, 43, c::silver}, {tip, 42, c::gray}});
    }
    // Unknown ends, no speed, backwards, nowhere to go: the group after them is drawn, nothing else.
    const incomingrecord good = incoming(10, 60, 20, 25);
    game.turn.incominggroups = {incoming(unknownposition, 60, 50, 10), incoming(10, 60, 50, 10),
                                incoming(10, 60, 20, 0), incoming(10, 60, 20, -5), incoming(30, 30, 0, 10), good};
    game.turn.incominggroups[1].destinationy = unknownposition;
    auto canvas = paint();
    game.turn.incominggroups = {good};
    auto alone = paint();
    EXPECT_EQ(countOf(*canvas, c::silver), countOf(*alone, c::silver));
    EXPECT_EQ(countOf(*canvas, c::gray), countOf(*alone, c::gray));
    game.turn.incominggroups = {incoming(10, 60, 50, 1e-9)};
    EXPECT_GT(countOf(*paint(), c::silver), 0u) << "a crawling group: its dots are bounded";
}

// Runs of a colour along one canvas row (a circle crosses a row twice).
int runsInRow(const MapCanvas& canvas, int y, QRgb colour)
{
    int runs = 0;
    for (int x = canvas.area().left(); x <= canvas.area().right(); ++x)
        runs += canvas.pixel(x, y) == colour && canvas.pixel(x - 1, y) != colour;
    return runs;
}

// Circles around the most recent selection's symbol middle, (227, 202) for a planet at (50, 50):
// the fixed radii (10 and 20 map units, 40 and 80 pixels), or the planet's group speeds, else its
// fleet speeds.
TEST_F(MapLayer, CirclesAroundTheRecentSelection)
{
    show({tgCircles, tgDistance});
    EXPECT_EQ(countOf(*paint(), c::white), 0u) << "no selection: nothing";
    view.firstselection = {50, 50, 0, 2, 2, "P"};
    auto canvas = paint();
    EXPECT_EQ(runsInRow(*canvas, 202, c::white), 4);
    expectPixels(*canvas, {{187, 202, c::white}, {186, 202, c::black}, {267, 202, c::white}, {268, 202, c::black},
                           {147, 202, c::white}, {227, 162, c::white}, {227, 161, c::black}, {227, 242, c::white}});
    display.numOfCircles = 3;
    display.rangeInterval = 5;
    EXPECT_EQ(runsInRow(*paint(), 202, c::white), 6);

    show({tgCircles, tgGroupDistance, tgFleetDistance});
    planetrecord& p = add("P", 50, 50, ocOwn);
    std::tie(p.groupspeeds, p.fleetspeeds) = std::pair{std::vector{5.0, 12.5}, std::vector{7.0}};
    canvas = paint();
    EXPECT_EQ(runsInRow(*canvas, 202, c::white), 4) << "group speeds win over fleet speeds";
    expectPixels(*canvas, {{207, 202, c::white}, {177, 202, c::white}});
    display.set(tgGroupDistance, false);
    EXPECT_EQ(runsInRow(*paint(), 202, c::white), 2);
    p.fleetspeeds.clear();
    EXPECT_EQ(countOf(*paint(), c::white), 0u) << "no speeds: no circles, not the fixed ones";
    p.fleetspeeds = {7};
    view.firstselection.name = "Elsewhere";
    EXPECT_EQ(countOf(*paint(), c::white), 0u) << "no planet of that name";
}

// Broken report values (huge or endless numbers, absurd sizes) must not overflow pixel arithmetic:
// the paint ends, and what can be placed is still drawn.
TEST_F(MapLayer, AbsurdValuesPaintSafely)
{
    planetrecord& wide = busyPlanet(*this, ocOwn, {});
    wide.name = "Wide";
    std::tie(wide.x, wide.y, wide.size, wide.battlesize) = std::tuple{1e15, -1e15, 1e14, 20};
    wide.population = wide.industry = wide.resources = 1e300;
    wide.groupspeeds = {1e12, std::nan("")};
    add("Odd", std::nan(""), 50, -5, 1e300); add("Fine", 50, 50, ocOwn);
    display.toggles.fill(true);
    addPlayers(5);
    routerecord& r = game.turn.routes.emplace_back();
    std::tie(r.name, r.capital, r.material) = std::tuple{shortname("Fine"), shortname("Wide"), shortname("Odd")};
    game.turn.incominggroups = {incoming(-1e18, 1e18, 1e17, 1e-300), incoming(10, 60, 50, 10)};
    game.turn.mapmarks = {{1e20, -1e20, 1}};
    view.firstselection = {1e15, -1e15, 0, 2, 2, "Wide"};
    view.secondselection = {50, 50, 0, 2, 2, "Fine"};
    correctBecauseOfPlanetSizeButton(game, view, true);
    auto canvas = paint();
    expectPixels(*canvas, {{227, 202, c::lime}});
    EXPECT_GT(countOf(*canvas, c::silver), 0u) << "the incoming group after the broken one";
}

// A paint covers the visible part of the canvas and a margin of 16 pixels around it (a canvas
// smaller than the viewport whole); a busy map painted there looks exactly like the same part of
// the whole canvas painted at once.
TEST(MapRendering, VisiblePartMatchesTheWholeCanvas)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(0, 200);
    Scene s;
    s.game = galaxy(200, 200);
    s.addPlayers(30);
    const std::vector<planetrecord>& planets = s.game.turn.planets;
    for (int k = 0; k < 400; ++k) {
        const double x = coordinate(random), y = coordinate(random);
        planetrecord& p = s.add("", x, y, k % 7 - 3, coordinate(random) * 10);
        p.name = "P" + std::to_string(k);
        if (k % 50 == 0 && k > 0) std::tie(p.x, p.y) = std::pair{planets[k - 1].x, planets[k - 1].y}; // overlapping
        std::tie(p.owngroups, p.aliengroups, p.hadbattle) = std::tuple{k % 3 == 0, k % 5 == 0, k % 11 == 0};
        std::tie(p.defencescale, p.shipscale, p.groupspeeds) = std::tuple{k % 9, k % 4, std::vector{12.0, 30.0}};
    }
    for (int k = 0; k + 3 < 400; k += 9) {
        routerecord& r = s.game.turn.routes.emplace_back();
        std::tie(r.name, r.capital, r.colonists) = std::tie(planets[k].name, planets[k + 1].name, planets[k + 3].name);
        s.game.turn.incominggroups.push_back(incoming(coordinate(random), coordinate(random), 40, 7));
        s.game.turn.incominggroups.back().originy = coordinate(random);
        s.game.turn.mapmarks.push_back({coordinate(random), coordinate(random), static_cast<std::uint8_t>(k % 2)});
    }
    s.view = zoomed(6);
    s.view.firstselection = {planets[5].x, planets[5].y, 0, 2, 2, "P5"};
    s.view.secondselection = {planets[9].x, planets[9].y, 0, 2, 2, "P9"};
    s.display.toggles.fill(true);
    s.display.set(tgShowInfo, false);
    s.display.set(tgPlanetSize, false);
    s.scroll = viewport(s.game, 6, 300, 220);
    s.scroll.h.position = 410;
    s.scroll.v.position = 333;
    ASSERT_EQ(visibleCanvasArea(s.scroll), QRect(410 - 16, 333 - 16, 300 + 32, 220 + 32));
    EXPECT_EQ(visibleCanvasArea({{800, 0, 172, 455}, {600, 0, 90, 420}}, 0), QRect(0, 0, 455, 420));
    auto whole = s.paint();
    MapCanvas part(visibleCanvasArea(s.scroll));
    MapRenderer(s.game, s.view, s.display, s.scroll).paint(part);
    const QRect visible(410, 333, 300, 220);
    expectSamePixels(part, *whole, visible);
    EXPECT_GT(pixelsOf(part).size(), 1000u);
}

} // namespace
} // namespace orrery

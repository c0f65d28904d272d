#pragma once

// The star map of the shown turn, drawn layer by layer onto a MapCanvas:
//   1. uninhabited planets, 2. all other planets (owners, intelligence marks, battle rings, ships
//   at planets, find-race highlight), 3. cargo routes, 4. planet names, 5. information or strength
//   bars, 6. ships in hyperspace (marks of the report's text map), 7. incoming groups with a dot
//   per further turn, 8. the distance line between the two selections, 9. distance or range
//   circles around the most recent selection.
// Each optional layer follows one display toggle. The whole map is drawn on every paint; planets,
// bars and marks outside the viewport (IsNearView) are skipped, everything else is clipped by the
// canvas. Nothing here changes the game.
//
// Use from the main window's paint handler:
//   MapCanvas canvas(visibleCanvasArea(scroll));
//   MapRenderer(game, view, display, scroll).paint(canvas);
//   then draw canvas.image() at canvas.area().topLeft() of the canvas widget, and keep the image
//   to answer whether a pressed pixel is black.

#include "configuration.h"
#include "gamedata.h"
#include "mapcanvas.h"
#include "mapgeometry.h"
#include "position.h"
#include "viewstate.h"

#include <array>
#include <optional>
#include <string>

namespace orrery {

// The two windows that make the map highlight a race while they are open.
struct MapHighlight {
    // "Find Race" open: its race name; nullopt while the window is closed.
    std::optional<std::string> findRace;
    // Its check box "find planets where race has ships too".
    bool findRaceShips = false;
    // Races table open with a selected row: the row's first cell (the race); nullopt otherwise.
    std::optional<std::string> racesTableSelection;
};

// What the map shows: the display toggles, the distance circles of the program options and the
// highlighting windows.
struct MapDisplay {
    std::array<bool, toggleCount> toggles{};
    std::int32_t numOfCircles = 2;
    std::int32_t rangeInterval = 10;
    MapHighlight highlight;

    bool on(ToggleIndex t) const { return toggles[static_cast<std::size_t>(t)]; }
    void set(ToggleIndex t, bool value) { toggles[static_cast<std::size_t>(t)] = value; }
    static MapDisplay from(const Configuration& configuration);
};

// Race colours. A planet whose owner is race k (from 1) of the status table, known only from
// intelligence, gets three bars: Palette A[k mod 6], Palette B[(k div 6) mod 7], Palette A[k div 36].
// Palette A wraps beyond its 6 entries (race 216 and up).
QRgb paletteA(int index);
QRgb paletteB(int index);
struct RaceBars {
    QRgb top;
    QRgb middle;
    QRgb bottom;
};
RaceBars raceBars(int race);

// A line from (x1, y1) to (x2, y2) with a filled head 4 pixels long and 8 wide at its end, in one
// colour; nothing when both ends coincide.
void DrawArrow(MapCanvas& canvas, QRgb colour, double x1, double y1, double x2, double y2);

// The canvas rectangle one paint needs: the visible part of the canvas and margin pixels around
// it (the renderer reads back pixels near the edges to frame overlapping planets).
QRect visibleCanvasArea(const MapScroll& scroll, int margin = 16);

// Dots of an incoming group drawn at most (a very slow group would otherwise need millions).
constexpr int maxIncomingDots = 1000;

class MapRenderer {
public:
    // Everything is read at paint time; the renderer keeps references, so it lives no longer than
    // one paint.
    MapRenderer(const Game& game, const ViewState& view, const MapDisplay& display, const MapScroll& scroll);

    // All layers in order on a canvas that starts black.
    void paint(MapCanvas& canvas) const;

    void drawUninhabitedPlanets(MapCanvas& canvas) const;
    void drawPlanets(MapCanvas& canvas) const;
    void drawRoutes(MapCanvas& canvas) const;
    void drawNames(MapCanvas& canvas) const;
    void drawBars(MapCanvas& canvas) const;
    void drawHyperspaceMarks(MapCanvas& canvas) const;
    void drawIncomingGroups(MapCanvas& canvas) const;
    void drawDistance(MapCanvas& canvas) const;
    void drawCircles(MapCanvas& canvas) const;

    // The race whose intelligence marks turn yellow: the races table's selected race, else the
    // race of "Find Race"; empty for none or for the own race.
    std::string highlightName() const;

    const MapGeometry& geometry() const { return geometry_; }

private:
    struct Symbol {
        int x;
        int y;
        int w;
    };
    Symbol symbolOf(const planetrecord& planet) const;
    bool bombed(const planetrecord& planet) const;
    bool findRaceHighlights(const planetrecord& planet) const;
    void drawSymbol(MapCanvas& canvas, const Symbol& s) const;
    int drawBattleRings(MapCanvas& canvas, const planetrecord& planet, const Symbol& s, bool raceMark) const;
    void drawShipMarks(MapCanvas& canvas, const planetrecord& planet, const Symbol& s, int d) const;
    void drawRaceMark(MapCanvas& canvas, const planetrecord& planet, const Symbol& s) const;

    const Game& game_;
    const ViewState& view_;
    const MapDisplay& display_;
    const MapScroll& scroll_;
    MapGeometry geometry_;
    bool sizesShown_;
    std::string highlight_;
    PositionIndex bombings_; // where bombings are
};

} // namespace orrery

#pragma once

// Geometry of the star map: how map coordinates become canvas pixels and back, how large the
// canvas is, how zooming and scrolling keep the view in place, how big each planet symbol is, and
// the drawing fields the map keeps in the game records (symbol radii of routes and incoming
// groups, battle sizes of planets).
//
// The canvas is the whole map at the current zoom: mapwidth x zoom + 55 by mapheight x zoom + 20
// pixels, with a left margin of 25 pixels. It lies in a scrolling viewport; when it is smaller
// than the viewport it is centred in it (the canvas offset). Everything here is plain value code:
// the main window hands in its viewport's sizes and scroll positions as a MapScroll and applies
// what comes back.

#include "gamedata.h"
#include "viewstate.h"

#include <array>
#include <cstdint>
#include <optional>

namespace orrery {

struct MapPoint {
    double x = 0.0;
    double y = 0.0;
};

// Converts between map coordinates and canvas pixels for one game and one zoom. In Blind Galaxy
// the map is centred on (0, 0), and with the option "Cartesian" its y axis points up; the other
// variants run from 0 to mapwidth and mapheight with y pointing down.
class MapGeometry {
public:
    MapGeometry(const Game& game, std::int32_t zoom);
    MapGeometry(std::int32_t gametype, bool cartesian, std::int32_t mapwidth, std::int32_t mapheight,
                std::int32_t zoom);

    std::int32_t zoom() const { return zoom_; }
    bool blind() const { return blind_; }
    bool cartesian() const { return cartesian_; }
    std::int32_t mapwidth() const { return mapwidth_; }
    std::int32_t mapheight() const { return mapheight_; }

    // The canvas pixel of a map position: the top-left corner of a planet symbol there.
    int MapToScreenX(double x) const;
    int MapToScreenY(double y) const;

    // The corner of a ship mark of the report's text map: placed as in Standard Galaxy in every
    // variant (round(zoom x x) + 25, round(zoom x y)).
    int markToScreenX(double x) const;
    int markToScreenY(double y) const;

    // The map position under a canvas pixel, clamped to the galaxy (the "Mouse pos." readout);
    // nothing while the zoom is 0 or below.
    std::optional<MapPoint> ScreenToMap(int X, int Y) const;
    // The map position under the pointer for the distance readout: not clamped, and taken 2.5
    // pixels up and left so that the pointer over a symbol's centre measures from its corner.
    std::optional<MapPoint> pointerPosition(int X, int Y) const;

    int canvasWidth() const;
    int canvasHeight() const;

private:
    std::int32_t gametype_;
    bool blind_;
    bool cartesian_;
    std::int32_t mapwidth_;
    std::int32_t mapheight_;
    std::int32_t zoom_;
};

// Canvas sizes in pixels: mapwidth x zoom + 55 and mapheight x zoom + 20.
int canvasWidth(std::int32_t mapwidth, std::int32_t zoom);
int canvasHeight(std::int32_t mapheight, std::int32_t zoom);

// One axis of the scrolling viewport that holds the canvas.
struct ScrollAxis {
    int viewport = 0; // visible size in pixels
    int position = 0; // scroll position (the canvas pixel at the viewport's left or top edge)
    int offset = 0;   // canvas offset inside the viewport; above 0 only while the canvas is smaller
    int canvas = 0;   // canvas size in pixels

    int maxPosition() const { return canvas > viewport ? canvas - viewport : 0; }
    // The viewport keeps its scroll position within its range.
    void limit();
};

struct MapScroll {
    ScrollAxis h; // horizontal: widths, left offset
    ScrollAxis v; // vertical: heights, top offset
};

// Which zoom commands can be used at a zoom.
struct ZoomButtons {
    bool zoomIn = true;       // "zoom in" and its menu entry
    bool zoomInOnMouse = true; // "zoom in on mouse position"
    bool zoomOut = true;      // "zoom out"
    bool operator==(const ZoomButtons&) const = default;
};
ZoomButtons zoomButtonStates(std::int32_t zoom);
// Sets the zoom and returns the states of the zoom buttons.
ZoomButtons SetZoom(ViewState& view, std::int32_t zoom);

// Sizes the canvas for the game at the view's zoom; the scroll positions are then limited to the
// new range. The canvas offsets are left alone (see resizeViewport).
void setCanvasSize(MapScroll& scroll, const Game& game, std::int32_t zoom);

// One zoom step (+1 zoom in, -1 zoom out) that keeps the point in the middle of the viewport in
// the middle. False, and nothing changed, when the step would leave 1..35 or no zoom is set yet
// (a disabled button or menu entry).
bool zoomStep(ViewState& view, const Game& game, MapScroll& scroll, int step);

// "Zoom in on mouse position": one step in, then the pressed canvas pixel (X, Y) is scrolled to
// the middle of the viewport. False when zooming in is not possible.
bool zoomOnMousePosition(ViewState& view, const Game& game, MapScroll& scroll, int X, int Y);

// Scrolls so that a map position lies in the middle of the viewport (along each axis where the
// canvas is larger than the viewport). The caller repaints.
void CentreMapOn(const Game& game, const ViewState& view, MapScroll& scroll, double x, double y);

// The zoom that fits the galaxy's width into the viewport, brought into 1..35; nothing for a map
// without width (0 or below), which leaves the zoom as it was.
std::optional<std::int32_t> fitToWidthZoom(int viewportWidth, std::int32_t mapwidth);

// "Zoom to saved position": the configuration's zoom (or the fit to width without one), then
// the saved scroll position, or the middle of the canvas without one. The caller repaints.
void zoomToSavedPosition(ViewState& view, const Game& game, MapScroll& scroll);
// The canvas sized for the current zoom (fitted to the width when there is none yet) and scrolled
// to the saved position, or the middle without one: the map as a configuration starts.
void scrollToSavedPosition(ViewState& view, const Game& game, MapScroll& scroll);

// After the viewport changed size: a canvas smaller than the viewport is centred, a larger one
// sits at offset 0; scroll positions are limited to their range.
void resizeViewport(MapScroll& scroll);

// True when a canvas pixel lies in or near (6 pixels to the left and top) the visible part of
// the canvas. The renderer skips planets, bars and marks for which it is false.
bool IsNearView(const MapScroll& scroll, int X, int Y);

// Planet symbols: a square of side SymbolSize. With planet sizes shown it is round(size / 100)
// + 1 pixels and a planet of unknown size (below 0) is not drawn; otherwise every symbol is 5
// pixels. SymbolRadius (size div 2) is the offset from the corner to the symbol's centre.
int SymbolSize(const planetrecord& planet, bool planetSizesShown);
int SymbolRadius(const planetrecord& planet, bool planetSizesShown);
bool isSymbolDrawn(const planetrecord& planet, bool planetSizesShown);

// Battle sizes (the number of rings around a planet with a battle) from the mass each battle
// destroyed, scaled so that the largest battle gets 20 rings; only while battle sizes are shown.
void SetPlanetBattleSize(Game& game, bool battleSizesShown);

// Stores the symbol radii of the planets in the two selections, the incoming groups and the
// routes, so that lines and arrows end in the middle of the symbols after the planet-size toggle
// changed or a turn was read.
void correctBecauseOfPlanetSizeButton(Game& game, ViewState& view, bool planetSizesShown);

} // namespace orrery

#include "mapgeometry.h"

#include "textrules.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string_view>
#include <unordered_map>

namespace orrery {

namespace {

constexpr int leftMargin = 25;   // the canvas's margin left of map x = 0 (or of the left edge)
constexpr int extraWidth = 55;   // canvas pixels beyond mapwidth x zoom
constexpr int extraHeight = 20;  // canvas pixels beyond mapheight x zoom
constexpr int nearViewAllowance = 6;

int clampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Zoom step along one axis: the point in the middle of the viewport stays there. before is the
// canvas size before the zoom changed; the axis already holds the new canvas size.
void stepAxis(ScrollAxis& axis, int before)
{
    const int size = axis.canvas;
    const int view = axis.viewport;
    if (size > view) {
        if (view > before) axis.offset = 0;
        const double largest = std::max(before, view);
        const int centre = view / 2 + axis.position;
        axis.position = clampToInt(static_cast<long long>(std::trunc(centre / largest * size - centre))) + axis.position;
    } else {
        axis.offset = (view - size) / 2;
    }
    axis.limit();
}

// "Zoom to saved position" along one axis: the stored scroll position, or the middle of the
// canvas without one; a canvas smaller than the viewport is centred.
void restoreAxis(ScrollAxis& axis, bool hasSaved, int saved)
{
    if (axis.viewport < axis.canvas) {
        axis.offset = 0;
        axis.position = hasSaved ? saved : (axis.canvas - axis.viewport) / 2;
        axis.limit();
    } else {
        axis.offset = (axis.viewport - axis.canvas) / 2;
        axis.position = 0;
    }
}

void resizeAxis(ScrollAxis& axis)
{
    if (axis.viewport > axis.canvas)
        axis.offset = (axis.viewport - axis.canvas) / 2;
    else if (axis.offset > 0)
        axis.offset = 0;
    axis.limit();
}

std::int32_t limitZoom(std::int32_t zoom) { return std::clamp(zoom, minimumZoom, maximumZoom); }

// Canvas pixels are kept within +-2^29: far beyond any real canvas (35 x the widest galaxy), yet
// with room for the offsets the renderer adds, so that broken coordinates cannot overflow.
constexpr double farPixel = 1 << 29;
int canvasPixel(double value) { return roundHalfEven(std::clamp(value, -farPixel, farPixel)); }

} // namespace

MapGeometry::MapGeometry(const Game& game, std::int32_t zoom)
    : MapGeometry(game.gametype, game.gameoptions.cartesian, game.mapwidth, game.mapheight, zoom)
{
}

MapGeometry::MapGeometry(std::int32_t gametype, bool cartesian, std::int32_t mapwidth, std::int32_t mapheight,
                         std::int32_t zoom)
    : gametype_(gametype), blind_(gametype == gtBlind), cartesian_(blind_ && cartesian), mapwidth_(mapwidth),
      mapheight_(mapheight), zoom_(zoom)
{
}

int MapGeometry::MapToScreenX(double x) const
{
    if (blind_) return canvasPixel((mapwidth_ / 2 + x) * zoom_) + leftMargin;
    return canvasPixel(zoom_ * x) + leftMargin;
}

int MapGeometry::MapToScreenY(double y) const
{
    if (blind_) {
        if (cartesian_) return canvasPixel((mapheight_ / 2 - y) * zoom_);
        return canvasPixel((mapheight_ / 2 + y) * zoom_);
    }
    return canvasPixel(zoom_ * y);
}

int MapGeometry::markToScreenX(double x) const { return canvasPixel(zoom_ * x) + leftMargin; }
int MapGeometry::markToScreenY(double y) const { return canvasPixel(zoom_ * y); }

std::optional<MapPoint> MapGeometry::ScreenToMap(int X, int Y) const
{
    if (zoom_ <= 0) return std::nullopt;
    double gx = (X - leftMargin) / static_cast<double>(zoom_);
    double gy = Y / static_cast<double>(zoom_);
    double minX = 0, maxX = mapwidth_, minY = 0, maxY = mapheight_;
    if (blind_) {
        gx -= mapwidth_ / 2;
        gy -= mapheight_ / 2;
        if (cartesian_) gy = -gy;
        maxX = mapwidth_ / 2;
        minX = -maxX;
        maxY = mapheight_ / 2;
        minY = -maxY;
    }
    return MapPoint{std::clamp(gx, minX, std::max(minX, maxX)), std::clamp(gy, minY, std::max(minY, maxY))};
}

std::optional<MapPoint> MapGeometry::pointerPosition(int X, int Y) const
{
    if (zoom_ <= 0) return std::nullopt;
    double ux = (X - leftMargin - 2.5) / zoom_;
    double uy = (Y - 2.5) / zoom_;
    if (blind_) {
        ux -= mapwidth_ / 2;
        uy -= mapheight_ / 2;
        if (cartesian_) uy = -uy;
    }
    return MapPoint{ux, uy};
}

int MapGeometry::canvasWidth() const { return orrery::canvasWidth(mapwidth_, zoom_); }
int MapGeometry::canvasHeight() const { return orrery::canvasHeight(mapheight_, zoom_); }

int canvasWidth(std::int32_t mapwidth, std::int32_t zoom)
{
    return clampToInt(static_cast<long long>(mapwidth) * zoom + extraWidth);
}

int canvasHeight(std::int32_t mapheight, std::int32_t zoom)
{
    return clampToInt(static_cast<long long>(mapheight) * zoom + extraHeight);
}

void ScrollAxis::limit() { position = std::clamp(position, 0, maxPosition()); }

ZoomButtons zoomButtonStates(std::int32_t zoom)
{
    if (zoom >= maximumZoom) return {false, false, true};
    return {true, true, zoom != minimumZoom};
}

ZoomButtons SetZoom(ViewState& view, std::int32_t zoom)
{
    // The zoom commands are built for 1..35; a stored or fitted zoom outside it is brought in.
    view.zoomfactor = limitZoom(zoom);
    return zoomButtonStates(view.zoomfactor);
}

void setCanvasSize(MapScroll& scroll, const Game& game, std::int32_t zoom)
{
    scroll.h.canvas = canvasWidth(game.mapwidth, zoom);
    scroll.v.canvas = canvasHeight(game.mapheight, zoom);
    scroll.h.limit();
    scroll.v.limit();
}

bool zoomStep(ViewState& view, const Game& game, MapScroll& scroll, int step)
{
    if (view.zoomfactor < minimumZoom) return false;
    const std::int32_t zoom = view.zoomfactor + step;
    if (zoom < minimumZoom || zoom > maximumZoom) return false;
    const int widthBefore = scroll.h.canvas;
    const int heightBefore = scroll.v.canvas;
    SetZoom(view, zoom);
    // The scroll position is taken before the viewport limits it to the smaller range of a
    // smaller canvas: near the right and bottom edges the limited position would shift the middle
    // of the view, and zooming in and out again would not come back to the same place.
    scroll.h.canvas = canvasWidth(game.mapwidth, zoom);
    scroll.v.canvas = canvasHeight(game.mapheight, zoom);
    stepAxis(scroll.h, widthBefore);
    stepAxis(scroll.v, heightBefore);
    return true;
}

bool zoomOnMousePosition(ViewState& view, const Game& game, MapScroll& scroll, int X, int Y)
{
    const double fx = scroll.h.canvas > 0 ? static_cast<double>(X) / scroll.h.canvas : 0.0;
    const double fy = scroll.v.canvas > 0 ? static_cast<double>(Y) / scroll.v.canvas : 0.0;
    if (!zoomStep(view, game, scroll, +1)) return false;
    scroll.h.position = clampToInt(static_cast<long long>(std::trunc(scroll.h.canvas * fx))) - scroll.h.viewport / 2;
    scroll.v.position = clampToInt(static_cast<long long>(std::trunc(scroll.v.canvas * fy))) - scroll.v.viewport / 2;
    scroll.h.limit();
    scroll.v.limit();
    return true;
}

void CentreMapOn(const Game& game, const ViewState& view, MapScroll& scroll, double x, double y)
{
    const MapGeometry geometry(game, view.zoomfactor);
    if (scroll.h.viewport < scroll.h.canvas) {
        scroll.h.position = geometry.MapToScreenX(x) - scroll.h.viewport / 2;
        scroll.h.limit();
    }
    if (scroll.v.viewport < scroll.v.canvas) {
        scroll.v.position = geometry.MapToScreenY(y) - scroll.v.viewport / 2;
        scroll.v.limit();
    }
}

std::optional<std::int32_t> fitToWidthZoom(int viewportWidth, std::int32_t mapwidth)
{
    if (mapwidth <= 0) return std::nullopt;
    return limitZoom(viewportWidth / mapwidth);
}

void zoomToSavedPosition(ViewState& view, const Game& game, MapScroll& scroll)
{
    if (view.savedzoom == -1) {
        if (const auto zoom = fitToWidthZoom(scroll.h.viewport, game.mapwidth)) SetZoom(view, *zoom);
    } else {
        SetZoom(view, view.savedzoom);
    }
    scrollToSavedPosition(view, game, scroll);
}

void scrollToSavedPosition(ViewState& view, const Game& game, MapScroll& scroll)
{
    if (view.zoomfactor < minimumZoom) {
        if (const auto zoom = fitToWidthZoom(scroll.h.viewport, game.mapwidth)) SetZoom(view, *zoom);
        if (view.zoomfactor < minimumZoom) return;
    }
    setCanvasSize(scroll, game, view.zoomfactor);
    const bool saved = view.savedscrollx > -1;
    restoreAxis(scroll.h, saved, view.savedscrollx);
    restoreAxis(scroll.v, saved, view.savedscrolly);
}

void resizeViewport(MapScroll& scroll)
{
    resizeAxis(scroll.h);
    resizeAxis(scroll.v);
}

bool IsNearView(const MapScroll& scroll, int X, int Y)
{
    const long long x = X, y = Y;
    return scroll.h.position < x + nearViewAllowance && y + nearViewAllowance > scroll.v.position &&
           static_cast<long long>(scroll.h.position) + scroll.h.viewport > x + scroll.h.offset &&
           static_cast<long long>(scroll.v.position) + scroll.v.viewport > y + scroll.v.offset;
}

int SymbolSize(const planetrecord& planet, bool planetSizesShown)
{
    return planetSymbolSize(planet.size, planetSizesShown);
}

int SymbolRadius(const planetrecord& planet, bool planetSizesShown) { return SymbolSize(planet, planetSizesShown) / 2; }

bool isSymbolDrawn(const planetrecord& planet, bool planetSizesShown) { return !planetSizesShown || planet.size >= 0; }

void SetPlanetBattleSize(Game& game, bool battleSizesShown)
{
    if (!battleSizesShown) return;
    turnrecord& turn = game.turn;
    std::vector<double> raw(turn.planets.size(), 0.0);
    double maximum = 0.0;
    bool any = false;
    for (std::size_t k = 0; k < turn.planets.size(); ++k) {
        const planetrecord& planet = turn.planets[k];
        if (!planet.hadbattle) continue;
        // The mass destroyed in the battle; 1 for a battle without a record.
        double size = 1.0;
        for (const battlerecord& battle : turn.battles) {
            if (battle.name != planet.name) continue;
            for (const battleracerecord& race : battle.races)
                for (const battlegrouprecord& group : race.groups)
                    size += roundHalfEven((group.shipsbefore - group.survivors) * group.fullmass);
            break;
        }
        raw[k] = size;
        maximum = any ? std::max(maximum, size) : size;
        any = true;
    }
    // Ships that gained survivors or broken masses can make every sum 0 or negative; the
    // scale then divides by 1 so that no planet gets an undefined number of rings.
    const double scale = std::max(maximum, 1.0);
    for (std::size_t k = 0; k < turn.planets.size(); ++k) {
        planetrecord& planet = turn.planets[k];
        if (!planet.hadbattle) continue;
        planet.battlesize = std::max(1, roundHalfEven(raw[k] / scale * 20.0));
    }
}

void correctBecauseOfPlanetSizeButton(Game& game, ViewState& view, bool planetSizesShown)
{
    turnrecord& turn = game.turn;
    auto radius = [&](const planetrecord& p) {
        return static_cast<std::uint8_t>(std::clamp(SymbolRadius(p, planetSizesShown), 0, 255));
    };

    if (view.firstselection.isSet() || view.secondselection.isSet()) {
        for (const planetrecord& p : turn.planets) {
            if (p.name == view.firstselection.name)
                view.firstselection.radiusx = view.firstselection.radiusy = SymbolRadius(p, planetSizesShown);
            if (p.name == view.secondselection.name)
                view.secondselection.radiusx = view.secondselection.radiusy = SymbolRadius(p, planetSizesShown);
        }
    }

    // First planet of each name and of each label (altname, else name).
    std::unordered_map<std::string_view, std::size_t> byName, byLabel;
    for (std::size_t k = 0; k < turn.planets.size(); ++k) {
        const planetrecord& p = turn.planets[k];
        byName.try_emplace(p.name.view(), k);
        byLabel.try_emplace(p.altname.empty() ? p.name.view() : p.altname.view(), k);
    }
    auto set = [&](const std::unordered_map<std::string_view, std::size_t>& index, const shortname& name,
                   std::uint8_t* pair) {
        if (name.empty()) return;
        const auto it = index.find(name.view());
        if (it == index.end()) return;
        pair[0] = pair[1] = radius(turn.planets[it->second]);
    };
    for (incomingrecord& r : turn.incominggroups) {
        set(byName, r.origin, &r.symbolsizes[0]);
        set(byName, r.destination, &r.symbolsizes[2]);
    }
    for (routerecord& r : turn.routes) {
        set(byLabel, r.name, &r.symbolsizes[0]);
        set(byLabel, r.capital, &r.symbolsizes[2]);
        set(byLabel, r.material, &r.symbolsizes[4]);
        set(byLabel, r.colonists, &r.symbolsizes[6]);
        set(byLabel, r.empty, &r.symbolsizes[8]);
    }
}

} // namespace orrery

#include "maprenderer.h"

#include "mapinteraction.h"
#include "textrules.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <unordered_map>

namespace orrery {

namespace c = mapcolour;

namespace {

// Pixel values the renderer computes itself, kept as far out as MapToScreenX and Y keep theirs.
constexpr long long farPixel = 1 << 29;
int truncPixel(double value) { return truncToInt(std::clamp<double>(value, -farPixel, farPixel)); }
int clampPixel(long long value) { return static_cast<int>(std::clamp(value, -farPixel, farPixel)); }

bool contains(const std::vector<shortname>& names, std::string_view name)
{
    return std::any_of(names.begin(), names.end(), [&](const shortname& n) { return n == name; });
}

// The first planet of each name, and of each altname, for the route ends: a name wins over an
// altname anywhere in the list.
class PlanetLookup {
public:
    explicit PlanetLookup(const std::vector<planetrecord>& planets) : planets_(planets)
    {
        byName_.reserve(planets.size());
        for (std::size_t k = 0; k < planets.size(); ++k) {
            byName_.try_emplace(planets[k].name.view(), k);
            if (!planets[k].altname.empty()) byAltname_.try_emplace(planets[k].altname.view(), k);
        }
    }
    const planetrecord* find(std::string_view text) const
    {
        if (const auto it = byName_.find(text); it != byName_.end()) return &planets_[it->second];
        if (const auto it = byAltname_.find(text); it != byAltname_.end()) return &planets_[it->second];
        return nullptr;
    }

private:
    const std::vector<planetrecord>& planets_;
    std::unordered_map<std::string_view, std::size_t> byName_;
    std::unordered_map<std::string_view, std::size_t> byAltname_;
};

} // namespace

MapDisplay MapDisplay::from(const Configuration& configuration)
{
    MapDisplay display;
    display.toggles = configuration.toggles;
    display.numOfCircles = configuration.numOfCircles;
    display.rangeInterval = configuration.rangeInterval;
    return display;
}

QRgb paletteA(int index)
{
    static constexpr QRgb colours[6] = {c::yellow, c::aqua, c::lime, c::silver, c::fuchsia, c::red};
    return colours[((index % 6) + 6) % 6];
}

QRgb paletteB(int index)
{
    static constexpr QRgb colours[7] = {c::olive, c::gray, c::teal, c::blue, c::purple, c::maroon, c::navy};
    return colours[((index % 7) + 7) % 7];
}

RaceBars raceBars(int race) { return {paletteA(race % 6), paletteB((race / 6) % 7), paletteA(race / 36)}; }

void DrawArrow(MapCanvas& canvas, QRgb colour, double x1, double y1, double x2, double y2)
{
    if (x1 == x2 && y1 == y2) return;
    const double length = std::hypot(x2 - x1, y2 - y1) / 4;
    const double u = -(y2 - y1) / length;
    const double v = (x2 - x1) / length;
    canvas.setPen(colour);
    canvas.setBrush(colour);
    canvas.line(truncPixel(x1), truncPixel(y1), truncPixel(x2), truncPixel(y2));
    canvas.triangle(truncPixel(x2), truncPixel(y2), truncPixel(x2 - u - v), truncPixel(y2 - v + u),
                    truncPixel(x2 + u - v), truncPixel(y2 + v + u));
}

QRect visibleCanvasArea(const MapScroll& scroll, int margin)
{
    // The viewport shows canvas pixels from position - offset on; a canvas smaller than the
    // viewport is shown whole.
    auto range = [margin](const ScrollAxis& a, int& from, int& size) {
        const int begin = std::max(a.position - a.offset, 0);
        const int end = std::min(a.position - a.offset + a.viewport, a.canvas);
        from = begin - margin;
        size = std::max(end - begin, 0) + 2 * margin;
    };
    int x, w, y, h;
    range(scroll.h, x, w);
    range(scroll.v, y, h);
    return QRect(x, y, std::max(w, 1), std::max(h, 1));
}

MapRenderer::MapRenderer(const Game& game, const ViewState& view, const MapDisplay& display,
                         const MapScroll& scroll)
    : game_(game), view_(view), display_(display), scroll_(scroll), geometry_(game, view.zoomfactor),
      sizesShown_(display.on(tgPlanetSize)), bombings_(game.turn.bombings)
{
    const MapHighlight& h = display.highlight;
    if (h.findRace && *h.findRace != game.ownrace.view()) highlight_ = *h.findRace;
    if (h.racesTableSelection)
        highlight_ = *h.racesTableSelection == game.ownrace.view() ? std::string() : *h.racesTableSelection;
}

std::string MapRenderer::highlightName() const { return highlight_; }

void MapRenderer::paint(MapCanvas& canvas) const
{
    if (view_.zoomfactor <= 0 || game_.mapwidth <= 0) return;
    drawUninhabitedPlanets(canvas);
    drawPlanets(canvas);
    drawRoutes(canvas);
    drawNames(canvas);
    drawBars(canvas);
    drawHyperspaceMarks(canvas);
    drawIncomingGroups(canvas);
    drawDistance(canvas);
    drawCircles(canvas);
}

MapRenderer::Symbol MapRenderer::symbolOf(const planetrecord& planet) const
{
    return {geometry_.MapToScreenX(planet.x), geometry_.MapToScreenY(planet.y), SymbolSize(planet, sizesShown_)};
}

bool MapRenderer::bombed(const planetrecord& planet) const
{
    return display_.on(tgShowBombings) && bombings_.find(planet.x, planet.y) >= 0;
}

bool MapRenderer::findRaceHighlights(const planetrecord& planet) const
{
    const MapHighlight& h = display_.highlight;
    return h.findRace && h.findRaceShips && contains(planet.alienraces, *h.findRace);
}

void MapRenderer::drawSymbol(MapCanvas& canvas, const Symbol& s) const
{
    if (s.w == 1)
        canvas.setPixel(s.x, s.y, canvas.pen());
    else
        canvas.ellipse(s.x, s.y, s.x + s.w, s.y + s.w);
}

int MapRenderer::drawBattleRings(MapCanvas& canvas, const planetrecord& planet, const Symbol& s, bool raceMark) const
{
    if (!display_.on(tgShowBattles) || !planet.hadbattle) return 0;
    canvas.setClearBrush();
    canvas.setPen(c::fuchsia);
    const int rings = display_.on(tgBattleSize) ? planet.battlesize : 1;
    for (int i = 1; i <= rings; ++i) {
        if (raceMark)
            canvas.rectangle(s.x - 1 - i, s.y - 1 - i, s.x + 6 + i, s.y + 7 + i);
        else
            canvas.ellipse(s.x - 1 - i, s.y - 1 - i, s.x + s.w + 1 + i, s.y + s.w + 1 + i);
    }
    return 2;
}

void MapRenderer::drawShipMarks(MapCanvas& canvas, const planetrecord& planet, const Symbol& s, int d) const
{
    if (!display_.on(tgShowShips2)) return;
    // A small plus beside the symbol: green left for own groups, red right for other races'.
    if (planet.owngroups) {
        canvas.setPen(c::green);
        canvas.line(s.x - d - 3, s.y - 2, s.x - d, s.y - 2);
        canvas.line(s.x - d - 2, s.y - 3, s.x - d - 2, s.y);
    }
    if (planet.aliengroups) {
        canvas.setPen(c::red);
        canvas.line(s.x + d + s.w + 2, s.y - 2, s.x + d + s.w - 1, s.y - 2);
        canvas.line(s.x + d + s.w + 1, s.y - 3, s.x + d + s.w + 1, s.y);
    }
}

void MapRenderer::drawRaceMark(MapCanvas& canvas, const planetrecord& planet, const Symbol& s) const
{
    int race = -planet.ownercode;
    const bool highlighted = !highlight_.empty() && race < pseudoplayerbase && race >= 1 &&
                             static_cast<std::size_t>(race) <= game_.turn.players.size() &&
                             game_.turn.players[static_cast<std::size_t>(race) - 1].name == highlight_;
    race %= pseudoplayerbase;
    const RaceBars bars = highlighted ? RaceBars{c::yellow, c::yellow, c::yellow} : raceBars(race);
    // Always 5 x 6 pixels, whatever the planet's size.
    const QRgb colours[3] = {bars.top, bars.middle, bars.bottom};
    for (int bar = 0; bar < 3; ++bar) {
        canvas.setPen(colours[bar]);
        canvas.setBrush(colours[bar]);
        canvas.rectangle(s.x, s.y + 2 * bar, s.x + 5, s.y + 2 * bar + 2);
    }
}

void MapRenderer::drawUninhabitedPlanets(MapCanvas& canvas) const
{
    for (const planetrecord& planet : game_.turn.planets) {
        if (planet.ownercode != ocUninhabited || !isSymbolDrawn(planet, sizesShown_)) continue;
        const Symbol s = symbolOf(planet);
        if (!IsNearView(scroll_, s.x, s.y)) continue;
        // A white frame marks a planet drawn on top of an earlier one.
        if (!canvas.isBlack(s.x + s.w / 2, s.y + s.w / 2)) {
            canvas.setPen(c::white);
            canvas.setClearBrush();
            canvas.rectangle(s.x - 1, s.y - 1, s.x + s.w + 1, s.y + s.w + 1);
        }
        const QRgb colour = bombed(planet) ? c::white : c::gray;
        canvas.setPen(colour);
        canvas.setBrush(colour);
        if (findRaceHighlights(planet)) {
            canvas.setPen(c::yellow);
            canvas.setBrush(c::yellow);
            canvas.rectangle(s.x, s.y, s.x + s.w, s.y + s.w);
        } else {
            drawSymbol(canvas, s);
        }
        const int d = drawBattleRings(canvas, planet, s, false);
        drawShipMarks(canvas, planet, s, d);
    }
}

void MapRenderer::drawPlanets(MapCanvas& canvas) const
{
    const bool intelligence = display_.on(tgShowIntelligence);
    for (const planetrecord& planet : game_.turn.planets) {
        if (planet.ownercode == ocUninhabited || !isSymbolDrawn(planet, sizesShown_)) continue;
        const Symbol s = symbolOf(planet);
        if (!IsNearView(scroll_, s.x, s.y)) continue;
        int d = 0;
        if (!canvas.isBlack(s.x + s.w / 2, s.y + s.w / 2)) {
            d = 1;
            canvas.setPen(c::white);
            canvas.setClearBrush();
            canvas.rectangle(s.x - 1, s.y - 1, s.x + s.w + 2, s.y + s.w + 2);
        }
        const bool raceMark = planet.ownercode < 0 && intelligence;
        if (planet.ownercode == ocOwn) {
            canvas.setPen(c::lime);
            canvas.setBrush(c::lime);
            drawSymbol(canvas, s);
        } else if (!raceMark) {
            QRgb colour = game_.isBlind() && planet.ownercode > 0 ? c::blue : c::red;
            if (bombed(planet)) colour = c::white;
            canvas.setPen(colour);
            canvas.setBrush(colour);
            drawSymbol(canvas, s);
        } else {
            drawRaceMark(canvas, planet, s);
        }
        if (const int rings = drawBattleRings(canvas, planet, s, raceMark)) d = rings;
        canvas.setBrush(canvas.brush()); // solid again after the rings
        if (findRaceHighlights(planet)) {
            canvas.setPen(c::yellow);
            canvas.setBrush(c::yellow);
            canvas.rectangle(s.x, s.y, s.x + s.w, s.y + s.w);
        }
        drawShipMarks(canvas, planet, s, d);
    }
}

void MapRenderer::drawRoutes(MapCanvas& canvas) const
{
    const std::vector<routerecord>& routes = game_.turn.routes;
    if (routes.empty() ||
        !(display_.on(tgCAP) || display_.on(tgMAT) || display_.on(tgCOL) || display_.on(tgEMP)))
        return;
    const PlanetLookup planets(game_.turn.planets);
    struct Kind {
        ToggleIndex toggle;
        shortname routerecord::*destination;
        int offset;
        QRgb colour;
    };
    static constexpr Kind kinds[4] = {
        {tgCAP, &routerecord::capital, -3, c::yellow},
        {tgMAT, &routerecord::material, -1, c::fuchsia},
        {tgCOL, &routerecord::colonists, +1, c::aqua},
        {tgEMP, &routerecord::empty, +3, c::red},
    };
    for (const routerecord& route : routes) {
        const planetrecord* start = planets.find(route.name);
        if (!start) continue;
        const int sx = geometry_.MapToScreenX(start->x) + route.symbolsizes[0] + 1;
        const int sy = geometry_.MapToScreenY(start->y) + route.symbolsizes[1] + 1;
        for (int k = 0; k < 4; ++k) {
            const Kind& kind = kinds[k];
            const shortname& name = route.*kind.destination;
            if (!display_.on(kind.toggle) || name.empty() || name == "-" || name == route.name) continue;
            const planetrecord* destination = planets.find(name);
            if (!destination) continue;
            int x1 = sx, y1 = sy;
            int x2 = geometry_.MapToScreenX(destination->x) + route.symbolsizes[2 + 2 * k] + 1;
            int y2 = geometry_.MapToScreenY(destination->y) + route.symbolsizes[3 + 2 * k] + 1;
            // Side by side: the four kinds run parallel, and the ends stay 2 pixels off the symbols.
            if (std::abs(x1 - x2) > std::abs(y1 - y2)) {
                y1 += kind.offset;
                y2 += kind.offset;
                const int towards = x2 > x1 ? 2 : x2 < x1 ? -2 : 0;
                x1 += towards;
                x2 -= towards;
            } else {
                x1 += kind.offset;
                x2 += kind.offset;
                const int towards = y2 > y1 ? 2 : y2 < y1 ? -2 : 0;
                y1 += towards;
                y2 -= towards;
            }
            DrawArrow(canvas, kind.colour, x1, y1, x2, y2);
        }
    }
}

void MapRenderer::drawNames(MapCanvas& canvas) const
{
    if (!display_.on(tgNames)) return;
    canvas.setFontColour(c::gray);
    canvas.setBrush(c::black);
    const ScrollAxis& h = scroll_.h;
    const ScrollAxis& v = scroll_.v;
    for (const planetrecord& planet : game_.turn.planets) {
        const Symbol s = symbolOf(planet);
        if (!(h.position + h.viewport > h.offset + s.x && v.position + v.viewport > v.offset + s.y)) continue;
        const std::string_view name = planet.name.view();
        if (!(s.y + 2 + canvas.textHeight(name) > v.position)) continue;
        if (!(s.x + canvas.textWidth(name) / 2 > h.position)) continue;
        const std::string_view label = planet.altname.empty() ? name : planet.altname.view();
        const int width = label == name ? canvas.textWidth(name) : canvas.textWidth(label);
        canvas.text(s.x - width / 2 + s.w / 2, s.y + s.w + 2, label);
    }
}

void MapRenderer::drawBars(MapCanvas& canvas) const
{
    const bool information = display_.on(tgShowInfo);
    if (!information && !display_.on(tgShowInfo2)) return;
    canvas.setPen(c::white);
    for (const planetrecord& planet : game_.turn.planets) {
        const Symbol s = symbolOf(planet);
        if (!IsNearView(scroll_, s.x, s.y)) continue;
        const int x0 = clampPixel(static_cast<long long>(s.x) +
                                  (sizesShown_ ? roundHalfEven(planet.size) / 100 + 1 : 5) + 2);
        auto bar = [&](int row, double value, double length) {
            if (value > 0) canvas.line(x0, row, clampPixel(static_cast<long long>(x0) + 1 + truncPixel(length)), row);
        };
        if (information) {
            bar(s.y - 1, planet.size, planet.size * 3 / 200);
            bar(s.y + 1, planet.population, planet.population * 3 / 200);
            bar(s.y + 3, planet.industry, planet.industry * 3 / 200);
            bar(s.y + 5, planet.resources, planet.resources * 15 / 10);
        } else {
            bar(s.y - 1, planet.defencescale, planet.defencescale);
            bar(s.y + 1, planet.attackscale, planet.attackscale);
            bar(s.y + 3, planet.shipscale, planet.shipscale);
        }
    }
}

void MapRenderer::drawHyperspaceMarks(MapCanvas& canvas) const
{
    if (!display_.on(tgShowShips)) return;
    for (const mapmarkrecord& mark : game_.turn.mapmarks) {
        const int x = geometry_.markToScreenX(mark.x);
        const int y = geometry_.markToScreenY(mark.y);
        if (!IsNearView(scroll_, x, y)) continue;
        const QRgb colour = mark.kind == 1 ? c::fuchsia : c::yellow;
        canvas.setPen(colour);
        canvas.setBrush(colour);
        canvas.rectangle(x, y, x + 3, y + 3);
    }
}

void MapRenderer::drawIncomingGroups(MapCanvas& canvas) const
{
    if (!display_.on(tgShowIncoming)) return;
    for (const incomingrecord& r : game_.turn.incominggroups) {
        // A group whose way cannot be worked out (an unknown planet, no speed, or origin and
        // destination at one place) is left out; the ones after it are still drawn.
        if (r.originx == unknownposition || r.originy == unknownposition || r.destinationx == unknownposition ||
            r.destinationy == unknownposition)
            continue;
        const double dx = std::abs(r.destinationx - r.originx);
        const double dy = std::abs(r.destinationy - r.originy);
        const double way = std::hypot(dx, dy);
        if (!(way > 0) || !(r.speed > 0) || !std::isfinite(way) || !std::isfinite(r.speed) ||
            !std::isfinite(r.distance))
            continue;
        const double flown = way - r.distance;
        double ox = dx / way * flown;
        double oy = dy / way * flown;
        auto along = [&](double mx, double my) {
            return MapPoint{r.originx > r.destinationx ? r.originx - mx : r.originx + mx,
                            r.originy > r.destinationy ? r.originy - my : r.originy + my};
        };
        const MapPoint now = along(ox, oy);
        const double sx = dx / way * r.speed;
        const double sy = dy / way * r.speed;

        const int ox0 = geometry_.MapToScreenX(r.originx) + r.symbolsizes[0];
        const int oy0 = geometry_.MapToScreenY(r.originy) + r.symbolsizes[1];
        const int tx = geometry_.MapToScreenX(r.destinationx) + r.symbolsizes[2];
        const int ty = geometry_.MapToScreenY(r.destinationy) + r.symbolsizes[3];
        const int cx = geometry_.MapToScreenX(now.x) + r.symbolsizes[2];
        const int cy = geometry_.MapToScreenY(now.y) + r.symbolsizes[3];
        canvas.setPen(c::silver);
        canvas.line(ox0, oy0, cx, cy);
        DrawArrow(canvas, c::gray, cx, cy, tx, ty);
        canvas.setPen(c::silver);
        canvas.setBrush(c::silver);
        canvas.fill(cx - 1, cy - 1, cx + 2, cy + 2);

        // One dot where the group will be after each further turn.
        ox += sx;
        oy += sy;
        for (int dots = 0; dots < maxIncomingDots && std::hypot(ox, oy) < way; ++dots) {
            const MapPoint p = along(ox, oy);
            const int px = geometry_.MapToScreenX(p.x);
            const int py = geometry_.MapToScreenY(p.y);
            canvas.fill(px + 1, py + 1, px + 4, py + 4);
            ox += sx;
            oy += sy;
        }
    }
}

void MapRenderer::drawDistance(MapCanvas& canvas) const
{
    if (!display_.on(tgDistance) || !view_.secondselection.isSet()) return;
    const mapselection& a = view_.firstselection;
    const mapselection& b = view_.secondselection;
    const int x1 = geometry_.MapToScreenX(a.x) + a.radiusx;
    const int y1 = geometry_.MapToScreenY(a.y) + a.radiusy;
    const int x2 = geometry_.MapToScreenX(b.x) + b.radiusx;
    const int y2 = geometry_.MapToScreenY(b.y) + b.radiusy;
    canvas.setPen(c::white);
    canvas.line(x1, y1, x2, y2);
    const std::string label = formatFixed(std::hypot(a.x - b.x, a.y - b.y), 4, 3);
    canvas.setFontColour(c::white);
    canvas.setBrush(c::black);
    canvas.text(x1 + (x2 - x1) / 2 - canvas.textWidth(label) / 2, y1 + (y2 - y1) / 2 - canvas.textHeight(label) / 2,
                label);
}

void MapRenderer::drawCircles(MapCanvas& canvas) const
{
    if (!display_.on(tgCircles)) return;
    const mapselection* centre = view_.recentSelection();
    if (!centre) return;
    double cx = centre->x;
    double cy = centre->y;
    if (geometry_.blind()) {
        cx += game_.mapwidth / 2.0;
        cy = geometry_.cartesian() ? -cy + game_.mapheight / 2.0 : cy + game_.mapheight / 2.0;
    }
    const double z = view_.zoomfactor;
    canvas.setPen(c::white);
    canvas.setClearBrush();
    auto edge = [](double value, int add) { return clampPixel(static_cast<long long>(truncPixel(std::nearbyint(value))) + add); };
    auto circle = [&](double r) {
        canvas.ellipse(edge((cx - r) * z, centre->radiusx + 25), edge((cy - r) * z, centre->radiusy),
                       edge((cx + r) * z, centre->radiusx + 26), edge((cy + r) * z, centre->radiusy + 1));
    };
    const bool groups = display_.on(tgGroupDistance);
    if (groups || display_.on(tgFleetDistance)) {
        for (const planetrecord& planet : game_.turn.planets) {
            if (planet.name != centre->name) continue;
            for (double speed : groups ? planet.groupspeeds : planet.fleetspeeds) circle(speed);
            break;
        }
        return;
    }
    for (int i = 1; i <= display_.numOfCircles; ++i) circle(static_cast<double>(i) * display_.rangeInterval);
}

} // namespace orrery

#include "mapinteraction.h"

#include "mapgeometry.h"
#include "textrules.h"

#include <cmath>

namespace orrery {

namespace {

constexpr int markBox = 4; // a ship mark answers to a press within 4 x 4 pixels of its corner

void takeInto(ViewState& view, const mapselection& selection)
{
    if (!view.firstselection.isSet())
        view.firstselection = selection;
    else
        view.secondselection = selection;
}

} // namespace

PressResult mapPress(const Game& game, ViewState& view, bool planetSizesShown, int X, int Y, bool pixelIsBlack)
{
    PressResult result;
    if (pixelIsBlack) {
        view.clearSelections();
        result.blank = true;
        return result;
    }
    if (view.secondselection.isSet()) view.firstselection = view.secondselection;

    const MapGeometry geometry(game, view.zoomfactor);
    for (const planetrecord& planet : game.turn.planets) {
        const int x0 = geometry.MapToScreenX(planet.x);
        const int y0 = geometry.MapToScreenY(planet.y);
        const int w = SymbolSize(planet, planetSizesShown);
        if (X < x0 || X >= x0 + w || Y < y0 || Y >= y0 + w) continue;
        result.panels.push_back(PanelRequest{PanelShows::Planet, &planet, planet.name.str(), planet.x, planet.y});
        mapselection s;
        s.x = planet.x;
        s.y = planet.y;
        s.ownercode = planet.ownercode;
        s.radiusx = s.radiusy = w / 2;
        s.name = planet.name;
        takeInto(view, s);
    }

    for (const mapmarkrecord& mark : game.turn.mapmarks) {
        const int x0 = geometry.markToScreenX(mark.x);
        const int y0 = geometry.markToScreenY(mark.y);
        if (X < x0 || X >= x0 + markBox || Y < y0 || Y >= y0 + markBox) continue;
        result.panels.push_back(PanelRequest{PanelShows::MapMark, nullptr, mark.kind == 1 ? "Enemy ship" : "Your ship", mark.x, mark.y});
        mapselection s;
        s.x = mark.x;
        s.y = mark.y;
        s.ownercode = 3;
        s.name = "ship";
        takeInto(view, s);
    }
    return result;
}

std::optional<MouseTexts> mapMouseMove(const Game& game, const ViewState& view, int X, int Y)
{
    const MapGeometry geometry(game, view.zoomfactor);
    const std::optional<MapPoint> shown = geometry.ScreenToMap(X, Y);
    if (!shown) return std::nullopt;
    MouseTexts texts;
    texts.x = "X: " + formatFixed(shown->x, 5, 2);
    texts.y = "Y: " + formatFixed(shown->y, 5, 2);
    if (const mapselection* reference = view.recentSelection()) {
        const MapPoint pointer = *geometry.pointerPosition(X, Y);
        const double distance = std::hypot(pointer.x - reference->x, pointer.y - reference->y);
        texts.dto = "DTO: " + formatFixed(distance, 1, 2);
    }
    return texts;
}

std::string PlanetLabel(const Game& game, std::string_view name)
{
    for (const planetrecord& p : game.turn.planets) {
        if (p.name == name) return p.altname.empty() ? std::string(name) : p.altname.str();
    }
    return std::string(name);
}

std::string PlanetNameOf(const Game& game, std::string_view label)
{
    for (const planetrecord& p : game.turn.planets)
        if (p.altname == label) return p.name.str();
    return std::string(label);
}

const planetrecord* findPlanetNameFirst(const turnrecord& turn, std::string_view text)
{
    for (const planetrecord& p : turn.planets)
        if (p.name == text) return &p;
    for (const planetrecord& p : turn.planets)
        if (p.altname == text) return &p;
    return nullptr;
}

const planetrecord* SelectPlanet(const Game& game, ViewState& view, std::string_view text)
{
    const planetrecord* planet = findPlanetNameFirst(game.turn, text);
    if (!planet) return nullptr;
    view.firstselection.x = planet->x;
    view.firstselection.y = planet->y;
    view.firstselection.ownercode = 0;
    view.firstselection.name = text;
    view.secondselection.clear();
    return planet;
}

} // namespace orrery

#pragma once

// What the player does with the mouse on the star map: picking planets and the ship marks of the
// report's text map into the two map selections (which drive the distance line and the circles),
// the live "Mouse pos." readout, and the lookups between a planet's name and its label (Blind
// Galaxy systems have a number as their label and a name).
//
// The main window calls these from its mouse handlers and applies the results: it shows the
// planet panel for each PanelRequest, switches the planet view and the ship designer, handles
// "zoom in on mouse position" (zoomOnMousePosition) before a press, and repaints.

#include "gamedata.h"
#include "planetpanel.h"
#include "viewstate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// A call of ShowPlanetPanel the press asks for: a planet or a map mark.
struct PanelRequest {
    PanelShows what = PanelShows::Planet;
    const planetrecord* planet = nullptr; // a planet only
    std::string name;                      // planet name, or "Your ship" / "Enemy ship"
    double x = unknownposition;
    double y = unknownposition;
};

struct PressResult {
    // The press hit black space: both selections were emptied. The panel keeps its texts.
    bool blank = false;
    // The planets under the pointer (in list order), then the marks; the panel ends showing the
    // last one. The planet view and the ship designer follow each planet in turn.
    std::vector<PanelRequest> panels;
};

// A press on the map at canvas pixel (X, Y); pixelIsBlack tells whether the painted map is black
// there. A press on anything drawn moves the most recent selection into the first one and puts
// every planet whose symbol box holds the pixel, and every ship mark there, into the empty
// selection: the first when it is empty, else the second. The map is to be repainted afterwards
// in every case.
PressResult mapPress(const Game& game, ViewState& view, bool planetSizesShown, int X, int Y, bool pixelIsBlack);

// The texts of the "Mouse pos." box: "X: " and "Y: " with the clamped map position as 5:2, and
// "DTO: " with the distance from the most recent selection as 1:2 (empty without a selection).
struct MouseTexts {
    std::string x;
    std::string y;
    std::string dto;
};
// Nothing while the zoom is 0 or below: the labels then keep their texts.
std::optional<MouseTexts> mapMouseMove(const Game& game, const ViewState& view, int X, int Y);

// The label of a planet: the altname of the first planet named name when it has one, otherwise
// name itself.
std::string PlanetLabel(const Game& game, std::string_view name);
// The name of the first planet whose altname is label, otherwise label itself.
std::string PlanetNameOf(const Game& game, std::string_view label);

// Selects a planet chosen by its name (or, when no planet has that name, by its altname) in
// another window: the first selection takes its position and the text, the second is emptied.
// Returns the planet, or nullptr (selections unchanged). The caller repaints, shows the panel
// for the planet's name and refreshes the ship designer; the map is not scrolled.
const planetrecord* SelectPlanet(const Game& game, ViewState& view, std::string_view text);

// First planet whose name equals text, or else the first whose altname does (the lookup of
// route ends and of SelectPlanet).
const planetrecord* findPlanetNameFirst(const turnrecord& turn, std::string_view text);

} // namespace orrery

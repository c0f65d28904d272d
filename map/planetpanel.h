#pragma once

// The planet panel below the map and the grid of groups at the shown planet, as texts. The main
// window owns the labels and the grid; these builders say what each shows.

#include "gamedata.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// A label of the panel: its name, whether it starts one of the panel's three lines (the planet,
// its values, what it can produce), and a text as wide as its usual longest one: the label is
// never narrower, so that the labels keep their places from planet to planet.
struct PanelLabel {
    const char* name;
    bool newLine;
    const char* widest;
};
// LabelSelection, LabelOwner, LabelProducing, Labelxpos, Labelypos, LabelSize, LabelPopulation,
// LabelIndustrie, LabelResources, LabelCAP, LabelMAT, LabelCOL, LabelProduction, LabelMaxTech,
// LabelmaxShip, in the order of PlanetPanelTexts.
const std::array<PanelLabel, 15>& planetPanelLabels();

// The texts of the panel's labels. A label without a value (nullopt) keeps its text.
struct PlanetPanelTexts {
    std::string panelobject; // the object the groups grid lists groups for
    std::optional<std::string> selection;
    std::optional<std::string> owner;
    std::optional<std::string> producing;
    std::optional<std::string> xpos;
    std::optional<std::string> ypos;
    std::optional<std::string> size;
    std::optional<std::string> population;
    std::optional<std::string> industrie;
    std::optional<std::string> resources;
    std::optional<std::string> cap;
    std::optional<std::string> mat;
    std::optional<std::string> col;
    std::optional<std::string> production;
    std::optional<std::string> maxTech;
    std::optional<std::string> maxShip;
};

// What the panel shows: a planet (which must be given), a ship mark of the text map (named "Your
// ship" or "Enemy ship"), or nothing (the name and the position are cleared).
enum class PanelShows { Nothing, Planet, MapMark };

// The texts of the main window's ShowPlanetPanel(what, planet, name, x, y). x or y of -99999.0
// leaves that label alone. The groups grid is to be refilled for panelobject afterwards.
PlanetPanelTexts planetPanelTexts(const Game& game, PanelShows what, const planetrecord* planet,
                                  std::string_view name, double x, double y);

// The groups grid.
enum class GroupFilter { All, Military, Transport };

struct GridColumn {
    const char* heading;
    int width;
};
// "Owner", "ID", "No.", "Ship type", "Attacks", "Defence", "Min. speed", "Speed", "Max. cargo",
// "Cargo", "Quantity".
const std::array<GridColumn, 11>& groupColumns();

struct GroupRow {
    shortname race;                       // the owner race
    const grouprecord* group = nullptr;   // valid until the shown turn changes
    std::array<std::string, 11> cells;
};

struct GroupsAtPlanet {
    std::string caption;     // "Groups at planet " + label + ":"
    bool hasGroups = false;  // the yellow marker: groups are here, also when the filter hides them
    std::vector<GroupRow> rows;
};

// The groups at panelobject (a planet name, or a ship text, which has none): own groups at the
// planet that are not battle entries, and other races' groups with ships left; a battle entry of
// another race is left out when an own battle entry at the planet survived.
GroupsAtPlanet FillGroupsAtPlanet(const Game& game, std::string_view panelobject, GroupFilter filter);

} // namespace orrery

#include "planetpanel.h"

#include "forecast.h"
#include "groupcells.h"
#include "mapinteraction.h"
#include "textrules.h"

#include <cmath>

namespace orrery {

namespace {

std::string valueText(const char* prefix, double value)
{
    return known(value) ? prefix + formatFixed(value, 4, 2) : std::string();
}

std::string pairText(const char* prefix, double maximum, double current)
{
    if (!known(maximum) && !known(current)) return {};
    return prefix + formatFixed(maximum, 4, 3) + " / " + formatFixed(current, 4, 3);
}

std::string fieldText(const char* prefix, const shortname& value)
{
    return value.empty() ? std::string() : prefix + value.str();
}

// Cargo one ship carries: (cargo^2 / 10 + cargo) x cargo tech.
double cargoCapacity(const grouprecord& g) { return (g.cargo * g.cargo / 10 + g.cargo) * g.cargotech; }

// A speed as 3:2; empty for a design without mass, whose speed is undefined.
std::string speedText(const grouprecord& g, double mass)
{
    if (!(mass > 0)) return {};
    return formatFixed(20 * g.drivetech * g.drive / mass, 3, 2);
}

} // namespace

const std::array<PanelLabel, 15>& planetPanelLabels()
{
    static const std::array<PanelLabel, 15> labels{{
        {"LabelSelection", true, "Name: Betelgeuse"},
        {"LabelOwner", false, "Owner: Betelgeuse"},
        {"LabelProducing", false, "Producing: Materials"},
        {"Labelxpos", false, "X: 000.00"},
        {"Labelypos", false, "Y: 000.00"},
        {"LabelSize", true, "Size: 0000.00"},
        {"LabelPopulation", false, "Population: 0000.00"},
        {"LabelIndustrie", false, "Industrie: 0000.00"},
        {"LabelResources", false, "Resources: 00.00"},
        {"LabelCAP", false, "CAP: 000.00"},
        {"LabelMAT", false, "MAT: 000.00"},
        {"LabelCOL", false, "COL: 000.00"},
        {"LabelProduction", true, "max./cur. production: 0000.000 / 0000.000"},
        {"LabelMaxTech", false, "max./cur. tech: 0.000 / 0.000"},
        {"LabelmaxShip", false, "max./cur. mass: 000.000 / 000.000"},
    }};
    return labels;
}

PlanetPanelTexts planetPanelTexts(const Game& game, PanelShows what, const planetrecord* planet,
                                  std::string_view name, double x, double y)
{
    PlanetPanelTexts t;
    t.panelobject = std::string(name);
    if (what == PanelShows::Planet && planet) {
        const PlanetForecast f = planetForecast(*planet);
        const std::string label = PlanetLabel(game, name);
        t.selection = label == name ? "Name: " + label : "Name: " + label + " (" + std::string(name) + ")";
        if (x != unknownposition) t.xpos = "X: " + formatFixed(x, 3, 2);
        if (y != unknownposition) t.ypos = "Y: " + formatFixed(y, 3, 2);
        t.owner = fieldText("Owner: ", planet->owner);
        t.producing = fieldText("Producing: ", planet->producing);
        t.size = valueText("Size: ", planet->size);
        t.resources = valueText("Resources: ", planet->resources);
        t.population = valueText("Population: ", planet->population);
        t.industrie = valueText("Industrie: ", planet->industry);
        t.cap = valueText("CAP: ", planet->capital);
        t.mat = valueText("MAT: ", planet->material);
        t.col = valueText("COL: ", planet->colonists);
        t.production = pairText("max./cur. production: ", f.maxProduction, f.currentProduction);
        t.maxShip = pairText("max./cur. mass: ", f.maxMass, f.currentMass);
        t.maxTech = pairText("max./cur. tech: ", f.maxTech, f.currentTech);
    } else if (what == PanelShows::MapMark) {
        t.selection = "Selected: " + std::string(name);
        if (x != unknownposition) t.xpos = "X: " + formatFixed(x, 3, 2);
        if (y != unknownposition) t.ypos = "Y: " + formatFixed(y, 3, 2);
        for (std::optional<std::string>* label : {&t.owner, &t.producing, &t.size, &t.resources, &t.population,
                                                  &t.industrie, &t.production, &t.maxShip, &t.maxTech, &t.cap,
                                                  &t.mat, &t.col})
            *label = std::string();
    } else {
        t.selection = std::string();
        t.xpos = std::string();
        t.ypos = std::string();
    }
    return t;
}

const std::array<GridColumn, 11>& groupColumns()
{
    static const std::array<GridColumn, 11> columns{{
        {"Owner", 102},
        {"ID", 64},
        {"No.", 36},
        {"Ship type", 112},
        {"Attacks", 52},
        {"Defence", 46},
        {"Min. speed", 60},
        {"Speed", 40},
        {"Max. cargo", 60},
        {"Cargo", 37},
        {"Quantity", 48},
    }};
    return columns;
}

std::array<std::string, 11> groupCells(const shortname& race, const grouprecord& g)
{
    std::array<std::string, 11> c;
    c[0] = race.str();
    c[1] = g.groupnumber > -1 ? formatFixed(g.groupnumber, 3, 0) : std::string();
    c[2] = g.inbattle ? std::to_string(g.survivors) : formatFixed(g.shipcount, 3, 0);
    c[3] = g.name.str();
    if (g.attacks > 0) c[4] = formatFixed(g.attacks, 2, 0) + "x" + formatFixed(g.weapons * g.weapontech, 2, 2);
    if (g.shields > 0) {
        const double mass = fullMass(g);
        if (mass > 0)
            c[5] = formatFixed(g.shieldtech * g.shields / std::cbrt(mass) * std::cbrt(30.0), 3, 2);
    }
    const double capacity = cargoCapacity(g);
    c[6] = speedText(g, capacity + emptyMass(g));
    c[7] = speedText(g, emptyMass(g) + g.cargoquantity);
    if (capacity > 0) c[8] = formatFixed(capacity, 3, 2);
    c[9] = g.cargotype.str();
    if (g.cargoquantity > 0) c[10] = formatFixed(g.cargoquantity, 3, 2);
    return c;
}

GroupsAtPlanet FillGroupsAtPlanet(const Game& game, std::string_view panelobject, GroupFilter filter)
{
    GroupsAtPlanet grid;
    grid.caption = "Groups at planet " + PlanetLabel(game, panelobject) + ":";

    // An own battle entry that survived here hides the other races' battle entries.
    const racegrouprecord* own = ownGroups(game);
    bool ownSurvivedBattle = false;
    if (own) {
        for (const grouprecord& g : own->groups)
            if (g.inbattle && g.location == panelobject && g.survivors >= 1) ownSurvivedBattle = true;
    }

    for (const racegrouprecord& race : game.turn.racegroups) {
        const bool isOwn = race.name == game.ownrace;
        for (const grouprecord& g : race.groups) {
            if (g.location != panelobject || g.distance != 0) continue;
            if (isOwn ? g.inbattle != 0 : g.survivors == 0) continue;
            grid.hasGroups = true;
            if (filter == GroupFilter::Military && !(g.attacks > 0)) continue;
            if (filter == GroupFilter::Transport && !(g.cargo > 0)) continue;
            if (!isOwn && g.inbattle && ownSurvivedBattle) continue;

            GroupRow row;
            row.race = race.name;
            row.group = &g;
            row.cells = groupCells(race.name, g);
            grid.rows.push_back(std::move(row));
        }
    }
    return grid;
}

} // namespace orrery

#include "yourplanets.h"

#include "forecast.h"
#include "textrules.h"

#include <algorithm>

namespace orrery {

const YourPlanetsLayout& yourPlanetsLayout()
{
    static const YourPlanetsLayout layout{
        {"Name", "Size", "Population", "Industrie", "Resources", "Producing", "CAP", "COL", "MAT",
         "max./cur. production", "max./cur. tech", "max./cur. mass", "devel."},
        {100, 46, 56, 46, 56, 64, 40, 40, 40, 106, 78, 82, 34},
        {1, 2, 3, 4, 6, 7, 8, 12},
    };
    return layout;
}

std::vector<std::string> yourPlanetsRaces(const Game& game)
{
    std::vector<std::string> races{game.ownrace.str()};
    for (const playerrecord& p : game.turn.players) {
        if (p.name == game.ownrace) continue;
        const bool seen = std::any_of(game.turn.planets.begin(), game.turn.planets.end(),
                                      [&](const planetrecord& planet) { return planet.isalien && planet.owner == p.name; });
        if (seen && std::find(races.begin(), races.end(), p.name.str()) == races.end()) races.push_back(p.name.str());
    }
    std::sort(races.begin(), races.end());
    return races;
}

std::string develText(double currentProduction, double size, double maxsize)
{
    if (currentProduction <= unknownvalue || maxsize <= 0) return {};
    return std::to_string(roundHalfEven(currentProduction * size / maxsize));
}

namespace {

// "max / cur" with both figures as w:d, empty when neither is known.
std::string pairText(double max, double current, int width)
{
    if (max == unknownvalue && current == unknownvalue) return {};
    return formatFixed(max, width, 2) + " / " + formatFixed(current, width, 2);
}

} // namespace

std::vector<std::vector<std::string>> yourPlanetsRows(const Game& game, std::string_view race)
{
    const bool own = game.ownrace == race;
    std::vector<const planetrecord*> planets;
    for (const planetrecord& p : game.turn.planets)
        if (p.owner == race && (own || p.isalien)) planets.push_back(&p);
    double maxsize = -1;
    for (const planetrecord* p : planets) maxsize = std::max(maxsize, p->size);

    std::vector<std::vector<std::string>> rows;
    rows.reserve(planets.size());
    for (const planetrecord* p : planets) {
        const PlanetForecast f = planetForecast(*p);
        rows.push_back({
            p->altname.view().empty() ? p->name.str() : p->altname.str(),
            formatFixed(p->size, 6, 2),
            formatFixed(p->population, 6, 2),
            formatFixed(p->industry, 6, 2),
            formatFixed(p->resources, 5, 2),
            p->producing.str(),
            formatFixed(p->capital, 5, 2),
            formatFixed(p->colonists, 5, 2),
            formatFixed(p->material, 5, 2),
            pairText(f.maxProduction, f.currentProduction, 6),
            pairText(f.maxTech, f.currentTech, 4),
            pairText(f.maxMass, f.currentMass, 4),
            f.maxProduction == unknownvalue && f.currentProduction == unknownvalue
                ? std::string()
                : develText(f.currentProduction, p->size, maxsize),
        });
    }
    return rows;
}

} // namespace orrery

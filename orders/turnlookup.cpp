#include "turnlookup.h"

#include "orderwords.h"
#include "textrules.h"

#include <algorithm>
#include <cmath>

namespace orrery {

TurnLookup::TurnLookup(const Game& game) : game_(game)
{
    if (const racegrouprecord* own = ownGroups(game)) {
        groups_.reserve(own->groups.size());
        for (const grouprecord& g : own->groups) {
            groups_.try_emplace(std::trunc(g.groupnumber), &g);
            if (!g.fleet.empty()) fleets_[g.fleet.view()].push_back(&g);
        }
    }
    planets_.reserve(game.turn.planets.size() * 2);
    for (const planetrecord& p : game.turn.planets) {
        if (!p.name.empty()) planets_.try_emplace(p.name.view(), &p);
        if (!p.altname.empty()) planets_.try_emplace(p.altname.view(), &p);
    }
}

const grouprecord* TurnLookup::group(std::string_view number) const
{
    if (!isWholeNumber(number)) return nullptr;
    const auto it = groups_.find(readNumber(number));
    return it == groups_.end() ? nullptr : it->second;
}

const std::vector<const grouprecord*>* TurnLookup::fleetMembers(std::string_view fleet) const
{
    const auto it = fleets_.find(fleet);
    return it == fleets_.end() ? nullptr : &it->second;
}

const grouprecord* TurnLookup::firstFleetMember(std::string_view fleet) const
{
    const auto* members = fleetMembers(fleet);
    return members ? members->front() : nullptr;
}

const planetrecord* TurnLookup::planet(std::string_view name) const
{
    const auto it = planets_.find(name);
    return it == planets_.end() ? nullptr : it->second;
}

double cargoCapacity(const grouprecord& g) { return (g.cargo + g.cargo * g.cargo / 10.0) * g.cargotech; }

double planetStock(const planetrecord& planet, std::string_view cargo)
{
    const std::string kind = upper(cargo);
    double stock = 0.0;
    if (kind == "CAP")
        stock = planet.capital;
    else if (kind == "COL")
        stock = planet.colonists;
    else if (kind == "MAT")
        stock = planet.material;
    return stock > 0.0 ? stock : 0.0;
}

} // namespace orrery

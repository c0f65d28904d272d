#include "planetview.h"

#include "intelligence.h"
#include "textrules.h"

#include <algorithm>

namespace orrery {

namespace {

constexpr std::string_view pseudoPrefix = "zzz Pseudo player ";

std::string twoDecimals(double value) { return formatFixed(value, 0, 2); }
std::string labelled(const char* label, double value) { return value > unknownvalue ? label + twoDecimals(value) : std::string(); }

bool samePosition(double x, double y, double px, double py) { return x == px && y == py; }

// The number of a pseudo player's name: the text between "zzz Pseudo player " and the closing
// " zzz"; 0 when the name is too short to hold one.
std::int32_t pseudoNumber(std::string_view text)
{
    if (text.size() < pseudoPrefix.size() + 4) return 0;
    return truncToInt(readNumber(text.substr(pseudoPrefix.size(), text.size() - pseudoPrefix.size() - 4)));
}

// The planet intelligence entry at the position, made when there is none.
planetintelrecord& planetIntelAt(std::vector<planetintelrecord>& list, double x, double y)
{
    for (planetintelrecord& r : list)
        if (samePosition(r.x, r.y, x, y)) return r;
    planetintelrecord& r = list.emplace_back();
    r.x = x, r.y = y;
    return r;
}

struct Values {
    double size, population, industry, resources;
    bool anyKnown() const { return size > unknownvalue || population > unknownvalue || industry > unknownvalue || resources > unknownvalue; }
};

template <typename Record> void store(Record& r, const Values& v)
{
    r.size = v.size, r.population = v.population, r.industry = v.industry, r.resources = v.resources;
}

planetrecord* planetAt(turnrecord& turn, double x, double y)
{
    for (planetrecord& p : turn.planets)
        if (samePosition(p.x, p.y, x, y)) return &p;
    return nullptr;
}

} // namespace

std::string pseudoPlayerName(std::int32_t n) { return std::string(pseudoPrefix) + std::to_string(n) + " zzz"; }

std::optional<std::int32_t> pseudoPlayerOf(const planetrecord& planet)
{
    if (planet.ownercode >= -999) return std::nullopt;
    return -planet.ownercode - (pseudoplayerbase + 1);
}

std::vector<std::string> planetViewOwners(const Game& game)
{
    std::vector<std::string> owners;
    for (const playerrecord& p : game.turn.players) owners.push_back(p.name.str());
    std::vector<std::string> pseudo;
    for (const planetrecord& p : game.turn.planets) {
        const auto n = pseudoPlayerOf(p);
        if (!n) continue;
        std::string name = pseudoPlayerName(*n);
        if (std::find(pseudo.begin(), pseudo.end(), name) == pseudo.end()) pseudo.push_back(std::move(name));
    }
    owners.insert(owners.end(), pseudo.begin(), pseudo.end());
    owners.emplace_back(unknownOwner);
    return owners;
}

PlanetViewTexts planetViewTexts(const planetrecord& p)
{
    PlanetViewTexts t;
    t.name = "Name: " + (p.altname.empty() ? p.name.str() : p.altname.str());
    t.x = "X: " + twoDecimals(p.x);
    t.y = "Y: " + twoDecimals(p.y);
    if (!p.owner.empty())
        t.owner = p.owner.str();
    else if (const auto n = pseudoPlayerOf(p))
        t.owner = pseudoPlayerName(*n);
    else
        t.owner = unknownOwner;
    if (!p.producing.empty()) t.producing = "Producing: " + p.producing.str();
    t.fields = {planetFieldText(p.size), planetFieldText(p.resources), planetFieldText(p.population),
                planetFieldText(p.industry)};
    t.cap = labelled("CAP: ", p.capital);
    t.mat = labelled("MAT: ", p.material);
    t.col = labelled("COL: ", p.colonists);
    t.forecast = forecastLabels(planetForecast(p));
    return t;
}

std::array<std::string, 3> planetViewForecast(const std::array<std::string, 4>& f)
{
    return forecastLabels(planetForecast(planetFieldTypingValue(f[0]), planetFieldTypingValue(f[2]),
                                         planetFieldTypingValue(f[3]), planetFieldTypingValue(f[1])));
}

Result<AcceptOutcome> acceptPlanetValues(Game& game, const PlanetViewEntry& entry,
                                         const std::function<void()>& showTurnAgain)
{
    const Values values{planetFieldAcceptedValue(entry.fields[0]), planetFieldAcceptedValue(entry.fields[2]),
                        planetFieldAcceptedValue(entry.fields[3]), planetFieldAcceptedValue(entry.fields[1])};
    AcceptOutcome out;
    bool showAgain = false;
    const std::string& owner = entry.owner;
    const bool unknown = owner == unknownOwner;
    if (!owner.empty()) {
        const auto& players = game.turn.players;
        const auto player = std::find_if(players.begin(), players.end(), [&](const playerrecord& p) { return p.name == owner; });
        const bool pseudo = owner.find("zzz Pseudo player") != std::string::npos;
        if (player == players.end() && !unknown && !pseudo) {
            out.ownerMessage = "The given owner does not exist!";
        } else if (unknown) {
            // The owner is open again: the turn forgets it, the values stay with the game.
            if (planetrecord* p = planetAt(game.turn, entry.x, entry.y)) p->ownercode = 2;
            store(planetIntelAt(game.turn.planetintel, entry.x, entry.y), values);
            auto& intel = game.turn.turnintel;
            const auto removed = std::remove_if(intel.begin(), intel.end(), [&](const turnintelrecord& r) {
                return samePosition(r.x, r.y, entry.x, entry.y);
            });
            const bool any = removed != intel.end();
            intel.erase(removed, intel.end());
            if (any)
                if (Status written = writeTurnIntelligence(game, game.currentturn); !written) return written.error();
            out.changed = true;
        } else if (planetrecord* p = planetAt(game.turn, entry.x, entry.y)) {
            p->owner = pseudo ? shortname() : shortname(owner.substr(0, shortname::capacity));
            std::int32_t index = -1;
            if (pseudo)
                index = pseudoNumber(owner) + pseudoplayerbase;
            else if (player->name != game.ownrace)
                index = static_cast<std::int32_t>(player - players.begin());
            auto& intel = game.turn.turnintel;
            const auto it = std::find_if(intel.begin(), intel.end(), [&](const turnintelrecord& r) {
                return samePosition(r.x, r.y, entry.x, entry.y);
            });
            if (it != intel.end()) {
                it->ownerindex = index;
                store(*it, values);
            } else {
                turnintelrecord r;
                r.x = entry.x, r.y = entry.y, r.ownerindex = index;
                intel.push_back(r);
            }
            if (Status written = writeTurnIntelligence(game, game.currentturn); !written) return written.error();
            out.changed = true;
            // The owner takes effect through the turn's intelligence when the turn is read again.
            showAgain = true;
        }
    }
    if (values.anyKnown()) {
        store(planetIntelAt(game.turn.planetintel, entry.x, entry.y), values);
        out.changed = true;
    }
    if (!(unknown && !values.anyKnown())) {
        if (Status written = writePlanetIntelligence(game); !written) return written.error();
        // Read back, the file only fills values the planet lacks: a planet that already shows
        // estimates would keep the old ones until the turn changes. New values are shown at once
        // by reading the turn again, which reads planets.ori too.
        if (values.anyKnown())
            showAgain = true;
        else
            readPlanetIntelligence(game, true);
    }
    if (showAgain && showTurnAgain) showTurnAgain();
    return out;
}

} // namespace orrery

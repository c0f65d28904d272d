#include "intelligence.h"

#include "fileio.h"
#include "position.h"
#include "textrules.h"

#include <algorithm>

namespace orrery {

namespace {

// One record per line; blank lines are skipped.
template <class Fn>
void forEachRecordLine(std::string_view text, Fn&& fn)
{
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) {
        if (isBlankLine(line)) continue;
        fn(Fields(line));
    }
}

double value(const Fields& f, int n) { return readNumberOrUnknown(f[n]); }

void appendFixed(std::string& out, double v, int width)
{
    out += formatFixed(v, width, 2);
}

constexpr const char* lineEnd = "\r\n";

} // namespace

std::vector<planetintelrecord> parsePlanetIntel(std::string_view text)
{
    std::vector<planetintelrecord> out;
    forEachRecordLine(text, [&](const Fields& f) {
        planetintelrecord r;
        r.x = readNumber(f[1]);
        r.y = readNumber(f[2]);
        r.size = value(f, 3);
        r.population = value(f, 4);
        r.industry = value(f, 5);
        r.resources = value(f, 6);
        out.push_back(r);
    });
    return out;
}

std::vector<turnintelrecord> parseTurnIntel(std::string_view text)
{
    std::vector<turnintelrecord> out;
    forEachRecordLine(text, [&](const Fields& f) {
        turnintelrecord r;
        r.x = readNumber(f[1]);
        r.y = readNumber(f[2]);
        r.ownerindex = f[3].empty() ? -1 : truncToInt(readNumber(f[3]));
        r.size = value(f, 4);
        r.population = value(f, 5);
        r.industry = value(f, 6);
        r.resources = value(f, 7);
        out.push_back(r);
    });
    return out;
}

std::vector<shiptyperecord> parseShipDesigns(std::string_view text, const shortname& owner)
{
    std::vector<shiptyperecord> out;
    forEachRecordLine(text, [&](const Fields& f) {
        shiptyperecord t;
        t.name = f[1];
        t.owner = owner;
        t.drive = readNumber(f[2]);
        t.attacks = readNumber(f[3]);
        t.weapons = readNumber(f[4]);
        t.shields = readNumber(f[5]);
        t.cargo = readNumber(f[6]);
        t.fromreport = 0;
        out.push_back(t);
    });
    return out;
}

std::string planetIntelText(const std::vector<planetintelrecord>& records)
{
    std::string out;
    out.reserve(records.size() * 48);
    for (const planetintelrecord& r : records) {
        appendFixed(out, r.x, 3);
        out += '\t';
        appendFixed(out, r.y, 3);
        out += '\t';
        appendFixed(out, r.size, 4);
        out += '\t';
        appendFixed(out, r.population, 4);
        out += '\t';
        appendFixed(out, r.industry, 4);
        out += '\t';
        appendFixed(out, r.resources, 2);
        out += lineEnd;
    }
    return out;
}

std::string turnIntelText(const std::vector<turnintelrecord>& records)
{
    std::string out;
    out.reserve(records.size() * 52);
    for (const turnintelrecord& r : records) {
        appendFixed(out, r.x, 3);
        out += '\t';
        appendFixed(out, r.y, 3);
        out += '\t';
        out += std::to_string(r.ownerindex);
        out += '\t';
        appendFixed(out, r.size, 4);
        out += '\t';
        appendFixed(out, r.population, 4);
        out += '\t';
        appendFixed(out, r.industry, 4);
        out += '\t';
        appendFixed(out, r.resources, 2);
        out += lineEnd;
    }
    return out;
}

std::string shipDesignsText(const std::vector<shiptyperecord>& designs, const shortname& owner)
{
    std::string out;
    for (const shiptyperecord& t : designs) {
        if (!(t.owner == owner)) continue;
        out += t.name.view();
        for (double v : {t.drive, t.attacks, t.weapons, t.shields, t.cargo}) {
            out += '\t';
            appendFixed(out, v, 0);
        }
        out += lineEnd;
    }
    return out;
}

std::vector<planetintelrecord> readPlanetIntel(const std::string& path)
{
    const auto text = readFile(path);
    return text ? parsePlanetIntel(*text) : std::vector<planetintelrecord>{};
}

std::vector<turnintelrecord> readTurnIntel(const std::string& path)
{
    const auto text = readFile(path);
    return text ? parseTurnIntel(*text) : std::vector<turnintelrecord>{};
}

void readPlanetIntelligence(Game& game, bool merge)
{
    turnrecord& t = game.turn;
    t.planetintel = readPlanetIntel(game.planetIntelFile());
    if (!merge) return;
    const PositionIndex at(t.planets);
    // Values the report gives are never replaced.
    auto fill = [](double& planetValue, double known) {
        if (known != unknownvalue && planetValue == unknownvalue) planetValue = known;
    };
    for (const planetintelrecord& r : t.planetintel) {
        const long k = at.find(r.x, r.y);
        if (k < 0) continue;
        planetrecord& p = t.planets[static_cast<std::size_t>(k)];
        fill(p.size, r.size);
        fill(p.population, r.population);
        fill(p.industry, r.industry);
        fill(p.resources, r.resources);
    }
}

Status writePlanetIntelligence(const Game& game)
{
    return writeFileAtomic(game.planetIntelFile(), planetIntelText(game.turn.planetintel));
}

Status updatePlanetIntelligence(Game& game)
{
    turnrecord& t = game.turn;
    const PositionIndex at(t.planets);
    bool changed = false;
    for (planetintelrecord& r : t.planetintel) {
        const long k = at.find(r.x, r.y);
        if (k < 0) continue;
        const planetrecord& p = t.planets[static_cast<std::size_t>(k)];
        auto takeWhenMissing = [&](double& stored, double seen) {
            if (stored == unknownvalue && seen != unknownvalue) {
                stored = seen;
                changed = true;
            }
        };
        // Population and industry change from turn to turn: the latest value the player has
        // seen wins, but a planet not seen this turn (unknown) keeps what was known.
        auto takeWhenSeen = [&](double& stored, double seen) {
            if (seen != unknownvalue && stored != seen) {
                stored = seen;
                changed = true;
            }
        };
        takeWhenMissing(r.size, p.size);
        takeWhenMissing(r.resources, p.resources);
        takeWhenSeen(r.population, p.population);
        takeWhenSeen(r.industry, p.industry);
    }
    if (!changed) return {};
    return writePlanetIntelligence(game);
}

void readTurnIntelligence(Game& game, int turnNumber)
{
    game.turn.turnintel = readTurnIntel(game.turnIntelFile(turnNumber));
}

Status writeTurnIntelligence(const Game& game, int turnNumber)
{
    return writeFileAtomic(game.turnIntelFile(turnNumber), turnIntelText(game.turn.turnintel));
}

void readOwnDesigns(Game& game)
{
    const auto text = readFile(game.shipsFile());
    if (!text) return;
    for (const shiptyperecord& t : parseShipDesigns(*text, game.ownrace)) storeShipType(game.shiptypes, t);
}

Status writeOwnDesigns(const Game& game)
{
    if (game.shiptypes.empty()) return {};
    return writeFileAtomic(game.shipsFile(), shipDesignsText(game.shiptypes, game.ownrace));
}

void applyTurnIntel(Game& game)
{
    turnrecord& t = game.turn;
    const PositionIndex at(t.planets);
    for (const turnintelrecord& intel : t.turnintel) {
        const long k = at.find(intel.x, intel.y);
        if (k < 0) continue;
        planetrecord* planet = &t.planets[static_cast<std::size_t>(k)];
        if (intel.ownerindex >= 0) {
            planet->ownercode = -(intel.ownerindex + 1);
            if (planet->owner.empty() && intel.ownerindex < pseudoplayerbase &&
                static_cast<std::size_t>(intel.ownerindex) < t.players.size())
                planet->owner = t.players[static_cast<std::size_t>(intel.ownerindex)].name;
        } else if (planet->owner.empty()) {
            planet->ownercode = ocOther;
        }
        if (planet->owner.empty()) {
            planet->size = intel.size;
            planet->population = intel.population;
            planet->industry = intel.industry;
            planet->resources = intel.resources;
        }
    }
}

void completeTurn(Game& game, bool planetSizesShown)
{
    turnrecord& t = game.turn;
    t.turnintel = readTurnIntel(game.turnIntelFile(game.currentturn));
    applyTurnIntel(game);
    // Blind Galaxy names the owners of other races' planets: they get the codes of their races.
    if (game.isBlind()) {
        for (planetrecord& p : t.planets) {
            if (p.owner.empty() || p.owner == game.ownrace) continue;
            for (std::size_t k = 0; k < t.players.size(); ++k) {
                if (t.players[k].name == p.owner) {
                    p.ownercode = -static_cast<std::int32_t>(k + 1);
                    break;
                }
            }
        }
    }
    for (incomingrecord& r : t.incominggroups) {
        r.originowner.clear();
        for (const planetrecord& p : t.planets) {
            if (p.name == r.origin) {
                r.originowner = p.owner;
                break;
            }
        }
        auto radius = [&](const shortname& name, std::uint8_t* out) {
            for (const planetrecord& p : t.planets) {
                if (p.name == name) {
                    const int rr = planetSymbolRadius(p.size, planetSizesShown);
                    out[0] = out[1] = static_cast<std::uint8_t>(std::clamp(rr, 0, 255));
                    return;
                }
            }
        };
        radius(r.origin, &r.symbolsizes[0]);
        radius(r.destination, &r.symbolsizes[2]);
    }
}

} // namespace orrery

// What happened and what moves: the own cargo routes, the bombings of the turn (and planets
// wiped out since the turn before), and the groups of other races heading for the player's
// planets.

#include "reportpasses.h"

#include "position.h"

namespace orrery::reader {

std::size_t Reader::readRoutes(const Lines& lines, std::size_t heading)
{
    const RouteLayout& layout = layout_.routes;
    // A destination of "-" means that route is not set.
    auto destination = [](std::string_view f) { return f == "-" ? shortname() : shortname(f); };
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (endsTable(lines, i)) break;
        // GalaxyNG ends the routes with a notice about automatic unloading.
        if (contains(line, "AUTO") && contains(line, "UNLOAD") && contains(line, "CURRENTLY")) break;
        const Fields f(line);
        routerecord r;
        r.name = f[1];
        r.capital = destination(f[layout.capital]);
        r.material = destination(f[layout.material]);
        r.colonists = destination(f[layout.colonists]);
        r.empty = destination(f[layout.empty]);
        t_.routes.push_back(r);
    }
    return i;
}

std::size_t Reader::readBombings(const Lines& lines, std::size_t heading)
{
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) {
        const Fields f(lines[i]);
        const shortname planet(f[3]);
        // A planet bombed twice is listed twice: the later line's values count.
        bombingrecord* b = nullptr;
        for (bombingrecord& existing : t_.bombings)
            if (existing.name == planet) b = &existing;
        if (!b) {
            t_.bombings.emplace_back();
            b = &t_.bombings.back();
            b->name = planet;
            if (const planetrecord* p = findPlanet(t_, planet.view())) {
                b->x = p->x;
                b->y = p->y;
                b->altname = p->altname;
            }
        }
        b->attacker = f[1];
        b->victim = f[2];
        b->population = numberField(f, 4);
        b->industry = numberField(f, 5);
        b->producing = f[6];
        b->capital = numberField(f, 7);
        b->material = numberField(f, 8);
        b->colonists = numberField(f, 9);
    }
    return i;
}

std::size_t Reader::readIncoming(const Lines& lines, std::size_t heading)
{
    const IncomingLayout& layout = layout_.incoming;
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) {
        const Fields f(lines[i]);
        incomingrecord r;
        r.origin = f[layout.origin];
        r.destination = f[layout.destination];
        r.distance = numberField(f, layout.distance);
        r.speed = numberField(f, layout.speed);
        r.mass = numberField(f, layout.mass);
        if (const planetrecord* p = planetNamed(r.origin)) {
            r.originx = p->x;
            r.originy = p->y;
            r.originaltname = p->altname;
        }
        if (const planetrecord* p = planetNamed(r.destination)) {
            r.destinationx = p->x;
            r.destinationy = p->y;
            r.destinationaltname = p->altname;
        }
        t_.incominggroups.push_back(r);
    }
    return i;
}

void Reader::wipedOutPlanets(const std::vector<turnintelrecord>& previousintel)
{
    // A planet owned in the previous turn that is uninhabited now was wiped out: it is listed as
    // a bombing without attacker, with the owner the previous turn's intelligence names. Blind
    // Galaxy lists other races' planets with their owners, so only the player's own count there.
    std::unordered_map<Position, bool, PositionHash> uninhabited;
    for (const planetrecord& p : t_.planets)
        if (p.ownercode == ocUninhabited) uninhabited.emplace(Position{p.x, p.y}, true);
    if (uninhabited.empty()) return;
    const bool blind = v_.gametype == gtBlind;
    for (const planetrecord& prev : t_.previousplanets) {
        const bool owned = prev.ownercode == ocOwn || (!blind && prev.ownercode == ocOther);
        if (!owned || !uninhabited.count(Position{prev.x, prev.y})) continue;
        bombingrecord b;
        b.x = prev.x;
        b.y = prev.y;
        b.name = prev.name;
        b.altname = prev.altname;
        for (const turnintelrecord& intel : previousintel) {
            if (intel.x != prev.x || intel.y != prev.y) continue;
            if (intel.ownerindex < 0 || intel.ownerindex > pseudoplayerbase) continue;
            if (static_cast<std::size_t>(intel.ownerindex) < t_.previousplayers.size())
                b.victim = t_.previousplayers[static_cast<std::size_t>(intel.ownerindex)].name;
            break;
        }
        t_.bombings.push_back(b);
    }
}

} // namespace orrery::reader

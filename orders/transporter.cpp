#include "transporter.h"

#include "forecast.h"
#include "moveeditor.h"
#include "textrules.h"
#include "turnlookup.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>

namespace orrery {

namespace {

constexpr std::string_view COL = "COL";
constexpr std::string_view CAP = "CAP";

bool knownPosition(const planetrecord& p)
{
    auto known = [](double v) { return v != unknownvalue && v != unknownposition && !std::isnan(v); };
    return known(p.x) && known(p.y);
}

std::string_view shownName(const planetrecord& p) { return p.altname.empty() ? p.name.view() : p.altname.view(); }

// Values of the report may be unknown (-1): as stocks they count as nothing.
double atLeastZero(double v) { return v > 0.0 ? v : 0.0; }

double speedOf(double drive, double drivetech, double mass) { return mass > 0.0 ? 20.0 * drive * drivetech / mass : 0.0; }

// What a planet has to give of a cargo: colonists, or the capital its own industry does not need.
double stockOf(const planetrecord& p, std::string_view cargo)
{
    if (cargo == COL) return atLeastZero(p.colonists);
    return atLeastZero(p.industry + atLeastZero(p.capital) - p.size);
}

void take(planetrecord& p, std::string_view cargo, double amount)
{
    if (cargo == COL)
        p.colonists = atLeastZero(p.colonists) - amount;
    else
        p.capital = atLeastZero(p.capital) - amount;
}

double production(double population, double industry)
{
    return population >= industry ? industry + (population - industry) / 4.0 : population;
}

std::string wholeNumber(double v) { return std::to_string(truncToInt(v)); }

class Planner {
public:
    Planner(const Game& game, int turnLimit) : game_(game), lookup_(game), limit_(turnLimit) {}

    TransportPlan run(const std::vector<double>& groups, const std::vector<std::string>& planets)
    {
        buildShips(groups);
        buildPlanets(planets);
        // The stocks are those of the own planets where ships stand; they shrink as ships load.
        for (const planetrecord* at : from_)
            if (at && at->ownercode == ocOwn && !sources_.count(at)) sources_.emplace(at, *at);
        for (int t = 1; t <= limit_; ++t) loadPhase(t, true);
        for (int t = 1; t <= limit_; ++t) loadPhase(t, false);
        // Empty flights to where cargo waits: every own planet is a source now, those already
        // loaded from keep what is left of their stocks.
        for (const planetrecord& p : game_.turn.planets)
            if (p.ownercode == ocOwn && !sources_.count(&p)) sources_.emplace(&p, p);
        for (int t = 1; t <= limit_; ++t) fetchPhase(t, true);
        for (int t = 1; t <= limit_; ++t) fetchPhase(t, false);
        plan_.result = 0.0;
        for (const DevelopPlanet& p : plan_.planets) {
            const double industry = std::min(p.industry + p.assignedCapital, p.size);
            const double population = std::min(p.population + 8.0 * p.assignedColonists, p.size);
            plan_.result += production(population, industry) - production(p.population, p.industry);
        }
        return std::move(plan_);
    }

private:
    void buildShips(const std::vector<double>& groups)
    {
        const racegrouprecord* own = ownGroups(game_);
        if (!own) return;
        for (const grouprecord& g : own->groups) {
            // Only ships at a planet and out of battle can take orders.
            if (g.inbattle || g.distance != 0.0 || g.groupnumber < 0.0) continue;
            if (std::find(groups.begin(), groups.end(), std::trunc(g.groupnumber)) == groups.end()) continue;
            TransportShip ship;
            ship.groupnumber = std::trunc(g.groupnumber);
            const planetrecord* at = lookup_.planet(g.location.view());
            ship.location = at ? at->name : g.location;
            ship.cargotype = g.cargotype;
            ship.cargoquantity = g.cargoquantity;
            ship.drive = g.drive, ship.attacks = g.attacks, ship.weapons = g.weapons, ship.shields = g.shields;
            ship.cargo = g.cargo, ship.drivetech = g.drivetech, ship.cargotech = g.cargotech;
            for (std::int32_t n = 0; n < truncToInt(g.shipcount); ++n) {
                plan_.ships.push_back(ship);
                from_.push_back(at);
            }
        }
    }

    void buildPlanets(const std::vector<std::string>& names)
    {
        for (const std::string& name : names) {
            const planetrecord* p = lookup_.planet(name);
            if (!p) continue;
            DevelopPlanet d;
            d.name = p->name;
            d.displayName = shownName(*p);
            d.size = p->size, d.population = p->population, d.industry = p->industry, d.resources = p->resources;
            d.capital = p->capital, d.material = p->material, d.colonists = p->colonists;
            plan_.planets.push_back(d);
            targets_.push_back(p);
        }
    }

    int travelTime(std::size_t ship, const planetrecord* to, double load) const
    {
        const planetrecord* from = from_[ship];
        if (!from || !to || !knownPosition(*from) || !knownPosition(*to)) return unreachableTurns;
        if (from == to) return 0;
        const double speed = plan_.ships[ship].speedWith(load);
        if (!(speed > 0.0)) return unreachableTurns;
        const double turns = std::ceil(std::hypot(to->x - from->x, to->y - from->y) / speed);
        return turns < unreachableTurns ? static_cast<int>(turns) : unreachableTurns;
    }

    void assign(std::size_t ship, const planetrecord& to)
    {
        TransportShip& s = plan_.ships[ship];
        s.assignment = next_++;
        s.destination = to.name;
        s.destinationShown = shownName(to);
    }

    // Phases 1 (full loads) and 2 (any load) for one turn limit.
    void loadPhase(int t, bool fullLoads)
    {
        for (std::size_t i = 0; i < plan_.planets.size(); ++i) {
            DevelopPlanet& p = plan_.planets[i];
            double colonists = std::floor((p.size - p.population) / 8.0) - p.assignedColonists;
            double capital = p.size - p.industry - atLeastZero(p.capital) - p.assignedCapital;
            if (fullLoads) {
                // What is already under way to the planet.
                if (const racegrouprecord* own = ownGroups(game_))
                    for (const grouprecord& g : own->groups) {
                        if (!(g.distance > 0.0) || lookup_.planet(g.location.view()) != targets_[i]) continue;
                        if (g.cargotype == COL) colonists -= g.cargoquantity;
                        if (g.cargotype == CAP) capital -= g.cargoquantity;
                    }
            }
            loadFor(i, COL, colonists, p.assignedColonists, t, fullLoads);
            loadFor(i, CAP, capital, p.assignedCapital, t, fullLoads);
        }
    }

    void loadFor(std::size_t planet, std::string_view cargo, double& needed, double& assigned, int t, bool fullLoads)
    {
        const planetrecord* target = targets_[planet];
        const std::string_view other = cargo == COL ? CAP : COL;
        for (std::size_t i = 0; i < plan_.ships.size() && needed > 0.0; ++i) {
            TransportShip& s = plan_.ships[i];
            if (!s.destination.empty() || s.cargotype == other) continue;
            const double capacity = s.capacity();
            if (!(capacity > 0.0)) continue;
            const double carried = s.cargotype == cargo ? s.cargoquantity : 0.0;
            // Taking cargo from the planet to develop only to unload it there again adds nothing.
            auto source = from_[i] == target ? sources_.end() : sources_.find(from_[i]);
            const double stock = source == sources_.end() ? 0.0 : stockOf(source->second, cargo);
            const double load =
                carried > 0.0 ? std::min(atLeastZero(capacity - carried), stock) + carried : std::min(capacity, stock);
            const bool worth = fullLoads ? load > 0.8 * capacity && (cargo == COL ? load / 2.0 : 0.8 * load) < needed
                                         : load > 0.0;
            if (!worth || travelTime(i, target, load) > t) continue;
            assign(i, *target);
            if (stock > 0.0 && load - carried > 0.0) {
                s.load = std::string(cargo);
                s.loadAmount = load - carried;
                take(source->second, cargo, s.loadAmount);
            }
            needed -= load;
            assigned += load;
        }
    }

    // Phases 3 (a whole hold waits) and 4 (anything waits) for one turn limit.
    void fetchPhase(int t, bool wholeHold)
    {
        for (const std::string_view cargo : {COL, CAP}) {
            for (std::size_t i = 0; i < plan_.ships.size(); ++i) {
                TransportShip& s = plan_.ships[i];
                const double capacity = s.capacity();
                if (!s.destination.empty() || !(capacity > 0.0)) continue;
                for (const planetrecord& p : game_.turn.planets) {
                    auto source = sources_.find(&p);
                    // A ship already where the cargo waits needs no order to wait there.
                    if (source == sources_.end() || &p == from_[i]) continue;
                    planetrecord& stock = source->second;
                    const double waiting =
                        cargo == COL ? stock.colonists : stock.industry - stock.size + stock.capital;
                    if (!(wholeHold ? waiting >= capacity : waiting >= 0.0) || travelTime(i, &p, 0.0) > t) continue;
                    assign(i, p);
                    if (wholeHold)
                        (cargo == COL ? stock.colonists : stock.capital) -= capacity;
                    else
                        (cargo == COL ? stock.colonists : stock.capital) = 0.0;
                    break;
                }
            }
        }
    }

    const Game& game_;
    TurnLookup lookup_;
    int limit_;
    int next_ = 1;
    TransportPlan plan_;
    std::vector<const planetrecord*> from_;    // per ship: where it stands
    std::vector<const planetrecord*> targets_; // per planet to develop
    std::unordered_map<const planetrecord*, planetrecord> sources_;
};

} // namespace

double TransportShip::capacity() const { return (cargo + cargo * cargo / 10.0) * cargotech; }

double TransportShip::speedWith(double q) const
{
    return speedOf(drive, drivetech, emptyMass(drive, attacks, weapons, shields, cargo) + q);
}

double transporterCapacity(const grouprecord& group) { return (group.cargo + group.cargo * group.cargo / 10.0) * group.cargotech; }

double transporterSpeed(const grouprecord& group, double load)
{
    return speedOf(group.drive, group.drivetech, emptyMass(group) + load);
}

bool needsDevelopment(const planetrecord& planet)
{
    return planet.ownercode == ocOwn && (planet.population < planet.size || planet.industry < planet.size);
}

std::vector<const planetrecord*> planetsToDevelop(const Game& game)
{
    double largest = 0.0;
    for (const planetrecord& p : game.turn.planets)
        if (p.ownercode == ocOwn) largest = std::max(largest, p.size);
    std::vector<std::pair<double, const planetrecord*>> keyed;
    for (const planetrecord& p : game.turn.planets) {
        if (!needsDevelopment(p)) continue;
        // Without a known size no planet can be weighed: the production alone orders them.
        const double key = planetForecast(p).currentProduction * (largest > 0.0 ? p.size / largest : 1.0);
        if (key > -1.0 && key < 999999.0) keyed.emplace_back(key, &p);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<const planetrecord*> out;
    out.reserve(keyed.size());
    for (const auto& k : keyed) out.push_back(k.second);
    return out;
}

std::vector<const grouprecord*> transporterGroups(const Game& game, double cargoAbove)
{
    std::vector<const grouprecord*> out;
    if (const racegrouprecord* own = ownGroups(game))
        for (const grouprecord& g : own->groups)
            if (!g.inbattle && g.distance == 0.0 && g.cargo > 0.0 && g.cargo > cargoAbove) out.push_back(&g);
    return out;
}

namespace {

std::string trimmedText(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

std::string decimals2(double v) { return formatFixed(v, 0, 2); }

std::string_view locationShown(const Game& game, const grouprecord& g)
{
    const planetrecord* p = findPlanet(game.turn, g.location.view());
    return p ? shownName(*p) : g.location.view();
}

} // namespace

std::vector<std::string> transporterRow(const Game& game, const grouprecord& g)
{
    const double capacity = transporterCapacity(g);
    return {wholeNumber(g.groupnumber),
            wholeNumber(g.shipcount) + " x " + g.name.str(),
            std::string(locationShown(game, g)),
            g.cargotype.str(),
            decimals2(g.cargoquantity),
            capacity > 0.0 ? decimals2(capacity) : std::string(),
            decimals2(transporterSpeed(g, capacity > 0.0 ? capacity : 0.0)),
            decimals2(transporterSpeed(g, g.cargoquantity))};
}

std::vector<std::string> developRow(const planetrecord& p)
{
    const PlanetForecast f = planetForecast(p);
    const bool mass = f.maxMass > -1.0 || f.currentMass > -1.0;
    return {std::string(shownName(p)), decimals2(p.size), decimals2(p.population), decimals2(p.industry),
            decimals2(p.resources), p.producing.str(), decimals2(p.capital), decimals2(p.colonists),
            decimals2(p.material), mass ? decimals2(f.maxMass) + " / " + decimals2(f.currentMass) : std::string()};
}

std::vector<std::string> transporterChoices(const Game& game, const std::vector<double>& listed)
{
    std::vector<std::string> out;
    for (const grouprecord* g : transporterGroups(game, 0.0)) {
        if (std::find(listed.begin(), listed.end(), std::trunc(g->groupnumber)) != listed.end()) continue;
        out.push_back(wholeNumber(g->groupnumber) + ": " + wholeNumber(g->shipcount) + " x " + g->name.str() +
                      " at planet " + std::string(locationShown(game, *g)) + " (speed " +
                      decimals2(transporterSpeed(*g, g->cargoquantity)) + ")");
    }
    return out;
}

double choiceGroupNumber(std::string_view line)
{
    double number = -1.0;
    const std::string head = trimmedText(line.substr(0, line.find(':')));
    std::from_chars(head.data(), head.data() + head.size(), number);
    return number;
}

std::vector<std::string> developChoices(const Game& game, const std::vector<std::string>& listed)
{
    std::vector<std::string> out;
    for (const planetrecord& p : game.turn.planets) {
        if (!needsDevelopment(p)) continue;
        const std::string name(shownName(p));
        if (std::find(listed.begin(), listed.end(), name) == listed.end()) out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

const planetrecord* findPlanetByShownName(const Game& game, std::string_view shown)
{
    for (const planetrecord& p : game.turn.planets)
        if (shownName(p) == shown) return &p;
    return nullptr;
}

Result<double> parseCargoValue(std::string_view text)
{
    const std::string t = trimmedText(text);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return Failure(std::string(msgNoNumberGiven));
    return value;
}

Result<int> parseTurnLimit(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int turns = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), turns);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || turns < 1)
        return Failure(std::string(msgTurnsNotNumber));
    if (turns > maxPlanTurns) return Failure(std::string(msgTurnsTooMany));
    return turns;
}

Result<TransportPlan> planTransports(const Game& game, const std::vector<double>& groups,
                                     const std::vector<std::string>& planets, int turnLimit)
{
    if (groups.empty()) return Failure(std::string(msgTransporterListEmpty));
    if (planets.empty()) return Failure(std::string(msgPlanetListEmpty));
    if (turnLimit < 1) return Failure(std::string(msgTurnsNotNumber));
    if (turnLimit > maxPlanTurns) return Failure(std::string(msgTurnsTooMany));
    std::vector<double> numbers;
    numbers.reserve(groups.size());
    for (double g : groups) numbers.push_back(std::trunc(g));
    return Planner(game, turnLimit).run(numbers, planets);
}

std::string resultText(double result)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%6.2f", result);
    return buf;
}

std::vector<PlannedOrder> transportOrders(TransportPlan plan)
{
    std::vector<TransportShip>& ships = plan.ships;
    // Ships of each group that have not been split off yet.
    std::map<double, double> remaining;
    for (const TransportShip& s : ships) remaining[s.groupnumber] += s.shipcount;
    // Ships of a group with the same task travel as one.
    for (std::size_t i = 0; i < ships.size(); ++i) {
        if (ships[i].destination.empty()) continue;
        for (std::size_t j = i + 1; j < ships.size(); ++j) {
            TransportShip& o = ships[j];
            if (o.groupnumber == ships[i].groupnumber && o.destination == ships[i].destination &&
                o.load == ships[i].load && o.loadAmount == ships[i].loadAmount) {
                ships[i].shipcount += o.shipcount;
                o.destination.clear();
            }
        }
    }
    std::vector<const TransportShip*> byAssignment;
    for (const TransportShip& s : ships)
        if (s.assignment > 0 && !s.destination.empty()) byAssignment.push_back(&s);
    std::sort(byAssignment.begin(), byAssignment.end(),
              [](const TransportShip* a, const TransportShip* b) { return a->assignment < b->assignment; });

    std::vector<PlannedOrder> out;
    auto add = [&out](OrderKind kind, OrderFields fields) { out.push_back({kind, std::move(fields)}); };
    for (const TransportShip* s : byAssignment) {
        double& left = remaining[s->groupnumber];
        // A group is split whenever ships of it stay behind, idle ones as much as busy ones.
        const bool split = s->shipcount < left;
        const std::string count = split ? wholeNumber(s->shipcount) : std::string();
        std::string group = wholeNumber(s->groupnumber);
        bool unloaded = false;
        if (s->cargotype == "MAT") {
            add(OrderKind::Unload, {group, count});
            unloaded = true;
            if (split) group = "MAX";
            if (!s->load.empty()) add(OrderKind::Load, {s->load, group});
        } else if (!s->load.empty()) {
            add(OrderKind::Load, {s->load, group, count});
            if (split) group = "MAX";
        }
        const std::string ships = group == "MAX" ? std::string() : count;
        if (s->destination == s->location) {
            if (!unloaded || !s->load.empty()) add(OrderKind::Unload, {group, ships});
        } else {
            add(OrderKind::SendGroup, {group, s->destinationShown.str(), ships});
        }
        if (split) left -= s->shipcount;
    }
    return out;
}

Status addTransportOrders(MoveEditor& editor, const std::vector<PlannedOrder>& orders)
{
    // The first order goes where the editor inserts, the others follow it in plan order.
    const InsertMode mode = editor.insertMode();
    Status result;
    for (std::size_t i = 0; i < orders.size() && result; ++i) {
        if (i > 0) editor.setInsertMode(InsertMode::Below);
        result = editor.buildOrderOfKind(orders[i].kind, orders[i].fields);
    }
    editor.setInsertMode(mode);
    return result;
}

} // namespace orrery

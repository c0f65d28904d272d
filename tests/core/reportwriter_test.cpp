// Round trips through the report reader: a described galaxy is written as a turn report in one
// of the three dialects, read back, and everything the reader must get right is compared (through
// the records' JSON form) with what the description and the reading rules say it must be. The
// expectations are built from the description alone (names, columns, positions), never from what
// the reader produced.

#include "galaxygen.h"
#include "intelligence.h"
#include "reportreader.h"
#include "reportwriter.h"
#include "testfiles.h"
#include "testkit.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace orrery;
using namespace orrery::test;
using namespace orrery::gen;

namespace {

// What the reader must give for a report.

// A race as one column of a table or heading: the server writes blanks as "_"; the status
// table's names and the "Report for" line get the same "_" from the reader.
shortname raceName(std::string_view race) { return shortname(columnName(race)); }

// The entry of that name, appended when the list has none yet: race groups, battles and the races
// of a battle are made in the order they are first met.
template <class List>
auto& entry(List& list, const shortname& name)
{
    for (auto& e : list)
        if (e.name == name) return e;
    list.emplace_back().name = name;
    return list.back();
}

template <class List, class Name>
bool has(const List& list, const Name& name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

// Empty mass of one ship: drive + shields + cargo, and for armed ships the first weapon in full
// and every further attack at half its mass.
double massOf(const grouprecord& g)
{
    double mass = g.drive + g.shields + g.cargo;
    if (g.attacks > 0) mass += g.weapons + (g.attacks - 1) * g.weapons / 2.0;
    return mass;
}

// Planets in the order the report lists them: own, other races (by race in order of first
// appearance), unidentified, uninhabited.
std::vector<const ReportPlanet*> reportOrder(const GalaxyDescription& g)
{
    std::vector<const ReportPlanet*> order;
    std::vector<shortname> owners;
    for (const ReportPlanet& p : g.planets)
        if (p.table == PlanetTable::Alien && !has(owners, p.planet.owner)) owners.push_back(p.planet.owner);
    for (const ReportPlanet& p : g.planets)
        if (p.table == PlanetTable::Own) order.push_back(&p);
    for (const shortname& owner : owners)
        for (const ReportPlanet& p : g.planets)
            if (p.table == PlanetTable::Alien && p.planet.owner == owner) order.push_back(&p);
    for (PlanetTable kind : {PlanetTable::Unidentified, PlanetTable::Uninhabited})
        for (const ReportPlanet& p : g.planets)
            if (p.table == kind) order.push_back(&p);
    return order;
}

// Planet lines: in Blind Galaxy every table but the unknown systems starts with the system
// number, the name is the second column and the first is the altname unless equal. Unidentified
// planets show name and position only; uninhabited ones size and resources where known
// (population and industry are never read for them, and production, capital, material and
// colonists stand beyond the columns these lines have).
planetrecord expectedPlanet(const GalaxyDescription& g, const ReportPlanet& rp)
{
    const planetrecord& d = rp.planet;
    planetrecord p = makePlanet(d.name, d.x, d.y, ocOther, unknownvalue);
    if (g.dialect == Dialect::Blind && rp.table != PlanetTable::Unidentified && d.altname != d.name)
        p.altname = d.altname;
    if (rp.table == PlanetTable::Own || rp.table == PlanetTable::Alien) {
        p.owner = raceName(rp.table == PlanetTable::Own ? std::string_view(g.ownrace) : d.owner.view());
        p.ownercode = rp.table == PlanetTable::Own ? ocOwn : ocOther;
        p.isalien = rp.table == PlanetTable::Alien;
        std::tie(p.size, p.population, p.industry, p.resources, p.producing, p.capital, p.material, p.colonists) =
            std::tie(d.size, d.population, d.industry, d.resources, d.producing, d.capital, d.material, d.colonists);
    } else if (rp.table == PlanetTable::Uninhabited) {
        p.ownercode = ocUninhabited;
        if (d.size >= 0) {
            p.size = d.size;
            p.resources = d.resources;
        }
    }
    return p;
}

// The game a report shows.
Game expectTurn(const GalaxyDescription& g, const GalaxyDescription* prev, const std::vector<turnintelrecord>& previousintel)
{
    Game e;
    turnrecord& t = e.turn;
    const bool blind = g.dialect == Dialect::Blind;
    const bool standard = g.dialect == Dialect::Standard;
    // The variant shows in the preamble; Standard Galaxy (no sign of the others) is only
    // concluded from a previous report.
    e.gametype = blind ? gtBlind : g.dialect == Dialect::GalaxyNG ? gtGalaxyNG : prev ? gtStandard : gtUnknown;
    e.currentturn = g.turn;
    e.ownrace = raceName(g.ownrace);
    e.mapwidth = e.mapheight = -1;

    auto players = [](const GalaxyDescription& d) {
        std::vector<playerrecord> out = d.players;
        for (playerrecord& p : out) p.name = raceName(p.name);
        return out;
    };
    t.players = players(g);

    // Ship type tables: the own designs first, then each race's in order of first appearance.
    std::vector<shortname> designRaces = {shortname(g.ownrace)};
    for (const shiptyperecord& s : g.shiptypes)
        if (!has(designRaces, s.owner)) designRaces.push_back(s.owner);
    for (const shortname& r : designRaces)
        for (shiptyperecord s : g.shiptypes)
            if (s.owner == r) {
                s.owner = raceName(r);
                s.fromreport = 1;
                e.shiptypes.push_back(s);
            }

    for (const ReportPlanet* rp : reportOrder(g)) t.planets.push_back(expectedPlanet(g, *rp));

    // Group lines, battle entries among them.
    auto group = [&](const ReportGroup& rg, const std::string& race, const shortname* battle) {
        const bool own = race == g.ownrace;
        grouprecord gr = rg.group;
        const auto type = std::find_if(e.shiptypes.begin(), e.shiptypes.end(), [&](const shiptyperecord& s) {
            return s.name == gr.name && s.owner == raceName(race);
        });
        gr.typeknown = type != e.shiptypes.end();
        const shiptyperecord d = gr.typeknown ? *type : shiptyperecord();
        std::tie(gr.drive, gr.attacks, gr.weapons, gr.shields, gr.cargo) = std::tie(d.drive, d.attacks, d.weapons, d.shields, d.cargo);
        if (blind && !g.options.techs) {
            // Effective values (tech x part, two decimals) divided by the part again.
            auto tech = [](double part, double level) {
                const double printed = readNumber(formatFixed(part * level, 0, 2));
                return part != 0 ? printed / part : printed;
            };
            std::tie(gr.drivetech, gr.weapontech, gr.shieldtech, gr.cargotech) =
                std::tuple(tech(gr.drive, gr.drivetech), tech(gr.weapons, gr.weapontech), tech(gr.shields, gr.shieldtech),
                           tech(gr.cargo + gr.cargo * gr.cargo / 10.0, gr.cargotech));
        }
        if (!own || battle) gr.groupnumber = unknownvalue;
        if (battle) {
            std::tie(gr.location, gr.inbattle, gr.distance, gr.fleet) = std::tuple(*battle, 1, 0.0, shortname());
        } else {
            gr.survivors = -1;
            gr.distance = std::max(gr.distance, 0.0);
            // A fleet column shows "-" for a group in no fleet: none, like the cargo and route
            // columns. Only the own fleets have tables of their own.
            if (!own && !standard) gr.fleet = shortname();
        }
        entry(t.racegroups, raceName(race)).groups.push_back(gr);
        return gr;
    };
    for (const ReportBattle& b : g.battles)
        for (const ReportRaceGroups& table : b.tables)
            for (const ReportGroup& rg : table.groups) {
                const grouprecord gr = group(rg, table.race, &b.planet);
                entry(entry(t.battles, b.planet).races, raceName(table.race))
                    .groups.push_back({gr.name, massOf(gr) + gr.cargoquantity,
                                       static_cast<std::int32_t>(gr.shipcount), gr.survivors});
            }
    // The own groups: Standard Galaxy in one table with a fleet column, the others first the
    // groups in no fleet and then one table per fleet; then the other races' groups.
    for (const ReportRaceGroups& table : g.groups)
        if (table.race == g.ownrace) {
            for (const ReportGroup& rg : table.groups)
                if (standard || rg.group.fleet.empty()) group(rg, table.race, nullptr);
            for (const fleetrecord& f : standard ? std::vector<fleetrecord>() : g.fleets)
                for (const ReportGroup& rg : table.groups)
                    if (rg.group.fleet == f.name) group(rg, table.race, nullptr);
        }
    for (const ReportRaceGroups& table : g.groups)
        if (table.race != g.ownrace)
            for (const ReportGroup& rg : table.groups) group(rg, table.race, nullptr);

    if (!standard || (g.fleetSpeedTable && !g.fleets.empty())) t.fleets = g.fleets;
    t.routes = g.routes;

    // The text map. The first line after the upper frame is not a map row for the reader, so
    // marks there are not read and the rows are counted from the line after it: column c lies at
    // c x width / 80 + x0, row k of n at height x k / (n - 1) + y0.
    if (printsTextMap(g)) {
        e.mapx0 = truncToInt(g.mapx0);
        e.mapy0 = truncToInt(g.mapy0);
        // Only Blind Galaxy maps are centred anywhere; the others' far corner is their size.
        e.mapwidth = truncToInt(blind ? std::fabs(g.mapx1 - e.mapx0) : g.mapx1);
        e.mapheight = truncToInt(blind ? std::fabs(g.mapy1 - e.mapy0) : g.mapy1);
        std::vector<int> grid(static_cast<std::size_t>(g.maprows) * 80, -1);
        for (const mapmarkrecord& m : g.mapmarks) {
            const MapCell c = mapCell(g, m.x, m.y);
            grid[static_cast<std::size_t>(c.row * 80 + c.column)] = m.kind;
        }
        for (int row = 1; row < g.maprows; ++row)
            for (int column = 0; column < 80; ++column)
                if (const int kind = grid[static_cast<std::size_t>(row * 80 + column)]; kind >= 0)
                    t.mapmarks.push_back({static_cast<double>(column) * e.mapwidth / 80.0 + e.mapx0,
                                          static_cast<double>(e.mapheight) * (row - 1) / (g.maprows - 2) + e.mapy0,
                                          static_cast<std::uint8_t>(kind)});
    }

    if (blind) {
        for (const OptionFlag& flag : optionFlags())
            if (flag.reportKeyword) e.gameoptions.*flag.member = g.options.*flag.member;
        e.gameoptions.version = e.executableversion = g.options.version;
        // The "centered X:" line gives the map size and centre and sets the forecast turn to 0.
        if (g.options.mapsize >= 0)
            std::tie(e.gameoptions.mapsize, e.gameoptions.xcenter, e.gameoptions.ycenter, e.gameoptions.forecastturn) =
                std::tuple(g.options.mapsize, g.options.xcenter, g.options.ycenter, 0);
    }

    // The turn before: its players and planets (every table but the own planets and the
    // uninhabited ones as "another owner", isalien 0), the planets wiped out since then, the
    // races that vanished.
    if (prev) {
        t.previousplayers = players(*prev);
        // Blind Galaxy lists other races' systems with their number in front; the turn before's
        // are to be read "like unidentified planets", whose lines have none: their positions are
        // left open (unknownposition).
        for (const ReportPlanet* rp : reportOrder(*prev)) {
            planetrecord p = expectedPlanet(*prev, *rp);
            p.isalien = 0;
            if (blind && rp->table == PlanetTable::Alien) p.x = p.y = unknownposition;
            t.previousplanets.push_back(p);
        }
        // A planet the player (outside Blind Galaxy: anybody) held that is uninhabited now is a
        // bombing without attacker; its victim is the race the turn before's intelligence names.
        for (const planetrecord& was : t.previousplanets) {
            if (!(was.ownercode == ocOwn || (!blind && was.ownercode == ocOther))) continue;
            if (std::none_of(t.planets.begin(), t.planets.end(), [&](const planetrecord& p) {
                    return p.ownercode == ocUninhabited && p.x == was.x && p.y == was.y;
                }))
                continue;
            bombingrecord b{.x = was.x, .y = was.y, .name = was.name, .altname = was.altname};
            for (const turnintelrecord& intel : previousintel)
                if (intel.x == was.x && intel.y == was.y && intel.ownerindex >= 0 && intel.ownerindex <= 1000 &&
                    static_cast<std::size_t>(intel.ownerindex) < t.previousplayers.size()) {
                    b.victim = t.previousplayers[static_cast<std::size_t>(intel.ownerindex)].name;
                    break;
                }
            t.bombings.push_back(b);
        }
        // A race without planets the turn before that is gone from the status table: its
        // position is counted after the removal of those found before it.
        for (std::size_t k = 0; k < t.previousplayers.size();) {
            const playerrecord& p = t.previousplayers[k];
            if (p.planetcount != 0 || std::any_of(t.players.begin(), t.players.end(),
                                                  [&](const playerrecord& q) { return q.name == p.name; })) {
                ++k;
                continue;
            }
            t.vanishedraces.push_back(p.name);
            t.vanishedpositions.push_back(static_cast<std::int32_t>(k));
            t.previousplayers.erase(t.previousplayers.begin() + static_cast<std::ptrdiff_t>(k));
            k = 0;
        }
    }

    // A planet is found by its name (bombings: or its altname); an unknown one has no position.
    const planetrecord nowhere = makePlanet("", unknownposition, unknownposition);
    auto planetNamed = [&](const shortname& name, bool orAltname) -> const planetrecord& {
        for (const planetrecord& p : t.planets)
            if (p.name == name || (orAltname && p.altname == name)) return p;
        return nowhere;
    };
    // A second bombing line of a planet replaces the first one's values.
    for (bombingrecord b : g.bombings) {
        b.attacker = raceName(b.attacker);
        b.victim = raceName(b.victim);
        const auto same = std::find_if(t.bombings.begin(), t.bombings.end(),
                                       [&](const bombingrecord& r) { return r.name == b.name; });
        const planetrecord& p = planetNamed(b.name, true);
        std::tie(b.x, b.y, b.altname) = std::tie(p.x, p.y, p.altname);
        if (same == t.bombings.end())
            t.bombings.push_back(b);
        else
            std::tie(same->attacker, same->victim, same->population, same->industry, same->producing, same->capital,
                     same->material, same->colonists) =
                std::tie(b.attacker, b.victim, b.population, b.industry, b.producing, b.capital, b.material, b.colonists);
    }
    for (incomingrecord r : g.incoming) {
        const planetrecord& from = planetNamed(r.origin, false);
        const planetrecord& to = planetNamed(r.destination, false);
        std::tie(r.originx, r.originy, r.originaltname) = std::tie(from.x, from.y, from.altname);
        std::tie(r.destinationx, r.destinationy, r.destinationaltname) = std::tie(to.x, to.y, to.altname);
        t.incominggroups.push_back(r);
    }

    // Battle flags; the groups staying at each planet (survivors of a battle count as its ships):
    // flags, races, strengths scaled to 15 for the strongest planet, and distinct speeds.
    std::vector<double> ships(t.planets.size()), attack(t.planets.size()), defence(t.planets.size());
    for (std::size_t k = 0; k < t.planets.size(); ++k) {
        planetrecord& p = t.planets[k];
        p.hadbattle = std::any_of(t.battles.begin(), t.battles.end(), [&](const battlerecord& b) { return b.name == p.name; });
        for (const racegrouprecord& rg : t.racegroups)
            for (const grouprecord& gr : rg.groups) {
                if (gr.distance != 0 || gr.location != p.name) continue;
                const bool own = rg.name == e.ownrace;
                const double n = gr.survivors >= 0 ? gr.survivors : gr.shipcount;
                const double full = massOf(gr) + gr.cargoquantity;
                if (!own && gr.survivors != 0) {
                    p.aliengroups = 1;
                    p.alienraces.push_back(rg.name);
                }
                if (own && !gr.inbattle) p.owngroups = 1;
                ships[k] += n;
                attack[k] += n * gr.weapons * gr.weapontech * gr.attacks;
                // Defence of one ship: shield tech x shields / (full mass)^(1/3) x 30^(1/3).
                defence[k] += gr.shields > 0 ? n * (gr.shieldtech * gr.shields / std::cbrt(full) * std::cbrt(30.0)) : n;
                if (gr.survivors == 0 || !gr.typeknown || &planetNamed(p.name, false) != &p) continue;
                const double speed = 20.0 * gr.drive * gr.drivetech / full;
                if (!has(p.groupspeeds, speed)) p.groupspeeds.push_back(speed);
                if (!gr.fleet.empty() && !has(p.fleetspeeds, speed)) p.fleetspeeds.push_back(speed);
            }
    }
    const auto scale = [](std::vector<double>& values, double planetrecord::*field, std::vector<planetrecord>& planets) {
        const double largest = values.empty() ? 0 : *std::max_element(values.begin(), values.end());
        for (std::size_t k = 0; k < planets.size(); ++k) planets[k].*field = largest > 0 ? 15.0 * values[k] / largest : 0;
    };
    scale(ships, &planetrecord::shipscale, t.planets);
    scale(attack, &planetrecord::attackscale, t.planets);
    scale(defence, &planetrecord::defencescale, t.planets);
    return e;
}

// The comparison, list by list through the JSON form.

// What is compared of a planet of the turn before: who held it and where it is.
planetrecord identity(const planetrecord& p, bool positionKnown)
{
    planetrecord q = positionKnown ? makePlanet(p.name, p.x, p.y, p.ownercode) : makePlanet("", 0, 0, p.ownercode);
    if (positionKnown) q.altname = p.altname;
    q.isalien = p.isalien;
    return q;
}

void expectSameTurn(const Game& a, const Game& e)
{
    EXPECT_EQ(a.gametype, e.gametype);
    EXPECT_EQ(a.currentturn, e.currentturn);
    EXPECT_EQ(a.ownrace, e.ownrace);
    EXPECT_EQ((std::array{a.mapx0, a.mapy0, a.mapwidth, a.mapheight}),
              (std::array{e.mapx0, e.mapy0, e.mapwidth, e.mapheight}));
    EXPECT_EQ(a.executableversion, e.executableversion);
    expectSameRecord(a.gameoptions, e.gameoptions);
    auto same = [](const char* what, const auto& actual, const auto& wanted) {
        SCOPED_TRACE(what);
        expectSameRecords(actual, wanted);
    };
    same("players", a.turn.players, e.turn.players);
    same("ship types", a.shiptypes, e.shiptypes);
    same("planets", a.turn.planets, e.turn.planets);
    ASSERT_EQ(a.turn.racegroups.size(), e.turn.racegroups.size());
    for (std::size_t r = 0; r < e.turn.racegroups.size(); ++r) {
        EXPECT_EQ(a.turn.racegroups[r].name, e.turn.racegroups[r].name);
        same(e.turn.racegroups[r].name.str().c_str(), a.turn.racegroups[r].groups, e.turn.racegroups[r].groups);
    }
    same("battles", a.turn.battles, e.turn.battles);
    same("fleets", a.turn.fleets, e.turn.fleets);
    same("routes", a.turn.routes, e.turn.routes);
    same("bombings", a.turn.bombings, e.turn.bombings);
    same("incoming groups", a.turn.incominggroups, e.turn.incominggroups);
    same("map marks", a.turn.mapmarks, e.turn.mapmarks);
    same("previous players", a.turn.previousplayers, e.turn.previousplayers);
    EXPECT_EQ(a.turn.vanishedraces, e.turn.vanishedraces);
    EXPECT_EQ(a.turn.vanishedpositions, e.turn.vanishedpositions);
    ASSERT_EQ(a.turn.previousplanets.size(), e.turn.previousplanets.size());
    std::vector<planetrecord> was, wanted;
    for (std::size_t k = 0; k < e.turn.previousplanets.size(); ++k) {
        const bool known = e.turn.previousplanets[k].x != unknownposition;
        was.push_back(identity(a.turn.previousplanets[k], known));
        wanted.push_back(identity(e.turn.previousplanets[k], known));
    }
    same("previous planets", was, wanted);
}

// Reads a report (and the one before it) as a fresh start of the program would.
Game readBack(const GalaxyDescription& current, const GalaxyDescription* previous,
              const std::vector<turnintelrecord>& intel = {})
{
    Game game;
    game.gametype = gtUnknown;
    game.mapwidth = game.mapheight = -1;
    const ReportText now(writeReport(current));
    std::optional<ReportText> before;
    TurnTexts texts{nullptr, &now, intel};
    if (previous) texts.previous = &before.emplace(writeReport(*previous));
    showTurnRead(game, readReport(texts, GameValues::of(game), game.shiptypes), current.turn);
    return game;
}

void roundTrip(const GalaxyDescription& current, const GalaxyDescription* previous,
               const std::vector<turnintelrecord>& intel = {})
{
    {
        SCOPED_TRACE("without the previous report");
        expectSameTurn(readBack(current, nullptr), expectTurn(current, nullptr, {}));
    }
    if (previous) {
        SCOPED_TRACE("with the previous report");
        expectSameTurn(readBack(current, previous, intel), expectTurn(current, previous, intel));
    }
}

// A hand-made galaxy that has every table and the awkward cases: names with blanks and longer
// than 20 characters (Standard Galaxy), a race without planets, a ship type nobody described,
// fleets at a planet and in flight, an incoming group from a planet nobody knows, map marks in
// the first and the last row, planets wiped out since the turn before, races that vanished.

struct Layout {
    const char* label;
    Dialect dialect;
    bool crlf = false;
    bool techs = true;
    bool upgradecost = false;
    CenteredForm centered = CenteredForm::SizeLabel;
    bool map = true;
    bool twospace = false;
    bool tabbedMap = false;
    bool autoUnload = false;
    bool systemReports = false;
    bool fleetSpeedTable = true;
    bool invertOptions = false; // Blind Galaxy: every report option the opposite of its standard
};

const Layout layouts[] = {
    {.label = "standard", .dialect = Dialect::Standard},
    {.label = "standard, CR LF, tabs in the map, no fleet speeds", .dialect = Dialect::Standard, .crlf = true,
     .tabbedMap = true, .fleetSpeedTable = false},
    {.label = "galaxyng", .dialect = Dialect::GalaxyNG},
    {.label = "galaxyng, CR LF, auto unload notice", .dialect = Dialect::GalaxyNG, .crlf = true, .autoUnload = true},
    {.label = "blind, techs on, size label", .dialect = Dialect::Blind},
    {.label = "blind, techs off, upgrade cost, seven fields", .dialect = Dialect::Blind, .techs = false,
     .upgradecost = true, .centered = CenteredForm::SevenFields},
    {.label = "blind, techs on, upgrade cost, two spaces, CR LF", .dialect = Dialect::Blind, .crlf = true,
     .upgradecost = true, .centered = CenteredForm::SevenFields, .twospace = true},
    {.label = "blind, techs off, no map, system reports", .dialect = Dialect::Blind, .techs = false, .map = false,
     .systemReports = true},
    {.label = "blind, every option inverted", .dialect = Dialect::Blind, .techs = false,
     .centered = CenteredForm::SevenFields, .map = false, .invertOptions = true},
};

struct HandGalaxy {
    GalaxyDescription previous;
    GalaxyDescription current;
    std::vector<turnintelrecord> intel; // the previous turn's owners of the wiped-out planets
};

planetrecord inhabited(const char* name, const char* number, double x, double y, double size, double pop, double ind,
                       double res, const char* producing, double cap, double mat, double col)
{
    planetrecord p = makePlanet(name, x, y, ocOther, size);
    std::tie(p.altname, p.population, p.industry, p.resources, p.producing, p.capital, p.material, p.colonists) =
        std::tuple(shortname(number), pop, ind, res, shortname(producing), cap, mat, col);
    return p;
}

ReportGroup grp(double number, double ships, const char* type, const char* at, double distance = 0,
                const char* fleet = "", const char* cargo = "", double qty = 0, const char* origin = "")
{
    ReportGroup rg{makeGroup(number, type, ships, at, distance), origin, ships * 1.5};
    grouprecord& g = rg.group;
    std::tie(g.fleet, g.cargotype, g.cargoquantity) = std::tuple(shortname(fleet), shortname(cargo), qty);
    std::tie(g.drivetech, g.weapontech, g.shieldtech, g.cargotech) = std::tuple(1.5, 1.25, 1.1, 1.05);
    return rg;
}

ReportGroup fought(double before, int after, const char* type, double drive, const char* cargo = "", double qty = 0)
{
    ReportGroup rg = grp(unknownvalue, before, type, "", 0, "", cargo, qty);
    std::tie(rg.group.survivors, rg.group.inbattle, rg.group.drivetech) = std::tuple(after, 1, drive);
    return rg;
}

HandGalaxy handGalaxy(const Layout& layout)
{
    const bool standard = layout.dialect == Dialect::Standard;
    const bool blind = layout.dialect == Dialect::Blind;
    // Frames: Standard Galaxy from 0,0; GalaxyNG with its origin away from 0,0 (its width is
    // the far corner's x); Blind Galaxy centred on 0,0.
    const double x0 = blind ? -40.0 : standard ? 0.0 : 10.0;
    const double y0 = blind ? -40.0 : standard ? 0.0 : 20.0;
    const std::string own = standard ? "Sons of Orion" : "Orion";
    const std::string traders = standard ? "The Free Traders of Vega" : "Traders";

    GalaxyDescription g;
    g.dialect = layout.dialect;
    g.gamename = "Handmade";
    g.turn = 7;
    g.ownrace = own;
    std::tie(g.mapx0, g.mapy0, g.mapx1, g.mapy1) = std::tuple(x0, y0, x0 + 80.0, y0 + 80.0);
    g.maprows = blind ? 30 : standard ? 20 : 40;
    std::tie(g.crlf, g.tabbedMap, g.autoUnloadNotice, g.systemReports, g.fleetSpeedTable) =
        std::tie(layout.crlf, layout.tabbedMap, layout.autoUnload, layout.systemReports, layout.fleetSpeedTable);
    g.messages = {"Surrender Vega now, or be erased.", "  -- Vegan High Command"};
    if (blind) {
        setStandardOptions(g.options);
        g.options.version = "BG-7.1b";
        std::tie(g.options.techs, g.options.upgradecost, g.options.map, g.options.twospace) =
            std::tie(layout.techs, layout.upgradecost, layout.map, layout.twospace);
        std::tie(g.options.cartesian, g.options.sortgroups, g.options.showopts) = std::tuple(true, true, false);
        if (layout.invertOptions)
            for (const OptionFlag& flag : optionFlags())
                if (flag.reportKeyword) g.options.*flag.member = !flag.standard;
        // A map centre off 0,0.
        std::tie(g.options.mapsize, g.options.xcenter, g.options.ycenter) = std::tuple(80.0, 12.5, -7.25);
        g.centered = layout.centered;
    }
    g.players = {{own, standard ? "" : "-", 2.5, 1.75, 1.2, 1.05, 1453.61, 1298.09, 3},
                 {"Vegans", "War", 1.5, 1.25, 1.0, 1.0, 720.0, 660.0, 2},
                 {traders, "Peace", 1.0, 1.0, 1.0, 1.25, 650.0, 325.0, 2},
                 {"Ghosts", "War", 1.1, 1.0, 1.0, 1.0, 0.0, 0.0, 0}};
    g.shiptypes = {{"Hawk", "Vegans", 4.0, 1, 2.0, 2.0, 0.0},     {"Scout", own, 1.0, 0, 0.0, 0.0, 0.0},
                   {"Lancer", own, 10.0, 2, 5.0, 5.0, 0.0},       {"Freighter", own, 5.0, 0, 0.0, 0.0, 5.0},
                   {"Barge", "Vegans", 3.0, 0, 0.0, 0.0, 4.0},    {"Trader", traders, 2.5, 0, 0.0, 0.0, 6.25}};

    // Positions keep two decimals, as the report prints them; outside Blind Galaxy planets
    // have no system numbers.
    auto place = [&](planetrecord p, PlanetTable table, const std::string& owner = "") {
        p.x = std::round((x0 + p.x) * 100.0) / 100.0;
        p.y = std::round((y0 + p.y) * 100.0) / 100.0;
        if (!blind) p.altname.clear();
        p.owner = owner;
        return ReportPlanet{p, table};
    };
    auto seen = [](const char* name, const char* number, double x, double y) {
        planetrecord p = makePlanet(name, x, y, ocOther, unknownvalue);
        p.altname = number;
        return p;
    };
    const ReportPlanet alcyone = place(inhabited("Alcyone", "1", 12.5, 14.25, 1000, 1000, 1000, 10, "Lancer", 12.5, 3.75, 20.25), PlanetTable::Own);
    const ReportPlanet altair = place(inhabited("Altair", "2", 20.1, 30.2, 300, 300, 250.5, 7.5, "Capital", 0, 0, 2.5), PlanetTable::Own);
    const ReportPlanet p17 = place(inhabited("17", "", 35.5, 5.75, 526.8, 153.61, 47.59, 0.48, "Drive", 0, 1.5, 0), PlanetTable::Own);
    const ReportPlanet p31 = place(inhabited("31", "", 66.6, 70.7, 120.25, 60.5, 10, 1.5, "Capital", 0, 0, 0), PlanetTable::Own);
    const ReportPlanet vega = place(inhabited("Vega", "4", 50.25, 60.5, 900, 700, 650, 5, "Hawk", 3, 4, 5), PlanetTable::Alien, "Vegans");
    const ReportPlanet deneb = place(inhabited("Deneb", "5", 70.75, 10.1, 400, 20, 10, 1, "Capital", 0, 0, 0), PlanetTable::Alien, "Vegans");
    const ReportPlanet p40 = place(inhabited("40", "", 75.25, 30.3, 80.5, 30, 5, 0.5, "Capital", 0, 0, 0), PlanetTable::Alien, "Vegans");
    const ReportPlanet rigel = place(inhabited("Rigel", "6", 60.6, 40.4, 800, 600, 300, 2.5, "Trader", 1, 1, 1), PlanetTable::Alien, traders);
    const ReportPlanet mira = place(inhabited("Mira", "7", 5.05, 75.5, 100, 50, 25, 0.75, "Materials", 0, 0, 0), PlanetTable::Alien, traders);
    const ReportPlanet sirius = place(seen("Sirius", "8", 44.44, 22.22), PlanetTable::Unidentified);
    const ReportPlanet p23 = place(seen("23", "", 2.02, 3.03), PlanetTable::Unidentified);
    planetrecord procyonRecord = inhabited("Procyon", "9", 30.3, 50.5, 250.75, unknownvalue, unknownvalue, 3.5, "", 1.25, 0.5, unknownvalue);
    const ReportPlanet procyon = place(procyonRecord, PlanetTable::Uninhabited);
    auto empty = [&](ReportPlanet p) {
        p.table = PlanetTable::Uninhabited;
        p.planet = seen(p.planet.name.str().c_str(), p.planet.altname.str().c_str(), p.planet.x, p.planet.y);
        return p;
    };
    // The list mixes the tables on purpose: the report groups them.
    g.planets = {alcyone, vega, sirius, altair, p17, rigel, deneb, p23, procyon, mira, empty(p31), empty(p40)};

    ReportBattle atAltair{"Altair", {{"Vegans", {fought(5, 2, "Hawk", 1.0)}}, {own, {fought(3, 3, "Lancer", 1.5)}}},
                          {"Vegans Hawk fires on Orion Lancer : Shields", "Orion Lancer fires on Vegans Hawk : Destroyed"}};
    ReportBattle atVega{"Vega",
                        {{own, {fought(1, 0, "Scout", 1.25)}},
                         {"Vegans", {fought(4, 4, "Hawk", 1.0), fought(2, 1, "Barge", 1.0, "COL", 2.5)}}},
                        {}};
    g.battles = {atAltair, atVega};
    // The second bombing destroyed planet 40: it completes the bombing the reader makes for the
    // planet wiped out since the turn before.
    g.bombings = {{.population = 120.5, .industry = 30.25, .capital = 1.5, .material = 0, .colonists = 2.25, .name = "17",
                   .victim = own, .attacker = "Vegans", .producing = "Capital"},
                  {.population = 30, .industry = 5, .capital = 0, .material = 0, .colonists = 0, .name = "40",
                   .victim = "Vegans", .attacker = own, .producing = "Capital"},
                  {.population = 884.86, .industry = 293.21, .capital = 0, .material = 0, .colonists = 11.07,
                   .name = "Deneb", .victim = "Vegans", .attacker = own, .producing = "CAP"}};
    g.incoming = {{.origin = "Vega", .destination = "Alcyone", .distance = 12.5, .speed = 8.89, .mass = 45.0},
                  {.origin = "Nowhere", .destination = "Altair", .distance = 3.25, .speed = 2.1, .mass = 10.0}};
    g.routes = {{.name = "Alcyone", .capital = "Altair", .colonists = "17"}, {.name = "Altair", .empty = "Alcyone"}};

    ReportRaceGroups mine{own,
                          {grp(1, 4, "Lancer", "Alcyone"), grp(2, 9, "Freighter", "Procyon", 7.5, "", "COL", 6.88, "Alcyone"),
                           grp(3, 1, "Scout", "Sirius"), grp(5, 2, "Lancer", "Vega", 14.36, "Patrol", "", 0, "Altair"),
                           grp(6, 1, "Scout", "Vega", 14.36, "Patrol", "", 0, "Altair"), grp(7, 3, "Lancer", "Alcyone", 0, "Home"),
                           grp(8, 1, "Phantom", "31", 2.5, "", "", 0, "Altair"), grp(9, 2, "Freighter", "Altair", 0, "", "CAP", 3.5)}};
    ReportRaceGroups vegans{"Vegans", {grp(unknownvalue, 2, "Hawk", "Altair"), grp(unknownvalue, 1, "Barge", "Vega", 0, "", "MAT", 1.25)}};
    // Standard Galaxy shows other races' groups in flight with their distance, and their fleets.
    if (standard) vegans.groups.push_back(grp(unknownvalue, 6, "Hawk", "Alcyone", 4.5, "Armada"));
    g.groups = {mine, vegans, {traders, {grp(unknownvalue, 3, "Trader", "Rigel")}}};
    g.fleets = {fleetrecord{"Patrol"}, fleetrecord{"Home"}};
    // The mark in the first row (y = 0) is on the line the reader does not take for a row.
    for (auto [x, y, kind] : {std::tuple{40.0, 45.0, 1}, {25.0, 35.0, 1}, {30.0, 30.0, 0}, {10.0, 0.0, 1}, {79.0, 80.0, 0}})
        g.mapmarks.push_back({x0 + x, y0 + y, static_cast<std::uint8_t>(kind)});

    // The turn before: planet 31 was the player's and 40 the Vegans', two races without planets
    // vanish (a race that had a planet and one still listed do not), no battles or bombings.
    HandGalaxy h{g, g, {}};
    GalaxyDescription& p = h.previous;
    p.turn = g.turn - 1;
    p.battles.clear();
    p.bombings.clear();
    p.incoming.clear();
    p.planets = {alcyone, altair, p17, p31, vega, deneb, p40, rigel, mira, sirius, p23, procyon};
    p.players = {g.players[0], {"Lost", "War", 1, 1, 1, 1, 0, 0, 0}, g.players[1], {"Gone", "Peace", 1, 1, 1, 1, 0, 0, 0},
                 g.players[2], g.players[3], {"Fallen", "War", 1, 1, 1, 1, 5, 5, 1}};
    p.players[0].planetcount = 4;
    p.players[2].planetcount = 3;
    // The previous turn's intelligence names the owners: the player (index 0) and the Vegans
    // (index 2 of the previous status table).
    h.intel = {{p31.planet.x, p31.planet.y, 0}, {p40.planet.x, p40.planet.y, 2}};
    return h;
}


TEST(ReportWriterRoundTrip, HandMadeGalaxyInEveryLayout)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.label);
        const HandGalaxy h = handGalaxy(layout);
        roundTrip(h.current, &h.previous, h.intel);
        // The statistics of all turns read the status table alone.
        expectSameRecords(readStatusTable(ReportText(writeReport(h.current)), layout.dialect == Dialect::Blind ? gtBlind : gtStandard),
                          expectTurn(h.current, nullptr, {}).turn.players);
    }
}

// A report saved with any line end reads alike, also from files: the report of the turn before
// and that turn's intelligence are found beside it, and nothing is written.
TEST(ReportWriterRoundTrip, EveryLineEndReadsAlikeFromFiles)
{
    const HandGalaxy h = handGalaxy(layouts[2]);
    const Game expected = expectTurn(h.current, &h.previous, h.intel);
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(end));
        auto text = [&](GalaxyDescription g) {
            g.crlf = end[1] == '\n';
            std::string t = writeReport(g);
            if (std::string_view(end) == "\r") std::replace(t.begin(), t.end(), '\n', '\r');
            return t;
        };
        // The writer writes the line ends it is asked for.
        const std::string current = text(h.current);
        EXPECT_EQ(current.find('\r') != std::string::npos, end[0] == '\r');
        EXPECT_EQ(current.find('\n') != std::string::npos, end != std::string_view("\r"));
        TempDir dir;
        dir.write("orion6.txt", text(h.previous));
        dir.write("orion7.txt", current);
        dir.write("orion6.ori", turnIntelText(h.intel));
        Game game;
        std::tie(game.gametype, game.turndirectory, game.reportname, game.reportext, game.mapwidth, game.mapheight) =
            std::tuple(gtUnknown, dir.path(), "orion", ".txt", -1, -1);
        std::optional<TurnRead> read = readTurnFiles(game, 7);
        ASSERT_TRUE(read);
        showTurnRead(game, std::move(*read), 7);
        expectSameTurn(game, expected);
        // The statistics read the status table alone; a report that is not there reads as nothing.
        expectSameRecords(readTurnPlayers(game, 7).value_or(std::vector<playerrecord>()), expected.turn.players);
        EXPECT_FALSE(readTurnFiles(game, 8) || readTurnPlayers(game, 8));
        EXPECT_EQ(readText(dir.file("orion7.txt")), current);
        EXPECT_EQ(listFiles(dir.path()), (Strings{"orion6.ori", "orion6.txt", "orion7.txt"}));
    }
}

// Generated galaxies through the reader: short galaxies with every table, every turn of a game
// with the turn before, and large reports.

TEST(GeneratedGalaxies, ReadBack)
{
    for (Dialect dialect : {Dialect::Standard, Dialect::GalaxyNG, Dialect::Blind}) {
        SCOPED_TRACE(dialectName(dialect));
        for (std::uint32_t seed : {1u, 2u, 3u}) {
            SCOPED_TRACE("small galaxy, seed " + std::to_string(seed));
            const GalaxyDescription g = smallGalaxy(dialect, seed);
            EXPECT_FALSE(g.battles.empty() || g.bombings.empty() || g.routes.empty());
            roundTrip(g, nullptr);
        }
        GalaxyParams p{.dialect = dialect, .seed = 7, .planets = 50, .races = 5, .groupsPerRace = 12, .ownGroups = 20,
                       .ownedShare = 0.4, .spyShare = 0.3, .crlf = dialect == Dialect::Standard};
        p.options.techs = dialect != Dialect::Blind;
        p.options.upgradecost = dialect == Dialect::Blind;
        const GeneratedGame game = playGame(p, 10);
        for (std::size_t t = 1; t < game.turns.size(); ++t) {
            SCOPED_TRACE("turn " + std::to_string(t));
            expectSameTurn(readBack(game.turns[t], &game.turns[t - 1]), expectTurn(game.turns[t], &game.turns[t - 1], {}));
        }
        const SizedReports r = sizedReports(100000, dialect, 5);
        EXPECT_NEAR(static_cast<double>(r.currentText.size()), 100000.0, 10000.0);
        EXPECT_EQ(r.currentText, writeReport(r.current));
        EXPECT_EQ(r.previousText, writeReport(r.previous));
        expectSameTurn(readBack(r.current, &r.previous), expectTurn(r.current, &r.previous, {}));
    }
}

// The generator itself.

TEST(GalaxyGenerator, SameSeedSameReportsOtherSeedOtherReports)
{
    auto reports = [](std::uint32_t seed) {
        Strings texts;
        for (const GalaxyDescription& g : playGame(GalaxyParams{.seed = seed, .planets = 40, .races = 4}, 4).turns)
            texts.push_back(writeReport(g));
        return texts;
    };
    const Strings first = reports(1), other = reports(2);
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(reports(1), first);
    for (std::size_t t = 0; t < first.size(); ++t) EXPECT_NE(other.at(t), first[t]) << "turn " << t;
}

// A long game shows what happens in a real one: colonies, captures, races that vanish, battles,
// bombings, ships in flight.
TEST(GalaxyGenerator, LongGameHasTheEventsOfARealOne)
{
    const GeneratedGame game = playGame(GalaxyParams{.seed = 11, .planets = 80, .races = 8, .groupsPerRace = 20,
                                                     .ownGroups = 30, .battlesPerTurn = 6, .ownedShare = 0.3},
                                        40);
    int colonised = 0, captured = 0, wiped = 0, battles = 0, bombings = 0, inFlight = 0;
    for (std::size_t t = 1; t < game.turns.size(); ++t) {
        const GalaxyDescription& was = game.turns[t - 1];
        const GalaxyDescription& now = game.turns[t];
        battles += static_cast<int>(now.battles.size());
        bombings += static_cast<int>(now.bombings.size());
        for (const ReportRaceGroups& r : now.groups)
            inFlight += static_cast<int>(std::count_if(r.groups.begin(), r.groups.end(),
                                                       [](const ReportGroup& g) { return g.group.distance > 0; }));
        ASSERT_EQ(was.planets.size(), now.planets.size());
        for (std::size_t k = 0; k < now.planets.size(); ++k) {
            const ReportPlanet& a = was.planets[k];
            const ReportPlanet& b = now.planets[k];
            EXPECT_EQ(a.planet.x, b.planet.x);
            colonised += a.table == PlanetTable::Uninhabited && b.table == PlanetTable::Own;
            captured += (a.table == PlanetTable::Alien && b.table == PlanetTable::Alien && a.planet.owner != b.planet.owner) ||
                        (a.table == PlanetTable::Own && b.table == PlanetTable::Alien);
            wiped += a.table != PlanetTable::Uninhabited && b.table == PlanetTable::Uninhabited;
        }
    }
    for (int events : {colonised, captured, wiped, battles, bombings, inFlight}) EXPECT_GT(events, 0);
    EXPECT_LT(game.turns.back().players.size(), game.turns.front().players.size());
}

TEST(GalaxyGenerator, DemoGameWrittenAsFiles)
{
    const GeneratedGame demo = demoGame();
    ASSERT_EQ(demo.turns.size(), 12u);
    int battles = 0, bombings = 0, incoming = 0;
    for (const GalaxyDescription& g : demo.turns) {
        EXPECT_EQ(std::tuple(g.turn, g.dialect, g.ownrace, g.planets.size()),
                  std::tuple(static_cast<int>(&g - &demo.turns[0]), Dialect::GalaxyNG, std::string("Orion"), 120u));
        battles += static_cast<int>(g.battles.size());
        bombings += static_cast<int>(g.bombings.size());
        incoming += static_cast<int>(g.incoming.size());
    }
    EXPECT_EQ(demo.turns.front().players.size(), 6u);
    EXPECT_GT(battles * bombings * incoming, 0);
    EXPECT_FALSE(demo.turns.back().routes.empty() || demo.turns.back().fleets.empty());

    TempDir dir;
    const Result<std::vector<std::string>> paths = writeGame(demo, dir.path(), "orion");
    ASSERT_TRUE(paths);
    ASSERT_EQ(paths->size(), 12u);
    EXPECT_EQ(paths->back(), dir.file("orion11.txt"));
    const Game game = loadTurn(dir.file("orion11.txt"));
    EXPECT_EQ(game.gametype, gtGalaxyNG);
    EXPECT_EQ(game.ownrace, "Orion");
    EXPECT_EQ(game.turn.planets.size(), 120u);
}

TEST(GalaxyGenerator, GameReportsHaveTheAskedSize)
{
    for (Dialect dialect : {Dialect::Standard, Dialect::GalaxyNG, Dialect::Blind}) {
        SCOPED_TRACE(dialectName(dialect));
        // The first turns of a galaxy in mid-game are its busiest; later ones keep to the size.
        const GeneratedGame game = playGame(paramsForReportSize(60000, dialect, 3), 16);
        double sum = 0;
        for (std::size_t t = 6; t < game.turns.size(); ++t) {
            SCOPED_TRACE("turn " + std::to_string(t));
            const double size = static_cast<double>(writeReport(game.turns[t]).size());
            EXPECT_NEAR(size, 60000.0, 24000.0);
            sum += size;
        }
        EXPECT_NEAR(sum / 10.0, 60000.0, 9000.0);
    }
}

} // namespace

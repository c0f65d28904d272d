// Round trips through the report reader: a described galaxy is written as a turn report in one
// of the three dialects, read back, and everything the reader must get right is compared with
// what the description and the reading rules say it must be. The expectations are built from
// the description alone (names, columns, positions), never from what the reader produced.

#include "galaxygen.h"
#include "reportreader.h"
#include "reportwriter.h"
#include "testfiles.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace orrery;
using namespace orrery::test;
using namespace orrery::gen;

namespace {

// ---------------------------------------------------------------------------------------------
// What the reader must give for a report.

struct Expected {
    std::int32_t gametype = gtUnknown;
    shortname ownrace;
    std::vector<playerrecord> players;
    std::vector<playerrecord> previousplayers;
    std::vector<shiptyperecord> shiptypes;
    std::vector<planetrecord> planets;
    std::vector<planetrecord> previousplanets;
    std::vector<bool> previousPositionKnown; // false where the rules leave the columns unusable
    std::vector<racegrouprecord> racegroups;
    std::vector<battlerecord> battles;
    std::vector<fleetrecord> fleets;
    std::vector<routerecord> routes;
    std::vector<bombingrecord> bombings;
    std::vector<incomingrecord> incoming;
    std::vector<mapmarkrecord> mapmarks;
    bool mapRead = false;
    std::int32_t mapx0 = 0, mapy0 = 0, mapwidth = -1, mapheight = -1;
    bool blind = false;
    optiontype options;
    std::vector<shortname> vanished;
    std::vector<std::int32_t> vanishedpositions;
};

// A race as one column of a table or heading: the server writes blanks as "_"; the status
// table's names get the same "_" from the reader.
shortname raceName(std::string_view race) { return shortname(columnName(race)); }

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
    for (const ReportPlanet& p : g.planets)
        if (p.table == PlanetTable::Own) order.push_back(&p);
    std::vector<std::string> owners;
    for (const ReportPlanet& p : g.planets)
        if (p.table == PlanetTable::Alien && std::find(owners.begin(), owners.end(), p.planet.owner.view()) == owners.end())
            owners.emplace_back(p.planet.owner.view());
    for (const std::string& owner : owners)
        for (const ReportPlanet& p : g.planets)
            if (p.table == PlanetTable::Alien && p.planet.owner == owner) order.push_back(&p);
    for (PlanetTable kind : {PlanetTable::Unidentified, PlanetTable::Uninhabited})
        for (const ReportPlanet& p : g.planets)
            if (p.table == kind) order.push_back(&p);
    return order;
}

// Planet lines: in Blind Galaxy every table but the unknown systems starts with the system
// number (d = 1), the name is the second column and the first is the altname unless equal.
// Unidentified planets show name and position only; uninhabited ones size and resources where
// known (population and industry are never read for them, and production, capital, material
// and colonists stand beyond the columns these lines have).
planetrecord expectedPlanet(const GalaxyDescription& g, const ReportPlanet& rp, const shortname& ownrace)
{
    const planetrecord& d = rp.planet;
    const bool blind = g.dialect == Dialect::Blind;
    planetrecord p;
    p.name = d.name;
    if (blind && rp.table != PlanetTable::Unidentified && !d.altname.empty() && d.altname != d.name) p.altname = d.altname;
    p.x = d.x;
    p.y = d.y;
    switch (rp.table) {
    case PlanetTable::Own:
    case PlanetTable::Alien:
        p.size = d.size;
        p.population = d.population;
        p.industry = d.industry;
        p.resources = d.resources;
        p.producing = d.producing;
        p.capital = d.capital;
        p.material = d.material;
        p.colonists = d.colonists;
        p.owner = rp.table == PlanetTable::Own ? ownrace : raceName(d.owner);
        p.ownercode = rp.table == PlanetTable::Own ? ocOwn : ocOther;
        p.isalien = rp.table == PlanetTable::Alien ? 1 : 0;
        break;
    case PlanetTable::Unidentified:
        p.ownercode = ocOther;
        break;
    case PlanetTable::Uninhabited:
        p.ownercode = ocUninhabited;
        if (d.size >= 0) {
            p.size = d.size;
            p.resources = d.resources;
        }
        break;
    }
    return p;
}

const shiptyperecord* findDesign(const std::vector<shiptyperecord>& types, const shortname& name, const shortname& owner)
{
    for (const shiptyperecord& t : types)
        if (t.name == name && t.owner == owner) return &t;
    return nullptr;
}

Expected expectTurn(const GalaxyDescription& g, const GalaxyDescription* prev,
                    const std::vector<turnintelrecord>& previousintel)
{
    Expected e;
    const bool blind = g.dialect == Dialect::Blind;
    const bool standard = g.dialect == Dialect::Standard;
    e.blind = blind;
    // The variant shows in the preamble; Standard Galaxy (no sign of the others) is only
    // concluded from a previous report.
    e.gametype = blind ? gtBlind : g.dialect == Dialect::GalaxyNG ? gtGalaxyNG : prev ? gtStandard : gtUnknown;
    // "Report for" + one character, blanks as "_", cut to 20, cut before the first ",".
    e.ownrace = raceName(g.ownrace);
    auto race = [&](std::string_view r) { return r == g.ownrace ? e.ownrace : raceName(r); };

    auto players = [&](const GalaxyDescription& d) {
        std::vector<playerrecord> out;
        for (playerrecord p : d.players) {
            p.name = raceName(p.name);
            p.attributed = 0;
            out.push_back(p);
        }
        return out;
    };
    e.players = players(g);

    // Ship type tables: the own designs first, then each race's in order of first appearance.
    std::vector<std::string> designRaces;
    for (const shiptyperecord& t : g.shiptypes)
        if (std::find(designRaces.begin(), designRaces.end(), t.owner.view()) == designRaces.end())
            designRaces.emplace_back(t.owner.view());
    std::stable_partition(designRaces.begin(), designRaces.end(), [&](const std::string& r) { return r == g.ownrace; });
    for (const std::string& r : designRaces)
        for (shiptyperecord t : g.shiptypes) {
            if (t.owner != r) continue;
            t.owner = race(r);
            t.fromreport = 1;
            e.shiptypes.push_back(t);
        }

    for (const ReportPlanet* rp : reportOrder(g)) e.planets.push_back(expectedPlanet(g, *rp, e.ownrace));

    // Groups, in the order their tables stand: battles, own groups (and fleets), other races.
    auto addGroup = [&](const shortname& r, const grouprecord& gr) {
        std::size_t k = 0;
        while (k < e.racegroups.size() && e.racegroups[k].name != r) ++k;
        if (k == e.racegroups.size()) e.racegroups.push_back({r, {}});
        e.racegroups[k].groups.push_back(gr);
    };
    auto group = [&](const ReportGroup& rg, const std::string& raceText, bool battle, const shortname& battlePlanet) {
        const grouprecord& d = rg.group;
        const bool own = raceText == g.ownrace;
        grouprecord gr;
        gr.name = d.name;
        const shiptyperecord* type = findDesign(e.shiptypes, d.name, race(raceText));
        if (type) {
            gr.drive = type->drive;
            gr.attacks = type->attacks;
            gr.weapons = type->weapons;
            gr.shields = type->shields;
            gr.cargo = type->cargo;
        } else {
            gr.typeknown = false;
        }
        gr.shipcount = d.shipcount;
        gr.groupnumber = own && !battle ? d.groupnumber : unknownvalue;
        if (blind && !g.options.techs) {
            // Effective values (tech x part, two decimals) divided by the part again.
            auto tech = [](double part, double level) {
                const double printed = readNumber(formatFixed(part * level, 0, 2));
                return part != 0 ? printed / part : printed;
            };
            gr.drivetech = tech(gr.drive, d.drivetech);
            gr.weapontech = tech(gr.weapons, d.weapontech);
            gr.shieldtech = tech(gr.shields, d.shieldtech);
            gr.cargotech = tech(gr.cargo + gr.cargo * gr.cargo / 10.0, d.cargotech);
        } else {
            gr.drivetech = d.drivetech;
            gr.weapontech = d.weapontech;
            gr.shieldtech = d.shieldtech;
            gr.cargotech = d.cargotech;
        }
        gr.cargotype = d.cargotype;
        gr.cargoquantity = d.cargoquantity;
        if (battle) {
            gr.location = battlePlanet;
            gr.survivors = d.survivors;
            gr.inbattle = 1;
            gr.distance = 0;
        } else {
            gr.location = d.location;
            gr.survivors = -1;
            gr.distance = d.distance > 0 ? d.distance : 0.0;
            // A fleet column shows "-" for a group in no fleet; like the cargo and route
            // columns that means none. Only the own fleets have tables of their own.
            gr.fleet = own || standard ? d.fleet : shortname();
        }
        addGroup(race(raceText), gr);
        return gr;
    };

    for (const ReportBattle& b : g.battles) {
        for (const ReportRaceGroups& table : b.tables) {
            for (const ReportGroup& rg : table.groups) {
                const grouprecord gr = group(rg, table.race, true, b.planet);
                auto battle = std::find_if(e.battles.begin(), e.battles.end(),
                                           [&](const battlerecord& r) { return r.name == b.planet; });
                if (battle == e.battles.end()) {
                    e.battles.push_back({b.planet, {}});
                    battle = e.battles.end() - 1;
                }
                auto races = std::find_if(battle->races.begin(), battle->races.end(),
                                          [&](const battleracerecord& r) { return r.name == race(table.race); });
                if (races == battle->races.end()) {
                    battle->races.push_back({race(table.race), {}});
                    races = battle->races.end() - 1;
                }
                races->groups.push_back({gr.name, massOf(gr) + gr.cargoquantity, static_cast<std::int32_t>(rg.group.shipcount),
                                         rg.group.survivors});
            }
        }
    }
    for (const ReportRaceGroups& table : g.groups) {
        if (table.race != g.ownrace) continue;
        if (standard) {
            for (const ReportGroup& rg : table.groups) group(rg, table.race, false, {});
        } else {
            for (const ReportGroup& rg : table.groups)
                if (rg.group.fleet.empty()) group(rg, table.race, false, {});
            for (const fleetrecord& f : g.fleets)
                for (const ReportGroup& rg : table.groups)
                    if (rg.group.fleet == f.name) group(rg, table.race, false, {});
        }
    }
    for (const ReportRaceGroups& table : g.groups)
        if (table.race != g.ownrace)
            for (const ReportGroup& rg : table.groups) group(rg, table.race, false, {});

    if (!standard || (g.fleetSpeedTable && !g.fleets.empty())) e.fleets = g.fleets;
    e.routes = g.routes;

    // The text map. The first line after the upper frame is not a map row for the reader, so
    // marks there are not read and the rows are counted from the line after it.
    if (printsTextMap(g)) {
        e.mapRead = true;
        e.mapx0 = truncToInt(g.mapx0);
        e.mapy0 = truncToInt(g.mapy0);
        e.mapwidth = truncToInt(blind ? std::fabs(g.mapx1 - e.mapx0) : g.mapx1);
        e.mapheight = truncToInt(blind ? std::fabs(g.mapy1 - e.mapy0) : g.mapy1);
        std::vector<int> grid(static_cast<std::size_t>(g.maprows) * 80, -1);
        for (const mapmarkrecord& m : g.mapmarks) {
            const MapCell c = mapCell(g, m.x, m.y);
            grid[static_cast<std::size_t>(c.row) * 80 + static_cast<std::size_t>(c.column)] = m.kind;
        }
        const int rowsRead = g.maprows - 1;
        for (int row = 1; row < g.maprows; ++row)
            for (int column = 0; column < 80; ++column) {
                const int kind = grid[static_cast<std::size_t>(row) * 80 + static_cast<std::size_t>(column)];
                if (kind < 0) continue;
                mapmarkrecord m;
                m.x = static_cast<double>(column) * e.mapwidth / 80.0 + e.mapx0;
                m.y = static_cast<double>(e.mapheight) * (row - 1) / (rowsRead - 1) + e.mapy0;
                m.kind = static_cast<std::uint8_t>(kind);
                e.mapmarks.push_back(m);
            }
    }

    if (blind) {
        for (const OptionFlag& flag : optionFlags())
            if (flag.reportKeyword) e.options.*flag.member = g.options.*flag.member;
        e.options.version = g.options.version;
        if (g.options.mapsize >= 0) {
            e.options.mapsize = g.options.mapsize;
            e.options.xcenter = g.options.xcenter;
            e.options.ycenter = g.options.ycenter;
            e.options.forecastturn = 0;
        }
    }

    // The turn before: players, planets, wiped-out planets, vanished races.
    if (prev) {
        e.previousplayers = players(*prev);
        for (const ReportPlanet* rp : reportOrder(*prev)) {
            planetrecord p;
            p.name = rp->planet.name;
            p.x = rp->planet.x;
            p.y = rp->planet.y;
            const bool numbered = blind && rp->table != PlanetTable::Unidentified;
            if (numbered && !rp->planet.altname.empty() && rp->planet.altname != rp->planet.name)
                p.altname = rp->planet.altname;
            p.ownercode = rp->table == PlanetTable::Own ? ocOwn : rp->table == PlanetTable::Uninhabited ? ocUninhabited : ocOther;
            e.previousplanets.push_back(p);
            // Other races' systems of a Blind Galaxy report are to be read "like unidentified
            // planets", whose lines have no system number: what that gives is not a position.
            e.previousPositionKnown.push_back(!(blind && rp->table == PlanetTable::Alien));
        }
        for (const planetrecord& was : e.previousplanets) {
            const bool owned = was.ownercode == ocOwn || (!blind && was.ownercode == ocOther);
            if (!owned) continue;
            const bool wiped = std::any_of(e.planets.begin(), e.planets.end(), [&](const planetrecord& p) {
                return p.ownercode == ocUninhabited && p.x == was.x && p.y == was.y;
            });
            if (!wiped) continue;
            bombingrecord b;
            b.x = was.x;
            b.y = was.y;
            b.name = was.name;
            b.altname = was.altname;
            for (const turnintelrecord& intel : previousintel)
                if (intel.x == was.x && intel.y == was.y && intel.ownerindex >= 0 && intel.ownerindex <= 1000 &&
                    static_cast<std::size_t>(intel.ownerindex) < e.previousplayers.size()) {
                    b.victim = e.previousplayers[static_cast<std::size_t>(intel.ownerindex)].name;
                    break;
                }
            e.bombings.push_back(b);
        }
        for (bool removed = true; removed;) {
            removed = false;
            for (std::size_t k = 0; k < e.previousplayers.size(); ++k) {
                const playerrecord& p = e.previousplayers[k];
                const bool listed = std::any_of(e.players.begin(), e.players.end(),
                                                [&](const playerrecord& q) { return q.name == p.name; });
                if (p.planetcount != 0 || listed) continue;
                e.vanished.push_back(p.name);
                e.vanishedpositions.push_back(static_cast<std::int32_t>(k));
                e.previousplayers.erase(e.previousplayers.begin() + static_cast<std::ptrdiff_t>(k));
                removed = true;
                break;
            }
        }
    }

    for (const bombingrecord& d : g.bombings) {
        auto b = std::find_if(e.bombings.begin(), e.bombings.end(), [&](const bombingrecord& r) { return r.name == d.name; });
        if (b == e.bombings.end()) {
            bombingrecord fresh;
            fresh.name = d.name;
            for (const planetrecord& p : e.planets)
                if (p.name == d.name || p.altname == d.name) {
                    fresh.x = p.x;
                    fresh.y = p.y;
                    fresh.altname = p.altname;
                    break;
                }
            e.bombings.push_back(fresh);
            b = e.bombings.end() - 1;
        }
        b->attacker = raceName(d.attacker);
        b->victim = raceName(d.victim);
        b->population = d.population;
        b->industry = d.industry;
        b->producing = d.producing;
        b->capital = d.capital;
        b->material = d.material;
        b->colonists = d.colonists;
    }

    for (const incomingrecord& d : g.incoming) {
        incomingrecord r;
        r.origin = d.origin;
        r.destination = d.destination;
        r.distance = d.distance;
        r.speed = d.speed;
        r.mass = d.mass;
        for (const planetrecord& p : e.planets)
            if (p.name == d.origin) {
                r.originx = p.x;
                r.originy = p.y;
                r.originaltname = p.altname;
                break;
            }
        for (const planetrecord& p : e.planets)
            if (p.name == d.destination) {
                r.destinationx = p.x;
                r.destinationy = p.y;
                r.destinationaltname = p.altname;
                break;
            }
        e.incoming.push_back(r);
    }

    // Battle flags, groups at the planets and their strengths, speeds.
    for (planetrecord& p : e.planets)
        for (const battlerecord& b : e.battles)
            if (b.name == p.name) p.hadbattle = 1;
    std::vector<double> ships(e.planets.size()), attack(e.planets.size()), defence(e.planets.size());
    for (const racegrouprecord& rg : e.racegroups) {
        const bool own = rg.name == e.ownrace;
        for (const grouprecord& gr : rg.groups) {
            if (gr.distance != 0) continue;
            const double n = gr.survivors >= 0 ? gr.survivors : gr.shipcount;
            const double full = massOf(gr) + gr.cargoquantity;
            for (std::size_t k = 0; k < e.planets.size(); ++k) {
                planetrecord& p = e.planets[k];
                if (p.name != gr.location) continue;
                if (!own && gr.survivors != 0) {
                    p.aliengroups = 1;
                    p.alienraces.push_back(rg.name);
                }
                if (own && !gr.inbattle) p.owngroups = 1;
                ships[k] += n;
                attack[k] += n * gr.weapons * gr.weapontech * gr.attacks;
                defence[k] += gr.shields > 0 ? n * gr.shieldtech * gr.shields / std::cbrt(full) * std::cbrt(30.0) : n;
            }
            const double speed = full > 0 ? 20.0 * gr.drive * gr.drivetech / full : 0.0;
            if (gr.survivors == 0 || !gr.typeknown) continue;
            for (planetrecord& p : e.planets) {
                if (p.name != gr.location) continue;
                if (std::find(p.groupspeeds.begin(), p.groupspeeds.end(), speed) == p.groupspeeds.end())
                    p.groupspeeds.push_back(speed);
                if (!gr.fleet.empty() && std::find(p.fleetspeeds.begin(), p.fleetspeeds.end(), speed) == p.fleetspeeds.end())
                    p.fleetspeeds.push_back(speed);
                break;
            }
        }
    }
    const double maxShips = ships.empty() ? 0 : *std::max_element(ships.begin(), ships.end());
    const double maxAttack = attack.empty() ? 0 : *std::max_element(attack.begin(), attack.end());
    const double maxDefence = defence.empty() ? 0 : *std::max_element(defence.begin(), defence.end());
    for (std::size_t k = 0; k < e.planets.size(); ++k) {
        e.planets[k].shipscale = maxShips > 0 ? 15.0 * ships[k] / maxShips : 0.0;
        e.planets[k].attackscale = maxAttack > 0 ? 15.0 * attack[k] / maxAttack : 0.0;
        e.planets[k].defencescale = maxDefence > 0 ? 15.0 * defence[k] / maxDefence : 0.0;
    }
    return e;
}

// ---------------------------------------------------------------------------------------------
// Comparisons, one record at a time.

void comparePlayers(const std::vector<playerrecord>& actual, const std::vector<playerrecord>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const playerrecord& a = actual[k];
        const playerrecord& x = expected[k];
        SCOPED_TRACE("player " + x.name.str());
        EXPECT_EQ(a.name, x.name);
        EXPECT_EQ(a.relation, x.relation);
        EXPECT_EQ(a.drivetech, x.drivetech);
        EXPECT_EQ(a.weapontech, x.weapontech);
        EXPECT_EQ(a.shieldtech, x.shieldtech);
        EXPECT_EQ(a.cargotech, x.cargotech);
        EXPECT_EQ(a.population, x.population);
        EXPECT_EQ(a.industry, x.industry);
        EXPECT_EQ(a.planetcount, x.planetcount);
        EXPECT_EQ(a.attributed, 0.0);
    }
}

void comparePlanet(const planetrecord& a, const planetrecord& x, bool derived)
{
    EXPECT_EQ(a.name, x.name);
    EXPECT_EQ(a.altname, x.altname);
    EXPECT_EQ(a.x, x.x);
    EXPECT_EQ(a.y, x.y);
    EXPECT_EQ(a.ownercode, x.ownercode);
    EXPECT_EQ(a.isalien, x.isalien);
    if (!derived) return;
    EXPECT_EQ(a.owner, x.owner);
    EXPECT_EQ(a.producing, x.producing);
    EXPECT_EQ(a.size, x.size);
    EXPECT_EQ(a.population, x.population);
    EXPECT_EQ(a.industry, x.industry);
    EXPECT_EQ(a.resources, x.resources);
    EXPECT_EQ(a.capital, x.capital);
    EXPECT_EQ(a.material, x.material);
    EXPECT_EQ(a.colonists, x.colonists);
    EXPECT_EQ(a.battlesize, 1);
    EXPECT_EQ(a.hadbattle, x.hadbattle);
    EXPECT_EQ(a.owngroups, x.owngroups);
    EXPECT_EQ(a.aliengroups, x.aliengroups);
    std::vector<std::string> ar, xr;
    for (const shortname& r : a.alienraces) ar.push_back(r.str());
    for (const shortname& r : x.alienraces) xr.push_back(r.str());
    std::sort(ar.begin(), ar.end());
    std::sort(xr.begin(), xr.end());
    EXPECT_EQ(ar, xr);
    EXPECT_NEAR(a.shipscale, x.shipscale, 1e-9);
    EXPECT_NEAR(a.attackscale, x.attackscale, 1e-9);
    EXPECT_NEAR(a.defencescale, x.defencescale, 1e-9);
    ASSERT_EQ(a.groupspeeds.size(), x.groupspeeds.size());
    for (std::size_t k = 0; k < x.groupspeeds.size(); ++k) EXPECT_DOUBLE_EQ(a.groupspeeds[k], x.groupspeeds[k]);
    ASSERT_EQ(a.fleetspeeds.size(), x.fleetspeeds.size());
    for (std::size_t k = 0; k < x.fleetspeeds.size(); ++k) EXPECT_DOUBLE_EQ(a.fleetspeeds[k], x.fleetspeeds[k]);
}

void compareGroup(const grouprecord& a, const grouprecord& x)
{
    EXPECT_EQ(a.name, x.name);
    EXPECT_EQ(a.location, x.location);
    EXPECT_EQ(a.fleet, x.fleet);
    EXPECT_EQ(a.cargotype, x.cargotype);
    EXPECT_EQ(a.groupnumber, x.groupnumber);
    EXPECT_EQ(a.shipcount, x.shipcount);
    EXPECT_EQ(a.typeknown, x.typeknown);
    EXPECT_EQ(a.drive, x.drive);
    EXPECT_EQ(a.attacks, x.attacks);
    EXPECT_EQ(a.weapons, x.weapons);
    EXPECT_EQ(a.shields, x.shields);
    EXPECT_EQ(a.cargo, x.cargo);
    EXPECT_EQ(a.cargoquantity, x.cargoquantity);
    EXPECT_EQ(a.distance, x.distance);
    EXPECT_DOUBLE_EQ(a.drivetech, x.drivetech);
    EXPECT_DOUBLE_EQ(a.weapontech, x.weapontech);
    EXPECT_DOUBLE_EQ(a.shieldtech, x.shieldtech);
    EXPECT_DOUBLE_EQ(a.cargotech, x.cargotech);
    EXPECT_EQ(a.survivors, x.survivors);
    EXPECT_EQ(a.inbattle, x.inbattle);
}

void compareTurn(const Game& game, const Expected& x, bool withPrevious)
{
    EXPECT_EQ(game.gametype, x.gametype);
    EXPECT_EQ(game.ownrace, x.ownrace);
    {
        SCOPED_TRACE("players");
        comparePlayers(game.turn.players, x.players);
    }
    {
        SCOPED_TRACE("ship types");
        ASSERT_EQ(game.shiptypes.size(), x.shiptypes.size());
        for (std::size_t k = 0; k < x.shiptypes.size(); ++k) {
            const shiptyperecord& a = game.shiptypes[k];
            const shiptyperecord& t = x.shiptypes[k];
            SCOPED_TRACE(t.owner.str() + " " + t.name.str());
            EXPECT_EQ(a.name, t.name);
            EXPECT_EQ(a.owner, t.owner);
            EXPECT_EQ(a.drive, t.drive);
            EXPECT_EQ(a.attacks, t.attacks);
            EXPECT_EQ(a.weapons, t.weapons);
            EXPECT_EQ(a.shields, t.shields);
            EXPECT_EQ(a.cargo, t.cargo);
            EXPECT_EQ(a.fromreport, 1);
        }
    }
    {
        SCOPED_TRACE("planets");
        ASSERT_EQ(game.turn.planets.size(), x.planets.size());
        for (std::size_t k = 0; k < x.planets.size(); ++k) {
            SCOPED_TRACE("planet " + x.planets[k].name.str());
            comparePlanet(game.turn.planets[k], x.planets[k], true);
        }
    }
    {
        SCOPED_TRACE("groups");
        ASSERT_EQ(game.turn.racegroups.size(), x.racegroups.size());
        for (std::size_t r = 0; r < x.racegroups.size(); ++r) {
            const racegrouprecord& a = game.turn.racegroups[r];
            const racegrouprecord& t = x.racegroups[r];
            SCOPED_TRACE("race " + t.name.str());
            EXPECT_EQ(a.name, t.name);
            ASSERT_EQ(a.groups.size(), t.groups.size());
            for (std::size_t k = 0; k < t.groups.size(); ++k) {
                SCOPED_TRACE("group " + std::to_string(k) + " " + t.groups[k].name.str() + " at " + t.groups[k].location.str());
                compareGroup(a.groups[k], t.groups[k]);
            }
        }
    }
    {
        SCOPED_TRACE("battles");
        ASSERT_EQ(game.turn.battles.size(), x.battles.size());
        for (std::size_t b = 0; b < x.battles.size(); ++b) {
            const battlerecord& a = game.turn.battles[b];
            SCOPED_TRACE("battle at " + x.battles[b].name.str());
            EXPECT_EQ(a.name, x.battles[b].name);
            ASSERT_EQ(a.races.size(), x.battles[b].races.size());
            for (std::size_t r = 0; r < a.races.size(); ++r) {
                const battleracerecord& ar = a.races[r];
                const battleracerecord& xr = x.battles[b].races[r];
                EXPECT_EQ(ar.name, xr.name);
                ASSERT_EQ(ar.groups.size(), xr.groups.size());
                for (std::size_t k = 0; k < xr.groups.size(); ++k) {
                    EXPECT_EQ(ar.groups[k].name, xr.groups[k].name);
                    EXPECT_DOUBLE_EQ(ar.groups[k].fullmass, xr.groups[k].fullmass);
                    EXPECT_EQ(ar.groups[k].shipsbefore, xr.groups[k].shipsbefore);
                    EXPECT_EQ(ar.groups[k].survivors, xr.groups[k].survivors);
                }
            }
        }
    }
    {
        SCOPED_TRACE("fleets");
        ASSERT_EQ(game.turn.fleets.size(), x.fleets.size());
        for (std::size_t k = 0; k < x.fleets.size(); ++k) EXPECT_EQ(game.turn.fleets[k].name, x.fleets[k].name);
    }
    {
        SCOPED_TRACE("routes");
        ASSERT_EQ(game.turn.routes.size(), x.routes.size());
        for (std::size_t k = 0; k < x.routes.size(); ++k) {
            const routerecord& a = game.turn.routes[k];
            const routerecord& t = x.routes[k];
            SCOPED_TRACE("route from " + t.name.str());
            EXPECT_EQ(a.name, t.name);
            EXPECT_EQ(a.capital, t.capital);
            EXPECT_EQ(a.material, t.material);
            EXPECT_EQ(a.colonists, t.colonists);
            EXPECT_EQ(a.empty, t.empty);
        }
    }
    {
        SCOPED_TRACE("bombings");
        ASSERT_EQ(game.turn.bombings.size(), x.bombings.size());
        for (std::size_t k = 0; k < x.bombings.size(); ++k) {
            const bombingrecord& a = game.turn.bombings[k];
            const bombingrecord& t = x.bombings[k];
            SCOPED_TRACE("bombing of " + t.name.str());
            EXPECT_EQ(a.marker, 0);
            EXPECT_EQ(a.name, t.name);
            EXPECT_EQ(a.altname, t.altname);
            EXPECT_EQ(a.x, t.x);
            EXPECT_EQ(a.y, t.y);
            EXPECT_EQ(a.attacker, t.attacker);
            EXPECT_EQ(a.victim, t.victim);
            EXPECT_EQ(a.producing, t.producing);
            EXPECT_EQ(a.population, t.population);
            EXPECT_EQ(a.industry, t.industry);
            EXPECT_EQ(a.capital, t.capital);
            EXPECT_EQ(a.material, t.material);
            EXPECT_EQ(a.colonists, t.colonists);
        }
    }
    {
        SCOPED_TRACE("incoming groups");
        ASSERT_EQ(game.turn.incominggroups.size(), x.incoming.size());
        for (std::size_t k = 0; k < x.incoming.size(); ++k) {
            const incomingrecord& a = game.turn.incominggroups[k];
            const incomingrecord& t = x.incoming[k];
            SCOPED_TRACE(t.origin.str() + " to " + t.destination.str());
            EXPECT_EQ(a.origin, t.origin);
            EXPECT_EQ(a.destination, t.destination);
            EXPECT_EQ(a.originaltname, t.originaltname);
            EXPECT_EQ(a.destinationaltname, t.destinationaltname);
            EXPECT_EQ(a.distance, t.distance);
            EXPECT_EQ(a.speed, t.speed);
            EXPECT_EQ(a.mass, t.mass);
            EXPECT_EQ(a.originx, t.originx);
            EXPECT_EQ(a.originy, t.originy);
            EXPECT_EQ(a.destinationx, t.destinationx);
            EXPECT_EQ(a.destinationy, t.destinationy);
        }
    }
    {
        SCOPED_TRACE("map");
        EXPECT_EQ(game.mapx0, x.mapx0);
        EXPECT_EQ(game.mapy0, x.mapy0);
        EXPECT_EQ(game.mapwidth, x.mapwidth);
        EXPECT_EQ(game.mapheight, x.mapheight);
        ASSERT_EQ(game.turn.mapmarks.size(), x.mapmarks.size());
        for (std::size_t k = 0; k < x.mapmarks.size(); ++k) {
            SCOPED_TRACE("mark " + std::to_string(k));
            EXPECT_DOUBLE_EQ(game.turn.mapmarks[k].x, x.mapmarks[k].x);
            EXPECT_DOUBLE_EQ(game.turn.mapmarks[k].y, x.mapmarks[k].y);
            EXPECT_EQ(game.turn.mapmarks[k].kind, x.mapmarks[k].kind);
        }
    }
    if (x.blind) {
        SCOPED_TRACE("options");
        for (const OptionFlag& flag : optionFlags()) {
            SCOPED_TRACE(flag.keyword);
            EXPECT_EQ(game.gameoptions.*flag.member, x.options.*flag.member);
        }
        EXPECT_EQ(game.gameoptions.version, x.options.version);
        EXPECT_EQ(game.executableversion, x.options.version);
        EXPECT_EQ(game.gameoptions.mapsize, x.options.mapsize);
        EXPECT_EQ(game.gameoptions.xcenter, x.options.xcenter);
        EXPECT_EQ(game.gameoptions.ycenter, x.options.ycenter);
        EXPECT_EQ(game.gameoptions.forecastturn, x.options.forecastturn);
    }
    if (!withPrevious) {
        EXPECT_TRUE(game.turn.previousplayers.empty());
        EXPECT_TRUE(game.turn.previousplanets.empty());
        EXPECT_TRUE(game.turn.vanishedraces.empty());
        return;
    }
    {
        SCOPED_TRACE("previous players");
        comparePlayers(game.turn.previousplayers, x.previousplayers);
    }
    {
        SCOPED_TRACE("previous planets");
        ASSERT_EQ(game.turn.previousplanets.size(), x.previousplanets.size());
        for (std::size_t k = 0; k < x.previousplanets.size(); ++k) {
            if (!x.previousPositionKnown[k]) continue;
            SCOPED_TRACE("previous planet " + x.previousplanets[k].name.str());
            comparePlanet(game.turn.previousplanets[k], x.previousplanets[k], false);
        }
    }
    EXPECT_EQ(game.turn.vanishedraces, x.vanished);
    EXPECT_EQ(game.turn.vanishedpositions, x.vanishedpositions);
}

// Reads a report (and the one before it) as a fresh start of the program would.
void readBack(Game& game, const GalaxyDescription& current, const GalaxyDescription* previous,
              const std::vector<turnintelrecord>& intel = {})
{
    game = Game();
    game.gametype = gtUnknown;
    game.currentturn = current.turn;
    game.mapwidth = -1;
    game.mapheight = -1;
    const ReportText now(writeReport(current));
    std::optional<ReportText> before;
    TurnTexts texts;
    texts.current = &now;
    if (previous) {
        before.emplace(writeReport(*previous));
        texts.previous = &*before;
    }
    texts.previousintel = intel;
    showTurnRead(game, readReport(texts, GameValues::of(game), game.shiptypes), current.turn);
}

void roundTrip(const GalaxyDescription& current, const GalaxyDescription* previous,
               const std::vector<turnintelrecord>& intel = {})
{
    Game game;
    {
        SCOPED_TRACE("without the previous report");
        readBack(game, current, nullptr);
        compareTurn(game, expectTurn(current, nullptr, {}), false);
    }
    if (previous) {
        SCOPED_TRACE("with the previous report");
        readBack(game, current, previous, intel);
        compareTurn(game, expectTurn(current, previous, intel), true);
    }
}

// ---------------------------------------------------------------------------------------------
// A hand-made galaxy that has every table and the awkward cases: names with blanks and longer
// than 20 characters (Standard Galaxy), a race without planets, a ship type nobody described,
// fleets at a planet and in flight, an incoming group from a planet nobody knows, map marks in
// the first and the last row, a planet wiped out since the turn before.

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

struct HandGalaxy {
    GalaxyDescription previous;
    GalaxyDescription current;
    std::vector<turnintelrecord> intel; // the previous turn's owners of the wiped-out planets
};

planetrecord planet(const char* name, const char* number, double x, double y)
{
    planetrecord p;
    p.name = name;
    p.altname = number;
    p.x = x;
    p.y = y;
    return p;
}

planetrecord inhabited(planetrecord p, double size, double pop, double ind, double res, const char* producing,
                       double cap, double mat, double col)
{
    p.size = size;
    p.population = pop;
    p.industry = ind;
    p.resources = res;
    p.producing = producing;
    p.capital = cap;
    p.material = mat;
    p.colonists = col;
    return p;
}

ReportGroup grp(double number, double ships, const char* type, const char* at, double distance = 0,
                const char* fleet = "", const char* cargo = "", double qty = 0, const char* origin = "")
{
    ReportGroup rg;
    rg.group.groupnumber = number;
    rg.group.shipcount = ships;
    rg.group.name = type;
    rg.group.location = at;
    rg.group.distance = distance;
    rg.group.fleet = fleet;
    rg.group.cargotype = cargo;
    rg.group.cargoquantity = qty;
    rg.group.drivetech = 1.5;
    rg.group.weapontech = 1.25;
    rg.group.shieldtech = 1.1;
    rg.group.cargotech = 1.05;
    rg.origin = origin;
    rg.upgradecost = ships * 1.5;
    return rg;
}

ReportGroup fought(double before, int after, const char* type, double drive, const char* cargo = "", double qty = 0)
{
    ReportGroup rg = grp(unknownvalue, before, type, "", 0, "", cargo, qty);
    rg.group.survivors = after;
    rg.group.inbattle = 1;
    rg.group.drivetech = drive;
    return rg;
}

HandGalaxy handGalaxy(const Layout& layout)
{
    const Dialect dialect = layout.dialect;
    const bool standard = dialect == Dialect::Standard;
    const bool blind = dialect == Dialect::Blind;
    // Frames: Standard Galaxy from 0,0; GalaxyNG with its origin away from 0,0 (its width is
    // the far corner's x); Blind Galaxy centred on 0,0.
    const double x0 = blind ? -40.0 : standard ? 0.0 : 10.0;
    const double y0 = blind ? -40.0 : standard ? 0.0 : 20.0;
    // Positions keep two decimals, as the report prints them.
    auto at = [&](double x, double y) {
        return std::make_pair(std::round((x0 + x) * 100.0) / 100.0, std::round((y0 + y) * 100.0) / 100.0);
    };

    const std::string own = standard ? "Sons of Orion" : "Orion";
    const std::string traders = standard ? "The Free Traders of Vega" : "Traders";

    GalaxyDescription g;
    g.dialect = dialect;
    g.gamename = "Handmade";
    g.turn = 7;
    g.ownrace = own;
    g.crlf = layout.crlf;
    g.mapx0 = x0;
    g.mapy0 = y0;
    g.mapx1 = x0 + 80.0;
    g.mapy1 = y0 + 80.0;
    g.maprows = blind ? 30 : standard ? 20 : 40;
    g.tabbedMap = layout.tabbedMap;
    g.autoUnloadNotice = layout.autoUnload;
    g.systemReports = layout.systemReports;
    g.fleetSpeedTable = layout.fleetSpeedTable;
    g.messages = {"Surrender Vega now, or be erased.", "  -- Vegan High Command"};
    if (blind) {
        setStandardOptions(g.options);
        g.options.version = "BG-7.1b";
        g.options.techs = layout.techs;
        g.options.upgradecost = layout.upgradecost;
        g.options.map = layout.map;
        g.options.twospace = layout.twospace;
        g.options.cartesian = true;
        g.options.sortgroups = true;
        g.options.showopts = false;
        if (layout.invertOptions)
            for (const OptionFlag& flag : optionFlags())
                if (flag.reportKeyword) g.options.*flag.member = !flag.standard;
        g.options.mapsize = 80.0;
        g.options.xcenter = 12.5;
        g.options.ycenter = -7.25;
        g.centered = layout.centered;
    }

    auto player = [](const std::string& name, const char* relation, double d, double w, double s, double c, double pop,
                     double ind, double count) {
        playerrecord p;
        p.name = name;
        p.relation = relation;
        p.drivetech = d;
        p.weapontech = w;
        p.shieldtech = s;
        p.cargotech = c;
        p.population = pop;
        p.industry = ind;
        p.planetcount = count;
        return p;
    };
    g.players = {
        player(own, standard ? "" : "-", 2.5, 1.75, 1.2, 1.05, 1453.61, 1298.09, 3),
        player("Vegans", "War", 1.5, 1.25, 1.0, 1.0, 720.0, 660.0, 2),
        player(traders, "Peace", 1.0, 1.0, 1.0, 1.25, 650.0, 325.0, 2),
        player("Ghosts", "War", 1.1, 1.0, 1.0, 1.0, 0.0, 0.0, 0),
    };

    auto design = [](const char* name, const std::string& owner, double d, double a, double w, double s, double c) {
        shiptyperecord t;
        t.name = name;
        t.owner = owner;
        t.drive = d;
        t.attacks = a;
        t.weapons = w;
        t.shields = s;
        t.cargo = c;
        return t;
    };
    g.shiptypes = {
        design("Hawk", "Vegans", 4.0, 1, 2.0, 2.0, 0.0),
        design("Scout", own, 1.0, 0, 0.0, 0.0, 0.0),
        design("Lancer", own, 10.0, 2, 5.0, 5.0, 0.0),
        design("Freighter", own, 5.0, 0, 0.0, 0.0, 5.0),
        design("Barge", "Vegans", 3.0, 0, 0.0, 0.0, 4.0),
        design("Trader", traders, 2.5, 0, 0.0, 0.0, 6.25),
    };

    auto place = [&](planetrecord p, PlanetTable table, const std::string& owner = "") {
        const auto [x, y] = at(p.x, p.y);
        p.x = x;
        p.y = y;
        if (!blind) p.altname.clear();
        p.owner = owner;
        return ReportPlanet{p, table};
    };
    const ReportPlanet alcyone = place(inhabited(planet("Alcyone", "1", 12.5, 14.25), 1000, 1000, 1000, 10, "Lancer", 12.5, 3.75, 20.25), PlanetTable::Own);
    const ReportPlanet altair = place(inhabited(planet("Altair", "2", 20.1, 30.2), 300, 300, 250.5, 7.5, "Capital", 0, 0, 2.5), PlanetTable::Own);
    const ReportPlanet p17 = place(inhabited(planet("17", "", 35.5, 5.75), 526.8, 153.61, 47.59, 0.48, "Drive", 0, 1.5, 0), PlanetTable::Own);
    const ReportPlanet p31 = place(inhabited(planet("31", "", 66.6, 70.7), 120.25, 60.5, 10, 1.5, "Capital", 0, 0, 0), PlanetTable::Own);
    const ReportPlanet vega = place(inhabited(planet("Vega", "4", 50.25, 60.5), 900, 700, 650, 5, "Hawk", 3, 4, 5), PlanetTable::Alien, "Vegans");
    const ReportPlanet deneb = place(inhabited(planet("Deneb", "5", 70.75, 10.1), 400, 20, 10, 1, "Capital", 0, 0, 0), PlanetTable::Alien, "Vegans");
    const ReportPlanet p40 = place(inhabited(planet("40", "", 75.25, 30.3), 80.5, 30, 5, 0.5, "Capital", 0, 0, 0), PlanetTable::Alien, "Vegans");
    const ReportPlanet rigel = place(inhabited(planet("Rigel", "6", 60.6, 40.4), 800, 600, 300, 2.5, "Trader", 1, 1, 1), PlanetTable::Alien, traders);
    const ReportPlanet mira = place(inhabited(planet("Mira", "7", 5.05, 75.5), 100, 50, 25, 0.75, "Materials", 0, 0, 0), PlanetTable::Alien, traders);
    const ReportPlanet sirius = place(planet("Sirius", "8", 44.44, 22.22), PlanetTable::Unidentified);
    const ReportPlanet p23 = place(planet("23", "", 2.02, 3.03), PlanetTable::Unidentified);
    planetrecord procyonRecord = planet("Procyon", "9", 30.3, 50.5);
    procyonRecord.size = 250.75;
    procyonRecord.resources = 3.5;
    procyonRecord.capital = 1.25;
    procyonRecord.material = 0.5;
    const ReportPlanet procyon = place(procyonRecord, PlanetTable::Uninhabited);
    auto empty = [](ReportPlanet p) {
        p.table = PlanetTable::Uninhabited;
        const planetrecord& was = p.planet;
        p.planet = planet(was.name.str().c_str(), was.altname.str().c_str(), was.x, was.y);
        return p;
    };

    g.planets = {alcyone, vega, sirius, altair, p17, rigel, deneb, p23, procyon, mira, empty(p31), empty(p40)};
    // The list above mixes the tables on purpose: the report groups them.

    ReportBattle atAltair;
    atAltair.planet = "Altair";
    atAltair.tables = {{"Vegans", {fought(5, 2, "Hawk", 1.0)}}, {own, {fought(3, 3, "Lancer", 1.5)}}};
    atAltair.protocol = {"Vegans Hawk fires on Orion Lancer : Shields", "Orion Lancer fires on Vegans Hawk : Destroyed"};
    ReportBattle atVega;
    atVega.planet = "Vega";
    atVega.tables = {{own, {fought(1, 0, "Scout", 1.25)}},
                     {"Vegans", {fought(4, 4, "Hawk", 1.0), fought(2, 1, "Barge", 1.0, "COL", 2.5)}}};
    g.battles = {atAltair, atVega};

    auto bombing = [](const std::string& attacker, const std::string& victim, const char* name, double pop, double ind,
                      const char* producing, double cap, double mat, double col) {
        bombingrecord b;
        b.attacker = attacker;
        b.victim = victim;
        b.name = name;
        b.population = pop;
        b.industry = ind;
        b.producing = producing;
        b.capital = cap;
        b.material = mat;
        b.colonists = col;
        return b;
    };
    // The second line is the one that destroyed planet 40: it completes the bombing the reader
    // makes for the planet wiped out since the turn before.
    g.bombings = {bombing("Vegans", own, "17", 120.5, 30.25, "Capital", 1.5, 0, 2.25),
                  bombing(own, "Vegans", "40", 30.0, 5.0, "Capital", 0, 0, 0),
                  bombing(own, "Vegans", "Deneb", 884.86, 293.21, "CAP", 0, 0, 11.07)};

    auto incoming = [](const char* from, const char* to, double distance, double speed, double mass) {
        incomingrecord r;
        r.origin = from;
        r.destination = to;
        r.distance = distance;
        r.speed = speed;
        r.mass = mass;
        return r;
    };
    g.incoming = {incoming("Vega", "Alcyone", 12.5, 8.89, 45.0), incoming("Nowhere", "Altair", 3.25, 2.1, 10.0)};

    routerecord r1;
    r1.name = "Alcyone";
    r1.capital = "Altair";
    r1.colonists = "17";
    routerecord r2;
    r2.name = "Altair";
    r2.empty = "Alcyone";
    g.routes = {r1, r2};

    ReportRaceGroups mine{own, {}};
    mine.groups = {
        grp(1, 4, "Lancer", "Alcyone"),
        grp(2, 9, "Freighter", "Procyon", 7.5, "", "COL", 6.88, "Alcyone"),
        grp(3, 1, "Scout", "Sirius"),
        grp(5, 2, "Lancer", "Vega", 14.36, "Patrol", "", 0, "Altair"),
        grp(6, 1, "Scout", "Vega", 14.36, "Patrol", "", 0, "Altair"),
        grp(7, 3, "Lancer", "Alcyone", 0, "Home"),
        grp(8, 1, "Phantom", "31", 2.5, "", "", 0, "Altair"),
        grp(9, 2, "Freighter", "Altair", 0, "", "CAP", 3.5),
    };
    ReportRaceGroups vegans{"Vegans", {grp(unknownvalue, 2, "Hawk", "Altair"), grp(unknownvalue, 1, "Barge", "Vega", 0, "", "MAT", 1.25)}};
    // Standard Galaxy shows other races' groups in flight with their distance, and their fleets.
    if (standard) vegans.groups.push_back(grp(unknownvalue, 6, "Hawk", "Alcyone", 4.5, "Armada"));
    ReportRaceGroups theirs{traders, {grp(unknownvalue, 3, "Trader", "Rigel")}};
    g.groups = {mine, vegans, theirs};
    g.fleets = {fleetrecord{"Patrol"}, fleetrecord{"Home"}};

    auto mark = [&](double x, double y, std::uint8_t kind) {
        const auto [mx, my] = at(x, y);
        return mapmarkrecord{mx, my, kind};
    };
    // The mark in the first row (y = 0) is on the line the reader does not take for a row.
    g.mapmarks = {mark(40, 45, 1), mark(25, 35, 1), mark(30, 30, 0), mark(10, 0, 1), mark(79, 80, 0)};

    HandGalaxy h;
    h.current = g;

    // The turn before: planet 31 was the player's and 40 the Vegans', two races without
    // planets vanish, no battles or bombings.
    GalaxyDescription p = g;
    p.turn = g.turn - 1;
    p.battles.clear();
    p.bombings.clear();
    p.incoming.clear();
    p.planets = {alcyone, altair, p17, p31, vega, deneb, p40, rigel, mira, sirius, p23, procyon};
    p.players = {g.players[0], player("Lost", "War", 1, 1, 1, 1, 0, 0, 0), g.players[1], player("Gone", "Peace", 1, 1, 1, 1, 0, 0, 0),
                 g.players[2], g.players[3]};
    p.players[0].planetcount = 4;
    p.players[2].planetcount = 3;
    p.players[5].planetcount = 1;
    h.previous = p;
    // The previous turn's intelligence names the owners: the player (index 0) and the Vegans
    // (index 2 of the previous status table).
    turnintelrecord i31;
    i31.x = p31.planet.x;
    i31.y = p31.planet.y;
    i31.ownerindex = 0;
    turnintelrecord i40 = i31;
    i40.x = p40.planet.x;
    i40.y = p40.planet.y;
    i40.ownerindex = 2;
    h.intel = {i31, i40};
    return h;
}

const Layout layouts[] = {
    {"standard", Dialect::Standard},
    {"standard, CR LF, tabs in the map, no fleet speeds", Dialect::Standard, true, true, false, CenteredForm::SizeLabel,
     true, false, true, false, false, false},
    {"galaxyng", Dialect::GalaxyNG},
    {"galaxyng, CR LF, auto unload notice", Dialect::GalaxyNG, true, true, false, CenteredForm::SizeLabel, true, false,
     false, true},
    {"blind, techs on, size label", Dialect::Blind},
    {"blind, techs off, upgrade cost, seven fields", Dialect::Blind, false, false, true, CenteredForm::SevenFields},
    {"blind, techs on, upgrade cost, two spaces, CR LF", Dialect::Blind, true, true, true, CenteredForm::SevenFields,
     true, true},
    {"blind, techs off, no map, system reports", Dialect::Blind, false, false, false, CenteredForm::SizeLabel, false,
     false, false, false, true},
    {"blind, every option inverted", Dialect::Blind, false, false, false, CenteredForm::SevenFields, false, false, false,
     false, false, true, true},
};

// ---------------------------------------------------------------------------------------------

TEST(ReportWriterRoundTrip, HandMadeGalaxyInEveryLayout)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.label);
        const HandGalaxy h = handGalaxy(layout);
        roundTrip(h.current, &h.previous, h.intel);
    }
}

// The awkward cases of the hand-made galaxy, checked one by one where the whole comparison
// would hide what went wrong.
TEST(ReportWriterRoundTrip, HandMadeGalaxyDetails)
{
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.label);
        const HandGalaxy h = handGalaxy(layout);
        Game game;
        readBack(game, h.current, &h.previous, h.intel);
        const bool standard = layout.dialect == Dialect::Standard;
        const bool blind = layout.dialect == Dialect::Blind;

        EXPECT_EQ(game.ownrace, standard ? "Sons_of_Orion" : "Orion");
        ASSERT_EQ(game.turn.players.size(), 4u);
        EXPECT_EQ(game.turn.players[2].name, standard ? "The_Free_Traders_of_" : "Traders");
        EXPECT_EQ(game.turn.players[0].relation, standard ? "" : "-");

        // Planet 31 was the player's and 40 the Vegans': both are uninhabited now.
        std::vector<std::string> bombed;
        for (const bombingrecord& b : game.turn.bombings) bombed.push_back(b.name.str() + "/" + b.attacker.str() + "/" + b.victim.str());
        std::vector<std::string> expected;
        expected.push_back(std::string("31//") + (standard ? "Sons_of_Orion" : "Orion"));
        if (!blind) expected.push_back(std::string("40/") + (standard ? "Sons_of_Orion" : "Orion") + "/Vegans");
        expected.push_back(std::string("17/Vegans/") + (standard ? "Sons_of_Orion" : "Orion"));
        if (blind) expected.push_back(std::string("40/") + "Orion" + "/Vegans");
        expected.push_back(std::string("Deneb/") + (standard ? "Sons_of_Orion" : "Orion") + "/Vegans");
        EXPECT_EQ(bombed, expected);

        EXPECT_EQ(game.turn.vanishedraces, (std::vector<shortname>{"Lost", "Gone"}));
        EXPECT_EQ(game.turn.vanishedpositions, (std::vector<std::int32_t>{1, 2}));

        // The incoming group from a planet nobody knows has no origin position.
        ASSERT_EQ(game.turn.incominggroups.size(), 2u);
        EXPECT_EQ(game.turn.incominggroups[1].originx, unknownposition);
        EXPECT_EQ(game.turn.incominggroups[1].originy, unknownposition);

        const racegrouprecord* own = ownGroups(game);
        ASSERT_NE(own, nullptr);
        const grouprecord* phantom = findOwnGroup(game, "8");
        ASSERT_NE(phantom, nullptr);
        EXPECT_EQ(phantom->name, "Phantom");
        EXPECT_FALSE(phantom->typeknown);
        EXPECT_EQ(phantom->distance, 2.5);
        const grouprecord* patrol = findOwnFleetMember(game, "Patrol");
        ASSERT_NE(patrol, nullptr);
        EXPECT_EQ(patrol->groupnumber, 5.0);
        EXPECT_EQ(patrol->distance, 14.36);

        if (blind) {
            EXPECT_EQ(game.executableversion, "BG-7.1b");
            EXPECT_EQ(game.gameoptions.techs, layout.invertOptions ? true : layout.techs);
            EXPECT_EQ(game.gameoptions.upgradecost, layout.invertOptions ? true : layout.upgradecost);
            EXPECT_TRUE(game.gameoptions.cartesian);
            EXPECT_FALSE(game.gameoptions.showopts);
            EXPECT_EQ(game.gameoptions.mapsize, 80.0);
            EXPECT_EQ(game.gameoptions.xcenter, 12.5);
            EXPECT_EQ(game.gameoptions.ycenter, -7.25);
            if (!game.gameoptions.map) {
                EXPECT_EQ(game.mapwidth, -1);
                EXPECT_TRUE(game.turn.mapmarks.empty());
            }
        } else {
            // Only the far corner gives the width outside Blind Galaxy.
            EXPECT_EQ(game.mapwidth, standard ? 80 : 90);
            EXPECT_EQ(game.mapheight, standard ? 80 : 100);
        }
    }
}

// A table with a fleet column needs a word in that column for a group in flight that is in no
// fleet; the report writes "-", as it does for no cargo and for an unset route, and a group
// record's fleet is empty when the group is in none (the reading rule itself only says "field
// b+9 is fleet").
TEST(ReportWriterRoundTrip, StandardFleetColumnPlaceholderMeansNoFleet)
{
    const HandGalaxy h = handGalaxy(Layout{"", Dialect::Standard});
    Game game;
    readBack(game, h.current, nullptr);
    for (const char* number : {"2", "8"}) {
        SCOPED_TRACE(std::string("group ") + number);
        const grouprecord* g = findOwnGroup(game, number);
        ASSERT_NE(g, nullptr);
        EXPECT_GT(g->distance, 0.0);
        EXPECT_EQ(g->fleet, "");
    }
    // Groups in a fleet keep its name.
    const grouprecord* patrol = findOwnGroup(game, "5");
    ASSERT_NE(patrol, nullptr);
    EXPECT_EQ(patrol->fleet, "Patrol");
}

TEST(ReportWriterRoundTrip, GameTypeNeedsThePreviousReportOnlyForStandardGalaxy)
{
    struct Row {
        Dialect dialect;
        std::int32_t alone;
        std::int32_t withPrevious;
    };
    const Row rows[] = {
        {Dialect::Standard, gtUnknown, gtStandard},
        {Dialect::GalaxyNG, gtGalaxyNG, gtGalaxyNG},
        {Dialect::Blind, gtBlind, gtBlind},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(dialectName(row.dialect));
        const HandGalaxy h = handGalaxy(Layout{"", row.dialect});
        Game game;
        readBack(game, h.current, nullptr);
        EXPECT_EQ(game.gametype, row.alone);
        readBack(game, h.current, &h.previous);
        EXPECT_EQ(game.gametype, row.withPrevious);
    }
}

TEST(ReportWriterRoundTrip, PlayersOnlyReadFillsNothingElse)
{
    for (Dialect dialect : {Dialect::Standard, Dialect::GalaxyNG, Dialect::Blind}) {
        SCOPED_TRACE(dialectName(dialect));
        const HandGalaxy h = handGalaxy(Layout{"", dialect});
        Game game;
        game.gametype = dialect == Dialect::Blind ? gtBlind : gtStandard;
        game.currentturn = h.current.turn - 1;
        const ReportText now(writeReport(h.current));
        const ReportText before(writeReport(h.previous));
        TurnTexts texts;
        texts.current = &now;
        texts.previous = &before;
        comparePlayers(readStatusTable(now, game.gametype), expectTurn(h.current, nullptr, {}).players);
    }
}

// The same reports read from files, as written with CR LF and with bare line feeds.
TEST(ReportWriterRoundTrip, ReadingFilesGivesWhatReadingTextsGives)
{
    for (bool crlf : {false, true}) {
        SCOPED_TRACE(crlf ? "CR LF" : "LF");
        const HandGalaxy h = handGalaxy(Layout{"", Dialect::GalaxyNG, crlf});
        TempDir dir;
        dir.write("orion6.txt", writeReport(h.previous));
        dir.write("orion7.txt", writeReport(h.current));
        Game game;
        game.gametype = gtUnknown;
        game.turndirectory = dir.path();
        game.reportname = "orion";
        game.reportext = ".txt";
        game.mapwidth = -1;
        std::optional<TurnRead> read = readTurnFiles(game, 7);
        ASSERT_TRUE(read);
        showTurnRead(game, std::move(*read), 7);
        compareTurn(game, expectTurn(h.current, &h.previous, {}), true);
    }
}

// ---------------------------------------------------------------------------------------------
// Generated galaxies through the reader: every turn of short games and the sized reports.

TEST(GeneratedGalaxies, SmallGalaxiesReadBack)
{
    for (Dialect dialect : {Dialect::Standard, Dialect::GalaxyNG, Dialect::Blind}) {
        for (std::uint32_t seed : {1u, 2u, 3u}) {
            SCOPED_TRACE(std::string(dialectName(dialect)) + " seed " + std::to_string(seed));
            const GalaxyDescription g = smallGalaxy(dialect, seed);
            EXPECT_FALSE(g.battles.empty());
            EXPECT_FALSE(g.bombings.empty());
            EXPECT_FALSE(g.routes.empty());
            roundTrip(g, nullptr);
        }
    }
}

TEST(GeneratedGalaxies, EveryTurnOfAGameReadsBackWithTheTurnBefore)
{
    for (Dialect dialect : {Dialect::Standard, Dialect::GalaxyNG, Dialect::Blind}) {
        SCOPED_TRACE(dialectName(dialect));
        GalaxyParams p;
        p.dialect = dialect;
        p.seed = 7;
        p.planets = 50;
        p.races = 5;
        p.groupsPerRace = 12;
        p.ownGroups = 20;
        p.ownedShare = 0.4;
        p.spyShare = 0.3;
        p.options.techs = dialect != Dialect::Blind;
        p.options.upgradecost = dialect == Dialect::Blind;
        p.crlf = dialect == Dialect::Standard;
        const GeneratedGame game = playGame(p, 10);
        for (std::size_t t = 1; t < game.turns.size(); ++t) {
            SCOPED_TRACE("turn " + std::to_string(t));
            Game read;
            readBack(read, game.turns[t], &game.turns[t - 1]);
            compareTurn(read, expectTurn(game.turns[t], &game.turns[t - 1], {}), true);
        }
    }
}

TEST(GeneratedGalaxies, SizedReportsReadBack)
{
    for (Dialect dialect : {Dialect::Standard, Dialect::GalaxyNG, Dialect::Blind}) {
        SCOPED_TRACE(dialectName(dialect));
        const SizedReports r = sizedReports(100000, dialect, 5);
        EXPECT_NEAR(static_cast<double>(r.currentText.size()), 100000.0, 10000.0);
        EXPECT_EQ(r.currentText, writeReport(r.current));
        EXPECT_EQ(r.previousText, writeReport(r.previous));
        EXPECT_EQ(r.current.turn, r.previous.turn + 1);
        Game game;
        readBack(game, r.current, &r.previous);
        compareTurn(game, expectTurn(r.current, &r.previous, {}), true);
    }
}

// ---------------------------------------------------------------------------------------------
// The generator itself.

TEST(GalaxyGenerator, SameSeedSameReportsOtherSeedOtherReports)
{
    GalaxyParams p;
    p.planets = 40;
    p.races = 4;
    const GeneratedGame a = playGame(p, 4);
    const GeneratedGame b = playGame(p, 4);
    p.seed = 2;
    const GeneratedGame c = playGame(p, 4);
    ASSERT_EQ(a.turns.size(), 4u);
    for (std::size_t t = 0; t < a.turns.size(); ++t) {
        SCOPED_TRACE("turn " + std::to_string(t));
        EXPECT_EQ(writeReport(a.turns[t]), writeReport(b.turns[t]));
        EXPECT_NE(writeReport(a.turns[t]), writeReport(c.turns[t]));
    }
}

TEST(GalaxyGenerator, LineEndsAsAsked)
{
    GalaxyDescription g = smallGalaxy(Dialect::GalaxyNG, 1);
    g.crlf = false;
    const std::string lf = writeReport(g);
    EXPECT_EQ(lf.find('\r'), std::string::npos);
    g.crlf = true;
    const std::string crlf = writeReport(g);
    EXPECT_EQ(std::count(crlf.begin(), crlf.end(), '\r'), std::count(lf.begin(), lf.end(), '\n'));
    EXPECT_EQ(ReportText(lf).lines(), ReportText(crlf).lines());
}

// A long game shows what happens in a real one: colonies, captures, races that vanish,
// battles, bombings, ships in flight.
TEST(GalaxyGenerator, LongGameHasTheEventsOfARealOne)
{
    GalaxyParams p;
    p.seed = 11;
    p.planets = 80;
    p.races = 8;
    p.groupsPerRace = 20;
    p.ownGroups = 30;
    p.ownedShare = 0.3;
    p.battlesPerTurn = 6;
    const GeneratedGame game = playGame(p, 40);
    int colonised = 0, captured = 0, wiped = 0, battles = 0, bombings = 0, inFlight = 0;
    std::size_t fewestPlayers = game.turns.front().players.size();
    for (std::size_t t = 1; t < game.turns.size(); ++t) {
        const GalaxyDescription& was = game.turns[t - 1];
        const GalaxyDescription& now = game.turns[t];
        EXPECT_EQ(now.turn, static_cast<int>(t));
        fewestPlayers = std::min(fewestPlayers, now.players.size());
        battles += static_cast<int>(now.battles.size());
        bombings += static_cast<int>(now.bombings.size());
        for (const ReportRaceGroups& r : now.groups)
            for (const ReportGroup& g : r.groups) inFlight += g.group.distance > 0 ? 1 : 0;
        ASSERT_EQ(was.planets.size(), now.planets.size());
        for (std::size_t k = 0; k < now.planets.size(); ++k) {
            const ReportPlanet& a = was.planets[k];
            const ReportPlanet& b = now.planets[k];
            EXPECT_EQ(a.planet.x, b.planet.x);
            if (a.table == PlanetTable::Uninhabited && b.table == PlanetTable::Own) ++colonised;
            if (a.table == PlanetTable::Alien && b.table == PlanetTable::Alien && a.planet.owner != b.planet.owner) ++captured;
            if (a.table == PlanetTable::Own && b.table == PlanetTable::Alien) ++captured;
            if (a.table != PlanetTable::Uninhabited && b.table == PlanetTable::Uninhabited) ++wiped;
        }
    }
    EXPECT_GT(colonised, 0);
    EXPECT_GT(captured, 0);
    EXPECT_GT(wiped, 0);
    EXPECT_GT(battles, 0);
    EXPECT_GT(bombings, 0);
    EXPECT_GT(inFlight, 0);
    EXPECT_LT(fewestPlayers, game.turns.front().players.size());
}

TEST(GalaxyGenerator, DemoGame)
{
    const GeneratedGame demo = demoGame();
    ASSERT_EQ(demo.turns.size(), 12u);
    int battles = 0, bombings = 0, incoming = 0;
    for (std::size_t t = 0; t < demo.turns.size(); ++t) {
        const GalaxyDescription& g = demo.turns[t];
        EXPECT_EQ(g.turn, static_cast<int>(t));
        EXPECT_EQ(g.dialect, Dialect::GalaxyNG);
        EXPECT_EQ(g.ownrace, "Orion");
        EXPECT_EQ(g.planets.size(), 120u);
        battles += static_cast<int>(g.battles.size());
        bombings += static_cast<int>(g.bombings.size());
        incoming += static_cast<int>(g.incoming.size());
    }
    EXPECT_EQ(demo.turns.front().players.size(), 6u);
    EXPECT_GT(battles, 0);
    EXPECT_GT(bombings, 0);
    EXPECT_GT(incoming, 0);
    EXPECT_FALSE(demo.turns.back().routes.empty());
    EXPECT_FALSE(demo.turns.back().fleets.empty());

    TempDir dir;
    const Result<std::vector<std::string>> paths = writeGame(demo, dir.path(), "orion");
    ASSERT_TRUE(paths);
    ASSERT_EQ(paths->size(), 12u);
    EXPECT_EQ(paths->back(), dir.file("orion11.txt"));
    Game game;
    game.gametype = gtUnknown;
    game.turndirectory = dir.path();
    game.reportname = "orion";
    game.reportext = ".txt";
    std::optional<TurnRead> read = readTurnFiles(game, 11);
    ASSERT_TRUE(read);
    showTurnRead(game, std::move(*read), 11);
    EXPECT_EQ(game.gametype, gtGalaxyNG);
    EXPECT_EQ(game.turn.planets.size(), 120u);
}

TEST(GalaxyGenerator, GameReportsHaveTheAskedSize)
{
    for (Dialect dialect : {Dialect::Standard, Dialect::GalaxyNG, Dialect::Blind}) {
        SCOPED_TRACE(dialectName(dialect));
        // The first turns of a galaxy in mid-game are its busiest; later ones keep to the size.
        const GalaxyParams p = paramsForReportSize(60000, dialect, 3);
        const GeneratedGame game = playGame(p, 16);
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

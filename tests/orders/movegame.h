#pragma once

// A small turn built in memory for the orders tests: the race Orion with cruisers, haulers and
// probes at Mars, a group in hyperspace, two fleets, and planets at known and unknown places.
//
//   Mars (0,0) own: CAP 100, COL 20, MAT 0      Venus (30,40): 50 from Mars
//   Earth (3,4) own                             Zorg (10,0) owned by the Zorgons
//   Pluto: position unknown (-1)                alias "Ares" is Mars' alternative name
//
//   group 1: 5 Cruiser at Mars (speed 10)       group 2: 10 Hauler at Mars (speed 10 empty,
//   group 3: 4 Cruiser in flight to Venus                capacity 7.5 per ship)
//   group 4: 2 Hauler at Zorg                   group 5: 3 Probe at Mars (no drive)
//   group 6: 1 Cruiser at Mars in fleet Alpha   group 7: 1 Hauler at Mars in fleet Alpha,
//   group 8: 2 Cruiser in flight in fleet Beta           carrying COL 2.5 (speed 8)
//   group 9: 2 Hauler at Mars full of COL (7.5)  group 10: 1 Probe at Mars in fleet Gamma

#include "gamedata.h"
#include "orderforms.h"
#include "result.h"
#include "testkit.h"

#include <algorithm>
#include <array>
#include <string>

namespace orrery::test {

// The message of a failed step, empty when it succeeded.
inline std::string said(const Status& status) { return status ? std::string() : status.error().message; }
// The fields of a form, the first ones given.
inline OrderFields fields(std::initializer_list<std::string> values)
{
    OrderFields out;
    std::copy(values.begin(), values.end(), out.begin());
    return out;
}

// A group of one of Orion's types (the designs of the types below).
inline grouprecord moveGroup(double number, const char* type, double ships, const char* at, double distance = 0.0,
                             const char* fleet = "", const char* cargo = "", double quantity = 0.0)
{
    grouprecord g = makeGroup(number, type, ships, at, distance);
    g.fleet = fleet;
    g.cargotype = cargo;
    g.cargoquantity = quantity;
    const std::string t = type;
    if (t == "Cruiser") g.drive = 10, g.attacks = 1, g.weapons = 5, g.shields = 5;
    if (t == "Hauler") g.drive = 5, g.cargo = 5;
    if (t == "Probe") g.shields = 1;
    return g;
}

inline Game moveGame()
{
    Game game;
    game.gametype = gtGalaxyNG;
    game.ownrace = "Orion";
    for (const char* race : {"Orion", "Zorgons", "Klingons"}) game.turn.players.push_back(makePlayer(race));
    game.shiptypes = {makeShipType("Cruiser", "Orion", 10, 1, 5, 5, 0), makeShipType("Hauler", "Orion", 5, 0, 0, 0, 5),
                      makeShipType("Probe", "Orion", 0, 0, 0, 1, 0), makeShipType("Raider", "Zorgons", 8, 1, 2, 2, 0)};
    auto& planets = game.turn.planets;
    planets = {makePlanet("Mars", 0, 0, ocOwn), makePlanet("Venus", 30, 40, ocUninhabited),
               makePlanet("Earth", 3, 4, ocOwn), makePlanet("Zorg", 10, 0, ocOther),
               makePlanet("Pluto", unknownvalue, unknownvalue, ocOther)};
    planets[0].altname = "Ares";
    planets[0].capital = 100, planets[0].colonists = 20;
    planets[2].producing = "Cruiser";
    planets[3].owner = "Zorgons";

    racegrouprecord own;
    own.name = "Orion";
    own.groups = {moveGroup(1, "Cruiser", 5, "Mars"), moveGroup(2, "Hauler", 10, "Mars"),
                  moveGroup(3, "Cruiser", 4, "Venus", 10), moveGroup(4, "Hauler", 2, "Zorg"),
                  moveGroup(5, "Probe", 3, "Mars"), moveGroup(6, "Cruiser", 1, "Mars", 0, "Alpha"),
                  moveGroup(7, "Hauler", 1, "Mars", 0, "Alpha", "COL", 2.5),
                  moveGroup(8, "Cruiser", 2, "Venus", 12, "Beta"), moveGroup(9, "Hauler", 2, "Mars", 0, "", "COL", 7.5),
                  moveGroup(10, "Probe", 1, "Mars", 0, "Gamma")};
    game.turn.racegroups.push_back(own);
    game.turn.fleets.resize(3);
    for (std::size_t i = 0; i < 3; ++i) game.turn.fleets[i].name = std::array{"Alpha", "Beta", "Gamma"}[i];
    return game;
}

} // namespace orrery::test

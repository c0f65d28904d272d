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
#include "result.h"

#include <string>

namespace orrery::test {

// The message of a failed step, empty when it succeeded.
inline std::string said(const Status& status) { return status ? std::string() : status.error().message; }

inline grouprecord moveGroup(double number, const char* type, double ships, const char* at, double distance = 0.0,
                             const char* fleet = "", const char* cargo = "", double quantity = 0.0)
{
    grouprecord g;
    g.name = type;
    g.groupnumber = number;
    g.shipcount = ships;
    g.location = at;
    g.distance = distance;
    g.fleet = fleet;
    g.cargotype = cargo;
    g.cargoquantity = quantity;
    g.drivetech = g.weapontech = g.shieldtech = g.cargotech = 1.0;
    const std::string t = type;
    if (t == "Cruiser") {
        g.drive = 10, g.attacks = 1, g.weapons = 5, g.shields = 5;
    } else if (t == "Hauler") {
        g.drive = 5, g.cargo = 5;
    } else if (t == "Probe") {
        g.shields = 1;
    }
    return g;
}

inline Game moveGame()
{
    Game game;
    game.gametype = gtGalaxyNG;
    game.ownrace = "Orion";
    for (const char* race : {"Orion", "Zorgons", "Klingons"}) {
        playerrecord p;
        p.name = race;
        game.turn.players.push_back(p);
    }
    auto type = [&game](const char* name, const char* owner, double drive, double attacks, double weapons,
                        double shields, double cargo) {
        shiptyperecord t;
        t.name = name;
        t.owner = owner;
        t.drive = drive, t.attacks = attacks, t.weapons = weapons, t.shields = shields, t.cargo = cargo;
        t.fromreport = 1;
        game.shiptypes.push_back(t);
    };
    type("Cruiser", "Orion", 10, 1, 5, 5, 0);
    type("Hauler", "Orion", 5, 0, 0, 0, 5);
    type("Probe", "Orion", 0, 0, 0, 1, 0);
    type("Raider", "Zorgons", 8, 1, 2, 2, 0);

    auto planet = [&game](const char* name, double x, double y, int owner, double cap = 0, double col = 0,
                          double mat = 0) -> planetrecord& {
        planetrecord p;
        p.name = name;
        p.x = x, p.y = y;
        p.ownercode = owner;
        p.capital = cap, p.colonists = col, p.material = mat;
        game.turn.planets.push_back(p);
        return game.turn.planets.back();
    };
    planet("Mars", 0, 0, ocOwn, 100, 20, 0).altname = "Ares";
    planet("Venus", 30, 40, ocUninhabited);
    planet("Earth", 3, 4, ocOwn).producing = "Cruiser";
    planet("Zorg", 10, 0, ocOther).owner = "Zorgons";
    planet("Pluto", unknownvalue, unknownvalue, ocOther);

    racegrouprecord own;
    own.name = "Orion";
    own.groups = {
        moveGroup(1, "Cruiser", 5, "Mars"),
        moveGroup(2, "Hauler", 10, "Mars"),
        moveGroup(3, "Cruiser", 4, "Venus", 10),
        moveGroup(4, "Hauler", 2, "Zorg"),
        moveGroup(5, "Probe", 3, "Mars"),
        moveGroup(6, "Cruiser", 1, "Mars", 0, "Alpha"),
        moveGroup(7, "Hauler", 1, "Mars", 0, "Alpha", "COL", 2.5),
        moveGroup(8, "Cruiser", 2, "Venus", 12, "Beta"),
        moveGroup(9, "Hauler", 2, "Mars", 0, "", "COL", 7.5),
        moveGroup(10, "Probe", 1, "Mars", 0, "Gamma"),
    };
    game.turn.racegroups.push_back(own);
    for (const char* fleet : {"Alpha", "Beta", "Gamma"}) {
        fleetrecord f;
        f.name = fleet;
        game.turn.fleets.push_back(f);
    }
    return game;
}

} // namespace orrery::test

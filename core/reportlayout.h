#pragma once

// The column layouts of the report tables in each dialect. Standard Galaxy and GalaxyNG print
// the same columns; Blind Galaxy numbers its systems, orders some columns differently and, with
// its report options, prints groups with effective values or an upgrade cost column. The reader
// chooses one layout per table once and reads every line through it, instead of asking which
// dialect it reads at every column. Field numbers count from 1, as the fields of a line do.

#include <cstdint>
#include <string_view>

namespace orrery {

struct optiontype;

// "Status of Players".
struct PlayerLayout {
    // Names of Standard Galaxy and GalaxyNG may hold blanks: their lines are read from the end
    // (seven numbers, then maybe the relation). Blind Galaxy names are one field, and the line is
    // read from the front with the fields below.
    bool fromEnd = true;
    int name = 1, drive = 2, weapons = 3, shields = 4, cargo = 5, population = 7, industry = 8, planets = 9;
    int relation = 10;
};

// Planet tables: the fields after the name, counted from the name's field.
struct PlanetLayout {
    // Blind Galaxy puts the system number in front of the name in every table but the unknown
    // systems: the number is field 1 and the name field 2 (the number is then the planet's
    // alternative name).
    bool numbered = false;
    // Offsets of capital, material and colonists from the name field: Standard Galaxy and
    // GalaxyNG print them in that order, Blind Galaxy prints the colonists first.
    int capital = 8, material = 9, colonists = 10;
};

// Group lines (own, other races', battle entries). b is the field of the ship count (1, or 2 when
// a group number or a Blind Galaxy battle's survivors come first); the offsets count from b.
struct GroupLayout {
    // Blind Galaxy battle entries: survivors in field 1, ships before the battle in field 2;
    // elsewhere a battle entry's survivors follow its cargo (offset survivors).
    bool survivorsFirst = false;
    int survivors = 8;
    // Blind Galaxy without "Techs": the tech columns hold tech level x part (drive b+2, weapons
    // b+4, shields b+5, cargo b+6) and every later column is one further on.
    bool effectiveTechs = false;
    // Where an ordinary group's planet and its distance stand (from b, after the tech columns).
    int location = 8;
    int distance = 9;
    // Blind Galaxy with "Upgradecost": the own groups have one more column before the planet.
    bool ownUpgradeColumn = false;
};

// "Your Routes": the destination fields of the four cargo routes.
struct RouteLayout {
    int capital = 2, material = 3, colonists = 4, empty = 5;
};

// "Incoming Groups".
struct IncomingLayout {
    int origin = 1, destination = 2, distance = 3, speed = 4, mass = 5;
};

struct ReportLayout {
    std::string_view tableWord = "Planets"; // the word of planet table headings
    PlayerLayout players;
    PlanetLayout planets;
    GroupLayout groups;
    RouteLayout routes;
    IncomingLayout incoming;
};

// The layout of a report of that game type; Blind Galaxy's group columns follow its options.
ReportLayout reportLayout(std::int32_t gametype, const optiontype& options);

} // namespace orrery

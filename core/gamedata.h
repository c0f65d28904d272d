#pragma once

// The records in which the program holds what it knows of one turn of a Galaxy game, and the
// game object that owns them together with the values of the loaded game.

#include "shortname.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// A number the report did not give.
constexpr double unknownvalue = -1.0;
// Whether a value of a record is known (not unknownvalue).
constexpr bool known(double value) { return value != unknownvalue; }
// An unknown map coordinate, and the x of an empty map selection.
constexpr double unknownposition = -99999.0;

// Game types (variants).
enum GameType : std::int32_t {
    gtUnknown = -1,
    gtStandard = 0,
    gtBlind = 1,
    gtGalaxyNG = 2,
    gtGalaxyNG31 = 3, // GalaxyNG version 3.1; like GalaxyNG except for the intelligence clustering
};

// Planet owner codes as the reader writes them; -(k+1) means entry k of the status table.
enum OwnerCode : std::int32_t { ocOwn = 0, ocOther = 1, ocUninhabited = 2 };

using speedrecord = double;

struct planetrecord {
    shortname name;
    shortname altname;
    shortname producing;
    shortname owner;
    std::vector<shortname> alienraces;
    double size = unknownvalue;
    double population = unknownvalue;
    double industry = unknownvalue;
    double resources = unknownvalue;
    double capital = unknownvalue;
    double material = unknownvalue;
    double colonists = unknownvalue;
    double x = 0.0;
    double y = 0.0;
    double attackscale = 0.0;
    double defencescale = 0.0;
    double shipscale = 0.0;
    std::int32_t ownercode = ocOther;
    std::int32_t battlesize = 1;
    std::uint8_t isalien = 0;
    std::uint8_t hadbattle = 0;
    std::uint8_t owngroups = 0;
    std::uint8_t aliengroups = 0;
    std::vector<speedrecord> fleetspeeds;
    std::vector<speedrecord> groupspeeds;
};

struct playerrecord {
    shortname name;
    shortname relation;
    double drivetech = unknownvalue;
    double weapontech = unknownvalue;
    double shieldtech = unknownvalue;
    double cargotech = unknownvalue;
    double population = unknownvalue;
    double industry = unknownvalue;
    double planetcount = unknownvalue;
    double attributed = 0.0;
};

struct shiptyperecord {
    shortname name;
    shortname owner;
    double drive = 0.0;
    double attacks = 0.0;
    double weapons = 0.0;
    double shields = 0.0;
    double cargo = 0.0;
    std::int32_t fromreport = 0;
};

struct grouprecord {
    shortname name;
    shortname location;
    shortname fleet;
    shortname cargotype;
    double groupnumber = unknownvalue;
    double shipcount = 0.0;
    double attacks = 0.0;
    double weapons = 0.0;
    double shields = 0.0;
    double drive = 0.0;
    double cargo = 0.0;
    double cargoquantity = 0.0;
    double distance = 0.0;
    double drivetech = 0.0;
    double weapontech = 0.0;
    double shieldtech = 0.0;
    double cargotech = 0.0;
    std::int32_t survivors = -1;
    std::uint8_t inbattle = 0;
    // False when the group's ship type was not among the known designs: its design values are
    // then 0 and it has no meaningful speed.
    bool typeknown = true;
};

struct racegrouprecord {
    shortname name;
    std::vector<grouprecord> groups;
};

struct fleetrecord {
    shortname name;
};

struct battlegrouprecord {
    shortname name;
    double fullmass = 0.0;
    std::int32_t shipsbefore = 0;
    std::int32_t survivors = 0;
};

struct battleracerecord {
    shortname name;
    std::vector<battlegrouprecord> groups;
};

struct battlerecord {
    shortname name;
    std::vector<battleracerecord> races;
};

// One line of "Your Routes": the planet the routes start from and the destinations of its
// capital (CAP), material (MAT), colonist (COL) and empty-ship (EMP) routes.
struct routerecord {
    shortname name;
    shortname capital;
    shortname material;
    shortname colonists;
    shortname empty;
    // Radii in pixels of the map symbols of the five planets (start first), two per planet;
    // written by the map, never read from the report.
    std::array<std::uint8_t, 10> symbolsizes{2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
};

struct incomingrecord {
    shortname origin;
    shortname originowner;
    shortname destination;
    shortname originaltname;
    shortname destinationaltname;
    double distance = unknownvalue;
    double speed = unknownvalue;
    double mass = unknownvalue;
    double originx = unknownposition;
    double originy = unknownposition;
    double destinationx = unknownposition;
    double destinationy = unknownposition;
    std::array<std::uint8_t, 4> symbolsizes{2, 2, 2, 2};
};

struct bombingrecord {
    std::int32_t marker = 0;
    double x = unknownposition;
    double y = unknownposition;
    double population = unknownvalue;
    double industry = unknownvalue;
    double capital = unknownvalue;
    double material = unknownvalue;
    double colonists = unknownvalue;
    shortname name;
    shortname altname;
    shortname victim;
    shortname attacker;
    shortname producing;
};

// A mark of the report's text map: kind 0 for a ".", kind 1 for a "-".
struct mapmarkrecord {
    double x = 0.0;
    double y = 0.0;
    std::uint8_t kind = 0;
};

// Owner index of the intelligence: -1 unknown, 0..999 position in the status table, 1000 + n
// pseudo player n (a group of planets believed to be one race's).
constexpr std::int32_t pseudoplayerbase = 1000;

struct turnintelrecord {
    double x = 0.0;
    double y = 0.0;
    std::int32_t ownerindex = -1;
    double size = unknownvalue;
    double population = unknownvalue;
    double industry = unknownvalue;
    double resources = unknownvalue;
};

struct planetintelrecord {
    double x = 0.0;
    double y = 0.0;
    double size = unknownvalue;
    double population = unknownvalue;
    double industry = unknownvalue;
    double resources = unknownvalue;
};

// Everything read of the shown turn. Emptied and refilled whenever the shown turn changes, so no
// record may be kept across a change of turn.
struct turnrecord {
    std::vector<planetrecord> planets;
    std::vector<planetrecord> previousplanets;
    std::vector<playerrecord> players;
    std::vector<playerrecord> previousplayers;
    std::vector<racegrouprecord> racegroups;
    std::vector<battlerecord> battles;
    std::vector<fleetrecord> fleets;
    std::vector<routerecord> routes;
    std::vector<bombingrecord> bombings;
    std::vector<incomingrecord> incominggroups;
    std::vector<mapmarkrecord> mapmarks;
    std::vector<turnintelrecord> turnintel;
    std::vector<planetintelrecord> planetintel;
    // Races that had no planets in the previous turn and are gone from this turn's status table,
    // with the position each had in previousplayers (counted after removing the ones before it).
    std::vector<shortname> vanishedraces;
    std::vector<std::int32_t> vanishedpositions;

    void clear();
};

// The report options of a Blind Galaxy game (the header of its reports, and the option lines of
// a move).
struct optiontype {
    std::string version;
    bool map = true;
    bool smartmap = true;
    bool unknown = false;
    bool production = true;
    bool techprod = false;
    bool techs = false;
    bool sortgroups = false;
    bool sortplanets = true;
    bool longbattle = false;
    bool battlesum = true;
    bool battlemass = false;
    bool forecast = false;
    bool longforecast = false;
    bool fullreport = true;
    bool techplus = true;
    bool fulltype = true;
    bool autounload = false;
    bool upgradecost = false;
    bool twospace = false;
    bool unsafemax = false;
    bool unsafebreak = false;
    bool shortint = false;
    bool showfrom = false;
    bool bombsum = true;
    bool sysmass = false;
    bool cartesian = false;
    bool pedantic = false;
    bool showopts = true;
    bool stats = false;
    double mapsize = -1.0;
    double xcenter = 0.0;
    double ycenter = 0.0;
    std::int32_t forecastturn = 0;
};

// One flag of optiontype as the game options window and the report header name it.
struct OptionFlag {
    const char* keyword;       // raw option keyword of a move ("map", "smartmap", ...)
    const char* label;         // descriptive text
    bool optiontype::*member;
    bool standard;             // value set by the "Standard" button
    const char* reportKeyword; // how a report header line begins; nullptr when not in reports
    int reportField;           // field holding "on" or "off"
};

// The flags in the order of optiontype.
const std::vector<OptionFlag>& optionFlags();
// The standard settings (the "Standard" button); version and forecast turn are left alone.
void setStandardOptions(optiontype& options);

// A game of Galaxy as the program holds it: the shown turn, the designs of all races, and the
// values of the loaded game and configuration.
struct Game;

// The values of a loaded game that a report can set. A read of a report starts from the game's
// values and changes those the report gives: a report without a text map keeps the map bounds,
// one without a Blind Galaxy header keeps the options.
struct GameValues {
    std::int32_t gametype = gtUnknown; // decided from the reports while it is unknown
    shortname ownrace;
    std::int32_t mapx0 = 0;
    std::int32_t mapy0 = 0;
    std::int32_t mapwidth = -99999;
    std::int32_t mapheight = -99999;
    std::string executableversion;
    optiontype gameoptions;

    // The values of a game (its part that a report can set).
    static GameValues of(const Game& game);
};

struct Game : GameValues {
    Game() { gametype = gtStandard; }

    turnrecord turn;
    std::vector<shiptyperecord> shiptypes;

    std::int32_t currentturn = 0;
    std::string gamedetail;
    std::int32_t lastturn = 0;
    std::int32_t homeplanetcount = -1;

    // File name parts of the loaded configuration: the folder ends with a separator, the
    // extension keeps its dot.
    std::string turndirectory;
    std::string reportname;
    std::string reportext;

    bool isBlind() const { return gametype == gtBlind; }
    // The word of planet table headings: Blind Galaxy calls planets "Systems".
    std::string_view tableWord() const { return isBlind() ? "Systems" : "Planets"; }

    std::string reportFile(int turnNumber) const;
    std::string turnIntelFile(int turnNumber) const;
    std::string planetIntelFile() const;
    std::string shipsFile() const;
};

inline GameValues GameValues::of(const Game& game) { return game; }

// "Standard Galaxy", "Blind Galaxy", "GalaxyNG" or "GalaxyNG 3.1"; unknown reads as Standard.
const char* gameTypeName(std::int32_t gametype);

// Empties every list of the shown turn and, unless asked to keep them, the ship designs.
void release(Game& game, bool keepShipTypes);

// Lookups. All are linear in list order and the first match wins.
planetrecord* findPlanet(turnrecord& turn, std::string_view name);
const planetrecord* findPlanet(const turnrecord& turn, std::string_view name);
const racegrouprecord* ownGroups(const Game& game);
racegrouprecord* ownGroups(Game& game);
// The own group whose number, truncated, equals the given text read as an integer.
const grouprecord* findOwnGroup(const Game& game, std::string_view number);
const grouprecord* findOwnFleetMember(const Game& game, std::string_view fleet);
const shiptyperecord* findShipType(const std::vector<shiptyperecord>& types, std::string_view name,
                                   std::string_view owner);
// Stores a design: the pair (name, owner) is the key, so a design read again replaces the five
// values of the stored one instead of adding a record.
void storeShipType(std::vector<shiptyperecord>& types, const shiptyperecord& design);

// Derived values of a ship or group (the game's formulas).
double emptyMass(double drive, double attacks, double weapons, double shields, double cargo);
double emptyMass(const grouprecord& group);
double fullMass(const grouprecord& group);
// Speed = 20 x drive x drive tech / full mass; 0 for a massless or unknown design.
double speed(const grouprecord& group);
double attackStrength(const grouprecord& group);
// Defence of one ship of that mass: the shields, improved by their technology, spread over the
// hull; 30^(1/3) makes a ship of mass 30 defend with exactly its shield strength.
double shieldDefence(double shields, double shieldtech, double mass);
// Defence of one ship of a group: its shield defence at its full mass; 0 without shields.
double defence(const grouprecord& group);

// The side in pixels of the map symbol of a planet of that size: with planet sizes shown
// round(size / 100) + 1, otherwise 5; the radius is half of it (the offset from the symbol's
// corner to its centre).
int planetSymbolSize(double planetSize, bool planetSizesShown);
int planetSymbolRadius(double planetSize, bool planetSizesShown);

} // namespace orrery

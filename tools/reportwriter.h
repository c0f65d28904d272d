#pragma once

// A turn report writer for tests, benchmarks and demo games: it prints a described galaxy the
// way the game servers print a turn report, in the three dialects Standard Galaxy, GalaxyNG and
// Blind Galaxy. The galaxy is described with the program's own records, so that a test can
// write a report, read it back and compare what the reader made of it with the description.
//
// Layouts. GalaxyNG copies the real server (release 6-4): the mail-like bulletin preamble with
// the "GalaxyNG release-..." line, "-" for no cargo and for unset routes, groups at a planet
// with an empty distance column, the range column only for own groups in flight, fleets in
// "Fleet NAME (speed X)" tables. Standard Galaxy has no GalaxyNG preamble, prints race names
// with their blanks in the status table and the "Report for" line (and with "_" everywhere a
// name is a single column), and shows fleets in a fleet column of the group tables ("-" for a
// group in flight that is in no fleet) plus a "Fleet Speeds" table of the own fleets. Blind Galaxy has the "Executable version:" option header, calls planets
// "Systems" with the system number in front of the name, and prints groups with tech levels
// ("Techs" on) or with effective values (tech level x part), with an upgrade cost column for
// own groups when "Upgradecost" is on.

#include "gamedata.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orrery::gen {

enum class Dialect { Standard, GalaxyNG, Blind };

const char* dialectName(Dialect dialect);

// Which planet table of the report lists a planet.
enum class PlanetTable { Own, Alien, Unidentified, Uninhabited };

struct ReportPlanet {
    // Name, numbers and position. Blind Galaxy: altname holds the system number (empty when the
    // system has no name of its own, the number then being the name). owner: the race of an
    // Alien planet (as the status table names it).
    planetrecord planet;
    PlanetTable table = PlanetTable::Uninhabited;
};

// One group line: the record as the reader should rebuild it, and what the line shows besides.
struct ReportGroup {
    // name (ship type), location (destination or current planet), fleet, cargotype (empty for
    // none), groupnumber (own groups), shipcount, the four tech levels, cargoquantity and
    // distance (0 at a planet). Battle tables: shipcount holds the ships before the battle and
    // survivors the ships left. The design values are taken from the ship types.
    grouprecord group;
    shortname origin;         // the planet an own group in flight comes from
    double upgradecost = 0.0; // Blind Galaxy "Upgradecost" column of own groups
};

// The groups of one race, one group table of the report (the own race's table is "Your Groups").
struct ReportRaceGroups {
    std::string race; // as the status table names it
    std::vector<ReportGroup> groups;
};

struct ReportBattle {
    shortname planet;
    std::vector<ReportRaceGroups> tables; // one group table per race, in report order
    std::vector<std::string> protocol;    // GalaxyNG "Battle Protocol" lines; none: no protocol
};

enum class CenteredForm {
    SizeLabel,  // "Size:200.00 centered X: 0.00 Y: 0.00" (the size joined to a five-character label)
    SevenFields // "200.00 map, centered X: 0.00 Y: 0.00"
};

// A galaxy as one race's turn report shows it.
struct GalaxyDescription {
    Dialect dialect = Dialect::GalaxyNG;
    std::string gamename = "Orrery";
    int turn = 0;
    std::string ownrace; // as the server names it: blanks allowed in Standard Galaxy

    // Status of Players, in order. Names as the server writes them (Standard Galaxy names may
    // hold blanks); relation empty for none, "-" for the own race in GalaxyNG and Blind Galaxy.
    std::vector<playerrecord> players;
    // Designs, the own race's under ownrace; races in order of first appearance give the
    // order of the "<race> Ship Types" tables.
    std::vector<shiptyperecord> shiptypes;
    std::vector<ReportBattle> battles;
    std::vector<bombingrecord> bombings; // attacker, victim, name and the six values
    std::vector<incomingrecord> incoming; // origin, destination, distance, speed, mass
    std::vector<ReportPlanet> planets;   // alien tables follow the order of first appearance
    std::vector<routerecord> routes;     // empty destination: route not set
    std::vector<ReportRaceGroups> groups; // the own race's groups and those of other races
    std::vector<fleetrecord> fleets;     // the own fleets; groups name them in grouprecord.fleet
    // Marks of the text map in map coordinates: kind 0 prints ".", kind 1 "-".
    std::vector<mapmarkrecord> mapmarks;

    // The text map: corners of the galaxy and number of rows. In Blind Galaxy the map is printed
    // only when options.map is on.
    double mapx0 = 0.0, mapy0 = 0.0, mapx1 = 100.0, mapy1 = 100.0;
    int maprows = 40;

    // Blind Galaxy header: version text, the report options (mapsize, xcenter and ycenter give
    // the "centered X:" line, which is left out when mapsize is negative).
    optiontype options;
    CenteredForm centered = CenteredForm::SizeLabel;

    // Layout choices.
    bool crlf = false;            // CR LF line ends instead of bare LF
    bool mailHeaders = true;      // "From:", "Subject: ... Report for ..." lines in front
    bool fleetSpeedTable = true;  // Standard Galaxy: a "Fleet Speeds" table after the own groups
    bool autoUnloadNotice = false; // GalaxyNG: "AUTO UNLOAD IS CURRENTLY SET" ends the routes
    bool tabbedMap = false;       // runs of blanks in map rows written as tabs
    bool systemReports = false;   // Blind Galaxy: "Full Report on System" sections at the end
    std::vector<std::string> messages; // personal messages in the preamble
};

// The report text.
std::string writeReport(const GalaxyDescription& galaxy);

// A race name as one column of a table or heading: blanks become "_".
std::string columnName(std::string_view race);

// Where the text map prints a map position: column 0..79 and row 0..maprows-1 (row 0 is the
// row right after the upper frame line).
struct MapCell {
    int column = 0;
    int row = 0;
};
MapCell mapCell(const GalaxyDescription& galaxy, double x, double y);
bool printsTextMap(const GalaxyDescription& galaxy);

// The design of a race's ship type (the race compared as a name of at most 20 characters).
const shiptyperecord* designOf(const GalaxyDescription& galaxy, std::string_view type, std::string_view race);

// A race name as the status table prints it: a player name cut to 20 characters is printed in
// full when the galaxy names the race in full elsewhere (own race, group tables).
std::string fullRaceName(const GalaxyDescription& galaxy, const shortname& name);

} // namespace orrery::gen

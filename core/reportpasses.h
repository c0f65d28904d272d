#pragma once

// Inside the report reader: the passes of one full read and the readers of each table, shared
// by the reader's source files (reportreader.cpp runs the passes; reportheader.cpp,
// reportmap.cpp, reportplanets.cpp, reportgroups.cpp and reportevents.cpp read the tables).
// Not for use outside the reader.

#include "reportlayout.h"
#include "reportreader.h"
#include "textrules.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orrery::reader {

using Lines = ReportText;

// ---------------------------------------------------------------------------------------------
// Line tests shared by every pass.

// A line of exactly 80 "-" (blanks around it allowed): the frame of the text map.
bool isDashLine(std::string_view line);
// The report's header line ("... Report for <race> ... Galaxy ... Turn ... Game ...", never the
// mail's "Subject:" line).
bool isHeaderLine(std::string_view line);
// The own race the header line names (see reportheader.cpp for the rule).
shortname ownRaceOf(std::string_view header);
// The general end of a table: an empty line, a line that begins with a blank or with a character
// of code 123 or more, or the end of the readable part.
bool endsTable(const Lines& lines, std::size_t i);
// Index of the first data line of the table whose heading is at index heading: the heading, the
// blank lines after it and the column header are skipped.
std::size_t firstDataLine(const Lines& lines, std::size_t heading);
// Text of a heading before a marker ("Beta Ship Types" gives "Beta"); "Your" is the own race.
shortname headingRace(std::string_view line, std::string_view marker, const shortname& ownrace);
inline double numberField(const Fields& f, int n) { return readNumberOrUnknown(f[n]); }

// Visits the candidate lines from `from` on, in order, until the end of the readable part: a
// pass that tests every line would find its headings only among them. visit(index) handles the
// line (and its table) and returns the index where the pass goes on.
template <class Visit>
void walkCandidates(const Lines& lines, std::size_t from, const std::vector<std::size_t>& candidates, Visit visit)
{
    std::size_t i = from;
    auto next = std::lower_bound(candidates.begin(), candidates.end(), i);
    while (next != candidates.end()) {
        if (*next >= lines.nextStop(i)) break;
        i = std::max(visit(*next), *next + 1);
        next = std::lower_bound(next, candidates.end(), i);
    }
}

// The kinds of planet tables.
enum class PlanetTable { Own, Unidentified, Uninhabited, Alien };

// Reads the status table that follows the first "Status of Players" line at or after from.
// Returns the index after the table (lines.size() when there is no such table).
std::size_t readStatusTable(const Lines& lines, std::size_t from, const PlayerLayout& layout,
                            std::vector<playerrecord>& out);

// ---------------------------------------------------------------------------------------------
// One full read: the state of the passes over the texts, and its result.

class Reader {
public:
    Reader(const GameValues& before, const std::vector<shiptyperecord>& designs);

    void previousTurn(const Lines& report);
    void firstPass(const Lines& report);
    void mainPass(const Lines& report);
    void wipedOutPlanets(const std::vector<turnintelrecord>& previousintel);
    void mapRowsToCoordinates();
    void vanishedRaces();
    void lastPass(const Lines& report);
    void battleFlags();
    void planetStrengths();
    void speeds();

    TurnRead take() { return std::move(read_); }

private:
    // reportheader.cpp
    void scanPreamble(const Lines& lines, bool previous);
    void readBlindHeader(const Lines& lines, std::size_t at);
    void readOptionLine(std::string_view line);
    // reportmap.cpp
    std::size_t readMapBounds(const Lines& lines, std::size_t dashes);
    std::size_t readMapRows(const Lines& lines, std::size_t dashes);
    // reportplanets.cpp
    std::size_t readPlanetTable(const Lines& lines, std::size_t heading, PlanetTable columns, const shortname& owner,
                                std::int32_t ownercode, bool alien, std::vector<planetrecord>& out);
    std::size_t readPlanetHeading(const Lines& lines, std::size_t heading);
    bool isPlanetTableHeading(std::string_view line) const;
    // The own, unidentified and uninhabited planet tables end the battle part of a report.
    bool endsBattlePart(std::string_view line) const;
    // reportgroups.cpp
    std::size_t readShipTypes(const Lines& lines, std::size_t heading);
    std::size_t readGroupHeading(const Lines& lines, std::size_t heading, bool battle);
    std::size_t readFleet(const Lines& lines, std::size_t heading);
    std::size_t readFleetTable(const Lines& lines, std::size_t heading);
    std::size_t readGroupTable(const Lines& lines, std::size_t first, const shortname& race, bool fleetColumn,
                               const shortname& fleet, bool battle);
    void readGroupLine(std::string_view line, const shortname& race, bool fleetColumn, const shortname& fleet,
                       bool battle);
    void recordBattleEntry(const grouprecord& group, const shortname& race, const Fields& f);
    racegrouprecord& raceGroups(const shortname& race);
    const shiptyperecord* shipType(const shortname& name, const shortname& owner);
    // reportevents.cpp
    std::size_t readRoutes(const Lines& lines, std::size_t heading);
    std::size_t readBombings(const Lines& lines, std::size_t heading);
    std::size_t readIncoming(const Lines& lines, std::size_t heading);

    void chooseLayout() { layout_ = reportLayout(read_.values.gametype, read_.values.gameoptions); }
    void indexPlanets();
    const planetrecord* planetNamed(std::string_view name) const;

    TurnRead read_;
    turnrecord& t_ = read_.turn;
    GameValues& v_ = read_.values;
    const std::vector<shiptyperecord>& known_; // the designs known before this read
    ReportLayout layout_;
    int mapRows_ = 0;
    // Planet of the last "Battle at " line: group tables before the planet tables list its fight.
    shortname battlePlanet_;
    // First planet of each name (name field only), for the passes that match groups to planets.
    std::unordered_map<std::string_view, std::size_t> byName_;
    // The designs by owner and name, the report's own first, built when the first group is read.
    std::unordered_map<std::string, const shiptyperecord*> types_;
    bool typesIndexed_ = false;
};

} // namespace orrery::reader

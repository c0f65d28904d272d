#pragma once

// The turn report reader: turns one turn report (the text the game server mailed, mail headers
// included) into the records of a turn. It understands the three dialects (Standard Galaxy,
// GalaxyNG, Blind Galaxy), tells them apart by the report's own header lines and skips whatever
// text it does not recognise.
//
// Reading is pure: the reader takes the report texts (the turn's, the turn before's, and that
// turn's intelligence) and the values the game had, and returns what it read. It changes no game
// and tells no window; the session makes a read the shown turn (showTurnRead) and tells the
// windows.
//
//     std::optional<TurnRead> read = readTurnFiles(game, 12);
//     if (read) showTurnRead(game, std::move(*read), 12);

#include "gamedata.h"
#include "reporttext.h"

#include <optional>
#include <string>
#include <vector>

namespace orrery {

// Everything the full read of one turn gives.
struct TurnRead {
    turnrecord turn;                     // the turn's lists; turnintel and planetintel stay empty
    GameValues values;                   // the game's values after the read
    std::vector<shiptyperecord> designs; // the report's ship type tables, in report order
};

// The texts of one read.
struct TurnTexts {
    const ReportText* previous = nullptr; // the report of the turn before, when there is one
    const ReportText* current = nullptr;  // the report of the turn
    // The intelligence of the turn before: it names the victims of wiped-out planets.
    std::vector<turnintelrecord> previousintel;
};

// The full read of texts.current (which must be set). The designs known before the read (all
// races', from earlier turns and ships.ori) give groups their ship values, together with the
// report's own ship type tables.
TurnRead readReport(const TurnTexts& texts, const GameValues& before, const std::vector<shiptyperecord>& designs);

// The status table only, for the statistics of all turns.
std::vector<playerrecord> readStatusTable(const ReportText& report, std::int32_t gametype);

// The game named in a report's header line ("Galaxy Game Lyra Turn 3 Report for Alpha",
// "Report for Alpha, Galaxy game Lyra, Turn 3", "Blind Galaxy Game ..."); empty when the text
// has no such line.
std::string gameNameOfReport(std::string_view reportText);

// The same from the files of the loaded game (turn directory, report name and extension): the
// turn's report, the report and the intelligence of the turn before. Nothing when the turn's
// report cannot be read.
std::optional<TurnRead> readTurnFiles(const Game& game, int turnNumber);
std::optional<std::vector<playerrecord>> readTurnPlayers(const Game& game, int turnNumber);

// Makes a read the shown turn: the lists of the shown turn are replaced, the report's designs
// are stored among the designs of all races, the game takes the read values and currentturn.
void showTurnRead(Game& game, TurnRead&& read, int turnNumber);

// The game type as the preamble of a report shows it: Blind Galaxy when a line before the
// header holds "Executable version:", GalaxyNG when one begins with "GalaxyNG" or "gng";
// otherwise fallback.
std::int32_t detectGameType(const ReportText& report, std::int32_t fallback);

// The report's own header line ("Galaxy Game Lyra Turn 3 Report for Alpha", or the older
// "Report for Alpha, Galaxy game Lyra, Turn 3"), never the mail's "Subject:" line; and the own
// race it names, as the reader reads it.
bool isReportHeaderLine(std::string_view line);
std::string ownRaceInHeader(std::string_view headerLine);

} // namespace orrery

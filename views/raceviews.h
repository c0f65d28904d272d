#pragma once

// What the turn overview, the races table and the two searches ("Find Planet", "Find Race") show,
// built from the shown turn without any window. Texts are the game's Latin-1 bytes.
//
//     std::string text = turnOverviewText(game);          // lines joined with CR LF
//     std::vector<RaceEntry> races = raceEntries(game);   // one per race of the status table
//     fillRacesGrid(grid, races, byDifference);           // the two-row records, sorted
//     const planetrecord* p = findPlanetByName(game.turn.planets, "altair");
//
// Every comparison with the previous turn pairs a race with the previous turn's entry of the
// same name: the status table shifts when a race leaves, so positions do not match.

#include "gamedata.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

class StringGridModel;

// The production points of a race: its industry plus a quarter of the population above it.
double productionPoints(const playerrecord& race);

// ---- Turn overview ---------------------------------------------------------------------------

// The lines of the turn overview, each section closed by an empty line; a single line
// "Nothing special happened this turn." when nothing is worth telling.
std::vector<std::string> turnOverviewLines(const Game& game);
// The same joined with CR LF, as the text box and the command-line tool show it.
std::string turnOverviewText(const Game& game);

// ---- Races table ------------------------------------------------------------------------------

// The eight numbers of a race in the order of the table's columns 1..7 and 9.
enum class RaceValue : std::uint8_t { Drive, Weapons, Shields, Cargo, Population, Industry, Planets, ProdPoints };
inline constexpr std::size_t raceValueCount = 8;
using RaceValues = std::array<double, raceValueCount>;

struct RaceEntry {
    std::string name;
    std::string relationship; // as shown: "Peace", "War", "Guard" or the report's text
    RaceValues values{};
    // This turn's values minus the previous turn's; nullopt for a race the previous turn did not
    // list, or when neither turn knows any of its values.
    std::optional<RaceValues> change;
};

// "P" Peace, "W" War, "G" Guard; any other text unchanged.
std::string relationshipText(std::string_view relation);
// The races of the status table in its order, each with its change since the previous turn. A
// value unknown in either turn gives a change of 0 (nothing to compare).
std::vector<RaceEntry> raceEntries(const Game& game);
// The races table: heading row and two rows per race (values, then changes: empty where there
// was no change and for a race without previous values), sorted descending by production points,
// taken from the change rows when byDifference is set.
void fillRacesGrid(StringGridModel& grid, const std::vector<RaceEntry>& races, bool byDifference);
// The entries in the order of a filled grid (matched by the race names of its value rows).
std::vector<const RaceEntry*> entriesInGridOrder(const StringGridModel& grid, const std::vector<RaceEntry>& races);

// ---- Searches ---------------------------------------------------------------------------------

// Names compared without regard to letter case (Latin-1 letters included).
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// The first planet, in list order, whose name or else whose altname equals text without regard to
// case; nullptr for none or for an empty text.
const planetrecord* findPlanetByName(const std::vector<planetrecord>& planets, std::string_view text);
// The choices of "Find Planet": every planet's name and non-empty altname, sorted.
std::vector<std::string> planetChoices(const std::vector<planetrecord>& planets);
// The choices of "Find Race": every race of the status table but the own one, sorted.
std::vector<std::string> raceChoices(const Game& game);

} // namespace orrery

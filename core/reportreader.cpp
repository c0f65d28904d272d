// The passes of one full read, the values derived from what the passes read, and the entry
// points. The tables themselves are read in reportheader.cpp (preamble, status table),
// reportmap.cpp (text map), reportplanets.cpp, reportgroups.cpp (ship types, groups, fleets,
// battles) and reportevents.cpp (routes, bombings, incoming groups).

#include "reportpasses.h"

#include "fileio.h"
#include "intelligence.h"

#include <unordered_map>

namespace orrery {

namespace reader {

Reader::Reader(const GameValues& before, const std::vector<shiptyperecord>& designs) : known_(designs)
{
    read_.values = before;
    chooseLayout();
}

void Reader::firstPass(const Lines& lines)
{
    scanPreamble(lines, false);
    const std::size_t start = lines.findLine(0, "Status of Players");
    const std::string dashes(80, '-');
    bool mapSeen = false;
    walkCandidates(lines, start, lines.linesContainingAny({" Ship Types", dashes}, start), [&](std::size_t i) {
        const std::string_view line = lines[i];
        if (contains(line, " Ship Types")) return readShipTypes(lines, i);
        if (!mapSeen && isDashLine(line)) {
            mapSeen = true;
            return readMapBounds(lines, i);
        }
        return i + 1;
    });
}

void Reader::mainPass(const Lines& lines)
{
    const std::size_t start = readStatusTable(lines, 0, layout_.players, t_.players);
    bool planetTableMet = false;
    bool mapRead = false;
    const std::string dashes(80, '-');
    const std::vector<std::size_t> candidates = lines.linesContainingAny(
        {dashes, "Your Routes", layout_.tableWord, "Fleet", " Groups", "Battle at "}, std::min(start, lines.size()));
    walkCandidates(lines, start, candidates, [&](std::size_t i) -> std::size_t {
        const std::string_view line = lines[i];
        if (!planetTableMet && !mapRead && isDashLine(line)) {
            mapRead = true;
            return readMapRows(lines, i);
        }
        if (contains(line, "Your Routes")) return readRoutes(lines, i);
        if (isPlanetTableHeading(line)) {
            if (endsBattlePart(line)) planetTableMet = true;
            return readPlanetHeading(lines, i);
        }
        if (contains(line, "Fleet") && contains(line, "(speed")) return readFleet(lines, i);
        if (contains(line, "Fleet Speed")) return readFleetTable(lines, i);
        // Group tables before the planet tables list the groups of the last announced battle.
        if (contains(line, " Groups") && !contains(line, "Incoming Groups"))
            return readGroupHeading(lines, i, !planetTableMet);
        if (contains(line, "Battle at ")) battlePlanet_ = field(line, 3);
        return i + 1;
    });
}

void Reader::lastPass(const Lines& lines)
{
    indexPlanets();
    // The bombings come after the status table; when the readable part ends before them, the
    // incoming groups are looked for from the start of the report.
    const std::size_t status = lines.findLine(0, "Status of Players");
    std::size_t bombings = lines.size();
    walkCandidates(lines, status, lines.linesContaining("Bombings", status), [&](std::size_t i) {
        if (fieldCount(lines[i]) != 1) return i + 1;
        bombings = i;
        return lines.size();
    });
    const std::size_t from = bombings < lines.size() ? readBombings(lines, bombings) : 0;
    walkCandidates(lines, from, lines.linesContaining("Incoming Groups", std::min(from, lines.size())),
                   [&](std::size_t i) {
                       readIncoming(lines, i);
                       return lines.size();
                   });
}

void Reader::indexPlanets()
{
    byName_.clear();
    byName_.reserve(t_.planets.size() * 2);
    for (std::size_t k = 0; k < t_.planets.size(); ++k) byName_.try_emplace(t_.planets[k].name.view(), k);
}

const planetrecord* Reader::planetNamed(std::string_view name) const
{
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : &t_.planets[it->second];
}

void Reader::vanishedRaces()
{
    // A race without planets in the turn before that is gone from the status table left the
    // game: the races after it move up one place, which the intelligence's owner indexes follow.
    auto inPlayers = [&](const shortname& name) {
        for (const playerrecord& p : t_.players)
            if (p.name == name) return true;
        return false;
    };
    for (;;) {
        bool removed = false;
        for (std::size_t k = 0; k < t_.previousplayers.size(); ++k) {
            const playerrecord& prev = t_.previousplayers[k];
            if (prev.planetcount != 0 || inPlayers(prev.name)) continue;
            t_.vanishedraces.push_back(prev.name);
            t_.vanishedpositions.push_back(static_cast<std::int32_t>(k));
            t_.previousplayers.erase(t_.previousplayers.begin() + static_cast<std::ptrdiff_t>(k));
            removed = true;
            break;
        }
        if (!removed) break;
    }
}

void Reader::battleFlags()
{
    for (const battlerecord& b : t_.battles)
        for (planetrecord& p : t_.planets)
            if (p.name == b.name) p.hadbattle = 1;
}

void Reader::planetStrengths()
{
    struct Sums {
        double ships = 0, attack = 0, defence = 0;
    };
    std::vector<Sums> sums(t_.planets.size());
    // Several planets may carry one name; each of them gets the groups of that name.
    std::unordered_multimap<std::string_view, std::size_t> planetsNamed;
    planetsNamed.reserve(t_.planets.size());
    for (std::size_t k = 0; k < t_.planets.size(); ++k) planetsNamed.emplace(t_.planets[k].name.view(), k);
    for (const racegrouprecord& race : t_.racegroups) {
        const bool own = race.name == v_.ownrace;
        for (const grouprecord& gr : race.groups) {
            if (gr.distance != 0) continue;
            const auto range = planetsNamed.equal_range(gr.location.view());
            if (range.first == range.second) continue;
            const double ships = gr.survivors >= 0 ? gr.survivors : gr.shipcount;
            const double attack = ships * gr.weapons * gr.weapontech * gr.attacks;
            const double def = gr.shields > 0 ? ships * defence(gr) : ships;
            for (auto it = range.first; it != range.second; ++it) {
                planetrecord& p = t_.planets[it->second];
                if (!own && gr.survivors != 0) {
                    p.aliengroups = 1;
                    p.alienraces.push_back(race.name);
                }
                if (own && !gr.inbattle) p.owngroups = 1;
                Sums& s = sums[it->second];
                s.ships += ships;
                s.attack += attack;
                s.defence += def;
            }
        }
    }
    Sums largest;
    for (const Sums& s : sums) {
        largest.ships = std::max(largest.ships, s.ships);
        largest.attack = std::max(largest.attack, s.attack);
        largest.defence = std::max(largest.defence, s.defence);
    }
    // The map's strength bars: the strongest planet of each kind gets 15.
    auto scale = [](double value, double max) { return max != 0 ? 15.0 * value / max : 0.0; };
    for (std::size_t k = 0; k < t_.planets.size(); ++k) {
        t_.planets[k].shipscale = scale(sums[k].ships, largest.ships);
        t_.planets[k].attackscale = scale(sums[k].attack, largest.attack);
        t_.planets[k].defencescale = scale(sums[k].defence, largest.defence);
    }
}

void Reader::speeds()
{
    auto addOnce = [](std::vector<speedrecord>& list, double value) {
        for (double v : list)
            if (v == value) return;
        list.push_back(value);
    };
    for (const racegrouprecord& race : t_.racegroups) {
        for (const grouprecord& gr : race.groups) {
            if (gr.distance != 0 || gr.survivors == 0 || !gr.typeknown) continue;
            const planetrecord* at = planetNamed(gr.location);
            if (!at) continue;
            planetrecord& p = t_.planets[static_cast<std::size_t>(at - t_.planets.data())];
            const double v = speed(gr);
            addOnce(p.groupspeeds, v);
            if (!gr.fleet.empty()) addOnce(p.fleetspeeds, v);
        }
    }
}

} // namespace reader

TurnRead readReport(const TurnTexts& texts, const GameValues& before, const std::vector<shiptyperecord>& designs)
{
    reader::Reader reader(before, designs);
    if (texts.previous) reader.previousTurn(*texts.previous);
    if (texts.current) {
        reader.firstPass(*texts.current);
        reader.mainPass(*texts.current);
        reader.wipedOutPlanets(texts.previousintel);
        reader.mapRowsToCoordinates();
        reader.vanishedRaces();
        reader.lastPass(*texts.current);
        reader.battleFlags();
        reader.planetStrengths();
        reader.speeds();
    }
    return reader.take();
}

std::optional<TurnRead> readTurnFiles(const Game& game, int turnNumber)
{
    Result<ReportText> current = ReportText::load(game.reportFile(turnNumber));
    if (!current) return std::nullopt;
    Result<ReportText> previous = ReportText::load(game.reportFile(turnNumber - 1));
    TurnTexts texts;
    texts.current = &*current;
    if (previous) texts.previous = &*previous;
    texts.previousintel = readTurnIntel(game.turnIntelFile(turnNumber - 1));
    return readReport(texts, game, game.shiptypes);
}

std::optional<std::vector<playerrecord>> readTurnPlayers(const Game& game, int turnNumber)
{
    // The statistics of all turns read only the status tables: no need to cut the whole report
    // into lines.
    Result<std::string> bytes = readFile(game.reportFile(turnNumber));
    if (!bytes) return std::nullopt;
    return readStatusTable(ReportText::statusTableOf(std::move(*bytes)), game.gametype);
}

void showTurnRead(Game& game, TurnRead&& read, int turnNumber)
{
    game.turn = std::move(read.turn);
    for (const shiptyperecord& design : read.designs) storeShipType(game.shiptypes, design);
    static_cast<GameValues&>(game) = read.values;
    game.currentturn = turnNumber;
}

} // namespace orrery

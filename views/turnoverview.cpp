// The turn overview: what changed since the previous turn, in plain sentences. Three sections:
// the whole galaxy (planets colonised and bombed), the player's own news (planets colonised and
// lost, battles) and marked changes of the other races. Blind Galaxy shows nobody else's planets
// or status, so there only the personal section can appear.

#include "playerpairs.h"
#include "raceviews.h"
#include "textrules.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace orrery {

namespace {

std::string plural(long count, const char* one, const char* many) { return std::to_string(count) + (count == 1 ? one : many); }

// A list of lines about other races, kept sorted by the text without regard to case; every line
// starts with the race's name, so this sorts by race. Equal keys keep the order they came in.
class SortedLines {
public:
    void add(std::string line)
    {
        std::string key = lowered(line);
        const auto at = std::upper_bound(keys_.begin(), keys_.end(), key);
        lines_.insert(lines_.begin() + (at - keys_.begin()), std::move(line));
        keys_.insert(at, std::move(key));
    }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    static std::string lowered(std::string_view text)
    {
        std::string out(text);
        for (char& c : out) {
            const auto u = static_cast<unsigned char>(c);
            if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) c = static_cast<char>(u + 0x20);
        }
        return out;
    }
    std::vector<std::string> keys_;
    std::vector<std::string> lines_;
};

// The first planet at each position of a turn (a planet is the same across turns by its exact
// position).
std::map<std::pair<double, double>, const planetrecord*> planetsByPosition(const std::vector<planetrecord>& planets)
{
    std::map<std::pair<double, double>, const planetrecord*> at;
    for (const planetrecord& p : planets) at.emplace(std::make_pair(p.x, p.y), &p);
    return at;
}

// The lines about one race that has a previous entry: planets lost and gained, production and
// the three fighting technologies (cargo technology is not compared).
void compareRace(const playerrecord& now, const playerrecord& before, std::array<SortedLines, 7>& lists)
{
    const std::string player = "   Player " + now.name.str();
    if (known(now.planetcount) && known(before.planetcount)) {
        const double lost = before.planetcount - now.planetcount;
        if (lost > before.planetcount / 3)
            lists[1].add(player + " looses " + formatFixed(lost, 4, 0) + " of " + formatFixed(before.planetcount, 4, 0) +
                         (before.planetcount == 1 ? " planet." : " planets."));
        const double gained = now.planetcount - before.planetcount;
        if (gained > now.planetcount / 3)
            lists[2].add(player + " increases the number of planets by " + formatFixed(gained, 4, 0) + " to " +
                         formatFixed(now.planetcount, 4, 0) + ".");
    }
    // Production and technologies need both turns' population and industry.
    if (!known(now.population) || !known(now.industry) || !known(before.population) || !known(before.industry)) return;
    const double p = productionPoints(now), q = productionPoints(before);
    if (p - q > p / 10)
        lists[3].add(player + " increases production points by " + formatFixed(p - q, 5, 2) + " to " + formatFixed(p, 5, 2) + ".");
    // A technology rise worth telling: more than 0.8 of what the previous production would raise
    // a technology by in one turn (5000 production points buy one level).
    const double threshold = 0.8 * (q / 5000);
    const struct {
        double playerrecord::*tech;
        const char* text;
        std::size_t list;
    } techs[] = {{&playerrecord::drivetech, " increases drive technology by ", 4},
                 {&playerrecord::weapontech, " increases weapon technology by ", 5},
                 {&playerrecord::shieldtech, " increases shield technology by ", 6}};
    for (const auto& t : techs) {
        const double a = now.*t.tech, b = before.*t.tech;
        if (!known(a) || !known(b)) continue;
        if (a - b > threshold)
            lists[t.list].add(player + t.text + formatFixed(a - b, 5, 2) + " to " + formatFixed(a, 5, 2) + ".");
    }
}

struct BattleCounts {
    long won = 0, lost = 0, standoff = 0, planetsLost = 0;
};

BattleCounts countBattles(const Game& game)
{
    BattleCounts counts;
    for (const battlerecord& battle : game.turn.battles) {
        long own = 0, ownLosses = 0, enemy = 0, enemyLosses = 0;
        for (const battleracerecord& race : battle.races)
            for (const battlegrouprecord& g : race.groups) {
                const bool mine = race.name == game.ownrace;
                (mine ? own : enemy) += g.shipsbefore;
                (mine ? ownLosses : enemyLosses) += g.shipsbefore - g.survivors;
            }
        if (enemyLosses == enemy) {
            ++counts.won;
        } else if (ownLosses == own) {
            ++counts.lost;
            // A battle lost at a planet that was ours: the planet went with it.
            for (const planetrecord& p : game.turn.previousplanets)
                if (p.name == battle.name && p.ownercode == ocOwn) {
                    ++counts.planetsLost;
                    break;
                }
        } else {
            ++counts.standoff;
        }
    }
    return counts;
}

} // namespace

double productionPoints(const playerrecord& race)
{
    return race.population > race.industry ? race.industry + (race.population - race.industry) / 4 : race.industry;
}

std::vector<std::string> turnOverviewLines(const Game& game)
{
    const turnrecord& turn = game.turn;
    const bool blind = game.isBlind();
    std::vector<std::string> text;

    if (!blind) {
        long colonised = 0, bombed = 0;
        const auto planetAt = planetsByPosition(turn.planets);
        for (const planetrecord& before : turn.previousplanets) {
            const auto found = planetAt.find(std::make_pair(before.x, before.y));
            if (found == planetAt.end()) continue;
            const planetrecord* now = found->second;
            if (before.ownercode == ocUninhabited)
                colonised += now->ownercode != ocUninhabited;
            else
                bombed += now->ownercode == ocUninhabited;
        }
        const std::string prefix = game.gametype == gtStandard ? "   A total of " : "   At least a total of ";
        if (colonised > 0 || bombed > 0) {
            text.emplace_back("Overall information:");
            if (colonised > 0) text.push_back(prefix + plural(colonised, " planet is", " planets are") + " colonized this turn.");
            if (bombed > 0) text.push_back(prefix + plural(bombed, " planet is", " planets are") + " bombed this turn.");
            text.emplace_back();
        }
    }

    // Races that left, planets lost, planets gained, production, drive, weapon, shield.
    std::array<SortedLines, 7> lists;
    if (!blind)
        for (const shortname& race : turn.vanishedraces) lists[0].add("   Player " + race.str() + " leaved the game.");
    long planetGain = 0;
    for (const playerrecord& race : turn.players) {
        const playerrecord* before = previousEntryOf(turn.previousplayers, race);
        if (!before) continue;
        if (race.name == game.ownrace) {
            if (known(race.planetcount) && known(before->planetcount))
                planetGain = static_cast<long>(race.planetcount - before->planetcount);
        } else if (!blind) {
            compareRace(race, *before, lists);
        }
    }

    const BattleCounts battles = countBattles(game);
    std::vector<std::string> personal;
    if (planetGain - battles.planetsLost > 0)
        personal.push_back("   You colonized " + plural(planetGain - battles.planetsLost, " planet.", " planets."));
    if (battles.planetsLost > 0) personal.push_back("   You lost " + plural(battles.planetsLost, " planet.", " planets."));
    if (battles.won > 0) personal.push_back("   You won " + plural(battles.won, " battle.", " battles."));
    if (battles.lost > 0) personal.push_back("   You lost " + plural(battles.lost, " battle.", " battles."));
    if (battles.standoff > 0) personal.push_back("   Standoff in " + plural(battles.standoff, " battle.", " battles."));
    if (!personal.empty()) {
        text.emplace_back("Personal information:");
        text.insert(text.end(), personal.begin(), personal.end());
        text.emplace_back();
    }

    const bool others = std::any_of(lists.begin(), lists.end(), [](const SortedLines& l) { return !l.lines().empty(); });
    if (others) {
        text.emplace_back("Information about other players:");
        for (const SortedLines& list : lists) {
            if (list.lines().empty()) continue;
            text.insert(text.end(), list.lines().begin(), list.lines().end());
            text.emplace_back();
        }
    }

    if (text.empty()) text.emplace_back("Nothing special happened this turn.");
    return text;
}

std::string turnOverviewText(const Game& game)
{
    std::string out;
    for (const std::string& line : turnOverviewLines(game)) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace orrery

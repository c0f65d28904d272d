#include "autointel.h"

#include "fileio.h"
#include "intelligence.h"
#include "position.h"
#include "reportreader.h"
#include "textrules.h"

#include <algorithm>
#include <cmath>

namespace orrery {

namespace {

// Index of the first entry of players with that name, or -1.
long playerIndex(const std::vector<playerrecord>& players, const shortname& name)
{
    for (std::size_t k = 0; k < players.size(); ++k)
        if (players[k].name == name) return static_cast<long>(k);
    return -1;
}

double distance(double x1, double y1, double x2, double y2) { return std::hypot(x1 - x2, y1 - y2); }

template <class List>
void eraseAt(List& records, double x, double y)
{
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [&](const auto& r) { return r.x == x && r.y == y; }),
                  records.end());
}

// What a race gained in planets since the turn before. A race that is new in the status table
// has gained all its planets.
int gain(const turnrecord& t, std::size_t k)
{
    const double now = t.players[k].planetcount;
    const double before = k < t.previousplayers.size() ? t.previousplayers[k].planetcount : 0.0;
    return truncToInt(now - before);
}

// How many of the unidentified planets of turn 0 go to each race of the status table (none to
// the own race). The server lists the other races' home planets race by race in the order of the
// status table, but a game may start races with different numbers of home planets (one race with
// three among races with one), so each race takes as many as its status line counts when those
// counts share out the list exactly. When they do not (the list holds other planets too, or a
// count is missing), every race takes the player's own number of home planets.
std::vector<int> homePlanetShares(const turnrecord& t, const shortname& ownrace, std::size_t unidentified,
                                  int homeplanetcount)
{
    std::vector<int> shares(t.players.size(), 0);
    std::size_t counted = 0;
    for (std::size_t k = 0; k < t.players.size(); ++k) {
        if (t.players[k].name == ownrace) continue;
        shares[k] = std::max(0, truncToInt(t.players[k].planetcount));
        counted += static_cast<std::size_t>(shares[k]);
    }
    if (counted == unidentified) return shares;
    for (std::size_t k = 0; k < t.players.size(); ++k)
        if (t.players[k].name != ownrace) shares[k] = homeplanetcount;
    return shares;
}

// A race whose status line of turn 0 shows the own race's planets, population and industry
// started like the player, so its home planets can be taken to be like the player's.
bool startedAlike(const playerrecord& race, const playerrecord* own)
{
    return own && race.planetcount == own->planetcount && race.population == own->population &&
           race.industry == own->industry;
}

// GalaxyNG 3.1 does not list planets by race: records within distance 10 of each other form one
// pseudo player. The guess holds only when every cluster has exactly the player's number of home
// planets; in a game whose races started with different numbers it fails, since a cluster cannot
// be tied to the race whose count it matches.
bool clusterHomePlanets(std::vector<turnintelrecord>& records, int homeplanetcount)
{
    for (turnintelrecord& r : records) r.ownerindex = -1;
    std::int32_t next = pseudoplayerbase + 1;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].ownerindex != -1) continue;
        const std::int32_t cluster = next++;
        records[i].ownerindex = cluster;
        for (std::size_t j = i + 1; j < records.size(); ++j)
            if (records[j].ownerindex == -1 &&
                distance(records[i].x, records[i].y, records[j].x, records[j].y) <= 10.0)
                records[j].ownerindex = cluster;
    }
    for (std::int32_t c = pseudoplayerbase + 1; c < next; ++c) {
        const auto members = std::count_if(records.begin(), records.end(),
                                           [&](const turnintelrecord& r) { return r.ownerindex == c; });
        if (members != homeplanetcount) return false;
    }
    return std::none_of(records.begin(), records.end(), [](const turnintelrecord& r) { return r.ownerindex == -1; });
}

} // namespace

Status inferTurnZero(Game& game, const AutoIntelHooks& hooks)
{
    turnrecord& t = game.turn;
    game.gamedetail.clear();

    // The own planets of turn 0 are the home planets.
    std::vector<const planetrecord*> homes;
    for (const planetrecord& p : t.planets)
        if (p.ownercode == ocOwn) homes.push_back(&p);
    bool equalSizes = true;
    for (const planetrecord* p : homes)
        if (p->size != homes.front()->size) equalSizes = false;
    if (game.homeplanetcount == -1) game.homeplanetcount = static_cast<std::int32_t>(homes.size());

    game.gamedetail = "Number of homeplanets per player: " + std::to_string(game.homeplanetcount) + "\r\n";
    if (game.homeplanetcount > 1)
        game.gamedetail += equalSizes ? "All homeplanets have the same size.\r\n"
                                      : "Not all homeplanets have the same size.\r\n";

    GameTypeChoice choice{game.gametype == gtUnknown ? gtStandard : game.gametype, false};
    if (hooks.confirmGameType) choice = hooks.confirmGameType(game.gametype, game.gamedetail);
    game.gametype = choice.gametype;
    if (choice.version31 && game.gametype == gtGalaxyNG) game.gametype = gtGalaxyNG31;

    std::vector<turnintelrecord> records;
    bool guessFailed = false;
    if (game.gametype != gtBlind) {
        // The other races' home planets are listed among the unidentified planets in the order of
        // the status table: the k-th other race has the k-th run of planets.
        std::vector<const planetrecord*> unidentified;
        for (const planetrecord& p : t.planets)
            if (p.ownercode == ocOther) unidentified.push_back(&p);
        const std::vector<int> shares =
            homePlanetShares(t, game.ownrace, unidentified.size(), game.homeplanetcount);
        const long ownIndex = playerIndex(t.players, game.ownrace);
        const playerrecord* own = ownIndex < 0 ? nullptr : &t.players[static_cast<std::size_t>(ownIndex)];
        // GalaxyNG 3.1 lists the planets in no race order, so a run cannot be tied to its race's
        // status line: the own home's values fit only when every race started like the player.
        const bool allAlike = std::all_of(t.players.begin(), t.players.end(),
                                          [&](const playerrecord& p) { return startedAlike(p, own); });
        const planetrecord* model = homes.empty() ? nullptr : homes.front();
        std::size_t next = 0;
        for (std::size_t k = 0; k < t.players.size(); ++k) {
            if (t.players[k].name == game.ownrace) continue;
            const bool alike = game.gametype == gtGalaxyNG31 ? allAlike : startedAlike(t.players[k], own);
            for (int n = 0; n < shares[k] && next < unidentified.size(); ++n, ++next) {
                turnintelrecord r;
                r.x = unidentified[next]->x;
                r.y = unidentified[next]->y;
                r.ownerindex = static_cast<std::int32_t>(k);
                if (equalSizes && alike && model) {
                    r.size = model->size;
                    r.population = model->population;
                    r.industry = model->industry;
                    r.resources = model->resources;
                }
                records.push_back(r);
            }
        }
        if (game.gametype == gtGalaxyNG31) guessFailed = !clusterHomePlanets(records, game.homeplanetcount);
    }

    t.turnintel = (game.gametype != gtBlind && !guessFailed) ? records : std::vector<turnintelrecord>{};
    Status status = writeTurnIntelligence(game, 0);
    t.planetintel.clear();
    for (const turnintelrecord& r : records)
        t.planetintel.push_back(planetintelrecord{r.x, r.y, r.size, r.population, r.industry, r.resources});
    keepFirst(status, writePlanetIntelligence(game));
    return status;
}

Status inferLaterTurn(Game& game, int turnNumber)
{
    turnrecord& t = game.turn;

    // The last known state is the starting point.
    readTurnIntelligence(game, turnNumber - 1);
    readPlanetIntelligence(game, false);
    Status status = updatePlanetIntelligence(game);
    std::vector<turnintelrecord>& records = t.turnintel;
    const PositionIndex planetAt(t.planets);
    auto planetOf = [&](const turnintelrecord& r) -> const planetrecord* {
        const long k = planetAt.find(r.x, r.y);
        return k < 0 ? nullptr : &t.planets[static_cast<std::size_t>(k)];
    };

    // GalaxyNG 3.1: a pseudo player whose planet now shows its owner becomes that race; a pseudo
    // player that carried the race's number takes over the pseudo number (the two are exchanged).
    if (game.gametype == gtGalaxyNG31) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            const std::int32_t pseudo = records[i].ownerindex;
            if (pseudo <= pseudoplayerbase) continue;
            const planetrecord* p = planetOf(records[i]);
            if (!p || p->owner.empty()) continue;
            const long k = playerIndex(t.players, p->owner);
            if (k < 0) continue;
            const std::int32_t race = static_cast<std::int32_t>(k);
            for (std::size_t j = i; j < records.size(); ++j) {
                if (records[j].ownerindex == pseudo)
                    records[j].ownerindex = race;
                else if (records[j].ownerindex == race + pseudoplayerbase)
                    records[j].ownerindex = pseudo;
            }
        }
    }

    // Bombed planets lost their population and industry, and maybe their owner.
    for (const bombingrecord& b : t.bombings) {
        for (planetintelrecord& r : t.planetintel) {
            if (r.x == b.x && r.y == b.y) {
                r.population = unknownvalue;
                r.industry = unknownvalue;
            }
        }
        eraseAt(records, b.x, b.y);
    }
    // The player's own planets need no guess.
    for (const planetrecord& p : t.planets)
        if (p.owner == game.ownrace) eraseAt(records, p.x, p.y);

    // Planets seen for the first time join planets.ori.
    {
        const PositionIndex known(t.planetintel);
        bool added = false;
        for (const planetrecord& p : t.planets) {
            if (p.size < 0 || known.find(p.x, p.y) >= 0) continue;
            t.planetintel.push_back(planetintelrecord{p.x, p.y, p.size, unknownvalue, unknownvalue, p.resources});
            added = true;
        }
        if (added) keepFirst(status, writePlanetIntelligence(game));
    }

    // Races that vanished move the races after them up by one position of the status table.
    for (std::int32_t v : t.vanishedpositions) {
        records.erase(std::remove_if(records.begin(), records.end(),
                                     [&](const turnintelrecord& r) { return r.ownerindex == v; }),
                      records.end());
        for (turnintelrecord& r : records)
            if (r.ownerindex > v && r.ownerindex < pseudoplayerbase) --r.ownerindex;
    }

    for (const planetrecord& p : t.planets)
        if (p.ownercode == ocUninhabited) eraseAt(records, p.x, p.y);

    if (game.gametype != gtBlind) {
        struct Candidate {
            const planetrecord* planet;
            std::vector<std::int32_t> owners;
        };
        std::vector<Candidate> candidates;
        {
            const PositionIndex recorded(records);
            for (const planetrecord& p : t.planets)
                if (p.ownercode == ocOther && recorded.find(p.x, p.y) < 0) candidates.push_back({&p, {}});
        }
        for (playerrecord& p : t.players) p.attributed = 0;
        double largestDrive = 0;
        for (const playerrecord& p : t.players) largestDrive = std::max(largestDrive, p.drivetech);

        // Possible owners: races with a planet within reach of the candidate that gained planets.
        for (Candidate& c : candidates) {
            for (const turnintelrecord& r : records) {
                if (r.ownerindex < 0) continue;
                if (std::find(c.owners.begin(), c.owners.end(), r.ownerindex) != c.owners.end()) continue;
                const std::size_t race = r.ownerindex >= pseudoplayerbase ? 0 : static_cast<std::size_t>(r.ownerindex);
                if (race >= t.players.size()) continue;
                double reach;
                if (game.gametype == gtGalaxyNG31) {
                    reach = 20.0 * largestDrive;
                } else {
                    if (gain(t, race) <= 0) continue;
                    reach = 20.0 * t.players[race].drivetech;
                }
                if (distance(c.planet->x, c.planet->y, r.x, r.y) <= reach) c.owners.push_back(r.ownerindex);
            }
        }
        auto removeOwner = [&](std::int32_t k) {
            for (Candidate& c : candidates) c.owners.erase(std::remove(c.owners.begin(), c.owners.end(), k), c.owners.end());
        };
        // Ambiguity: a race cannot have got more of these planets than it gained.
        for (std::size_t k = 0; k < t.players.size(); ++k) {
            const auto only = std::count_if(candidates.begin(), candidates.end(), [&](const Candidate& c) {
                return c.owners.size() == 1 && c.owners[0] == static_cast<std::int32_t>(k);
            });
            if (only > gain(t, k)) removeOwner(static_cast<std::int32_t>(k));
        }
        auto record = [](const planetrecord& p, std::int32_t owner) {
            return turnintelrecord{p.x, p.y, owner, p.size, p.population, p.industry, p.resources};
        };
        // Attribution of the candidates with exactly one possible owner.
        for (auto it = candidates.begin(); it != candidates.end();) {
            if (it->owners.size() != 1) {
                ++it;
                continue;
            }
            const std::int32_t owner = it->owners[0];
            records.push_back(record(*it->planet, owner));
            if (game.gametype != gtGalaxyNG31 && owner < pseudoplayerbase &&
                static_cast<std::size_t>(owner) < t.players.size())
                t.players[static_cast<std::size_t>(owner)].attributed += 1;
            it = candidates.erase(it);
        }
        // Exhaustion: a race that got as many planets as it gained gets no more.
        for (std::size_t k = 0; k < t.players.size(); ++k)
            if (gain(t, k) - t.players[k].attributed == 0) removeOwner(static_cast<std::int32_t>(k));
        for (const Candidate& c : candidates)
            records.push_back(record(*c.planet, c.owners.size() == 1 ? c.owners[0] : -1));

        // Planets whose owner the report names.
        const PositionIndex recorded(records);
        for (const planetrecord& p : t.planets) {
            if (p.ownercode <= 0 || p.owner.empty()) continue;
            const long k = playerIndex(t.players, p.owner);
            if (k < 0) continue;
            const long at = recorded.find(p.x, p.y);
            if (at >= 0)
                records[static_cast<std::size_t>(at)].ownerindex = static_cast<std::int32_t>(k);
            else
                records.push_back(record(p, static_cast<std::int32_t>(k)));
        }
    }

    keepFirst(status, writeTurnIntelligence(game, turnNumber));
    return status;
}

Status runAutomaticIntelligence(Game& game, const AutoIntelHooks& hooks)
{
    Status status;
    for (int turnNumber = 0; turnNumber <= game.lastturn; ++turnNumber) {
        if (fileExists(game.turnIntelFile(turnNumber))) continue;
        std::optional<TurnRead> read = readTurnFiles(game, turnNumber);
        if (!read) continue;
        showTurnRead(game, std::move(*read), turnNumber);
        if (hooks.turnShown) hooks.turnShown();
        keepFirst(status, turnNumber == 0 ? inferTurnZero(game, hooks) : inferLaterTurn(game, turnNumber));
    }
    return status;
}

} // namespace orrery

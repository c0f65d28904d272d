#include "galaxygen.h"

#include "fileio.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <set>
#include <utility>

namespace orrery::gen {

namespace {

// Every number the reports print has two decimals; the simulation keeps its values that way so
// that a description and the text written from it say exactly the same.
double r2(double v) { return std::round(v * 100.0) / 100.0; }

const char* const starNames[] = {
    "Alcyone",   "Altair",     "Vega",       "Deneb",     "Rigel",      "Sirius",    "Capella",   "Arcturus",
    "Aldebaran", "Antares",    "Betelgeuse", "Bellatrix", "Canopus",    "Procyon",   "Pollux",    "Castor",
    "Regulus",   "Spica",      "Fomalhaut",  "Achernar",  "Mira",       "Polaris",   "Mizar",     "Alcor",
    "Algol",     "Electra",    "Maia",       "Merope",    "Taygeta",    "Atlas",     "Pleione",   "Celaeno",
    "Sterope",   "Hadar",      "Acrux",      "Mimosa",    "Shaula",     "Sargas",    "Nunki",     "Ascella",
    "Albireo",   "Sadr",       "Gienah",     "Enif",      "Markab",     "Scheat",    "Alpheratz", "Mirach",
    "Almach",    "Hamal",      "Sheratan",   "Menkar",    "Mirfak",     "Elnath",    "Nihal",     "Arneb",
    "Saiph",     "Mintaka",    "Alnilam",    "Alnitak",   "Meissa",     "Wezen",     "Adhara",    "Aludra",
    "Gomeisa",   "Alphard",    "Denebola",   "Zosma",     "Chertan",    "Porrima",   "Zavijava",  "Syrma",
    "Kochab",    "Pherkad",    "Thuban",     "Eltanin",   "Rastaban",   "Sulafat",   "Sheliak",   "Tarazed",
    "Alshain",   "Nashira",    "Sadalmelik", "Sadalsuud", "Skat",       "Ankaa",     "Diphda",    "Menkent",
    "Toliman",   "Agena",      "Avior",      "Miaplacidus", "Aspidiske", "Suhail",   "Naos",      "Regor",
    "Algorab",   "Kraz",       "Minkar",     "Alchiba",   "Unukalhai",  "Rasalhague", "Cebalrai", "Sabik",
    "Marfik",    "Kornephoros", "Rasalgethi", "Alphecca", "Nusakan",    "Izar",      "Muphrid",   "Seginus",
    "Nekkar",    "Alkaid",     "Alioth",     "Megrez",    "Phecda",     "Merak",     "Dubhe",     "Talitha",
    "Tania",     "Alula",      "Muscida",    "Menkalinan", "Hassaleh",  "Almaaz",    "Haedus",    "Caph",
    "Schedar",   "Ruchbah",    "Segin",      "Achird",    "Errai",      "Alfirk",    "Alderamin", "Homam",
    "Matar",     "Biham",      "Alrescha",   "Torcular",  "Revati",     "Botein",    "Mesarthim", "Jabbah",
    "Dschubba",  "Acrab",      "Lesath",     "Girtab",    "Fang",       "Alniyat",   "Paikauhale", "Larawag",
};

const char* const ngRaceNames[] = {
    "Orion",    "Vegans",    "Cygnians",  "Lyrans",    "Draconians", "Aquilans",  "Centaurs",  "Hydrans",
    "Perseids", "Andromeda", "Phoenix",   "Pegasians", "Taurids",    "Leonids",   "Geminids",  "Corvids",
    "Lupines",  "Ursines",   "Delphini",  "Carinae",   "Velans",     "Puppis",    "Sagittari", "Scorpii",
    "Aurigans", "Bootes",    "Cepheids",  "Eridani",   "Herculeans", "Serpens",   "Volantis",  "Columbans",
};

// Standard Galaxy race names may contain blanks, and one is longer than a name may be.
const char* const standardRaceNames[] = {
    "Sons of Orion", "Vegans",     "Free Traders",  "Cygnians",   "The Merchant Princes of Vega", "Iron Legion",
    "Lyrans",        "Star Farmers", "Draconians",  "Aquilans",   "Blue Moon",  "Centaurs",
};

const char* const fleetNames[] = {"Vanguard", "Aegis", "Nomads", "Lancers", "Wardens"};

const char* const roleNames[4][6] = {
    {"Scout", "Probe", "Drone", "Seeker", "Spy", "Eye"},
    {"Freighter", "Hauler", "Trader", "Ark", "Carrier", "Barge"},
    {"Fighter", "Lancer", "Raider", "Hawk", "Viper", "Wasp"},
    {"Cruiser", "Warden", "Guardian", "Titan", "Bastion", "Monitor"},
};

enum Role { Scout = 0, Freighter = 1, Fighter = 2, Cruiser = 3 };

struct Planet {
    std::string name;   // printed name: a star name, or the number for planets nobody named
    std::string number; // Blind Galaxy system number
    double x = 0, y = 0, size = 0, resources = 0;
    int owner = -1;
    double pop = 0, ind = 0, cap = 0, mat = 0, col = 0;
    std::string producing;
    std::vector<int> near; // the nearest planets, nearest first
};

struct Design {
    shiptyperecord type;
    Role role = Scout;
};

struct Race {
    std::string name;
    double tech[4] = {1, 1, 1, 1};
    bool listed = true;
    int emptyTurns = 0;
    std::vector<Design> designs;
    int nextNumber = 1;
    int home = -1;
};

struct Group {
    int race = 0;
    int design = 0;
    int ships = 1;
    double tech[4] = {1, 1, 1, 1};
    std::string cargo;
    double qty = 0;
    int at = 0;   // current planet, or the destination when in flight
    int from = 0; // where the flight began
    double distance = 0;
    double total = 0;
    std::string fleet;
    int number = 0;
};

struct BattleEntry {
    int race = 0;
    int design = 0;
    int before = 0;
    int after = 0;
    double tech[4] = {1, 1, 1, 1};
    std::string cargo;
    double qty = 0;
};

struct Battle {
    int planet = 0;
    std::vector<BattleEntry> entries;
    std::vector<std::string> protocol;
};

struct Bombing {
    int planet = 0, attacker = 0, victim = 0;
    double pop = 0, ind = 0, cap = 0, mat = 0, col = 0;
    std::string producing;
};

struct Route {
    int from = 0;
    int dest[4] = {-1, -1, -1, -1}; // capital, material, colonists, empty ships
};

class World {
public:
    explicit World(const GalaxyParams& params);
    void step();
    GalaxyDescription view() const;
    int turn = 0;

private:
    double u() { return static_cast<double>(rng_()) / 4294967296.0; }
    double uniform(double a, double b) { return a + (b - a) * u(); }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(u() * n); }
    double distance(int a, int b) const
    {
        return std::hypot(planets_[a].x - planets_[b].x, planets_[a].y - planets_[b].y);
    }
    const Design& design(const Group& g) const { return races_[g.race].designs[g.design]; }
    double emptyMassOf(const Design& d) const
    {
        return emptyMass(d.type.drive, d.type.attacks, d.type.weapons, d.type.shields, d.type.cargo);
    }
    double speedOf(const Group& g) const
    {
        const double mass = emptyMassOf(design(g)) + g.qty;
        return mass > 0 ? 20.0 * design(g).type.drive * g.tech[0] / mass : 0.0;
    }
    double attackOf(const Group& g) const
    {
        const shiptyperecord& t = design(g).type;
        return g.ships * t.weapons * g.tech[1] * t.attacks;
    }
    bool armed(const Group& g) const { return design(g).type.attacks > 0 && g.ships > 0; }

    void makePlanets();
    void makeRaces();
    void ownPlanet(int planet, int race, double share);
    Group newGroup(int race, Role role, int at, int ships);
    int designFor(int race, Role role) const;
    void send(Group& g, int dest);
    void move();
    void fight();
    void bomb();
    void produce();
    void command();
    void advanceTech();
    void census();
    void updateRoutes();
    int groupCount(int race) const;

    GalaxyParams p_;
    std::mt19937 rng_;
    double size_ = 0;
    std::vector<Planet> planets_;
    std::vector<Race> races_;
    std::vector<Group> groups_;
    std::vector<std::vector<char>> war_;
    std::vector<Battle> battles_;
    std::vector<Bombing> bombings_;
    std::vector<Route> routes_;
    std::vector<std::string> messages_;
};

World::World(const GalaxyParams& params) : p_(params), rng_(params.seed)
{
    p_.planets = std::max(p_.planets, p_.races * 3 + 4);
    size_ = p_.mapsize > 0 ? p_.mapsize : std::max(40.0, std::round(std::sqrt(p_.planets) * 7.5));
    makePlanets();
    makeRaces();
}

void World::makePlanets()
{
    std::set<std::pair<double, double>> used;
    planets_.resize(static_cast<std::size_t>(p_.planets));
    for (std::size_t i = 0; i < planets_.size(); ++i) {
        Planet& pl = planets_[i];
        do {
            pl.x = r2(uniform(1.0, size_ - 1.0));
            pl.y = r2(uniform(1.0, size_ - 1.0));
        } while (!used.emplace(pl.x, pl.y).second);
        pl.number = std::to_string(i + 1);
        pl.name = pl.number;
        const double w = u();
        pl.size = r2(std::max(1.0, 1000.0 * w * w));
        pl.resources = r2(uniform(0.1, 10.0));
    }
    // The nearest planets of each planet: where its ships go.
    const int nearCount = std::min<int>(10, p_.planets - 1);
    std::vector<std::pair<double, int>> order;
    for (std::size_t i = 0; i < planets_.size(); ++i) {
        order.clear();
        for (std::size_t j = 0; j < planets_.size(); ++j)
            if (j != i) order.emplace_back(distance(static_cast<int>(i), static_cast<int>(j)), static_cast<int>(j));
        std::partial_sort(order.begin(), order.begin() + nearCount, order.end());
        for (int k = 0; k < nearCount; ++k) planets_[i].near.push_back(order[static_cast<std::size_t>(k)].second);
    }
}

int World::designFor(int race, Role role) const
{
    const auto& designs = races_[static_cast<std::size_t>(race)].designs;
    for (std::size_t k = 0; k < designs.size(); ++k)
        if (designs[k].role == role) return static_cast<int>(k);
    return 0;
}

Group World::newGroup(int race, Role role, int at, int ships)
{
    Race& r = races_[static_cast<std::size_t>(race)];
    Group g;
    g.race = race;
    g.design = designFor(race, role);
    g.ships = std::max(1, ships);
    std::copy(std::begin(r.tech), std::end(r.tech), g.tech);
    g.at = g.from = at;
    if (race == 0) g.number = r.nextNumber++;
    return g;
}

void World::ownPlanet(int planet, int race, double share)
{
    Planet& pl = planets_[static_cast<std::size_t>(planet)];
    pl.owner = race;
    pl.pop = r2(std::max(1.0, pl.size * share));
    pl.ind = r2(pl.pop * uniform(0.2, 1.0));
    pl.cap = r2(uniform(0.0, 20.0));
    pl.mat = r2(uniform(0.0, 50.0));
    pl.col = r2(uniform(0.0, pl.pop / 20.0));
    static const char* const products[] = {"Capital", "Materials", "Drive", "Weapons", "Shields", "Cargo"};
    pl.producing = products[below(6)];
}

void World::makeRaces()
{
    const int raceCount = p_.races;
    races_.resize(static_cast<std::size_t>(raceCount));
    for (int r = 0; r < raceCount; ++r) {
        Race& race = races_[static_cast<std::size_t>(r)];
        if (r < static_cast<int>(p_.raceNames.size()))
            race.name = p_.raceNames[static_cast<std::size_t>(r)];
        else if (p_.dialect == Dialect::Standard && r < static_cast<int>(std::size(standardRaceNames)))
            race.name = standardRaceNames[r];
        else if (r < static_cast<int>(std::size(ngRaceNames)))
            race.name = ngRaceNames[r];
        else
            race.name = "Race_" + std::to_string(r + 1);
        for (int role = 0; role < 4; ++role) {
            Design d;
            d.role = static_cast<Role>(role);
            d.type.owner = race.name;
            d.type.name = roleNames[role][(r + role) % 6];
            d.type.fromreport = 1;
            switch (d.role) {
            case Scout: d.type.drive = 1.0; break;
            case Freighter:
                d.type.drive = r2(uniform(2.0, 6.0));
                d.type.cargo = r2(uniform(2.0, 6.0));
                break;
            case Fighter:
                d.type.drive = r2(uniform(2.0, 8.0));
                d.type.attacks = 1;
                d.type.weapons = r2(uniform(1.0, 4.0));
                d.type.shields = r2(uniform(1.0, 4.0));
                break;
            case Cruiser:
                d.type.drive = r2(uniform(8.0, 20.0));
                d.type.attacks = 2 + below(2);
                d.type.weapons = r2(uniform(3.0, 8.0));
                d.type.shields = r2(uniform(4.0, 10.0));
                break;
            }
            race.designs.push_back(d);
        }
    }
    // Relations: most races are at war with each other.
    war_.assign(static_cast<std::size_t>(raceCount), std::vector<char>(static_cast<std::size_t>(raceCount), 0));
    for (int a = 0; a < raceCount; ++a)
        for (int b = a + 1; b < raceCount; ++b) war_[a][b] = war_[b][a] = u() < p_.warShare ? 1 : 0;

    // Home planets as far apart as the galaxy allows.
    std::vector<double> nearestHome(planets_.size(), 1e300);
    int next = below(p_.planets);
    for (int r = 0; r < raceCount; ++r) {
        races_[static_cast<std::size_t>(r)].home = next;
        for (std::size_t i = 0; i < planets_.size(); ++i)
            nearestHome[i] = std::min(nearestHome[i], distance(static_cast<int>(i), next));
        next = static_cast<int>(std::max_element(nearestHome.begin(), nearestHome.end()) - nearestHome.begin());
    }
    std::size_t nameIndex = 0;
    auto giveName = [&](Planet& pl) {
        if (nameIndex < std::size(starNames)) pl.name = starNames[nameIndex++];
    };
    for (int r = 0; r < raceCount; ++r) {
        const int home = races_[static_cast<std::size_t>(r)].home;
        Planet& pl = planets_[static_cast<std::size_t>(home)];
        giveName(pl);
        pl.size = 1000.0;
        pl.resources = 10.0;
        ownPlanet(home, r, 1.0);
        pl.ind = 1000.0;
        pl.producing = races_[static_cast<std::size_t>(r)].designs[Fighter].type.name.str();
        // Two smaller planets beside the home planet, as a new race gets them.
        int given = 0;
        for (int n : pl.near) {
            Planet& other = planets_[static_cast<std::size_t>(n)];
            if (other.owner >= 0) continue;
            other.size = r2(uniform(200.0, 500.0));
            ownPlanet(n, r, 1.0);
            giveName(other);
            if (++given == 2) break;
        }
    }
    for (Planet& pl : planets_)
        if (pl.owner < 0 && u() < 0.3) giveName(pl);

    // A galaxy in mid-game: most planets taken by the race whose home is nearest.
    if (p_.ownedShare > 0) {
        for (std::size_t i = 0; i < planets_.size(); ++i) {
            if (planets_[i].owner >= 0 || u() >= p_.ownedShare) continue;
            int best = 0;
            double bestDistance = 1e300;
            for (int r = 0; r < raceCount; ++r) {
                const double d = distance(static_cast<int>(i), races_[static_cast<std::size_t>(r)].home);
                if (d < bestDistance) bestDistance = d, best = r;
            }
            ownPlanet(static_cast<int>(i), best, uniform(0.3, 1.0));
        }
    }

    // First ships at the home planets; the player's warships form the first fleet.
    for (int r = 0; r < raceCount; ++r) {
        const int home = races_[static_cast<std::size_t>(r)].home;
        groups_.push_back(newGroup(r, Scout, home, 1 + below(3)));
        groups_.push_back(newGroup(r, Freighter, home, 2 + below(4)));
        groups_.push_back(newGroup(r, Fighter, home, 3 + below(6)));
        groups_.push_back(newGroup(r, Cruiser, home, 1 + below(3)));
        if (r == 0) {
            groups_.back().fleet = fleetNames[0];
            groups_[groups_.size() - 2].fleet = fleetNames[0];
        }
    }
    // Scouts of the player spread over the galaxy.
    for (int k = static_cast<int>(p_.spyShare * p_.planets); k > 0; --k)
        groups_.push_back(newGroup(0, Scout, below(p_.planets), 1));
    if (p_.ownedShare > 0) {
        std::vector<std::vector<int>> owned(static_cast<std::size_t>(raceCount));
        for (std::size_t i = 0; i < planets_.size(); ++i)
            if (planets_[i].owner >= 0) owned[static_cast<std::size_t>(planets_[i].owner)].push_back(static_cast<int>(i));
        for (int r = 0; r < raceCount; ++r) {
            const auto& mine = owned[static_cast<std::size_t>(r)];
            const int cap = r == 0 ? p_.ownGroups : p_.groupsPerRace;
            for (int k = groupCount(r); k < cap; ++k) {
                const int at = mine[static_cast<std::size_t>(below(static_cast<int>(mine.size())))];
                const Role role = static_cast<Role>(below(4));
                Group g = newGroup(r, role, at, 1 + below(role == Scout ? 2 : 25));
                if (role == Freighter && u() < 0.5) {
                    g.cargo = u() < 0.5 ? "COL" : "CAP";
                    g.qty = r2(uniform(0.5, 10.0));
                }
                groups_.push_back(g);
                if (role != Scout && u() < 0.2) {
                    const auto& near = planets_[static_cast<std::size_t>(at)].near;
                    send(groups_.back(), near[static_cast<std::size_t>(below(static_cast<int>(near.size())))]);
                    groups_.back().distance = r2(groups_.back().distance * uniform(0.1, 0.9));
                    if (groups_.back().distance <= 0) groups_.back().distance = 0.01;
                }
            }
        }
    }
    // The player's home planet sends colonists and capital to its neighbours.
    Route route;
    route.from = races_[0].home;
    const auto& near = planets_[static_cast<std::size_t>(route.from)].near;
    route.dest[2] = near[0];
    route.dest[0] = near[1];
    routes_.push_back(route);
}

int World::groupCount(int race) const
{
    int n = 0;
    for (const Group& g : groups_) n += g.race == race ? 1 : 0;
    return n;
}

void World::send(Group& g, int dest)
{
    if (dest == g.at || design(g).type.drive <= 0) return;
    const double d = r2(distance(g.at, dest));
    if (d <= 0) return;
    g.from = g.at;
    g.at = dest;
    g.distance = d;
    g.total = d;
}

void World::step()
{
    ++turn;
    battles_.clear();
    bombings_.clear();
    messages_.clear();
    move();
    fight();
    bomb();
    produce();
    command();
    advanceTech();
    census();
    updateRoutes();
}

void World::move()
{
    // A race without planets has nobody left to found colonies.
    std::vector<char> settled(races_.size(), 0);
    for (const Planet& pl : planets_)
        if (pl.owner >= 0) settled[static_cast<std::size_t>(pl.owner)] = 1;
    for (Group& g : groups_) {
        if (g.distance <= 0) continue;
        g.distance = r2(g.distance - std::max(0.5, speedOf(g)));
        if (g.distance > 0) continue;
        g.distance = 0;
        g.total = 0;
        g.from = g.at;
        Planet& pl = planets_[static_cast<std::size_t>(g.at)];
        if (g.cargo == "COL" && pl.owner < 0 && settled[static_cast<std::size_t>(g.race)]) {
            // Colonists found a new colony.
            pl.owner = g.race;
            pl.pop = r2(std::min(pl.size, std::max(1.0, g.qty * 8.0)));
            pl.ind = r2(pl.pop * 0.1);
            pl.cap = pl.mat = pl.col = 0;
            pl.producing = "Capital";
            g.cargo.clear();
            g.qty = 0;
        } else if (!g.cargo.empty() && pl.owner == g.race) {
            if (g.cargo == "COL") pl.col = r2(pl.col + g.qty);
            if (g.cargo == "CAP") pl.cap = r2(pl.cap + g.qty);
            if (g.cargo == "MAT") pl.mat = r2(pl.mat + g.qty);
            g.cargo.clear();
            g.qty = 0;
        }
    }
}

void World::fight()
{
    std::vector<std::vector<int>> at(planets_.size());
    for (std::size_t k = 0; k < groups_.size(); ++k)
        if (groups_[k].distance <= 0 && groups_[k].ships > 0) at[static_cast<std::size_t>(groups_[k].at)].push_back(static_cast<int>(k));
    const std::size_t start = static_cast<std::size_t>(below(p_.planets));
    for (std::size_t n = 0; n < planets_.size() && static_cast<int>(battles_.size()) < p_.battlesPerTurn; ++n) {
        const std::size_t planet = (start + n) % planets_.size();
        const auto& here = at[planet];
        if (here.size() < 2) continue;
        // A race fights when an enemy is present and one of the two sides is armed.
        std::vector<int> fighting;
        for (int a : here) {
            const Group& ga = groups_[static_cast<std::size_t>(a)];
            for (int b : here) {
                const Group& gb = groups_[static_cast<std::size_t>(b)];
                if (ga.race == gb.race || !war_[ga.race][gb.race] || !(armed(ga) || armed(gb))) continue;
                if (std::find(fighting.begin(), fighting.end(), ga.race) == fighting.end()) fighting.push_back(ga.race);
            }
        }
        if (fighting.size() < 2) continue;
        Battle battle;
        battle.planet = static_cast<int>(planet);
        std::vector<std::pair<int, int>> kills; // shooter group, target group
        for (int k : here) {
            Group& g = groups_[static_cast<std::size_t>(k)];
            if (std::find(fighting.begin(), fighting.end(), g.race) == fighting.end()) continue;
            double enemy = 0, own = 0;
            int shooter = -1;
            for (int e : here) {
                const Group& ge = groups_[static_cast<std::size_t>(e)];
                if (ge.race == g.race) own += attackOf(ge);
                if (ge.race != g.race && war_[g.race][ge.race] && armed(ge)) {
                    enemy += attackOf(ge);
                    shooter = e;
                }
            }
            BattleEntry entry;
            entry.race = g.race;
            entry.design = g.design;
            entry.before = g.ships;
            std::copy(std::begin(g.tech), std::end(g.tech), entry.tech);
            entry.cargo = g.cargo;
            entry.qty = g.qty;
            double share = enemy / (enemy + 0.5 * own + 10.0) * uniform(0.5, 1.6);
            share = std::clamp(share, 0.0, 1.0);
            int lost = static_cast<int>(std::lround(g.ships * share));
            if (enemy > 0 && lost == 0 && u() < 0.5) lost = 1;
            g.ships -= std::min(lost, g.ships);
            entry.after = g.ships;
            battle.entries.push_back(entry);
            for (int s = 0; s < lost && shooter >= 0; ++s) kills.emplace_back(shooter, k);
        }
        // The protocol lists every shot: the kills, and the shots the shields stopped.
        std::vector<std::pair<int, int>> misses;
        for (int k : here) {
            const Group& g = groups_[static_cast<std::size_t>(k)];
            if (!armed(g) || std::find(fighting.begin(), fighting.end(), g.race) == fighting.end()) continue;
            std::vector<int> targets;
            for (int e : here)
                if (war_[g.race][groups_[static_cast<std::size_t>(e)].race]) targets.push_back(e);
            if (targets.empty()) continue;
            const int shots = g.ships * static_cast<int>(design(g).type.attacks);
            for (int s = 0; s < shots && static_cast<int>(misses.size()) < p_.protocolLines; ++s)
                misses.emplace_back(k, targets[static_cast<std::size_t>(below(static_cast<int>(targets.size())))]);
        }
        std::size_t nextKill = 0, nextMiss = 0;
        while (static_cast<int>(battle.protocol.size()) < p_.protocolLines &&
               (nextKill < kills.size() || nextMiss < misses.size())) {
            const bool kill = nextKill < kills.size() && (nextMiss >= misses.size() || u() < 0.4);
            const auto [from, to] = kill ? kills[nextKill++] : misses[nextMiss++];
            const Group& a = groups_[static_cast<std::size_t>(from)];
            const Group& b = groups_[static_cast<std::size_t>(to)];
            battle.protocol.push_back(races_[a.race].name + " " + design(a).type.name.str() + " fires on " +
                                      races_[b.race].name + " " + design(b).type.name.str() +
                                      (kill ? " : Destroyed" : " : Shields"));
        }
        battles_.push_back(std::move(battle));
    }
    groups_.erase(std::remove_if(groups_.begin(), groups_.end(), [](const Group& g) { return g.ships <= 0; }),
                  groups_.end());
}

void World::bomb()
{
    std::vector<int> ownedBy(races_.size(), 0);
    for (const Planet& pl : planets_)
        if (pl.owner >= 0) ++ownedBy[static_cast<std::size_t>(pl.owner)];
    std::vector<int> attacker(planets_.size(), -1);
    std::vector<char> defended(planets_.size(), 0);
    for (const Group& g : groups_) {
        if (g.distance > 0 || !armed(g)) continue;
        const int owner = planets_[static_cast<std::size_t>(g.at)].owner;
        if (owner < 0) continue;
        if (g.race == owner) defended[static_cast<std::size_t>(g.at)] = 1;
        else if (war_[g.race][owner] && attacker[static_cast<std::size_t>(g.at)] < 0)
            attacker[static_cast<std::size_t>(g.at)] = g.race;
    }
    for (std::size_t i = 0; i < planets_.size(); ++i) {
        Planet& pl = planets_[i];
        if (attacker[i] < 0 || defended[i] || pl.owner < 0) continue;
        Bombing b{static_cast<int>(i), attacker[i], pl.owner, pl.pop, pl.ind, pl.cap, pl.mat, pl.col, pl.producing};
        bombings_.push_back(b);
        pl.pop = r2(pl.pop * 0.5);
        pl.ind = r2(pl.ind * 0.5);
        pl.cap = pl.mat = pl.col = 0;
        pl.producing = "Capital";
        const int victim = pl.owner;
        // The player's last planet holds out.
        const bool last = victim == 0 && ownedBy[0] <= 1;
        if (!last && pl.pop < 0.15 * pl.size && u() < 0.5) {
            // The attacker lands and takes the planet over.
            --ownedBy[static_cast<std::size_t>(victim)];
            ++ownedBy[static_cast<std::size_t>(attacker[i])];
            pl.owner = attacker[i];
            pl.pop = r2(std::max(1.0, pl.pop));
            pl.ind = r2(std::min(pl.ind, pl.pop));
        } else if (!last && pl.pop < 3.0) {
            // Nobody is left alive: the planet is uninhabited from now on.
            --ownedBy[static_cast<std::size_t>(victim)];
            pl.owner = -1;
            pl.pop = pl.ind = 0;
            pl.producing.clear();
        }
        if (victim == 0 && pl.owner != 0)
            messages_.push_back(pl.name + " has fallen to the " + races_[attacker[i]].name + ".");
    }
}

void World::produce()
{
    static const char* const products[] = {"Capital", "Materials", "Drive", "Weapons", "Shields", "Cargo"};
    std::vector<int> counts(races_.size(), 0);
    for (const Group& g : groups_) ++counts[static_cast<std::size_t>(g.race)];
    for (std::size_t i = 0; i < planets_.size(); ++i) {
        Planet& pl = planets_[i];
        if (pl.owner < 0) continue;
        Race& race = races_[static_cast<std::size_t>(pl.owner)];
        pl.pop = r2(std::min(pl.size, pl.pop * 1.06 + 0.5));
        pl.ind = r2(std::min(pl.pop, pl.ind + std::max(1.0, (pl.pop - pl.ind) * 0.15)));
        if (pl.producing == "Capital") pl.cap = r2(pl.cap + pl.ind * 0.01);
        if (pl.producing == "Materials") pl.mat = r2(pl.mat + pl.ind * 0.02);
        if (u() < 0.15) {
            const int pick = below(10);
            pl.producing = pick < 6 ? products[pick] : race.designs[static_cast<std::size_t>(pick - 6)].type.name.str();
        }
        const int cap = pl.owner == 0 ? p_.ownGroups : p_.groupsPerRace;
        if (pl.ind < 30 || counts[static_cast<std::size_t>(pl.owner)] >= cap || u() >= 0.3) continue;
        const double w = u();
        const Role role = w < 0.15 ? Scout : w < 0.45 ? Freighter : w < 0.8 ? Fighter : Cruiser;
        Group g = newGroup(pl.owner, role, static_cast<int>(i), 1 + below(1 + static_cast<int>(pl.ind / 60.0)));
        if (pl.owner == 0 && role >= Fighter && u() < 0.4) g.fleet = fleetNames[below(3)];
        groups_.push_back(g);
        ++counts[static_cast<std::size_t>(pl.owner)];
    }
    // Large empires keep their fleets up: a race far below its number of groups builds a tenth
    // of the missing ones at once; the player's new scouts set out for far planets.
    std::vector<std::vector<int>> owned(races_.size());
    for (std::size_t i = 0; i < planets_.size(); ++i)
        if (planets_[i].owner >= 0) owned[static_cast<std::size_t>(planets_[i].owner)].push_back(static_cast<int>(i));
    for (std::size_t r = 0; r < races_.size(); ++r) {
        const auto& mine = owned[r];
        const int cap = r == 0 ? p_.ownGroups : p_.groupsPerRace;
        const int missing = cap - counts[r];
        if (mine.empty() || missing < 10) continue;
        for (int k = missing / 10; k > 0; --k) {
            const int at = mine[static_cast<std::size_t>(below(static_cast<int>(mine.size())))];
            const Role role = static_cast<Role>(below(4));
            groups_.push_back(newGroup(static_cast<int>(r), role, at, 1 + below(role == Scout ? 2 : 20)));
            if (r == 0 && role == Scout) send(groups_.back(), below(p_.planets));
        }
    }
}

void World::command()
{
    auto randomNear = [&](int planet) {
        const auto& near = planets_[static_cast<std::size_t>(planet)].near;
        return near[static_cast<std::size_t>(below(static_cast<int>(near.size())))];
    };
    // The player's fleets move as one.
    for (std::size_t f = 0; f < std::size(fleetNames); ++f) {
        if (u() >= 0.3) continue;
        int dest = -1;
        for (Group& g : groups_) {
            if (g.race != 0 || g.fleet != fleetNames[f] || g.distance > 0) continue;
            if (dest < 0) dest = randomNear(g.at);
            send(g, dest);
        }
    }
    for (Group& g : groups_) {
        if (g.distance > 0 || !g.fleet.empty()) continue;
        const Planet& here = planets_[static_cast<std::size_t>(g.at)];
        switch (design(g).role) {
        case Scout:
            if (u() < 0.3) send(g, randomNear(g.at));
            break;
        case Freighter:
            if (g.cargo.empty() && here.owner == g.race && here.pop > 20 && u() < 0.4) {
                for (int n : here.near) {
                    if (planets_[static_cast<std::size_t>(n)].owner >= 0) continue;
                    g.cargo = "COL";
                    g.qty = r2(std::max(0.5, std::min(design(g).type.cargo * g.tech[3] * 2.0, here.pop * 0.05)));
                    send(g, n);
                    break;
                }
            } else if (u() < 0.2) {
                const int dest = randomNear(g.at);
                if (g.cargo.empty() && here.owner == g.race && planets_[static_cast<std::size_t>(dest)].owner == g.race) {
                    g.cargo = u() < 0.5 ? "CAP" : "MAT";
                    g.qty = r2(uniform(0.5, 5.0));
                }
                send(g, dest);
            }
            break;
        case Fighter:
        case Cruiser:
            if (u() < 0.12) {
                // An attack on the nearest planet of an enemy.
                int dest = -1;
                double best = 1e300;
                const bool atPlayer = g.race != 0 && war_[g.race][0] && u() < p_.playerTarget;
                for (std::size_t n = 0; n < planets_.size(); ++n) {
                    const int owner = planets_[n].owner;
                    if (owner < 0 || owner == g.race || !war_[g.race][owner] || (atPlayer && owner != 0)) continue;
                    const double d = distance(g.at, static_cast<int>(n));
                    if (d < best) best = d, dest = static_cast<int>(n);
                }
                if (dest >= 0) send(g, dest);
            } else if (u() < 0.25) {
                int dest = -1;
                for (int n : here.near) {
                    const int owner = planets_[static_cast<std::size_t>(n)].owner;
                    if (owner >= 0 && owner != g.race && war_[g.race][owner] && u() < 0.5) {
                        dest = n;
                        break;
                    }
                }
                send(g, dest >= 0 ? dest : randomNear(g.at));
            }
            break;
        }
    }
}

void World::advanceTech()
{
    for (Race& race : races_)
        for (double& t : race.tech)
            if (u() < 0.2) t = r2(t + uniform(0.01, 0.08));
}

void World::census()
{
    // Now and then a race stops sending orders and is dropped: its planets fall empty, it is
    // listed once more without planets and is gone the turn after.
    for (std::size_t r = 1; r < races_.size(); ++r) {
        Race& race = races_[r];
        if (!race.listed || race.emptyTurns > 0 || turn < 4 || u() >= 0.05 / static_cast<double>(races_.size())) continue;
        for (Planet& pl : planets_) {
            if (pl.owner != static_cast<int>(r)) continue;
            pl.owner = -1;
            pl.pop = pl.ind = pl.cap = pl.mat = pl.col = 0;
            pl.producing.clear();
        }
        groups_.erase(std::remove_if(groups_.begin(), groups_.end(),
                                     [&](const Group& g) { return g.race == static_cast<int>(r); }),
                      groups_.end());
    }
    std::vector<int> owned(races_.size(), 0);
    for (const Planet& pl : planets_)
        if (pl.owner >= 0) ++owned[static_cast<std::size_t>(pl.owner)];
    for (std::size_t r = 0; r < races_.size(); ++r) {
        Race& race = races_[r];
        if (!race.listed) continue;
        if (owned[r] > 0) {
            race.emptyTurns = 0;
            continue;
        }
        // A race without planets is listed once more with none, then it is gone.
        if (++race.emptyTurns >= 2 && r != 0) {
            race.listed = false;
            groups_.erase(std::remove_if(groups_.begin(), groups_.end(),
                                         [&](const Group& g) { return g.race == static_cast<int>(r); }),
                          groups_.end());
        }
    }
}

void World::updateRoutes()
{
    routes_.erase(std::remove_if(routes_.begin(), routes_.end(),
                                 [&](const Route& r) { return planets_[static_cast<std::size_t>(r.from)].owner != 0; }),
                  routes_.end());
    for (std::size_t i = 0; i < planets_.size() && routes_.size() < 8; ++i) {
        const Planet& pl = planets_[i];
        if (pl.owner != 0 || u() >= 0.05) continue;
        if (std::any_of(routes_.begin(), routes_.end(), [&](const Route& r) { return r.from == static_cast<int>(i); }))
            continue;
        Route r;
        r.from = static_cast<int>(i);
        for (int k = 0; k < 4; ++k)
            if (u() < 0.4) r.dest[k] = pl.near[static_cast<std::size_t>(below(static_cast<int>(pl.near.size())))];
        if (std::all_of(std::begin(r.dest), std::end(r.dest), [](int d) { return d < 0; })) r.dest[0] = pl.near[0];
        routes_.push_back(r);
    }
}

GalaxyDescription World::view() const
{
    const Dialect dialect = p_.dialect;
    const bool blind = dialect == Dialect::Blind;
    // Blind Galaxy centres its map on 0,0.
    const double shift = blind ? size_ / 2.0 : 0.0;
    GalaxyDescription d;
    d.dialect = dialect;
    d.gamename = p_.gamename;
    d.turn = turn;
    d.ownrace = races_[0].name;
    d.crlf = p_.crlf;
    d.messages = messages_;
    if (blind) {
        d.options = p_.options;
        if (d.options.version.empty()) d.options.version = "BG-3.2";
        d.options.mapsize = size_;
        d.options.xcenter = 0.0;
        d.options.ycenter = 0.0;
    }
    d.mapx0 = 0.0 - shift;
    d.mapy0 = 0.0 - shift;
    d.mapx1 = size_ - shift;
    d.mapy1 = size_ - shift;

    std::vector<int> planetCount(races_.size(), 0);
    std::vector<double> pop(races_.size(), 0.0), ind(races_.size(), 0.0);
    for (const Planet& pl : planets_) {
        if (pl.owner < 0) continue;
        ++planetCount[static_cast<std::size_t>(pl.owner)];
        pop[static_cast<std::size_t>(pl.owner)] += pl.pop;
        ind[static_cast<std::size_t>(pl.owner)] += pl.ind;
    }
    for (std::size_t r = 0; r < races_.size(); ++r) {
        const Race& race = races_[r];
        if (!race.listed) continue;
        playerrecord p;
        p.name = race.name;
        if (r == 0)
            p.relation = dialect == Dialect::Standard ? "" : "-";
        else
            p.relation = war_[0][r] ? "War" : "Peace";
        p.drivetech = race.tech[0];
        p.weapontech = race.tech[1];
        p.shieldtech = race.tech[2];
        p.cargotech = race.tech[3];
        p.population = r2(pop[r]);
        p.industry = r2(ind[r]);
        p.planetcount = planetCount[r];
        d.players.push_back(p);
    }

    // The player sees the planets it owns and those where its ships are.
    std::vector<char> visible(planets_.size(), 0);
    for (std::size_t i = 0; i < planets_.size(); ++i) visible[i] = planets_[i].owner == 0;
    for (const Group& g : groups_)
        if (g.race == 0 && g.distance <= 0) visible[static_cast<std::size_t>(g.at)] = 1;

    std::vector<std::vector<char>> designSeen(races_.size(), std::vector<char>(4, 0));
    for (auto& seen : designSeen[0]) seen = 1;
    auto toRecord = [&](const Group& g) {
        grouprecord gr;
        gr.name = design(g).type.name;
        gr.location = planets_[static_cast<std::size_t>(g.at)].name;
        gr.fleet = g.fleet;
        gr.cargotype = g.cargo;
        gr.groupnumber = g.race == 0 ? g.number : unknownvalue;
        gr.shipcount = g.ships;
        // The servers print 0 for the tech of a part the ship does not have.
        const shiptyperecord& t = design(g).type;
        gr.drivetech = t.drive > 0 ? g.tech[0] : 0.0;
        gr.weapontech = t.attacks > 0 ? g.tech[1] : 0.0;
        gr.shieldtech = t.shields > 0 ? g.tech[2] : 0.0;
        gr.cargotech = t.cargo > 0 ? g.tech[3] : 0.0;
        gr.cargoquantity = g.qty;
        gr.distance = g.distance;
        return gr;
    };

    for (const Battle& b : battles_) {
        bool seen = visible[static_cast<std::size_t>(b.planet)] != 0;
        for (const BattleEntry& e : b.entries) seen = seen || e.race == 0;
        if (!seen) continue;
        ReportBattle rb;
        rb.planet = planets_[static_cast<std::size_t>(b.planet)].name;
        for (const BattleEntry& e : b.entries) {
            const std::string& raceName = races_[static_cast<std::size_t>(e.race)].name;
            auto table = std::find_if(rb.tables.begin(), rb.tables.end(),
                                      [&](const ReportRaceGroups& t) { return t.race == raceName; });
            if (table == rb.tables.end()) {
                rb.tables.push_back({raceName, {}});
                table = rb.tables.end() - 1;
            }
            ReportGroup rg;
            rg.group.name = races_[static_cast<std::size_t>(e.race)].designs[static_cast<std::size_t>(e.design)].type.name;
            rg.group.location = rb.planet;
            rg.group.cargotype = e.cargo;
            rg.group.shipcount = e.before;
            rg.group.survivors = e.after;
            rg.group.inbattle = 1;
            const shiptyperecord& t = races_[static_cast<std::size_t>(e.race)].designs[static_cast<std::size_t>(e.design)].type;
            rg.group.drivetech = t.drive > 0 ? e.tech[0] : 0.0;
            rg.group.weapontech = t.attacks > 0 ? e.tech[1] : 0.0;
            rg.group.shieldtech = t.shields > 0 ? e.tech[2] : 0.0;
            rg.group.cargotech = t.cargo > 0 ? e.tech[3] : 0.0;
            rg.group.cargoquantity = e.qty;
            table->groups.push_back(rg);
            designSeen[static_cast<std::size_t>(e.race)][static_cast<std::size_t>(e.design)] = 1;
        }
        rb.protocol = b.protocol;
        d.battles.push_back(std::move(rb));
    }

    for (const Bombing& b : bombings_) {
        if (b.attacker != 0 && b.victim != 0 && !visible[static_cast<std::size_t>(b.planet)]) continue;
        bombingrecord r;
        r.attacker = races_[static_cast<std::size_t>(b.attacker)].name;
        r.victim = races_[static_cast<std::size_t>(b.victim)].name;
        r.name = planets_[static_cast<std::size_t>(b.planet)].name;
        r.population = b.pop;
        r.industry = b.ind;
        r.producing = b.producing.empty() ? std::string("Capital") : b.producing;
        r.capital = b.cap;
        r.material = b.mat;
        r.colonists = b.col;
        d.bombings.push_back(r);
    }

    auto position = [&](const Group& g) {
        const Planet& to = planets_[static_cast<std::size_t>(g.at)];
        const Planet& from = planets_[static_cast<std::size_t>(g.from)];
        const double f = g.total > 0 ? std::clamp(g.distance / g.total, 0.0, 1.0) : 0.0;
        return std::make_pair(to.x + (from.x - to.x) * f - shift, to.y + (from.y - to.y) * f - shift);
    };
    for (const Group& g : groups_) {
        if (g.race == 0 || g.distance <= 0 || planets_[static_cast<std::size_t>(g.at)].owner != 0) continue;
        incomingrecord r;
        r.origin = planets_[static_cast<std::size_t>(g.from)].name;
        r.destination = planets_[static_cast<std::size_t>(g.at)].name;
        r.distance = g.distance;
        r.speed = r2(speedOf(g));
        r.mass = r2(g.ships * (emptyMassOf(design(g)) + g.qty));
        d.incoming.push_back(r);
        const auto [x, y] = position(g);
        d.mapmarks.push_back({x, y, 0});
    }
    for (const Group& g : groups_) {
        if (g.race != 0 || g.distance <= 0) continue;
        const auto [x, y] = position(g);
        d.mapmarks.push_back({x, y, 1});
    }

    for (const Planet& pl : planets_) {
        ReportPlanet rp;
        planetrecord& p = rp.planet;
        p.name = pl.name;
        if (blind && pl.name != pl.number) p.altname = pl.number;
        p.x = r2(pl.x - shift);
        p.y = r2(pl.y - shift);
        if (pl.owner >= 0 && (pl.owner == 0 || visible[static_cast<std::size_t>(&pl - planets_.data())])) {
            rp.table = pl.owner == 0 ? PlanetTable::Own : PlanetTable::Alien;
            if (pl.owner != 0) p.owner = races_[static_cast<std::size_t>(pl.owner)].name;
            p.size = pl.size;
            p.population = pl.pop;
            p.industry = pl.ind;
            p.resources = pl.resources;
            p.producing = pl.producing.empty() ? std::string("Capital") : pl.producing;
            p.capital = pl.cap;
            p.material = pl.mat;
            p.colonists = pl.col;
        } else if (pl.owner >= 0) {
            rp.table = PlanetTable::Unidentified;
        } else {
            rp.table = PlanetTable::Uninhabited;
            if (visible[static_cast<std::size_t>(&pl - planets_.data())]) {
                p.size = pl.size;
                p.resources = pl.resources;
                p.capital = pl.cap;
                p.material = pl.mat;
            }
        }
        d.planets.push_back(rp);
    }

    for (const Route& r : routes_) {
        routerecord rr;
        rr.name = planets_[static_cast<std::size_t>(r.from)].name;
        shortname* slots[4] = {&rr.capital, &rr.material, &rr.colonists, &rr.empty};
        for (int k = 0; k < 4; ++k)
            if (r.dest[k] >= 0) *slots[k] = planets_[static_cast<std::size_t>(r.dest[k])].name;
        d.routes.push_back(rr);
    }

    ReportRaceGroups own{races_[0].name, {}};
    std::vector<const Group*> mine;
    for (const Group& g : groups_)
        if (g.race == 0) mine.push_back(&g);
    std::sort(mine.begin(), mine.end(), [](const Group* a, const Group* b) { return a->number < b->number; });
    for (const Group* g : mine) {
        ReportGroup rg;
        rg.group = toRecord(*g);
        if (g->distance > 0) rg.origin = planets_[static_cast<std::size_t>(g->from)].name;
        rg.upgradecost = r2(g->ships * 2.5);
        own.groups.push_back(rg);
    }
    for (const char* name : fleetNames)
        if (std::any_of(mine.begin(), mine.end(), [&](const Group* g) { return g->fleet == name; }))
            d.fleets.push_back(fleetrecord{name});
    d.groups.push_back(std::move(own));
    for (std::size_t r = 1; r < races_.size(); ++r) {
        ReportRaceGroups theirs{races_[r].name, {}};
        for (const Group& g : groups_) {
            if (g.race != static_cast<int>(r) || g.distance > 0 || !visible[static_cast<std::size_t>(g.at)]) continue;
            theirs.groups.push_back({toRecord(g), {}, 0.0});
            designSeen[r][static_cast<std::size_t>(g.design)] = 1;
        }
        if (!theirs.groups.empty()) d.groups.push_back(std::move(theirs));
    }
    for (std::size_t r = 0; r < races_.size(); ++r)
        for (std::size_t k = 0; k < races_[r].designs.size(); ++k)
            if (designSeen[r][k]) d.shiptypes.push_back(races_[r].designs[k].type);
    return d;
}

std::size_t reportSize(const GalaxyDescription& d) { return writeReport(d).size(); }

// Scale 1 is a galaxy whose mid-game report is about one megabyte.
GalaxyParams midGameParams(double scale, Dialect dialect, std::uint32_t seed)
{
    GalaxyParams p;
    p.dialect = dialect;
    p.seed = seed;
    p.gamename = "Sizes";
    p.planets = std::max(20, static_cast<int>(std::lround(2000 * scale)));
    p.races = std::clamp(static_cast<int>(std::lround(30 * std::sqrt(scale))), 4, 30);
    p.groupsPerRace = std::max(6, static_cast<int>(std::lround(400 * scale * 30.0 / p.races)));
    p.ownGroups = std::max(10, static_cast<int>(std::lround(2200 * scale)));
    p.battlesPerTurn = std::max(2, static_cast<int>(std::lround(120 * scale)));
    p.protocolLines = 200;
    p.ownedShare = 0.6;
    p.spyShare = 0.8;
    p.options.techs = true;
    return p;
}

} // namespace

GeneratedGame playGame(const GalaxyParams& params, int turns)
{
    GeneratedGame game;
    game.params = params;
    World world(params);
    for (int t = 0; t < turns; ++t) {
        if (t > 0) world.step();
        game.turns.push_back(world.view());
    }
    return game;
}

GalaxyDescription smallGalaxy(Dialect dialect, std::uint32_t seed)
{
    GalaxyParams p;
    p.dialect = dialect;
    p.seed = seed;
    p.gamename = "Small";
    p.planets = 30;
    p.races = 4;
    p.mapsize = 40;
    p.groupsPerRace = 10;
    p.ownGroups = 14;
    p.battlesPerTurn = 3;
    p.protocolLines = 6;
    p.ownedShare = 0.5;
    p.spyShare = 0.3;
    p.options.techs = true;
    World world(p);
    // The first turn that has every table; the richest one when none has.
    GalaxyDescription best;
    int bestScore = -1;
    for (int t = 0; t < 40; ++t) {
        if (t > 0) world.step();
        GalaxyDescription d = world.view();
        int alienGroups = 0;
        for (const auto& r : d.groups) alienGroups += r.race != d.ownrace ? 1 : 0;
        const bool alienPlanets = std::any_of(d.planets.begin(), d.planets.end(),
                                              [](const ReportPlanet& rp) { return rp.table == PlanetTable::Alien; });
        const int score = !d.battles.empty() + !d.bombings.empty() + !d.incoming.empty() + !d.routes.empty() +
                          !d.fleets.empty() + (alienGroups > 0) + alienPlanets;
        if (score > bestScore) {
            bestScore = score;
            best = std::move(d);
        }
        if (score == 7) break;
    }
    return best;
}

GalaxyParams paramsForReportSize(std::size_t targetBytes, Dialect dialect, std::uint32_t seed)
{
    double scale = static_cast<double>(targetBytes) / 1e6;
    GalaxyParams p;
    for (int round = 0; round < 3; ++round) {
        p = midGameParams(scale, dialect, seed);
        p.gamename = "Marathon";
        // The first turns of a galaxy in mid-game are its busiest: the sizes are taken later.
        World world(p);
        std::size_t bytes = 0;
        for (int t = 1; t <= 12; ++t) {
            world.step();
            if (t > 6) bytes += reportSize(world.view());
        }
        bytes /= 6;
        scale *= static_cast<double>(targetBytes) / static_cast<double>(std::max<std::size_t>(bytes, 1));
    }
    p = midGameParams(scale, dialect, seed);
    p.gamename = "Marathon";
    return p;
}

SizedReports sizedReports(std::size_t targetBytes, Dialect dialect, std::uint32_t seed)
{
    // The size follows the scale only roughly (battles come and go), so the galaxy closest to
    // the target of a few tries is kept.
    double scale = static_cast<double>(targetBytes) / 1e6;
    SizedReports best;
    double bestError = 1e300;
    for (int round = 0; round < 6; ++round) {
        SizedReports out;
        World world(midGameParams(scale, dialect, seed));
        world.turn = 40;
        out.previous = world.view();
        world.step();
        out.current = world.view();
        out.currentText = writeReport(out.current);
        const double ratio = static_cast<double>(targetBytes) / static_cast<double>(out.currentText.size());
        const double error = std::fabs(ratio - 1.0);
        if (error < bestError) {
            bestError = error;
            best = std::move(out);
        }
        if (error < 0.03) break;
        scale *= ratio;
    }
    best.previousText = writeReport(best.previous);
    return best;
}

GeneratedGame demoGame()
{
    GalaxyParams p;
    p.dialect = Dialect::GalaxyNG;
    p.seed = 20260611;
    p.gamename = "Nebula";
    p.planets = 120;
    p.races = 6;
    p.mapsize = 80;
    p.groupsPerRace = 24;
    p.ownGroups = 50;
    p.spyShare = 0.2;
    p.battlesPerTurn = 4;
    p.protocolLines = 16;
    p.warShare = 0.9;
    p.playerTarget = 0.6;
    p.raceNames = {"Orion", "Vegans", "Cygnians", "Lyrans", "Draconians", "Aquilans"};
    return playGame(p, 12);
}

Result<std::vector<std::string>> writeGame(const GeneratedGame& game, const std::string& folder,
                                           const std::string& name, const std::string& ext)
{
    std::vector<std::string> paths;
    const std::string dir = withTrailingSeparator(folder);
    for (const GalaxyDescription& d : game.turns) {
        const std::string path = dir + name + std::to_string(d.turn) + ext;
        if (const Status written = writeFileAtomic(path, writeReport(d)); !written) return written.error();
        paths.push_back(path);
    }
    return paths;
}

} // namespace orrery::gen

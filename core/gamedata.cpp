#include "gamedata.h"

#include "textrules.h"

#include <algorithm>
#include <cmath>

namespace orrery {

void turnrecord::clear()
{
    planets.clear();
    previousplanets.clear();
    players.clear();
    previousplayers.clear();
    racegroups.clear();
    battles.clear();
    fleets.clear();
    routes.clear();
    bombings.clear();
    incominggroups.clear();
    mapmarks.clear();
    turnintel.clear();
    planetintel.clear();
    vanishedraces.clear();
    vanishedpositions.clear();
}

const std::vector<OptionFlag>& optionFlags()
{
    using o = optiontype;
    static const std::vector<OptionFlag> flags = {
        {"map", "enable map printing", &o::map, true, "Map printing", 3},
        {"smartmap", "print smart map (uses more symbols than the default)", &o::smartmap, true, "Smartmap", 2},
        {"unknown", "print 'Unknown planet' section, even if no map is printed", &o::unknown, false, "Unknown", 2},
        {"production", "print 'Ships in production' section", &o::production, true, "Production", 2},
        {"techprod", "show partial techs in 'Ships In Production' section as additional columns", &o::techprod,
         false, "TechProd", 2},
        {"techs", "show tech levels instead of effective numbers in the group section", &o::techs, false, "Techs", 2},
        {"sortgroups", "sort groups by planets", &o::sortgroups, false, "Sortgroups", 2},
        {"sortplanets", "sort planets by industrie value", &o::sortplanets, true, "Sortplanets", 2},
        {"longbattle", "print blow-by-blow battle listing", &o::longbattle, false, "Longbattle", 2},
        {"battlesum", "print battle summary", &o::battlesum, true, "Battlesum", 2},
        {"battlemass", "print battle mass chart", &o::battlemass, false, "Battlemass", 2},
        {"forecast", "return a forecast", &o::forecast, false, "Forecast", 2},
        {"longforecast", "enables full reports in forecasts (full reports must also be enabled)", &o::longforecast,
         false, "Long forecasts", 3},
        {"fullreport", "enables full reports", &o::fullreport, true, "Full reports", 4},
        {"techplus", "print additional tech information in the 'Status of players' section", &o::techplus, true,
         "Techplus", 2},
        {"fulltype", "print additional information in the 'Ship Type' section", &o::fulltype, true, "FullType", 2},
        {"autounload", "unload all cargo at all planets that you own", &o::autounload, false, "Autounload", 2},
        {"upgradecost", "print upgrade cost in your group sections", &o::upgradecost, false, "Upgradecost", 2},
        {"twospace", "use 2 spaces instaed of 1 to separate fields in the report", &o::twospace, false, "Twospace", 2},
        {"unsafemax", "keyword MAX refer to the highest numbered group, that is not in hyperspace and which has ships",
         &o::unsafemax, false, "Unsafemax", 2},
        {"unsafebreak", "allow break off all ships from a group", &o::unsafebreak, false, "unsafebreak", 2},
        {"shortint", "change intercepts to work on systems within a single turn's range, instead of two turns",
         &o::shortint, false, "Shortint", 2},
        {"showfrom", "for groups in hyperspace: instead of showing the target systems name, show the number of "
                     "system of origin",
         &o::showfrom, false, "Showfrom", 2},
        {"bombsum", "print an overall summary of all bombings you saw", &o::bombsum, true, "Bombsum", 2},
        {"sysmass", "shows all number of ships, mass and techmass of all groups at a system (only affects full reports)",
         &o::sysmass, false, "Sysmass", 2},
        {"cartesian", "use cartesian co-ordinates", &o::cartesian, false, "Cartesian", 2},
        {"pedantic", "give warnings, if syntactically correct commands may be wrong", &o::pedantic, false, "Pedantic",
         2},
        {"showopts", "show the current option settings", &o::showopts, true, "Showopts", 2},
        {"stats", "shows cargo ship capacity and stockpiles as well as tech level info of your groups", &o::stats,
         false, nullptr, 0},
    };
    return flags;
}

void setStandardOptions(optiontype& options)
{
    for (const OptionFlag& flag : optionFlags()) options.*flag.member = flag.standard;
    options.mapsize = -1.0;
    options.xcenter = 0.0;
    options.ycenter = 0.0;
}

std::string Game::reportFile(int turnNumber) const
{
    return turndirectory + reportname + std::to_string(turnNumber) + reportext;
}

std::string Game::turnIntelFile(int turnNumber) const
{
    return turndirectory + reportname + std::to_string(turnNumber) + ".ori";
}

std::string Game::planetIntelFile() const { return turndirectory + "planets.ori"; }
std::string Game::shipsFile() const { return turndirectory + "ships.ori"; }

const char* gameTypeName(std::int32_t gametype)
{
    switch (gametype) {
    case gtBlind: return "Blind Galaxy";
    case gtGalaxyNG: return "GalaxyNG";
    case gtGalaxyNG31: return "GalaxyNG 3.1";
    default: return "Standard Galaxy";
    }
}

void release(Game& game, bool keepShipTypes)
{
    game.turn.clear();
    if (!keepShipTypes) game.shiptypes.clear();
}

planetrecord* findPlanet(turnrecord& turn, std::string_view name)
{
    return const_cast<planetrecord*>(findPlanet(static_cast<const turnrecord&>(turn), name));
}

const planetrecord* findPlanet(const turnrecord& turn, std::string_view name)
{
    // An empty name is "none", never a planet without a second name.
    if (name.empty()) return nullptr;
    for (const planetrecord& p : turn.planets)
        if (p.name == name || p.altname == name) return &p;
    return nullptr;
}

const racegrouprecord* ownGroups(const Game& game)
{
    for (const racegrouprecord& race : game.turn.racegroups)
        if (race.name == game.ownrace.view()) return &race;
    return nullptr;
}

racegrouprecord* ownGroups(Game& game)
{
    return const_cast<racegrouprecord*>(ownGroups(static_cast<const Game&>(game)));
}

const grouprecord* findOwnGroup(const Game& game, std::string_view number)
{
    const racegrouprecord* own = ownGroups(game);
    if (!own) return nullptr;
    // The text must be an integer.
    std::string_view digits = number;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    if (digits.empty()) return nullptr;
    for (char c : digits)
        if (c < '0' || c > '9') return nullptr;
    const double wanted = readNumber(number);
    for (const grouprecord& g : own->groups)
        if (std::trunc(g.groupnumber) == wanted) return &g;
    return nullptr;
}

const grouprecord* findOwnFleetMember(const Game& game, std::string_view fleet)
{
    const racegrouprecord* own = ownGroups(game);
    if (!own) return nullptr;
    for (const grouprecord& g : own->groups)
        if (g.fleet == fleet) return &g;
    return nullptr;
}

const shiptyperecord* findShipType(const std::vector<shiptyperecord>& types, std::string_view name,
                                   std::string_view owner)
{
    for (const shiptyperecord& t : types)
        if (t.name == name && t.owner == owner) return &t;
    return nullptr;
}

void storeShipType(std::vector<shiptyperecord>& types, const shiptyperecord& design)
{
    for (shiptyperecord& t : types) {
        if (t.name == design.name && t.owner == design.owner) {
            t.drive = design.drive;
            t.attacks = design.attacks;
            t.weapons = design.weapons;
            t.shields = design.shields;
            t.cargo = design.cargo;
            return;
        }
    }
    types.push_back(design);
}

double emptyMass(double drive, double attacks, double weapons, double shields, double cargo)
{
    double mass = drive + shields + cargo;
    // The first weapon counts in full, every further one half.
    if (attacks > 0) mass += weapons + (attacks - 1) * weapons / 2;
    return mass;
}

double emptyMass(const grouprecord& g) { return emptyMass(g.drive, g.attacks, g.weapons, g.shields, g.cargo); }
double fullMass(const grouprecord& g) { return emptyMass(g) + g.cargoquantity; }

double speed(const grouprecord& g)
{
    const double mass = fullMass(g);
    if (!g.typeknown || !(mass > 0)) return 0.0;
    return 20.0 * g.drive * g.drivetech / mass;
}

double attackStrength(const grouprecord& g) { return g.shipcount * g.weapons * g.weapontech * g.attacks; }

double shieldDefence(double shields, double shieldtech, double mass)
{
    return shieldtech * shields / std::cbrt(mass) * std::cbrt(30.0);
}

double defence(const grouprecord& g)
{
    const double mass = fullMass(g);
    if (!(g.shields > 0) || !(mass > 0)) return 0.0;
    return shieldDefence(g.shields, g.shieldtech, mass);
}

int planetSymbolSize(double planetSize, bool planetSizesShown)
{
    if (!planetSizesShown) return 5;
    // A broken size of billions would give a symbol wider than any canvas; 2^16 pixels is plenty.
    return std::clamp(roundHalfEven(planetSize / 100.0), -1, 1 << 16) + 1;
}

int planetSymbolRadius(double planetSize, bool planetSizesShown)
{
    return planetSymbolSize(planetSize, planetSizesShown) / 2;
}

} // namespace orrery

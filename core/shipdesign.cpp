#include "shipdesign.h"

#include "textrules.h"

#include <algorithm>
#include <cmath>

namespace orrery {

namespace {

std::string three(double value) { return formatFixed(value, 0, 3); }

double defence(const DesignParts& p, const DesignTech& t, double mass)
{
    return shieldDefence(p.shields, t.shields, mass);
}

// The chance in percent that the combined attack A x W x wT of one ship kills a twin of mass m:
// a shot kills with probability (log4(attack / defence) + 1) / 2.
double killPercent(double attack, double defence) { return (std::log(attack / defence) / std::log(4.0) + 1) / 2 * 100; }

DesignRow row(const DesignParts& p, const DesignTech& t, bool harmless, double speedMass, double thresholdMass)
{
    DesignRow r;
    r.mass = thresholdMass;
    r.speed = 20 * p.drive * t.drive / speedMass;
    if (!harmless) r.pkill = killPercent(p.attacks * p.weapons * t.weapons, defence(p, t, speedMass));
    r.weakestkill = defence(p, t, thresholdMass) / 4;
    r.surekill = defence(p, t, thresholdMass) * 4;
    return r;
}

} // namespace

ShipDesign computeDesign(const DesignParts& p, const DesignTech& t)
{
    ShipDesign d;
    d.mass = emptyMass(p.drive, p.attacks, p.weapons, p.shields, p.cargo);
    // Checked input never gives a negative mass; should one come anyway, it has no speed either.
    if (!(d.mass > 0)) return d;
    DesignFigures f;
    const double load = p.cargo + p.cargo * p.cargo / 10;
    f.capacity = load * t.cargo;
    f.cost = 10 * d.mass;
    // No attacks, weapons or shields give no kill probability; neither do a weapon or shield
    // technology of 0, which the fields never let through, instead of a logarithm of 0 or of a
    // division by 0.
    f.harmless = !(p.attacks * p.weapons * t.weapons > 0 && p.shields * t.shields > 0);
    f.unloaded = row(p, t, f.harmless, d.mass, d.mass);
    f.loaded = row(p, t, f.harmless, d.mass + f.capacity, d.mass + load);
    d.figures = f;
    return d;
}

std::optional<double> numberPerTurn(double mass, double population, double industry, double resources,
                                    double material)
{
    if (!(mass > 0) || !known(population) || !known(industry) || !known(resources) || !known(material))
        return std::nullopt;
    const double production = industry + (population - industry) / 4;
    // The stockpile covers all the material the production can use.
    if (production - 10 * material < 0) return production / (10 * mass);
    if (!(resources > 0)) return material / mass;
    return (production - 10 * material) / (mass / resources + 10 * mass) + material / mass;
}

DesignTexts designTexts(const ShipDesign& d)
{
    DesignTexts t;
    t.table[0] = {"", "mass", "speed", "p[kill]", "w. >0%", "w. 100%"};
    t.table[1][0] = "unloaded";
    t.table[2][0] = "loaded";
    t.costs = "Costs: ";
    t.capacity = "Cargo capacity: ";
    if (!d.figures) return t;
    const DesignFigures& f = *d.figures;
    t.costs += three(f.cost);
    t.capacity += three(f.capacity);
    for (int i = 1; i <= 2; ++i) {
        const DesignRow& r = i == 1 ? f.unloaded : f.loaded;
        t.table[i][1] = three(r.mass);
        t.table[i][2] = three(r.speed);
        t.table[i][3] = f.harmless ? "0" : three(r.pkill);
        t.table[i][4] = three(r.weakestkill);
        t.table[i][5] = three(r.surekill);
    }
    return t;
}

std::string numberPerTurnText(std::optional<double> number)
{
    return number ? "Number per turn: " + three(*number) : std::string("Number per turn:");
}

std::optional<double> numberPerTurnAtSelection(const turnrecord& turn, const ViewState& view, double mass)
{
    const mapselection* selected = view.recentSelection();
    if (selected == nullptr || selected->name.empty()) return std::nullopt;
    for (const planetrecord& p : turn.planets) {
        if (p.name != selected->name && p.altname != selected->name) continue;
        return numberPerTurn(mass, p.population, p.industry, p.resources, p.material);
    }
    return std::nullopt;
}

double designFieldValue(std::string_view text)
{
    const std::string_view t = trimmed(text);
    return isNumber(t) ? readNumber(t) : 0.0;
}

FieldCheck checkDesignFieldTyping(DesignField field, std::string_view text)
{
    FieldCheck c;
    if (text.empty()) return c;
    c.checked = true;
    const std::string_view t = trimmed(text);
    if (!isNumber(t) && !isNumberInProgress(t)) {
        c.message = "Please enter a number!";
        return c;
    }
    // A number in progress counts up to its first offending character.
    const double value = readNumber(t);
    const bool technology = field >= DesignField::DriveTech;
    const bool noneOrOne = value == 0 || value >= 1;
    if (technology && value < 1) {
        c.message = "The number has to be at least 1!";
    } else if (field == DesignField::Attacks && contains(t, ".")) {
        c.message = "The attack number has to be a whole number";
    } else if (!technology && !noneOrOne) {
        // Attacks too: a negative number of attacks would give the kill probability the
        // logarithm of a negative attack.
        c.message = "The number has to be 0 or at least 1!";
    }
    if (!c.message.empty()) c.reset = "1";
    return c;
}

bool recomputeAfterTyping(std::string_view cargoTechText) { return designFieldValue(cargoTechText) > 0; }

std::optional<std::string> checkDesignFieldLeaving(std::string_view text)
{
    if (isNumber(trimmed(text))) return std::nullopt;
    return std::string("Please enter a number!");
}

std::array<std::string, 5> designFieldTexts(const shiptyperecord& type)
{
    return {formatFixed(type.drive, 0, 2), std::to_string(truncToInt(type.attacks)), formatFixed(type.weapons, 0, 2),
            formatFixed(type.shields, 0, 2), formatFixed(type.cargo, 0, 2)};
}

std::vector<std::string> designRaces(const std::vector<shiptyperecord>& types)
{
    std::vector<std::string> races;
    for (const shiptyperecord& t : types)
        if (std::find(races.begin(), races.end(), t.owner.view()) == races.end()) races.push_back(t.owner.str());
    return races;
}

std::vector<std::string> designNames(const std::vector<shiptyperecord>& types, std::string_view race,
                                     bool onlyFromReport)
{
    std::vector<std::string> names;
    for (const shiptyperecord& t : types)
        if (t.owner == race && !(onlyFromReport && t.fromreport == 0)) names.push_back(t.name.str());
    return names;
}

std::optional<std::array<std::string, 4>> designTechTexts(const std::vector<playerrecord>& players,
                                                           std::string_view race)
{
    if (players.empty()) return std::nullopt;
    for (const playerrecord& p : players)
        if (p.name == race)
            return std::array<std::string, 4>{formatFixed(p.drivetech, 0, 2), formatFixed(p.weapontech, 0, 2),
                                              formatFixed(p.shieldtech, 0, 2), formatFixed(p.cargotech, 0, 2)};
    return std::array<std::string, 4>{"1.00", "1.00", "1.00", "1.00"};
}

namespace {

const char* const duplicateDesign = "There exists a ship type with this name already!\n\r"
                                    "Use the button \"Change\" to change an existing ship type";

shiptyperecord* findOwn(std::vector<shiptyperecord>& types, std::string_view ownrace, std::string_view name)
{
    for (shiptyperecord& t : types)
        if (t.owner == ownrace && t.name == name) return &t;
    return nullptr;
}

void setParts(shiptyperecord& t, const DesignParts& p)
{
    t.drive = p.drive;
    t.attacks = p.attacks;
    t.weapons = p.weapons;
    t.shields = p.shields;
    t.cargo = p.cargo;
}

} // namespace

std::string storedDesignName(std::string_view typed)
{
    std::string name(shortname(typed).view());
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

Status addDesign(std::vector<shiptyperecord>& types, std::string_view ownrace, std::string_view name,
                 const DesignParts& parts)
{
    if (name.empty()) return Failure("You have to type in a name for the ship type or select one from the list, first!");
    // Compared as it would be stored: a long name cut to 20 characters must not slip past a
    // design of the same first 20 and give two designs of one name.
    const shortname stored = storedDesignName(name);
    if (findOwn(types, ownrace, stored)) return Failure(duplicateDesign);
    shiptyperecord t;
    t.name = stored;
    t.owner = ownrace;
    setParts(t, parts);
    t.fromreport = 0;
    types.push_back(t);
    return {};
}

Result<bool> changeDesign(std::vector<shiptyperecord>& types, std::string_view ownrace,
                          std::optional<std::string_view> selected, std::string_view newName,
                          const DesignParts& parts)
{
    if (newName.empty()) return Failure("You have to type in a new name first!");
    if (!selected) return Failure("You have to select a list entry first!");
    shiptyperecord* t = findOwn(types, ownrace, *selected);
    if (!t) return false;
    // A new name must not be another design's: ships.ori keeps one design per name.
    const shortname stored = storedDesignName(newName);
    if (const shiptyperecord* other = findOwn(types, ownrace, stored); other && other != t) return Failure(duplicateDesign);
    t->name = stored;
    setParts(*t, parts);
    return true;
}

Result<bool> deleteDesign(std::vector<shiptyperecord>& types, std::string_view ownrace,
                          std::optional<std::string_view> selected)
{
    if (!selected) return Failure("You have to select a list entry first!");
    const shiptyperecord* t = findOwn(types, ownrace, *selected);
    if (!t) return false;
    types.erase(types.begin() + (t - types.data()));
    return true;
}

} // namespace orrery

#pragma once

// The ship designer's arithmetic: what a design of drive D, attacks A, weapons W, shields S and
// cargo C weighs, how fast it flies, how likely its guns kill a twin, what it costs, what it
// carries and how many a planet builds per turn; the checks of the designer's input fields; and
// the keeping of the own race's designs. The designer window shows these values and no more.
//
//     const ShipDesign d = computeDesign({1, 1, 1, 1, 1}, {});   // mass 4, cost 40
//     const DesignTexts t = designTexts(d);                       // "4.000" in the mass cell
//
// The game's rules, with the technologies dT, wT, sT, cT:
//   mass M = D + S + C + W + (A - 1) x W / 2 (the first gun in full, every further one half;
//            no weapon mass without attacks)
//   cargo load L = C + C^2 / 10, capacity K = L x cT (a hold of a better technology carries more)
//   speed = 20 x D x dT / mass
//   defence def(m) = S x sT / m^(1/3) x 30^(1/3) (shields spread over a heavier hull protect less)
//   one shot of strength a kills with probability (log4(a / def) + 1) / 2: never below
//   def / 4, always from def x 4 on.

#include "gamedata.h"
#include "result.h"
#include "viewstate.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

// The five design values of a ship type.
struct DesignParts {
    double drive = 0;
    double attacks = 0;
    double weapons = 0;
    double shields = 0;
    double cargo = 0;
};

// The technology levels the design is built with (attacks have none).
struct DesignTech {
    double drive = 1;
    double weapons = 1;
    double shields = 1;
    double cargo = 1;
};

// One row of the designer's table: the ship empty ("unloaded") or with a full hold ("loaded").
struct DesignRow {
    double mass = 0;
    double speed = 0;
    double pkill = 0;       // in percent, not clamped: below 0 or above 100 is possible
    double weakestkill = 0; // "w. >0%": the weakest shot that can kill
    double surekill = 0;    // "w. 100%": the weakest shot that always kills
};

struct DesignFigures {
    double cost = 0;     // 10 production points per mass unit
    double capacity = 0; // K
    // The ship cannot hurt a twin (no attacks, no weapons or no shields to compare with): both
    // kill probabilities are shown as "0".
    bool harmless = false;
    // The loaded row: the mass cell and the thresholds count the cargo load L, the speed and the
    // kill probability the full capacity K (the quantity a full hold carries, as group speeds
    // count the carried quantity); the two agree only at cargo technology 1.
    DesignRow unloaded;
    DesignRow loaded;
};

struct ShipDesign {
    double mass = 0; // M
    // Nothing but the mass for a design without mass: its speed would divide by it.
    std::optional<DesignFigures> figures;
};

ShipDesign computeDesign(const DesignParts& parts, const DesignTech& tech);

// Ships of this mass a planet builds in one turn, from its population, industry, resources and
// material stockpile; none when any of them is unknown (-1) or the design has no mass. Each ship
// costs 10 production points per mass unit and one unit of material per mass unit; the stockpile
// is used first, and material beyond it costs 1 / resources production points per unit. A planet
// without resources cannot make material: it builds only what its stockpile allows.
std::optional<double> numberPerTurn(double mass, double population, double industry, double resources,
                                    double material);

// The designer's table (3 rows x 6 columns: the headers, "unloaded", "loaded") and labels, every
// number with three decimals; a design without mass leaves the ten value cells empty.
struct DesignTexts {
    std::array<std::array<std::string, 6>, 3> table;
    std::string costs;    // "Costs: " + cost
    std::string capacity; // "Cargo capacity: " + capacity
};
DesignTexts designTexts(const ShipDesign& design);
// "Number per turn: " + N, or "Number per turn:" when it cannot be computed.
std::string numberPerTurnText(std::optional<double> number);
// The ships of this mass the planet last selected on the map builds per turn: the planet of the
// second selection when it is set, else of the first, found by name or alternative name; none
// without a selection, without such a planet or with one of its values unknown.
std::optional<double> numberPerTurnAtSelection(const turnrecord& turn, const ViewState& view, double mass);

// The nine input fields, in their order on screen.
enum class DesignField { Drive, Attacks, Weapons, Shields, Cargo, DriveTech, WeaponTech, ShieldTech, CargoTech };

// What the designer's fields hold as text, for the windows that take a design from it or hand
// one to it (the orders editor's design order, the battle simulator): the name field and the
// nine fields in the order of DesignField.
struct DesignerFields {
    std::string name;
    std::array<std::string, 9> fields;
};

// A field read for the computation: text that is not a number counts as 0.
double designFieldValue(std::string_view text);

// What a change of a field's text asks for. An empty field is left alone: no message and no
// recompute. A message is shown in an error box and the focus goes back to the field; reset is
// the text the field gets before that.
struct FieldCheck {
    std::string message;
    std::optional<std::string> reset;
    bool checked = false; // false for an empty field: nothing else happens
};
FieldCheck checkDesignFieldTyping(DesignField field, std::string_view text);
// After a checked change the outputs are recomputed when the cargo technology field holds a
// number above 0: while the window fills the four technology fields one after another, the cargo
// technology field is filled last, so no recompute runs on half-filled input.
bool recomputeAfterTyping(std::string_view cargoTechText);
// Leaving a field: "Please enter a number!" unless its text is a number.
std::optional<std::string> checkDesignFieldLeaving(std::string_view text);

// The races offered in the race box: the owner of every design, each once, in list order (the
// box sorts them).
std::vector<std::string> designRaces(const std::vector<shiptyperecord>& types);
// The designs of a race for the list (in list order; the list sorts them); with onlyFromReport
// those the player added (fromreport 0) are left out.
std::vector<std::string> designNames(const std::vector<shiptyperecord>& types, std::string_view race,
                                     bool onlyFromReport);
// The four technology field texts for a race: drive, weapons, shields, cargo of its player with
// two decimals, "1.00" each for a race that is not among the players; nothing when there are no
// players at all (the fields keep their texts).
std::optional<std::array<std::string, 4>> designTechTexts(const std::vector<playerrecord>& players,
                                                           std::string_view race);

// The field texts of a ship type clicked in the list: drive, attacks, weapons, shields, cargo;
// attacks as a whole number (fraction dropped), the others with two decimals.
std::array<std::string, 5> designFieldTexts(const shiptyperecord& type);

// The own race's designs. Names are cut to 20 characters like every name of the game.
// "Add": a new design of ownrace, appended with fromreport 0.
Status addDesign(std::vector<shiptyperecord>& types, std::string_view ownrace, std::string_view name,
                 const DesignParts& parts);
// "Change": the ownrace design selected in the list (nullopt: none) gets the new name and values;
// the new name is not checked against the other designs. False when no such design exists.
Result<bool> changeDesign(std::vector<shiptyperecord>& types, std::string_view ownrace,
                          std::optional<std::string_view> selected, std::string_view newName,
                          const DesignParts& parts);
// "Delete": the ownrace design selected in the list is removed. False when no such design exists.
Result<bool> deleteDesign(std::vector<shiptyperecord>& types, std::string_view ownrace,
                          std::optional<std::string_view> selected);

} // namespace orrery

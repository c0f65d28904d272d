#pragma once

// The transporter planner: cargo ships carry colonists ("COL") and capital ("CAP") to the own
// planets that are not yet fully developed, within a number of turns. The player lists the
// transporter groups and the planets (in order of priority); planTransports assigns every ship of
// those groups a task, transportOrders turns the tasks into load, unload and send orders.
//
// The planning runs in four phases, each for the turn limits 1, 2, ... up to the limit, so that
// near ships are used first:
//   1. full loads (above 0.8 of the hold) where colonists or capital are still missing, counting
//      what is already under way to the planet;
//   2. any load where something is still missing;
//   3. idle ships fly empty to an own planet with a whole hold of stock waiting;
//   4. idle ships fly empty to an own planet with any stock at all.
//
// A ship that cannot move (no drive) and a planet whose position is unknown are never used:
// their travel time is unreachableTurns, above any turn limit the planner accepts.

#include "gamedata.h"
#include "orderforms.h"
#include "result.h"

#include <string>
#include <string_view>
#include <vector>

namespace orrery {

class MoveEditor;

inline constexpr std::string_view msgTransporterListEmpty = "Transporter list is empty!";
inline constexpr std::string_view msgPlanetListEmpty = "Planet list is empty!";
inline constexpr std::string_view msgTurnsNotNumber = "Number of turns has to be a number and at least 1!";
inline constexpr std::string_view msgTurnsTooMany = "Number of turns can be at most 100!";

// The travel time of a ship that never arrives.
inline constexpr int unreachableTurns = 999;
// The largest turn limit: beyond it planning runs long and finds nothing more.
inline constexpr int maxPlanTurns = 100;

// One ship of a transporter group and its task.
struct TransportShip {
    double groupnumber = 0.0;
    double shipcount = 1.0; // after merging: how many ships of the group share this task
    shortname location;
    shortname cargotype; // carried now
    double cargoquantity = 0.0;
    double drive = 0.0, attacks = 0.0, weapons = 0.0, shields = 0.0, cargo = 0.0;
    double drivetech = 0.0, cargotech = 0.0;
    // The task.
    shortname destination; // empty: idle
    shortname destinationShown; // its alternative name when it has one
    std::string load;      // "", "COL" or "CAP"
    double loadAmount = 0.0;
    int assignment = 0; // 0: not assigned; otherwise the order in which tasks were given

    double capacity() const;
    // Speed carrying q; 0 for a ship without drive.
    double speedWith(double q) const;
};

// A planet to develop and what the plan brings it.
struct DevelopPlanet {
    shortname name;
    shortname displayName;
    double size = 0.0, population = 0.0, industry = 0.0, resources = 0.0;
    double capital = 0.0, material = 0.0, colonists = 0.0;
    double assignedCapital = 0.0;
    double assignedColonists = 0.0;
};

struct TransportPlan {
    std::vector<TransportShip> ships;
    std::vector<DevelopPlanet> planets;
    // Production the planned deliveries add, summed over the planets.
    double result = 0.0;
};

// The ship formulas of the planner, per ship.
double transporterCapacity(const grouprecord& group);
double transporterSpeed(const grouprecord& group, double load);

// Whether an own planet still needs development (population or industry below its size).
bool needsDevelopment(const planetrecord& planet);
// Own planets that need development, in the planner's default order: descending current
// production x size / largest own size, equal keys in list order.
std::vector<const planetrecord*> planetsToDevelop(const Game& game);
// Own groups that can serve as transporters: not in a battle, at a planet, with a cargo value
// above the threshold; in list order.
std::vector<const grouprecord*> transporterGroups(const Game& game, double cargoAbove);

// The window's tables and choosers. A transporter row: "ID", "Type", "At planet", "Cargo type",
// "Cargo ammount", "Max. cargo", "Min. speed" (full hold), "Speed" (as loaded now).
std::vector<std::string> transporterRow(const Game& game, const grouprecord& group);
// A planet row: "Name", "Size", "Population", "Industrie", "Resources", "Producing", "CAP",
// "COL", "MAT", "max./cur. mass".
std::vector<std::string> developRow(const planetrecord& planet);
// The chooser's lines of the transporters not yet listed ("12: 3 x Hauler at planet Mars (speed
// 4.00)"), and the number a chosen line stands for.
std::vector<std::string> transporterChoices(const Game& game, const std::vector<double>& listed);
double choiceGroupNumber(std::string_view line);
// The names (alternative names where given) of the planets to develop not yet listed, sorted.
std::vector<std::string> developChoices(const Game& game, const std::vector<std::string>& listed);
// The planet a table shows by that name: its alternative name, or its name when it has none.
const planetrecord* findPlanetByShownName(const Game& game, std::string_view shown);
inline constexpr std::string_view msgNoNumberGiven = "No number given!";
inline constexpr std::string_view msgAllTransportersListed = "All transporters are already in the list!";
inline constexpr std::string_view msgAllPlanetsListed =
    "All your planets which needs development are already in the list!";
inline constexpr std::string_view msgSelectRowFirst = "Please select a row first!";
// Reads the cargo value field.
Result<double> parseCargoValue(std::string_view text);

// Reads the turn field: a whole number from 1 to maxPlanTurns.
Result<int> parseTurnLimit(std::string_view text);

// Plans the transports of the listed groups (by number) to the listed planets (by name or
// alternative name, in order of priority) within the turn limit. Fails with the window's
// messages when a list is empty or the limit is out of range. Groups and planets that are not
// found, and groups under way or in a battle, are left out.
Result<TransportPlan> planTransports(const Game& game, const std::vector<double>& groups,
                                     const std::vector<std::string>& planets, int turnLimit);

// " 12.34": the result figure, right-aligned in six characters.
std::string resultText(double result);

// One order the plan gives: what the move editor builds from a form.
struct PlannedOrder {
    OrderKind kind = OrderKind::None;
    OrderFields fields;
};
// The orders of a plan, in the order the tasks were given; ships of a group that share a task
// are merged first, and a group that is split gives its later orders as "MAX".
std::vector<PlannedOrder> transportOrders(TransportPlan plan);
// Adds the orders to the move; stops at the first that cannot be built.
Status addTransportOrders(MoveEditor& editor, const std::vector<PlannedOrder>& orders);

} // namespace orrery

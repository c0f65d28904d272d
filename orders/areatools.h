#pragma once

// The group area tools of the move editor: whole series of orders at once.
//
// Scanning an area spreads the ships of one group over the planets of a rectangle or a circle, one
// ship per planet, to see what is there. Sending from a planet sends (or lets intercept) every
// movable own group at one planet to another. Both build their orders through the move editor
// below the current line, as if each had been entered in its command window.
//
//     Result<std::string> warning = scanArea(editor, game, AreaShape::Circle, {"10", "20", "5", ""}, " 5 (...)");
//     Result<int> sent = sendFromPlanet(editor, game, SendMode::Send, "Mars", "Venus");

#include "result.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct Game;
struct grouprecord;
class MoveEditor;

enum class AreaShape : std::uint8_t { Rectangle, Circle };
// 1: send the groups from the first planet to the second; 2: let the groups of the second planet
// intercept at the first.
enum class SendMode : std::uint8_t { Send = 1, Intercept = 2 };

inline constexpr std::string_view msgSpecifyArea = "You have to specify the area first!";
inline constexpr std::string_view msgEnterNumber = "Please enter a number!";
inline constexpr std::string_view msgBothPlanets = "Please specify both planets!";

// What a number field of the area accepts while it is typed: a decimal number, a lone "-", or a
// number ending in a single ".".
bool isAreaNumberInput(std::string_view text);

// The planet names of an area, in the order of the planet list. The fields are left, top, right,
// bottom for a rectangle and X, Y, radius for a circle (already read as numbers).
std::vector<std::string> planetsInArea(const Game& game, AreaShape shape, const std::array<double, 4>& area);

// Scans an area with the group of the group choice (its first word is the group number): one
// send order of one ship to each planet of the area, as long as the group has ships. Returns the
// warning to show when the area holds more planets than the group has ships (empty when not), or
// fails with the message for empty fields, a field that is no number, or a group that does not
// exist (then no order is built).
Result<std::string> scanArea(MoveEditor& editor, const Game& game, AreaShape shape,
                             const std::array<std::string, 4>& fields, std::string_view groupChoice);

// The own groups that can leave a planet now: not battle entries, at that planet (by name or
// alternative name), not in flight, with a drive and a known ship type.
std::vector<const grouprecord*> movableGroupsAt(const Game& game, std::string_view planet);
// Sends or lets intercept every movable own group at the source planet; the number of orders
// built, or the message to show (a planet missing, or no group that could go).
Result<int> sendFromPlanet(MoveEditor& editor, const Game& game, SendMode mode, std::string_view first,
                           std::string_view second);

} // namespace orrery

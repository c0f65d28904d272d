#pragma once

// The lookups of the current turn that the orders editor makes for every line of a move, indexed
// once. Each answers like the Game lookups (first match in list order), except that an empty name
// never matches: a missing word of an order names nothing.

#include "gamedata.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace orrery {

class TurnLookup {
public:
    // The game must not change while the lookup is in use.
    explicit TurnLookup(const Game& game);

    const Game& game() const { return game_; }
    // The own group whose number, truncated, equals the text read as an integer.
    const grouprecord* group(std::string_view number) const;
    // Own groups whose fleet is the name, in list order; nullptr when there are none.
    const std::vector<const grouprecord*>* fleetMembers(std::string_view fleet) const;
    const grouprecord* firstFleetMember(std::string_view fleet) const;
    // The planet whose name or alternative name is the text.
    const planetrecord* planet(std::string_view name) const;

private:
    struct DoubleHash {
        std::size_t operator()(double v) const { return std::hash<double>()(v == 0.0 ? 0.0 : v); }
    };
    const Game& game_;
    std::unordered_map<double, const grouprecord*, DoubleHash> groups_;
    std::unordered_map<std::string_view, std::vector<const grouprecord*>> fleets_;
    std::unordered_map<std::string_view, const planetrecord*> planets_;
};

// Capacity of one ship of a group: (cargo + cargo x cargo / 10) x cargo tech.
double cargoCapacity(const grouprecord& group);
// The stock of a cargo ("CAP", "COL" or "MAT", letter case ignored) on a planet; negative and
// unknown stocks count as 0, and so does any other cargo word.
double planetStock(const planetrecord& planet, std::string_view cargo);

} // namespace orrery

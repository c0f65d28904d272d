#pragma once

// Arrival times (ETAs) of the send and intercept orders of a move, written as comments at the end
// of their lines: " ; ETA n turns", or " ; ETA ? turns" when no time can be computed.

#include "commands.h"
#include "turnlookup.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orrery {

// Scans a move (in either form) once, so that the ETA of every line can be computed without
// searching the move again. The lines must outlive the calculator; their ETA comments may be
// rewritten while it is in use, nothing else.
class EtaCalculator {
public:
    EtaCalculator(const std::vector<std::string>& lines, MoveForm form, const Game& game);

    // The line with its ETA (OrderEta): inside a message block unchanged; any other line cut
    // before its first ";" and trimmed, and for a send or intercept the ETA comment appended.
    std::string lineWithEta(std::size_t index) const;

    // ETA of a group from the order at index: 0 or more, or -1 when it cannot be computed.
    // ships is the number of ships that leave (0 or less: the whole group).
    double groupEta(std::string_view groupWord, std::string_view planet, std::size_t index, double ships) const;
    double fleetEta(std::string_view fleet, std::string_view planet, std::size_t index) const;

    // Cargo per ship of a group when it leaves with the order at index: its current load, unless
    // an unload or load order of the group above that line says otherwise.
    double cargoAtDeparture(const grouprecord& group, std::string_view groupWord, std::size_t index,
                            double ships) const;

    const TurnLookup& lookup() const { return lookup_; }
    // Inside a message block, its opening and closing lines included.
    bool inMessage(std::size_t index) const { return index < blocks_.size() && blocks_[index] >= 0; }
    bool opensMessage(std::size_t index) const
    {
        return index < blocks_.size() && blocks_[index] == static_cast<int>(index);
    }

private:
    struct CargoOrder {
        std::size_t line;
        bool load;         // false: unload
        std::string cargo; // upper-cased
        double ships;      // 0: the whole group
    };
    struct Join {
        std::size_t line;
        std::string group;
    };
    double groupEtaOf(const grouprecord& group, std::string_view groupWord, std::string_view planet,
                      std::size_t index, double ships) const;

    const std::vector<std::string>& lines_;
    TurnLookup lookup_;
    std::vector<int> blocks_;
    std::unordered_map<std::string, std::vector<CargoOrder>> cargoOrders_; // by group word
    std::unordered_map<std::string, std::vector<Join>> joins_;             // by fleet
};

// The ETA comment for an ETA from groupEta or fleetEta ("" for 0 or 1).
std::string etaComment(double eta);

// OrderEta and RecalculateEtas of the move editor, for a move held as lines in a form.
std::string OrderEta(const std::vector<std::string>& lines, MoveForm form, std::size_t index, const Game& game);
void RecalculateEtas(std::vector<std::string>& lines, MoveForm form, std::size_t first, const Game& game);

} // namespace orrery

#pragma once

// The previous turn's entry of a race. The status table lists the races in an order that shifts
// when a race leaves the game, so a race of this turn is paired with the previous turn's entry of
// the same name, never with the entry at the same position. A race new in this turn has none.
//
//     for (const playerrecord& p : turn.players)
//         if (const playerrecord* before = previousEntryOf(turn.previousplayers, p)) ...

#include "gamedata.h"

#include <vector>

namespace orrery {

inline const playerrecord* previousEntryOf(const std::vector<playerrecord>& previous, const playerrecord& player)
{
    for (const playerrecord& p : previous)
        if (p.name == player.name) return &p;
    return nullptr;
}

} // namespace orrery

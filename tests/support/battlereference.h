#pragma once

// The battle fought the long way, word for word as the game's rules describe it: every ship a
// record in singly linked lists, the k-th ship found by walking, the battle-continues test over
// every pair of ships. The engine must give the same result text from the same random source;
// the tests compare them, and the benchmark measures how much faster the engine is.

#include "battle.h"

#include <string>

namespace orrery::test {

// N battles from the random source's present state: the result text with the protocol of the
// first battle.
std::string referenceRun(const BattleSetup& setup, int battles, BattleRandom& random);

} // namespace orrery::test

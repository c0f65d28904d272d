// Feeds arbitrary bytes to the battle data file reader; what it reads must survive a round trip
// through the writer, and a battle of it must come to an end.

#include "battle.h"
#include "battlefile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace orrery;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Result<BattleSetup> setup = parseBattleFile(text, "fuzz.txt");
    if (!setup) return 0;
    const Result<BattleSetup> again = parseBattleFile(battleFileText(*setup), "fuzz.txt");
    if (!again || again->aggressor.size() != setup->aggressor.size() ||
        again->defender.size() != setup->defender.size())
        __builtin_trap();
    (void)parseBattleResult(text);
    // Small setups only: a file may ask for a million ships with a million attacks each, which is
    // allowed but slow.
    std::int64_t ships = 0;
    bool small = true;
    for (const BattleGroup& g : battleGroups(*setup)) {
        ships += g.ships;
        small = small && g.attacks <= 20;
    }
    if (small && ships <= 200) {
        BattleRandom random;
        BattleSimulation run;
        run.start(2);
        while (run.fightNext(*setup, random)) {
        }
        (void)run.resultText();
    }
    return 0;
}

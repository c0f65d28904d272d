// orrery-cli battle FILE [--runs N]
//
// Fights the battle of a battle data file N times (100 unless told), as the battle simulator does
// right after the program starts (its random source at the first seed), and prints the result text
// as the result window shows it.

#include "battle.h"
#include "battlefile.h"
#include "commands.h"

#include <cstdio>

using namespace orrery;

namespace orrery::cli {

int commandBattle(const std::vector<std::string>& args)
{
    std::string path;
    std::string runs = "100";
    bool runsGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--runs" && !runsGiven) {
            if (i + 1 >= args.size()) return badArguments("--runs needs a number");
            runs = args[++i];
            runsGiven = true;
        } else if (path.empty() && !args[i].empty() && args[i].front() != '-') {
            path = args[i];
        } else {
            return badArguments("unexpected argument " + args[i]);
        }
    }
    if (path.empty()) return badArguments("battle needs a battle data file");
    const Result<int> count = simulationCount(runs);
    if (!count) return badArguments(count.error().text());
    const Result<BattleSetup> setup = loadBattleFile(path);
    if (!setup) return fail(setup.error().text());
    if (const Status fits = checkBattleSize(*setup); !fits) return fail(path + ": " + fits.error().text());

    BattleRandom random;
    BattleSimulation run;
    run.start(*count);
    while (run.fightNext(*setup, random)) {
    }
    print(stdout, run.resultText());
    return 0;
}

} // namespace orrery::cli

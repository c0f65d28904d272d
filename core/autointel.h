#pragma once

// The automatic intelligence: for every turn that has no per-turn intelligence file yet, the
// owners of the planets the report leaves unidentified are inferred from what the player saw
// so far (the home planets of turn 0, the reach of every race, the number of planets each race
// gained) and written to the turn's file beside the report.

#include "gamedata.h"
#include "result.h"

#include <functional>
#include <string>

namespace orrery {

// The player's answer to the game type window: the confirmed game type (0 Standard, 1 Blind,
// 2 GalaxyNG) and whether the GalaxyNG "Version 3.1" box was ticked.
struct GameTypeChoice {
    std::int32_t gametype = gtStandard;
    bool version31 = false;
};

struct AutoIntelHooks {
    // Asked once, for turn 0, with the detected game type and the game detail text.
    std::function<GameTypeChoice(std::int32_t detected, const std::string& details)> confirmGameType;
    // Told after each turn was read in full and became the shown turn, so the program can show
    // it (report label, repaint, zoom).
    std::function<void()> turnShown;
};

// Runs the automatic intelligence for every turn from 0 to game.lastturn whose file is missing.
// Every turn is processed; the first intelligence file that could not be written is the failure.
Status runAutomaticIntelligence(Game& game, const AutoIntelHooks& hooks);

// The parts, for tests and for the program.
// Turn 0: home planets, game detail text, game type confirmation, guessed home planets of the
// other races (clusters in GalaxyNG 3.1). Expects turn 0 read in full.
Status inferTurnZero(Game& game, const AutoIntelHooks& hooks);
// A later turn: expects the turn read in full; reads the intelligence of the turn before and
// writes the turn's file.
Status inferLaterTurn(Game& game, int turnNumber);

} // namespace orrery

// Feeds arbitrary bytes to the report reader: the input is split at the first byte 0 into a
// previous report and the shown turn's report, and read in every game type.

#include "gamedata.h"
#include "reportreader.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace orrery;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const ReportText current(split == std::string::npos ? input : input.substr(split + 1));
    const ReportText previous(split == std::string::npos ? std::string() : input.substr(0, split));
    for (int type : {gtUnknown, gtStandard, gtBlind, gtGalaxyNG}) {
        Game game;
        game.gametype = type;
        game.currentturn = 1;
        TurnTexts texts;
        texts.current = &current;
        if (split != std::string::npos) texts.previous = &previous;
        texts.previousintel.push_back(turnintelrecord{0, 0, 0, 1, 1, 1, 1});
        readTurnTexts(game, 0, false, texts);
        game.turn.turnintel.push_back(turnintelrecord{0, 0, 5, 1, 1, 1, 1});
        applyTurnIntel(game);
        readTurnTexts(game, 1, true, texts);
    }
    return 0;
}

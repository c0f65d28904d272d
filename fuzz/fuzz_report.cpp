// Feeds arbitrary bytes to the report reader: the input is split at the first byte 0 into a
// previous report and the shown turn's report, and read in every game type.

#include "gamedata.h"
#include "intelligence.h"
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
        TurnTexts texts;
        texts.current = &current;
        if (split != std::string::npos) texts.previous = &previous;
        texts.previousintel.push_back(turnintelrecord{0, 0, 0, 1, 1, 1, 1});
        showTurnRead(game, readReport(texts, GameValues::of(game), game.shiptypes), 1);
        game.turn.turnintel.push_back(turnintelrecord{0, 0, 5, 1, 1, 1, 1});
        applyTurnIntel(game);
        readStatusTable(current, type);
    }
    return 0;
}

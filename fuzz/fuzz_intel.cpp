// Feeds arbitrary bytes to the readers of the intelligence files and writes what they read back.

#include "intelligence.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace orrery;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto planets = parsePlanetIntel(text);
    const auto turns = parseTurnIntel(text);
    const auto ships = parseShipDesigns(text, shortname("Me"));
    // What was read must survive a round trip through the writer.
    if (parsePlanetIntel(planetIntelText(planets)).size() != planets.size()) __builtin_trap();
    if (parseTurnIntel(turnIntelText(turns)).size() != turns.size()) __builtin_trap();
    (void)shipDesignsText(ships, shortname("Me"));
    return 0;
}

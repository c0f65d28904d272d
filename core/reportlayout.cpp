#include "reportlayout.h"

#include "gamedata.h"

namespace orrery {

ReportLayout reportLayout(std::int32_t gametype, const optiontype& options)
{
    ReportLayout layout;
    if (gametype != gtBlind) return layout;
    layout.tableWord = "Systems";
    layout.players.fromEnd = false;
    layout.planets.numbered = true;
    layout.planets.capital = 9;
    layout.planets.material = 10;
    layout.planets.colonists = 8;
    layout.groups.survivorsFirst = true;
    layout.groups.effectiveTechs = !options.techs;
    layout.groups.location = 11;
    layout.groups.distance = 12;
    layout.groups.ownUpgradeColumn = options.upgradecost;
    layout.routes = RouteLayout{3, 4, 2, 5};
    layout.incoming = IncomingLayout{2, 4, 5, 6, 7};
    return layout;
}

} // namespace orrery

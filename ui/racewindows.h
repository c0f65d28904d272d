#pragma once

// The windows about the races and the searches of the map, in the main window:
//
//     installRaceWindows(main); // once, from the main window's constructor
//
// "Find Planet" goes to a planet named in it; "Find Race" and the races table make the map mark a
// race's planets while they are open; the turn overview tells what changed since the previous
// turn. Each disables its button (and menu entry) while open; the races table and the turn
// overview rebuild themselves after every change of turn.

namespace orrery {

class TFormMain;
class TFormFindPlanet;
class TFormFindRace;
class TFormShowRaces;
class TFormTurnInfo;

void installRaceWindows(TFormMain& main);

// The windows installed in a main window, or nullptr.
TFormTurnInfo* installedTurnInfo(TFormMain& main);
TFormShowRaces* installedRacesTable(TFormMain& main);
TFormFindPlanet* installedFindPlanet(TFormMain& main);
TFormFindRace* installedFindRace(TFormMain& main);

} // namespace orrery

#pragma once

// The battle simulator in the main window.
//
//     TFormBattle& battle = installBattleWindow(main); // once, after installOrderWindows(main)
//
// It enables "SpeedButtonBattle" (shows the battle simulator; the button stays disabled while the
// simulator is open), shares the move editor's result window, reads the planet panel's position
// for "get from 'Groups at Planet'" and runs the show sequence again after a change of turn while
// the simulator is open.

namespace orrery {

class TFormMain;
class TFormBattle;

TFormBattle& installBattleWindow(TFormMain& main);
// The battle simulator installed in a main window, or nullptr.
TFormBattle* installedBattleWindow(TFormMain& main);

} // namespace orrery

#pragma once

// The orders editor's windows in the main window: the move editor with its command windows, the
// check result window and the game options window.
//
//     TFormMove& move = installOrderWindows(main); // once, from the main window's constructor
//
// It enables "SpeedButtonMove" (shows the move editor; the button stays disabled while the editor
// is open) and "SpeedButtonShowOptions" (the shown turn's game options, viewing only), and
// registers the game options window's refresh after a change of turn.

namespace orrery {

class TFormMain;
class TFormMove;

TFormMove& installOrderWindows(TFormMain& main);
// The move editor installed in a main window, or nullptr.
TFormMove* installedMoveEditor(TFormMain& main);

} // namespace orrery

#pragma once

// The news window in the main window.
//
//     TFormNews& news = installNewsWindow(main); // once, in the main window's constructor
//
// It enables "SpeedButtonNews" (the button stays disabled while the window is open), rebuilds
// the open window after every change of turn, and lets the screenshot mode open it as "news"
// (on the "Battles" page when the turn has battles).

namespace orrery {

class TFormMain;
class TFormNews;

TFormNews& installNewsWindow(TFormMain& main);

} // namespace orrery

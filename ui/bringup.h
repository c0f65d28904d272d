#pragma once

// Showing one of the program's windows the way the main window's commands do: centred on the
// screen the first time it appears, then where the player left it, and brought to the front.

class QWidget;

namespace orrery {

void bringUp(QWidget* window);

} // namespace orrery

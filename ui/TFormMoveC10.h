#pragma once

// TFormMoveC10: three choices: a route (from planet, cargo, destination; no destination deletes it) or
// the status of a planet towards a race (both left blank erase it).

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC10 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC10(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC10", CommandWindowId::C10, boxes, parent)
    {
    }
};

} // namespace orrery

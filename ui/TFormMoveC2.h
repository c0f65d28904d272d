#pragma once

// TFormMoveC2: two choices: send a fleet, intercept with a fleet, merge two fleets, and the production
// of a planet (not Blind Galaxy).

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC2 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC2(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC2", CommandWindowId::C2, boxes, parent)
    {
    }
};

} // namespace orrery

#pragma once

// TFormMoveC1: the group orders with two choices and a number of ships: send group, intercept with a
// group, add group to fleet, load cargo (not Blind Galaxy) and break off a group from a fleet
// (Blind Galaxy).

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC1 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC1(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC1", CommandWindowId::C1, boxes, parent)
    {
    }
};

} // namespace orrery

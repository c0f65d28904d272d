#pragma once

// TFormMoveC3: one choice: declare peace or war, guard, break a group off its fleet (not Blind Galaxy),
// erase a fleet or a ship type, give a player's address, claim a planet.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC3 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC3(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC3", CommandWindowId::C3, boxes, parent)
    {
    }
};

} // namespace orrery

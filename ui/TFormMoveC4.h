#pragma once

// TFormMoveC4: a choice and a text: rename a planet, break off ships, scrap, upgrade or unload a group,
// new name for a fleet or a ship type.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC4 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC4(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC4", CommandWindowId::C4, boxes, parent)
    {
    }
};

} // namespace orrery

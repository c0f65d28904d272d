#pragma once

// TFormMoveC6: one text: new race name, new fleet, password, address, map centre.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC6 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC6(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC6", CommandWindowId::C6, boxes, parent)
    {
    }
};

} // namespace orrery

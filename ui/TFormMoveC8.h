#pragma once

// TFormMoveC8: the map area: x, y and size.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC8 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC8(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC8", CommandWindowId::C8, boxes, parent)
    {
    }
};

} // namespace orrery

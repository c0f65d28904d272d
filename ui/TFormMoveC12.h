#pragma once

// TFormMoveC12: the forecast option with the turn of the forecast (when such a line is edited).

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC12 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC12(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC12", CommandWindowId::C12, boxes, parent)
    {
    }
};

} // namespace orrery

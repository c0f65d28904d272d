#pragma once

// TFormMoveC11: loading cargo in Blind Galaxy: cargo type, group, number of ships and amount of cargo.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC11 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC11(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC11", CommandWindowId::C11, boxes, parent)
    {
    }
};

} // namespace orrery

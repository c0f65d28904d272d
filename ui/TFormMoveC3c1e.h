#pragma once

// TFormMoveC3c1e: load cargo onto a group and send the loaded ships to a planet.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC3c1e : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC3c1e(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC3c1e", CommandWindowId::C3c1e, boxes, parent)
    {
    }
};

} // namespace orrery

#pragma once

// TFormMoveC2c4e: the production of a planet in Blind Galaxy: planet, product and, for a ship
// type, the four tech levels to build it with. The tech fields are usable only while "produce:"
// holds a ship type.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC2c4e : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC2c4e(MessageBoxes& boxes, QWidget* parent = nullptr);

    // A change of "produce:".
    void ComboBoxProduceChange();

protected:
    void opened() override;
};

} // namespace orrery

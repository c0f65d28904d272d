#pragma once

// TFormMoveC1toggle: one of the seven single options switched on or off, with a warning for the
// two options the program needs in a certain state to read the next report.

#include "TFormMoveCommand.h"

class QCheckBox;

namespace orrery {

class TFormMoveC1toggle : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC1toggle(QWidget* parent = nullptr);
    OrderFields fields() const override;

    QCheckBox* CheckBoxOn = nullptr;
    QLabel* LabelNote = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
};

} // namespace orrery

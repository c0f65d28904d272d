#pragma once

// TFormMoveC11: loading cargo in Blind Galaxy: cargo type, group, and optionally the number of
// ships and the amount of cargo.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC11 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC11(QWidget* parent = nullptr);
    OrderFields fields() const override;

    QComboBox* ComboBoxCargo = nullptr;
    QComboBox* ComboBoxGroup = nullptr;
    QLineEdit* EditNumber = nullptr;
    QLineEdit* EditAmount = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
};

} // namespace orrery

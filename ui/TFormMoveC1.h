#pragma once

// TFormMoveC1: the group orders with two choices and a number of ships: send group, intercept
// with a group, add group to fleet, load cargo (not Blind Galaxy) and break off a group from a
// fleet (Blind Galaxy).

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC1 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC1(QWidget* parent = nullptr);
    OrderFields fields() const override;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* EditNumber = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
    QWidget* focusAfterFailure() const override;
};

} // namespace orrery

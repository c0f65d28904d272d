#pragma once

// TFormMoveC2: two choices: send a fleet, intercept with a fleet, merge two fleets, and the
// production of a planet (not Blind Galaxy).

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC2 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC2(QWidget* parent = nullptr);
    OrderFields fields() const override;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox2 = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
};

} // namespace orrery

#pragma once

// TFormMoveC3c1e: load cargo onto a group and send it to a planet in one go.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC3c1e : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC3c1e(QWidget* parent = nullptr);
    OrderFields fields() const override;

    QComboBox* ComboBoxCargo = nullptr;
    QComboBox* ComboBoxGroup = nullptr;
    QComboBox* ComboBoxPlanet = nullptr;
    QLineEdit* EditNumber = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
};

} // namespace orrery

#pragma once

// TFormMoveC4: a choice and a text: rename a planet, break off ships, scrap, upgrade or unload a
// group, new name for a fleet or a ship type.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC4 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC4(QWidget* parent = nullptr);
    OrderFields fields() const override;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
};

} // namespace orrery

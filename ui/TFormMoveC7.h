#pragma once

// TFormMoveC7: the design of a new ship type: its name and five values. A number field is checked
// when it is left; a wrong value is reported and the field keeps the focus.

#include "TFormMoveCommand.h"

#include <array>

namespace orrery {

class TFormMoveC7 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC7(QWidget* parent = nullptr);
    OrderFields fields() const override;

    // Leaving a number field (also run by the focus leaving it); false when it was refused.
    bool EditExit(QLineEdit* edit);

    QLineEdit* EditName = nullptr;
    QLineEdit* EditDrive = nullptr;
    QLineEdit* EditAttacks = nullptr;
    QLineEdit* EditWeapons = nullptr;
    QLineEdit* EditShields = nullptr;
    QLineEdit* EditCargo = nullptr;
    // Stays disabled until the ship designer offers its values.
    QPushButton* ButtonTakeFromDesigner = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLineEdit*, 5> numbers() const { return {EditDrive, EditAttacks, EditWeapons, EditShields, EditCargo}; }
    bool reporting_ = false;
};

} // namespace orrery

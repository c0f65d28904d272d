#pragma once

// TFormMoveC2c4e: the production of a planet in Blind Galaxy: planet, product and, for a ship
// type, the four tech levels to build it with.

#include "TFormMoveCommand.h"

#include <array>

namespace orrery {

class TFormMoveC2c4e : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC2c4e(QWidget* parent = nullptr);
    OrderFields fields() const override;

    // A change of "produce:": the tech fields are usable only for a ship type.
    void ComboBoxProduceChange();

    QComboBox* ComboBoxPlanet = nullptr;
    QComboBox* ComboBoxProduce = nullptr;
    QLineEdit* EditDrive = nullptr;
    QLineEdit* EditWeapons = nullptr;
    QLineEdit* EditShields = nullptr;
    QLineEdit* EditCargo = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;

private:
    std::array<QLineEdit*, 4> techs() const { return {EditDrive, EditWeapons, EditShields, EditCargo}; }
};

} // namespace orrery

#include "TFormMoveC2c4e.h"

#include "messages.h"
#include "textrules.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace orrery {

TFormMoveC2c4e::TFormMoveC2c4e(QWidget* parent) : TFormMoveCommand("FormMoveC2c4e", parent)
{
    QLabel* label = nullptr;
    ComboBoxPlanet = addChoice("ComboBoxPlanet", label);
    setLabel(label, "Planet:");
    ComboBoxProduce = addChoice("ComboBoxProduce", label);
    setLabel(label, "produce:");
    EditDrive = addEdit("EditDrive", label);
    setLabel(label, "Drive tech (optional):");
    EditWeapons = addEdit("EditWeapons", label);
    setLabel(label, "Weapon tech (optional):");
    EditShields = addEdit("EditShields", label);
    setLabel(label, "Shield tech (optional):");
    EditCargo = addEdit("EditCargo", label);
    setLabel(label, "Cargo tech (optional):");
    connect(ComboBoxProduce, &QComboBox::currentTextChanged, this, [this] { ComboBoxProduceChange(); });
}

void TFormMoveC2c4e::setUp(const CommandOpening& o, const CommandChoices& c)
{
    const auto& s = o.start;
    fill(ComboBoxPlanet, c.ownPlanets, s[0]);
    fill(ComboBoxProduce, c.production, s[1]);
    const auto edits = techs();
    // An edited order's tech levels of 0 stand for none given.
    for (std::size_t i = 0; i < edits.size(); ++i) edits[i]->setText(s[i + 2] == "0" ? QString() : fromGame(s[i + 2]));
    ComboBoxProduceChange();
    ComboBoxPlanet->setFocus();
}

void TFormMoveC2c4e::ComboBoxProduceChange()
{
    const std::string produce(trimmed(textOf(ComboBoxProduce)));
    const bool shipType = !produce.empty() && !isProductionKeyword(produce);
    for (QLineEdit* e : techs()) {
        if (!shipType) e->clear();
        e->setEnabled(shipType);
    }
}

OrderFields TFormMoveC2c4e::fields() const
{
    return {textOf(ComboBoxPlanet), textOf(ComboBoxProduce), textOf(EditDrive),
            textOf(EditWeapons),    textOf(EditShields),     textOf(EditCargo)};
}

} // namespace orrery

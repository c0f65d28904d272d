#include "TFormMoveC3c1e.h"

#include "messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace orrery {

TFormMoveC3c1e::TFormMoveC3c1e(QWidget* parent) : TFormMoveCommand("FormMoveC3c1e", parent)
{
    QLabel* label = nullptr;
    ComboBoxCargo = addChoice("ComboBoxCargo", label);
    setLabel(label, "Cargo:");
    ComboBoxGroup = addChoice("ComboBoxGroup", label);
    setLabel(label, "Group:");
    ComboBoxPlanet = addChoice("ComboBoxPlanet", label);
    setLabel(label, "Planet:");
    EditNumber = addEdit("EditNumber", label);
    setLabel(label, "Number of ships (optional):");
}

void TFormMoveC3c1e::setUp(const CommandOpening& o, const CommandChoices& c)
{
    const auto& s = o.start;
    fill(ComboBoxCargo, cargoTypes(), s[0]);
    fill(ComboBoxGroup, c.ownGroups, s[1]);
    fill(ComboBoxPlanet, c.planets, s[2]);
    EditNumber->setText(fromGame(s[3]));
    ComboBoxCargo->setFocus();
}

OrderFields TFormMoveC3c1e::fields() const
{
    return {textOf(ComboBoxCargo), textOf(ComboBoxGroup), textOf(ComboBoxPlanet), textOf(EditNumber)};
}

} // namespace orrery

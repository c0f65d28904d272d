#include "TFormMoveC11.h"

#include "messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace orrery {

TFormMoveC11::TFormMoveC11(QWidget* parent) : TFormMoveCommand("FormMoveC11", parent)
{
    QLabel* label = nullptr;
    ComboBoxCargo = addChoice("ComboBoxCargo", label);
    setLabel(label, "Cargo Type:");
    ComboBoxGroup = addChoice("ComboBoxGroup", label);
    setLabel(label, "Group:");
    EditNumber = addEdit("EditNumber", label);
    setLabel(label, "Number of ships (optional):");
    EditAmount = addEdit("EditAmount", label);
    setLabel(label, "Ammount of cargo (optional):");
}

void TFormMoveC11::setUp(const CommandOpening& o, const CommandChoices& c)
{
    const auto& s = o.start;
    fill(ComboBoxCargo, cargoTypes(), s[0]);
    fill(ComboBoxGroup, c.ownGroups, s[1]);
    EditNumber->setText(fromGame(s[2]));
    EditAmount->setText(fromGame(s[3]));
    ComboBoxCargo->setFocus();
}

OrderFields TFormMoveC11::fields() const
{
    return {textOf(ComboBoxCargo), textOf(ComboBoxGroup), textOf(EditNumber), textOf(EditAmount)};
}

} // namespace orrery

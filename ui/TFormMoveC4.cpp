#include "TFormMoveC4.h"

#include "messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace orrery {

TFormMoveC4::TFormMoveC4(QWidget* parent) : TFormMoveCommand("FormMoveC4", parent)
{
    ComboBox1 = addChoice("ComboBox1", Label1);
    Edit2 = addEdit("Edit2", Label2);
}

void TFormMoveC4::setUp(const CommandOpening& o, const CommandChoices& c)
{
    using K = OrderKind;
    const auto& s = o.start;
    switch (o.kind) {
    case K::RenamePlanet:
        setLabel(Label1, "Planet to rename:");
        setLabel(Label2, "New name:");
        fill(ComboBox1, c.ownPlanets, s[0]);
        break;
    case K::BreakShips:
        setLabel(Label1, "Group:");
        setLabel(Label2, "Number of ships:");
        fill(ComboBox1, c.ownGroups, s[0]);
        break;
    case K::RenameFleet:
        setLabel(Label1, "Fleet:");
        setLabel(Label2, "New name:");
        fill(ComboBox1, c.fleets, s[0]);
        break;
    case K::RenameType:
        setLabel(Label1, "Shiptype:");
        setLabel(Label2, "New name:");
        fill(ComboBox1, c.shipTypes, s[0]);
        break;
    default: // scrap, upgrade, unload
        setLabel(Label1, "Group:");
        setLabel(Label2, "Number of ships (optional):");
        fill(ComboBox1, c.ownGroups, s[0]);
        break;
    }
    Edit2->setText(fromGame(s[1]));
    ComboBox1->setFocus();
}

OrderFields TFormMoveC4::fields() const { return {textOf(ComboBox1), textOf(Edit2)}; }

} // namespace orrery

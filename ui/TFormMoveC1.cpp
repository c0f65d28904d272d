#include "TFormMoveC1.h"

#include "messages.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace orrery {

TFormMoveC1::TFormMoveC1(QWidget* parent) : TFormMoveCommand("FormMoveC1", parent)
{
    ComboBox1 = addChoice("ComboBox1", Label1);
    ComboBox2 = addChoice("ComboBox2", Label2);
    EditNumber = addEdit("EditNumber", Label3);
}

void TFormMoveC1::setUp(const CommandOpening& o, const CommandChoices& c)
{
    using K = OrderKind;
    const auto& s = o.start;
    setLabel(Label3, "Number of ships (optional):");
    switch (o.kind) {
    case K::Load:
        setLabel(Label1, "Cargo Type:");
        setLabel(Label2, "Group:");
        fill(ComboBox1, cargoTypes(), s[0]);
        fill(ComboBox2, c.ownGroups, s[1]);
        break;
    case K::InterceptGroup:
        setLabel(Label1, "Planet:");
        setLabel(Label2, "Group:");
        setLabel(Label3, "Number of ships (optional)");
        fill(ComboBox1, c.planets, s[0]);
        fill(ComboBox2, c.ownGroups, s[1]);
        break;
    case K::AddToFleet:
    case K::BreakFleet:
    case K::BreakCurrent:
        setLabel(Label1, "Group:");
        setLabel(Label2, "Fleet:");
        if (o.kind == K::AddToFleet) setLabel(Label3, "Number of ships (optional)");
        fill(ComboBox1, c.ownGroups, s[0]);
        fill(ComboBox2, c.fleets, s[1]);
        break;
    default: // send group
        setLabel(Label1, "Group:");
        setLabel(Label2, "Planet:");
        fill(ComboBox1, c.ownGroups, s[0]);
        fill(ComboBox2, c.planets, s[1]);
        break;
    }
    EditNumber->setText(fromGame(s[2]));
    ComboBox1->setFocus();
}

OrderFields TFormMoveC1::fields() const { return {textOf(ComboBox1), textOf(ComboBox2), textOf(EditNumber)}; }

QWidget* TFormMoveC1::focusAfterFailure() const
{
    if (textOf(ComboBox1).empty()) return ComboBox1;
    if (textOf(ComboBox2).empty()) return ComboBox2;
    return EditNumber;
}

} // namespace orrery

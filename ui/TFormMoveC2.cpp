#include "TFormMoveC2.h"

#include <QComboBox>
#include <QLabel>

namespace orrery {

TFormMoveC2::TFormMoveC2(QWidget* parent) : TFormMoveCommand("FormMoveC2", parent)
{
    ComboBox1 = addChoice("ComboBox1", Label1);
    ComboBox2 = addChoice("ComboBox2", Label2);
}

void TFormMoveC2::setUp(const CommandOpening& o, const CommandChoices& c)
{
    using K = OrderKind;
    const auto& s = o.start;
    switch (o.kind) {
    case K::InterceptFleet:
        setLabel(Label1, "Planet:");
        setLabel(Label2, "Fleet:");
        fill(ComboBox1, c.planets, s[0]);
        fill(ComboBox2, c.fleets, s[1]);
        break;
    case K::MergeFleets:
        setLabel(Label1, "Fleet1:");
        setLabel(Label2, "Fleet2:");
        fill(ComboBox1, c.fleets, s[0]);
        fill(ComboBox2, c.fleets, s[1]);
        break;
    case K::Production:
        setLabel(Label1, "Planet:");
        setLabel(Label2, "produce:");
        fill(ComboBox1, c.ownPlanets, s[0]);
        fill(ComboBox2, c.production, s[1]);
        break;
    default: // send fleet
        setLabel(Label1, "Fleet:");
        setLabel(Label2, "Planet:");
        fill(ComboBox1, c.fleets, s[0]);
        fill(ComboBox2, c.planets, s[1]);
        break;
    }
    ComboBox1->setFocus();
}

OrderFields TFormMoveC2::fields() const { return {textOf(ComboBox1), textOf(ComboBox2)}; }

} // namespace orrery

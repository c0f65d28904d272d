#include "TFormMoveC10.h"

#include "gamedata.h"

#include <QComboBox>
#include <QLabel>

namespace orrery {

TFormMoveC10::TFormMoveC10(QWidget* parent) : TFormMoveCommand("FormMoveC10", parent)
{
    ComboBox1 = addChoice("ComboBox1", Label1);
    ComboBox2 = addChoice("ComboBox2", Label2);
    ComboBox3 = addChoice("ComboBox3", Label3);
}

void TFormMoveC10::setUp(const CommandOpening& o, const CommandChoices& c)
{
    using K = OrderKind;
    const auto& s = o.start;
    fill(ComboBox1, c.ownPlanets, s[0]);
    if (o.kind == K::Status || o.kind == K::EraseStatus) {
        setLabel(Label1, "Planet:");
        setLabel(Label2, "Status (optional, left blank to erase status):");
        setLabel(Label3, "Race (optional, left blank to erase status):");
        fill(ComboBox2, {"peace", "war"}, s[1]);
        fill(ComboBox3, c.races, s[2]);
    } else {
        setLabel(Label1, "From planet:");
        setLabel(Label2, "Cargo type:");
        setLabel(Label3, "To planet (left blank to delete route):");
        fill(ComboBox2, routeCargoTypes(game_ && game_->gametype == gtBlind), s[1]);
        fill(ComboBox3, c.planets, s[2]);
    }
    ComboBox1->setFocus();
}

OrderFields TFormMoveC10::fields() const { return {textOf(ComboBox1), textOf(ComboBox2), textOf(ComboBox3)}; }

} // namespace orrery

#include "TFormMoveC3.h"

#include "gamedata.h"

#include <QComboBox>
#include <QLabel>

namespace orrery {

TFormMoveC3::TFormMoveC3(QWidget* parent) : TFormMoveCommand("FormMoveC3", parent)
{
    ComboBox1 = addChoice("ComboBox1", Label1);
}

void TFormMoveC3::setUp(const CommandOpening& o, const CommandChoices& c)
{
    using K = OrderKind;
    const std::string& s = o.start[0];
    switch (o.kind) {
    case K::BreakFleet:
    case K::BreakCurrent:
        setLabel(Label1, "Group:");
        fill(ComboBox1, c.ownGroups, s);
        break;
    case K::EraseFleet:
        setLabel(Label1, "Name of fleet:");
        fill(ComboBox1, c.fleets, s);
        break;
    case K::EraseType:
        setLabel(Label1, "Name of ship type:");
        fill(ComboBox1, c.shipTypes, s);
        break;
    case K::GiveAddress:
        setLabel(Label1, "Name of player:");
        fill(ComboBox1, c.races, s);
        break;
    case K::Claim:
        setLabel(Label1, "Name of planet:");
        fill(ComboBox1, c.planets, s);
        break;
    default: { // peace, war, guard
        setLabel(Label1, "Race:");
        std::vector<std::string> races = c.races;
        // Blind Galaxy offers the own race as well, at the end.
        if (game_ && game_->gametype == gtBlind && !c.ownRace.empty()) races.push_back(c.ownRace);
        fill(ComboBox1, races, s);
        break;
    }
    }
    ComboBox1->setFocus();
}

OrderFields TFormMoveC3::fields() const { return {textOf(ComboBox1)}; }

} // namespace orrery

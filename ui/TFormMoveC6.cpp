#include "TFormMoveC6.h"

#include "messages.h"

#include <QLabel>
#include <QLineEdit>

namespace orrery {

TFormMoveC6::TFormMoveC6(QWidget* parent) : TFormMoveCommand("FormMoveC6", parent)
{
    Edit1 = addEdit("Edit1", Label1);
}

void TFormMoveC6::setUp(const CommandOpening& o, const CommandChoices&)
{
    using K = OrderKind;
    switch (o.kind) {
    case K::RaceName: setLabel(Label1, "New race name:"); break;
    case K::CreateFleet: setLabel(Label1, "Name of new fleet:"); break;
    case K::SetPassword: setLabel(Label1, "New password:"); break;
    case K::Address: setLabel(Label1, "New address:"); break;
    default: setLabel(Label1, "New value:"); break;
    }
    Edit1->setText(fromGame(o.start[0]));
    Edit1->setFocus();
}

OrderFields TFormMoveC6::fields() const { return {textOf(Edit1)}; }

} // namespace orrery

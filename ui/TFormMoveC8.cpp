#include "TFormMoveC8.h"

#include "messages.h"

#include <QLabel>
#include <QLineEdit>

namespace orrery {

TFormMoveC8::TFormMoveC8(QWidget* parent) : TFormMoveCommand("FormMoveC8", parent)
{
    QLabel* label = nullptr;
    EditX = addEdit("EditX", label);
    setLabel(label, "X-position:");
    EditY = addEdit("EditY", label);
    setLabel(label, "Y-position:");
    EditSize = addEdit("EditSize", label);
    setLabel(label, "Size:");
}

void TFormMoveC8::setUp(const CommandOpening& o, const CommandChoices&)
{
    EditX->setText(fromGame(o.start[0]));
    EditY->setText(fromGame(o.start[1]));
    EditSize->setText(fromGame(o.start[2]));
    EditX->setFocus();
}

OrderFields TFormMoveC8::fields() const { return {textOf(EditX), textOf(EditY), textOf(EditSize)}; }

} // namespace orrery

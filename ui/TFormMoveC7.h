#pragma once

// TFormMoveC7: the design of a new ship type: its name and five values. A number field is checked
// when it is left; a wrong value is reported and the field keeps the focus.

#include "TFormMoveCommand.h"

#include <QGridLayout>
#include <QPushButton>

namespace orrery {

class TFormMoveC7 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC7(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC7", CommandWindowId::C7, boxes, parent)
    {
        ButtonTakeFromDesigner = new QPushButton(QStringLiteral("Take values from ship designer"), this);
        ButtonTakeFromDesigner->setObjectName(QStringLiteral("ButtonTakeFromDesigner"));
        ButtonTakeFromDesigner->setEnabled(false);
        rows()->addWidget(ButtonTakeFromDesigner, rows()->rowCount(), 1);
    }

    // Stays disabled until the ship designer offers its values.
    QPushButton* ButtonTakeFromDesigner = nullptr;
};

} // namespace orrery

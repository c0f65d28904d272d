#pragma once

// TFormMoveC1toggle: one of the seven single options switched on or off, with a warning for the
// two options the program needs in a certain state to read the next report.

#include "TFormMoveCommand.h"
#include "orderwords.h"

#include <QGridLayout>
#include <QLabel>

namespace orrery {

class TFormMoveC1toggle : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC1toggle(MessageBoxes& boxes, QWidget* parent = nullptr)
        : TFormMoveCommand("FormMoveC1toggle", CommandWindowId::C1toggle, boxes, parent)
    {
        LabelNote = new QLabel(this);
        LabelNote->setObjectName(QStringLiteral("LabelNote"));
        rows()->addWidget(LabelNote, rowOf(0) + 1, 0, 1, 2);
    }

    QLabel* LabelNote = nullptr;

protected:
    void opened() override
    {
        QString note;
        if (equalsNoCase(opening_.option, "UNDERSCORES"))
            note = QStringLiteral("Don't set this option to off,\nor the program can't read in the next turn report!");
        else if (equalsNoCase(opening_.option, "TWOCOL"))
            note = QStringLiteral("Don't set this option to on,\nor the program can't read in the next turn report!");
        LabelNote->setText(note);
        LabelNote->setVisible(!note.isEmpty());
    }
};

} // namespace orrery

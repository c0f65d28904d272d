#include "TFormMoveC1toggle.h"

#include "orderwords.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace orrery {

TFormMoveC1toggle::TFormMoveC1toggle(QWidget* parent) : TFormMoveCommand("FormMoveC1toggle", parent)
{
    CheckBoxOn = new QCheckBox(QStringLiteral("on"), this);
    CheckBoxOn->setObjectName(QStringLiteral("CheckBoxOn"));
    LabelNote = new QLabel(this);
    LabelNote->setObjectName(QStringLiteral("LabelNote"));
    rows()->addWidget(CheckBoxOn, 0, 0);
    rows()->addWidget(LabelNote, 1, 0);
}

void TFormMoveC1toggle::setUp(const CommandOpening& o, const CommandChoices&)
{
    // A new order starts switched on; an edited one as it stands.
    CheckBoxOn->setChecked(o.start[0] != "off");
    QString note;
    if (equalsNoCase(o.option, "UNDERSCORES"))
        note = QStringLiteral("Don't set this option to off,\nor the program can't read in the next turn report!");
    else if (equalsNoCase(o.option, "TWOCOL"))
        note = QStringLiteral("Don't set this option to on,\nor the program can't read in the next turn report!");
    LabelNote->setText(note);
    LabelNote->setVisible(!note.isEmpty());
    CheckBoxOn->setFocus();
}

OrderFields TFormMoveC1toggle::fields() const
{
    return {CheckBoxOn->isChecked() ? "on" : "off", opening_.option};
}

} // namespace orrery

#include "TFormMoveC12.h"

#include "messages.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace orrery {

TFormMoveC12::TFormMoveC12(QWidget* parent) : TFormMoveCommand("FormMoveC12", parent)
{
    CheckBoxOn = new QCheckBox(QStringLiteral("on"), this);
    CheckBoxOn->setObjectName(QStringLiteral("CheckBoxOn"));
    rows()->addWidget(CheckBoxOn, 0, 0);
    QLabel* label = nullptr;
    EditTurn = addEdit("EditTurn", label);
    setLabel(label, "Turn number (optional):");
    EditTurn->installEventFilter(this);
}

void TFormMoveC12::setUp(const CommandOpening& o, const CommandChoices&)
{
    CheckBoxOn->setChecked(o.start[0] != "off");
    EditTurn->setText(fromGame(o.start[1]));
    CheckBoxOn->setFocus();
}

OrderFields TFormMoveC12::fields() const { return {CheckBoxOn->isChecked() ? "on" : "off", textOf(EditTurn)}; }

bool TFormMoveC12::EditTurnExit()
{
    const std::string message = checkTurnNumber(textOf(EditTurn));
    if (message.empty()) return true;
    reporting_ = true;
    showError(this, fromGame(message));
    reporting_ = false;
    EditTurn->setFocus();
    return false;
}

bool TFormMoveC12::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EditTurn && event->type() == QEvent::FocusOut && !reporting_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) EditTurnExit();
    }
    return TFormMoveCommand::eventFilter(watched, event);
}

} // namespace orrery

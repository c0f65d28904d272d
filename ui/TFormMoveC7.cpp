#include "TFormMoveC7.h"

#include "messages.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orrery {

TFormMoveC7::TFormMoveC7(QWidget* parent) : TFormMoveCommand("FormMoveC7", parent)
{
    const std::pair<const char*, const char*> rows[] = {
        {"EditName", "Name of shiptype:"},        {"EditDrive", "Power of drive:"},
        {"EditAttacks", "Number of attacks:"},    {"EditWeapons", "Power of each weapon:"},
        {"EditShields", "Power of shields:"},     {"EditCargo", "Cargo:"},
    };
    std::array<QLineEdit*, 6> edits{};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        QLabel* label = nullptr;
        edits[i] = addEdit(rows[i].first, label);
        setLabel(label, rows[i].second);
    }
    EditName = edits[0];
    EditDrive = edits[1];
    EditAttacks = edits[2];
    EditWeapons = edits[3];
    EditShields = edits[4];
    EditCargo = edits[5];
    for (QLineEdit* e : numbers()) e->installEventFilter(this);
    ButtonTakeFromDesigner = new QPushButton(QStringLiteral("Take values from ship designer"), this);
    ButtonTakeFromDesigner->setObjectName(QStringLiteral("ButtonTakeFromDesigner"));
    ButtonTakeFromDesigner->setEnabled(false);
    this->rows()->addWidget(ButtonTakeFromDesigner, this->rows()->rowCount(), 1);
}

void TFormMoveC7::setUp(const CommandOpening& o, const CommandChoices&)
{
    EditName->setText(fromGame(o.start[0]));
    const auto edits = numbers();
    for (std::size_t i = 0; i < edits.size(); ++i) edits[i]->setText(fromGame(o.start[i + 1]));
    EditName->setFocus();
}

OrderFields TFormMoveC7::fields() const
{
    return {textOf(EditName),    textOf(EditDrive),   textOf(EditAttacks),
            textOf(EditWeapons), textOf(EditShields), textOf(EditCargo)};
}

bool TFormMoveC7::EditExit(QLineEdit* edit)
{
    const auto edits = numbers();
    int value = 0;
    for (std::size_t i = 0; i < edits.size(); ++i)
        if (edits[i] == edit) value = static_cast<int>(i) + 1;
    if (value == 0) return true;
    const std::string message = checkDesignNumber(value, textOf(edit));
    if (message.empty()) return true;
    // The box takes the focus away from the field; that is not another leave to check.
    reporting_ = true;
    showError(this, fromGame(message));
    reporting_ = false;
    edit->setFocus();
    return false;
}

bool TFormMoveC7::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !reporting_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Only the focus moving to another control of this window leaves the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            EditExit(qobject_cast<QLineEdit*>(watched));
    }
    return TFormMoveCommand::eventFilter(watched, event);
}

} // namespace orrery

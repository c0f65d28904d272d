#pragma once

// TFormMoveC12: the forecast option with the turn of the forecast. The turn number is checked
// when the field is left.

#include "TFormMoveCommand.h"

class QCheckBox;

namespace orrery {

class TFormMoveC12 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC12(QWidget* parent = nullptr);
    OrderFields fields() const override;

    // Leaving the turn number field; false when it was refused.
    bool EditTurnExit();

    QCheckBox* CheckBoxOn = nullptr;
    QLineEdit* EditTurn = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool reporting_ = false;
};

} // namespace orrery

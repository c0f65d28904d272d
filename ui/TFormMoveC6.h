#pragma once

// TFormMoveC6: one text: the race's new name, a new fleet, a new password, a new address, the
// map centre's X or Y.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC6 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC6(QWidget* parent = nullptr);
    OrderFields fields() const override;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
};

} // namespace orrery

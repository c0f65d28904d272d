#pragma once

// TFormMoveC8: the area covered by the turn map: X, Y and size.

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC8 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC8(QWidget* parent = nullptr);
    OrderFields fields() const override;

    QLineEdit* EditX = nullptr;
    QLineEdit* EditY = nullptr;
    QLineEdit* EditSize = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
};

} // namespace orrery

#pragma once

// TFormMoveC10: three choices: a route (from planet, cargo, destination; no destination deletes
// it) or the status of a planet towards a race (both left blank erase it).

#include "TFormMoveCommand.h"

namespace orrery {

class TFormMoveC10 : public TFormMoveCommand {
    Q_OBJECT
public:
    explicit TFormMoveC10(QWidget* parent = nullptr);
    OrderFields fields() const override;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox3 = nullptr;

protected:
    void setUp(const CommandOpening& opening, const CommandChoices& choices) override;
};

} // namespace orrery

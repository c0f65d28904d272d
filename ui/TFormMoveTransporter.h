#pragma once

// TFormMoveTransporter ("Develop planets"): the player lists transporter groups and the planets
// to develop (in order of priority), "Calculate" shows the production the planned deliveries
// add, and "OK" writes the load, unload and send orders into the move. The planning itself is
// planTransports; this window only keeps the two tables and the fields.

#include "transporter.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orrery {

class MessageBoxes;
class MoveEditor;
class TFormSelectFromList;
class TStringGridOR;

class TFormMoveTransporter : public QWidget {
    Q_OBJECT
public:
    TFormMoveTransporter(const Game& game, MoveEditor& editor, MessageBoxes& boxes, QWidget* parent = nullptr);

    // Fills both tables for the shown turn and resets the fields.
    void FormShow();

    void ButtonCargoClick();
    void ButtonTransAddClick();
    void ButtonTransDeleteClick();
    void ButtonPlanetAddClick();
    void ButtonPlanetDeleteClick();
    void ButtonPlusClick();
    void ButtonMinusClick();
    // Plans and shows the result; the plan when it succeeded.
    std::optional<TransportPlan> ButtonCalculateClick();
    void ButtonOKClick();

    // The listed group numbers and planet names, in table order.
    std::vector<double> listedGroups() const;
    std::vector<std::string> listedPlanets() const;

    // Runs when the window is shown (true) or closed (false); after OK added orders; when a
    // planet row is clicked (the planet's name as the table shows it).
    std::function<void(bool shown)> onShownChanged;
    std::function<void()> onOrdersAdded;
    std::function<void(const std::string& planet)> onPlanetClicked;

    TStringGridOR* GridTransporters = nullptr;
    TStringGridOR* GridPlanets = nullptr;
    QPushButton* ButtonCargo = nullptr;
    QLineEdit* EditCargo = nullptr;
    QLineEdit* EditTurns = nullptr;
    QLineEdit* EditResult = nullptr;
    QPushButton* ButtonTransAdd = nullptr;
    QPushButton* ButtonTransDelete = nullptr;
    QPushButton* ButtonPlanetAdd = nullptr;
    QPushButton* ButtonPlanetDelete = nullptr;
    QPushButton* ButtonPlus = nullptr;
    QPushButton* ButtonMinus = nullptr;
    QPushButton* ButtonCalculate = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;
    TFormSelectFromList* Chooser = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fillTransporters(double cargoAbove);
    void addTransporterRow(const grouprecord& group);
    void addPlanetRow(const planetrecord& planet);
    void movePlanet(int step);

    const Game& game_;
    MoveEditor& editor_;
    MessageBoxes& boxes_;
};

} // namespace orrery

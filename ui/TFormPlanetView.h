#pragma once

// TFormPlanetView: one planet of the shown turn with its production forecast, and the
// intelligence the player enters about it: its owner and its size, resources, population and
// industry. "Accept values" stores them for the turn and the game, beside the reports.
//
// With "take values from planet" checked, a click on another planet only copies that planet's
// four values into the fields: the name, owner and position of the edited entry stay.

#include "messages.h"
#include "session.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orrery {

class NumberFields;

class TFormPlanetView : public QDialog {
    Q_OBJECT
public:
    TFormPlanetView(Session& session, MessageBoxes& boxes, QWidget* parent = nullptr);

    // The owner box from the shown turn.
    void FormShow();
    // Shows the first planet of that name; a name of no planet changes nothing.
    void ShowPlanet(const QString& name);

    // After accepted values changed something: the map repaints and selects the planet of that
    // name again (the main window does both).
    std::function<void(const QString& planet)> onIntelligenceUpdated;
    // Runs when the window is shown (true) or closed (false): the main window's button follows.
    std::function<void(bool shown)> onShownChanged;

    QLabel* LabelName = nullptr;
    QComboBox* ComboBoxOwner = nullptr;
    std::array<QLineEdit*, 4> Edits{}; // size, resources, population, industry
    QLabel* LabelX = nullptr;
    QLabel* LabelY = nullptr;
    QLabel* LabelCAP = nullptr;
    QLabel* LabelMAT = nullptr;
    QLabel* LabelCOL = nullptr;
    QLabel* LabelProducing = nullptr;
    std::array<QLabel*, 3> LabelForecast{}; // production, mass, tech
    QPushButton* ButtonAccept = nullptr;
    QCheckBox* CheckBoxTakeValues = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ButtonAcceptClick();
    void fieldsChanged();

    Session& session_;
    MessageBoxes& boxes_;
    NumberFields* checks_ = nullptr;
    double editedX_ = unknownposition; // the planet whose entry is edited
    double editedY_ = unknownposition;
};

} // namespace orrery

#pragma once

// "Show Planets": the planets of one race in the shown turn (the own race or a neighbour whose
// planets were seen), with their figures and forecasts, in a sortable grid. A click on a row
// selects the planet on the map.

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;

namespace orrery {

class Session;
class TStringGridOR;

class TFormYourPlanets : public QDialog {
    Q_OBJECT
public:
    TFormYourPlanets(Session& session, QWidget* parent = nullptr);

    // Refills the race list (the own race chosen) and the grid for the own race.
    void FormShow();
    // Refills the grid for a race of the race list.
    void Fill(const QString& race);

    QComboBox* ComboBoxRace = nullptr;
    TStringGridOR* StringGridPlanets = nullptr;

    // Called when the window is shown (true) or closed (false), and with a clicked planet's name.
    std::function<void(bool shown)> onShownChanged;
    std::function<void(const QString& planet)> onPlanetClicked;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void StringGridPlanetsClick(int column, int row);

    Session& session_;
};

} // namespace orrery

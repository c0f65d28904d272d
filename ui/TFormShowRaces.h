#pragma once

// TFormShowRaces ("Show Races"): every race's technologies, population, industry, planets,
// relationship and production points, each race in two rows (its values, and below them the
// changes since the previous turn), sorted by production points. A click on a race selects both
// its rows; the map marks that race's planets while the window is open.

#include "raceviews.h"

#include <QWidget>

#include <functional>
#include <string>

class QCheckBox;

namespace orrery {

struct Game;
class TStringGridOR;

class TFormShowRaces : public QWidget {
    Q_OBJECT
public:
    explicit TFormShowRaces(QWidget* parent = nullptr);

    // Refills the table from the turn; the selection is cleared.
    void FormShow(const Game& game);
    // The race of the selected pair of rows; empty when none is selected.
    const std::string& selectedRace() const { return selected_; }
    // Selects the rows of a race (nothing when it is not listed); as a click does.
    void selectRace(const std::string& race);

    // Runs when the window is shown (true) or closed (false), and after the selection changed.
    std::function<void(bool shown)> onShownChanged;
    std::function<void()> onSelectionChanged;

    QCheckBox* CheckBoxSortByDifference = nullptr;
    TStringGridOR* StringGridRaces = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void markSelection();

    std::vector<RaceEntry> races_;
    std::string selected_;
};

} // namespace orrery
